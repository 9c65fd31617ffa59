#pragma once

#include "model/Form1.h"

namespace tallowmere::analysis {

// The grid on screen that Export writes: the profile's or the card summary's;
// nothing on the other screens.
const Grid* exportableGrid(const Form1& form);

} // namespace tallowmere::analysis
