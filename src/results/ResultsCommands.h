#pragma once

#include "model/Form1.h"

namespace tallowmere {

// Tools > Auto Record: checks that the card's results chart belongs to the
// active card, records its finishers and payoffs into CardPicks and
// CardPayoffs, and shows the results of the race on screen.
void EBET_Click(Form1& form);

// Tools > Results: shows the card's results chart in the text viewer.
void Results_Click(Form1& form);

} // namespace tallowmere
