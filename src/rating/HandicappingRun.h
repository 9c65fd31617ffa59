#pragma once

#include "model/Form1.h"

namespace tallowmere {

// The Start button: locks the menus, loads the card store from the card's
// tables and puts race 1 on screen.
void Command1_Click(Form1& form);

} // namespace tallowmere
