#include "reports/ProgramView.h"

#include "card/CardFileNames.h"
#include "card/DataRoot.h"
#include "card/UnusableFiles.h"
#include "reports/CardViewHeads.h"
#include "text/Masks.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <algorithm>
#include <utility>

namespace tallowmere {
namespace {

// A length ending in a letter ("nk", "hd") gets a blank after it.
std::string lengthField(std::string_view length) {
    std::string field = text::rightAligned(length, 6);
    if (static_cast<unsigned char>(field.back()) >= 'a')
        field += " ";
    return field;
}

std::string inTwo(std::string_view position) {
    return text::rightAligned(text::formatText(position, "##"), 2);
}

// A class rating or speed figure above 30 in three and a blank, any other as
// "---". A figure that is no number fails the test, so it shows as it stands.
std::string figureField(std::string_view figure) {
    if (const auto value = text::strictNumber(figure); value && *value <= 30)
        return "---";
    return text::rightAligned(text::formatText(figure, "###"), 3) + " ";
}

// The odds, then "*" for the race's favourite or a blank.
std::string oddsField(const CardStore& store, int entry, int past) {
    const bool favourite = text::trimmed(store.PastFavMark.valueAt(entry, past)) == "*";
    return text::rightAligned(text::formatText(store.PastOdds.valueAt(entry, past), "##.00"), 5) +
           (favourite ? "*" : " ");
}

std::string entryLines(const CardStore& store, int e) {
    return "PN: " + store.EntryProgram.valueAt(e) +
           " PP: " + text::printedNumber(store.EntryPost.valueAt(e)) + " " +
           store.EntryName.valueAt(e) +
           " Weight: " + text::printedNumber(store.EntryWeight.valueAt(e)) + "\r\n" +
           "ML:  " + store.EntryMorningLine.valueAt(e) + std::string(8, ' ') +
           "Jock: " + store.EntryJockey.valueAt(e) + "      TR: " + store.EntryTrainer.valueAt(e) +
           "\r\n" + store.EntryLastWork.valueAt(e) + "\r\n\r\n";
}

std::string selectionsLine(const SelectionResults& selections, int race) {
    const auto picked = [&](int slot) {
        return text::firstChars(selections.SelectionLines.valueAt(race, slot), 5);
    };
    return "SELECTIONS: " + picked(1) + "-" + picked(2) + "-" + picked(3) + "-" + picked(4) +
           picked(5) + "\r\n";
}

void addEntry(ProgramFile& program, const CardStore& store, int e) {
    program.text += entryLines(store, e);
    for (int k = 1; k <= 5; ++k) {
        if (store.PastDate.valueAt(e, k).empty())
            continue;
        program.formatted.push_back(programPastRace(store, e, k));
        program.text += pastPerformanceLine(store, program.formatted.back()) + "\r\n";
    }
    program.text += "\r\n";
}

// The entries of a race that the store holds; the last race's run to EntryCount.
std::pair<int, int> storedEntriesOfRace(const CardStore& store, int race) {
    const auto first = store.RaceFirstEntry.at(race);
    const auto last = lastEntryOfRace(store, race);
    if (!first || !last)
        return {1, 0};
    return {std::max<int>(*first, EntryTexts::low), std::min(*last, EntryTexts::high)};
}

} // namespace

ProgramPastRace programPastRace(const CardStore& store, int entry, int past) {
    const auto at = [&](const PastTexts& texts) { return texts.valueAt(entry, past); };
    return {entry,
            past,
            text::ratingFormat(at(store.PastCall1)),
            text::ratingFormat(at(store.PastCall2)),
            text::ratingFormat(at(store.PastCall3)),
            text::ratingFormat(at(store.PastTime)),
            inTwo(at(store.PastPost)),
            inTwo(at(store.PastGateBreak)),
            lengthField(at(store.PastLen1)),
            lengthField(at(store.PastLen2)),
            lengthField(at(store.PastStretchLen)),
            text::rightAligned(at(store.PastFinBeaten), 2),
            text::ratingFormat(store.PaceRatings.valueAt(entry, past))};
}

std::string pastPerformanceLine(const CardStore& store, const ProgramPastRace& formatted) {
    const int e = formatted.entry;
    const int k = formatted.past;
    const auto at = [&](const PastTexts& texts) { return texts.valueAt(e, k); };
    const ProgramPastRace& f = formatted;
    return at(store.PastDate) + " " + at(store.PastTrackRace) + " " + at(store.PastTrackCond) +
           " " + at(store.PastDistSurf) + " " + f.call1 + " " + f.call2 + " " + f.call3 + " " +
           f.time + " " + at(store.PastClass) + " " +
           figureField(std::to_string(store.PastClassRating.valueAt(e, k))) +
           figureField(at(store.PastSpeedFig)) + f.post + " " + f.gateBreak + "  " + f.len1 + " " +
           f.len2 + " " + f.stretchLen + " " + f.finBeaten + "   " +
           text::leftAligned(at(store.PastJockey), 15) + oddsField(store, e, k) + f.rating;
}

ProgramFile programFile(const CardStore& store, const SelectionResults& selections,
                        std::string_view trackName) {
    ProgramFile program{cardViewHead("Tallowmere Thoroughbred PRO", store, trackName), {}};
    for (int r = 1; r <= store.RaceCount; ++r) {
        program.text += raceViewHead(store, r);
        const auto [first, last] = storedEntriesOfRace(store, r);
        for (int e = first; e <= last; ++e)
            addEntry(program, store, e);
        program.text += selectionsLine(selections, r) + std::string(120, '=') + "\r\n";
    }
    return program;
}

void storeFormatted(CardStore& store, const std::vector<ProgramPastRace>& formatted) {
    for (const ProgramPastRace& f : formatted) {
        const int e = f.entry;
        const int k = f.past;
        store.PastCall1.set(e, k, f.call1);
        store.PastCall2.set(e, k, f.call2);
        store.PastCall3.set(e, k, f.call3);
        store.PastTime.set(e, k, f.time);
        store.PastPost.set(e, k, f.post);
        store.PastGateBreak.set(e, k, f.gateBreak);
        store.PastLen1.set(e, k, f.len1);
        store.PastLen2.set(e, k, f.len2);
        store.PastStretchLen.set(e, k, f.stretchLen);
        store.PastFinBeaten.set(e, k, f.finBeaten);
        store.PaceRatings.set(e, k, f.rating);
    }
}

void Program_Click(Form1& form) {
    if (form.ActiveCardFile.empty())
        return;
    const DataRoot root{form.DataRoot};
    // The card's selections file exists after the program view, empty at first.
    (void)text::appendText(
        root.selectionsFolder() / cardFileWithExtension(form.ActiveCardFile, "pms"), "");
    const ProgramFile program = programFile(form.Card, form.Selections, form.trackName());
    storeFormatted(form.Card, program.formatted);
    form.CurrentRace = static_cast<std::int16_t>(form.Card.RaceCount + 1);
    const auto file = root.programsFolder() / cardFileWithExtension(form.ActiveCardFile, "ppp");
    writeFileOrTell(form, file, program.text);
    form.platform.showTextFile(file);
}

} // namespace tallowmere
