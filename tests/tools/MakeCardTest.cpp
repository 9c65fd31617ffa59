#include "SampleTracks.h"
#include "SyntheticCard.h"
#include "card/CardLoad.h"
#include "support/TempFolder.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <gtest/gtest.h>
#include <set>

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

TEST(MakeCard, TheSameSeedGivesTheSameTables) {
    TempFolder a, b, c;
    cardgen::CardRequest request;
    request.seed = 42;
    ASSERT_TRUE(cardgen::writeCardTables(cardgen::makeCard(request), a.path()));
    ASSERT_TRUE(cardgen::writeCardTables(cardgen::makeCard(request), b.path()));
    request.seed = 43;
    ASSERT_TRUE(cardgen::writeCardTables(cardgen::makeCard(request), c.path()));
    for (const char* name : tableFiles) {
        EXPECT_EQ(readFile(a / name), readFile(b / name)) << name;
        EXPECT_FALSE(readFile(a / name).empty()) << name;
    }
    EXPECT_NE(readFile(a / "THRRDR.DBF"), readFile(c / "THRRDR.DBF"));
}

TEST(MakeCard, WritesACardThatLoadsWhole) {
    TempFolder folder;
    cardgen::CardRequest request;
    request.seed = 7;
    request.shape = {3, 5, 4};
    request.track = "SAR";
    const CardStore store = loadWritten(request, folder.path());
    EXPECT_EQ(store.RaceCount, 3);
    EXPECT_EQ(store.EntryCount, 15);
    EXPECT_EQ(store.RaceFirstEntry.at(3), 11);
    EXPECT_EQ(store.RaceTrack.at(2), "SAR");
    EXPECT_EQ(store.RaceDate.at(1), "20261205");
    for (int e = 1; e <= 15; ++e) {
        EXPECT_FALSE(store.EntryProgram.valueAt(e).empty());
        EXPECT_FALSE(store.EntryName.valueAt(e).empty());
        EXPECT_NE(store.EntryJockey.valueAt(e).find(", "), std::string::npos);
        EXPECT_NE(store.EntryTrainer.valueAt(e).find(", "), std::string::npos);
        for (int k = 1; k <= 4; ++k) {
            EXPECT_TRUE(text::strictNumber(store.PastTime.valueAt(e, k)).has_value());
            EXPECT_EQ(store.PastDate.valueAt(e, k).size(), 8u);
            EXPECT_EQ(store.PastDate.valueAt(e, k)[2], '-');
        }
        EXPECT_EQ(store.PastTime.valueAt(e, 5), "");
    }
}

TEST(MakeCard, WorkoutsHaveTheirDistanceFirstAndTheirTimeLast) {
    TempFolder folder;
    cardgen::CardRequest request;
    request.seed = 11;
    request.shape = {4, 10, 1};
    const CardStore store = loadWritten(request, folder.path());
    for (int e = 1; e <= store.EntryCount; ++e) {
        const std::string work = store.EntryLastWork.valueAt(e);
        const double furlongs = text::numberOf(text::firstChars(work, 2));
        EXPECT_GE(furlongs, 3);
        EXPECT_LE(furlongs, 6);
        std::string time = text::lastChars(work, furlongs <= 4 ? 6 : 7);
        if (time.front() == ':')
            time = text::lastChars(work, 6);
        const double seconds = text::numberOf(time);
        EXPECT_GT(seconds, furlongs <= 4 ? 30 : 55) << work;
        EXPECT_EQ(text::strictNumber(time), seconds) << work;
    }
}

TEST(MakeCard, PastTracksAreListedInTheTrackFileOrDeliberatelyUnlisted) {
    TempFolder folder;
    cardgen::CardRequest request;
    request.seed = 5;
    request.shape = {6, 8, 8};
    const CardStore store = loadWritten(request, folder.path());
    std::set<std::string> listed;
    for (const auto& line : text::splitLines(cardgen::trackEditorIni(cardgen::sampleTracks())))
        listed.insert(text::trimmed(text::firstChars(line, 3)));
    EXPECT_TRUE(listed.count(store.RaceTrack.valueAt(1)));
    int unlisted = 0;
    for (int e = 1; e <= store.EntryCount; ++e)
        for (int k = 1; k <= 8; ++k)
            unlisted += !listed.count(
                text::trimmed(text::firstChars(store.PastTrackRace.valueAt(e, k), 3)));
    EXPECT_GT(unlisted, 0);
    EXPECT_LT(unlisted, store.EntryCount * 8 / 4);
}

TEST(TrackFile, LinesKeepTheirColumns) {
    const cardgen::TrackLine churchill{"CD", "Churchill Downs", 95, 91, "1.M", 0};
    const std::string line = cardgen::trackEditorLine(churchill);
    EXPECT_EQ(line.substr(0, 3), "CD ");
    EXPECT_EQ(line.substr(4, 20), " Churchill Downs    ");
    EXPECT_EQ(text::numberOf(line.substr(24, 3)), 95);
    EXPECT_EQ(text::numberOf(line.substr(31, 3)), 91);
    EXPECT_EQ(line.substr(36, 3), "1.M");
    const std::string charlesTown =
        cardgen::trackEditorLine({"CT", "Charles Town", 84, 83, "7/8", 4});
    EXPECT_EQ(charlesTown.substr(36, 3), "7/8");
    EXPECT_EQ(text::numberOf(charlesTown.substr(38, 3)), 84) << "the route value shares column 39";
    for (const auto& track : cardgen::sampleTracks()) {
        EXPECT_GE(track.sprint, 82);
        EXPECT_LE(track.sprint, 98);
        EXPECT_LE(track.code.size(), 3u);
    }
}

TEST(SampleCard, IsWhatMakeCardWritesForItsSeed) {
    const std::filesystem::path sample = std::filesystem::path(TALLOWMERE_SAMPLES) / "card";
    TempFolder folder;
    cardgen::CardRequest request; // the sample is the default request
    ASSERT_TRUE(cardgen::writeCardTables(cardgen::makeCard(request), folder.path()));
    for (const char* name : tableFiles)
        EXPECT_EQ(readFile(folder / name), readFile(sample / name)) << name;
    EXPECT_EQ(readFile(std::filesystem::path(TALLOWMERE_SAMPLES) / "TrackEditor.ini"),
              cardgen::trackEditorIni(cardgen::sampleTracks()));
}

TEST(CardFolder, BrokenOrMissingTablesLoadAsEmptyParts) {
    TempFolder folder;
    cardgen::CardRequest request;
    request.shape = {2, 3, 2};
    ASSERT_TRUE(cardgen::writeCardTables(cardgen::makeCard(request), folder.path()));
    tallowmere::testing::writeFile(folder / "THRRDR.DBF", "not a table at all");
    const std::string races = readFile(folder / "RACEDR.DBF");
    tallowmere::testing::writeFile(folder / "RACEDR.DBF", races.substr(0, races.size() - 100));
    std::filesystem::remove(folder / "THRJDR.DBF");

    CardTables tables = openCardTables(folder.path());
    const CardStore store = loadCardStore(tables);
    EXPECT_EQ(store.RaceCount, 1) << "only the first race record is whole";
    EXPECT_EQ(store.EntryCount, 6);
    EXPECT_EQ(store.EntryJockey.at(1), "");
    EXPECT_FALSE(store.EntryTrainer.valueAt(1).empty());
    EXPECT_EQ(store.PastTime.at(1, 1), "");

    CardTables none = openCardTables(folder / "no such folder");
    EXPECT_EQ(loadCardStore(none).EntryCount, 0);
}
