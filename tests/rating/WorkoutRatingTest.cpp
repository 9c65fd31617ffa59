#include "rating/WorkoutRating.h"

#include "support/TestWindow.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::TempFolder;
using tallowmere::testing::writeFile;

namespace {

// Today's 6 furlongs at TOD (sprint 95); the compared past race at PST (90).
struct WorkoutTest : ::testing::Test {
    TempFolder folder;
    std::filesystem::path ini = folder / "TrackEditor.ini";
    CardStore store;

    WorkoutTest() {
        writeFile(ini,
                  "TOD  Today               95     90\r\nPST  Past                90     85\r\n"
                  "SLO  Slow                40\r\n");
        store.RaceDistance.set(1, "6");
        store.RaceTrack.set(1, "TOD");
        store.EntryPost.set(1, 3);
        store.PastTrackRace.set(1, 5, "PST5");
    }

    std::string rating(const std::string& workout) {
        store.EntryLastWork.set(1, workout);
        return workoutRating(store, 1, 5, 1, TrackFile::read(ini));
    }
};

} // namespace

TEST_F(WorkoutTest, TheWorkedExample) {
    EXPECT_EQ(rating("4 CD ft  48.20"), " 55.0");
}

TEST_F(WorkoutTest, TheTimeIsTheLastSixOrSevenCharacters) {
    store.PastTrackRace.set(1, 5, "TOD1"); // no track correction
    // 5 furlongs: last seven " 100.40" is 1:00.4: 3300 / 60.4 = 54.6: 55
    EXPECT_EQ(rating("5f CD ft  100.40"), " 55.5"); // 55 + 0.5
    // 5 furlongs, last seven ":59.80" would start with ":": the last six "59.80"
    EXPECT_EQ(rating("5f ft :100.40"), " 55.5");
    // 4 furlongs: always the last six (the last seven would read 148, blanks skipped)
    EXPECT_EQ(rating("4f ft 1 48.00"), " 56.0"); // 2640 / 48 = 55: 55 + 1.0
}

TEST_F(WorkoutTest, TrackCorrectionOnlyUnderSevenAndAHalfFurlongs) {
    store.PastTrackRace.set(1, 5, "SLO1"); // (40 - 95) * 0.2 = -11 s
    store.RaceDistance.set(1, "7");
    EXPECT_EQ(rating("7f ft  126.00"), " 48.0"); // 86 - 11 = 75 s: 4620 / 75 = 61.6: 62
    store.RaceDistance.set(1, "8");
    EXPECT_EQ(rating("8f ft  140.00"), " 57.0"); // 100 s uncorrected: 52.8: 53
}

TEST_F(WorkoutTest, TodaysTrackMissingAddsTheComparedValue) {
    store.RaceTrack.set(1, "XXX");                // T1 = 0: 90 * 0.2 = 18 s added
    EXPECT_EQ(rating("4 CD ft  30.00"), " 56.0"); // 48 s: 55 fps; + 1.0 for 2 furlongs shorter
}

TEST_F(WorkoutTest, ARaceBeyondTheTrackStoreHasNoTodaysTrack) {
    // An empty code would match this blank-coded line; a race past 20 has no
    // track code to look up at all, so T1 stays 0.
    writeFile(ini, "     Blank code          50\r\nPST  Past                90\r\n");
    store.RaceDistance.set(21, "6");
    store.EntryLastWork.set(1, "4 CD ft  30.00");
    EXPECT_EQ(workoutRating(store, 1, 5, 21, TrackFile::read(ini)), " 56.0"); // 30 + 18 s: 55 fps
    store.RaceDistance.set(20, "6");
    EXPECT_EQ(workoutRating(store, 1, 5, 20, TrackFile::read(ini)),
              " 42.0"); // 30 + 8 s: 69.47: 69; 41 + 1
}

TEST_F(WorkoutTest, DistanceDifferencesOfHalfAFurlongCount) {
    store.PastTrackRace.set(1, 5, "TOD1");
    store.RaceDistance.set(1, "6.5");
    EXPECT_EQ(rating("6f ft  112.00"), " 55.3"); // 3960 / 72 = 55; 55 + 0.25 = 55.25
    store.RaceDistance.set(1, "6.4");
    EXPECT_EQ(rating("6f ft  112.00"), " 55.0");
    store.RaceDistance.set(1, "5");
    EXPECT_EQ(rating("6f ft  112.00"), " 54.5") << "a longer workout earns 0.5 a furlong";
}

TEST_F(WorkoutTest, TheRatingIsNotCutBeforeItsFormat) {
    store.PastTrackRace.set(1, 5, "TOD1");
    store.EntryPost.set(1, 9);                   // + 0.45 at 6 furlongs
    EXPECT_EQ(rating("6f ft  112.00"), " 55.5"); // 55.45 rounds to 55.5 where a cut gives 55.4
}

TEST_F(WorkoutTest, AnEmptyWorkout) {
    EXPECT_EQ(rating(""), "113.0") << "t = -1 s: 0 fps; 110 + 3 for 6 furlongs";
    store.PastTrackRace.set(1, 5, "TOD1");
    EXPECT_EQ(rating(""), " - ") << "no time at all";
}

TEST_F(WorkoutTest, AnEmptyComparedSlotCountsAsAnUnlistedTrack) {
    store.PastTrackRace.set(1, 5, "");
    // Q1 = 93: 48 + (93 - 95) * 0.2 = 47.6: 55.46: 55
    EXPECT_EQ(rating("4 CD ft  48.00"), " 56.0");
}

TEST(WorkOutCall, WritesTheSixthRatingAndTheWorkoutRow) {
    tallowmere::testing::TestWindow window;
    Form1& form = window.form;
    writeFile(window.folder / "TrackEditor.ini", "TOD  Today               95\r\n");
    form.Card.RaceDistance.set(1, "6");
    form.Card.RaceTrack.set(1, "TOD");
    form.Card.PastTrackRace.set(1, 5, "TOD1");
    form.Card.EntryLastWork.set(1, "4 CD ft  48.00");
    form.CurrentRace = 1;
    form.MSFlexGrid1.setRows(10);
    WorkOut(form, 1, 5, 8, TrackFile::read(window.folder / "TrackEditor.ini"));
    EXPECT_EQ(form.Card.PaceRatings.at(1, 6), " 56.0");
    EXPECT_EQ(form.MSFlexGrid1.text(8, 1), "4 CD ft  48.00");
    EXPECT_EQ(form.MSFlexGrid1.text(8, 23), " 56.0");

    form.Card.EntryLastWork.set(1, "");
    WorkOut(form, 1, 5, 8, TrackFile::read(window.folder / "TrackEditor.ini"));
    EXPECT_EQ(form.Card.PaceRatings.at(1, 6), " - ") << "stored as it stands";
    EXPECT_EQ(form.MSFlexGrid1.text(8, 23), " - ");
}
