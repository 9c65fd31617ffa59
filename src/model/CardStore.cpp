#include "model/CardStore.h"

namespace tallowmere {

std::optional<int> entriesOfRace(const CardStore& store, int race) {
    const auto first = store.RaceFirstEntry.at(race);
    if (!first)
        return std::nullopt;
    int count = 0;
    if (race == store.RaceCount) {
        count = store.EntryCount - *first + 1;
    } else {
        const auto next = store.RaceFirstEntry.at(race + 1);
        if (!next)
            return std::nullopt;
        count = *next - *first;
    }
    if (count < -32768 || count > 32767)
        return std::nullopt;
    return count;
}

} // namespace tallowmere
