#pragma once

#include <string>

namespace tallowmere::testing {

// An archive line as the Record button writes it, of a card whose S1 won one
// race and whose only money came from the Win bet.
inline std::string winOnlyLine(const std::string& code, const std::string& date, int races,
                               const std::string& win) {
    const auto right = [](const std::string& text, std::size_t n) {
        return std::string(n > text.size() ? n - text.size() : 0, ' ') + text;
    };
    std::string line = right(code, 5) + "_" + date + right(std::to_string(races), 3) +
                       "    1    0    0    0" + right(win, 9);
    for (int k = 1; k < 14; ++k)
        line += right(".00", k < 11 ? 9 : 10);
    return line;
}

} // namespace tallowmere::testing
