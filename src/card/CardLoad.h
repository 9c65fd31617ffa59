#pragma once

#include "card/CardTables.h"
#include "model/CardStore.h"

#include <functional>
#include <string>

namespace tallowmere {

// Told of each entry's program number the moment it is stored, so the window
// can caption the entry's scratch button while the load runs.
struct CardLoadObserver {
    std::function<void(int entry, const std::string& program)> entryProgramStored;
};

// The card's race count: the RACE of the last race record whose RACE is a
// whole number, 0 when none is. The view is left at its first record.
int raceCountOf(TableView& races);

// Copies a card from its five tables into a fresh store, in the order the
// tables are always read: entry count, races, jockeys, trainers, first entries,
// entries, past performances. A value that cannot be converted or stored is
// skipped and its slot keeps what it had. The views are left at their ends.
CardStore loadCardStore(CardTables& tables, const CardLoadObserver& observer = {});

} // namespace tallowmere
