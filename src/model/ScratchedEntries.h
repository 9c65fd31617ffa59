#pragma once

#include <array>
#include <map>
#include <string>

namespace tallowmere {

// An entry the user scratched: the ratings the handicapping run gave it, which
// a reinstatement gives back, and what its rating cells showed in the race on
// screen before "SCR" covered them.
struct ScratchedEntry {
    std::array<std::string, 6> ratings;
    std::array<std::string, 6> coveredCells;
};

// The scratched entries of the card, by entry index.
using ScratchedEntries = std::map<int, ScratchedEntry>;

} // namespace tallowmere
