#pragma once

#include "analysis/CardFigures.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tallowmere::analysis {

// The colour of a bet type's curve, "#rrggbb", the same wherever it is drawn:
// the eight of the Okabe-Ito palette, which colour-blind eyes still tell
// apart; the types past the eighth take the first colours again.
const char* curveColour(int type);

// Whether a bet type's curve is dashed: those that share a colour with an
// earlier type.
bool curveDashed(int type);

// The profit chart's title: "Net profit: All Tracks, 31 cards".
std::string curvesTitle(std::string_view profile, std::size_t cards);

// The whole number of cards between the ticks of the card axis: the least of
// 1, 2, 5, 10, 20, 50, ... that needs at most 8 steps from card 1 to the last.
std::size_t cardTickStep(std::size_t cards);

} // namespace tallowmere::analysis
