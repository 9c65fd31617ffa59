#include "reports/TrackSelection.h"

#include "reports/ArchiveLines.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using namespace tallowmere::testing;

namespace {

using Lines = std::vector<std::string>;

const std::filesystem::path fixtures = std::filesystem::path(TALLOWMERE_FIXTURES) / "reports";

std::string archiveOf(const Lines& codes) {
    std::string archive;
    for (const auto& code : codes)
        archive += winOnlyLine(code, "20261101", 9, "1.00") + "\r\n";
    return archive;
}

} // namespace

TEST(TrackSelection, TheFirstUseListsNothingAndWritesTheArchivesTracks) {
    TestWindow window;
    Form1& form = window.form;
    writeFile(window.folder / "TBA.ini", archiveOf({"CD", "SAR", "CD", "CT", "", "SAR"}));
    Select_Click(form);
    EXPECT_EQ(form.List1.items, (Lines{"---------------------", "EXIT"}));
    EXPECT_TRUE(form.List1.visible && form.List1.bold);
    EXPECT_EQ(readFile(window.folder / "TargetTracks.txt"),
              readFile(fixtures / "target-tracks-cd-sar-ct.txt"));
    for (int k = 1; k <= 20; ++k)
        EXPECT_TRUE(form.Command3.valueAt(k).visible) << k;
    EXPECT_FALSE(form.menus.SelectionAndResults.visible || form.menus.EBET.visible ||
                 form.menus.PTR.visible || form.menus.Results.visible);

    Select_Click(form);
    EXPECT_EQ(form.List1.items, (Lines{"CD", "SAR", "CT", "---------------------", "EXIT"}));
    EXPECT_EQ(form.List1.height, 1375);
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
