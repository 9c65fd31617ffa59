#include "model/CardStore.h"

namespace tallowmere {

std::optional<int> lastEntryOfRace(const CardStore& store, int race) {
    if (race == store.RaceCount)
        return store.EntryCount;
    const auto nextFirst = store.RaceFirstEntry.at(race + 1);
    return nextFirst ? std::optional<int>(*nextFirst - 1) : std::nullopt;
}

std::optional<int> entriesOfRace(const CardStore& store, int race) {
    const auto first = store.RaceFirstEntry.at(race);
    const auto last = lastEntryOfRace(store, race);
    if (!first || !last)
        return std::nullopt;
    const int count = *last - *first + 1;
    if (count < -32768 || count > 32767)
        return std::nullopt;
    return count;
}

} // namespace tallowmere
