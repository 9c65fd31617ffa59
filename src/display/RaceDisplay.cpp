#include "display/RaceDisplay.h"

#include "card/CardSaving.h"
#include "model/GridLayouts.h"
#include "model/RaceBoxes.h"
#include "rating/RaceOneGrid.h"
#include "selection/ScratchMarks.h"
#include "text/Numbers.h"

#include <algorithm>

namespace tallowmere {
namespace {

void showPicksAndResults(Form1& form, int race) {
    for (int k = 1; k <= 4; ++k)
        form.setText39(k, "");
    for (int k = 1; k <= 8; ++k)
        form.setText39(k, form.Records.CardPicks.valueAt(race, k));
}

void colourRaceButtons(Form1& form, int race) {
    for (int r = 1; r <= form.Card.RaceCount; ++r)
        if (Button* button = form.Command2.find(r))
            button->backColor = lightGrey;
    if (Button* shown = form.Command2.find(race))
        shown->backColor = red;
}

// A past race without a date leaves its whole row blank; otherwise the row
// shows the rating as stored (a scratched entry's as the handicapping run gave
// it, to be covered by "SCR").
void showPastRaces(Form1& form, int entry, int titleRow) {
    for (int past = 1; past <= 5; ++past) {
        if (form.Card.PastDate.valueAt(entry, past).empty())
            continue;
        const auto cells = pastRaceCells(form.Card, entry, past);
        const int row = titleRow + past - 1;
        for (int column = 1; column <= 22; ++column)
            form.MSFlexGrid1.setText(row, column, (*cells)[column - 1]);
        form.MSFlexGrid1.setText(row, 23, ratingBeforeScratch(form, entry, past));
    }
}

void showEntry(Form1& form, int race, int entry, int number, int titleRow) {
    CardStore& card = form.Card;
    writeEntryTitle(form.MSFlexGrid1, card, entry, titleRow);
    if (const auto program = card.EntryProgram.at(entry))
        if (const auto p = text::wholeNumber(text::numberOf(*program)))
            card.ProgramEntry.set(race, *p, static_cast<std::int16_t>(entry));
    showPastRaces(form, entry, titleRow);
    if (const auto workout = card.EntryLastWork.at(entry)) {
        form.MSFlexGrid1.setText(titleRow + 5, 1, *workout);
        form.MSFlexGrid1.setText(titleRow + 5, 23, ratingBeforeScratch(form, entry, 6));
    }
    if (form.Scratched.contains(entry))
        showAsScratched(form, entry, number);
}

void showEntries(Form1& form, int race) {
    Grid& grid = form.MSFlexGrid1;
    grid.clear();
    layOutPastPerformanceGrid(grid);
    if (GridCell* header = grid.cell(1, 0)) {
        header->text = raceHeader(form.Card, race);
        header->bold = true;
        header->fontSize = 11;
    }
    showScratchButtons(form, race);
    const auto first = form.Card.RaceFirstEntry.at(race);
    const auto count = entriesOfRace(form.Card, race);
    if (!first || !count)
        return;
    if (const auto rows = text::wholeNumber(8.0 * *count + 10); rows && *rows >= 0)
        grid.setRows(*rows);
    for (int k = 1; k <= *count; ++k)
        showEntry(form, race, *first + k - 1, k, 3 + 7 * (k - 1));
}

void showToteBoard(Form1& form, int race) {
    form.Text57.find(0)->text = "Race: " + std::to_string(race);
    for (int k = 1; k <= 9; ++k)
        form.Text57.find(k)->text = form.Records.CardPayoffs.valueAt(race, k);
    form.Label17.caption = form.Records.CardPayoffs.valueAt(race, 10);
}

// Stores the boxes of the race shown (shownRace), moves to the race
// `next` gives for it and saves the card, so nothing typed is lost to a crash.
// Nothing happens while no race is shown.
template <typename NextRace> void leaveShownRace(Form1& form, NextRace next) {
    if (!form.shownRace() || form.Card.RaceCount < 1)
        return;
    storeShownRaceBoxes(form);
    const int race = next(form.CurrentRace);
    form.CurrentRace = static_cast<std::int16_t>(race);
    form.setShownRace(form.CurrentRace);
    showRace(form, race);
    saveChangedRecordArrays(form);
}

} // namespace

std::string raceHeader(const CardStore& store, int race) {
    return "RACE: " + std::to_string(race) + std::string(9, ' ') +
           store.RaceDistance.valueAt(race) + distanceUnit(store);
}

void showRace(Form1& form, int race) {
    if (race < 1 || race > 20)
        return;
    showPicksAndResults(form, race);
    colourRaceButtons(form, race);
    showRaceHeader(form, race);
    showEntries(form, race);
    showToteBoard(form, race);
}

void Command2_Click(Form1& form, int Index) {
    if (Index < 1 || Index > 20)
        return;
    leaveShownRace(form, [Index](int) { return Index; });
}

void Command5_Click(Form1& form) {
    leaveShownRace(form, [](int shown) { return std::max(shown - 1, 1); });
}

void Command6_Click(Form1& form) {
    // The race buttons stop at 20, and so does ">" on a longer card.
    const int last = std::min<int>(form.Card.RaceCount, 20);
    leaveShownRace(form, [last](int shown) { return std::min(shown + 1, last); });
}

} // namespace tallowmere
