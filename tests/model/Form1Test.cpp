#include "model/Form1.h"

#include "model/RaceBoxes.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::RecordingPlatform;

TEST(NewWindow, HoldsTheDesignTimeStateOfItsControls) {
    RecordingPlatform platform;
    const Form1 form(platform);
    EXPECT_EQ(form.Window.caption, "Tallowmere Thoroughbred PRO");
    EXPECT_EQ(form.Command1.caption, "Start");
    EXPECT_TRUE(form.Command1.enabled);
    for (int i = 1; i <= 20; ++i) {
        EXPECT_FALSE(form.Command2.valueAt(i).visible);
        EXPECT_EQ(form.Command2.valueAt(i).caption, std::to_string(i));
        EXPECT_FALSE(form.Command3.valueAt(i).visible);
    }
    EXPECT_EQ(form.Label8.caption, "RN");
    EXPECT_EQ(form.Label4.valueAt(0).caption, "Track Name");
    EXPECT_EQ(form.Label4.valueAt(1).caption, "");
    EXPECT_EQ(form.Label17.caption, "Scr");
    EXPECT_EQ(form.MSFlexGrid1.rows(), 2);
    EXPECT_EQ(form.MSFlexGrid1.columns(), 24);
    EXPECT_EQ(form.MSFlexGrid2.rows(), 41);
    EXPECT_EQ(form.MSFlexGrid2.columns(), 29);
    EXPECT_FALSE(form.MSFlexGrid2.visible);
    EXPECT_EQ(form.MSFlexGrid3.rows(), 1401);
    EXPECT_EQ(form.MSFlexGrid3.columns(), 21);
    EXPECT_FALSE(form.MSFlexGrid3.visible);
    EXPECT_FALSE(form.List1.visible);
    EXPECT_FALSE(form.Frame5.visible);
    EXPECT_TRUE(form.Command4.enabled);
    EXPECT_TRUE(form.menus.MainScreen.visible) << "start-up hides it, not the design";
}

TEST(ToteBoardMirror, EveryChangeOfASelectionBoxCopiesTheFirstThreeFinishers) {
    RecordingPlatform platform;
    Form1 form(platform);
    form.setText39(5, "4");
    form.setText39(6, "1A");
    form.setText39(7, "7");
    form.setText39(8, "2");
    EXPECT_EQ(form.Label4.valueAt(1).caption, "4");
    EXPECT_EQ(form.Label4.valueAt(2).caption, "1A");
    EXPECT_EQ(form.Label4.valueAt(3).caption, "7");

    form.Label4.find(2)->caption = "stale";
    form.setText39(1, "9"); // a selection box mirrors the finishers too
    EXPECT_EQ(form.Label4.valueAt(2).caption, "1A");
    form.setText39(5, "");
    EXPECT_EQ(form.Label4.valueAt(1).caption, "");
    EXPECT_EQ(form.Label4.valueAt(0).caption, "Track Name");

    form.setText39(9, "x");
    EXPECT_EQ(form.Text39(9).text, "");
}

TEST(RaceBoxes, GetTextBoxDataStoresTheShownRace) {
    RecordingPlatform platform;
    Form1 form(platform);
    form.CurrentRace = 3;
    for (int i = 1; i <= 8; ++i)
        form.setText39(i, "p" + std::to_string(i));
    for (int i = 0; i <= 9; ++i)
        form.Text57.find(i)->text = "t" + std::to_string(i);
    form.Label17.caption = "Scr";
    form.Records.CardPayoffs.set(3, 10, "Scr 4");
    GetTextBoxData(form);
    EXPECT_EQ(form.Records.CardPicks.at(3, 1), "p1");
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

TEST(RaceBoxes, ClearFrame4RestoresTheRestingCaptions) {
    RecordingPlatform platform;
    Form1 form(platform);
    form.Label1.caption = "CD";
    form.Label8.caption = "3";
    form.Label3.find(1)->caption = "x";
    form.Label4.find(0)->caption = " Churchill Downs";
    form.Label4.find(1)->caption = "4";
    Clear_Frame4(form);
    EXPECT_EQ(form.Label1.caption, "Track");
    EXPECT_EQ(form.Label8.caption, "RN");
    EXPECT_EQ(form.Label3.valueAt(1).caption, "Conditions");
    EXPECT_EQ(form.Label4.valueAt(0).caption, "Track Name");
    EXPECT_EQ(form.Label4.valueAt(1).caption, "4") << "the tote board is not part of the header";
}

TEST(Grids, KeepCellsWhenRowsChangeAndSizesWhenCleared) {
    Grid grid(2, 3);
    grid.setText(1, 2, "x");
    grid.cell(1, 2)->bold = true;
    grid.setColumnWidth(2, 450);
    grid.setRows(10);
    EXPECT_EQ(grid.text(1, 2), "x");
    EXPECT_EQ(grid.text(9, 2), "");
    EXPECT_FALSE(grid.setText(10, 0, "beyond"));
    grid.setRows(-1);
    EXPECT_EQ(grid.rows(), 10);
    grid.setColumns(4);
    EXPECT_EQ(grid.text(1, 2), "x");
    EXPECT_EQ(grid.columnWidth(2), 450);
    grid.clear();
    EXPECT_EQ(grid.text(1, 2), "");
    EXPECT_FALSE(grid.cell(1, 2)->bold);
    EXPECT_EQ(grid.rows(), 10);
    EXPECT_EQ(grid.columnWidth(2), 450);
}

TEST(Menus, AClickNeedsTheItemAndEveryMenuAboveItShownAndEnabled) {
    Menus menus;
    EXPECT_TRUE(canClick(menus, &Menus::ArchivesEditor));
    menus.Editor.enabled = false;
    EXPECT_FALSE(canClick(menus, &Menus::ArchivesEditor));
    EXPECT_TRUE(canClick(menus, &Menus::Test));
    menus.Tools.visible = false;
    EXPECT_FALSE(canClick(menus, &Menus::Test));
    menus.Exit_Program.enabled = false;
    EXPECT_FALSE(canClick(menus, &Menus::Exit_Program));
    EXPECT_EQ(menuTree().size(), 32u);
}

TEST(RaceEntries, CountUpToTheNextRaceOrToTheLastEntry) {
    CardStore store;
    store.RaceCount = 3;
    store.EntryCount = 20;
    store.RaceFirstEntry.set(1, 1);
    store.RaceFirstEntry.set(2, 9);
    store.RaceFirstEntry.set(3, 14);
    EXPECT_EQ(entriesOfRace(store, 1), 8);
    EXPECT_EQ(entriesOfRace(store, 2), 5);
    EXPECT_EQ(entriesOfRace(store, 3), 7);
    EXPECT_FALSE(entriesOfRace(store, 26).has_value());
    store.RaceCount = 1;
    EXPECT_EQ(entriesOfRace(store, 1), 20) << "a single race runs to EntryCount";
}
