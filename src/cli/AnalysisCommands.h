#pragma once

#include "cli/BatchCommands.h"

namespace tallowmere::cli {

// replay FOLDER [--into-archive]: a line per card of the folder; without the
// track list no card is worked and the run fails.
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
