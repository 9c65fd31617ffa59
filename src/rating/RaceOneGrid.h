#pragma once

#include "model/CardStore.h"
#include "model/Grid.h"

#include <string>

namespace tallowmere {

// The past-performance grid as the Start run lays out race 1: a race header in
// row 1, then per entry a title row, five past-race rows, a workout row and a
// blank row. (The race display lays a race out its own way.)

// "RACE: 1", ten blanks, race 1's distance and "f" (2 or more) or "Mi".
std::string raceOneHeader(const CardStore& store);

// Column 0 of the entry's rows T to T + 5, with their styles.
void writeEntryTitle(Grid& grid, const CardStore& store, int entry, int titleRow);

// Columns 1 to 23 of past race `past` of the entry in `row`; `rating` is the
// rating text of the past race.
void writePastRaceRow(Grid& grid, const CardStore& store, int entry, int past, int row,
                      const std::string& rating);

} // namespace tallowmere
