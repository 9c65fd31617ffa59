#include "reports/SummaryHits.h"

#include "text/Masks.h"
#include "text/Numbers.h"

#include <algorithm>
#include <initializer_list>

namespace tallowmere {
namespace {

using Positions = std::initializer_list<int>;

// The bets of consecutive columns from `firstColumn` that hit get payoff `payoff`.
template <std::size_t N>
void pay(RaceHits& hits, int firstColumn, const bool (&bets)[N], int payoff) {
    for (std::size_t i = 0; i < N; ++i)
        if (bets[i])
            hits.payouts.push_back({firstColumn + static_cast<int>(i), payoff});
}

// Asks of one race whether finisher Ri is one of the selections Sk; positions
// count from 1.
class RaceView {
  public:
    explicit RaceView(const RaceOutcome& race) : race_(race) {}

    const std::string& S(int k) const { return race_.selections[k - 1]; }
    const std::string& R(int i) const { return race_.finishers[i - 1]; }

    bool is(int finisher, int pick) const {
        return text::numberOf(R(finisher)) == text::numberOf(S(pick));
    }
    bool among(int finisher, Positions picks) const {
        return std::any_of(picks.begin(), picks.end(), [&](int k) { return is(finisher, k); });
    }
    bool allAmong(Positions finishers, Positions picks) const {
        return std::all_of(finishers.begin(), finishers.end(),
                           [&](int i) { return among(i, picks); });
    }
    bool allAmongAsTexts(Positions finishers, Positions picks) const {
        return std::all_of(finishers.begin(), finishers.end(), [&](int i) {
            return std::any_of(picks.begin(), picks.end(), [&](int k) { return R(i) == S(k); });
        });
    }

  private:
    const RaceOutcome& race_;
};

// Win, place and show are bets on S1 alone.
void judgeWinPlaceShow(const RaceView& race, RaceHits& hits) {
    if (race.is(1, 1)) {
        hits.won[0] = text::numberOf(race.S(1)) > 0;
        hits.payouts.insert(hits.payouts.end(), {{11, 1}, {12, 2}, {13, 3}});
    }
    for (int k = 2; k <= 4; ++k)
        hits.won[k - 1] = race.is(1, k) && text::numberOf(race.S(k)) > 0;
    if (race.is(2, 1))
        hits.payouts.insert(hits.payouts.end(), {{12, 4}, {13, 5}});
    if (race.is(3, 1))
        hits.payouts.push_back({13, 6});
}

void judgeExactas(const RaceView& race, RaceHits& hits) {
    const bool bets[] = {
        race.is(1, 1) && race.is(2, 2),         race.allAmong({1, 2}, {1, 2}),
        race.is(1, 1) && race.among(2, {2, 3}), race.allAmong({1, 2}, {1, 2, 3}),
        race.allAmong({1, 2}, {1, 2, 3, 4}),
    };
    pay(hits, 15, bets, 7);
}

void judgeTrifectas(const RaceView& race, RaceHits& hits) {
    const bool bets[] = {
        race.is(1, 1) && race.allAmong({2, 3}, {2, 3}),
        race.is(1, 1) && race.allAmong({2, 3}, {2, 3, 4}),
        race.allAmong({1, 2, 3}, {1, 2, 3}),
    };
    pay(hits, 22, bets, 8);
}

// Each superfecta type covers the one before it, so a hit pays every later type too.
void judgeSuperfectas(const RaceView& race, RaceHits& hits) {
    const bool oneOverTheRest = race.is(1, 1) && race.allAmong({2, 3, 4}, {2, 3, 4});
    const bool twoOverTheRest =
        oneOverTheRest || (race.R(1) == race.S(2) && race.allAmongAsTexts({2, 3, 4}, {1, 3, 4}));
    const bool anyOrder =
        twoOverTheRest || (race.among(1, {3, 4}) && race.allAmong({2, 3, 4}, {1, 2, 3, 4}));
    const bool bets[] = {oneOverTheRest, twoOverTheRest, anyOrder};
    pay(hits, 26, bets, 9);
}

RaceOutcome outcomeOf(const CardPicksArray& picks, int race) {
    RaceOutcome outcome;
    for (int k = 1; k <= 4; ++k) {
        outcome.selections[k - 1] = picks.valueAt(race, k);
        outcome.finishers[k - 1] = picks.valueAt(race, 4 + k);
    }
    return outcome;
}

// Row 21: each selection's wins, then each bet type's total in its column's
// mask, narrower for win, place and show.
std::vector<std::string> totalsRowOf(const std::array<int, 4>& wins,
                                     const std::array<double, 29>& totals) {
    std::vector<std::string> row(29);
    for (int k = 1; k <= 4; ++k)
        row[k] = std::to_string(wins[k - 1]);
    for (int c : {11, 12, 13, 15, 16, 17, 18, 19, 22, 23, 24, 26, 27, 28})
        row[c] = text::formatNumber(totals[c], c <= 13   ? "####.#0"
                                               : c <= 19 ? "#####.#0"
                                                         : "######.#0");
    return row;
}

} // namespace

double payoffAmount(std::string_view payoff) {
    return text::recordablePayoff(payoff).value_or(0);
}

RaceHits judgeRace(const RaceOutcome& outcome) {
    const RaceView race(outcome);
    RaceHits hits;
    judgeWinPlaceShow(race, hits);
    judgeExactas(race, hits);
    judgeTrifectas(race, hits);
    judgeSuperfectas(race, hits);
    return hits;
}

CardSummary judgeCard(const RecordArrays& records, int raceCount) {
    CardSummary summary;
    std::array<double, 29> totals{};
    for (int race = 1; race <= raceCount; ++race) {
        const RaceHits hits = judgeRace(outcomeOf(records.CardPicks, race));
        CardSummary::Race& judged = summary.races.emplace_back();
        judged.won = hits.won;
        for (int k = 0; k < 4; ++k)
            summary.wins[k] += hits.won[k];
        for (const PayoffWrite& write : hits.payouts)
            if (const auto payoff = records.CardPayoffs.at(race, write.payoff)) {
                judged.returns.emplace_back(write.column, *payoff);
                totals[write.column] += payoffAmount(*payoff);
            }
    }
    summary.totalsRow = totalsRowOf(summary.wins, totals);
    return summary;
}

} // namespace tallowmere
