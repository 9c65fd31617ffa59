#pragma once

#include "DbfWriter.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tallowmere::cardgen {

// The fields of the five TrackMaster tables as this tool writes them.
const std::vector<FieldSpec>& racedrFields();
const std::vector<FieldSpec>& thr2drFields();
const std::vector<FieldSpec>& thrrdrFields();
const std::vector<FieldSpec>& thrjdrFields();
const std::vector<FieldSpec>& thrtdrFields();

// A card's records, table by table, values in the field order above.
struct CardRecords {
    std::vector<TableRecord> races;     // RACEDR
    std::vector<TableRecord> entries;   // THR2DR
    std::vector<TableRecord> pastRaces; // THRRDR
    std::vector<TableRecord> jockeys;   // THRJDR
    std::vector<TableRecord> trainers;  // THRTDR
};

// Writes RACEDR.DBF, THR2DR.DBF, THRRDR.DBF, THRJDR.DBF and THRTDR.DBF into
// `folder` (created when missing).
bool writeCardTables(const CardRecords& card, const std::filesystem::path& folder);

} // namespace tallowmere::cardgen
