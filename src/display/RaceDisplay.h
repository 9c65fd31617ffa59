#pragma once

#include "model/Form1.h"

#include <string>

namespace tallowmere {

// Race button `Index`: stores the shown race's boxes, then shows race Index.
void Command2_Click(Form1& form, int Index);
// "<": the previous race, never below race 1.
void Command5_Click(Form1& form);
// ">": the next race, never above the last.
void Command6_Click(Form1& form);

// Shows race r: its picks and results, race buttons, header, past-performance
// grid (eight rows per entry and ten more), scratch buttons and tote board.
void showRace(Form1& form, int race);

// "RACE: ", the race, nine blanks, its distance and the unit race 1 decides.
std::string raceHeader(const CardStore& store, int race);

} // namespace tallowmere
