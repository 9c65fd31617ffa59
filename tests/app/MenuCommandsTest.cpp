#include "app/ControlRefusals.h"
#include "app/FolderOptions.h"
#include "app/MenuClicks.h"
#include "support/TestWindow.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::TestWindow;

TEST(FolderOptions, TheWorkingFolderIsTheDataRootUnlessNamed) {
    TestWindow window(false);
    FolderOptions options;
    options.dataRoot = "/cards/./today";
    setFolders(window.form, options, "/opt/bin");
    EXPECT_EQ(window.form.WorkFolder, "/cards/today");
    options.workFolder = "relative";
    setFolders(window.form, options, "/opt/bin");
    EXPECT_TRUE(window.form.WorkFolder.is_absolute());
    EXPECT_EQ(window.form.WorkFolder.filename(), "relative");
}

// The batch front end shows the other refusals; these it cannot reach.
TEST(ControlRefusals, AHiddenFrameOrBoxIsRefused) {
    TestWindow window;
    window.form.Command3.find(2)->visible = true;
    EXPECT_EQ(scratchRefusal(window.form, 2), std::nullopt);
    window.form.Frame6.visible = false;
    EXPECT_EQ(scratchRefusal(window.form, 2), "Command3(2) is hidden");
    window.form.setText39Visible(6, false);
    EXPECT_EQ(text39Refusal(window.form, 6), "Text39(6) is hidden");
    EXPECT_EQ(text39Refusal(window.form, 5), std::nullopt);
}

TEST(MenuClicks, EveryItemOfTheTreeRunsItsCommandAndMenusOnlyOpen) {
    TestWindow window;
    const std::vector<MenuItemOf> opening = {&Menus::File,   &Menus::Navigation, &Menus::Excel,
                                             &Menus::Tools,  &Menus::Editor,     &Menus::Help,
                                             &Menus::Export, &Menus::Replay};
    for (const MenuNode& node : menuTree())
        EXPECT_EQ(menuClickCommand(node.item) == nullptr,
                  std::find(opening.begin(), opening.end(), node.item) != opening.end())
            << (window.form.menus.*node.item).name;
}
