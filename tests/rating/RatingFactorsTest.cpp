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

// Lower ratings are better: an outside post under 8 furlongs and an off track,
// turf or other surface add; a win, place or show at today's distance (or half
// a furlong shorter), and a neck or head margin, take off. A rating that is no
// number is left as it is.
TEST(RatingFactors, AdjustARatingThatIsANumber) {
    const std::tuple<int, const char*, const char*, const char*> posts[] = {
        {8, "7", "50", "50"},       {9, "7", "50", "50.45"},   {10, "6", "50", "50.5"},
        {9, "8", "50", "50"},       {9, "7.5", "50", "50.45"}, {11, "6", "50", "52.75"},
        {12, "6", " 47.5", "50.5"}, {12, "6", " - ", " - "}};
    for (const auto& [post, today, rating, adjusted] : posts)
        EXPECT_EQ(PostPosition(storeWith(post, today), 1, 1, rating), adjusted) << post << today;
    EXPECT_EQ(PostPosition(storeWith(12, "6"), 401, 1, "50"), "50") << "an entry beyond the store";
    const std::tuple<const char*, const char*, const char*> surfaces[] = {
        {"6T", "MY", "52.4"}, {"6D", "SY", "50.6"}, {"6D", "my", "50"}, {"6D", "MY ", "50"},
        {"8E", "FT", "54"},   {"8I", "FT", "54"},   {"8C", "FT", "54"}, {"8d", "FT", "50"}};
    for (const auto& [distSurf, condition, adjusted] : surfaces)
        EXPECT_EQ(TV(storeWith(1, "6", distSurf, condition), 1, 1, "50"), adjusted)
            << distSurf << condition;
    EXPECT_EQ(TV(storeWith(1, "6", "6T", "MY"), 1, 1, "abc"), "abc");
    const std::tuple<const char*, const char*, const char*> finishes[] = {
        {"6", "1", "48.5"}, {"6.5", "1", "48.5"}, {"7", "1", "50"},   {"5.5", "1", "50"},
        {"6", "2ns", "49"}, {"6", "3ns", "49.8"}, {"6", "7nk", "49"}, {"6", "5hd", "49"},
        {"6", "2", "49.4"}, {"6", "3", "49.8"},   {"6", "1 2", "50"}, {"6", "4", "50"}};
    for (const auto& [today, finish, adjusted] : finishes)
        EXPECT_EQ(WPS(storeWith(1, today, "6D", "FT", finish), 1, 1, 1, "50"), adjusted)
            << today << " " << finish;
}
