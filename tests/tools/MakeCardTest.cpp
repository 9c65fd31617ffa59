#include "SampleTracks.h"
#include "SyntheticCard.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;

// The sample card and its track file are what make-card writes for the default
// request, and a seed gives the same tables every time.
TEST(MakeCard, TheSampleIsWhatMakeCardWritesForItsSeed) {
    const std::filesystem::path samples(TALLOWMERE_SAMPLES);
    TempFolder folder, other;
    cardgen::CardRequest request;
    ASSERT_TRUE(cardgen::writeCardTables(cardgen::makeCard(request), folder.path()));
    for (const char* name : {"RACEDR.DBF", "THR2DR.DBF", "THRRDR.DBF", "THRJDR.DBF", "THRTDR.DBF"})
        EXPECT_EQ(readFile(folder / name), readFile(samples / "card" / name)) << name;
    EXPECT_EQ(readFile(samples / "TrackEditor.ini"),
              cardgen::trackEditorIni(cardgen::sampleTracks()));
    request.seed = 43;
    ASSERT_TRUE(cardgen::writeCardTables(cardgen::makeCard(request), other.path()));
    EXPECT_NE(readFile(folder / "THRRDR.DBF"), readFile(other / "THRRDR.DBF"));
}
