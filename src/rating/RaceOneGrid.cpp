#include "rating/RaceOneGrid.h"

#include "text/Masks.h"
#include "text/Numbers.h"

namespace tallowmere {
namespace {

void writeStyled(Grid& grid, int row, const std::string& text, bool bold, int fontSize) {
    if (GridCell* cell = grid.cell(row, 0)) {
        cell->text = text;
        cell->bold = bold;
        cell->fontSize = fontSize;
    }
}

} // namespace

std::string distanceUnit(const CardStore& store) {
    const auto furlongs = text::strictNumber(store.RaceDistance.valueAt(1));
    return furlongs && *furlongs >= 2 ? "f" : "Mi";
}

std::string raceOneHeader(const CardStore& store) {
    return "RACE: 1" + std::string(10, ' ') + store.RaceDistance.valueAt(1) + distanceUnit(store);
}

void writeEntryTitle(Grid& grid, const CardStore& store, int entry, int titleRow) {
    // An entry beyond the store has no texts to show; the rows keep their look.
    const bool stored = EntryTexts::contains(entry);
    const int e = entry;
    writeStyled(grid, titleRow, grid.text(titleRow, 0), true, 10);
    if (GridCell* title = grid.cell(titleRow, 0)) {
        title->foreColor = white;
        title->backColor = red;
    }
    writeStyled(grid, titleRow + 1, grid.text(titleRow + 1, 0), true, 9);
    if (stored) {
        grid.setText(titleRow, 0,
                     store.EntryName.valueAt(e) + "   " + store.EntryMorningLine.valueAt(e));
        grid.setText(titleRow + 1, 0,
                     "PN: " + store.EntryProgram.valueAt(e) +
                         "    PP: " + std::to_string(store.EntryPost.valueAt(e)) +
                         "    HN: " + std::to_string(e));
        grid.setText(titleRow + 2, 0, "Weight: " + std::to_string(store.EntryWeight.valueAt(e)));
        grid.setText(titleRow + 3, 0, "J - " + store.EntryJockey.valueAt(e));
        grid.setText(titleRow + 4, 0, "T - " + store.EntryTrainer.valueAt(e));
    }
    grid.setText(titleRow + 5, 0, "Workout: ");
}

std::optional<std::array<std::string, 22>> pastRaceCells(const CardStore& store, int entry,
                                                         int past) {
    if (!PastTexts::contains(entry, past))
        return std::nullopt;
    const auto at = [&](const PastTexts& texts) { return texts.valueAt(entry, past); };
    return std::array<std::string, 22>{at(store.PastDate),
                                       at(store.PastTrackRace),
                                       at(store.PastTrackCond),
                                       at(store.PastDistSurf),
                                       at(store.PastCall1),
                                       at(store.PastCall2),
                                       at(store.PastCall3),
                                       at(store.PastTime),
                                       at(store.PastNonWinR),
                                       at(store.PastClass),
                                       std::to_string(store.PastClassRating.valueAt(entry, past)),
                                       at(store.PastSpeedFig),
                                       at(store.PastPost),
                                       at(store.PastGateBreak),
                                       at(store.PastLen1),
                                       at(store.PastLen2),
                                       at(store.PastStretchLen),
                                       at(store.PastFinBeaten),
                                       at(store.PastJockeyNo),
                                       std::to_string(store.PastWeight.valueAt(entry, past)),
                                       at(store.PastJockey),
                                       text::formatText(at(store.PastOdds), "##.00") +
                                           at(store.PastFavMark)};
}

void writePastRaceRow(Grid& grid, const CardStore& store, int entry, int past, int row,
                      const std::string& rating) {
    if (!grid.contains(row, 0))
        return; // a row beyond the grid shows nothing, so its texts are not made
    if (const auto cells = pastRaceCells(store, entry, past))
        for (int column = 1; column <= 22; ++column)
            grid.setText(row, column, (*cells)[column - 1]);
    grid.setText(row, 23, text::ratingFormat(rating));
}

} // namespace tallowmere
