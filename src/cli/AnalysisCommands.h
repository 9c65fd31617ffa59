#pragma once

#include "cli/BatchCommands.h"

namespace tallowmere::cli {

// Each returns whether it did its work: false makes the run's status 1.

// replay FOLDER [--into-archive]: a line per card of the folder; without the
// track list no card is worked.
bool replayCards(Form1& form, const Args& args, std::ostream& out);

// profile-chart SELECTOR FILE.svg: the profile's profit curves.
bool writeProfileChart(Form1& form, const Args& args, std::ostream& out);

// profile-stats SELECTOR: a header, then a TAB-separated line per staked bet
// type: name, bets, ROI, low and high of its 95% interval, longest losing run.
bool printProfileStats(Form1& form, const Args& args, std::ostream& out);

// export profile|summary FILE: the grid as the commands before left it, as CSV.
bool exportGrid(Form1& form, const Args& args, std::ostream& out);
Refusal exportRefusal(const Form1& form, const Args& args);

} // namespace tallowmere::cli
