#pragma once

#include "model/Form1.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

// Navigation > Selection & Results Summary: judges every bet on the four
// selections of each race, fills the card summary grid with the payoffs, the
// totals (row 21) and the winners' percentages (row 22), writes
// Todays Results.txt and shows the Record button.
void SelectionAndResults_Click(Form1& form);

// Whether Record may archive the card whose record file is `cardFile`, given
// the lines of TBA.ini (nothing when there is no such file): not when any line
// is this card's, so a card is archived once; an empty archive changes nothing.
bool recordButtonEnabled(std::string_view cardFile,
                         const std::optional<std::vector<std::string>>& archive, bool enabledNow);

// Row 22: how often a selection won, as a whole percentage of the races,
// right-aligned in three and followed by "%"; nothing without races.
std::optional<std::string> winPercentText(int wins, int raceCount);

} // namespace tallowmere
