#include "text/Dates.h"

#include <algorithm>

namespace tallowmere::text {

bool isCalendarDate(int year, int month, int day) {
    static constexpr int daysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= daysIn[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::string mmDdYy(std::string_view storedDate) {
    const bool eightDigits =
        storedDate.size() == 8 && std::all_of(storedDate.begin(), storedDate.end(),
                                              [](char c) { return c >= '0' && c <= '9'; });
    if (!eightDigits)
        return std::string(storedDate);
    const auto number = [&](std::size_t at, std::size_t n) {
        return std::stoi(std::string(storedDate.substr(at, n)));
    };
    if (!isCalendarDate(number(0, 4), number(4, 2), number(6, 2)))
        return std::string(storedDate);
    return std::string(storedDate.substr(4, 2)) + "-" + std::string(storedDate.substr(6, 2)) + "-" +
           std::string(storedDate.substr(2, 2));
}

} // namespace tallowmere::text
