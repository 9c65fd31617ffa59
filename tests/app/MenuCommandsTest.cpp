#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::TestWindow;

namespace {

// A card of three races with 8, 9 and 6 entries, race 2 on screen.
void showRaceTwo(Form1& form) {
    form.Card.RaceCount = 3;
    form.Card.EntryCount = 23;
    form.Card.RaceFirstEntry.set(1, 1);
    form.Card.RaceFirstEntry.set(2, 9);
    form.Card.RaceFirstEntry.set(3, 18);
    form.Label8.caption = "2";
}

} // namespace

TEST(MainScreen, ShowsTheScratchButtonsOfTheShownRace) {
    TestWindow window;
    Form1& form = window.form;
    showRaceTwo(form);
    form.Command3.find(3)->caption = "3";
    form.Command3.find(12)->visible = true;
    form.setText39Visible(6, false);
    MainScreen_Click(form);
    EXPECT_EQ(form.CurrentRace, 2);
    for (int k = 1; k <= 9; ++k)
        EXPECT_TRUE(form.Command3.valueAt(k).visible) << k;
    EXPECT_FALSE(form.Command3.valueAt(10).visible);
    EXPECT_TRUE(form.Command3.valueAt(12).visible) << "buttons beyond the race stay as they were";
    EXPECT_EQ(form.Command3.valueAt(3).caption, "3");
    EXPECT_TRUE(form.Text39(6).visible);
}

TEST(MainScreen, CountsTheLastRaceToTheLastEntry) {
    TestWindow window;
    Form1& form = window.form;
    showRaceTwo(form);
    form.Label8.caption = "3";
    MainScreen_Click(form);
    EXPECT_TRUE(form.Command3.valueAt(6).visible);
    EXPECT_FALSE(form.Command3.valueAt(7).visible);
}

TEST(MainScreen, ReturnsFromAReportToTheRaceCard) {
    TestWindow window;
    Form1& form = window.form;
    showRaceTwo(form);
    form.Window.caption = "Betting Profile";
    form.Window.width = 16250;
    form.Frame5.visible = true;
    form.Frame6.visible = false;
    form.Frame4.visible = false;
    form.MSFlexGrid2.visible = true;
    form.MSFlexGrid3.visible = true;
    form.menus.Print1.visible = true;
    form.menus.Print2.visible = true;
    for (MenuItemOf item : {&Menus::SelectionAndResults, &Menus::EBET, &Menus::PTR, &Menus::Results,
                            &Menus::TRC, &Menus::NewRC, &Menus::File, &Menus::Tools})
        (form.menus.*item).visible = false;
    MainScreen_Click(form);
    EXPECT_EQ(form.Window.caption, "Tallowmere Thoroughbred PRO");
    EXPECT_EQ(form.Window.width, 17400);
    EXPECT_FALSE(form.Frame5.visible);
    EXPECT_TRUE(form.Frame6.visible);
    EXPECT_TRUE(form.Frame4.visible);
    EXPECT_TRUE(form.Frame3.visible);
    EXPECT_FALSE(form.MSFlexGrid2.visible);
    EXPECT_FALSE(form.MSFlexGrid3.visible);
    EXPECT_FALSE(form.menus.Print1.visible);
    EXPECT_FALSE(form.menus.Print2.visible);
    for (MenuItemOf item : {&Menus::SelectionAndResults, &Menus::EBET, &Menus::PTR, &Menus::Results,
                            &Menus::TRC, &Menus::NewRC, &Menus::File, &Menus::Tools})
        EXPECT_TRUE((form.menus.*item).visible) << (form.menus.*item).name;
}

TEST(MainScreen, WithoutARaceShownKeepsTheCurrentRace) {
    TestWindow window;
    window.form.CurrentRace = 0;
    MainScreen_Click(window.form);
    EXPECT_EQ(window.form.CurrentRace, 0);
    EXPECT_FALSE(window.form.Command3.valueAt(1).visible);
}

TEST(TestMark, TogglesItsCheck) {
    TestWindow window;
    EXPECT_FALSE(window.form.menus.Test.checked);
    Test_Click(window.form);
    EXPECT_TRUE(window.form.menus.Test.checked);
    Test_Click(window.form);
    EXPECT_FALSE(window.form.menus.Test.checked);
}
