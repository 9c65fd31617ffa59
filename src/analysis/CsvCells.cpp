#include "analysis/CsvCells.h"

#include "text/Numbers.h"
#include "text/Texts.h"

namespace tallowmere::analysis {

std::optional<std::string> plainNumber(std::string_view shown) {
    const std::string trimmed = text::trimmed(shown);
    std::string_view number = trimmed;
    const bool negative = !number.empty() && number.front() == '-';
    if (negative)
        number.remove_prefix(1);
    const auto point = number.find('.');
    const std::string_view whole = number.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : number.substr(point + 1);
    const auto digits = text::wholeDigits(whole);
    if (!digits || !text::allDigits(fraction) || (digits->empty() && fraction.empty()))
        return std::nullopt;
    std::string plain = (negative ? "-" : "") + (digits->empty() ? "0" : *digits);
    return fraction.empty() ? plain : plain + "." + std::string(fraction);
}

std::string csvCell(std::string_view shown, bool percent) {
    const std::string cell = text::trimmed(shown);
    if (percent && cell.ends_with('%')) {
        // A percentage of nothing (a selection that never won) shows its sign alone.
        const std::string number = text::trimmed(std::string_view(cell).substr(0, cell.size() - 1));
        if (number.empty())
            return number;
        if (const auto plain = plainNumber(number))
            return *plain;
    }
    if (const auto number = plainNumber(cell))
        return *number;
    return csvName(cell);
}

std::string csvName(std::string_view shown) {
    const std::string cell = text::trimmed(shown);
    if (!cell.empty() && std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos)
        return "'" + cell;
    return cell;
}

} // namespace tallowmere::analysis
