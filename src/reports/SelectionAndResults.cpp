#include "reports/SelectionAndResults.h"

#include "card/CardSaving.h"
#include "card/UnusableFiles.h"
#include "card/WorkFolder.h"
#include "model/RaceBoxes.h"
#include "reports/SummaryHits.h"
#include "reports/SummaryReport.h"
#include "text/Masks.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <algorithm>
#include <array>

namespace tallowmere {
namespace {

constexpr Rgb winnerColour{255, 255, 100};
constexpr int totalsRow = 21;
constexpr int percentRow = 22;

// The payoff totals of the card, by grid column.
using ColumnTotals = std::array<double, 29>;

void updateRecordButton(Form1& form) {
    if (form.ActiveCardFile.empty())
        return;
    form.Command4.enabled = recordButtonEnabled(
        form.ActiveCardFile, text::readLines(WorkFolder{form.WorkFolder}.archive()),
        form.Command4.enabled);
}

void showSummaryScreen(Form1& form) {
    form.Frame5.visible = true;
    form.Frame5.width = 17156;
    form.Frame5.top = 9000;
    form.Frame5.left = 0;
    form.Command4.visible = true;
    form.Command4.left = 8000;
    form.menus.MainScreen.visible = true;
    form.menus.SelectionAndResults.visible = false;
}

template <typename Records> void trimInPlace(Records& records, int lastRace, int lastColumn) {
    for (int race = 1; race <= lastRace; ++race)
        for (int column = 1; column <= lastColumn; ++column)
            if (const auto value = records.at(race, column))
                records.set(race, column, text::trimmed(*value));
}

void keepCurrentRaceOnTheCard(Form1& form) {
    if (form.CurrentRace <= 0)
        form.CurrentRace = 1;
    else if (form.CurrentRace > form.Card.RaceCount)
        form.CurrentRace = form.Card.RaceCount;
}

void copyPicksIntoGrid(Form1& form) {
    const CardPicksArray& picks = form.Records.CardPicks;
    for (int race = 1; race <= 20; ++race) {
        if (picks.valueAt(race, 1).empty())
            continue;
        for (int k = 1; k <= 4; ++k) {
            form.MSFlexGrid2.setText(race, k, picks.valueAt(race, k));
            form.MSFlexGrid2.setText(race, 5 + k, picks.valueAt(race, 4 + k));
        }
    }
}

void layOutSummaryGrid(Grid& grid) {
    grid.setColumnWidth(0, 1000);
    grid.height = 9000;
    grid.top = 0;
    grid.fontName = "Courier New";
    grid.fontSize = 9;
}

RaceOutcome outcomeOf(const CardPicksArray& picks, int race) {
    RaceOutcome outcome;
    for (int k = 1; k <= 4; ++k) {
        outcome.selections[k - 1] = picks.valueAt(race, k);
        outcome.finishers[k - 1] = picks.valueAt(race, 4 + k);
    }
    return outcome;
}

void showRaceHits(Form1& form, int race, const RaceHits& hits, ColumnTotals& totals) {
    for (int k = 1; k <= 4; ++k) {
        if (!hits.won[k - 1])
            continue;
        if (GridCell* cell = form.MSFlexGrid2.cell(race, k))
            cell->backColor = winnerColour;
        ++*form.SelectionWins.find(k);
    }
    // A race beyond the payoff rows has no payoff to write or add.
    for (const PayoffWrite& write : hits.payouts)
        if (const auto payoff = form.Records.CardPayoffs.at(race, write.payoff)) {
            form.MSFlexGrid2.setText(race, write.column, *payoff);
            totals[write.column] += payoffAmount(*payoff);
        }
}

void showTotalsAndPercentages(Form1& form, const ColumnTotals& totals) {
    Grid& grid = form.MSFlexGrid2;
    for (int k = 1; k <= 4; ++k) {
        grid.setText(totalsRow, k, std::to_string(form.SelectionWins.valueAt(k)));
        if (const auto percent = winPercentText(form.SelectionWins.valueAt(k), form.Card.RaceCount))
            grid.setText(percentRow, k, *percent);
    }
    for (int column : {11, 12, 13, 15, 16, 17, 18, 19, 22, 23, 24, 26, 27, 28})
        grid.setText(totalsRow, column, summaryTotalText(column, totals[column]));
}

std::optional<std::string> shortRaceDate(Form1& form) {
    const auto date = reportDateOf(form.cardDate());
    if (!date)
        return std::nullopt;
    return form.platform.shortDate((*date)[0], (*date)[1], (*date)[2]);
}

} // namespace

bool recordButtonEnabled(std::string_view cardFile,
                         const std::optional<std::vector<std::string>>& archive, bool enabledNow) {
    if (!archive)
        return true;
    const std::string card = text::firstChars(cardFile, 14);
    if (std::any_of(archive->begin(), archive->end(),
                    [&](const std::string& line) { return text::firstChars(line, 14) == card; }))
        return false;
    return archive->empty() ? enabledNow : true;
}

std::string summaryTotalText(int column, double total) {
    if (column <= 13)
        return text::formatNumber(total, "####.#0");
    return text::formatNumber(total, column <= 19 ? "#####.#0" : "######.#0");
}

std::optional<std::string> winPercentText(int wins, int raceCount) {
    if (raceCount == 0)
        return std::nullopt;
    return text::rightAligned(text::formatNumber(100.0 * wins / raceCount, "###"), 3) + "%";
}

void SelectionAndResults_Click(Form1& form) {
    form.Window.width = 18300;
    updateRecordButton(form);
    storeShownRaceBoxes(form);
    showSummaryScreen(form);
    trimInPlace(form.Records.CardPicks, form.Card.RaceCount, 9);

    Grid& grid = form.MSFlexGrid2;
    grid.visible = true;
    grid.width = 18500;
    ColumnTotals totals{};
    for (int k = 1; k <= 4; ++k)
        form.SelectionWins.set(k, 0);
    keepCurrentRaceOnTheCard(form);
    grid.setColumns(29);
    form.Frame4.visible = false;
    copyPicksIntoGrid(form);
    layOutSummaryGrid(grid);
    trimInPlace(form.Records.CardPayoffs, 20, 10);

    for (int race = 1; race <= form.Card.RaceCount; ++race)
        showRaceHits(form, race, judgeRace(outcomeOf(form.Records.CardPicks, race)), totals);
    showTotalsAndPercentages(form, totals);
    writeFileOrTell(
        form, WorkFolder{form.WorkFolder}.todaysResults(),
        summaryReportText(grid, form.Card.RaceCount, form.cardTrack(), shortRaceDate(form)));
    saveChangedRecordArrays(form);
}

} // namespace tallowmere
