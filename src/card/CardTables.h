#pragma once

#include "card/TableView.h"

#include <filesystem>

namespace tallowmere {

// The five TrackMaster tables a card is read from, under the names of their
// views.
struct CardTables {
    TableView Data1; // THRRDR: past performances, grouped by entry
    TableView Data2; // RACEDR: races, in race order
    TableView Data3; // THRJDR: jockeys
    TableView Data4; // THR2DR: today's entries, in entry-number order
    TableView Data5; // THRTDR: trainers
};

// The card of `folder`; a missing table is an empty view.
CardTables openCardTables(const std::filesystem::path& folder);

} // namespace tallowmere
