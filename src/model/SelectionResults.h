#pragma once

#include "model/CheckedArray.h"

#include <string>

namespace tallowmere {

// What the top four leaves for the views: each entry's best pace rating (entries
// 0 to 200 only), one selection line per pick, and each race's key selections.
struct SelectionResults {
    CheckedArray<std::string, 0, 200> BestPaceRating;
    CheckedArray2D<std::string, 0, 20, 0, 5> SelectionLines;
    CheckedArray<std::string, 0, 25> KeySelections;
};

} // namespace tallowmere
