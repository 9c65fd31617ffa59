#pragma once

#include "analysis/ProfitCurves.h"

#include <string>

namespace tallowmere::analysis {

// The profit curves as a standalone SVG drawing: one polyline per bet type
// over the cards, the zero line, the axes' extremes and a legend.
std::string curvesSvg(const ProfitCurves& curves);

// The colour of a bet type's curve, "#rrggbb", the same wherever it is drawn.
const char* curveColour(int type);

} // namespace tallowmere::analysis
