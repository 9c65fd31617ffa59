#include "reports/SelectionsView.h"

#include "card/CardFileNames.h"
#include "card/DataRoot.h"
#include "card/UnusableFiles.h"
#include "reports/CardViewHeads.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

namespace tallowmere {
namespace {

std::string dollarSigns(double margin) {
    const double limits[] = {1, 2, 3, 4};
    std::string signs = "$";
    for (double limit : limits)
        if (margin > limit)
            signs += "$";
    return signs;
}

} // namespace

std::string confidenceMark(std::string_view pick1Line, std::string_view pick2Line) {
    const double margin = text::numberOf(text::lastChars(pick2Line, 4)) -
                          text::numberOf(text::lastChars(pick1Line, 4));
    std::string mark = margin >= 0 && margin <= 0.1 ? "DEAD HEAT\r\n" : "";
    return mark + (margin <= 0.35 ? "VDH" : dollarSigns(margin)) + "\r\n";
}

std::string selectionsFile(const CardStore& store, const SelectionResults& selections,
                           std::string_view trackName) {
    std::string file = cardViewHead("Tallowmere Thoroughbred", store, trackName);
    for (int r = 1; r <= store.RaceCount; ++r) {
        const auto line = [&](int slot) { return selections.SelectionLines.valueAt(r, slot); };
        file += raceViewHead(store, r) + confidenceMark(line(1), line(2));
        for (int slot = 1; slot <= 5; ++slot)
            file += line(slot) + "\r\n";
        file += "\r\nKEY: " + selections.KeySelections.valueAt(r) + "\r\n\r\n";
    }
    return file;
}

void Selections_Click(Form1& form) {
    if (form.ActiveCardFile.empty())
        return;
    const auto file = DataRoot{form.DataRoot}.selectionsFolder() /
                      cardFileWithExtension(form.ActiveCardFile, "pms");
    writeFileOrTell(form, file, selectionsFile(form.Card, form.Selections, form.trackName()));
    form.CurrentRace = static_cast<std::int16_t>(form.Card.RaceCount + 1);
    form.platform.showTextFile(file);
}

} // namespace tallowmere
