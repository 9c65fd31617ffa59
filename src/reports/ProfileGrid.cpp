#include "reports/ProfileGrid.h"

#include "reports/ProfileAmounts.h"
#include "reports/ProfileColumns.h"
#include "text/Masks.h"
#include "text/Numbers.h"
#include "text/Texts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
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
    for (int r = 0; r < firstCardRow; ++r)
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

// The card rows, and the rows after them, take the layout's style of each column.
GridTextRows cardRowsLaidOut() {
    std::vector<GridCell> columnStyles(columnCount);
    for (int c = 0; c < 20; ++c)
        columnStyles[c].alignment = CellAlignment::Right;
    return GridTextRows(std::move(columnStyles));
}

// The sum, or the total as it was when the sum is too large for a number.
double withinNumbers(double total, double added) {
    const double sum = total + added;
    return std::isfinite(sum) ? sum : total;
}

// A count's running total. Its cell shows the sum as text and the next line
// adds to the number that text reads as; a whole number of up to 15 digits
// reads back as itself, so only another sum needs the text's round trip.
struct RunningCount {
    double shown = 0; // what the cell's text reads as
    double sum = 0;   // the last sum, unrounded

    void add(double value) {
        sum = withinNumbers(shown, value);
        const bool readsBackAsItself = std::abs(sum) < 1e15 && sum == std::trunc(sum);
        // Adding 0 turns a negative zero into the 0 its text reads as.
        shown = readsBackAsItself ? sum + 0.0 : text::numberOf(text::textOf(sum));
    }
};

// A return's running total, summed to two decimals as its cell shows it. While
// the shown total and the field are both plain cents, the sum's two-decimal
// text reads back as the exact sum of the cents (exactCents says why), so the
// total is kept in cents; any other sum takes the text's round trip.
struct RunningAmount {
    double shown = 0;
    double sum = 0;
    std::optional<std::int64_t> shownCents = 0;

    void add(const FieldValue& value) {
        sum = withinNumbers(shown, value.value);
        if (shownCents && value.cents && exactCents(*shownCents + *value.cents)) {
            shownCents = *shownCents + *value.cents;
            shown = double(*shownCents) / 100;
            return;
        }
        const std::string text = amountText(sum);
        shown = text::numberOf(text);
        shownCents = fieldValue(text).cents;
    }
};

struct RunningTotals {
    RunningCount races;
    std::array<RunningCount, 4> wins;
    std::array<RunningAmount, returnCount> returns;
};

// An archive line's fields, and the values of all but the stem, read once.
struct CardLine {
    std::array<std::string_view, 20> cells;
    std::array<FieldValue, 20> values;
};

CardLine cardLine(std::string_view line) {
    CardLine card;
    for (int c = 0; c < 20; ++c) {
        card.cells[c] = text::columnsOf(line, fields[c].first, fields[c].width);
        if (c > 0)
            card.values[c] = fieldValue(card.cells[c]);
    }
    return card;
}

std::string_view raceDate(std::string_view stem) {
    const auto mark = stem.find('_');
    return mark == std::string_view::npos ? std::string_view() : stem.substr(mark + 1);
}

// Cards of one date stay in the order given.
std::vector<CardFigures> inDateOrder(std::vector<CardFigures> cards) {
    std::stable_sort(cards.begin(), cards.end(), [](const auto& a, const auto& b) {
        return raceDate(a.stem) < raceDate(b.stem);
    });
    return cards;
}

static_assert(lastStakedReturn - firstReturn + 1 == stakedTypeCount);

CardFigures figuresOf(const CardLine& card) {
    CardFigures figures{std::string(card.cells[0]), std::llround(card.values[1].value), {}};
    for (int k = 0; k < stakedTypeCount; ++k)
        figures.returns[k] = card.values[firstReturn + k].value;
    return figures;
}

// Adds one race card's fields to the running totals and its cells to the rows.
CardFigures addCard(GridTextRows& rows, std::string_view line, RunningTotals& totals) {
    const CardLine card = cardLine(line);
    totals.races.add(card.values[1].value);
    for (int k = 0; k < 4; ++k)
        totals.wins[k].add(card.values[2 + k].value);
    for (int k = 0; k < returnCount; ++k)
        totals.returns[k].add(card.values[firstReturn + k]);
    for (int c = 0; c < 20; ++c) {
        if (reformatted(c))
            rows.addCell(twoDecimals(card.cells[c]));
        else
            rows.addCell(card.cells[c]);
    }
    rows.addCell(line.substr(line.size() - std::min<std::size_t>(line.size(), 3)));
    return figuresOf(card);
}

// The running totals' cells, as the last card left them.
void fillRunningTotals(Grid& grid, const RunningTotals& totals) {
    grid.setText(Counts, 1, text::rightAligned(text::textOf(totals.races.sum), 4));
    for (int k = 0; k < 4; ++k)
        grid.setText(Counts, 2 + k, " " + text::rightAligned(text::textOf(totals.wins[k].sum), 4));
    for (int k = 0; k < returnCount; ++k)
        grid.setText(WinAmount, firstReturn + k, amountText(totals.returns[k].sum));
}

// Adjusted Win for every type; the stake, the profit (bold when positive) and
// the return on investment for the types that have a stake.
void fillBetTotals(Grid& grid, const RunningTotals& totals) {
    const double totalBet = 12 * totals.races.sum;
    for (int k = 0; k < returnCount; ++k) {
        const int c = firstReturn + k;
        const double adjusted = totals.returns[k].sum * stakeFactors[k];
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
bool fillRatios(Grid& grid, const RunningTotals& totals) {
    const double races = totals.races.sum;
    if (races == 0)
        return false;
    for (int k = 0; k < 4; ++k)
        grid.setText(WinPct, 2 + k,
                     text::firstChars(text::textOf(totals.wins[k].sum * 100 / races), 4) + "%");
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
    std::size_t cards = 0;
    std::size_t textSize = 0;
    for (const auto line : copyLines) {
        cards += !line.empty();
        textSize += line.size();
    }
    const int rowCount = std::max(laidOutRows, firstCardRow + static_cast<int>(cards));
    ProfileGrid profile{Grid(rowCount, columnCount), false, {}};
    Grid& grid = profile.grid;
    layOut(grid);
    GridTextRows rows = cardRowsLaidOut();
    rows.reserve(rowCount - firstCardRow, textSize);
    RunningTotals running;
    for (const auto line : copyLines)
        if (!line.empty())
            profile.cards.push_back(addCard(rows, line, running));
    rows.addEmptyRows(rowCount - firstCardRow - rows.rows());
    grid.setTextRows(firstCardRow, std::move(rows));
    if (cards > 0) {
        fillRunningTotals(grid, running);
        fillBetTotals(grid, running);
    }
    grid.setText(Counts, 0, std::to_string(cards) + " Race Cards");
    profile.complete = fillRatios(grid, running);
    std::reverse(profile.cards.begin(), profile.cards.end());
    profile.cards = inDateOrder(std::move(profile.cards));
    return profile;
}

std::vector<CardFigures> cardsInDateOrder(const std::vector<std::string_view>& lines) {
    std::vector<CardFigures> cards;
    for (const auto line : lines)
        if (!line.empty())
            cards.push_back(figuresOf(cardLine(line)));
    return inDateOrder(std::move(cards));
}

} // namespace tallowmere
