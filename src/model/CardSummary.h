#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tallowmere {

// What judging a card found: the summary grid, Todays Results.txt and the
// archive line are made from it.
struct CardSummary {
    struct Race {
        std::array<bool, 4> won{}; // selection S1 to S4 won
        // The payoffs its bets paid, by summary column, in the order written.
        std::vector<std::pair<int, std::string>> returns;
    };
    std::vector<Race> races;   // races 1 on
    std::array<int, 4> wins{}; // in how many races each selection won
    // The totals row (21) as the grid shows it, cells 0 to 28: each
    // selection's wins, then each bet type's payoffs added up, in its mask.
    std::vector<std::string> totalsRow;
};

} // namespace tallowmere
