#pragma once

#include <string>
#include <string_view>

namespace tallowmere {

// The text a bound box shows for a raw xBase field of the given type: character
// fields without trailing blanks, numbers and dates trimmed as stored, logicals
// as True/False, Visual FoxPro binary numbers as their text, memos empty.
std::string fieldText(char type, std::string_view raw);

} // namespace tallowmere
