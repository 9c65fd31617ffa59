#pragma once

#include "analysis/CardFigures.h"
#include "model/Form1.h"

#include <filesystem>
#include <vector>

namespace tallowmere::analysis {

// The cards of the profile last shown: the lines of TBA.txt in the working
// folder (the archive's order, last first), in date order.
std::vector<CardFigures> shownProfileCards(const std::filesystem::path& workFolder);

// The grid on screen that Export writes: the profile's or the card summary's;
// nothing on the other screens.
const Grid* exportableGrid(const Form1& form);

} // namespace tallowmere::analysis
