#pragma once

#include "model/Grid.h"
#include "model/ProfileCards.h"

#include <string_view>
#include <vector>

namespace tallowmere {

// The profile grid of MSFlexGrid3: headers, labels, widths and alignment, a
// row per race card from row 11, the totals per bet type in rows 3 to 7, the
// race and selection totals in row 9 and the selections' win percentages in
// row 10.
struct ProfileGrid {
    Grid grid{0, 0};
    // False when the profile holds no race: the percentages cannot be worked
    // out, the grid stays as it was at that moment and is not shown.
    bool complete = false;
    // The figures of its card rows, as its totals counted them, in the order of
    // their race dates; cards of one date in archive order (rows read upward).
    std::vector<CardFigures> cards;
};

// The grid of the archive lines as TBA.txt holds them (newest first). An empty
// line takes no row.
ProfileGrid profileGrid(const std::vector<std::string_view>& copyLines);

// The cards of the selected archive lines (empty lines left out), read as the
// grid reads them, in the order of their race dates (what follows the stem's
// "_"), cards of one date in archive order.
std::vector<CardFigures> cardsInDateOrder(const std::vector<std::string_view>& lines);

} // namespace tallowmere
