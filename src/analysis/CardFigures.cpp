#include "analysis/CardFigures.h"

#include "reports/ProfileColumns.h"
#include "text/Masks.h"
#include "text/Numbers.h"

#include <cmath>

namespace tallowmere::analysis {

using namespace profile;

std::string_view stakedTypeName(int type) {
    return headers[static_cast<std::size_t>(firstReturn + type)];
}

double netProfit(int type, double returned, long long races) {
    const double factor = stakeFactors[static_cast<std::size_t>(type)];
    return returned * factor - 12.0 * static_cast<double>(races);
}

double heldAmount(double amount) {
    return text::numberOf(text::formatNumber(amount, "#######.00"));
}

double addReturn(double total, double next) {
    const double sum = heldAmount(total) + next;
    return std::isfinite(sum) ? sum : total; // a sum too large for a number adds nothing
}

double cardNet(const CardFigures& card, int type) {
    return netProfit(type, card.returns[static_cast<std::size_t>(type)], card.races);
}

} // namespace tallowmere::analysis
