#pragma once

#include "analysis/CardFigures.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tallowmere::analysis {

// How sure the figures of one staked bet type are: its ROI over the cards,
// the 95% interval of that ROI from resampling the cards, and the most
// consecutive cards (in date order) that lost money on it.
struct RoiConfidence {
    long long races = 0;
    std::optional<double> roi; // none without a race
    std::optional<double> low, high;
    int longestLosingRun = 0;
};

struct BootstrapOptions {
    int resamples = 2000;
    std::uint32_t seed = 20261207;
};

std::vector<RoiConfidence> roiConfidence(const std::vector<CardFigures>& cards,
                                         const BootstrapOptions& options = {});

int longestLosingRun(const std::vector<CardFigures>& cards, int type);

} // namespace tallowmere::analysis
