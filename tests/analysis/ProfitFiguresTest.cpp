#include "analysis/CurveStyle.h"
#include "analysis/CurvesSvg.h"
#include "analysis/ProfitCurves.h"
#include "analysis/RoiConfidence.h"
#include "analysis/StatsText.h"
#include "analysis/SyntheticArchive.h"
#include "reports/ArchiveLines.h"
#include "reports/BettingProfile.h"

#include <gtest/gtest.h>
#include <set>

using namespace tallowmere;
using namespace tallowmere::analysis;
using tallowmere::testing::archiveLineOf;

namespace {

std::vector<std::string_view> viewsOf(const std::vector<std::string>& lines) {
    return {lines.begin(), lines.end()};
}

CardFigures cardWithWin(const std::string& stem, double win) {
    CardFigures card;
    card.stem = stem;
    card.races = 1;
    card.returns[0] = win;
    return card;
}

} // namespace

TEST(ProfitCurves, CardsGoInDateOrderAndTypesByTheirStake) {
    const std::array<double, 14> win{10, 0, 0, 0, 0, 0, 0, 5};
    const std::vector<std::string> lines = {archiveLineOf("CD", "20260303", 2, win),
                                            archiveLineOf("SAR", "20260301", 1, {}), ""};
    const auto cards = cardsInDateOrder(viewsOf(lines));
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].stem, "  SAR_20260301");
    const ProfitCurves curves = profitCurves(cards);
    EXPECT_EQ(curves[0], (std::vector<double>{-12, -12 + 60 - 24}));
    EXPECT_EQ(curves[7], (std::vector<double>{-12, -12 + 2.5 - 24}));
    EXPECT_EQ(stakedTypeName(7), "E1-2-3-4");
    // Each running return is held at two decimals, as the profile sums it.
    EXPECT_EQ(profitCurves({cardWithWin("a", 1.005), cardWithWin("b", 1.005)})[0].back(), -11.91);
}

// A long profile is drawn with at most 2,000 points a curve, first and last kept.
TEST(ProfitCurves, ALongCurveIsDrawnThinnedToItsEnds) {
    const std::vector<double> few = {1.5, -2, 3};
    const auto whole = pointsToDraw(few);
    ASSERT_EQ(whole.size(), 3u);
    EXPECT_EQ(whole[1], (std::pair<std::size_t, double>{1, -2}));
    std::vector<double> many(100'001);
    for (std::size_t k = 0; k < many.size(); ++k)
        many[k] = static_cast<double>(k);
    const auto drawn = pointsToDraw(many);
    ASSERT_EQ(drawn.size(), 2000u);
    EXPECT_EQ(drawn.front().first, 0u);
    EXPECT_EQ(drawn.back(), (std::pair<std::size_t, double>{100'000, 100'000}));
    for (std::size_t i = 1; i < drawn.size(); ++i)
        EXPECT_LT(drawn[i - 1].first, drawn[i].first);
    EXPECT_TRUE(pointsToDraw({}).empty());
}

// An amount too large for a number ("1e999") counts as 0 in every total,
// curve and figure, as a card that paid nothing.
TEST(ProfitCurves, AnAmountTooLargeForANumberCountsAsNothing) {
    const auto profileOf = [](const char* first) {
        const std::vector<std::string> archive = {
            tallowmere::testing::winOnlyLine("CD", "20261101", 9, first),
            tallowmere::testing::winOnlyLine("CD", "20261102", 9, "12.40")};
        std::string shown;
        const auto profile = tallowmere::bettingProfile("ALL", archive, {});
        const auto& grid = profile->profile.grid;
        for (int row = 3; row <= 7; ++row)
            for (int column = 0; column < grid.columns(); ++column)
                shown += grid.text(row, column) + "|";
        const std::vector<std::string_view> lines(archive.begin(), archive.end());
        const auto cards = cardsInDateOrder(lines);
        shown += curvesSvg(profitCurves(cards), "");
        for (int type = 0; type < stakedTypeCount; ++type)
            for (const auto& cell :
                 statsRow(type, roiConfidence(cards)[static_cast<std::size_t>(type)]))
                shown += cell + "|";
        return shown;
    };
    EXPECT_EQ(profileOf("1e999"), profileOf(".00"));
}

TEST(RoiConfidence, LongestLosingRunCountsConsecutiveLosingCards) {
    const struct {
        std::vector<double> wins;
        int run;
    } cases[] = {
        {{}, 0}, {{12}, 0}, {{2}, 0}, {{1}, 1}, {{1, 1, 3, 1, 1, 1, 2.5}, 3}, {{3, 1, 1, 2, 1}, 2}};
    for (const auto& c : cases) {
        std::vector<CardFigures> cards;
        for (const double win : c.wins)
            cards.push_back(cardWithWin("CD_2026", win));
        EXPECT_EQ(longestLosingRun(cards, 0), c.run) << c.wins.size() << " cards";
    }
}

// The intervals of an archive are compared in the batch profile-stats row.
TEST(RoiConfidence, NoRaceGivesNoRoi) {
    const auto figures = roiConfidence({});
    ASSERT_EQ(figures.size(), 11u);
    EXPECT_FALSE(figures[0].roi || figures[0].low);
}

// A small percentage keeps its leading zero.
TEST(RoiConfidence, PercentagesKeepTheirLeadingZero) {
    RoiConfidence figures;
    figures.races = 3;
    figures.roi = 0.002;
    figures.low = -0.009;
    figures.high = 1.255;
    EXPECT_EQ(statsRow(0, figures),
              (std::vector<std::string>{"Win", "3", "0.2%", "-0.9%", "125.5%", "0"}));
    EXPECT_EQ(fewCardsNote(9), "Fewer than 10 cards: these intervals say little.");
    EXPECT_EQ(fewCardsNote(10), "");
}

TEST(ProfitCurves, TicksTitleAndStylesTellTheCurvesApart) {
    const std::pair<std::size_t, std::size_t> steps[] = {{1, 1},  {9, 1},  {10, 2},  {17, 2},
                                                         {18, 5}, {41, 5}, {42, 10}, {5000, 1000}};
    for (const auto& [cards, step] : steps)
        EXPECT_EQ(cardTickStep(cards), step) << cards;
    EXPECT_EQ(curvesTitle("All Tracks", 31), "Net profit: All Tracks, 31 cards");
    EXPECT_EQ(curvesTitle("CT", 1), "Net profit: CT, 1 card");
    std::set<std::pair<std::string, bool>> styles;
    for (int type = 0; type < stakedTypeCount; ++type)
        styles.emplace(curveColour(type), curveDashed(type));
    EXPECT_EQ(styles.size(), 11u);
    EXPECT_STREQ(curveColour(8), curveColour(0));
}

// Hiding a curve narrows the profit axis to the curves still shown.
TEST(ProfitCurves, TheRangeSpansTheShownCurvesAndZero) {
    ProfitCurves curves;
    curves[0] = {5, 40};
    curves[1] = {-30, 2};
    ShownCurves shown{};
    EXPECT_EQ(profitRange(curves, shown), (std::pair<double, double>{0, 0}));
    shown[0] = true;
    EXPECT_EQ(profitRange(curves, shown), (std::pair<double, double>{0, 40}));
    shown[1] = true;
    EXPECT_EQ(profitRange(curves, shown), (std::pair<double, double>{-30, 40}));
}
