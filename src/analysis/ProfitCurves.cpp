#include "analysis/ProfitCurves.h"

#include <algorithm>
#include <utility>

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

std::pair<double, double> profitRange(const ProfitCurves& curves, const ShownCurves& shown) {
    double low = 0, high = 0;
    for (std::size_t type = 0; type < curves.size(); ++type) {
        if (!shown[type])
            continue;
        for (const double point : curves[type]) {
            low = std::min(low, point);
            high = std::max(high, point);
        }
    }
    return {low, high};
}

std::vector<std::pair<std::size_t, double>> pointsToDraw(const std::vector<double>& curve,
                                                         std::size_t most) {
    std::vector<std::pair<std::size_t, double>> points;
    if (curve.empty() || most < 2)
        return points;
    const std::size_t drawn = std::min(curve.size(), most);
    points.reserve(drawn);
    for (std::size_t i = 0; i < drawn; ++i) {
        // Spread over the curve in whole steps, so the last is its last point.
        const std::size_t k = drawn == 1 ? 0 : i * (curve.size() - 1) / (drawn - 1);
        points.emplace_back(k, curve[k]);
    }
    return points;
}

} // namespace tallowmere::analysis
