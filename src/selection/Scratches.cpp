#include "selection/Scratches.h"

#include "selection/TopFour.h"
#include "text/Numbers.h"

namespace tallowmere {
namespace {

bool confirmed(Form1& form, int entry) {
    const Message question{"Scratch Entry",
                           "Are you sure you want to Scratch " +
                               form.Card.EntryProgram.valueAt(entry) + "  " +
                               form.Card.EntryName.valueAt(entry) + " ?    ",
                           MessageButtons::YesNo, MessageIcon::Critical, 2};
    return form.platform.showMessage(question) == MessageAnswer::Yes;
}

} // namespace

void Command3_Click(Form1& form, int Index) {
    const auto race = text::strictWhole(form.Label8.caption);
    if (!race || *race < 1 || *race > form.Card.RaceCount)
        return; // no race shown
    const auto first = form.Card.RaceFirstEntry.at(*race);
    const auto last = lastEntryOfRace(form.Card, *race);
    if (!first || !last || Index < 1 || *first + Index - 1 > *last)
        return; // no such entry in the race
    const int entry = *first + Index - 1;
    form.platform.beep();
    form.LastEntry = static_cast<std::int16_t>(*last);
    if (!confirmed(form, entry))
        return;
    for (int row = 3 + 7 * (Index - 1); row <= 8 + 7 * (Index - 1); ++row)
        form.MSFlexGrid1.setText(row, 23, "SCR");
    for (int slot = 1; slot <= 6; ++slot)
        form.Card.PaceRatings.set(entry, slot, "99.9");
    for (int k = 1; k <= 4; ++k)
        form.setText39(k, "");
    form.CurrentRace = *race;
    form.ScratchRace = *race;
    if (Button* button = form.Command3.find(Index))
        button->caption = "X";
    TOP_FOUR_SCRATCH(form);
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
