#pragma once

#include "model/Form1.h"

#include <filesystem>

namespace tallowmere {

// The active card's results chart: Results/ followed by ActiveCardFile up to
// and including its first "." and "pmr".
std::filesystem::path resultsChartPath(const Form1& form);

// The display step of Auto Record: the race on screen (the race of Label8)
// shows its finishers in Text39(5..8) and its payoffs, trimmed of blanks in
// place in CardPayoffs, in Text57(1..9). Nothing while no race is shown.
void showRecordedResults(Form1& form);

} // namespace tallowmere
