#pragma once

#include "model/Form1.h"

namespace tallowmere {

// Scratch button `Index`: after the user confirms, the Index-th entry of the
// race shown is marked "SCR" in the grid, all its ratings become "99.9" (it
// sinks below every better-rated entry) and the race is re-ranked. On a
// scratched entry ("X") the button reinstates it: its ratings come back and
// the race is re-ranked again. Either way the card's scratch file and record
// file are saved.
void Command3_Click(Form1& form, int Index);

// Re-ranks the race ScratchRace: picks, selection lines (the rating right
// after the jockey) and the selection boxes; the key selections and their file
// keep what the handicapping run wrote.
void TOP_FOUR_SCRATCH(Form1& form);

// The selection lines of race `race` as a scratch leaves them, ranked on the
// ratings as they stand; the picks stay as they are.
void storeScratchedSelectionLines(Form1& form, int race);

} // namespace tallowmere
