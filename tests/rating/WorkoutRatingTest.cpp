#include "rating/WorkoutRating.h"

#include <gtest/gtest.h>

using namespace tallowmere;

namespace {

struct WorkoutCase {
    const char *today, *distance;
    int post;
    const char *compared, *workout, *rating;
};

} // namespace

// Worked by hand. The time is the last six characters of a workout up to 4
// furlongs, else the last seven (or six when those start with ":"); it is
// carried over from the compared past race's track (93 when unlisted) to
// today's (0 when unlisted) under 7.5 furlongs; then 110 less the feet per
// second, the post factor and 0.5 a furlong of distance difference.
TEST(WorkoutRating, RatesTheLastWorkoutAsWorkedByHand) {
    const TrackFile tracks({"TOD  Today               95     90",
                            "PST  Past                90     85", "SLO  Slow                40"});
    const WorkoutCase cases[] = {
        {"TOD", "6", 3, "PST5", "4 CD ft  48.20", " 55.0"}, // the worked example
        {"TOD", "6", 3, "TOD1", "5f CD ft  100.40", " 55.5"},
        {"TOD", "6", 3, "TOD1", "5f ft :100.40", " 55.5"},
        {"TOD", "6", 3, "TOD1", "4f ft 1 48.00", " 56.0"},
        {"TOD", "7", 3, "SLO1", "7f ft  126.00", " 48.0"},  // 86 - 11 s: 62 fps
        {"TOD", "8", 3, "SLO1", "8f ft  140.00", " 57.0"},  // uncorrected: 53 fps
        {"XXX", "6", 3, "PST5", "4 CD ft  30.00", " 56.0"}, // 18 s added
        {"TOD", "6", 3, "", "4 CD ft  48.00", " 56.0"},     // 47.6 s: 55 fps
        {"TOD", "6.5", 3, "TOD1", "6f ft  112.00", " 55.3"},
        {"TOD", "6.4", 3, "TOD1", "6f ft  112.00", " 55.0"},
        {"TOD", "5", 3, "TOD1", "6f ft  112.00", " 54.5"}, // a longer workout earns 0.5
        {"TOD", "6", 9, "TOD1", "6f ft  112.00", " 55.5"}, // 55.45 is not cut to 55.4
        {"TOD", "6", 3, "PST5", "", "113.0"},              // -1 s: 0 fps
        {"TOD", "6", 3, "TOD1", "", " - "},                // no time at all
    };
    for (const auto& [today, distance, post, compared, workout, rating] : cases) {
        CardStore store;
        store.RaceDistance.set(1, distance);
        store.RaceTrack.set(1, today);
        store.EntryPost.set(1, static_cast<std::int16_t>(post));
        store.PastTrackRace.set(1, 5, compared);
        store.EntryLastWork.set(1, workout);
        EXPECT_EQ(workoutRating(store, 1, 5, 1, tracks), rating) << workout << " " << distance;
    }
}

TEST(WorkoutRating, ARaceBeyondTheTrackStoreHasNoTodaysTrack) {
    // An empty code would match the blank-coded line; race 21 has no track
    // code to look up at all.
    const TrackFile tracks({"     Blank code          50", "PST  Past                90"});
    CardStore store;
    store.RaceDistance.set(21, "6");
    store.RaceDistance.set(20, "6");
    store.PastTrackRace.set(1, 5, "PST5");
    store.EntryLastWork.set(1, "4 CD ft  30.00");
    EXPECT_EQ(workoutRating(store, 1, 5, 21, tracks), " 56.0") << "30 + 18 s: 55 fps";
    EXPECT_EQ(workoutRating(store, 1, 5, 20, tracks), " 42.0") << "30 + 8 s: 69 fps; 41 + 1";
}
