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
    const std::string n = std::to_string(number), first = std::to_string(firstEntry);
    return {{"RACE", n},
            {"DISTANCE", distance},
            {"TODAYS_CLS", "85"},
            {"TRACK", "CD"},
            {"HORSE1", first}};
}

Record entry(int hn, int raceNumber, int post, const std::string& program) {
    const std::string n = std::to_string(hn), r = std::to_string(raceNumber),
                      pp = std::to_string(post), name = "Horse " + n;
    return {{"HN", n},         {"RACE", r}, {"PROGRAM", program}, {"PP", pp}, {"HORSE_NAME", name},
            {"WEIGHT", "120"}, {"JN", n},   {"TN", "1"}};
}

Record past(const std::string& hn, const std::string& trackRace) {
    return {{"HN", hn}, {"TRACK_RACE", trackRace}, {"JN", "2"}, {"CLASS_RTG", "80.5"}};
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
    card.entries = {entry(1, 1, 1, "1"), entry(2, 1, 2, "1A"), entry(3, 2, 1, "1")};
    card.pastRaces = {past("1", "CD 5"), past("1", "KEE7"), past("3", "CD 5")};
    return card;
}

} // namespace

// The sample card's golden outputs check every field as loaded; these are the
// edges of the load.
// A jockey or trainer number out of range gives an empty name.
TEST(CardLoad, IsToldOfEachProgramNumberAsItIsStoredAndRoundsClassRatings) {
    Card card = twoRaceCard();
    card.entries.push_back(entry(401, 2, 2, "9"));
    card.pastRaces[1]["CLASS_RTG"] = "81.5";
    card.entries[0]["JN"] = "0";
    card.entries[0]["TN"] = "3"; // only two trainers
    card.entries[2]["JN"] = "401";
    card.entries[2]["TN"] = "";
    card.pastRaces[2]["JN"] = "";
    std::vector<std::pair<int, std::string>> told;
    const CardStore store =
        card.load({[&](int e, const std::string& program) { told.emplace_back(e, program); }});
    EXPECT_EQ(told, (std::vector<std::pair<int, std::string>>{{1, "1"}, {2, "1A"}, {3, "1"}}));
    EXPECT_EQ(store.EntryCount, 401);
    EXPECT_EQ(store.EntryName.at(400), "") << "an entry above 400 is not stored";
    EXPECT_EQ(store.PostName.at(2, 2), "");
    EXPECT_EQ(store.PastClassRating.at(1, 1), 80) << "halves round to the even neighbour";
    EXPECT_EQ(store.PastClassRating.at(1, 2), 82);
    EXPECT_EQ(store.EntryJockey.at(2), "Ch");
    EXPECT_EQ(store.EntryJockey.valueAt(1) + store.EntryTrainer.valueAt(1) +
                  store.EntryJockey.valueAt(3) + store.EntryTrainer.valueAt(3) +
                  store.PostJockey.valueAt(1, 1) + store.PastJockey.valueAt(3, 1),
              "");
    EXPECT_EQ(store.EntryJockey.at(3), "") << "not the previous entry's jockey";
}

TEST(CardLoad, AFailedStrictConversionKeepsTheSlotsPreviousValue) {
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

// Past races fill consecutive slots up to 20; a new entry, or one met again,
// starts at slot 1; a record without HN belongs to the entry before.
TEST(CardLoad, PastRacesFillTheSlotsOfTheirEntry) {
    Card card = twoRaceCard();
    card.pastRaces = {past("", "XX 1")};
    for (int k = 1; k <= 25; ++k)
        card.pastRaces.push_back(past("1", "CD " + std::to_string(k)));
    card.pastRaces.push_back(past("3", "SA 1"));
    card.pastRaces.push_back(past("", "SA 2"));
    card.pastRaces.push_back(past("1", "GP 9"));
    const CardStore store = card.load();
    EXPECT_EQ(store.PastTrackRace.at(1, 1), "GP 9");
    EXPECT_EQ(store.PastTrackRace.at(1, 2), "CD 2");
    EXPECT_EQ(store.PastTrackRace.at(1, 20), "CD 20");
    EXPECT_EQ(store.PastTrackRace.at(3, 1), "SA 1");
    EXPECT_EQ(store.PastTrackRace.at(3, 2), "SA 2");
}
