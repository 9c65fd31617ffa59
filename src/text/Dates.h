#pragma once

#include <string>
#include <string_view>

namespace tallowmere::text {

// A stored date "YYYYMMDD" written as "mm-dd-yy". A text that is not such a
// calendar date (an empty field included) passes unchanged.
std::string mmDdYy(std::string_view storedDate);

// Whether year, month and day make a day of the calendar.
bool isCalendarDate(int year, int month, int day);

} // namespace tallowmere::text
