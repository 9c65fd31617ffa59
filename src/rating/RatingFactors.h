#pragma once

#include "model/CardStore.h"

#include <string>

namespace tallowmere {

// The factors adjust a rating just computed. Each reads the rating text as a
// strict number, adds its amount (a penalty; lower ratings are better) and
// gives back the text of the result, unformatted. A rating that is not a
// strict number, or a value beyond the store, ends the factor at that step and
// leaves the rating as it was.

// An outside post in a race under 8 furlongs: + post × 0.05 beyond post 8, and
// + post × 0.2 more beyond post 10.
std::string PostPosition(const CardStore& store, int entry, int race, std::string rating);

// An off track ("MY", "SY"), turf ("T") or other surface ("E", "I", "C") in the
// past race: + 0.1, 0.3 or 0.5 per furlong of it.
std::string TV(const CardStore& store, int entry, int past, std::string rating);

// A win, second or third in a past race at today's distance (or half a
// furlong shorter): a credit by position, and for a neck or head margin.
std::string WPS(const CardStore& store, int entry, int past, int race, std::string rating);

// The rating plus `amount`, or nothing when the rating is not a strict number.
std::optional<std::string> ratingPlus(const std::string& rating, double amount);

} // namespace tallowmere
