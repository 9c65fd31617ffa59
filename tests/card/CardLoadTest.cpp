#include "card/CardLoad.h"

#include <gtest/gtest.h>
#include <map>

using namespace tallowmere;

namespace {

using Record = std::map<std::string, std::string>;

// A table of the given records; every field any record names is a column.
TableView tableOf(const std::vector<Record>& records) {
    std::vector<std::string> names;
    for (const auto& record : records)
        for (const auto& [name, value] : record)
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
    std::vector<std::vector<std::string>> rows;
    for (const auto& record : records) {
        std::vector<std::string> row;
        for (const auto& name : names)
            row.push_back(record.count(name) ? record.at(name) : "");
        rows.push_back(row);
    }
    return TableView(names, rows);
}

Record race(int number, int firstEntry, const std::string& distance = "6.00") {
    const std::string n = std::to_string(number);
    return {{"RACE", n},
            {"DISTANCE", distance},
            {"SURFACE", "D"},
            {"PURSE", "25000"},
            {"TODAYS_CLS", "85"},
            {"RTEXT1", "c1-" + n},
            {"RTEXT2", "c2-" + n},
            {"RTEXT3", "c3-" + n},
            {"RTEXT4", "c4-" + n},
            {"BET_OPT", "Exacta"},
            {"POST_TIME", "1:30 PM"},
            {"RACE_DATE", "20261205"},
            {"TRACK", "CD"},
            {"HORSE1", std::to_string(firstEntry)}};
}

Record entry(int hn, int raceNumber, int post, const std::string& program, int jn = 1, int tn = 1) {
    return {{"HN", std::to_string(hn)},
            {"RACE", std::to_string(raceNumber)},
            {"PROGRAM", program},
            {"PP", std::to_string(post)},
            {"HORSE_NAME", "Horse " + std::to_string(hn)},
            {"AXCIS_ODDS", "5-2"},
            {"WEIGHT", "120"},
            {"JN", std::to_string(jn)},
            {"TN", std::to_string(tn)},
            {"LAST_WORK", "4f CD ft  48.20"}};
}

Record past(const std::string& hn, const std::string& trackRace = "CD 5") {
    return {{"HN", hn},
            {"DATE", "20261101"},
            {"TRACK_RACE", trackRace},
            {"TRACK_COND", "FT"},
            {"DIST_SURF", "6.5T"},
            {"PTCALL1", "22.4"},
            {"PTCALL2", "45.8"},
            {"PTCALL3", "58.1"},
            {"ACTUAL_TIM", "110.45"},
            {"NON_WIN_R", "NW1 L"},
            {"CLASS", "Clm 25000"},
            {"WEIGHT", "118"},
            {"CLASS_RTG", "80.5"},
            {"SPD_FIG", "88"},
            {"POST_POS", "3"},
            {"GATE_BREAK", "4"},
            {"LEN1_BACK", "nk"},
            {"LEN2_BACK", "hd"},
            {"STLEN_BACK", "1 1/2"},
            {"FIN_BEATEN", "2ns"},
            {"JN", "2"},
            {"ODDS", "5.40"},
            {"FAV_INDC", "*"}};
}

struct Card {
    std::vector<Record> races, entries, pastRaces;
    std::vector<Record> jockeys = {{{"JOCKNAME", "Varlow, Tessa"}},
                                   {{"JOCKNAME", "Cherbourg"}},
                                   {{"JOCKNAME", "Delton, Aldo"}}};
    std::vector<Record> trainers = {{{"TRAINNAME", "Marquin, Emrys"}}, {{"TRAINNAME", "Feno,"}}};

    CardStore load(const CardLoadObserver& observer = {}) const {
        CardTables tables{tableOf(pastRaces), tableOf(races), tableOf(jockeys), tableOf(entries),
                          tableOf(trainers)};
        return loadCardStore(tables, observer);
    }
};

// Two races: entries 1 and 2 run in race 1, entry 3 in race 2.
Card twoRaceCard() {
    Card card;
    card.races = {race(1, 1), race(2, 3, "1.06")};
    card.entries = {entry(1, 1, 1, "1", 1, 1), entry(2, 1, 2, "1A", 2, 2),
                    entry(3, 2, 1, "1", 3, 2)};
    card.pastRaces = {past("1"), past("1", "KEE7"), past("3")};
    return card;
}

} // namespace

TEST(CardLoad, StoresRacesWithTheirConversions) {
    const CardStore store = twoRaceCard().load();
    EXPECT_EQ(store.RaceCount, 2);
    EXPECT_EQ(store.RaceDistance.at(1), "6.00");
    EXPECT_EQ(store.RaceDistance.at(2), "1.06");
    EXPECT_EQ(store.RaceSurface.at(1), "D");
    EXPECT_EQ(store.RacePurse.at(1), "25000");
    EXPECT_EQ(store.RaceClass.at(2), 85);
    EXPECT_EQ(store.RaceConditions.at(2, 1), "c1-2");
    EXPECT_EQ(store.RaceConditions.at(2, 4), "c4-2");
    EXPECT_EQ(store.RaceWagering.at(1), "Exacta");
    EXPECT_EQ(store.RacePostTime.at(1), "1:30 PM");
    EXPECT_EQ(store.RaceDate.at(1), "20261205");
    EXPECT_EQ(store.RaceTrack.at(1), "CD");
    EXPECT_EQ(store.RaceFirstEntry.at(1), 1);
    EXPECT_EQ(store.RaceFirstEntry.at(2), 3);
}

TEST(CardLoad, StoresEntriesAndTheirPostPositions) {
    const CardStore store = twoRaceCard().load();
    EXPECT_EQ(store.EntryCount, 3);
    EXPECT_EQ(store.EntryProgram.at(2), "1A");
    EXPECT_EQ(store.EntryPost.at(2), 2);
    EXPECT_EQ(store.EntryName.at(3), "Horse 3");
    EXPECT_EQ(store.EntryMorningLine.at(1), "5-2");
    EXPECT_EQ(store.EntryWeight.at(1), 120);
    EXPECT_EQ(store.EntryJockey.at(1), "Varlow, T");
    EXPECT_EQ(store.EntryJockey.at(2), "Ch");
    EXPECT_EQ(store.EntryJockey.at(3), "Delton, A");
    EXPECT_EQ(store.EntryTrainer.at(2), "Feno,");
    EXPECT_EQ(store.EntryLastWork.at(1), "4f CD ft  48.20");
    EXPECT_EQ(store.PostName.at(1, 2), "Horse 2");
    EXPECT_EQ(store.PostProgram.at(1, 2), "1A");
    EXPECT_EQ(store.PostText.at(1, 2), "2");
    EXPECT_EQ(store.PostJockey.at(1, 2), "Ch");
    EXPECT_EQ(store.PostName.at(2, 1), "Horse 3");
    EXPECT_EQ(store.PostName.at(2, 2), "");
}

TEST(CardLoad, StoresPastRacesInSlotsWithTheirConversions) {
    const CardStore store = twoRaceCard().load();
    EXPECT_EQ(store.PastDate.at(1, 1), "11-01-26");
    EXPECT_EQ(store.PastTrackRace.at(1, 2), "KEE7");
    EXPECT_EQ(store.PastTrackRace.at(3, 1), "CD 5");
    EXPECT_EQ(store.PastTrackRace.at(2, 1), "") << "entry 2 has no past races";
    EXPECT_EQ(store.PastTrackCond.at(1, 1), "FT");
    EXPECT_EQ(store.PastDistSurf.at(1, 1), "6.5T");
    EXPECT_EQ(store.PastSurface.at(1, 1), "T");
    EXPECT_EQ(store.PastCall1.at(1, 1), "22.4");
    EXPECT_EQ(store.PastCall3.at(1, 1), "58.1");
    EXPECT_EQ(store.PastTime.at(1, 1), "110.45");
    EXPECT_EQ(store.PastNonWinR.at(1, 1), "NW1 L");
    EXPECT_EQ(store.PastClass.at(1, 1), "Clm 25000");
    EXPECT_EQ(store.PastWeight.at(1, 1), 118);
    EXPECT_EQ(store.PastClassRating.at(1, 1), 80) << "80.5 rounds to the even 80";
    EXPECT_EQ(store.PastSpeedFig.at(1, 1), "88");
    EXPECT_EQ(store.PastPost.at(1, 1), "3");
    EXPECT_EQ(store.PastGateBreak.at(1, 1), "4");
    EXPECT_EQ(store.PastLen1.at(1, 1), "nk");
    EXPECT_EQ(store.PastLen2.at(1, 1), "hd");
    EXPECT_EQ(store.PastStretchLen.at(1, 1), "1 1/2");
    EXPECT_EQ(store.PastFinBeaten.at(1, 1), "2ns");
    EXPECT_EQ(store.PastJockeyNo.at(1, 1), "2");
    EXPECT_EQ(store.PastJockey.at(1, 1), "Ch");
    EXPECT_EQ(store.PastOdds.at(1, 1), "5.40");
    EXPECT_EQ(store.PastFavMark.at(1, 1), "    *");
}

TEST(CardLoad, ToldOfEachProgramNumberAsItIsStored) {
    Card card = twoRaceCard();
    card.entries.push_back(entry(401, 2, 2, "9"));
    std::vector<std::pair<int, std::string>> told;
    card.load({[&](int e, const std::string& program) { told.emplace_back(e, program); }});
    EXPECT_EQ(told, (std::vector<std::pair<int, std::string>>{{1, "1"}, {2, "1A"}, {3, "1"}}));
}

TEST(CardLoadEdges, MorningLineAndFavouriteRules) {
    Card card = twoRaceCard();
    card.entries[0]["AXCIS_ODDS"] = "7-2+";
    card.pastRaces[0]["FAV_INDC"] = "";
    const CardStore store = card.load();
    EXPECT_EQ(store.EntryMorningLine.at(1), "  7-2");
    EXPECT_EQ(store.PastFavMark.at(1, 1), "     ");
}

TEST(CardLoadEdges, JockeyOrTrainerOutOfRangeGivesAnEmptyName) {
    Card card = twoRaceCard();
    card.entries[1]["JN"] = "0";
    card.entries[1]["TN"] = "3"; // only two trainers
    card.entries[2]["JN"] = "401";
    card.entries[2]["TN"] = "";
    const CardStore store = card.load();
    EXPECT_EQ(store.EntryJockey.at(1), "Varlow, T");
    EXPECT_EQ(store.EntryJockey.at(2), "") << "not the previous entry's jockey";
    EXPECT_EQ(store.EntryTrainer.at(2), "");
    EXPECT_EQ(store.EntryJockey.at(3), "");
    EXPECT_EQ(store.EntryTrainer.at(3), "");
    EXPECT_EQ(store.PostJockey.at(1, 2), "");
}

TEST(CardLoadEdges, AFailedStrictConversionKeepsTheSlotsPreviousValue) {
    Card card = twoRaceCard();
    Record again = entry(1, 1, 1, "1");
    again["WEIGHT"] = "";
    card.entries.push_back(again);
    card.races.push_back(race(3, 4));
    card.races.back()["RACE"] = "three";
    card.races.back()["TODAYS_CLS"] = "";
    const CardStore store = card.load();
    EXPECT_EQ(store.EntryWeight.at(1), 120);
    EXPECT_EQ(store.RaceCount, 2) << "the last record's RACE is not a number";
    EXPECT_EQ(store.RaceClass.at(3), 0);
    EXPECT_EQ(store.RaceDistance.at(3), "6.00") << "the first pass stores every record";
    EXPECT_EQ(store.RaceFirstEntry.at(3), 0) << "the second pass stops at RaceCount";
    EXPECT_EQ(store.EntryCount, 1) << "the last entry record decides";
}

TEST(CardLoadEdges, RacesBeyondTheBoundsAreLost) {
    Card card;
    for (int r = 1; r <= 27; ++r)
        card.races.push_back(race(r, r, std::to_string(r) + ".0000"));
    const CardStore store = card.load();
    EXPECT_EQ(store.RaceCount, 27);
    EXPECT_EQ(store.RaceDistance.at(25), "25.0");
    EXPECT_FALSE(store.RaceDistance.at(26).has_value());
    EXPECT_EQ(store.RaceTrack.at(20), "CD");
    EXPECT_FALSE(store.RaceTrack.at(21).has_value());
    EXPECT_EQ(store.RaceFirstEntry.at(25), 25);
}

TEST(CardLoadEdges, AnEntryAbove400IsNotStored) {
    Card card = twoRaceCard();
    card.entries.push_back(entry(401, 2, 2, "2"));
    const CardStore store = card.load();
    EXPECT_EQ(store.EntryCount, 401);
    EXPECT_EQ(store.PostName.at(2, 2), "");
    EXPECT_EQ(store.EntryName.at(400), "");
}

TEST(CardLoadEdges, PastRacesFillConsecutiveSlotsUpToTwenty) {
    Card card = twoRaceCard();
    card.pastRaces.clear();
    for (int k = 1; k <= 25; ++k)
        card.pastRaces.push_back(past("1", "CD " + std::to_string(k)));
    card.pastRaces.push_back(past("3", "SA 1"));
    const CardStore store = card.load();
    EXPECT_EQ(store.PastTrackRace.at(1, 1), "CD 1");
    EXPECT_EQ(store.PastTrackRace.at(1, 20), "CD 20");
    EXPECT_EQ(store.PastTrackRace.at(3, 1), "SA 1") << "a new entry starts at slot 1";
}

TEST(CardLoadEdges, AnEntryMetAgainStartsOverAtSlotOne) {
    Card card = twoRaceCard();
    card.pastRaces = {past("1", "CD 1"), past("1", "CD 2"), past("3", "SA 1"), past("1", "GP 9")};
    const CardStore store = card.load();
    EXPECT_EQ(store.PastTrackRace.at(1, 1), "GP 9");
    EXPECT_EQ(store.PastTrackRace.at(1, 2), "CD 2");
}

TEST(CardLoadEdges, APastRaceWithoutHnBelongsToTheEntryBefore) {
    Card card = twoRaceCard();
    card.pastRaces = {past("", "XX 1"), past("3", "SA 1"), past("", "SA 2")};
    card.pastRaces[2]["JN"] = "";
    const CardStore store = card.load();
    EXPECT_EQ(store.PastTrackRace.at(3, 1), "SA 1");
    EXPECT_EQ(store.PastTrackRace.at(3, 2), "SA 2");
    EXPECT_EQ(store.PastJockey.at(3, 2), "") << "an empty JN names no jockey";
    EXPECT_EQ(store.PastTrackRace.at(1, 1), "") << "a record before any HN is dropped";
}

TEST(CardLoadEdges, EmptyTablesGiveAnEmptyStore) {
    Card card;
    card.jockeys.clear();
    card.trainers.clear();
    const CardStore store = card.load();
    EXPECT_EQ(store.RaceCount, 0);
    EXPECT_EQ(store.EntryCount, 0);
    EXPECT_EQ(store.JockeyList.at(1), "");
}

TEST(CardLoadEdges, MissingFieldsReadAsEmpty) {
    Card card;
    card.races = {{{"RACE", "1"}, {"HORSE1", "1"}}};
    card.entries = {{{"HN", "1"}, {"PROGRAM", "1"}}};
    card.pastRaces = {{{"HN", "1"}}};
    const CardStore store = card.load();
    EXPECT_EQ(store.RaceCount, 1);
    EXPECT_EQ(store.RaceDistance.at(1), "");
    EXPECT_EQ(store.EntryProgram.at(1), "1");
    EXPECT_EQ(store.EntryWeight.at(1), 0);
    EXPECT_EQ(store.PastFavMark.at(1, 1), "     ");
    EXPECT_EQ(store.PastSurface.at(1, 1), "");
}
