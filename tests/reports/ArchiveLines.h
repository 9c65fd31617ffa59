#pragma once

#include <array>
#include <string>

namespace tallowmere::testing {

// An archive line as the Record button writes it: stem, races, the four win
// counts, eleven returns of nine characters and three of ten.
inline std::string archiveLine(const std::string& code, const std::string& date, int races,
                               const std::array<int, 4>& wins,
                               const std::array<std::string, 14>& returns) {
    const auto right = [](const std::string& text, std::size_t n) {
        return std::string(n > text.size() ? n - text.size() : 0, ' ') + text;
    };
    std::string line = right(code, 5) + "_" + date + right(std::to_string(races), 3);
    for (int count : wins)
        line += right(std::to_string(count), 5);
    for (std::size_t k = 0; k < returns.size(); ++k)
        line += right(returns[k], k < 11 ? 9 : 10);
    return line;
}

// A card with the given races and Win return, every other field empty of money.
inline std::string winOnlyLine(const std::string& code, const std::string& date, int races,
                               const std::string& win) {
    std::array<std::string, 14> returns;
    returns.fill(".00");
    returns[0] = win;
    return archiveLine(code, date, races, {1, 0, 0, 0}, returns);
}

} // namespace tallowmere::testing
