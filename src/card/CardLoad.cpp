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

using Column = std::optional<std::size_t>;

// The fields of a race, found once for every race record.
struct RaceFields {
    explicit RaceFields(const TableView& races)
        : distance(races.columnOf("DISTANCE")), surface(races.columnOf("SURFACE")),
          purse(races.columnOf("PURSE")),
          todaysClass(races.columnOf("TODAYS_CLS")), conditions{races.columnOf("RTEXT1"),
                                                                races.columnOf("RTEXT2"),
                                                                races.columnOf("RTEXT3"),
                                                                races.columnOf("RTEXT4")},
          wagering(races.columnOf("BET_OPT")), postTime(races.columnOf("POST_TIME")),
          date(races.columnOf("RACE_DATE")), track(races.columnOf("TRACK")) {}
    Column distance, surface, purse, todaysClass;
    Column conditions[limits::conditionLines];
    Column wagering, postTime, date, track;
};

void readRaces(TableView& races, CardStore& store) {
    store.RaceCount = static_cast<std::int16_t>(raceCountOf(races));
    const RaceFields field(races);
    for (int r = 1; !races.atEnd(); ++r, races.moveNext()) {
        store.RaceDistance.set(r, text::firstChars(races.field(field.distance), 4));
        store.RaceSurface.set(r, races.field(field.surface));
        store.RacePurse.set(r, races.field(field.purse));
        setWhenPresent(store.RaceClass, r, strictWhole(races.field(field.todaysClass)));
        for (int line = 1; line <= limits::conditionLines; ++line)
            store.RaceConditions.set(r, line, races.field(field.conditions[line - 1]));
        store.RaceWagering.set(r, races.field(field.wagering));
        store.RacePostTime.set(r, races.field(field.postTime));
        store.RaceDate.set(r, races.field(field.date));
        store.RaceTrack.set(r, races.field(field.track));
    }
}

void readNames(TableView& table, std::string_view nameField, NameList& list) {
    const Column name = table.columnOf(nameField);
    for (int n = 1; !table.atEnd(); ++n, table.moveNext())
        list.set(n, abbreviatedName(table.field(name)));
}

void readFirstEntries(TableView& races, CardStore& store) {
    const Column firstEntry = races.columnOf("HORSE1");
    races.moveFirst();
    for (int r = 1; !races.atEnd() && r <= store.RaceCount; ++r, races.moveNext())
        setWhenPresent(store.RaceFirstEntry, r, wholeOf(races.field(firstEntry)));
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

// The fields of an entry, found once for every entry record.
struct EntryFields {
    explicit EntryFields(const TableView& entries)
        : hn(entries.columnOf("HN")), odds(entries.columnOf("AXCIS_ODDS")),
          program(entries.columnOf("PROGRAM")), post(entries.columnOf("PP")),
          race(entries.columnOf("RACE")), name(entries.columnOf("HORSE_NAME")),
          weight(entries.columnOf("WEIGHT")), jockey(entries.columnOf("JN")),
          trainer(entries.columnOf("TN")), lastWork(entries.columnOf("LAST_WORK")) {}
    Column hn, odds, program, post, race, name, weight, jockey, trainer, lastWork;
};

void readEntry(const TableView& entries, const EntryFields& field, CardStore& store,
               const CardLoadObserver& observer) {
    const auto entry = wholeOf(entries.field(field.hn));
    if (!entry)
        return;
    const int e = *entry;
    const std::string odds = entries.field(field.odds);
    if (store.EntryProgram.set(e, entries.field(field.program)) && observer.entryProgramStored)
        observer.entryProgramStored(e, store.EntryProgram.valueAt(e));
    setWhenPresent(store.EntryPost, e, wholeOf(entries.field(field.post)));
    const auto race = wholeOf(entries.field(field.race));
    store.EntryName.set(e, entries.field(field.name));
    store.EntryMorningLine.set(e, odds);
    setWhenPresent(store.EntryWeight, e, strictWhole(entries.field(field.weight)));
    store.EntryJockey.set(e, nameAt(store.JockeyList, wholeOf(entries.field(field.jockey))));
    storePostTables(store, e, race);
    store.EntryTrainer.set(e, nameAt(store.TrainerList, wholeOf(entries.field(field.trainer))));
    store.EntryMorningLine.set(e, morningLine(odds));
    store.EntryLastWork.set(e, entries.field(field.lastWork));
}

// The fields of a past race, found once for every past-performance record.
struct PastFields {
    explicit PastFields(const TableView& past)
        : hn(past.columnOf("HN")), distSurf(past.columnOf("DIST_SURF")),
          jockeyNo(past.columnOf("JN")), date(past.columnOf("DATE")),
          trackRace(past.columnOf("TRACK_RACE")), trackCond(past.columnOf("TRACK_COND")),
          call1(past.columnOf("PTCALL1")), call2(past.columnOf("PTCALL2")),
          call3(past.columnOf("PTCALL3")), time(past.columnOf("ACTUAL_TIM")),
          nonWinR(past.columnOf("NON_WIN_R")), raceClass(past.columnOf("CLASS")),
          weight(past.columnOf("WEIGHT")), classRating(past.columnOf("CLASS_RTG")),
          speedFig(past.columnOf("SPD_FIG")), post(past.columnOf("POST_POS")),
          gateBreak(past.columnOf("GATE_BREAK")), len1(past.columnOf("LEN1_BACK")),
          len2(past.columnOf("LEN2_BACK")), stretchLen(past.columnOf("STLEN_BACK")),
          finBeaten(past.columnOf("FIN_BEATEN")), odds(past.columnOf("ODDS")),
          favourite(past.columnOf("FAV_INDC")) {}
    Column hn, distSurf, jockeyNo, date, trackRace, trackCond, call1, call2, call3, time;
    Column nonWinR, raceClass, weight, classRating, speedFig, post, gateBreak, len1, len2;
    Column stretchLen, finBeaten, odds, favourite;
};

void storePastRace(const TableView& past, const PastFields& field, CardStore& store, int e, int k) {
    const std::string distSurf = past.field(field.distSurf);
    const std::string jockeyNo = past.field(field.jockeyNo);
    store.PastDate.set(e, k, text::mmDdYy(past.field(field.date)));
    store.PastTrackRace.set(e, k, past.field(field.trackRace));
    store.PastTrackCond.set(e, k, past.field(field.trackCond));
    store.PastDistSurf.set(e, k, distSurf);
    store.PastSurface.set(e, k, text::lastChars(distSurf, 1));
    store.PastCall1.set(e, k, past.field(field.call1));
    store.PastCall2.set(e, k, past.field(field.call2));
    store.PastCall3.set(e, k, past.field(field.call3));
    store.PastTime.set(e, k, past.field(field.time));
    store.PastNonWinR.set(e, k, past.field(field.nonWinR));
    store.PastClass.set(e, k, past.field(field.raceClass));
    setWhenPresent(store.PastWeight, e, k, strictWhole(past.field(field.weight)));
    setWhenPresent(store.PastClassRating, e, k,
                   wholeNumber(numberOf(past.field(field.classRating))));
    store.PastSpeedFig.set(e, k, past.field(field.speedFig));
    store.PastPost.set(e, k, past.field(field.post));
    store.PastGateBreak.set(e, k, past.field(field.gateBreak));
    store.PastLen1.set(e, k, past.field(field.len1));
    store.PastLen2.set(e, k, past.field(field.len2));
    store.PastStretchLen.set(e, k, past.field(field.stretchLen));
    store.PastFinBeaten.set(e, k, past.field(field.finBeaten));
    store.PastJockeyNo.set(e, k, jockeyNo);
    if (const auto position = strictWhole(jockeyNo))
        setWhenPresent(store.PastJockey, e, k, store.JockeyList.at(*position));
    store.PastOdds.set(e, k, past.field(field.odds));
    store.PastFavMark.set(e, k, favouriteMark(past.field(field.favourite)));
}

// An entry's past races fill slots 1, 2, 3 ... in table order; a record with
// no HN belongs to the entry before it, and an entry met again starts over at
// slot 1.
void readPastPerformances(TableView& past, CardStore& store) {
    const PastFields field(past);
    int previous = 1;
    int entry = 0; // before the first HN: no entry, nothing stored
    for (int slot = 1; !past.atEnd(); ++slot, past.moveNext()) {
        if (const auto hn = strictWhole(past.field(field.hn)))
            entry = *hn;
        if (entry != previous) {
            previous = entry;
            slot = 1;
        }
        storePastRace(past, field, store, entry, slot);
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
    const EntryFields entryFields(tables.Data4);
    for (; !tables.Data4.atEnd(); tables.Data4.moveNext())
        readEntry(tables.Data4, entryFields, store, observer);
    readPastPerformances(tables.Data1, store);
    return store;
}

} // namespace tallowmere
