#pragma once

#include "app/Replay.h"

#include <string>
#include <vector>

namespace tallowmere {

// The replayed cards as rows for a CSV file a spreadsheet reads: a header row,
// then a row per card with a field of its archive line in each column, named
// as the profile's ("Card", "Races", "S1" to "S4", "Win" to "S1-2-3-4"), then
// the card's subfolder ("Folder") and why it was skipped ("Skipped"), which
// leaves the fields empty.
std::vector<std::vector<std::string>> replayRows(const std::vector<ReplayOutcome>& outcomes);

} // namespace tallowmere
