#pragma once

#include <string>
#include <string_view>

namespace tallowmere::text {

// Numeric masks such as "###.0", "##.00", "###.#0", "###.0%", "###":
// "#" an optional digit, "0" a required digit, "." the point, a trailing "%"
// multiplies by 100 and is appended. The value is rounded half away from zero
// on its 15-digit decimal form; a whole part of 0 shows no digit unless the
// mask requires one, and a whole part wider than the mask shows every digit.
std::string formatNumber(double value, std::string_view mask);

// A text that is a number (as a strict conversion reads it) goes through the
// mask; any other text passes unchanged.
std::string formatText(std::string_view text, std::string_view mask);

// The rating format: "###.0", then right-aligned in five.
std::string ratingFormat(std::string_view text);

} // namespace tallowmere::text
