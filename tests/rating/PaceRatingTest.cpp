#include "rating/PaceRating.h"

#include <gtest/gtest.h>

using namespace tallowmere;

namespace {

// Code, name, sprint in columns 25-27, mile in 32-34, size category "1.<route
// digit>" in 37-39, route in 39-40.
std::string trackLine(const std::string& code, int sprint, int mile, int route) {
    char line[64];
    std::snprintf(line, sizeof line, "%-3s  %-19s%3d    %3d  1.%d", code.c_str(), "Track", sprint,
                  mile, route);
    return line;
}

const TrackFile tracks({trackLine("TOD", 95, 90, 88), trackLine("PST", 90, 85, 80)});

// Entry 1 runs today from post 3 in race 1 and finished fifth on a fast track
// in its past race; no class rating or speed figure unless given.
std::string rating(const std::string& today, const std::string& distance, const std::string& time,
                   const std::string& distSurf, const std::string& past, int classRating = 0,
                   const std::string& speedFigure = "0", const TrackFile& file = tracks) {
    CardStore store;
    store.RaceDistance.set(1, distance);
    store.RaceTrack.set(1, today);
    store.EntryPost.set(1, 3);
    store.PastTime.set(1, 1, time);
    store.PastDistSurf.set(1, 1, distSurf);
    store.PastSurface.set(1, 1, distSurf.empty() ? "" : distSurf.substr(distSurf.size() - 1));
    store.PastTrackRace.set(1, 1, past);
    store.PastTrackCond.set(1, 1, "FT");
    store.PastFinBeaten.set(1, 1, "5");
    store.PastClassRating.set(1, 1, static_cast<std::int16_t>(classRating));
    store.PastSpeedFig.set(1, 1, speedFigure);
    return pastRaceRating(store, {1, 1, 1, today, file});
}

struct PaceCase {
    const char *today, *distance, *time, *distSurf, *past, *rating;
};

} // namespace

// Worked by hand. The seconds form reads 112.4 as 72.4 s and 100 as 60 s; the
// time is carried over to today's track by the speed values of its distance
// class (sprint, mile from 7.5, route from 8.5); feet per second round half to
// even; half a furlong of distance change or more counts 0.75 a furlong.
TEST(PaceRating, RatesPastRacesAsWorkedByHand) {
    EXPECT_EQ(rating("TOD", "6.00", "112.4", "6D", "PST5", 80, "70"), " 47.5")
        << "the worked example";
    const PaceCase cases[] = {
        {"PST", "6", "100", "6D", "PST5", " 52.8"},     // 66 fps: 120 - 66 - 1.2
        {"PST", "6", "99.9", "6D", "PST5", " 78.8"},    // 99.9 s
        {"PST", "6", "200", "12D", "PST5", " 47.1"},    // 66 fps, 6 furlongs longer
        {"TOD", "7.5", "100", "7.5D", "PST5", " 34.5"}, // mile: -1 s, 84 fps
        {"TOD", "8.5", "100", "8.5D", "PST5", " 21.3"}, // route: -2.4 s, 97 fps
        {"PST", "6", "100", "6.4D", "PST5", " 48.7"},   // 70 fps; 0.4 longer is no change
        {"PST", "6", "100", "6.5D", "PST5", " 46.3"},   // 72 fps (even); 0.5 longer
        {"PST", "6", "100", "5.6D", "PST5", " 56.8"},   // 62 fps; 0.4 shorter is no change
        {"PST", "6", "264", "1D", "PST5", "119.0"},     // 4 fps: 119.55 cut to "119."
        {"TOD", "6", "", "6D", "PST5", " - "},          {"TOD", "6", "0", "6D", "PST5", " - "},
        {"TOD", "6", "1:12", "6D", "PST5", " - "},      {"TOD", "6", "112.4", "", "PST5", "   .0"},
        {"XXX", "6", "110.7", "6D", "YYY1", " 68.8"},   // unlisted: 0 today, 93 past: 50 fps
        {"TOD", "7.5", "100", "7.5D", "YYY1", " 33.5"}, // unlisted mile 82: 58.4 s, 85 fps
        {"TOD", "8.5", "100", "8.5D", "YYY1", " 23.3"}, // unlisted route 85: 59.1 s, 95 fps
        {"TDq", "6", "17.5", "350D", "PST5", " 60.0"},  // a q track rates the raw time only
        {"TDq", "6", "", "350D", "PST5", " - "},        {"TDq", "6", "17.5", "", "PST5", "120.0"},
        {"TOD", "6", "0.1", "6D", "PST5", "1000.0"},  // 0.1 is a time
        {"TDQ", "6", "112.4", "6D", "PST5", " 69.8"}, // an upper-case Q is a regular track
    };
    for (const auto& [today, distance, time, distSurf, past, expected] : cases)
        EXPECT_EQ(rating(today, distance, time, distSurf, past), expected)
            << today << " " << distance << " " << time << " " << distSurf << " " << past;
    EXPECT_EQ(pastRaceRating(CardStore{}, {401, 1, 1, "TOD", tracks}), " - ")
        << "an entry beyond the store";
}

TEST(PaceRating, ABlankSpeedValueIs92AndAnAdjustedTimeOfZeroIsNoRating) {
    const TrackFile blank({"YYY  Blank sprint"});
    EXPECT_EQ(rating("XXX", "6", "110.8", "6D", "YYY1", 0, "0", blank), " 68.8")
        << "80.0 s: 49.5, 50 fps";
    const TrackFile faster({trackLine("TOD", 90, 90, 90), trackLine("PST", 100, 90, 90)});
    EXPECT_NE(rating("TOD", "6", "1", "6D", "PST5", 0, "0", faster), " - ") << "1 + 1 = 2 s";
    const TrackFile slower({trackLine("TOD", 100, 90, 90), trackLine("PST", 90, 90, 90)});
    EXPECT_EQ(rating("TOD", "6", "1", "6D", "PST5", 0, "0", slower), " - ") << "1 - 1 = 0 s";
}
