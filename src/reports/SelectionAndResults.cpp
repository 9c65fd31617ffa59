#include "reports/SelectionAndResults.h"

#include "card/CardSaving.h"
#include "card/UnusableFiles.h"
#include "card/WorkFolder.h"
#include "model/RaceBoxes.h"
#include "reports/SummaryHits.h"
#include "reports/SummaryReport.h"
#include "text/Masks.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <algorithm>

namespace tallowmere {
namespace {

constexpr Rgb winnerColour{255, 255, 100};
constexpr int totalsRow = 21;
constexpr int percentRow = 22;

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

void showRaceHits(Grid& grid, int race, const CardSummary::Race& judged) {
    for (int k = 1; k <= 4; ++k)
        if (GridCell* cell = judged.won[k - 1] ? grid.cell(race, k) : nullptr)
            cell->backColor = winnerColour;
    for (const auto& [column, payoff] : judged.returns)
        grid.setText(race, column, payoff);
}

// The percentages take the card's race count as it stands, even one that a
// damaged RACE table made negative.
void showTotalsAndPercentages(Grid& grid, const CardSummary& summary, int raceCount) {
    for (int column = 0; column <= 28; ++column)
        grid.setText(totalsRow, column, summary.totalsRow[column]);
    for (int k = 1; k <= 4; ++k)
        if (const auto percent = winPercentText(summary.wins[k - 1], raceCount))
            grid.setText(percentRow, k, *percent);
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
    keepCurrentRaceOnTheCard(form);
    grid.setColumns(29);
    form.Frame4.visible = false;
    copyPicksIntoGrid(form);
    layOutSummaryGrid(grid);
    trimInPlace(form.Records.CardPayoffs, 20, 10);

    CardSummary summary = judgeCard(form.Records, form.Card.RaceCount);
    for (int race = 1; race <= static_cast<int>(summary.races.size()); ++race)
        showRaceHits(grid, race, summary.races[race - 1]);
    showTotalsAndPercentages(grid, summary, form.Card.RaceCount);
    writeFileOrTell(form, WorkFolder{form.WorkFolder}.todaysResults(),
                    summaryReportText(grid, summary, form.cardTrack(), shortRaceDate(form)));
    form.ShownSummary = std::move(summary);
    saveChangedRecordArrays(form);
}

} // namespace tallowmere
