#pragma once

#include "model/CardStore.h"

#include <string>
#include <string_view>

namespace tallowmere {

// The head of the program and selections files, each line ended by CR LF:
// `title`, the maker, race 1's track code and the track's name, race 1's date
// and an empty line.
std::string cardViewHead(std::string_view title, const CardStore& store,
                         std::string_view trackName);

// A race's six head lines in those files: number, distance, class and post
// time; an empty line; purse and conditions on two lines; wagering; an empty
// line.
std::string raceViewHead(const CardStore& store, int race);

} // namespace tallowmere
