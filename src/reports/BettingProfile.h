#pragma once

#include "model/Form1.h"
#include "rating/TrackParameters.h"
#include "reports/ProfileGrid.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

struct BettingProfile {
    std::string archiveCopy; // TBA.txt
    ProfileGrid profile;
};

// The profile of an upper-case selector over the archive's lines and the track
// file's. Nothing when the selector needs the archive and it could not be read:
// the profile ends there and writes no TBA.txt.
std::optional<BettingProfile> bettingProfile(std::string_view selector,
                                             const std::optional<std::vector<std::string>>& archive,
                                             const TrackFile& tracks);

// The betting profile of `selector` ("ALL", a track code, a size category,
// "EXIT" to close the track list, empty for nothing) into TBA.txt and
// MSFlexGrid3, on the profile screen.
void Profile2(Form1& form, const std::string& selector);

// The race card's menu items that the profile screens hide: Selection &
// Results Summary, Auto Record, Revisions and Results.
void hideRaceCardItems(Menus& menus);

// Betting Profiles > All Tracks.
void ALL_Click(Form1& form);

// A click on the track list's entry `clicked`.
void List1_Click(Form1& form, const std::string& clicked);

} // namespace tallowmere
