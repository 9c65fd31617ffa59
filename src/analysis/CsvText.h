#pragma once

#include <string>
#include <vector>

namespace tallowmere::analysis {

// Rows as RFC 4180 CSV: fields with a comma, a quote or a line break quoted,
// quotes doubled, every record ended by CR LF. The bytes go as given.
std::string csvText(const std::vector<std::vector<std::string>>& rows);

} // namespace tallowmere::analysis
