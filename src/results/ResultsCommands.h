#pragma once

#include "model/Form1.h"

#include <filesystem>

namespace tallowmere {

// Tools > Auto Record: checks that the card's results chart belongs to the
// active card, records its finishers and payoffs into CardPicks and
// CardPayoffs, and shows the results of the race on screen.
void EBET_Click(Form1& form);

// Tools > Results: shows the card's results chart in the text viewer.
void Results_Click(Form1& form);

// Tools > Import Chart: checks the chosen chart (a comma-delimited chart file
// or a text chart) against the active card, copies it into Results under the
// name Auto Record looks for, and runs Auto Record. False when the copy could
// not be written.
bool ImportChart_Click(Form1& form, const std::filesystem::path& file);

} // namespace tallowmere
