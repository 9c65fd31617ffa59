#pragma once

#include "model/CardSummary.h"
#include "model/RecordArrays.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

// One race as the summary judges it: the selections S1 to S4 and the
// finishers R1 to R4, program numbers as texts.
struct RaceOutcome {
    std::array<std::string, 4> selections;
    std::array<std::string, 4> finishers;
};

// A payoff that a bet type paid: the summary grid's column and the race's
// CardPayoffs column whose text it gets.
struct PayoffWrite {
    int column;
    int payoff;
    friend bool operator==(const PayoffWrite&, const PayoffWrite&) = default;
};

struct RaceHits {
    // Selection k won (and is a horse, not an empty or zero pick).
    std::array<bool, 4> won{};
    // In the order the grid is written; a column may be written twice (a
    // coupled entry first and second), and each write counts in its total.
    std::vector<PayoffWrite> payouts;
    friend bool operator==(const RaceHits&, const RaceHits&) = default;
};

// Which bets on the four selections paid. Program numbers compare by their
// leading number, so "1" and "1A" are the same horse; only the second way of
// "S2/1-3-4" compares the texts.
RaceHits judgeRace(const RaceOutcome& race);

// Every race of the card, 1 to `raceCount`, judged on its picks; each bet
// that paid writes the race's payoff, when it has a payoff row, and adds it to
// its column's total.
CardSummary judgeCard(const RecordArrays& records, int raceCount);

// What a payoff adds to its column's total: its amount when it is one that
// may be recorded ("1,234.50" is 1234.5), else nothing, as for a payoff typed
// wrong.
double payoffAmount(std::string_view payoff);

} // namespace tallowmere
