#include "rating/RatingFactors.h"

#include <gtest/gtest.h>

using namespace tallowmere;

namespace {

CardStore storeWith(int post, const std::string& today, const std::string& distSurf = "6D",
                    const std::string& condition = "FT", const std::string& finish = "5") {
    CardStore store;
    store.EntryPost.set(1, static_cast<std::int16_t>(post));
    store.RaceDistance.set(1, today);
    store.PastDistSurf.set(1, 1, distSurf);
    store.PastSurface.set(1, 1, distSurf.substr(distSurf.size() - 1));
    store.PastTrackCond.set(1, 1, condition);
    store.PastFinBeaten.set(1, 1, finish);
    return store;
}

} // namespace

TEST(PostPositionFactor, PenalisesOutsidePostsInRacesUnderEightFurlongs) {
    EXPECT_EQ(PostPosition(storeWith(8, "7"), 1, 1, "50"), "50");
    EXPECT_EQ(PostPosition(storeWith(9, "7"), 1, 1, "50"), "50.45");
    EXPECT_EQ(PostPosition(storeWith(10, "6"), 1, 1, "50"), "50.5");
    EXPECT_EQ(PostPosition(storeWith(9, "8"), 1, 1, "50"), "50") << "the limit is 8, not 7.5";
    EXPECT_EQ(PostPosition(storeWith(11, "6"), 1, 1, "50"), "52.75");
    EXPECT_EQ(PostPosition(storeWith(12, "6"), 1, 1, "50"), "53");
    EXPECT_EQ(PostPosition(storeWith(12, "6"), 1, 1, " 47.5"), "50.5");
}

TEST(PostPositionFactor, LeavesARatingThatIsNoNumber) {
    EXPECT_EQ(PostPosition(storeWith(12, "6"), 1, 1, " - "), " - ");
    EXPECT_EQ(PostPosition(storeWith(12, "6"), 401, 1, "50"), "50") << "an entry beyond the store";
}

TEST(TrackAndSurfaceFactor, OffTracksTurfAndOtherSurfaces) {
    EXPECT_EQ(TV(storeWith(1, "6", "6T", "MY"), 1, 1, "50"), "52.4");
    EXPECT_EQ(TV(storeWith(1, "6", "6D", "SY"), 1, 1, "50"), "50.6");
    EXPECT_EQ(TV(storeWith(1, "6", "6D", "my"), 1, 1, "50"), "50");
    EXPECT_EQ(TV(storeWith(1, "6", "6D", "MY "), 1, 1, "50"), "50");
    EXPECT_EQ(TV(storeWith(1, "6", "8E", "FT"), 1, 1, "50"), "54");
    EXPECT_EQ(TV(storeWith(1, "6", "8I", "FT"), 1, 1, "50"), "54");
    EXPECT_EQ(TV(storeWith(1, "6", "8C", "FT"), 1, 1, "50"), "54");
    EXPECT_EQ(TV(storeWith(1, "6", "8d", "FT"), 1, 1, "50"), "50");
    EXPECT_EQ(TV(storeWith(1, "6", "6T", "MY"), 1, 1, "abc"), "abc");
}

TEST(FinishFactor, CreditsPlacesAtTodaysDistance) {
    EXPECT_EQ(WPS(storeWith(1, "6", "6D", "FT", "1"), 1, 1, 1, "50"), "48.5");
    EXPECT_EQ(WPS(storeWith(1, "6.5", "6D", "FT", "1"), 1, 1, 1, "50"), "48.5");
    EXPECT_EQ(WPS(storeWith(1, "7", "6D", "FT", "1"), 1, 1, 1, "50"), "50");
    EXPECT_EQ(WPS(storeWith(1, "5.5", "6D", "FT", "1"), 1, 1, 1, "50"), "50");
    EXPECT_EQ(WPS(storeWith(1, "6", "6D", "FT", "2ns"), 1, 1, 1, "50"), "49");
    EXPECT_EQ(WPS(storeWith(1, "6", "6D", "FT", "3ns"), 1, 1, 1, "50"), "49.8");
    EXPECT_EQ(WPS(storeWith(1, "6", "6D", "FT", "5hd"), 1, 1, 1, "50"), "49");
    EXPECT_EQ(WPS(storeWith(1, "6", "6D", "FT", "7nk"), 1, 1, 1, "50"), "49");
    EXPECT_EQ(WPS(storeWith(1, "6", "6D", "FT", "2"), 1, 1, 1, "50"), "49.4");
    EXPECT_EQ(WPS(storeWith(1, "6", "6D", "FT", "3"), 1, 1, 1, "50"), "49.8");
    EXPECT_EQ(WPS(storeWith(1, "6", "6D", "FT", "1 2"), 1, 1, 1, "50"), "50") << "reads as 12";
    EXPECT_EQ(WPS(storeWith(1, "6", "6D", "FT", "4"), 1, 1, 1, "50"), "50");
}
