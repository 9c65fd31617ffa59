#pragma once

#include "card/TableView.h"

#include <filesystem>
#include <string_view>

namespace tallowmere {

// The five tables of a card, under the names they are kept by in the
// TrackMaster folder.
inline constexpr std::string_view cardTableFiles[] = {"RACEDR.DBF", "THR2DR.DBF", "THRRDR.DBF",
                                                      "THRJDR.DBF", "THRTDR.DBF"};

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
