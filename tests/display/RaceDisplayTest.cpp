#include "display/RaceDisplay.h"

#include "rating/HandicappingRun.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::TestWindow;

namespace {

// A handicapped card of two races of 22 entries, one past race each.
struct BigFieldTest : ::testing::Test {
    TestWindow window;
    Form1& form = window.form;

    BigFieldTest() {
        window.writeCard({.seed = 21, .shape = {2, 22, 1}, .track = "SAR"});
        Command1_Click(form);
    }
};

} // namespace

// "<" and ">" stop at the first and last race but store the boxes.
TEST_F(BigFieldTest, ShowsEightRowsAnEntryAndScratchButtonsForTheFirstTwentyOnly) {
    form.setText39(8, "4");
    Command5_Click(form);
    EXPECT_EQ(form.Label8.caption, "1");
    EXPECT_EQ(form.Records.CardPicks.at(1, 8), "4");
    Command2_Click(form, 1);
    const Grid& grid = form.MSFlexGrid1;
    EXPECT_EQ(grid.rows(), 8 * 22 + 10);
    EXPECT_EQ(grid.cell(1, 0)->fontSize, 11);
    EXPECT_TRUE(form.Command3.valueAt(20).visible);
    EXPECT_EQ(grid.text(3 + 7 * 21, 0).rfind(form.Card.EntryName.valueAt(22), 0), 0u);
    EXPECT_EQ(grid.text(3 + 7 * 21 + 5, 23), form.Card.PaceRatings.valueAt(22, 6));
    EXPECT_EQ(grid.text(4, 1), "") << "a second past race it does not have";
    Command2_Click(form, 2);
    EXPECT_EQ(form.Command2.valueAt(1).backColor, lightGrey);
    EXPECT_EQ(form.Command2.valueAt(2).backColor, red);
    EXPECT_EQ(grid.rows(), 8 * 22 + 10) << "the last race runs to EntryCount";
    EXPECT_EQ(form.Command3.valueAt(1).caption, form.Card.EntryProgram.valueAt(23));
    EXPECT_EQ(form.Card.ProgramEntry.valueAt(2, 1), 23);
    form.Text57.find(9)->text = "1204.50";
    Command6_Click(form);
    EXPECT_EQ(form.Label8.caption, "2");
    EXPECT_EQ(form.Records.CardPayoffs.at(2, 9), "1204.50");
}

TEST(RaceDisplayEdges, NextStopsAtRaceTwentyOnALongerCard) {
    TestWindow window;
    Form1& form = window.form;
    form.Card.RaceCount = 22;
    form.Records.CardPicks.set(21, 1, "kept");
    form.setShownRace(20);
    Command6_Click(form);
    EXPECT_EQ(form.Label8.caption, "20");
    EXPECT_EQ(form.Records.CardPicks.at(21, 1), "kept");
}

TEST(RaceDisplayEdges, TheUnitOfEveryRaceIsDecidedByRaceOne) {
    CardStore store;
    store.RaceDistance.set(1, "1.06");
    store.RaceDistance.set(2, "6.00");
    EXPECT_EQ(raceHeader(store, 2), "RACE: 2         6.00Mi");
    store.RaceDistance.set(1, "6.00");
    store.RaceDistance.set(2, "1.06");
    EXPECT_EQ(raceHeader(store, 2), "RACE: 2         1.06f");
}
