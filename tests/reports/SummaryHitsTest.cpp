#include "reports/SummaryHits.h"

#include <gtest/gtest.h>

using namespace tallowmere;

namespace {

// "won" and a digit per selection S1 to S4, then column:payoff for each write.
std::string described(const RaceHits& hits) {
    std::string text = "won ";
    for (bool won : hits.won)
        text += won ? '1' : '0';
    for (const auto& [column, payoff] : hits.payouts)
        text += " " + std::to_string(column) + ":" + std::to_string(payoff);
    return text;
}

} // namespace

TEST(SummaryHits, JudgesEveryBetOfARace) {
    const std::tuple<const char*, RaceOutcome, const char*> cases[] = {
        {"S2 wins, S1 second: exactas in any order, the second way of S2/1-3-4",
         {{"5", "3", "7", "1"}, {"3", "5", "1", "7"}},
         "won 0100 12:4 13:5 16:7 18:7 19:7 27:9 28:9"},
        {"S1 over S3, S4, S2: every superfecta type pays once",
         {{"1", "2", "3", "4"}, {"1", "3", "4", "2"}},
         "won 1000 11:1 12:2 13:3 17:7 18:7 19:7 23:8 26:9 27:9 28:9"},
        {"the coupled entry 1A is the selection 1",
         {{"1", "2", "3", "4"}, {"1A", "2", "3", "4"}},
         "won 1000 11:1 12:2 13:3 15:7 16:7 17:7 18:7 19:7 22:8 23:8 24:8 26:9 27:9 28:9"},
        {"S2 wins as 1A: the second way of S2/1-3-4 compares texts",
         {{"5", "1", "3", "4"}, {"1A", "5", "3", "4"}},
         "won 0100 12:4 13:5 16:7 18:7 19:7 24:8"},
        {"S2 wins as 1",
         {{"5", "1", "3", "4"}, {"1", "5", "3", "4"}},
         "won 0100 12:4 13:5 16:7 18:7 19:7 24:8 27:9 28:9"},
        {"S4 first, the rest among the four: S1-2-3-4 alone",
         {{"5", "1", "3", "4"}, {"4", "3", "1", "5"}},
         "won 0001 19:7 28:9"},
        {"a coupled entry first and second: place and show written twice",
         {{"1", "2", "3", "4"}, {"1", "1A", "9", "8"}},
         "won 1000 11:1 12:2 13:3 12:4 13:5 16:7 18:7 19:7"},
        {"S1 third", {{"6", "1", "3", "4"}, {"8", "9", "6", "2"}}, "won 0000 13:6"},
        {"an empty or zero selection never wins; empty results match it",
         {{"", "0", "3", "4"}, {"", "", "", ""}},
         "won 0000 11:1 12:2 13:3 12:4 13:5 13:6 15:7 16:7 17:7 18:7 19:7 22:8 23:8 24:8 26:9 "
         "27:9 28:9"},
    };
    for (const auto& [name, race, hits] : cases)
        EXPECT_EQ(described(judgeRace(race)), hits) << name;
}

TEST(SummaryHits, PayoffAmountsReadThousandsSeparators) {
    const std::pair<const char*, double> cases[] = {
        {"1,234.50", 1234.5},
        {"9,999,999.99", 9999999.99},
        {"12.40", 12.4},
        {" 7.20", 7.2},
        {"   .50", 0.5},
        {"1234", 1234.0},
        {"", 0.0},
        {"10,000,000.00", 0.0},
        {"1e308", 0.0},
        {"-5.00", 0.0},
        {"5.", 0.0},
        {"5.123", 0.0},
        {"1,23", 0.0},
        {"1,2345", 0.0},
        {",123", 0.0},
        {"12abc", 0.0},
    };
    for (const auto& [payoff, amount] : cases)
        EXPECT_EQ(payoffAmount(payoff), amount) << payoff;
}
