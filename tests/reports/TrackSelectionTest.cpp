#include "reports/TrackSelection.h"

#include "reports/ArchiveLines.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using namespace tallowmere::testing;

using Lines = std::vector<std::string>;

TEST(TrackSelection, TheFirstUseListsNothingAndTheNextTheArchivesTracks) {
    TestWindow window;
    Form1& form = window.form;
    std::string archive;
    for (const char* code : {"CD", "SAR", "CD", "CT", "", "SAR"})
        archive += winOnlyLine(code, "20261101", 9, "1.00") + "\r\n";
    writeFile(window.folder / "TBA.ini", archive);
    Select_Click(form);
    EXPECT_EQ(form.List1.items, (Lines{"---------------------", "EXIT"}));
    EXPECT_TRUE(form.List1.visible && form.List1.bold && form.Command3.valueAt(20).visible);
    EXPECT_FALSE(form.menus.SelectionAndResults.visible || form.menus.EBET.visible ||
                 form.menus.PTR.visible || form.menus.Results.visible);
    Select_Click(form);
    EXPECT_EQ(form.List1.items, (Lines{"CD", "SAR", "CT", "---------------------", "EXIT"}));
    EXPECT_EQ(form.List1.height, 1375);
    EXPECT_EQ(trackListHeight(10'000'000), std::numeric_limits<int>::max()) << "a huge list";
}

TEST(TrackSelection, KeepsTheFirstHundredCodes) {
    Lines archive, codes;
    for (int i = 0; i < 103; ++i) {
        const std::string code = std::to_string(i);
        archive.push_back(std::string(5 - code.size(), ' ') + code + "_20261101");
        if (i < 100)
            codes.push_back(code);
    }
    archive.insert(archive.begin() + 50, "     _20261101");
    EXPECT_EQ(distinctTrackCodes(archive), codes);
}

TEST(TrackSelection, AListThatCannotBeReadOrWrittenShowsOnlyItsEnd) {
    TestWindow window;
    std::filesystem::create_directory(window.folder / "TargetTracks.txt");
    Select_Click(window.form);
    EXPECT_EQ(window.form.List1.items, (Lines{"---------------------", "EXIT"}));
    EXPECT_TRUE(std::filesystem::is_empty(window.folder / "TargetTracks.txt"));
}
