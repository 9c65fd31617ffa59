#include "selection/TopFour.h"

#include "card/DataRoot.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <algorithm>

namespace tallowmere {
namespace {

bool alreadyPicked(const Picks& picks, int entry) {
    return std::any_of(picks.begin(), picks.end(),
                       [entry](const auto& pick) { return pick && pick->entry == entry; });
}

double valueOf(const CardStore& store, const std::optional<Pick>& pick) {
    return pick ? text::numberOf(store.PaceRatings.valueAt(pick->entry, pick->slot)) : 0.0;
}

std::string programOf(const CardStore& store, const std::optional<Pick>& pick) {
    return pick ? store.EntryProgram.valueAt(pick->entry) : std::string{};
}

void appendLine(const std::filesystem::path& file, const std::string& line) {
    (void)text::appendText(file, line + "\r\n");
}

} // namespace

std::vector<std::pair<int, std::string>> bestPaceRatings(const CardStore& store, int first,
                                                         int last) {
    std::vector<std::pair<int, std::string>> best;
    for (int entry = first; entry <= last; ++entry) {
        double lowest = 350;
        std::optional<std::string> bestText;
        for (int slot = 1; slot <= 6; ++slot) {
            const auto cell = store.PaceRatings.at(entry, slot);
            if (!cell)
                continue;
            const double value = text::numberOf(*cell);
            if (value > 0 && value < lowest) {
                lowest = value;
                bestText = *cell;
            }
        }
        if (bestText)
            best.emplace_back(entry, *bestText);
    }
    return best;
}

Picks pickFour(const CardStore& store, int first, int last) {
    Picks picks;
    for (int k = 0; k < 4; ++k) {
        double limit = k == 0 ? 250 : 350;
        for (int entry = first; entry <= last; ++entry) {
            if (alreadyPicked(picks, entry))
                continue;
            for (int slot = 1; slot <= 6; ++slot) {
                const auto cell = store.PaceRatings.at(entry, slot);
                if (!cell || *cell == " - ")
                    continue;
                const double value = text::numberOf(*cell);
                if (value >= 20 && value < limit) {
                    limit = value;
                    picks[k] = Pick{entry, slot, value};
                }
            }
        }
    }
    return picks;
}

std::string selectionLine(const CardStore& store, const Pick& pick, const std::string& gap) {
    const int e = pick.entry;
    return text::rightAligned(store.EntryProgram.valueAt(e), 4) +
           text::rightAligned(text::textOf(store.EntryPost.valueAt(e)), 4) +
           text::rightAligned(text::trimmed(store.EntryMorningLine.valueAt(e)), 6) +
           text::rightAligned(store.EntryName.valueAt(e), 30) +
           text::rightAligned(store.EntryJockey.valueAt(e), 20) + gap +
           store.PaceRatings.valueAt(e, pick.slot);
}

std::string keySelections(const CardStore& store, const Picks& picks) {
    std::string keys = picks[0] ? text::rightAligned(programOf(store, picks[0]), 4) : "";
    const double maxGap[] = {0, 5, 0.5, 0.5};
    for (int k = 1; k < 4; ++k) {
        if (!picks[k])
            continue;
        const double gap = valueOf(store, picks[k]) - valueOf(store, picks[k - 1]);
        const bool close = k == 1 ? gap < maxGap[k] : gap <= maxGap[k];
        if (close)
            keys += " -" + text::rightAligned(programOf(store, picks[k]), 4);
    }
    return keys;
}

std::string keySelectionsLine(int race, const std::string& keys) {
    return "RACE" + text::rightAligned(std::to_string(race), 3) + " :       " + keys;
}

void storePicks(Form1& form, int race, const Picks& picks, const std::string& gap) {
    for (int k = 1; k <= 4; ++k)
        form.Records.CardPicks.set(race, k, programOf(form.Card, picks[k - 1]));
    storeSelectionLines(form, race, picks, gap);
}

void storeSelectionLines(Form1& form, int race, const Picks& picks, const std::string& gap) {
    for (int k = 1; k <= 4; ++k) {
        const auto& pick = picks[k - 1];
        form.Selections.SelectionLines.set(race, k,
                                           pick ? selectionLine(form.Card, *pick, gap) : "");
        if (pick)
            form.Card.EntryMorningLine.set(
                pick->entry, text::trimmed(form.Card.EntryMorningLine.valueAt(pick->entry)));
    }
}

void showPicks(Form1& form, int race, const Picks& picks) {
    for (int k = 1; k <= 4; ++k) {
        const auto shown = form.Records.CardPicks.at(race, k);
        if (!shown)
            continue;
        const bool sameAsBefore = shown == form.Records.CardPicks.at(race, k - 1);
        form.setText39(k, !picks[k - 1] || sameAsBefore ? " - " : *shown);
    }
}

void TOP_FOUR(Form1& form) {
    const int race = form.CurrentRace;
    for (const auto& [entry, rating] : bestPaceRatings(form.Card, form.FirstEntry, form.LastEntry))
        form.Selections.BestPaceRating.set(entry, rating);

    const Picks picks = pickFour(form.Card, form.FirstEntry, form.LastEntry);
    for (int k = 1; k <= 4; ++k) {
        const auto& pick = picks[k - 1];
        form.Records.CardPicks.set(race, k, programOf(form.Card, pick));
        form.Selections.SelectionLines.set(race, k, pick ? selectionLine(form.Card, *pick) : "");
        if (pick)
            form.Card.EntryMorningLine.set(
                pick->entry, text::trimmed(form.Card.EntryMorningLine.valueAt(pick->entry)));
    }
    const std::string keys = keySelections(form.Card, picks);
    form.Selections.KeySelections.set(race, keys);
    if (!form.KeySelectionsFile.empty())
        appendLine(DataRoot{form.DataRoot}.keySelectionsFolder() / form.KeySelectionsFile,
                   keySelectionsLine(race, keys));
    showPicks(form, race, picks);
}

} // namespace tallowmere
