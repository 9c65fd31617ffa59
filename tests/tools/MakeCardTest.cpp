#include "SampleTracks.h"
#include "SyntheticCard.h"
#include "card/CardLoad.h"
#include "support/TempFolder.h"
#include "text/Numbers.h"
#include "text/Texts.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;

namespace {

const char* const tableFiles[] = {"RACEDR.DBF", "THR2DR.DBF", "THRRDR.DBF", "THRJDR.DBF",
                                  "THRTDR.DBF"};

CardStore loadWritten(const cardgen::CardRequest& request, const std::filesystem::path& folder) {
    EXPECT_TRUE(cardgen::writeCardTables(cardgen::makeCard(request), folder));
    CardTables tables = openCardTables(folder);
    return loadCardStore(tables);
}

} // namespace

// The sample card and its track file are what make-card writes for the default
// request, and a seed gives the same tables every time.
TEST(MakeCard, TheSampleIsWhatMakeCardWritesForItsSeed) {
    const std::filesystem::path samples(TALLOWMERE_SAMPLES);
    TempFolder folder, other;
    cardgen::CardRequest request;
    ASSERT_TRUE(cardgen::writeCardTables(cardgen::makeCard(request), folder.path()));
    for (const char* name : tableFiles)
        EXPECT_EQ(readFile(folder / name), readFile(samples / "card" / name)) << name;
    EXPECT_EQ(readFile(samples / "TrackEditor.ini"),
              cardgen::trackEditorIni(cardgen::sampleTracks()));
    request.seed = 43;
    ASSERT_TRUE(cardgen::writeCardTables(cardgen::makeCard(request), other.path()));
    EXPECT_NE(readFile(folder / "THRRDR.DBF"), readFile(other / "THRRDR.DBF"));
}

// The benchmarks and the rating tests rely on a card of the asked shape whose
// past races all have a time and whose workouts have their distance first and
// their time last.
TEST(MakeCard, WritesACardOfTheAskedShapeThatRatesWhole) {
    TempFolder folder;
    cardgen::CardRequest request;
    request.seed = 7;
    request.shape = {4, 10, 4};
    request.track = "SAR";
    const CardStore store = loadWritten(request, folder.path());
    EXPECT_EQ(store.RaceCount, 4);
    EXPECT_EQ(store.EntryCount, 40);
    EXPECT_EQ(store.RaceFirstEntry.at(3), 21);
    EXPECT_EQ(store.RaceTrack.at(2), "SAR");
    for (int e = 1; e <= 40; ++e) {
        EXPECT_NE(store.EntryJockey.valueAt(e).find(", "), std::string::npos);
        for (int k = 1; k <= 4; ++k)
            EXPECT_TRUE(text::strictNumber(store.PastTime.valueAt(e, k)).has_value());
        EXPECT_EQ(store.PastTime.valueAt(e, 5), "");
        const std::string work = store.EntryLastWork.valueAt(e);
        const double furlongs = text::numberOf(text::firstChars(work, 2));
        std::string time = text::lastChars(work, furlongs <= 4 ? 6 : 7);
        if (time.front() == ':')
            time = text::lastChars(work, 6);
        EXPECT_TRUE(furlongs >= 3 && furlongs <= 6) << work;
        EXPECT_GT(text::strictNumber(time).value_or(0), furlongs <= 4 ? 30 : 55) << work;
    }
}
