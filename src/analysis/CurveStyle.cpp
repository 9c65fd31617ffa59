#include "analysis/CurveStyle.h"

#include <array>

namespace tallowmere::analysis {
namespace {

// Yellow, the palest, goes last.
constexpr std::array<const char*, 8> palette = {"#0072B2", "#E69F00", "#009E73", "#D55E00",
                                                "#CC79A7", "#56B4E9", "#000000", "#F0E442"};

} // namespace

const char* curveColour(int type) {
    return palette[static_cast<std::size_t>(type) % palette.size()];
}

bool curveDashed(int type) {
    return static_cast<std::size_t>(type) >= palette.size();
}

std::string curvesTitle(std::string_view profile, std::size_t cards) {
    return "Net profit: " + std::string(profile) + ", " + std::to_string(cards) +
           (cards == 1 ? " card" : " cards");
}

std::size_t cardTickStep(std::size_t cards) {
    constexpr std::size_t most = 8;
    const std::size_t span = cards > 1 ? cards - 1 : 1;
    for (std::size_t base = 1;; base *= 10)
        for (const std::size_t step : {base, 2 * base, 5 * base})
            if (span <= step * most)
                return step;
}

} // namespace tallowmere::analysis
