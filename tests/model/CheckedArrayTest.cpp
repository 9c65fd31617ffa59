#include "model/CardStore.h"
#include "model/RecordArrays.h"

#include <gtest/gtest.h>

using namespace tallowmere;

TEST(CheckedArray, IgnoresStoresAndGivesNothingOutsideItsBounds) {
    CheckedArray<int, 1, 3> array;
    EXPECT_TRUE(array.set(3, 30));
    EXPECT_FALSE(array.set(0, 99) || array.set(4, 99));
    EXPECT_EQ(array.at(3), 30);
    EXPECT_EQ(array.at(2), 0);
    EXPECT_FALSE(array.at(0).has_value() || array.at(4).has_value());
    EXPECT_EQ(array.valueAt(4), 0);
    CardStore store;
    EXPECT_TRUE(store.PastDate.set(400, 20, "05-04-24"));
    EXPECT_FALSE(store.PastDate.set(401, 1, "x") || store.PastDate.set(1, 21, "x"));
    EXPECT_EQ(store.PastDate.at(400, 20), "05-04-24");
    RecordArrays arrays;
    EXPECT_TRUE(arrays.CardPicks.set(0, 0, "unused") && arrays.CardPicks.set(25, 20, "x"));
    EXPECT_FALSE(arrays.CardPicks.set(26, 1, "x") || arrays.CardPayoffs.set(21, 1, "x"));
}
