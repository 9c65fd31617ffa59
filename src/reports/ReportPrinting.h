#pragma once

#include "model/Form1.h"

#include <string>

namespace tallowmere {

// Profile Results.txt: the header, then a row line (ended by CR CR LF) for
// each row 1 to `lastRow` of the profile grid, cells of columns 0 to 19. The
// percentages row is marked "Win Pct"; `spaced` sets it off with an empty line
// before and after.
std::string profileResultsText(const Grid& profile, int lastRow, bool spaced);

// Tools > Print: the card summary's report when the summary is on screen,
// else a short profile file when the profile is.
void Print1_Click(Form1& form);

// Tools > Print Profile: the profile, rows 1 to 500.
void Print2_Click(Form1& form);

} // namespace tallowmere
