#include "analysis/RoiConfidence.h"

#include <algorithm>
#include <array>
#include <random>

namespace tallowmere::analysis {
namespace {

using TypeRois = std::array<std::vector<double>, stakedTypeCount>;

// A card drawn from n; the multiply-shift keeps the draw the same on every
// standard library, which a distribution object does not promise.
std::size_t drawCard(std::mt19937& random, std::size_t n) {
    return static_cast<std::size_t>((static_cast<std::uint64_t>(random()) * n) >> 32);
}

// The ROI of every type over one resample of the cards; a resample without a
// race has none.
void addResample(const std::vector<CardFigures>& cards, std::mt19937& random, TypeRois& rois) {
    std::array<double, stakedTypeCount> net{};
    long long races = 0;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const CardFigures& card = cards[drawCard(random, cards.size())];
        races += card.races;
        for (int type = 0; type < stakedTypeCount; ++type)
            net[static_cast<std::size_t>(type)] += cardNet(card, type);
    }
    if (races == 0)
        return;
    for (std::size_t type = 0; type < net.size(); ++type)
        rois[type].push_back(net[type] / (12.0 * static_cast<double>(races)));
}

double percentile(const std::vector<double>& sorted, double share) {
    const auto rank =
        static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[rank];
}

} // namespace

int longestLosingRun(const std::vector<CardFigures>& cards, int type) {
    int longest = 0, current = 0;
    for (const auto& card : cards) {
        current = cardNet(card, type) < 0 ? current + 1 : 0;
        longest = std::max(longest, current);
    }
    return longest;
}

std::vector<RoiConfidence> roiConfidence(const std::vector<CardFigures>& cards,
                                         const BootstrapOptions& options) {
    TypeRois rois;
    std::mt19937 random(options.seed);
    if (!cards.empty())
        for (int r = 0; r < options.resamples; ++r)
            addResample(cards, random, rois);
    long long races = 0;
    for (const auto& card : cards)
        races += card.races;
    std::vector<RoiConfidence> result(stakedTypeCount);
    for (int type = 0; type < stakedTypeCount; ++type) {
        RoiConfidence& figures = result[static_cast<std::size_t>(type)];
        figures.races = races;
        figures.longestLosingRun = longestLosingRun(cards, type);
        if (races == 0)
            continue;
        double net = 0;
        for (const auto& card : cards)
            net += cardNet(card, type);
        figures.roi = net / (12.0 * static_cast<double>(races));
        auto& sample = rois[static_cast<std::size_t>(type)];
        if (sample.empty())
            continue;
        std::sort(sample.begin(), sample.end());
        figures.low = percentile(sample, 0.025);
        figures.high = percentile(sample, 0.975);
    }
    return result;
}

} // namespace tallowmere::analysis
