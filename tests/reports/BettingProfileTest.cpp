#include "reports/BettingProfile.h"

#include "reports/ArchiveLines.h"
#include "reports/ProfileSelection.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::winOnlyLine;

using Lines = std::vector<std::string>;

TEST(BettingProfile, BoldsAProfitAndAlignsItsFigures) {
    const Lines archive = {winOnlyLine("CD", "20261101", 12, "20.35"),
                           winOnlyLine("CD", "20261102", 8, "25.25")};
    const Grid grid = bettingProfile("ALL", archive, {})->profile.grid;
    EXPECT_EQ(grid.text(6, 6), "     33.60");
    EXPECT_TRUE(grid.cell(6, 6)->bold);
    EXPECT_FALSE(grid.cell(6, 7)->bold);
    EXPECT_EQ(grid.cell(5, 0)->alignment, CellAlignment::Centre);
    EXPECT_EQ(grid.cell(1400, 19)->alignment, CellAlignment::Right);
}

// Each running total is kept as its two-decimal text: 1.005 shows as 1.01, and
// the next 1.005 adds to that.
TEST(BettingProfile, SumsTheReturnsToTwoDecimals) {
    const Lines archive = {winOnlyLine("CD", "20261101", 3, "1.005"),
                           winOnlyLine("CD", "20261102", 3, "1.005")};
    EXPECT_EQ(bettingProfile("ALL", archive, {})->profile.grid.text(3, 6), "      2.02");
}

// Only a profit is bold: a Win return that just pays back its stake is not.
TEST(BettingProfile, BoldsNoBreakEven) {
    const std::pair<const char*, bool> cases[] = {{"2.01", true}, {"2.00", false}, {"1.99", false}};
    for (const auto& [win, bold] : cases) {
        const Lines archive = {winOnlyLine("CD", "20261101", 1, win)};
        const Grid grid = bettingProfile("ALL", archive, {})->profile.grid;
        EXPECT_EQ(grid.cell(6, 6)->bold, bold) << win;
    }
}

// The profile shown keeps its cards, in date order, for the analysis beside
// it, and its name; showing the same cards again keeps their generation.
TEST(BettingProfile, KeepsTheCardsItShows) {
    tallowmere::testing::TestWindow window;
    tallowmere::testing::writeFile(window.folder / "TBA.ini",
                                   winOnlyLine("SAR", "20261102", 8, "25.25") + "\r\n" +
                                       winOnlyLine("CD", "20261101", 12, "20.35") + "\r\n");
    const std::tuple<const char*, unsigned, Lines, const char*> steps[] = {
        {"ALL", 1, {"   CD_20261101", "  SAR_20261102"}, "All Tracks"},
        {"all", 1, {"   CD_20261101", "  SAR_20261102"}, "All Tracks"},
        {"SAR", 2, {"  SAR_20261102"}, "SAR"},
    };
    for (const auto& [selector, generation, stems, title] : steps) {
        Profile2(window.form, selector);
        Lines shown;
        for (const auto& card : window.form.ShownProfile.cards)
            shown.push_back(card.stem);
        EXPECT_EQ(shown, stems) << selector;
        EXPECT_EQ(profileTitle(window.form.ShownProfile.selector), title);
        EXPECT_EQ(window.form.ShownProfile.generation, generation) << selector;
    }
}

TEST(BettingProfile, IsNamedByItsSelector) {
    const std::pair<const char*, const char*> cases[] = {
        {"ALL", "All Tracks"}, {"CT", "CT"}, {"1.M", "Size 1.M"}, {"1/2", "Size 1/2"}, {"7", "7"}};
    for (const auto& [selector, title] : cases)
        EXPECT_EQ(profileTitle(selector), title);
}
