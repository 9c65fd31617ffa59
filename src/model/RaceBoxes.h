#pragma once

#include "model/Form1.h"

namespace tallowmere {

// Stores the shown race's boxes into the record arrays at row CurrentRace: the
// tote board Text57(1..9) into CardPayoffs columns 1 to 9, the selection and
// result boxes Text39(1..8) into CardPicks 1 to 8; and refreshes the caption
// of Label17 from CardPayoffs column 10, which no box edits.
void GetTextBoxData(Form1& form);

// Stores the boxes of the race on screen (shownRace), which then
// becomes CurrentRace. Nothing while no race is shown.
void storeShownRaceBoxes(Form1& form);

// The race header labels of race r: date, purse, conditions, wagering, post
// time, distance and surface, class rating and track.
void showRaceHeader(Form1& form, int race);

// Puts the race header back to rest: no race on screen, no card's track, date
// or track name, and every header label at its resting caption.
void Clear_Frame4(Form1& form);

} // namespace tallowmere
