#include "reports/SelectionAndResults.h"

#include "reports/SummaryReport.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;
using tallowmere::testing::writeFile;

namespace {

using Archive = std::optional<std::vector<std::string>>;

// A card of three races with race 2 on screen after a move from race 3:
// race 1 holds the worked example (with blanks around its picks), race 2's
// results are still only in the boxes, race 3 has no selections.
void showRaceTwoWithResults(Form1& form) {
    form.Card.RaceCount = 3;
    form.ActiveCardFile = "  AQU_20260101.pmd";
    form.Label1.caption = "AQU";
    form.Label5.caption = "20260101";
    form.Label8.caption = "2";
    form.CurrentRace = 4;
    const char* raceOne[] = {" 5", "3 ", "7", "1", "3", "5", "1", "7"};
    for (int k = 1; k <= 8; ++k)
        form.Records.CardPicks.set(1, k, raceOne[k - 1]);
    const char* payoffs[] = {"8.40", "4.20",  "3.00", "5.60",    "3.80",
                             "2.80", "38.20", "",     "1,234.50"};
    for (int k = 1; k <= 9; ++k)
        form.Records.CardPayoffs.set(1, k, payoffs[k - 1]);
    const char* raceTwo[] = {"2", "4", "6", "8", "2", "9", "1", "3"};
    for (int k = 1; k <= 8; ++k)
        form.setText39(k, raceTwo[k - 1]);
    form.Text57.find(1)->text = "6.00";
    form.Text57.find(2)->text = "3.10";
    form.Text57.find(3)->text = "2.40";
}

} // namespace

TEST(RecordButton, IsDisabledWhenAnyArchiveLineIsThisCard) {
    const std::string card = "  AQU_20260101.pmd";
    const std::string mine = "  AQU_20260101  9    2";
    const std::string other = "   CT_20261205  9    1";
    const std::tuple<const char*, Archive, bool, bool> cases[] = {
        {"no archive yet", std::nullopt, false, true},
        {"an empty archive leaves it disabled", Archive{std::vector<std::string>{}}, false, false},
        {"an empty archive leaves it enabled", Archive{std::vector<std::string>{}}, true, true},
        {"only other cards", Archive{{other, "junk"}}, false, true},
        {"this card last", Archive{{other, mine}}, true, false},
        {"this card before another", Archive{{mine, other}}, true, false},
    };
    for (const auto& [name, archive, before, after] : cases)
        EXPECT_EQ(recordButtonEnabled(card, archive, before), after) << name;
}

TEST(SelectionAndResults, WinPercentages) {
    const std::tuple<int, int, std::optional<std::string>> cases[] = {
        {1, 2, " 50%"}, {0, 9, "   %"}, {3, 3, "100%"},
        {1, 3, " 33%"}, {2, 3, " 67%"}, {1, 0, std::nullopt},
    };
    for (const auto& [wins, races, text] : cases)
        EXPECT_EQ(winPercentText(wins, races), text) << wins << " of " << races;
}

TEST(SelectionAndResults, FillsTheGridFromTheRecordArraysAndTheShownRace) {
    TestWindow window;
    Form1& form = window.form;
    showRaceTwoWithResults(form);
    form.MSFlexGrid2.setText(3, 1, "7");
    form.MSFlexGrid2.setText(3, 6, "4");
    writeFile(window.folder / "TBA.ini", "  AQU_20260101  3\r\n   CT_20261205  9\r\n");

    SelectionAndResults_Click(form);

    EXPECT_EQ(form.Records.CardPicks.valueAt(2, 5), "2") << "stored into the race on screen";
    EXPECT_EQ(form.Records.CardPayoffs.valueAt(2, 1), "6.00");
    EXPECT_EQ(form.Records.CardPicks.valueAt(4, 5), "");
    EXPECT_EQ(form.Records.CardPicks.valueAt(1, 1), "5") << "trimmed in place";
    const Grid& grid = form.MSFlexGrid2;
    const std::string blanks(9, ' ');
    EXPECT_EQ(summaryRowText(grid, 1), " Race 1   5   3   7   1   3   5   1   7" +
                                           std::string(8, ' ') + "    5.60    3.80" + blanks +
                                           "    38.20" + blanks + "    38.20    38.20" +
                                           std::string(41, ' ') + "   1,234.50   1,234.50");
    EXPECT_EQ(grid.cell(1, 2)->backColor, (Rgb{255, 255, 100}));
    EXPECT_EQ(grid.cell(2, 1)->backColor, (Rgb{255, 255, 100}));
    EXPECT_FALSE(grid.cell(1, 1)->backColor.has_value());
    EXPECT_EQ(grid.text(3, 1), "7") << "a race without selections keeps its cells";
    EXPECT_EQ(grid.text(3, 6), "4");
    EXPECT_EQ(summaryRowText(grid, 21), std::string(7, ' ') + "   1   1" + std::string(24, ' ') +
                                            "    6.00    8.70    6.20" + blanks + "    38.20" +
                                            blanks + "    38.20    38.20" + std::string(41, ' ') +
                                            "    1234.50    1234.50");
    EXPECT_EQ(summaryRowText(grid, 22), "    PCT 33% 33%" + std::string(156, ' '));
    EXPECT_EQ(form.SelectionWins.valueAt(1), 1);
    EXPECT_EQ(form.SelectionWins.valueAt(2), 1);
    EXPECT_FALSE(form.Command4.enabled) << "the card is archived already";
    EXPECT_EQ(form.CurrentRace, 2);

    const std::string report = readFile(window.folder / "Todays Results.txt");
    EXPECT_EQ(report.substr(0, report.find("\r\n\r\n")),
              "TALLOWMERE Selections\r\nCopyright (c) Tallowmere Software\r\n"
              "www.tallowmere.example\r\nsupport@tallowmere.example\r\nAQU\r\n1/1/2026");
}

TEST(SelectionAndResults, ShowsTheReportScreenAndMainScreenUndoesIt) {
    TestWindow window;
    Form1& form = window.form;
    showRaceTwoWithResults(form);
    SelectionAndResults_Click(form);
    EXPECT_EQ(form.Window.width, 18300);
    EXPECT_TRUE(form.Frame5.visible);
    EXPECT_EQ((std::array{form.Frame5.width, form.Frame5.top, form.Frame5.left}),
              (std::array{17156, 9000, 0}));
    EXPECT_TRUE(form.Command4.visible && form.Command4.enabled) << "no archive yet";
    EXPECT_EQ(form.Command4.left, 8000);
    EXPECT_FALSE(form.Frame4.visible);
    EXPECT_TRUE(form.menus.MainScreen.visible);
    EXPECT_FALSE(form.menus.SelectionAndResults.visible);
    const Grid& grid = form.MSFlexGrid2;
    EXPECT_TRUE(grid.visible);
    EXPECT_EQ((std::array{grid.width, grid.height, grid.top, grid.columnWidth(0), grid.fontSize}),
              (std::array{18500, 9000, 0, 1000, 9}));
    EXPECT_EQ(grid.fontName, "Courier New");

    MainScreen_Click(form);
    EXPECT_EQ(form.Window.width, 17400);
    EXPECT_FALSE(form.Frame5.visible);
    EXPECT_FALSE(grid.visible);
    EXPECT_TRUE(form.Frame4.visible);
    EXPECT_TRUE(form.menus.SelectionAndResults.visible);
    EXPECT_EQ(form.CurrentRace, 2);
}

TEST(SelectionAndResults, WithoutACardWritesAnEmptyTable) {
    TestWindow window;
    Form1& form = window.form;
    SelectionAndResults_Click(form);
    EXPECT_EQ(form.MSFlexGrid2.text(22, 1), "") << "no races, no percentage";
    EXPECT_EQ(form.MSFlexGrid2.text(21, 11), ".00");
    const std::string report = readFile(window.folder / "Todays Results.txt");
    EXPECT_NE(report.find("\r\nTrack\r\n\r\n---"), std::string::npos)
        << "a date label that is no date writes no date line";
}
