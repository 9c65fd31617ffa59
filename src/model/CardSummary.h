#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tallowmere {

// The columns of the card summary that total a bet type's payoffs.
inline constexpr std::array<int, 14> summaryTotalColumns = {11, 12, 13, 15, 16, 17, 18,
                                                            19, 22, 23, 24, 26, 27, 28};

// What judging a card found: the summary grid, Todays Results.txt and the
// archive line are made from it.
struct CardSummary {
    struct Race {
        std::array<bool, 4> won{}; // selection S1 to S4 won
        // The payoffs its bets paid, by summary column, in the order written.
        std::vector<std::pair<int, std::string>> returns;
    };
    int raceCount = 0;
    std::vector<Race> races;         // races 1 to raceCount
    std::array<int, 4> wins{};       // in how many races each selection won
    std::array<double, 29> totals{}; // each column's payoffs added up
};

// A total of the totals row in its column's mask ("####.#0" for win, place and
// show, wider for the exotic bets).
std::string summaryTotalText(int column, double total);

// The totals row (21) of the summary grid, cells 0 to 28: each selection's
// wins, then each bet type's total.
std::vector<std::string> summaryTotalsRow(const CardSummary& summary);

} // namespace tallowmere
