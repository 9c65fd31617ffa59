#pragma once

#include "model/Form1.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tallowmere {

// The active card's results chart: Results/ followed by ActiveCardFile up to
// and including its first "." and "pmr".
std::filesystem::path resultsChartPath(const Form1& form);
// The card's comma-delimited chart in Results under its day name.
std::filesystem::path chartCsvPath(const Form1& form);
// The results file Auto Record reads: the text chart or the chart file, the
// one changed last when both are there; nothing when neither is.
std::optional<std::filesystem::path> resultsFileToRead(const Form1& form);
// `No results chart for this card: "<text chart>" or "<chart file>"`.
void tellNoResultsChart(Form1& form);
// Whether the file is too large for a chart, which the user is then told.
bool tooLargeForAChart(Form1& form, const std::filesystem::path& path);
// The two messages of a chart for another card: nothing is recorded.
void refuseChart(Form1& form, const std::string& cardStem, const std::string& chartIdentity);
// `"<path>" is not a chart in the vendor's comma-delimited layout: ...`.
void tellNotAChartCsv(Form1& form, const std::filesystem::path& path);

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
