#pragma once

#include <string>
#include <string_view>

namespace tallowmere {

// "Surname, First" keeps the surname, the comma, the blank and the initial;
// a name without a comma keeps its first two characters.
std::string abbreviatedName(std::string_view name);

// A trailing "+" is dropped and the rest right-aligned in five; any other
// morning line is kept as it is.
std::string morningLine(std::string_view oddsText);

// "    *" for the favourite of a past race, five blanks otherwise.
std::string favouriteMark(std::string_view favIndicator);

} // namespace tallowmere
