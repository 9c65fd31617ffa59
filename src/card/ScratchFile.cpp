#include "card/ScratchFile.h"

#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

namespace tallowmere {
namespace {

// Calls `visit(entry)` for each entry of the race, in entry order.
template <typename Visit> void forEachEntryOf(const CardStore& store, int race, Visit visit) {
    const auto first = store.RaceFirstEntry.at(race);
    const auto count = entriesOfRace(store, race);
    if (!first || !count)
        return;
    for (int entry = *first; entry < *first + *count; ++entry)
        visit(entry);
}

std::optional<int> entryOfProgram(const CardStore& store, int race, std::string_view program) {
    std::optional<int> found;
    forEachEntryOf(store, race, [&](int entry) {
        if (!found && text::trimmed(store.EntryProgram.valueAt(entry)) == program)
            found = entry;
    });
    return found;
}

} // namespace

std::string scratchFileText(const CardStore& store, const ScratchedEntries& scratched) {
    std::string text;
    for (int race = 1; race <= store.RaceCount; ++race)
        forEachEntryOf(store, race, [&](int entry) {
            if (scratched.contains(entry))
                text += std::to_string(race) + "," +
                        text::trimmed(store.EntryProgram.valueAt(entry)) + "\r\n";
        });
    return text;
}

std::vector<NamedScratch> scratchesNamedIn(const CardStore& store, std::string_view content) {
    std::vector<NamedScratch> scratches;
    for (const auto& line : text::splitLines(content)) {
        const auto comma = line.find(',');
        if (comma == std::string::npos)
            continue;
        const auto race = text::strictWhole(std::string_view(line).substr(0, comma));
        if (!race || *race < 1 || *race > store.RaceCount)
            continue;
        if (const auto entry = entryOfProgram(store, *race, text::trimmed(line.substr(comma + 1))))
            scratches.push_back({*race, *entry});
    }
    return scratches;
}

} // namespace tallowmere
