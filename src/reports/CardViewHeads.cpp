#include "reports/CardViewHeads.h"

#include "model/MakerLines.h"

namespace tallowmere {

std::string cardViewHead(std::string_view title, const CardStore& store,
                         std::string_view trackName) {
    return std::string(title) + "\r\n" + maker::makerLine + "\r\n" + store.RaceTrack.valueAt(1) +
           " " + std::string(trackName) + "\r\n" + store.RaceDate.valueAt(1) + "\r\n\r\n";
}

std::string raceViewHead(const CardStore& store, int race) {
    const auto condition = [&](int line) { return store.RaceConditions.valueAt(race, line); };
    return "Race: " + std::to_string(race) + "     " + store.RaceDistance.valueAt(race) +
           "f   CR: " + std::to_string(store.RaceClass.valueAt(race)) +
           "  Post Time: " + store.RacePostTime.valueAt(race) + "\r\n\r\n" + "$ " +
           store.RacePurse.valueAt(race) + "  " + condition(1) + " " + condition(2) + "\r\n" +
           condition(3) + " " + condition(4) + "\r\n" + store.RaceWagering.valueAt(race) +
           "\r\n\r\n";
}

} // namespace tallowmere
