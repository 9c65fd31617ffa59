#include "card/CardFieldRules.h"

#include <gtest/gtest.h>

using namespace tallowmere;

TEST(AbbreviatedNames, KeepSurnameCommaBlankAndInitial) {
    EXPECT_EQ(abbreviatedName("Varlow, Tessa"), "Varlow, T");
    EXPECT_EQ(abbreviatedName("Smith,John"), "Smith,Jo");
    EXPECT_EQ(abbreviatedName("Varlow,"), "Varlow,");
    EXPECT_EQ(abbreviatedName("Varlow, "), "Varlow, ");
    EXPECT_EQ(abbreviatedName("Ortega, Jr., Luis"), "Ortega, J");
}

TEST(AbbreviatedNames, WithoutACommaKeepTwoCharacters) {
    EXPECT_EQ(abbreviatedName("Cherbourg"), "Ch");
    EXPECT_EQ(abbreviatedName("X"), "X");
    EXPECT_EQ(abbreviatedName(""), "");
}

TEST(MorningLines, APlusIsDroppedAndTheRestRightAligned) {
    EXPECT_EQ(morningLine("5-2+"), "  5-2");
    EXPECT_EQ(morningLine("5-2"), "5-2");
    EXPECT_EQ(morningLine("10-1+"), " 10-1");
    EXPECT_EQ(morningLine("123456+"), "123456");
    EXPECT_EQ(morningLine("+"), "     ");
    EXPECT_EQ(morningLine(""), "");
    EXPECT_EQ(morningLine("5+2"), "5+2");
}

TEST(FavouriteMarks, StarRightAlignedOrFiveBlanks) {
    EXPECT_EQ(favouriteMark("*"), "    *");
    EXPECT_EQ(favouriteMark(""), "     ");
    EXPECT_EQ(favouriteMark("Y"), "     ");
}
