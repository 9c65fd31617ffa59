#include "reports/ProfileGrid.h"

#include "rating/TrackParameters.h"
#include "text/Masks.h"
#include "text/Numbers.h"
#include "text/Texts.h"

#include <algorithm>
#include <array>
#include <string>

namespace tallowmere {
namespace {

constexpr int firstCardRow = 11;
constexpr int laidOutRows = 1401;
constexpr int columnCount = 21;
constexpr int firstReturn = 6;
constexpr int returnCount = 14;
constexpr int lastStakedReturn = 16;

enum TotalsRow { WinAmount = 3, AdjustedWin, TotalBet, NetProfit, Roi, Counts = 9, WinPct };

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

constexpr std::array<const char*, 5> totalsLabels = {"Win Amount", "Adjusted Win", "Total Bet",
                                                     "Net Profit", "ROI"};

// What brings each bet type's return to six two-unit tickets a race: 6 over
// the number of combinations it covers.
constexpr std::array<double, returnCount> stakeFactors = {6,   6, 6, 6, 3, 3,   1,
                                                          0.5, 3, 1, 1, 1, 0.5, 0.25};

int columnWidth(int c) {
    if (c == 0)
        return 1400;
    if (c == 1)
        return 550;
    if (c <= 5)
        return 600;
    if (c <= 8)
        return 800;
    if (c <= 13)
        return 850;
    return c <= 16 ? 900 : 1000;
}

// The returns the grid shows with two decimals; the others stand as written.
bool reformatted(int c) {
    return c == 6 || c == 11 || c == 12 || c == 14 || c >= 16;
}

std::string amountText(double value) {
    return text::rightAligned(text::formatNumber(value, "#######.00"), 10);
}

void layOut(Grid& grid) {
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < 20; ++c)
            grid.cell(r, c)->alignment = CellAlignment::Right;
    for (int c = 0; c < 20; ++c) {
        grid.setText(0, c, headers[c]);
        grid.setColumnWidth(c, columnWidth(c));
    }
    for (int i = 0; i < 5; ++i) {
        grid.setText(WinAmount + i, 0, totalsLabels[i]);
        grid.cell(WinAmount + i, 0)->alignment = CellAlignment::Centre;
    }
}

// The totals as values, before they are formatted into their cells.
struct Totals {
    double races = 0;
    std::array<double, 4> wins{};
    std::array<double, returnCount> returns{};
};

// Fills one race card's row and adds its fields to the running totals. Each
// total is re-read from its cell, so the returns are summed to two decimals.
void addCard(Grid& grid, int row, std::string_view line, Totals& totals) {
    std::array<std::string, 20> cells;
    for (int c = 0; c < 20; ++c)
        cells[c] = lineColumns(line, fields[c].first, fields[c].width);
    const auto runningTotal = [&](int totalsRow, int c) {
        return text::numberOf(grid.cell(totalsRow, c)->text) + text::numberOf(cells[c]);
    };
    totals.races = runningTotal(Counts, 1);
    grid.setText(Counts, 1, text::rightAligned(text::textOf(totals.races), 4));
    for (int k = 0; k < 4; ++k) {
        totals.wins[k] = runningTotal(Counts, 2 + k);
        grid.setText(Counts, 2 + k, " " + text::rightAligned(text::textOf(totals.wins[k]), 4));
    }
    for (int k = 0; k < returnCount; ++k) {
        totals.returns[k] = runningTotal(WinAmount, firstReturn + k);
        grid.setText(WinAmount, firstReturn + k, amountText(totals.returns[k]));
    }
    for (int c = 0; c < 20; ++c)
        grid.setText(row, c, reformatted(c) ? text::formatText(cells[c], "######.00") : cells[c]);
    grid.setText(row, 20, text::lastChars(line, 3));
}

// Adjusted Win for every type; the stake, the profit (bold when positive) and
// the return on investment for the types that have a stake.
void fillBetTotals(Grid& grid, const Totals& totals) {
    const double totalBet = 12 * totals.races;
    for (int k = 0; k < returnCount; ++k) {
        const int c = firstReturn + k;
        const double adjusted = totals.returns[k] * stakeFactors[k];
        grid.setText(AdjustedWin, c, amountText(adjusted));
        if (c > lastStakedReturn)
            continue;
        grid.setText(TotalBet, c, amountText(totalBet));
        grid.setText(NetProfit, c, amountText(adjusted - totalBet));
        grid.cell(NetProfit, c)->bold = adjusted - totalBet > 0;
    }
}

// The win percentages, then the return on investment from the cells of the
// stake and the profit; false at a division by zero.
bool fillRatios(Grid& grid, const Totals& totals) {
    if (totals.races == 0)
        return false;
    for (int k = 0; k < 4; ++k)
        grid.setText(WinPct, 2 + k,
                     text::firstChars(text::textOf(totals.wins[k] * 100 / totals.races), 4) + "%");
    for (int c = firstReturn; c <= lastStakedReturn; ++c) {
        const double stake = text::numberOf(grid.text(TotalBet, c));
        if (stake == 0)
            return false;
        const double roi = text::numberOf(grid.text(NetProfit, c)) / stake;
        grid.setText(Roi, c, text::rightAligned(text::formatNumber(roi, "###.0%"), 6));
    }
    return true;
}

} // namespace

ProfileGrid profileGrid(const std::vector<std::string_view>& copyLines) {
    const auto cards = static_cast<int>(
        std::count_if(copyLines.begin(), copyLines.end(), [](auto line) { return !line.empty(); }));
    ProfileGrid profile{Grid(std::max(laidOutRows, firstCardRow + cards), columnCount)};
    Grid& grid = profile.grid;
    layOut(grid);
    Totals totals;
    int row = firstCardRow - 1;
    for (const auto line : copyLines)
        if (!line.empty())
            addCard(grid, ++row, line, totals);
    if (cards > 0)
        fillBetTotals(grid, totals);
    grid.setText(Counts, 0, std::to_string(cards) + " Race Cards");
    profile.complete = fillRatios(grid, totals);
    return profile;
}

} // namespace tallowmere
