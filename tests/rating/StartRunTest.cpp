#include "app/WindowPrinting.h"
#include "card/RecordFile.h"
#include "display/RaceDisplay.h"
#include "rating/HandicappingRun.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace tallowmere;
using namespace tallowmere::cardgen;
using tallowmere::testing::readFile;
using tallowmere::testing::TestWindow;
using tallowmere::testing::writeFile;

namespace {

const std::filesystem::path fixtures = std::filesystem::path(TALLOWMERE_FIXTURES) / "start";

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

TableRecord pastRecord(const char* hn, const char* time, const char* distSurf,
                       const char* trackRace, const char* classRating, const char* speedFigure) {
    return {{hn,   "20261101", trackRace,   "FT",  "10",        distSurf,    "22.4", "45.8", "58.1",
             time, "",         "Clm 25000", "118", classRating, speedFigure, "3",    "4",    "nk",
             "hd", "1",        "5",         "5",   "1",         "5.40",      ""}};
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
    card.pastRaces = {pastRecord("1", "112.4", "6D", "PST5", "80", "70"),
                      pastRecord("2", "110.0", "6D", "TOD3", "0", "0"),
                      pastRecord("2", "100", "", "", "0", "0"),
                      pastRecord("3", "144.0", "8.5D", "TOD7", "90", "80")};
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

    std::filesystem::path keyFile() const {
        return window.root().keySelectionsFolder() / "  TOD_20261205.pms2";
    }
    std::filesystem::path recordFile() const {
        return window.root().raceCardsFolder() / "  TOD_20261205.pmd";
    }
    // The window as the batch front end prints it: its state, then the grid.
    std::string printed() const {
        std::ostringstream out;
        printState(form, out);
        printGrid(form.MSFlexGrid1, out);
        return out.str();
    }
    std::string shownPicks() const {
        std::string shown;
        for (int k = 1; k <= 8; ++k)
            shown += form.Text39(k).text + "|";
        return shown;
    }
};

} // namespace

TEST_F(StartRunTest, RatesThePicksAndShowsTheSmallCardAsWorkedOutByHand) {
    writeCard(smallCard(), todayLine + "\r\n" + pastLine + "\r\n");
    Command1_Click(form);
    // Entry 1: the worked example (47.5); the workout 48.2 s + (93 - 95) * 0.2
    // = 47.8 s, 55 fps, + 1.0 for 2 furlongs. Entry 2: 70 s, 57 fps, 63 - 1.2; a
    // race with no distance; no workout: t = -0.4 s, 0 fps, 110 + 3.
    EXPECT_EQ(printed(), readFile(fixtures / "small-card-race1.txt"));
    EXPECT_EQ(readFile(keyFile()), readFile(fixtures / "small-card.pms2"));
    EXPECT_EQ(form.ActiveCardFile, "  TOD_20261205.pmd");
    EXPECT_EQ(form.MSFlexGrid1.height, 6060);
    EXPECT_TRUE(form.MSFlexGrid1.cell(1, 0)->bold);
    EXPECT_EQ(form.MSFlexGrid1.cell(3, 0)->backColor, red);
    EXPECT_EQ(form.MSFlexGrid1.cell(4, 0)->fontSize, 9);
    EXPECT_EQ(form.Command2.valueAt(1).backColor, red);
    EXPECT_EQ(form.Command2.valueAt(2).backColor, lightGrey);
    // Entry 3: 104 s, 54 fps, 66 - (1.7 + 1.8 + 16.8); workout 60.4 - 0.4 s,
    // 55 fps, + 1.75 for 3.5 furlongs.
    Command2_Click(form, 2);
    EXPECT_EQ(printed(), readFile(fixtures / "small-card-race2.txt"));
}

TEST_F(StartRunTest, RestoresTheSavedCardButKeysTheFreshPicks) {
    writeCard(smallCard(), todayLine + "\r\n");
    RecordArrays saved;
    saved.CardPicks.set(1, 1, "2");
    saved.CardPicks.set(1, 5, "1");
    saved.CardPayoffs.set(1, 1, "8.40");
    saved.CardPayoffs.set(1, 10, "Scr 2");
    ASSERT_FALSE(saveRecordFile(recordFile(), saved, 2).has_value());
    Command1_Click(form);
    EXPECT_EQ(shownPicks(), "2||||1||||");
    EXPECT_EQ(form.Label4.valueAt(1).caption, "1");
    EXPECT_EQ(form.Text57.valueAt(1).text, "8.40");
    EXPECT_EQ(form.Label17.caption, "Scr 2");
    EXPECT_NE(readFile(keyFile()).find("RACE  1 :          1"), std::string::npos);
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
    EXPECT_EQ(shownPicks(), "1|2||||kept|||");
    Exit_Program_Click(form);
    EXPECT_EQ(readFile(recordFile()), before);
}

TEST_F(StartRunTest, ATrackCodeThatWouldLeaveItsFolderIsRefused) {
    CardRecords card = smallCard();
    card.races[0].values[12] = "../"; // all the three columns of TRACK hold
    writeCard(card, todayLine + "\r\n");
    Command1_Click(form);
    EXPECT_EQ(form.ActiveCardFile, "");
    EXPECT_EQ(form.Records.CardPicks.at(1, 1), "1") << "the card is still handicapped";
    CRC_Click(form);
    EXPECT_TRUE(std::filesystem::is_empty(window.root().keySelectionsFolder()));
    EXPECT_TRUE(std::filesystem::is_empty(window.root().raceCardsFolder()));
    EXPECT_FALSE(std::filesystem::exists(window.folder.path().parent_path() / "_20261205.pmd"));
}

// A missing track file leaves the track code padded and names no track; races
// without entries still get their key-selection lines.
TEST_F(StartRunTest, WithoutTrackFileOrEntriesEveryRaceStillGetsItsKeyLine) {
    CardRecords card = smallCard();
    card.entries.clear();
    card.pastRaces.clear();
    writeCard(card, "");
    std::filesystem::remove(window.folder / "TrackEditor.ini");
    Command1_Click(form);
    EXPECT_EQ(readFile(keyFile()), "Tallowmere Thoroughbred\r\nTallowmere Software\r\n  TOD Track "
                                   "Name\r\n20261205\r\n\r\nKEY SELECTIONS\r\nRACE  1 :       "
                                   "\r\nRACE  2 :       \r\n");
}

// A race table cut short, a folder or letters for RACE are among the bad inputs.
TEST(StartRun, TablesThatGiveNoRaceAreToldAndChangeNothing) {
    using Races = std::vector<std::string>;
    const std::pair<const char*, std::optional<Races>> folders[] = {
        {"no tables", std::nullopt}, {"RACEDR empty", Races{}}, {"RACE below 1", Races{"1", "0"}}};
    for (const auto& [what, races] : folders) {
        TestWindow window;
        const auto tables = window.root().trackMasterFolder();
        if (races) {
            CardRecords card = smallCard();
            card.races.resize(races->size(), card.races[0]);
            for (std::size_t r = 0; r < races->size(); ++r)
                card.races[r].values[0] = (*races)[r];
            writeCardTables(card, tables);
        }
        Form1& form = window.form;
        Command1_Click(form);
        ASSERT_EQ(window.platform.messages.size(), 1u) << what;
        EXPECT_EQ(window.platform.messages[0].text,
                  "No race could be read from the tables in TrackMaster ExE Files.");
        EXPECT_TRUE(form.Command1.enabled && form.menus.Exit_Program.enabled) << what;
        EXPECT_EQ(form.MSFlexGrid1.rows(), 2);
        CRC_Click(form);
        EXPECT_TRUE(std::filesystem::is_empty(window.root().raceCardsFolder())) << what;
        EXPECT_TRUE(std::filesystem::is_empty(window.root().keySelectionsFolder())) << what;
        writeCardTables(smallCard(), tables);
        Command1_Click(form);
        EXPECT_EQ(form.Card.RaceCount, 2) << what << ": once mended, Start runs as usual";
    }
}

TEST_F(StartRunTest, ARaceBeyondTheCardsEntriesLeavesTheGridAlone) {
    CardRecords card = smallCard();
    card.races[0].values[13] = "5000"; // HORSE1 of race 1 far beyond race 2's
    writeCard(card, todayLine + "\r\n");
    Command1_Click(form);
    EXPECT_EQ(form.MSFlexGrid1.rows(), 2) << "a negative row count is not set";
    EXPECT_FALSE(form.Command3.valueAt(1).visible);
}
