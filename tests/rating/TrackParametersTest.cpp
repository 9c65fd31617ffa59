#include "rating/TrackParameters.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::TempFolder;
using tallowmere::testing::writeFile;

namespace {

// code 1-3, name 5-24, sprint 25-27, mile 32-34, size 37-39, route 39-41
const std::string churchill = "CD   Churchill Downs     95     91  1.M";
const std::string charles = "CT   Charles Town        84     83  7/84";

struct TrackFileTest : ::testing::Test {
    TempFolder folder;
    std::filesystem::path file = folder / "TrackEditor.ini";
};

} // namespace

TEST_F(TrackFileTest, TheFirstLineOfACodeWinsAndCodesMatchExactly) {
    const TrackFile file(
        {churchill, "CD   Second Churchill    80     80  1.M", charles, " CD  Third"});
    EXPECT_EQ(findTrackLine(file, "CD"), churchill);
    EXPECT_EQ(findTrackLine(file, "CT"), charles);
    EXPECT_FALSE(findTrackLine(file, "cd").has_value());
    EXPECT_FALSE(findTrackLine(file, "CDX1").has_value()) << "a code of four never matches";
    EXPECT_FALSE(findTrackLine(file, "SA").has_value());
}

TEST_F(TrackFileTest, BlanksAroundTheCodeAreTrimmedOnTheLine) {
    const TrackFile file({" FG  Fair Grounds", "", "OP Oaklawn"});
    EXPECT_EQ(findTrackLine(file, "FG"), " FG  Fair Grounds");
    EXPECT_EQ(findTrackLine(file, "OP"), "OP Oaklawn");
    EXPECT_EQ(findTrackLine(file, ""), "") << "an empty code matches the empty line";
}

TEST_F(TrackFileTest, AnyLineEndEndsALineAndEditsAreSeenByTheNextRead) {
    writeFile(file, churchill + "\n" + charles + "\r");
    const TrackFile before = TrackFile::read(file);
    EXPECT_EQ(findTrackLine(before, "CT"), charles);
    writeFile(file, "CT   Edited\r\n");
    EXPECT_EQ(findTrackLine(before, "CT"), charles) << "one read serves a whole command";
    EXPECT_EQ(findTrackLine(TrackFile::read(file), "CT"), "CT   Edited");
    std::filesystem::remove(file);
    EXPECT_FALSE(findTrackLine(TrackFile::read(file), "CT").has_value())
        << "a missing file has no tracks";
}

TEST_F(TrackFileTest, FieldsAreCutByColumn) {
    EXPECT_EQ(trackNameOf(churchill), " Churchill Downs    ");
    EXPECT_EQ(speedsOf(churchill).sprint, 95);
    EXPECT_EQ(speedsOf(churchill).mile, 91);
    EXPECT_EQ(speedsOf(churchill).route, 0) << "'M' of the size category starts no number";
    EXPECT_EQ(speedsOf(charles).route, 84) << "the route value shares column 39";
    EXPECT_EQ(sizeCategoryOf(charles), "7/8");
    EXPECT_EQ(fiveColumnCodeOf(" AB  x"), "AB");
    EXPECT_EQ(speedsOf("CD   Short").sprint, 0);
    EXPECT_EQ(trackNameOf("CD"), "");
}

TEST_F(TrackFileTest, SpeedValuesSkipBlanksInsideTheNumber) {
    const std::string prefix(24, ' ');
    EXPECT_EQ(speedsOf(prefix + " 9 ").sprint, 9);
    EXPECT_EQ(speedsOf(prefix + "9 2").sprint, 92);
    EXPECT_EQ(speedsOf(prefix + "abc").sprint, 0);
    EXPECT_EQ(speedsOf(prefix + "   ").sprint, 0);
}

TEST_F(TrackFileTest, SizeScanAndPrefixLookup) {
    const TrackFile file({churchill, charles, "SA   Santa Anita         97     94  1.M"});
    const auto mileTracks = trackLinesOfSize(file, "1.M");
    ASSERT_EQ(mileTracks.size(), 2u);
    EXPECT_EQ(fiveColumnCodeOf(mileTracks[1]), "SA");
    EXPECT_EQ(findTrackLineByPrefix(file, "C"), churchill);
    EXPECT_EQ(findTrackLineByPrefix(file, "CT   C"), charles);
    EXPECT_FALSE(findTrackLineByPrefix(file, "X").has_value());
}
