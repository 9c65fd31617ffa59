#include "card/RecordFile.h"
#include "rating/HandicappingRun.h"
#include "selection/KeyEntries.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using namespace tallowmere::cardgen;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;
using tallowmere::testing::writeFile;

namespace {

// code 1-3, name 5-24, sprint 25-27, mile 32-34, route 39-40 (after "1.")
const std::string todayLine = "TOD  Today               95     90  1.88";
const std::string pastLine = "PST  Past                90     85  1.80";

TableRecord raceRecord(int race, const std::string& distance, int firstEntry,
                       const std::string& track = "TOD") {
    return {{std::to_string(race), distance, "D", "25000", "85", "c1", "c2", "c3", "c4", "Exacta",
             "1:30 PM", "20261205", track, std::to_string(firstEntry)}};
}

TableRecord entryRecord(int hn, int race, const std::string& program, int post,
                        const std::string& odds, const std::string& workout) {
    return {{std::to_string(hn), std::to_string(race), program, std::to_string(post),
             "Horse " + std::to_string(hn), odds, "120", "1", "1", workout}};
}

TableRecord pastRecord(int hn, const std::string& time, const std::string& distSurf,
                       const std::string& trackRace, int classRating, int speedFigure) {
    return {{std::to_string(hn),
             "20261101",
             trackRace,
             "FT",
             "10",
             distSurf,
             "22.4",
             "45.8",
             "58.1",
             time,
             "",
             "Clm 25000",
             "118",
             std::to_string(classRating),
             std::to_string(speedFigure),
             "3",
             "4",
             "nk",
             "hd",
             "1",
             "5",
             "5",
             "1",
             "5.40",
             ""}};
}

// Race 1 (6 furlongs): entry 1 with the worked example's past race and a
// 4-furlong workout, entry 2 with a same-track race and no workout. Race 2
// (8.5 furlongs): entry 3 with a route race and a 5-furlong workout.
CardRecords smallCard() {
    CardRecords card;
    card.races = {raceRecord(1, "6.00", 1), raceRecord(2, "8.50", 3)};
    card.entries = {entryRecord(1, 1, "1", 1, "5-2", "4 CD ft  48.20"),
                    entryRecord(2, 1, "2", 2, "3-1+", ""),
                    entryRecord(3, 2, "1", 1, "2-1", "5f ft  100.40")};
    card.pastRaces = {
        pastRecord(1, "112.4", "6D", "PST5", 80, 70), pastRecord(2, "110.0", "6D", "TOD3", 0, 0),
        pastRecord(2, "100", "", "", 0, 0), pastRecord(3, "144.0", "8.5D", "TOD7", 90, 80)};
    card.jockeys = {{{"1", "Varlow, Tessa"}}};
    card.trainers = {{{"1", "Marquin, Emrys"}}};
    return card;
}

struct StartRunTest : ::testing::Test {
    TestWindow window;
    Form1& form = window.form;

    void writeCard(const CardRecords& card, const std::string& trackFile) {
        writeCardTables(card, window.root().trackMasterFolder());
        writeFile(window.folder / "TrackEditor.ini", trackFile);
    }

    std::filesystem::path keyFile(const std::string& name = "  TOD_20261205.pms2") const {
        return window.root().keySelectionsFolder() / name;
    }
    std::filesystem::path recordFile() const {
        return window.root().raceCardsFolder() / "  TOD_20261205.pmd";
    }
    std::string ratings(int entry) const {
        std::string all;
        for (int slot = 1; slot <= 6; ++slot)
            all += form.Card.PaceRatings.valueAt(entry, slot) + "|";
        return all;
    }
};

} // namespace

TEST_F(StartRunTest, RatesTheSmallCardAsWorkedOutByHand) {
    writeCard(smallCard(), todayLine + "\r\n" + pastLine + "\r\n");
    Command1_Click(form);
    // Entry 1: the worked example (47.5); four empty past races (0.0); the
    // workout 48.2 s + (93 - 95) * 0.2 = 47.8 s, 55 fps, + 1.0 for 2 furlongs.
    EXPECT_EQ(ratings(1), " 47.5|  0.0|  0.0|  0.0|  0.0| 56.0|");
    // Entry 2: 70 s, 57 fps, 63 - 1.2; a race with no distance; no workout:
    // t = -0.4 s, 0 fps, 110 + 3.
    EXPECT_EQ(ratings(2), " 61.8|   .0|  0.0|  0.0|  0.0|113.0|");
    // Entry 3: 104 s, 54 fps, 66 - (1.7 + 1.8 + 16.8); workout 60.4 - 0.4 s,
    // 55 fps, + 1.75 for 3.5 furlongs.
    EXPECT_EQ(ratings(3), " 45.7|  0.0|  0.0|  0.0|  0.0| 56.8|");
    EXPECT_EQ(readFile(keyFile()), "Tallowmere Thoroughbred\r\n"
                                   "Tallowmere Software\r\n"
                                   "TOD  Today              \r\n"
                                   "20261205\r\n"
                                   "\r\n"
                                   "KEY SELECTIONS\r\n"
                                   "RACE  1 :          1\r\n"
                                   "RACE  2 :          1\r\n");
}

TEST_F(StartRunTest, NamesTheCardAndShowsItsPicks) {
    writeCard(smallCard(), todayLine + "\r\n" + pastLine + "\r\n");
    Command1_Click(form);
    EXPECT_EQ(form.ActiveCardFile, "  TOD_20261205.pmd");
    EXPECT_EQ(form.KeySelectionsFile, "  TOD_20261205.pms2");
    EXPECT_EQ(form.Card.RaceTrack.at(1), "TOD")
        << "padded for the name, trimmed by the name search";
    EXPECT_EQ(form.Label4.valueAt(0).caption, " Today              ");
    EXPECT_EQ(form.Label1.caption, "TOD");
    EXPECT_EQ(form.Records.CardPicks.at(1, 1), "1");
    EXPECT_EQ(form.Records.CardPicks.at(1, 2), "2");
    EXPECT_EQ(form.Records.CardPicks.at(1, 3), "");
    EXPECT_EQ(form.Records.CardPicks.at(2, 1), "1");
    EXPECT_EQ(form.Text39(1).text, "1");
    EXPECT_EQ(form.Text39(2).text, "2");
    EXPECT_EQ(form.Text39(3).text, "") << "after the run the boxes copy the picks as they stand";
    EXPECT_EQ(form.Label17.caption, "");
    EXPECT_EQ(form.CurrentRace, 3);
    EXPECT_EQ(form.Card.ProgramEntry.at(1, 2), 2);
    EXPECT_EQ(form.Card.ProgramEntry.at(2, 1), 3);
    EXPECT_EQ(form.Card.EntryMorningLine.at(2), "3-1") << "trimmed by the top four";
}

TEST_F(StartRunTest, LaysOutRaceOneInTheGrid) {
    writeCard(smallCard(), todayLine + "\r\n" + pastLine + "\r\n");
    Command1_Click(form);
    const Grid& grid = form.MSFlexGrid1;
    ASSERT_EQ(grid.rows(), 17);
    EXPECT_EQ(grid.text(1, 0), "RACE: 1          6.00f");
    EXPECT_TRUE(grid.cell(1, 0)->bold);
    EXPECT_EQ(grid.text(3, 0), "Horse 1   5-2");
    EXPECT_EQ(grid.cell(3, 0)->backColor, red);
    EXPECT_EQ(grid.text(4, 0), "PN: 1    PP: 1    HN: 1");
    EXPECT_EQ(grid.cell(4, 0)->fontSize, 9);
    EXPECT_EQ(grid.text(5, 0), "Weight: 120");
    EXPECT_EQ(grid.text(6, 0), "J - Varlow, T");
    EXPECT_EQ(grid.text(7, 0), "T - Marquin, E");
    EXPECT_EQ(grid.text(8, 0), "Workout: ");
    const std::vector<std::string> pastRow = {
        "11-01-26", "PST5",      "FT", "6D",  "22.4",      "45.8",      "58.1", "112.4",
        "",         "Clm 25000", "80", "70",  "3",         "4",         "nk",   "hd",
        "1",        "5",         "1",  "118", "Varlow, T", "5.40     ", " 47.5"};
    for (int column = 1; column <= 23; ++column)
        EXPECT_EQ(grid.text(3, column), pastRow[column - 1]) << column;
    EXPECT_EQ(grid.text(4, 1), "");
    EXPECT_EQ(grid.text(4, 11), "0") << "an empty past race still shows its numbers";
    EXPECT_EQ(grid.text(4, 23), "   .0");
    EXPECT_EQ(grid.text(8, 1), "4 CD ft  48.20");
    EXPECT_EQ(grid.text(8, 23), " 56.0");
    EXPECT_EQ(grid.text(10, 0), "Horse 2     3-1");
    EXPECT_EQ(grid.text(15, 23), "113.0");
    EXPECT_EQ(grid.text(16, 0), "");
}

TEST_F(StartRunTest, AMilesDistanceIsLabelledMi) {
    CardRecords card = smallCard();
    card.races[0].values[1] = "1.06";
    writeCard(card, todayLine + "\r\n");
    Command1_Click(form);
    EXPECT_EQ(form.MSFlexGrid1.text(1, 0), "RACE: 1          1.06Mi");
    EXPECT_EQ(form.Label13.caption, "1.06f D");
}

TEST_F(StartRunTest, RestoresTheSavedCard) {
    writeCard(smallCard(), todayLine + "\r\n");
    RecordArrays saved;
    saved.CardPicks.set(1, 1, "2");
    saved.CardPicks.set(1, 5, "1");
    saved.CardPayoffs.set(1, 1, "8.40");
    saved.CardPayoffs.set(1, 10, "Scr 2");
    ASSERT_FALSE(saveRecordFile(recordFile(), saved, 2).has_value());
    Command1_Click(form);
    EXPECT_EQ(form.Text39(1).text, "2");
    EXPECT_EQ(form.Text39(5).text, "1");
    EXPECT_EQ(form.Label4.valueAt(1).caption, "1");
    EXPECT_EQ(form.Text57.valueAt(1).text, "8.40");
    EXPECT_EQ(form.Label17.caption, "Scr 2");
    EXPECT_NE(readFile(keyFile()).find("RACE  1 :          1"), std::string::npos)
        << "the key selections keep the fresh picks";
}

TEST_F(StartRunTest, ASavedCardThatDoesNotFitIsToldAndKeptAsBackup) {
    writeCard(smallCard(), todayLine + "\r\n");
    writeFile(recordFile(), "\"only\"\r\n\"three\"\r\n\"values\"\r\n");
    Command1_Click(form);
    ASSERT_EQ(window.platform.messages.size(), 1u);
    EXPECT_EQ(window.platform.messages[0].text,
              "The saved race card " + recordFile().string() +
                  " does not match this card and was not loaded. It will be kept as " +
                  recordFile().string() + ".bak.");
    EXPECT_EQ(form.Text39(1).text, "1");
    CRC_Click(form);
    EXPECT_EQ(readFile(recordFile().string() + ".bak"), "\"only\"\r\n\"three\"\r\n\"values\"\r\n");
    EXPECT_EQ(readFile(recordFile()).substr(0, 5), "\"1\"\r\n");
}

TEST_F(StartRunTest, WithTestCheckedTheSavedCardIsNeitherLoadedNorWritten) {
    writeCard(smallCard(), todayLine + "\r\n");
    RecordArrays saved;
    saved.CardPicks.set(1, 1, "2");
    ASSERT_FALSE(saveRecordFile(recordFile(), saved, 2).has_value());
    const std::string before = readFile(recordFile());
    form.setText39(6, "kept");
    Test_Click(form);
    Command1_Click(form);
    EXPECT_EQ(form.Text39(1).text, "1");
    EXPECT_EQ(form.Text39(6).text, "kept");
    Exit_Program_Click(form);
    EXPECT_EQ(readFile(recordFile()), before);
}

TEST_F(StartRunTest, ATrackCodeThatWouldLeaveItsFolderIsRefused) {
    CardRecords card = smallCard();
    card.races[0].values[12] = "../"; // all the three columns of TRACK hold
    writeCard(card, todayLine + "\r\n");
    Command1_Click(form);
    ASSERT_EQ(window.platform.messages.size(), 1u);
    EXPECT_EQ(window.platform.messages[0].text,
              "This race card's track code or date cannot be used in a file name: ../");
    EXPECT_EQ(form.ActiveCardFile, "");
    EXPECT_TRUE(std::filesystem::is_empty(window.root().keySelectionsFolder()));
    EXPECT_EQ(form.Records.CardPicks.at(1, 1), "1") << "the card is still handicapped";
    CRC_Click(form);
    EXPECT_TRUE(std::filesystem::is_empty(window.root().raceCardsFolder()));
    EXPECT_FALSE(std::filesystem::exists(window.folder.path().parent_path() / "_20261205.pmd"));
}

TEST_F(StartRunTest, AMissingTrackFileLeavesTheTrackCodePadded) {
    writeCard(smallCard(), "");
    std::filesystem::remove(window.folder / "TrackEditor.ini");
    Command1_Click(form);
    EXPECT_EQ(form.Card.RaceTrack.at(1), "  TOD");
    EXPECT_EQ(form.Label4.valueAt(0).caption, "Track Name");
    const std::string head =
        "Tallowmere Thoroughbred\r\nTallowmere Software\r\n  TOD Track Name\r\n20261205\r\n";
    EXPECT_EQ(readFile(keyFile()).substr(0, head.size()), head);
}

TEST_F(StartRunTest, ATrackFileWithLinuxLineEndsNamesTheTrack) {
    writeCard(smallCard(), pastLine + "\n" + todayLine + "\n");
    Command1_Click(form);
    EXPECT_EQ(form.Label4.valueAt(0).caption, " Today              ");
}

TEST_F(StartRunTest, WithoutTheKeySelectionsFolderThePicksAreStillMade) {
    writeCard(smallCard(), todayLine + "\r\n");
    std::filesystem::remove_all(window.root().keySelectionsFolder());
    Command1_Click(form);
    EXPECT_EQ(form.Records.CardPicks.at(2, 1), "1");
    EXPECT_EQ(form.Label4.valueAt(0).caption, " Today              ");
    EXPECT_FALSE(std::filesystem::exists(window.root().keySelectionsFolder()));
}

TEST_F(StartRunTest, ACardWithoutEntriesStillRanksEveryRace) {
    CardRecords card = smallCard();
    card.entries.clear();
    card.pastRaces.clear();
    writeCard(card, todayLine + "\r\n");
    Command1_Click(form);
    EXPECT_EQ(readFile(keyFile()).substr(readFile(keyFile()).find("RACE")),
              "RACE  1 :       \r\nRACE  2 :       \r\n");
    EXPECT_EQ(form.Text39(1).text, "");
}

TEST_F(StartRunTest, TheLargestCardGetsSixRatingsForEveryEntry) {
    CardRequest request;
    request.shape = {20, 20, 20};
    writeCardTables(makeCard(request), window.root().trackMasterFolder());
    std::filesystem::copy_file(std::filesystem::path(TALLOWMERE_SAMPLES) / "TrackEditor.ini",
                               window.folder / "TrackEditor.ini");
    Command1_Click(form);
    ASSERT_EQ(form.Card.EntryCount, 400);
    for (int e = 1; e <= 400; ++e)
        for (int slot = 1; slot <= 6; ++slot)
            ASSERT_FALSE(form.Card.PaceRatings.valueAt(e, slot).empty()) << e << " " << slot;
    for (int r = 1; r <= 20; ++r)
        EXPECT_FALSE(form.Records.CardPicks.valueAt(r, 1).empty()) << r;
}

TEST(KeyEntries, ShowTheActiveCardsKeySelections) {
    TestWindow window;
    Pick3_Click(window.form);
    window.form.ActiveCardFile = "   CD_20261205.pmd";
    Pick3_Click(window.form);
    EXPECT_EQ(window.platform.calls.back(),
              "view " + (window.root().keySelectionsFolder() / "   CD_20261205.pms2").string());
    EXPECT_EQ(std::count_if(window.platform.calls.begin(), window.platform.calls.end(),
                            [](const std::string& call) { return call.rfind("view", 0) == 0; }),
              1);
}
