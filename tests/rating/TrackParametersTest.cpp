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

} // namespace

TEST(TrackFile, TheFirstLineOfACodeWinsAndCodesMatchExactlyAfterTrimming) {
    const TrackFile file(
        {" FG  Fair Grounds", "", churchill, "CD   Second Churchill", charles, "OP Oaklawn"});
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"CD", churchill}, {"CT", charles},      {"FG", " FG  Fair Grounds"}, {"OP", "OP Oaklawn"},
        {"", ""},          {"cd", std::nullopt}, {"CDX1", std::nullopt},      {"SA", std::nullopt}};
    for (const auto& [code, line] : cases)
        EXPECT_EQ(findTrackLine(file, code), line) << '"' << code << '"';
    EXPECT_EQ(findTrackLineByPrefix(file, "CT   C"), charles);
    EXPECT_FALSE(findTrackLineByPrefix(file, "X").has_value());
    EXPECT_EQ(trackLinesOfSize(file, "1.M"), std::vector<std::string>{churchill});
}

TEST(TrackFile, AnyLineEndEndsALineAndEditsAreSeenByTheNextRead) {
    TempFolder folder;
    const auto file = folder / "TrackEditor.ini";
    writeFile(file, churchill + "\n" + charles + "\r");
    const TrackFile before = TrackFile::read(file);
    writeFile(file, "CT   Edited\r\n");
    EXPECT_EQ(findTrackLine(before, "CT"), charles) << "one read serves a whole command";
    EXPECT_EQ(findTrackLine(TrackFile::read(file), "CT"), "CT   Edited");
    std::filesystem::remove(file);
    EXPECT_FALSE(findTrackLine(TrackFile::read(file), "CT").has_value())
        << "a missing file has no tracks";
}

// The sample card's golden outputs and the pace ratings read the usual columns;
// these are their edges.
TEST(TrackFile, FieldsAreCutByColumn) {
    EXPECT_EQ(trackNameOf(churchill), " Churchill Downs    ");
    EXPECT_EQ(trackNameOf("CD") + fiveColumnCodeOf(" AB  x"), "AB");
    EXPECT_EQ(sizeCategoryOf(charles), "7/8");
    EXPECT_EQ(speedsOf("CD   Short").sprint, 0);
    EXPECT_EQ(speedsOf(std::string(24, ' ') + "9 2").sprint, 92);
    EXPECT_EQ(speedsOf(churchill).route, 0) << "'M' of the size category starts no number";
    EXPECT_EQ(speedsOf(charles).route, 84) << "the route value shares column 39";
}
