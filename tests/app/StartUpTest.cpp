#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;
using tallowmere::testing::writeFile;

TEST(StartUp, ShowsTheTrackMasterFilesAgainAndKeepsOtherHiddenNames) {
    TestWindow window(false);
    const auto tables = window.root().trackMasterFolder();
    std::filesystem::create_directories(tables);
    writeFile(tables / ".hidden", "RACEDR.DBF\nnotes.txt\nTHR2DR.DBF\n");
    Form_Load(window.form);
    EXPECT_EQ(readFile(tables / ".hidden"), "notes.txt\n");
    for (const char* name :
         {"Race Cards", "Selections", "Selections2", "Programs", "Entries", "Results"})
        EXPECT_TRUE(std::filesystem::is_directory(window.folder / name)) << name;
}
