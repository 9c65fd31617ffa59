#include "reports/SummaryHits.h"

#include <gtest/gtest.h>

using namespace tallowmere;

namespace {

struct HitCase {
    const char* name;
    RaceOutcome race;
    std::array<bool, 4> won;
    std::vector<PayoffWrite> payouts;
};

} // namespace

TEST(SummaryHits, JudgesEveryBetOfARace) {
    const HitCase cases[] = {
        {"S2 wins, S1 second: exactas in any order and the second way of S2/1-3-4",
         {{"5", "3", "7", "1"}, {"3", "5", "1", "7"}},
         {false, true, false, false},
         {{12, 4}, {13, 5}, {16, 7}, {18, 7}, {19, 7}, {27, 9}, {28, 9}}},
        {"S1 wins over S3, S4, S2: every superfecta type once",
         {{"1", "2", "3", "4"}, {"1", "3", "4", "2"}},
         {true, false, false, false},
         {{11, 1},
          {12, 2},
          {13, 3},
          {17, 7},
          {18, 7},
          {19, 7},
          {23, 8},
          {26, 9},
          {27, 9},
          {28, 9}}},
        {"a coupled entry 1A is the selection 1",
         {{"1", "2", "3", "4"}, {"1A", "2", "3", "4"}},
         {true, false, false, false},
         {{11, 1},
          {12, 2},
          {13, 3},
          {15, 7},
          {16, 7},
          {17, 7},
          {18, 7},
          {19, 7},
          {22, 8},
          {23, 8},
          {24, 8},
          {26, 9},
          {27, 9},
          {28, 9}}},
        {"S2 wins as 1A: the second way of S2/1-3-4 compares texts",
         {{"5", "1", "3", "4"}, {"1A", "5", "3", "4"}},
         {false, true, false, false},
         {{12, 4}, {13, 5}, {16, 7}, {18, 7}, {19, 7}, {24, 8}}},
        {"S2 wins as 1 itself",
         {{"5", "1", "3", "4"}, {"1", "5", "3", "4"}},
         {false, true, false, false},
         {{12, 4}, {13, 5}, {16, 7}, {18, 7}, {19, 7}, {24, 8}, {27, 9}, {28, 9}}},
        {"S3 or S4 first and the rest among the four: S1-2-3-4 only",
         {{"5", "1", "3", "4"}, {"4", "3", "1", "5"}},
         {false, false, false, true},
         {{19, 7}, {28, 9}}},
        {"S1 third: show only",
         {{"6", "1", "3", "4"}, {"8", "9", "6", "2"}},
         {false, false, false, false},
         {{13, 6}}},
        {"a coupled entry first and second: place and show are written twice",
         {{"1", "2", "3", "4"}, {"1", "1A", "9", "8"}},
         {true, false, false, false},
         {{11, 1}, {12, 2}, {13, 3}, {12, 4}, {13, 5}, {16, 7}, {18, 7}, {19, 7}}},
        {"no selection in the first four",
         {{"5", "6", "7", "8"}, {"1", "2", "3", "4"}},
         {false, false, false, false},
         {}},
    };
    for (const HitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const RaceHits hits = judgeRace(c.race);
        EXPECT_EQ(hits.won, c.won);
        EXPECT_EQ(hits.payouts, c.payouts);
    }
}

TEST(SummaryHits, AnEmptyOrZeroSelectionThatMatchesNeverWins) {
    const RaceHits hits = judgeRace({{"", "0", "3", "4"}, {"", "", "", ""}});
    EXPECT_EQ(hits.won, (std::array<bool, 4>{false, false, false, false}));
}

TEST(SummaryHits, PayoffAmountsReadThousandsSeparators) {
    const std::pair<const char*, double> cases[] = {
        {"1,234.50", 1234.5},
        {"12,345,678.00", 12345678.0},
        {"12.40", 12.4},
        {" 7.20", 7.2},
        {"", 0.0},
        {"1,23", 1.0},
        {"1,2345", 1.0},
        {",123", 0.0},
    };
    for (const auto& [payoff, amount] : cases)
        EXPECT_EQ(payoffAmount(payoff), amount) << payoff;
}
