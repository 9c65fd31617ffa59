#include "reports/SelectionAndResults.h"

#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::TestWindow;
using tallowmere::testing::writeFile;

namespace {

using Archive = std::optional<std::vector<std::string>>;

// Three races, race 2 on screen while CurrentRace names another row (as after
// Start): race 1 holds S2's win with blanks around its picks, race 2's
// results are only in the boxes, race 3 has no selections.
void showRaceTwoWithResults(Form1& form) {
    form.Card.RaceCount = 3;
    form.ActiveCardFile = "  AQU_20260101.pmd";
    form.setShownRace(2);
    form.CurrentRace = 4;
    const char* raceOne[] = {" 5", "3 ", "7", "1", "3", "5", "1", "7"};
    for (int k = 1; k <= 8; ++k) {
        form.Records.CardPicks.set(1, k, raceOne[k - 1]);
        form.setText39(k, std::to_string(2 * k));
    }
    form.Text57.find(1)->text = "6.00";
    form.MSFlexGrid2.setText(3, 1, "7");
}

} // namespace

TEST(RecordButton, IsDisabledWhenAnyArchiveLineIsThisCard) {
    const std::string mine = "  AQU_20260101  9    2", other = "   CT_20261205  9    1";
    const std::tuple<const char*, Archive, bool, bool> cases[] = {
        {"no archive yet", std::nullopt, false, true},
        {"an empty archive leaves it disabled", std::vector<std::string>{}, false, false},
        {"an empty archive leaves it enabled", std::vector<std::string>{}, true, true},
        {"only other cards", Archive{{other, "junk"}}, false, true},
        {"this card last", Archive{{other, mine}}, true, false},
        {"this card before another", Archive{{mine, other}}, true, false},
    };
    for (const auto& [name, archive, before, after] : cases)
        EXPECT_EQ(recordButtonEnabled("  AQU_20260101.pmd", archive, before), after) << name;
}

TEST(SelectionAndResults, WinPercentages) {
    const std::tuple<int, int, std::optional<std::string>> cases[] = {
        {1, 2, " 50%"}, {0, 9, "   %"}, {3, 3, "100%"}, {2, 3, " 67%"}, {1, 0, std::nullopt},
    };
    for (const auto& [wins, races, text] : cases)
        EXPECT_EQ(winPercentText(wins, races), text) << wins << " of " << races;
}

// What the summary computes is compared through the batch front end; the
// colour of a winning pick is not in its output.
TEST(SelectionAndResults, StoresTheRaceOnScreenAndMarksTheWinners) {
    TestWindow window;
    Form1& form = window.form;
    showRaceTwoWithResults(form);
    writeFile(window.folder / "TBA.ini", "  AQU_20260101  3\r\n   CT_20261205  9\r\n");
    SelectionAndResults_Click(form);
    EXPECT_EQ(form.Records.CardPicks.valueAt(2, 5), "10") << "the boxes go to the race on screen";
    EXPECT_EQ(form.Records.CardPicks.valueAt(1, 1), "5") << "trimmed in place";
    const Grid& grid = form.MSFlexGrid2;
    EXPECT_EQ(grid.cell(1, 2)->backColor, (Rgb{255, 255, 100}));
    EXPECT_FALSE(grid.cell(1, 1)->backColor.has_value());
    EXPECT_EQ(grid.text(3, 1), "7") << "a race without selections keeps its cells";
    EXPECT_EQ(grid.text(22, 2), " 33%");
    EXPECT_FALSE(form.Command4.enabled) << "an earlier line holds this card";
}

// The totals row shows the summary the window keeps for Record; closing the
// card clears the grid and lets the summary go.
TEST(SelectionAndResults, TheSummaryKeptIsTheOneOnScreen) {
    TestWindow window;
    Form1& form = window.form;
    showRaceTwoWithResults(form);
    SelectionAndResults_Click(form);
    ASSERT_TRUE(form.ShownSummary);
    const std::vector<std::string>& totals = form.ShownSummary->totalsRow;
    for (int column = 0; column < form.MSFlexGrid2.columns(); ++column)
        EXPECT_EQ(form.MSFlexGrid2.text(21, column), totals[column]) << column;
    EXPECT_EQ(totals[2], "1");
    CRC_Click(form);
    EXPECT_FALSE(form.ShownSummary);
}
