#pragma once

#include "model/Form1.h"

namespace tallowmere {

// File > View KEY Entries: shows the active card's key-selections file.
void Pick3_Click(Form1& form);

} // namespace tallowmere
