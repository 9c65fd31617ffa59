#pragma once

#include "model/Form1.h"

#include <ostream>

namespace tallowmere {

// `state`: the captions and texts of the race header, the tote board, the
// boxes and the buttons, one Name=text a line; a hidden scratch button prints
// nothing after "=".
void printState(const Form1& form, std::ostream& out);

// `grid N`: every row from row 0, the cells of each separated by TAB.
void printGrid(const Grid& grid, std::ostream& out);

} // namespace tallowmere
