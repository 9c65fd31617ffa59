#pragma once

#include "model/CheckedArray.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tallowmere {

// How much of a card the store holds. Values beyond these bounds are lost.
namespace limits {
inline constexpr int races = 25;
inline constexpr int surfaceRaces = 20; // surface and track
inline constexpr int entries = 400;
inline constexpr int pastRaces = 20;
inline constexpr int names = 400; // jockeys and trainers
inline constexpr int conditionLines = 4;
inline constexpr int posts = 25;
inline constexpr int ratingSlots = 6; // past races 1 to 5, then the workout
inline constexpr int programRaces = 20;
inline constexpr int programNumbers = 20;
} // namespace limits

using RaceTexts = CheckedArray<std::string, 1, limits::races>;
using RaceNumbers = CheckedArray<std::int16_t, 1, limits::races>;
using SurfaceRaceTexts = CheckedArray<std::string, 1, limits::surfaceRaces>;
using EntryTexts = CheckedArray<std::string, 1, limits::entries>;
using EntryNumbers = CheckedArray<std::int16_t, 1, limits::entries>;
using NameList = CheckedArray<std::string, 1, limits::names>;
using PastTexts = CheckedArray2D<std::string, 1, limits::entries, 1, limits::pastRaces>;
using PastNumbers = CheckedArray2D<std::int16_t, 1, limits::entries, 1, limits::pastRaces>;
using PostTexts = CheckedArray2D<std::string, 1, limits::races, 1, limits::posts>;

// The card as the handicapping run copies it from the TrackMaster tables; every
// other command reads this instead of the tables. An entry's index is its HN,
// counted over the whole card.
struct CardStore {
    std::int16_t RaceCount = 0;
    std::int16_t EntryCount = 0;

    RaceTexts RaceDistance, RacePurse, RaceWagering, RacePostTime, RaceDate;
    RaceNumbers RaceClass, RaceFirstEntry;
    CheckedArray2D<std::string, 1, limits::races, 1, limits::conditionLines> RaceConditions;
    SurfaceRaceTexts RaceSurface, RaceTrack;

    EntryTexts EntryProgram, EntryName, EntryMorningLine, EntryJockey, EntryTrainer, EntryLastWork;
    EntryNumbers EntryPost, EntryWeight;

    NameList JockeyList, TrainerList;

    // One slot per past race of an entry, in table order.
    PastTexts PastDate, PastTrackRace, PastTrackCond, PastDistSurf, PastSurface;
    PastTexts PastCall1, PastCall2, PastCall3, PastTime, PastNonWinR, PastClass;
    PastNumbers PastWeight, PastClassRating;
    PastTexts PastSpeedFig, PastPost, PastGateBreak, PastLen1, PastLen2, PastStretchLen;
    PastTexts PastFinBeaten, PastJockeyNo, PastJockey, PastOdds, PastFavMark;

    // Slots 1 to 5 rate the past races, slot 6 the last workout; lower is better.
    CheckedArray2D<std::string, 1, limits::entries, 1, limits::ratingSlots> PaceRatings;

    // Per race and post position.
    PostTexts PostName, PostProgram, PostText, PostJockey;

    // The entry that runs under a program number in a race.
    CheckedArray2D<std::int16_t, 1, limits::programRaces, 1, limits::programNumbers> ProgramEntry;
};

// The number of entries of race r: up to the next race's first entry, or for
// the last race of the card up to EntryCount. Nothing when a first entry it
// needs lies beyond the store or the count leaves 16 bits.
std::optional<int> entriesOfRace(const CardStore& store, int race);

// The last entry of race r: the one before the next race's first entry, or
// EntryCount for the card's last race. Nothing when the next race's first
// entry lies beyond the store.
std::optional<int> lastEntryOfRace(const CardStore& store, int race);

} // namespace tallowmere
