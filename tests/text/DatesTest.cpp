#include "text/Dates.h"

#include <gtest/gtest.h>

using namespace tallowmere::text;

TEST(MonthDayYear, RewritesAStoredDate) {
    EXPECT_EQ(mmDdYy("20240504"), "05-04-24");
    EXPECT_EQ(mmDdYy("20000101"), "01-01-00");
    EXPECT_EQ(mmDdYy("19991231"), "12-31-99");
    EXPECT_EQ(mmDdYy("20240229"), "02-29-24");
}

TEST(MonthDayYear, LeavesTextThatIsNoDate) {
    EXPECT_EQ(mmDdYy(""), "");
    EXPECT_EQ(mmDdYy("2024050"), "2024050");
    EXPECT_EQ(mmDdYy("20240230"), "20240230");
    EXPECT_EQ(mmDdYy("20231301"), "20231301");
    EXPECT_EQ(mmDdYy("2024-05-04"), "2024-05-04");
}

TEST(CalendarDate, KnowsLeapYears) {
    EXPECT_TRUE(isCalendarDate(2000, 2, 29));
    EXPECT_FALSE(isCalendarDate(1900, 2, 29));
    EXPECT_FALSE(isCalendarDate(2023, 2, 29));
    EXPECT_TRUE(isCalendarDate(2023, 12, 31));
    EXPECT_FALSE(isCalendarDate(2023, 4, 31));
    EXPECT_FALSE(isCalendarDate(2023, 0, 1));
}
