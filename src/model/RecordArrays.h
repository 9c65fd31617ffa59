#pragma once

#include "model/CheckedArray.h"

#include <string>

namespace tallowmere {

namespace limits {
inline constexpr int pickRaces = 25;
inline constexpr int payoffRaces = 20;
inline constexpr int recordColumns = 20;
inline constexpr int savedPickColumns = 8;    // S1 to S4, then R1 to R4
inline constexpr int savedPayoffColumns = 10; // nine payoffs, then the Label17 text
} // namespace limits

// Per race: the four selections (columns 1 to 4) and the first four finishers
// (5 to 8), as program numbers. Row 0 and column 0 are never used.
using CardPicksArray = CheckedArray2D<std::string, 0, limits::pickRaces, 0, limits::recordColumns>;

// Per race: win, place and show of the winner, place and show of the second,
// show of the third, exacta, trifecta, superfecta (columns 1 to 9), and the
// caption of the tote-board label (10).
using CardPayoffsArray =
    CheckedArray2D<std::string, 0, limits::payoffRaces, 0, limits::recordColumns>;

// What a card keeps of its selections and results between runs of the program.
struct RecordArrays {
    CardPicksArray CardPicks;
    CardPayoffsArray CardPayoffs;
    friend bool operator==(const RecordArrays&, const RecordArrays&) = default;
};

} // namespace tallowmere
