#pragma once

#include "SyntheticCard.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tallowmere::cardgen {

// The tracks a season's cards take in turn, of three track sizes.
const std::vector<std::string>& seasonTracks();

// The request of the season's card `index` (from 0): the next track in turn,
// the day after the previous card, a seed of its own.
CardRequest seasonCardRequest(const CardRequest& first, int index);

// The YYYYMMDD date `days` days after `date`.
std::string daysAfter(const std::string& date, int days);

// Writes `cards` cards into subfolders card-001, card-002, … of `out`, each
// with its five tables and its results chart, and DIR/TrackEditor.ini of the
// season's tracks. False when a file could not be written.
bool writeSeason(const CardRequest& first, int cards, const std::filesystem::path& out);

} // namespace tallowmere::cardgen
