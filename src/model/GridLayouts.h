#pragma once

#include "model/Grid.h"

namespace tallowmere {

// The past-performance grid's column headers (row 0) and widths.
void layOutPastPerformanceGrid(Grid& grid);

// The card summary grid: race labels, "PCT", headers, widths, row heights and
// right-aligned cells.
void layOutCardSummaryGrid(Grid& grid);

} // namespace tallowmere
