#pragma once

#include "model/Grid.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tallowmere {

// Row `row` of the card summary grid as the report writes it: the label
// right-aligned in 7, then each cell right-aligned in its column's width, or
// blanks when its number is not above 0. Separator columns add nothing. No line end.
std::string summaryRowText(const Grid& grid, int row);

// Year, month and day of an eight-digit race date "YYYYMMDD"; nothing when
// the text is not such a calendar date.
std::optional<std::array<int, 3>> reportDateOf(std::string_view raceDate);

// The whole of Todays Results.txt: the head (maker, track, the race date in
// the desktop's short form when there is one), the races 1 to raceCount, the
// totals row 21 and the percentages row 22 of the grid.
std::string summaryReportText(const Grid& grid, int raceCount, std::string_view track,
                              const std::optional<std::string>& shortDate);

} // namespace tallowmere
