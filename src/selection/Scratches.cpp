#include "selection/Scratches.h"

#include "card/CardSaving.h"
#include "selection/ScratchMarks.h"
#include "selection/TopFour.h"

namespace tallowmere {
namespace {

bool scratchConfirmed(Form1& form, int entry) {
    const Message question{"Scratch Entry",
                           "Are you sure you want to Scratch " +
                               form.Card.EntryProgram.valueAt(entry) + "  " +
                               form.Card.EntryName.valueAt(entry) + " ?    ",
                           MessageButtons::YesNo, MessageIcon::Critical, 2};
    return form.platform.showMessage(question) == MessageAnswer::Yes;
}

bool reinstateConfirmed(Form1& form, int entry) {
    const Message question{"Reinstate Entry",
                           "Reinstate " + form.Card.EntryProgram.valueAt(entry) + "  " +
                               form.Card.EntryName.valueAt(entry) + " ?",
                           MessageButtons::YesNo, MessageIcon::Question, 2};
    return form.platform.showMessage(question) == MessageAnswer::Yes;
}

// Re-ranks the race after a scratch or a reinstatement and keeps both with the card.
void rerank(Form1& form, int race) {
    for (int k = 1; k <= 4; ++k)
        form.setText39(k, "");
    form.CurrentRace = static_cast<std::int16_t>(race);
    form.ScratchRace = static_cast<std::int16_t>(race);
    TOP_FOUR_SCRATCH(form);
    saveScratches(form);
    saveChangedRecordArrays(form);
}

} // namespace

void Command3_Click(Form1& form, int Index) {
    const auto race = form.shownRace();
    if (!race || *race < 1 || *race > form.Card.RaceCount)
        return; // no race shown
    const auto first = form.Card.RaceFirstEntry.at(*race);
    const auto last = lastEntryOfRace(form.Card, *race);
    if (!first || !last || Index < 1 || *first + Index - 1 > *last)
        return; // no such entry in the race
    const int entry = *first + Index - 1;
    form.platform.beep();
    form.LastEntry = static_cast<std::int16_t>(*last);
    if (form.Scratched.contains(entry)) {
        if (!reinstateConfirmed(form, entry))
            return;
        reinstateEntry(form, entry, Index);
    } else {
        if (!scratchConfirmed(form, entry))
            return;
        scratchEntry(form, entry);
        showAsScratched(form, entry, Index);
    }
    rerank(form, *race);
}

void storeScratchedSelectionLines(Form1& form, int race) {
    const int first = race == 1 ? 1 : form.Card.RaceFirstEntry.valueAt(race);
    if (const auto last = lastEntryOfRace(form.Card, race))
        storeSelectionLines(form, race, pickFour(form.Card, first, *last), "");
}

void TOP_FOUR_SCRATCH(Form1& form) {
    const int race = form.ScratchRace;
    form.CurrentRace = form.ScratchRace;
    form.FirstEntry = race == 1 ? 1 : form.Card.RaceFirstEntry.valueAt(race);
    if (const auto last = lastEntryOfRace(form.Card, race))
        form.LastEntry = static_cast<std::int16_t>(*last);
    const Picks picks = pickFour(form.Card, form.FirstEntry, form.LastEntry);
    storePicks(form, race, picks, "");
    showPicks(form, race, picks);
}

} // namespace tallowmere
