#include "app/AnalysisCommands.h"
#include "app/CommandTable.h"
#include "app/ControlRefusals.h"
#include "app/FolderOptions.h"
#include "results/ResultsCommands.h"
#include "support/TestWindow.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

using namespace tallowmere;
using tallowmere::testing::TestWindow;
using tallowmere::testing::writeFile;

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

// Each item gives the command the batch front end gives with its word and
// arguments (whose outputs the batch cases pin down); the menus only open.
TEST(MenuClicks, EveryItemGivesTheCommandOfItsWordAndMenusOnlyOpen) {
    using M = Menus;
    const std::vector<std::tuple<MenuItemOf, std::string, CommandArgs>> expected = {
        {&M::NewRC, "new-recall", {}},
        {&M::CRC, "close", {}},
        {&M::Selections, "selections", {}},
        {&M::Pick3, "key-entries", {}},
        {&M::Program, "program", {}},
        {&M::Entries, "entries", {}},
        {&M::Exit_Program, "exit", {}},
        {&M::Export, "export", {}},
        {&M::MainScreen, "main-screen", {}},
        {&M::SelectionAndResults, "summary", {}},
        {&M::ALL, "profile", {"ALL"}},
        {&M::Select, "Select Track", {}},
        {&M::Size1_2, "profile", {"1/2"}},
        {&M::Size5_8, "profile", {"5/8"}},
        {&M::Size7_8, "profile", {"7/8"}},
        {&M::Size1M, "profile", {"1.M"}},
        {&M::Size1Q, "profile", {"1.Q"}},
        {&M::TM, "link", {"TM"}},
        {&M::DRF, "link", {"DRF"}},
        {&M::TRC, "link", {"TRC"}},
        {&M::Results, "results", {}},
        {&M::EBET, "auto-record", {}},
        {&M::PTR, "link", {"PTR"}},
        {&M::Test, "test", {}},
        {&M::Print2, "print-profile", {}},
        {&M::Print1, "print", {}},
        {&M::ArchivesEditor, "edit", {"archives"}},
        {&M::Tracks, "edit", {"tracks"}},
        {&M::Replay, "replay", {}},
        {&M::ImportChart, "import-chart", {}},
        {&M::About, "about", {}},
        {&M::Version, "version", {}},
    };
    const Menus menus;
    for (const MenuNode& node : menuTree()) {
        const auto given = commandForMenuItem(node.item);
        const auto row = std::find_if(expected.begin(), expected.end(),
                                      [&](const auto& e) { return std::get<0>(e) == node.item; });
        ASSERT_EQ(given.has_value(), row != expected.end()) << (menus.*node.item).name;
        if (!given)
            continue;
        const auto& [command, args] = *given;
        const std::string& word = std::get<1>(*row);
        EXPECT_EQ(command, word.find_first_of(" ") == std::string::npos ? commandForWord(word)
                                                                        : &commandNamed(word))
            << (menus.*node.item).name;
        EXPECT_EQ(args, std::get<2>(*row)) << (menus.*node.item).name;
    }
}

// The files the user keeps by hand open in the editor; a results chart that
// is not there yet is only named.
TEST(MenuCommands, EditorsOpenTheirFileAndResultsNamesAMissingChart) {
    TestWindow window;
    const auto callsBefore = window.platform.calls;
    Results_Click(window.form); // no card, so no chart of it
    EXPECT_EQ(window.platform.calls, callsBefore);
    window.form.ActiveCardFile = "   CT_20261205.pmd";
    const auto chart = window.root().resultsFolder() / "   CT_20261205.pmr";
    const std::vector<std::pair<void (*)(Form1&), std::string>> clicks = {
        {ArchivesEditor_Click, "edit archive " + (window.folder / "TBA.ini").string()},
        {Tracks_Click, "edit track list " + (window.folder / "TrackEditor.ini").string()},
        {Results_Click, "message No results chart for this card: \"" + chart.string() + "\" or \"" +
                            (window.root().resultsFolder() / "CT20261205tch.csv").string() + "\""},
    };
    for (const auto& [click, call] : clicks) {
        click(window.form);
        EXPECT_EQ(window.platform.calls.back(), call);
    }
    writeFile(chart, "");
    Results_Click(window.form);
    EXPECT_EQ(window.platform.calls.back(), "edit chart " + chart.string());
}

TEST(Export, TheOfferedNameSaysWhichGridItHolds) {
    const struct {
        bool profile;
        std::string cardOrSelector;
        std::string name;
    } cases[] = {
        {false, "   CT_20261205.pmd", "CT_20261205 summary.csv"},
        {false, "", "summary.csv"},
        {true, "CT", "profile CT.csv"},
        {true, "ALL", "profile All Tracks.csv"},
        {true, "1/2", "profile size 1-2.csv"},
        {true, "1.MILE", "profile size 1.MILE.csv"},
        {true, "A:B*?\"<>|\\", "profile A-B-------.csv"},
    };
    for (const auto& c : cases) {
        TestWindow window(false);
        window.form.MSFlexGrid2.visible = !c.profile;
        window.form.MSFlexGrid3.visible = c.profile;
        (c.profile ? window.form.ShownProfile.selector : window.form.ActiveCardFile) =
            c.cardOrSelector;
        EXPECT_EQ(suggestedExportName(window.form), c.name);
    }
}
