#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tallowmere {

// A past card: a subfolder holding its TrackMaster tables and results chart.
struct SeasonCard {
    std::string subfolder;
    std::filesystem::path folder;
    std::string raceDate;   // of its RACEDR table, YYYYMMDD
    std::string unreadable; // why the subfolder could not be looked at, or empty
};

// What replaying a card gave: the archive line Record wrote, or why the card
// was skipped.
struct ReplayOutcome {
    std::string subfolder;
    std::optional<std::string> archiveLine;
    std::string skipReason;
};

// The subfolders of `folder` in the order of their race dates, those of one
// date by name.
std::vector<SeasonCard> seasonCards(const std::filesystem::path& folder);

// Works the card as a user would, in the fresh data root `scratchRoot` with a
// copy of `trackEditorIni`: Start, Auto Record, the summary and Record.
ReplayOutcome replayCard(const SeasonCard& card, const std::filesystem::path& trackEditorIni,
                         const std::filesystem::path& scratchRoot);

// Without the track list every card would be refused or rated without speed
// values, so no card is worked: what the user is told instead, or nothing.
std::optional<std::string> missingTrackList(const std::filesystem::path& trackEditorIni);

// Told after each card how many are done of how many; false stops the replay.
using ReplayProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Replays every card of the season in date order, each in its own scratch
// data root under the system's temporary folder; nothing else is written.
// Nothing is replayed without the track list.
std::vector<ReplayOutcome> replaySeason(const std::filesystem::path& folder,
                                        const std::filesystem::path& trackEditorIni,
                                        const ReplayProgress& progress = {});

// The line the batch front end prints for a card.
std::string replayReport(const ReplayOutcome& outcome);

// The replayed lines whose card (its first 14 characters) the archive does
// not already hold, in replay order.
std::vector<std::string> linesNotArchived(const std::vector<ReplayOutcome>& outcomes,
                                          const std::vector<std::string>& archive);

} // namespace tallowmere
