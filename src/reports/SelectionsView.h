#pragma once

#include "model/CardStore.h"
#include "model/Form1.h"
#include "model/SelectionResults.h"

#include <string>
#include <string_view>

namespace tallowmere {

// The confidence mark of a race, each line ended by CR LF, from the margin by
// which pick 1 leads pick 2: each pick's rating read from the last four
// characters of its selection line (so 101.5 counts as 1.5). A margin of 0 to
// 0.1 is a "DEAD HEAT" and also "VDH", up to 0.35 "VDH", above that one "$"
// per point begun, at most five.
std::string confidenceMark(std::string_view pick1Line, std::string_view pick2Line);

// The selections file: the card's head, then for every race its head, the
// confidence mark, selection lines 1 to 5 and the key selections.
std::string selectionsFile(const CardStore& store, const SelectionResults& selections,
                           std::string_view trackName);

// File > View Selections: writes the active card's selections file and shows it.
void Selections_Click(Form1& form);

} // namespace tallowmere
