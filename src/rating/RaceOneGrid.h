#pragma once

#include "model/CardStore.h"
#include "model/Grid.h"

#include <array>
#include <optional>
#include <string>

namespace tallowmere {

// The past-performance grid as the Start run lays out race 1: a race header in
// row 1, then per entry a title row, five past-race rows, a workout row and a
// blank row. (The race display lays a race out its own way.)

// The unit of every race's distance, decided by race 1: "f" when its distance
// is a number of 2 or more, "Mi" otherwise.
std::string distanceUnit(const CardStore& store);

// "RACE: 1", ten blanks, race 1's distance and its unit.
std::string raceOneHeader(const CardStore& store);

// Column 0 of the entry's rows T to T + 5, with their styles.
void writeEntryTitle(Grid& grid, const CardStore& store, int entry, int titleRow);

// Columns 1 to 22 of a past-race row: the past race's values, its class
// rating and weight as numbers, the odds ("##.00") followed by the favourite
// mark. Nothing for a past race beyond the store.
std::optional<std::array<std::string, 22>> pastRaceCells(const CardStore& store, int entry,
                                                         int past);

// Columns 1 to 23 of past race `past` of the entry in `row`; `rating` is the
// rating text of the past race, shown in the rating format.
void writePastRaceRow(Grid& grid, const CardStore& store, int entry, int past, int row,
                      const std::string& rating);

} // namespace tallowmere
