#pragma once

#include "CardSchema.h"

#include <cstdint>
#include <string>

namespace tallowmere::cardgen {

struct CardShape {
    int races = 9;
    int entriesPerRace = 8;
    int pastRacesPerEntry = 6;
};

struct CardRequest {
    std::uint32_t seed = 1;
    CardShape shape;
    std::string raceDate = "20261205"; // YYYYMMDD
    std::string track;                 // today's track code; empty: chosen by the seed
};

// A plausible card: times in seconds form, calls, beaten lengths, finishes
// with margins, workouts with the distance first and the time last, jockeys and
// trainers as "Surname, First", past races at the tracks of sampleTracks() and
// now and then at a track it does not list. The same request always gives the
// same card. Names are invented.
CardRecords makeCard(const CardRequest& request);

} // namespace tallowmere::cardgen
