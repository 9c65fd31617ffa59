#pragma once

#include "model/CardSummary.h"
#include "model/Grid.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

// A row of the card summary, cells 0 to 28, as the report writes it: the label
// right-aligned in 7, then each cell right-aligned in its column's width, or
// blanks when its number is not above 0. Separator columns add nothing. No line end.
std::string summaryRowText(const std::vector<std::string>& cells);

// Year, month and day of an eight-digit race date "YYYYMMDD"; nothing when
// the text is not such a calendar date.
std::optional<std::array<int, 3>> reportDateOf(std::string_view raceDate);

// The whole of Todays Results.txt: the head (maker, track, the race date in
// the desktop's short form when there is one), the summary's races as the grid
// shows them (a cell this summary left alone shows an earlier one's), its
// totals and the grid's percentages row 22.
std::string summaryReportText(const Grid& grid, const CardSummary& summary, std::string_view track,
                              const std::optional<std::string>& shortDate);

} // namespace tallowmere
