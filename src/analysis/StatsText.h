#pragma once

#include "analysis/RoiConfidence.h"

#include <string>
#include <vector>

namespace tallowmere::analysis {

std::vector<std::string> statsHeader();

// A staked bet type's figures as text: name, bets (its races), ROI, the low
// and high of its interval, as the profile shows a ROI, and its longest
// losing run.
std::vector<std::string> statsRow(int type, const RoiConfidence& figures);

} // namespace tallowmere::analysis
