#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;
using tallowmere::testing::writeFile;

TEST(StartUp, MakesTheDataRootsFoldersWhenMissing) {
    TestWindow window;
    for (const char* name : {"TrackMaster ExE Files", "Race Cards", "Selections", "Selections2",
                             "Programs", "Entries", "Results"})
        EXPECT_TRUE(std::filesystem::is_directory(window.folder / name)) << name;
}

TEST(StartUp, ShowsTheTrackMasterFilesAgainAndKeepsOtherHiddenNames) {
    TestWindow window(false);
    const auto tables = window.root().trackMasterFolder();
    std::filesystem::create_directories(tables);
    writeFile(tables / ".hidden", "RACEDR.DBF\nnotes.txt\nTHR2DR.DBF\n");
    Form_Load(window.form);
    EXPECT_EQ(readFile(tables / ".hidden"), "notes.txt\n");

    writeFile(tables / ".hidden", "THRRDR.DBF\n");
    Form_Load(window.form);
    EXPECT_FALSE(std::filesystem::exists(tables / ".hidden"));
}

TEST(StartUp, SetsUpThePastPerformanceGrid) {
    TestWindow window;
    const Grid& grid = window.form.MSFlexGrid1;
    const std::vector<std::string> headers = {
        "",   "Date", "Track", "Cd", "D&S", "T1", "T2",  "T3", "Fin", "NWR",    "Class", "CR",
        "SF", "PP",   "GB",    "L1", "L2",  "LS", "FIN", "",   "Wt",  "Jockey", "Odds",  "PR"};
    const std::vector<int> widths = {3400, 1500, 600, 300, 500, 400, 400, 500, 500, 1200, 950, 350,
                                     350,  350,  350, 600, 600, 600, 500, 0,   400, 1300, 600, 450};
    for (int c = 0; c < 24; ++c) {
        EXPECT_EQ(grid.text(0, c), headers[c]) << c;
        EXPECT_EQ(grid.columnWidth(c), widths[c]) << c;
    }
    EXPECT_EQ(grid.rows(), 2);
}

TEST(StartUp, SetsUpTheCardSummaryGrid) {
    TestWindow window;
    const Grid& grid = window.form.MSFlexGrid2;
    EXPECT_EQ(grid.text(1, 0), "Race 1");
    EXPECT_EQ(grid.text(20, 0), "Race 20");
    EXPECT_EQ(grid.text(21, 0), "");
    EXPECT_EQ(grid.text(22, 0), "PCT");
    EXPECT_EQ(grid.text(0, 1), "S1");
    EXPECT_EQ(grid.text(0, 9), "R4");
    EXPECT_EQ(grid.text(0, 13), "Show");
    EXPECT_EQ(grid.text(0, 15), "E 1/2");
    EXPECT_EQ(grid.text(0, 19), "E 1-2-3-4");
    EXPECT_EQ(grid.text(0, 22), "T 1/2-3");
    EXPECT_EQ(grid.text(0, 24), "T 1-2-3");
    EXPECT_EQ(grid.text(0, 26), "S 1/2-3-4");
    EXPECT_EQ(grid.text(0, 28), "S 1-2-3-4");
    const std::vector<std::pair<int, int>> widths = {
        {1, 450}, {4, 450},   {5, 10},    {6, 400}, {9, 400}, {10, 10},   {11, 800}, {13, 800},
        {14, 10}, {15, 1000}, {19, 1000}, {20, 10}, {21, 5},  {22, 1000}, {25, 10},  {28, 1000}};
    for (const auto& [column, width] : widths)
        EXPECT_EQ(grid.columnWidth(column), width) << column;
    EXPECT_EQ(grid.rowHeight(0), 300);
    EXPECT_EQ(grid.rowHeight(30), 300);
    EXPECT_NE(grid.rowHeight(31), 300);
    EXPECT_EQ(grid.cell(1, 5)->alignment, CellAlignment::Right);
    EXPECT_EQ(grid.cell(40, 28)->alignment, CellAlignment::Right);
    EXPECT_EQ(grid.cell(0, 5)->alignment, CellAlignment::Default);
}
