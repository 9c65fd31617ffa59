#include "model/CardStore.h"
#include "model/RecordArrays.h"

#include <gtest/gtest.h>

using namespace tallowmere;

TEST(CheckedArray, IgnoresStoresOutsideItsBounds) {
    CheckedArray<int, 1, 3> array;
    EXPECT_TRUE(array.set(1, 10));
    EXPECT_TRUE(array.set(3, 30));
    EXPECT_FALSE(array.set(0, 99));
    EXPECT_FALSE(array.set(4, 99));
    EXPECT_EQ(array.at(1), 10);
    EXPECT_EQ(array.at(2), 0);
    EXPECT_EQ(array.at(3), 30);
    EXPECT_FALSE(array.at(0).has_value());
    EXPECT_FALSE(array.at(4).has_value());
    EXPECT_EQ(array.valueAt(4), 0);
}

TEST(CheckedArray, TwoDimensionsKeepTheirOwnBounds) {
    CardStore store;
    EXPECT_TRUE(store.PastDate.set(400, 20, "05-04-24"));
    EXPECT_FALSE(store.PastDate.set(401, 1, "x"));
    EXPECT_FALSE(store.PastDate.set(1, 21, "x"));
    EXPECT_EQ(store.PastDate.at(400, 20), "05-04-24");
    EXPECT_FALSE(store.PaceRatings.at(1, 7).has_value());
    EXPECT_TRUE(store.ProgramEntry.set(20, 20, 5));
    EXPECT_FALSE(store.ProgramEntry.set(21, 1, 5));
}

TEST(CheckedArray, RecordArraysStartAtRowAndColumnZero) {
    RecordArrays arrays;
    EXPECT_TRUE(arrays.CardPicks.set(0, 0, "unused"));
    EXPECT_TRUE(arrays.CardPicks.set(25, 20, "x"));
    EXPECT_FALSE(arrays.CardPicks.set(26, 1, "x"));
    EXPECT_TRUE(arrays.CardPayoffs.set(20, 10, "x"));
    EXPECT_FALSE(arrays.CardPayoffs.set(21, 1, "x"));
}
