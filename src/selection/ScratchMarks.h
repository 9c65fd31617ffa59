#pragma once

#include "model/Form1.h"

#include <string>

namespace tallowmere {

// Scratches the entry: its six ratings become "99.9", so it sinks below every
// better-rated entry; those the handicapping run gave it are kept for a
// reinstatement. False when it was scratched already.
bool scratchEntry(Form1& form, int entry);

// Entry `entry`, the n-th of the race on screen, shows as scratched: "SCR"
// covers its six rating cells (what they showed is kept) and its scratch
// button says "X".
void showAsScratched(Form1& form, int entry, int n);

// Gives a scratched entry, the n-th of the race on screen, back the ratings
// the handicapping run gave it, uncovers its rating cells and puts its
// program number back on its button.
void reinstateEntry(Form1& form, int entry, int n);

// The rating of a slot as the handicapping run gave it, scratched or not.
std::string ratingBeforeScratch(const Form1& form, int entry, int slot);

// The scratch buttons of the race: one per entry, with its program number, or
// "X" for a scratched entry; the buttons beyond its entries are hidden.
void showScratchButtons(Form1& form, int race);

} // namespace tallowmere
