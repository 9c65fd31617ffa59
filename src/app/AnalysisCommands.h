#pragma once

#include "app/ControlRefusals.h"
#include "app/Replay.h"
#include "card/WorkFolder.h"
#include "model/Form1.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tallowmere {

// Each command returns whether it did its work: false makes a batch run's
// status 1.

// replay FOLDER [--into-archive]: a line per card of the folder; without the
// track list no card is worked.
bool replayCards(Form1& form, const CommandArgs& args, std::ostream& out);

// Tells the user when the track list is missing, which stops a replay before
// it starts; whether it was there.
bool trackListForReplay(Form1& form);

// What adding the replayed cards to the archive did: how many lines went in,
// or why it stopped.
struct ArchivedReplay {
    std::size_t added = 0;
    std::optional<std::string> problem;
};
ArchivedReplay archiveReplayedCards(const WorkFolder& folder,
                                    const std::vector<ReplayOutcome>& outcomes);

// profile-chart SELECTOR FILE.svg: the profile's profit curves, titled with
// its name and its number of cards.
bool writeProfileChart(Form1& form, const CommandArgs& args, std::ostream& out);

// profile-stats SELECTOR: a header, then a TAB-separated line per staked bet
// type: name, bets, ROI, low and high of its 95% interval, longest losing run.
bool printProfileStats(Form1& form, const CommandArgs& args, std::ostream& out);

// export profile|summary FILE: the grid as the commands before left it, as a
// CSV table a spreadsheet reads (analysis/ExportTables.h).
bool exportGrid(Form1& form, const CommandArgs& args, std::ostream& out);
Refusal exportRefusal(const Form1& form, const CommandArgs& args);
// "profile" or "summary": the grid on screen that Export writes (the
// profile's or the card summary's); nothing on the other screens.
std::optional<std::string> exportableGridName(const Form1& form);
// The file name Export offers for the grid on screen, in UTF-8: the card
// summary's "CT_20261205 summary.csv", the profile's "profile All Tracks.csv",
// "profile CT.csv" or "profile size 1-2.csv" (a slash or backslash becomes "-").
std::string suggestedExportName(const Form1& form);

// Why `bytes` could not be written to `file` ("Cannot write FILE: REASON", or
// that it is no regular file), or nothing when they were.
std::optional<std::string> writeProblem(const std::filesystem::path& file,
                                        const std::string& bytes);

} // namespace tallowmere
