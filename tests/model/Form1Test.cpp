#include "model/Form1.h"

#include "model/RaceBoxes.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::RecordingPlatform;

TEST(RaceBoxes, GetTextBoxDataStoresTheShownRace) {
    RecordingPlatform platform;
    Form1 form(platform);
    form.CurrentRace = 3;
    for (int i = 1; i <= 8; ++i)
        form.setText39(i, "p" + std::to_string(i));
    for (int i = 0; i <= 9; ++i)
        form.Text57.find(i)->text = "t" + std::to_string(i);
    form.Records.CardPayoffs.set(3, 10, "Scr 4");
    GetTextBoxData(form);
    EXPECT_EQ(form.Records.CardPicks.at(3, 8), "p8");
    EXPECT_EQ(form.Records.CardPayoffs.at(3, 1), "t1");
    EXPECT_EQ(form.Records.CardPayoffs.at(3, 9), "t9");
    EXPECT_EQ(form.Records.CardPayoffs.at(3, 0), "") << "the race label box is not stored";
    EXPECT_EQ(form.Records.CardPayoffs.at(3, 10), "Scr 4") << "no box writes the label's text";
    EXPECT_EQ(form.Label17.caption, "Scr 4") << "the label is refreshed from it";
    form.CurrentRace = 21; // beyond the payoffs, within the picks
    GetTextBoxData(form);
    EXPECT_EQ(form.Records.CardPicks.at(21, 1), "p1");
}

// The race header's state is kept in fields; each setter writes its label.
TEST(RaceHeader, LabelsShowTheFieldsAndRestWithNoCard) {
    RecordingPlatform platform;
    Form1 form(platform);
    EXPECT_EQ(form.shownRace(), std::nullopt);
    EXPECT_EQ(form.Label8.caption, "RN");
    EXPECT_EQ(form.cardTrack(), "Track");
    EXPECT_EQ(form.cardDate(), "Date");
    EXPECT_EQ(form.trackName(), "Track Name");
    form.setShownRace(7);
    form.setCardTrack("  SAR");
    form.setCardDate("20261205");
    form.setTrackName("Saratoga");
    EXPECT_EQ(form.Label8.caption, "7");
    EXPECT_EQ(form.Label1.caption, "  SAR");
    EXPECT_EQ(form.Label5.caption, "20261205");
    EXPECT_EQ(form.Label4.valueAt(0).caption, "Saratoga");
    Clear_Frame4(form);
    EXPECT_EQ(form.shownRace(), std::nullopt);
    EXPECT_EQ(form.Label8.caption, "RN");
    EXPECT_EQ(form.Label1.caption, form.cardTrack());
    EXPECT_EQ(form.Label5.caption, form.cardDate());
    EXPECT_EQ(form.Label4.valueAt(0).caption, form.trackName());
    EXPECT_EQ(form.trackName(), "Track Name");
}

TEST(Grids, KeepCellsWhenRowsChangeAndSizesWhenCleared) {
    Grid grid(2, 3);
    grid.setText(1, 2, "x");
    grid.cell(1, 2)->bold = true;
    grid.setColumnWidth(2, 450);
    grid.setRows(10);
    grid.setColumns(4);
    EXPECT_EQ(grid.text(1, 2), "x");
    EXPECT_FALSE(grid.setText(10, 0, "beyond"));
    grid.setRows(-1);
    grid.clear();
    EXPECT_EQ(grid.text(1, 2), "");
    EXPECT_FALSE(grid.cell(1, 2)->bold);
    EXPECT_EQ(grid.rows(), 10);
    EXPECT_EQ(grid.columnWidth(2), 450);
}
