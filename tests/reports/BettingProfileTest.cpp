#include "reports/BettingProfile.h"

#include "reports/ArchiveLines.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using namespace tallowmere::testing;

namespace {

using Lines = std::vector<std::string>;

std::vector<std::string> cardColumn(const Grid& grid) {
    std::vector<std::string> cards;
    for (int r = 11; !grid.text(r, 0).empty(); ++r)
        cards.push_back(grid.text(r, 0));
    return cards;
}

const TrackFile twoMileTracks(Lines{"CD   Churchill Downs     95     91  1.M",
                                    "SAR  Saratoga            98     95  1.Q",
                                    "SA   Santa Anita         97     94  1.M"});

} // namespace

TEST(BettingProfile, SelectsTheArchiveLinesOfItsSelector) {
    const Lines archive = {
        winOnlyLine("CD", "20261101", 9, "10.00"), winOnlyLine("SAR", "20261102", 9, "11.00"),
        winOnlyLine("SA", "20261103", 9, "12.00"), winOnlyLine("CD", "20261104", 9, "13.00"),
        winOnlyLine("cd", "20261105", 9, "14.00")};
    const struct {
        std::string selector;
        std::vector<int> kept; // indexes into the archive, newest first
    } cases[] = {
        {"ALL", {4, 3, 2, 1, 0}},
        {"CD", {3, 0}}, // a code stored in lower case never matches
        {"SA", {2}},
        {"1.M", {3, 2, 0}},
        {"1.MILE", {}}, // a size category is matched whole
        {"5/8", {}},
        {"---------------------", {}},
        {"1/2", {}},
    };
    for (const auto& [selector, kept] : cases) {
        const auto profile = bettingProfile(selector, archive, twoMileTracks);
        ASSERT_TRUE(profile) << selector;
        std::string copy;
        std::vector<std::string> stems;
        for (int i : kept) {
            copy += archive[i] + "\r\n";
            stems.push_back(archive[i].substr(0, 14));
        }
        EXPECT_EQ(profile->archiveCopy, copy) << selector;
        EXPECT_EQ(cardColumn(profile->profile.grid), stems) << selector;
        EXPECT_EQ(profile->profile.grid.text(9, 0), std::to_string(kept.size()) + " Race Cards");
        EXPECT_EQ(profile->profile.complete, !kept.empty()) << selector;
    }
}

TEST(BettingProfile, ATrackListedTwiceKeepsItsLinesTwice) {
    const TrackFile tracks(Lines{"CD   Churchill Downs     95     91  1.M",
                                 "CD   Churchill again     95     91  1.M"});
    const Lines archive = {winOnlyLine("CD", "20261101", 9, "10.00")};
    EXPECT_EQ(bettingProfile("1.M", archive, tracks)->archiveCopy,
              archive[0] + "\r\n" + archive[0] + "\r\n");
}

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

// Damaged archives: whatever the lines hold, the profile reads them without
// harm and copies them as they are.
TEST(BettingProfile, ReadsDamagedArchives) {
    const std::string card = winOnlyLine("CD", "20261101", 9, "10.00");
    const std::string huge(1 << 20, '7');
    const struct {
        const char* name;
        std::string archive;
        std::string copy;
        int cards;
    } cases[] = {
        {"short lines", "   CD_2026\r\n   CD\r\n", "   CD\r\n   CD_2026\r\n", 2},
        {"letters in numbers", "   CD_20261101 9x   1a  abc", "   CD_20261101 9x   1a  abc\r\n", 1},
        {"blank lines", "\r\n\r\n" + card + "\r\n\r\n", "\r\n" + card + "\r\n\r\n\r\n", 1},
        {"lone line feeds", card + "\n" + card + "\n", card + "\r\n" + card + "\r\n", 2},
        {"no final line end", card, card + "\r\n", 1},
        {"a 1 MB line", huge, huge + "\r\n", 1},
    };
    for (const auto& [name, archive, copy, cards] : cases) {
        TestWindow window;
        writeFile(window.folder / "TBA.ini", archive);
        List1_Click(window.form, "ALL");
        EXPECT_EQ(readFile(window.folder / "TBA.txt"), copy) << name;
        EXPECT_EQ(window.form.MSFlexGrid3.text(9, 0), std::to_string(cards) + " Race Cards");
        EXPECT_EQ(readFile(window.folder / "TBA.ini"), archive) << name;
    }
}
