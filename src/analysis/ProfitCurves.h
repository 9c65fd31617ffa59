#pragma once

#include "analysis/CardFigures.h"

#include <array>
#include <vector>

namespace tallowmere::analysis {

// For each staked bet type, point k (from 0) is the profile's Net Profit over
// the first k + 1 cards, to two decimals as the profile shows it.
using ProfitCurves = std::array<std::vector<double>, stakedTypeCount>;

ProfitCurves profitCurves(const std::vector<CardFigures>& cards);

} // namespace tallowmere::analysis
