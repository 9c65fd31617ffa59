#include "card/CardFieldRules.h"

#include "text/Texts.h"

namespace tallowmere {

std::string abbreviatedName(std::string_view name) {
    const auto comma = name.find(',');
    if (comma == std::string_view::npos)
        return text::firstChars(name, 2);
    return text::firstChars(name, comma + 3);
}

std::string morningLine(std::string_view oddsText) {
    if (oddsText.empty() || oddsText.back() != '+')
        return std::string(oddsText);
    oddsText.remove_suffix(1);
    return text::rightAligned(oddsText, 5);
}

std::string favouriteMark(std::string_view favIndicator) {
    return favIndicator == "*" ? "    *" : "     ";
}

} // namespace tallowmere
