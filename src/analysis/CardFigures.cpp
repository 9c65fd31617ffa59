#include "analysis/CardFigures.h"

#include "reports/ProfileColumns.h"
#include "text/Masks.h"
#include "text/Numbers.h"
#include "text/Texts.h"

#include <algorithm>
#include <cmath>

namespace tallowmere::analysis {
namespace {

using namespace profile;

double fieldValue(std::string_view line, int column) {
    const auto& field = fields[static_cast<std::size_t>(column)];
    return text::finiteNumberOf(text::columnsOf(line, field.first, field.width));
}

// The race date of a stem "   CD_20261205": what follows its "_".
std::string raceDate(std::string_view stem) {
    const auto mark = stem.find('_');
    return mark == std::string_view::npos ? std::string() : std::string(stem.substr(mark + 1));
}

CardFigures figuresOf(std::string_view line) {
    CardFigures card;
    card.stem = text::columnsOf(line, fields[0].first, fields[0].width);
    card.races = std::llround(fieldValue(line, 1));
    for (int k = 0; k < stakedTypeCount; ++k)
        card.returns[static_cast<std::size_t>(k)] = fieldValue(line, firstReturn + k);
    return card;
}

} // namespace

std::string_view stakedTypeName(int type) {
    return headers[static_cast<std::size_t>(firstReturn + type)];
}

std::vector<CardFigures> cardsInDateOrder(const std::vector<std::string_view>& lines) {
    std::vector<CardFigures> cards;
    for (const auto line : lines)
        if (!line.empty())
            cards.push_back(figuresOf(line));
    std::stable_sort(cards.begin(), cards.end(), [](const auto& a, const auto& b) {
        return raceDate(a.stem) < raceDate(b.stem);
    });
    return cards;
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
