#pragma once

#include <array>
#include <cstddef>

namespace tallowmere::profile {

// The profile's columns: where each stands in an archive line, its header and,
// for the returns (columns 6 to 19), the factor that brings it to the common
// stake of 12 a race. Only columns 6 to 16 have a stake.
constexpr int firstReturn = 6;
constexpr int returnCount = 14;
constexpr int lastStakedReturn = 16;

struct Field {
    std::size_t first; // column of the archive line, counted from 1
    std::size_t width;
};

// Grid columns 0 to 19 and where each stands in an archive line.
constexpr std::array<Field, 20> fields = {{{1, 14},  {15, 3},  {18, 5},   {23, 5},   {28, 5},
                                           {33, 5},  {38, 9},  {47, 9},   {56, 9},   {65, 9},
                                           {74, 9},  {83, 9},  {92, 9},   {101, 9},  {110, 9},
                                           {119, 9}, {128, 9}, {137, 10}, {147, 10}, {157, 10}}};

constexpr std::array<const char*, 20> headers = {
    "",       "Races",    "S1",     "S2",       "S3",       "S4",      "Win",
    "Place",  "Show",     "E1/2",   "E1-2",     "E1/2-3",   "E1-2-3",  "E1-2-3-4",
    "T1/2-3", "T1/2-3-4", "T1-2-3", "S1/2-3-4", "S2-1/3-4", "S1-2-3-4"};

// What brings each bet type's return to six two-unit tickets a race: 6 over
// the number of combinations it covers.
constexpr std::array<double, returnCount> stakeFactors = {6,   6, 6, 6, 3, 3,   1,
                                                          0.5, 3, 1, 1, 1, 0.5, 0.25};

} // namespace tallowmere::profile
