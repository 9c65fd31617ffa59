#include "model/ProfileCards.h"

#include <algorithm>
#include <string_view>

namespace tallowmere {
namespace {

std::string_view raceDate(std::string_view stem) {
    const auto mark = stem.find('_');
    return mark == std::string_view::npos ? std::string_view() : stem.substr(mark + 1);
}

} // namespace

std::vector<CardFigures> inDateOrder(std::vector<CardFigures> cards) {
    std::stable_sort(cards.begin(), cards.end(), [](const auto& a, const auto& b) {
        return raceDate(a.stem) < raceDate(b.stem);
    });
    return cards;
}

} // namespace tallowmere
