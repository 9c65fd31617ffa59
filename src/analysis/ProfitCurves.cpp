#include "analysis/ProfitCurves.h"

namespace tallowmere::analysis {

// Sums as the profile does, so the last point is the profile's own total.
ProfitCurves profitCurves(const std::vector<CardFigures>& cards) {
    ProfitCurves curves;
    for (int type = 0; type < stakedTypeCount; ++type) {
        auto& curve = curves[static_cast<std::size_t>(type)];
        double returned = 0;
        long long races = 0;
        for (const auto& card : cards) {
            returned = addReturn(returned, card.returns[static_cast<std::size_t>(type)]);
            races += card.races;
            curve.push_back(heldAmount(netProfit(type, returned, races)));
        }
    }
    return curves;
}

} // namespace tallowmere::analysis
