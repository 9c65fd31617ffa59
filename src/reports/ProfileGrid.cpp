#include "reports/ProfileGrid.h"

#include "reports/ProfileColumns.h"
#include "text/Masks.h"
#include "text/Numbers.h"
#include "text/Texts.h"

#include <algorithm>
#include <array>
#include <string>

namespace tallowmere {
namespace {

using namespace profile;

constexpr int firstCardRow = 11;
constexpr int laidOutRows = 1401;
constexpr int columnCount = 21;
enum TotalsRow { WinAmount = 3, AdjustedWin, TotalBet, NetProfit, Roi, Counts = 9, WinPct };

constexpr std::array<const char*, 5> totalsLabels = {"Win Amount", "Adjusted Win", "Total Bet",
                                                     "Net Profit", "ROI"};

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
        cells[c] = text::columnsOf(line, fields[c].first, fields[c].width);
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
