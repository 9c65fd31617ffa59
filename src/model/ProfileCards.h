#pragma once

#include <array>
#include <string>
#include <vector>

namespace tallowmere {

// The bet types with a stake: the profile's columns 6 to 16.
inline constexpr int stakedTypeCount = 11;

// What one archive line says of its card: its stem, its races and the return
// of each staked bet type.
struct CardFigures {
    std::string stem;
    long long races = 0;
    std::array<double, stakedTypeCount> returns{};
    friend bool operator==(const CardFigures&, const CardFigures&) = default;
};

// The cards of the profile on screen, in date order, as its grid counted them:
// what its curves and confidence figures are worked out from. The generation
// changes whenever other cards, or another profile, take their place. The
// selector is the one that chose them, in upper case ("ALL", a track code or
// a size category), which also names the profile in captions.
struct ProfileCards {
    std::vector<CardFigures> cards;
    unsigned generation = 0;
    std::string selector;
};

} // namespace tallowmere
