#include "app/ControlRefusals.h"
#include "app/FolderOptions.h"
#include "app/MenuClicks.h"
#include "support/TestWindow.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::TestWindow;

TEST(FolderOptions, TakesBothFoldersAndRefusesAnythingElse) {
    FolderOptions options;
    EXPECT_EQ(parseFolderOptions({"--data-root", "/cards", "--work-dir", "work"}, options),
              std::nullopt);
    EXPECT_EQ(options.dataRoot, "/cards");
    EXPECT_EQ(options.workFolder, std::filesystem::path("work"));
    FolderOptions other;
    EXPECT_EQ(parseFolderOptions({"--work-dir"}, other), "--work-dir");
    EXPECT_EQ(parseFolderOptions({"--data-root", ""}, other), "--data-root");
    EXPECT_EQ(parseFolderOptions({"--no"}, other), "--no");
}

TEST(FolderOptions, TheWorkingFolderIsTheDataRootUnlessNamed) {
    TestWindow window(false);
    FolderOptions options;
    options.dataRoot = "/cards/./today";
    setFolders(window.form, options, "/opt/bin");
    EXPECT_EQ(window.form.DataRoot, "/cards/today");
    EXPECT_EQ(window.form.WorkFolder, "/cards/today");
    options.workFolder = "relative";
    setFolders(window.form, options, "/opt/bin");
    EXPECT_TRUE(window.form.WorkFolder.is_absolute());
    EXPECT_EQ(window.form.WorkFolder.filename(), "relative");
    EXPECT_EQ(window.form.ProgramFolder, "/opt/bin");
}

TEST(ControlRefusals, AButtonOutOfReachIsRefusedWithItsReason) {
    TestWindow window;
    Form1& form = window.form;
    EXPECT_EQ(startRefusal(form), std::nullopt);
    form.Command1.enabled = false;
    EXPECT_EQ(startRefusal(form), "Command1 is disabled");
    EXPECT_EQ(raceButtonRefusal(form, 3), "Command2(3) is hidden");
    form.Command3.find(2)->visible = true;
    EXPECT_EQ(scratchRefusal(form, 2), std::nullopt);
    form.Frame6.visible = false;
    EXPECT_EQ(scratchRefusal(form, 2), "Command3(2) is hidden");
    EXPECT_EQ(recordRefusal(form), "Command4 is hidden");
    form.setText39Visible(6, false);
    EXPECT_EQ(text39Refusal(form, 6), "Text39(6) is hidden");
    EXPECT_EQ(text39Refusal(form, 5), std::nullopt);
}

TEST(MenuClicks, EveryItemOfTheTreeRunsItsCommandAndMenusOnlyOpen) {
    TestWindow window;
    const std::vector<MenuItemOf> menus = {&Menus::File,  &Menus::Navigation, &Menus::Excel,
                                           &Menus::Tools, &Menus::Editor,     &Menus::Help};
    const std::vector<MenuItemOf> dialogs = {&Menus::Export, &Menus::Replay};
    for (const MenuNode& node : menuTree()) {
        const bool opensAMenu =
            std::find(menus.begin(), menus.end(), node.item) != menus.end() ||
            std::find(dialogs.begin(), dialogs.end(), node.item) != dialogs.end();
        EXPECT_EQ(menuClickCommand(node.item) == nullptr, opensAMenu)
            << (window.form.menus.*node.item).name;
    }
}
