#include "card/CardLoad.h"

#include "card/CardFieldRules.h"
#include "text/Dates.h"
#include "text/Numbers.h"
#include "text/Texts.h"

#include <optional>

namespace tallowmere {
namespace {

using text::numberOf;
using text::strictWhole;
using text::wholeNumber;

// A field read as a number and rounded, as the arrays take their indices.
std::optional<int> wholeOf(std::string_view fieldText) {
    const auto value = wholeNumber(numberOf(fieldText));
    return value ? std::optional<int>(*value) : std::nullopt;
}

template <typename Array, typename Value>
void setWhenPresent(Array& array, int index, const std::optional<Value>& value) {
    if (value)
        array.set(index, *value);
}

template <typename Array, typename Value>
void setWhenPresent(Array& array, int row, int column, const std::optional<Value>& value) {
    if (value)
        array.set(row, column, *value);
}

void readEntryCount(TableView& entries, CardStore& store) {
    entries.moveLast();
    if (const auto count = wholeOf(entries.field("HN")))
        store.EntryCount = static_cast<std::int16_t>(*count);
    entries.moveFirst();
}

void readRaces(TableView& races, CardStore& store) {
    store.RaceCount = static_cast<std::int16_t>(raceCountOf(races));
    for (int r = 1; !races.atEnd(); ++r, races.moveNext()) {
        store.RaceDistance.set(r, text::firstChars(races.field("DISTANCE"), 4));
        store.RaceSurface.set(r, races.field("SURFACE"));
        store.RacePurse.set(r, races.field("PURSE"));
        setWhenPresent(store.RaceClass, r, strictWhole(races.field("TODAYS_CLS")));
        store.RaceConditions.set(r, 1, races.field("RTEXT1"));
        store.RaceConditions.set(r, 2, races.field("RTEXT2"));
        store.RaceConditions.set(r, 3, races.field("RTEXT3"));
        store.RaceConditions.set(r, 4, races.field("RTEXT4"));
        store.RaceWagering.set(r, races.field("BET_OPT"));
        store.RacePostTime.set(r, races.field("POST_TIME"));
        store.RaceDate.set(r, races.field("RACE_DATE"));
        store.RaceTrack.set(r, races.field("TRACK"));
    }
}

void readNames(TableView& table, std::string_view nameField, NameList& list) {
    for (int n = 1; !table.atEnd(); ++n, table.moveNext())
        list.set(n, abbreviatedName(table.field(nameField)));
}

void readFirstEntries(TableView& races, CardStore& store) {
    races.moveFirst();
    for (int r = 1; !races.atEnd() && r <= store.RaceCount; ++r, races.moveNext())
        setWhenPresent(store.RaceFirstEntry, r, wholeOf(races.field("HORSE1")));
}

// A jockey or trainer by record position; a position with no name (0, or
// beyond the list) gives an empty name rather than the previous entry's.
std::string nameAt(const NameList& list, const std::optional<int>& position) {
    return position ? list.valueAt(*position) : std::string{};
}

void storePostTables(CardStore& store, int e, const std::optional<int>& race) {
    const auto post = store.EntryPost.at(e);
    if (!race || !post)
        return;
    const int rr = *race;
    setWhenPresent(store.PostName, rr, *post, store.EntryName.at(e));
    setWhenPresent(store.PostProgram, rr, *post, store.EntryProgram.at(e));
    store.PostText.set(rr, *post, text::textOf(*post));
    setWhenPresent(store.PostJockey, rr, *post, store.EntryJockey.at(e));
}

void readEntry(const TableView& entries, CardStore& store, const CardLoadObserver& observer) {
    const auto entry = wholeOf(entries.field("HN"));
    if (!entry)
        return;
    const int e = *entry;
    const std::string odds = entries.field("AXCIS_ODDS");
    if (store.EntryProgram.set(e, entries.field("PROGRAM")) && observer.entryProgramStored)
        observer.entryProgramStored(e, store.EntryProgram.valueAt(e));
    setWhenPresent(store.EntryPost, e, wholeOf(entries.field("PP")));
    const auto race = wholeOf(entries.field("RACE"));
    store.EntryName.set(e, entries.field("HORSE_NAME"));
    store.EntryMorningLine.set(e, odds);
    setWhenPresent(store.EntryWeight, e, strictWhole(entries.field("WEIGHT")));
    store.EntryJockey.set(e, nameAt(store.JockeyList, wholeOf(entries.field("JN"))));
    storePostTables(store, e, race);
    store.EntryTrainer.set(e, nameAt(store.TrainerList, wholeOf(entries.field("TN"))));
    store.EntryMorningLine.set(e, morningLine(odds));
    store.EntryLastWork.set(e, entries.field("LAST_WORK"));
}

void storePastRace(const TableView& past, CardStore& store, int e, int k) {
    const std::string distSurf = past.field("DIST_SURF");
    const std::string jockeyNo = past.field("JN");
    store.PastDate.set(e, k, text::mmDdYy(past.field("DATE")));
    store.PastTrackRace.set(e, k, past.field("TRACK_RACE"));
    store.PastTrackCond.set(e, k, past.field("TRACK_COND"));
    store.PastDistSurf.set(e, k, distSurf);
    store.PastSurface.set(e, k, text::lastChars(distSurf, 1));
    store.PastCall1.set(e, k, past.field("PTCALL1"));
    store.PastCall2.set(e, k, past.field("PTCALL2"));
    store.PastCall3.set(e, k, past.field("PTCALL3"));
    store.PastTime.set(e, k, past.field("ACTUAL_TIM"));
    store.PastNonWinR.set(e, k, past.field("NON_WIN_R"));
    store.PastClass.set(e, k, past.field("CLASS"));
    setWhenPresent(store.PastWeight, e, k, strictWhole(past.field("WEIGHT")));
    setWhenPresent(store.PastClassRating, e, k, wholeNumber(numberOf(past.field("CLASS_RTG"))));
    store.PastSpeedFig.set(e, k, past.field("SPD_FIG"));
    store.PastPost.set(e, k, past.field("POST_POS"));
    store.PastGateBreak.set(e, k, past.field("GATE_BREAK"));
    store.PastLen1.set(e, k, past.field("LEN1_BACK"));
    store.PastLen2.set(e, k, past.field("LEN2_BACK"));
    store.PastStretchLen.set(e, k, past.field("STLEN_BACK"));
    store.PastFinBeaten.set(e, k, past.field("FIN_BEATEN"));
    store.PastJockeyNo.set(e, k, jockeyNo);
    if (const auto position = strictWhole(jockeyNo))
        setWhenPresent(store.PastJockey, e, k, store.JockeyList.at(*position));
    store.PastOdds.set(e, k, past.field("ODDS"));
    store.PastFavMark.set(e, k, favouriteMark(past.field("FAV_INDC")));
}

// An entry's past races fill slots 1, 2, 3 ... in table order; a record with
// no HN belongs to the entry before it, and an entry met again starts over at
// slot 1.
void readPastPerformances(TableView& past, CardStore& store) {
    int previous = 1;
    int entry = 0; // before the first HN: no entry, nothing stored
    for (int slot = 1; !past.atEnd(); ++slot, past.moveNext()) {
        if (const auto hn = strictWhole(past.field("HN")))
            entry = *hn;
        if (entry != previous) {
            previous = entry;
            slot = 1;
        }
        storePastRace(past, store, entry, slot);
    }
}

} // namespace

int raceCountOf(TableView& races) {
    int count = 0;
    for (races.moveFirst(); !races.atEnd(); races.moveNext())
        if (const auto race = strictWhole(races.field("RACE")))
            count = *race;
    races.moveFirst();
    return count;
}

CardStore loadCardStore(CardTables& tables, const CardLoadObserver& observer) {
    CardStore store;
    readEntryCount(tables.Data4, store);
    readRaces(tables.Data2, store);
    readNames(tables.Data3, "JOCKNAME", store.JockeyList);
    readNames(tables.Data5, "TRAINNAME", store.TrainerList);
    readFirstEntries(tables.Data2, store);
    for (; !tables.Data4.atEnd(); tables.Data4.moveNext())
        readEntry(tables.Data4, store, observer);
    readPastPerformances(tables.Data1, store);
    return store;
}

} // namespace tallowmere
