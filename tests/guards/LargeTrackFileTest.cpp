// Start on the sample card with a track file grown huge: the ratings and the
// key selections stay those of the plain file, and CTest's timeout guards the
// time (the file is read once per command, its lookups are not rescans).
#include "rating/HandicappingRun.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;
using tallowmere::testing::writeFile;

namespace {

const std::filesystem::path samples = TALLOWMERE_SAMPLES;

// Start on the sample card with this track file; the key selections written.
std::string keySelectionsWith(const std::string& trackFile) {
    TestWindow window;
    for (const auto& table : std::filesystem::directory_iterator(samples / "card"))
        std::filesystem::copy_file(table.path(),
                                   window.root().trackMasterFolder() / table.path().filename());
    writeFile(window.folder / "TrackEditor.ini", trackFile);
    Command1_Click(window.form);
    return readFile(window.root().keySelectionsFolder() / window.form.KeySelectionsFile);
}

} // namespace

TEST(LargeTrackFiles, GiveTheSameSelectionsAsThePlainFile) {
    const std::string plain = readFile(samples / "TrackEditor.ini");
    const std::string expected = keySelectionsWith(plain);
    ASSERT_NE(expected.find("RACE  9"), std::string::npos);

    std::string manyLines;
    for (int i = 0; i < 100'000; ++i)
        manyLines += "#" + std::to_string(i) + "  Unlisted track      90     90  1.M\r\n";
    EXPECT_EQ(keySelectionsWith(manyLines + plain), expected) << "100,000 lines";
    EXPECT_EQ(keySelectionsWith(std::string(10'000'000, 'x') + "\r\n" + plain), expected)
        << "a line of 10 MB";
}
