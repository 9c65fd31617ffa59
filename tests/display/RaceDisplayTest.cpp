#include "display/RaceDisplay.h"

#include "card/RecordFile.h"
#include "rating/HandicappingRun.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;

namespace {

// A handicapped card of three races with four entries of three past races each.
struct RaceDisplayTest : ::testing::Test {
    TestWindow window;
    Form1& form = window.form;

    explicit RaceDisplayTest(cardgen::CardShape shape = {3, 4, 3}) {
        cardgen::CardRequest request;
        request.seed = 21;
        request.shape = shape;
        request.track = "SAR";
        window.writeCard(request);
        Command1_Click(form);
    }
};

struct BigFieldTest : RaceDisplayTest {
    BigFieldTest() : RaceDisplayTest({2, 22, 1}) {}
};

} // namespace

TEST_F(RaceDisplayTest, ShowsTheRacesHeaderButtonsAndToteBoard) {
    form.Records.CardPayoffs.set(2, 1, "8.40");
    form.Records.CardPayoffs.set(2, 10, "Scr 3");
    form.Records.CardPicks.set(2, 6, "4");
    Command2_Click(form, 2);
    const CardStore& card = form.Card;
    EXPECT_EQ(form.Label8.caption, "2");
    EXPECT_EQ(form.CurrentRace, 2);
    EXPECT_EQ(form.Command2.valueAt(1).backColor, lightGrey);
    EXPECT_EQ(form.Command2.valueAt(2).backColor, red);
    EXPECT_EQ(form.Label2.caption, "$ " + card.RacePurse.valueAt(2));
    EXPECT_EQ(form.Label3.valueAt(1).caption,
              card.RaceConditions.valueAt(2, 3) + " " + card.RaceConditions.valueAt(2, 4));
    EXPECT_EQ(form.Label10.caption, "2:00 PM");
    EXPECT_EQ(form.Label13.caption,
              card.RaceDistance.valueAt(2) + "f " + card.RaceSurface.valueAt(2));
    EXPECT_EQ(form.Label15.caption, std::to_string(card.RaceClass.valueAt(2)));
    EXPECT_EQ(form.Text39(1).text, form.Records.CardPicks.valueAt(2, 1));
    EXPECT_EQ(form.Text39(6).text, "4");
    EXPECT_EQ(form.Label4.valueAt(2).caption, "4");
    EXPECT_EQ(form.Text57.valueAt(0).text, "Race: 2");
    EXPECT_EQ(form.Text57.valueAt(1).text, "8.40");
    EXPECT_EQ(form.Label17.caption, "Scr 3");
    for (int k = 1; k <= 4; ++k) {
        EXPECT_TRUE(form.Command3.valueAt(k).visible);
        EXPECT_EQ(form.Command3.valueAt(k).caption, card.EntryProgram.valueAt(4 + k));
    }
    EXPECT_FALSE(form.Command3.valueAt(5).visible);
}

TEST_F(RaceDisplayTest, LaysOutEightRowsAnEntryAndTenMore) {
    Command2_Click(form, 2);
    const Grid& grid = form.MSFlexGrid1;
    const CardStore& card = form.Card;
    ASSERT_EQ(grid.rows(), 8 * 4 + 10);
    EXPECT_EQ(grid.text(0, 23), "PR");
    EXPECT_EQ(grid.text(1, 0), "RACE: 2         " + card.RaceDistance.valueAt(2) + "f");
    EXPECT_EQ(grid.cell(1, 0)->fontSize, 11);
    for (int k = 1; k <= 4; ++k) {
        const int e = 4 + k;
        const int title = 3 + 7 * (k - 1);
        EXPECT_EQ(grid.text(title, 0),
                  card.EntryName.valueAt(e) + "   " + card.EntryMorningLine.valueAt(e));
        EXPECT_EQ(grid.text(title + 1, 0).rfind("PN: " + card.EntryProgram.valueAt(e), 0), 0u);
        EXPECT_EQ(grid.text(title, 1), card.PastDate.valueAt(e, 1));
        EXPECT_EQ(grid.text(title + 2, 23), card.PaceRatings.valueAt(e, 3)) << "as stored";
        EXPECT_EQ(grid.text(title + 3, 1), "") << "a fourth past race it does not have";
        EXPECT_EQ(grid.text(title + 3, 23), "") << "its whole row stays blank";
        EXPECT_EQ(grid.text(title + 5, 0), "Workout: ");
        EXPECT_EQ(grid.text(title + 5, 1), card.EntryLastWork.valueAt(e));
        EXPECT_EQ(grid.text(title + 5, 23), card.PaceRatings.valueAt(e, 6));
        EXPECT_EQ(card.ProgramEntry.valueAt(2, k), e);
    }
    EXPECT_EQ(grid.text(31, 0), "");
}

TEST_F(RaceDisplayTest, ARaceLeftBehindKeepsItsTypedBoxesAndCloseSavesThem) {
    form.setText39(5, "3");
    form.setText39(6, "1");
    form.Text57.find(1)->text = "8.40";
    form.Records.CardPayoffs.set(1, 10, "Scr 2");
    Command6_Click(form);
    EXPECT_EQ(form.Label8.caption, "2");
    EXPECT_EQ(form.Text39(5).text, "");
    EXPECT_EQ(form.Label4.valueAt(1).caption, "");
    Command2_Click(form, 1);
    EXPECT_EQ(form.Text39(5).text, "3");
    EXPECT_EQ(form.Text57.valueAt(1).text, "8.40");
    EXPECT_EQ(form.Label17.caption, "Scr 2");
    form.setText39(7, "2");
    CRC_Click(form);
    const std::string saved = readFile(window.root().raceCardsFolder() / ("  SAR_20261205.pmd"));
    EXPECT_EQ(saved, recordFileText(form.Records, 3));
    EXPECT_EQ(form.Records.CardPicks.at(1, 7), "2") << "Close stores the shown race's boxes too";
}

TEST_F(RaceDisplayTest, PreviousAndNextStopAtTheEndsButStoreTheBoxes) {
    form.setText39(8, "4");
    Command5_Click(form);
    EXPECT_EQ(form.Label8.caption, "1");
    EXPECT_EQ(form.Records.CardPicks.at(1, 8), "4");
    EXPECT_EQ(form.Text39(8).text, "4");
    Command2_Click(form, 3);
    form.Text57.find(9)->text = "1204.50";
    Command6_Click(form);
    EXPECT_EQ(form.Label8.caption, "3");
    EXPECT_EQ(form.Records.CardPayoffs.at(3, 9), "1204.50");
    Command5_Click(form);
    EXPECT_EQ(form.Label8.caption, "2");
}

TEST(RaceDisplayEdges, NextStopsAtRaceTwentyOnALongerCard) {
    TestWindow window;
    Form1& form = window.form;
    form.Card.RaceCount = 22;
    form.Records.CardPicks.set(21, 1, "kept");
    form.Label8.caption = "20";
    Command6_Click(form);
    EXPECT_EQ(form.Label8.caption, "20");
    Command6_Click(form);
    EXPECT_EQ(form.Records.CardPicks.at(21, 1), "kept");
}

TEST_F(BigFieldTest, ShowsScratchButtonsForTheFirstTwentyEntriesOnly) {
    Command2_Click(form, 1);
    EXPECT_EQ(form.MSFlexGrid1.rows(), 8 * 22 + 10);
    EXPECT_TRUE(form.Command3.valueAt(20).visible);
    EXPECT_EQ(form.MSFlexGrid1.text(3 + 7 * 21, 0).rfind(form.Card.EntryName.valueAt(22), 0), 0u);
    Command2_Click(form, 2);
    EXPECT_EQ(form.MSFlexGrid1.rows(), 8 * 22 + 10) << "the last race runs to EntryCount";
    EXPECT_EQ(form.Command3.valueAt(1).caption, form.Card.EntryProgram.valueAt(23));
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

TEST(RaceDisplayEdges, WithoutACardTheButtonsDoNothing) {
    TestWindow window;
    Command5_Click(window.form);
    Command6_Click(window.form);
    Command2_Click(window.form, 3);
    EXPECT_EQ(window.form.Label8.caption, "RN");
    EXPECT_EQ(window.form.MSFlexGrid1.rows(), 2);
    EXPECT_EQ(window.form.Records.CardPicks.at(0, 1), "");
}
