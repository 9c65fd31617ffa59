#pragma once

#include "model/Form1.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tallowmere {

// The active card's results chart: Results/ followed by ActiveCardFile up to
// and including its first "." and "pmr".
std::filesystem::path resultsChartPath(const Form1& form);
// `No results chart for this card: "<path>"`.
void tellNoResultsChart(Form1& form, const std::filesystem::path& chart);

// The display step of Auto Record: the race on screen (shownRace)
// shows its finishers in Text39(5..8) and its payoffs, trimmed of blanks in
// place in CardPayoffs, in Text57(1..9). Nothing while no race is shown.
void showRecordedResults(Form1& form);

// A line per scratched entry among the first four finishers of a race:
// "Race 3: 5 Wild Falcon, scratched here, finished 1st.", in race order and
// then finishing order.
std::vector<std::string> scratchedFinisherLines(const CardStore& store,
                                                const ScratchedEntries& scratched,
                                                const CardPicksArray& picks);

} // namespace tallowmere
