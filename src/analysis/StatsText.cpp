#include "analysis/StatsText.h"

#include "text/Masks.h"

namespace tallowmere::analysis {
namespace {

// A small ROI keeps its leading zero ("-0.9%"), which is easily missed without.
std::string percent(const std::optional<double>& ratio) {
    return ratio ? text::formatNumber(*ratio, "##0.0%") : "";
}

} // namespace

std::vector<std::string> statsHeader() {
    return {"Bet type", "Bets", "ROI", "Low", "High", "Longest losing run"};
}

std::string fewCardsNote(std::size_t cards) {
    return cards < 10 ? "Fewer than 10 cards: these intervals say little." : "";
}

std::vector<std::string> statsRow(int type, const RoiConfidence& figures) {
    return {std::string(stakedTypeName(type)),
            std::to_string(figures.races),
            percent(figures.roi),
            percent(figures.low),
            percent(figures.high),
            std::to_string(figures.longestLosingRun)};
}

} // namespace tallowmere::analysis
