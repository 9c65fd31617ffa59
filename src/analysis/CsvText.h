#pragma once

#include "model/Grid.h"

#include <string>
#include <vector>

namespace tallowmere::analysis {

// Rows as RFC 4180 CSV: fields with a comma, a quote or a line break quoted,
// quotes doubled, every record ended by CR LF. The bytes go as given.
std::string csvText(const std::vector<std::vector<std::string>>& rows);

// A grid's rows from row 0 (its header row) to the last row holding text,
// every column, the cells decoded from Windows-1252 to UTF-8.
std::vector<std::vector<std::string>> gridRows(const Grid& grid);

} // namespace tallowmere::analysis
