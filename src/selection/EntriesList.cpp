#include "selection/EntriesList.h"

#include "card/CardFileNames.h"
#include "card/DataRoot.h"
#include "card/UnusableFiles.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

namespace tallowmere {
namespace {

// Lines 2 and 4 hold a lone CR before their line end.
constexpr const char* listHead = "This list is designed for use when a race has multiple "
                                 "scratches.\r\n\r\r\n"
                                 "The entry's best Pace Rating is displayed.\r\n\r\r\n"
                                 "To select the next best entry use the LOWEST Pace Rating.\r\n"
                                 "\r\n";

constexpr int listedPosts = 22;

std::string postInThree(const std::string& postText) {
    const auto post = text::strictWhole(postText);
    return text::rightAligned(post ? std::to_string(*post) : postText, 3);
}

EntriesListLine formattedLine(const CardStore& store, int race, int post, int n) {
    return {race,
            post,
            n,
            text::rightAligned(store.PostProgram.valueAt(race, post), 3),
            postInThree(store.PostText.valueAt(race, post)),
            text::rightAligned(store.EntryMorningLine.valueAt(n), 5)};
}

std::string entryLine(const CardStore& store, const SelectionResults& selections,
                      const EntriesListLine& line) {
    const std::string gap(5, ' ');
    return line.program + gap + line.postText + gap + line.morningLine + gap +
           text::leftAligned(store.PostName.valueAt(line.race, line.post), 30) +
           text::leftAligned(store.PostJockey.valueAt(line.race, line.post), 20) +
           selections.BestPaceRating.valueAt(line.entry) + "\r\n";
}

} // namespace

EntriesList entriesList(const CardStore& store, const SelectionResults& selections) {
    EntriesList list{listHead, {}};
    int n = 0;
    for (int r = 1; r <= store.RaceCount; ++r) {
        list.text += "\r\nRACE: " + std::to_string(r) + "\r\n PN      PP\r\n";
        for (int k = 1; k <= listedPosts && !store.PostProgram.valueAt(r, k).empty(); ++k) {
            list.lines.push_back(formattedLine(store, r, k, ++n));
            list.text += entryLine(store, selections, list.lines.back());
        }
    }
    return list;
}

void storeEntriesListLines(CardStore& store, const std::vector<EntriesListLine>& lines) {
    for (const EntriesListLine& line : lines) {
        store.PostProgram.set(line.race, line.post, line.program);
        store.PostText.set(line.race, line.post, line.postText);
        store.EntryMorningLine.set(line.entry, line.morningLine);
    }
}

void Entries_Click(Form1& form) {
    if (form.ActiveCardFile.empty())
        return;
    // The name's stem is kept as KeySelectionsFile; the key entries form that
    // name again before they use it.
    form.KeySelectionsFile = form.ActiveCardFile.substr(0, form.ActiveCardFile.find('.'));
    const std::string listFile = cardFileWithExtension(form.ActiveCardFile, "pmx");
    const EntriesList list = entriesList(form.Card, form.Selections);
    storeEntriesListLines(form.Card, list.lines);
    const auto file = DataRoot{form.DataRoot}.entriesFolder() / listFile;
    writeFileOrTell(form, file, list.text);
    form.platform.showTextFile(file);
}

} // namespace tallowmere
