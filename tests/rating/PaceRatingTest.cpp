#include "rating/PaceRating.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::TempFolder;
using tallowmere::testing::writeFile;

namespace {

// Size category "1.<first route digit>" in columns 37-39, route in 39-40.
std::string trackLine(const std::string& code, int sprint, int mile, int route) {
    char line[64];
    std::snprintf(line, sizeof line, "%-3s  %-19s%3d    %3d  1.%d", code.c_str(), "Track", sprint,
                  mile, route);
    return line;
}

// Today's race 1 at track TOD; entry 1's past race 1 at PST, as in the worked
// example: 6 furlongs in 112.4, class rating 80, speed figure 70, post 3.
struct PaceRatingTest : ::testing::Test {
    TempFolder folder;
    std::filesystem::path ini = folder / "TrackEditor.ini";
    CardStore store;

    PaceRatingTest() {
        writeFile(ini,
                  trackLine("TOD", 95, 90, 88) + "\r\n" + trackLine("PST", 90, 85, 80) + "\r\n");
        store.RaceDistance.set(1, "6.00");
        store.RaceTrack.set(1, "TOD");
        store.EntryPost.set(1, 3);
        setPast(1, "112.4", "6D", "PST5");
        store.PastClassRating.set(1, 1, 80);
        store.PastSpeedFig.set(1, 1, "70");
    }

    void setPast(int k, const std::string& time, const std::string& distSurf,
                 const std::string& trackRace) {
        store.PastTime.set(1, k, time);
        store.PastDistSurf.set(1, k, distSurf);
        store.PastSurface.set(1, k, distSurf.empty() ? "" : distSurf.substr(distSurf.size() - 1));
        store.PastTrackRace.set(1, k, trackRace);
        store.PastTrackCond.set(1, k, "FT");
        store.PastFinBeaten.set(1, k, "5");
    }

    std::string rating(int k = 1, const std::string& label = "TOD") {
        return pastRaceRating(store, {1, k, 1, label, TrackFile::read(ini)});
    }
};

} // namespace

TEST(TrackLines, HaveTheirValuesInTheirColumns) {
    const std::string line = trackLine("TOD", 95, 90, 88);
    EXPECT_EQ(line.substr(24, 3), " 95");
    EXPECT_EQ(line.substr(31, 3), " 90");
    EXPECT_EQ(line.substr(38, 3), "88");
}

TEST_F(PaceRatingTest, TheWorkedExample) {
    EXPECT_EQ(rating(), " 47.5");
}

TEST_F(PaceRatingTest, FinalTimesInSecondsForm) {
    store.PastClassRating.set(1, 1, 0);
    store.PastSpeedFig.set(1, 1, "0");
    store.RaceTrack.set(1, "PST");    // no track correction
    setPast(1, "100", "6D", "PST5");  // 60 seconds: 3960 / 60 = 66
    EXPECT_EQ(rating(), " 52.8");     // 120 - 66 - 1.2 (distance credit)
    setPast(1, "99.9", "6D", "PST5"); // 39.64 fps
    EXPECT_EQ(rating(), " 78.8");
    setPast(1, "200", "12D", "PST5"); // 120 seconds, 7920 feet: 66 fps; 6 furlongs longer
    EXPECT_EQ(rating(), " 47.1");     // 54 - 4.5 - 2.4
}

TEST_F(PaceRatingTest, NoUsableTimeOrNoDistance) {
    setPast(1, "", "6D", "PST5");
    EXPECT_EQ(rating(), " - ");
    setPast(1, "0", "6D", "PST5");
    EXPECT_EQ(rating(), " - ");
    setPast(1, "1:12", "6D", "PST5");
    EXPECT_EQ(rating(), " - ");
    setPast(1, "0.1", "6D", "PST5");
    EXPECT_NE(rating(), " - ") << "0.1 is a time";
    setPast(1, "112.4", "", "PST5");
    EXPECT_EQ(rating(), "   .0");
    EXPECT_EQ(pastRaceRating(store, {401, 1, 1, "TOD", TrackFile::read(ini)}), " - ")
        << "an entry beyond the store";
}

TEST_F(PaceRatingTest, TracksMissingFromTheFileTakeDefaults) {
    store.PastClassRating.set(1, 1, 0);
    store.PastSpeedFig.set(1, 1, "0");
    // Today's track unlisted: T1 = 0; past track unlisted: Q1 = 93, so 9.3 s are added.
    store.RaceTrack.set(1, "XXX");
    setPast(1, "110.7", "6D", "YYY1"); // 70.7 + 9.3 = 80 s: 49.5 fps, 50 (even)
    EXPECT_EQ(rating(), " 68.8");      // 120 - 50 - 1.2
    // Listed past track with a blank sprint value: 92.
    writeFile(ini, "YYY  Blank sprint\r\n");
    setPast(1, "111.2", "6D", "YYY1"); // 71.2 + 9.2 = 80.4: 49.25, 49
    EXPECT_EQ(rating(), " 69.8");
}

TEST_F(PaceRatingTest, DistanceClassesChooseTheSpeedValue) {
    store.PastClassRating.set(1, 1, 0);
    store.PastSpeedFig.set(1, 1, "0");
    setPast(1, "100", "7.5D", "PST5"); // 4950 feet in 60 s
    store.RaceDistance.set(1, "7.5");  // mile: (85 - 90) * 0.2 = -1: 59 s, 83.9 fps
    EXPECT_EQ(rating(), " 34.5");      // 120 - 84 - 1.5
    setPast(1, "100", "8.5D", "PST5");
    store.RaceDistance.set(1, "8.5"); // route: (80 - 88) * 0.3 = -2.4: 57.6 s, 97.4
    EXPECT_EQ(rating(), " 21.3");     // 120 - 97 - 1.7
}

TEST_F(PaceRatingTest, DistanceChangesAndTheSpeedFigureOfSlotOne) {
    store.PastClassRating.set(1, 1, 0);
    store.PastSpeedFig.set(1, 1, "0");
    store.RaceTrack.set(1, "PST");
    setPast(1, "100", "6.4D", "PST5"); // 4224 / 60 = 70.4: 70
    EXPECT_EQ(rating(), " 48.7");      // 50 - 1.28 = 48.72, no change for 0.4
    setPast(1, "100", "6.5D", "PST5"); // 71.5: 72 (even); 0.5 longer: - 0.375
    EXPECT_EQ(rating(), " 46.3");      // 48 - 0.375 - 1.3 = 46.325
    setPast(2, "100", "5.5D", "PST5"); // 60.5: 60 (even); 0.5 shorter: + 0.375
    store.PastSpeedFig.set(1, 1, "50");
    store.PastSpeedFig.set(1, 2, "99");
    EXPECT_EQ(rating(2), " 49.2"); // 60.375 - 1.1 - 10 = 49.275, cut to 49.2
    setPast(2, "100", "6D", "PST5");
    EXPECT_EQ(rating(2), " 42.3"); // 54 - 1.2 - 10.5 (0.21 at equal distances)
}

TEST_F(PaceRatingTest, ThreeDigitBaseAndTheFinalCut) {
    store.PastClassRating.set(1, 1, 0);
    store.PastSpeedFig.set(1, 1, "0");
    store.RaceTrack.set(1, "PST");
    setPast(1, "264", "1D", "PST5"); // 184 s: 660 / 184 = 3.6: 4, so "116.0"
    EXPECT_EQ(rating(), "119.0"); // 116 + 3.75 (5 furlongs shorter) - 0.2 = 119.55, cut to "119."
}

TEST_F(PaceRatingTest, QTracksRateTheRawTimeOnly) {
    store.RaceTrack.set(1, "TDq");
    setPast(1, "17.5", "350D", "PST5");
    EXPECT_EQ(rating(1, "TDq"), " 60.0");
    setPast(1, "", "350D", "PST5");
    EXPECT_EQ(rating(1, "TDq"), " - ");
    setPast(1, "17.5", "", "PST5");
    EXPECT_EQ(rating(1, "TDq"), "120.0") << "no distance rule on a q track";
    setPast(1, "112.4", "6D", "PST5");
    EXPECT_EQ(rating(1, "TDQ"), rating(1, "TOD")) << "an upper-case Q is a regular track";
}

TEST_F(PaceRatingTest, AnAdjustedTimeOfZeroGivesNoRating) {
    writeFile(ini, trackLine("TOD", 90, 90, 90) + "\r\n" + trackLine("PST", 100, 90, 90) + "\r\n");
    setPast(1, "1", "6D", "PST5"); // 1 + (100 - 90) * 0.1 ... is 2: rated
    EXPECT_NE(rating(), " - ");
    writeFile(ini, trackLine("TOD", 100, 90, 90) + "\r\n" + trackLine("PST", 90, 90, 90) + "\r\n");
    EXPECT_EQ(rating(), " - ") << "1 - 1 = 0 seconds";
}

TEST(SecondsForm, MinutesInTheHundreds) {
    EXPECT_EQ(secondsOf(72.4), 72.4);
    EXPECT_EQ(secondsOf(100), 60);
    EXPECT_EQ(secondsOf(99.9), 99.9);
    EXPECT_DOUBLE_EQ(secondsOf(112.4), 72.4);
    EXPECT_EQ(secondsOf(200), 120);
    EXPECT_DOUBLE_EQ(secondsOf(205.25), 125.25);
}
