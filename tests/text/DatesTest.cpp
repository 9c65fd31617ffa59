#include "text/Dates.h"

#include <gtest/gtest.h>

using namespace tallowmere::text;

TEST(MonthDayYear, RewritesAStoredDateAndLeavesTextThatIsNoDate) {
    const std::pair<const char*, const char*> cases[] = {
        {"20240504", "05-04-24"},     {"19991231", "12-31-99"},
        {"20240229", "02-29-24"},     {"", ""},
        {"2024050", "2024050"},       {"20240230", "20240230"},
        {"20231301", "20231301"},     {"20230431", "20230431"},
        {"2024-05-04", "2024-05-04"}, {"20000229", "02-29-00"},
        {"19000229", "19000229"},     {"20230229", "20230229"}};
    for (const auto& [stored, shown] : cases)
        EXPECT_EQ(mmDdYy(stored), shown) << stored;
}
