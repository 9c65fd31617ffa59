#include "analysis/CsvCells.h"

#include "text/Texts.h"

namespace tallowmere::analysis {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits in groups of three after the first, each group behind a comma; the
// digits without the commas, or nothing when they are grouped otherwise.
std::optional<std::string> groupedDigits(std::string_view whole) {
    if (whole.find(',') == std::string_view::npos)
        return std::string(whole);
    std::string digits;
    std::size_t group = 0;
    for (const char c : whole) {
        if (c != ',') {
            digits += c;
            ++group;
            continue;
        }
        if (group == 0 || group > 3 || (digits.size() > group && group != 3))
            return std::nullopt;
        group = 0;
    }
    if (group != 3)
        return std::nullopt;
    return digits;
}

bool allDigits(std::string_view text) {
    for (const char c : text)
        if (!isDigit(c))
            return false;
    return true;
}

} // namespace

std::optional<std::string> plainNumber(std::string_view shown) {
    const std::string trimmed = text::trimmed(shown);
    std::string_view text = trimmed;
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    const auto digits = groupedDigits(whole);
    if (!digits || !allDigits(*digits) || !allDigits(fraction) ||
        (digits->empty() && fraction.empty()))
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
