#pragma once

#include "analysis/CardFigures.h"

#include <array>
#include <utility>
#include <vector>

namespace tallowmere::analysis {

// For each staked bet type, point k (from 0) is the profile's Net Profit over
// the first k + 1 cards, to two decimals as the profile shows it.
using ProfitCurves = std::array<std::vector<double>, stakedTypeCount>;

ProfitCurves profitCurves(const std::vector<CardFigures>& cards);

// The lowest and the highest point of the shown curves, and zero: what the
// profit axis spans.
using ShownCurves = std::array<bool, stakedTypeCount>;
std::pair<double, double> profitRange(const ProfitCurves& curves, const ShownCurves& shown);

// The points of a curve to draw (as k, value), at most `most` of them, evenly
// spread over it: the first and the last always, so the curve still ends at
// the profile's total. A curve of no more points is drawn whole.
std::vector<std::pair<std::size_t, double>> pointsToDraw(const std::vector<double>& curve,
                                                         std::size_t most = 2000);

} // namespace tallowmere::analysis
