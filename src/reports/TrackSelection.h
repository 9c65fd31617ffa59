#pragma once

#include "model/Form1.h"

#include <string>
#include <vector>

namespace tallowmere {

// The distinct track codes of the archive's lines in the order they first
// occur, at most 100: the rebuild ends at the first new code that finds no
// place (a blank code is never new while a place is free).
std::vector<std::string> distinctTrackCodes(const std::vector<std::string>& archive);

// The height of the track list holding `codes` codes of TargetTracks.txt: 225
// twips a code and 700 more, at most the largest int.
int trackListHeight(std::size_t codes);

// TargetTracks.txt: a code a line, each ended by CR LF.
std::string trackListText(const std::vector<std::string>& codes);

// Betting Profiles > Select Track: shows the track list of TargetTracks.txt,
// then rebuilds that file from TBA.ini for the next time.
void Select_Click(Form1& form);

} // namespace tallowmere
