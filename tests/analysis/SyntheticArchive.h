#pragma once

#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace tallowmere::testing {

// An archive line with the given returns in the fourteen return fields.
inline std::string archiveLineOf(const std::string& code, const std::string& date, int races,
                                 const std::array<double, 14>& returns) {
    char head[64];
    std::snprintf(head, sizeof head, "%5s_%s%3d%5d%5d%5d%5d", code.c_str(), date.c_str(), races, 1,
                  0, 0, 0);
    std::string line = head;
    for (std::size_t k = 0; k < returns.size(); ++k) {
        char field[16];
        std::snprintf(field, sizeof field, k < 11 ? "%9.2f" : "%10.2f", returns[k]);
        line += field;
    }
    return line + "  x";
}

// `cards` lines of cards on consecutive days of 2026 (day of year as the
// date's last digits), each with 8 races and returns that are mostly nothing
// and sometimes a long price, drawn from `seed`.
inline std::vector<std::string> syntheticArchive(int cards, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> price(0, 60);
    std::vector<std::string> lines;
    for (int i = 0; i < cards; ++i) {
        std::array<double, 14> returns{};
        for (auto& value : returns)
            value = random() % 3 == 0 ? std::round(price(random) * 100) / 100 : 0;
        lines.push_back(archiveLineOf("CD", "2026" + std::to_string(1000 + i), 8, returns));
    }
    return lines;
}

} // namespace tallowmere::testing
