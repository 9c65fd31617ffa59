#pragma once

#include "analysis/RoiConfidence.h"

#include <string>
#include <vector>

namespace tallowmere::analysis {

std::vector<std::string> statsHeader();

// The warning that goes with the intervals of too few cards; nothing for
// enough of them.
std::string fewCardsNote(std::size_t cards);

// A staked bet type's figures as text: name, bets (its races), ROI, the low
// and high of its interval, as percentages to one decimal, and its longest
// losing run.
std::vector<std::string> statsRow(int type, const RoiConfidence& figures);

} // namespace tallowmere::analysis
