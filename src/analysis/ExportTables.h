#pragma once

#include "model/Grid.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tallowmere::analysis {

using Table = std::vector<std::vector<std::string>>;

// The tables Export writes, cell for cell what the grid shows, decoded from
// Windows-1252 and made plain by csvCell: a header row naming every column
// (the first "Race" or "Card", then each column with a heading; the
// separator and unnamed columns are left out), then a row per row in use,
// named in the first column.

// The card summary: a row per race ("1" on), "Total" and "Hit %" (the
// selections' win percentages).
Table summaryTable(const Grid& grid, std::size_t raceCount);

// The betting profile: its totals rows by their labels ("ROI %" for the
// return on investment), the race and selection totals ("31 Race Cards"),
// "Hit %", then a row per race card named by the card.
Table profileTable(const Grid& grid, std::size_t cardCount);

} // namespace tallowmere::analysis
