#pragma once

#include <array>
#include <cstdio>
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

} // namespace tallowmere::testing
