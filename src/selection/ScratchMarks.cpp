#include "selection/ScratchMarks.h"

namespace tallowmere {
namespace {

constexpr int ratingColumn = 23;

// The grid row of rating slot `slot` of the n-th entry of the race on screen.
int ratingRow(int n, int slot) {
    return 3 + 7 * (n - 1) + slot - 1;
}

} // namespace

bool scratchEntry(Form1& form, int entry) {
    if (form.Scratched.contains(entry))
        return false;
    ScratchedEntry& scratched = form.Scratched[entry];
    for (int slot = 1; slot <= 6; ++slot) {
        scratched.ratings[slot - 1] = form.Card.PaceRatings.valueAt(entry, slot);
        form.Card.PaceRatings.set(entry, slot, "99.9");
    }
    return true;
}

void showAsScratched(Form1& form, int entry, int n) {
    ScratchedEntry& scratched = form.Scratched[entry];
    for (int slot = 1; slot <= 6; ++slot) {
        scratched.coveredCells[slot - 1] = form.MSFlexGrid1.text(ratingRow(n, slot), ratingColumn);
        form.MSFlexGrid1.setText(ratingRow(n, slot), ratingColumn, "SCR");
    }
    if (Button* button = form.Command3.find(n))
        button->caption = "X";
}

void reinstateEntry(Form1& form, int entry, int n) {
    const auto found = form.Scratched.find(entry);
    if (found == form.Scratched.end())
        return;
    for (int slot = 1; slot <= 6; ++slot) {
        form.Card.PaceRatings.set(entry, slot, found->second.ratings[slot - 1]);
        form.MSFlexGrid1.setText(ratingRow(n, slot), ratingColumn,
                                 found->second.coveredCells[slot - 1]);
    }
    form.Scratched.erase(found);
    if (Button* button = form.Command3.find(n))
        if (const auto program = form.Card.EntryProgram.at(entry))
            button->caption = *program;
}

std::string ratingBeforeScratch(const Form1& form, int entry, int slot) {
    const auto found = form.Scratched.find(entry);
    if (found == form.Scratched.end())
        return form.Card.PaceRatings.valueAt(entry, slot);
    return slot >= 1 && slot <= 6 ? found->second.ratings[slot - 1] : std::string{};
}

void showScratchButtons(Form1& form, int race) {
    const auto first = form.Card.RaceFirstEntry.at(race);
    const auto count = entriesOfRace(form.Card, race);
    for (int n = 1; n <= 20; ++n) {
        Button* button = form.Command3.find(n);
        button->visible = first && count && n <= *count;
        if (!button->visible)
            continue;
        const int entry = *first + n - 1;
        if (form.Scratched.contains(entry))
            button->caption = "X";
        else if (const auto program = form.Card.EntryProgram.at(entry))
            button->caption = *program;
    }
}

} // namespace tallowmere
