#pragma once

#include "model/CardStore.h"
#include "model/ScratchedEntries.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

// The scratch file keeps a card's scratches beside its record file: one CR LF
// line per scratched entry, the race, a comma and the entry's program number
// trimmed ("3,1A"), in race order and within a race in entry order.
std::string scratchFileText(const CardStore& store, const ScratchedEntries& scratched);

struct NamedScratch {
    int race;
    int entry;
};

// The entries a scratch file names, with their races, in its order. A line
// naming a race or a program number the card does not have is skipped.
std::vector<NamedScratch> scratchesNamedIn(const CardStore& store, std::string_view content);

} // namespace tallowmere
