#pragma once

#include "analysis/ProfitCurves.h"

#include <string>

namespace tallowmere::analysis {

// The profit curves as a standalone SVG drawing under the title: one line
// per bet type over the cards (a dot for a single card), in its colour and
// dashes, the zero line, the axes' extremes and a legend.
std::string curvesSvg(const ProfitCurves& curves, const std::string& title);

} // namespace tallowmere::analysis
