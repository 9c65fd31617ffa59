#include "text/Masks.h"

#include "text/Texts.h"

#include <gtest/gtest.h>

using namespace tallowmere::text;

TEST(RatingMask, ShowsOneDecimalAndNoLeadingZero) {
    EXPECT_EQ(formatNumber(47.5, "###.0"), "47.5");
    EXPECT_EQ(formatNumber(63, "###.0"), "63.0");
    EXPECT_EQ(formatNumber(0, "###.0"), ".0");
    EXPECT_EQ(formatNumber(0.04, "###.0"), ".0");
    EXPECT_EQ(formatNumber(0.05, "###.0"), ".1");
    EXPECT_EQ(formatNumber(9.87, "###.0"), "9.9");
    EXPECT_EQ(formatNumber(105, "###.0"), "105.0");
    EXPECT_EQ(formatNumber(-3.2, "###.0"), "-3.2");
    EXPECT_EQ(formatNumber(-0.04, "###.0"), ".0");
    EXPECT_EQ(formatNumber(999.96, "###.0"), "1000.0");
}

TEST(RatingMask, NeverCutsAWideWholePart) {
    EXPECT_EQ(formatNumber(1234.5, "###.0"), "1234.5");
    EXPECT_EQ(formatNumber(123, "##"), "123");
}

TEST(NumericMasks, RoundHalfAwayFromZeroOnFifteenDigits) {
    EXPECT_EQ(formatNumber(2.675, "##.00"), "2.68"); // 2.67499999... in binary
    EXPECT_EQ(formatNumber(12.345, "##.00"), "12.35");
    EXPECT_EQ(formatNumber(0.35, "###.0"), ".4");
    EXPECT_EQ(formatNumber(2.25, "###.0"), "2.3");
    EXPECT_EQ(formatNumber(-2.25, "###.0"), "-2.3");
    EXPECT_EQ(formatNumber(2.5, "###"), "3");
    EXPECT_EQ(formatNumber(0.5, "###"), "1");
}

TEST(NumericMasks, TwoDecimalMasks) {
    EXPECT_EQ(formatNumber(5.4, "##.00"), "5.40");
    EXPECT_EQ(formatNumber(0.5, "##.00"), ".50");
    EXPECT_EQ(formatNumber(0.5, "###.#0"), ".50");
    EXPECT_EQ(formatNumber(0, "###.#0"), ".00");
    EXPECT_EQ(formatNumber(12.3, "###.#0"), "12.30");
    EXPECT_EQ(formatNumber(1234.5, "####.#0"), "1234.50");
    EXPECT_EQ(formatNumber(98765.432, "#####.#0"), "98765.43");
    EXPECT_EQ(formatNumber(123456.785, "######.#0"), "123456.79");
    EXPECT_EQ(formatNumber(1234567.891, "######.00"), "1234567.89");
    EXPECT_EQ(formatNumber(-14.5, "#######.00"), "-14.50");
}

TEST(NumericMasks, WholeNumberMasksShowNothingForZero) {
    EXPECT_EQ(formatNumber(0, "###"), "");
    EXPECT_EQ(formatNumber(0.4, "###"), "");
    EXPECT_EQ(formatNumber(33.333, "###"), "33");
    EXPECT_EQ(formatNumber(66.67, "###"), "67");
    EXPECT_EQ(formatNumber(7, "##"), "7");
}

TEST(NumericMasks, PercentMultipliesByAHundred) {
    EXPECT_EQ(formatNumber(0.25, "###.0%"), "25.0%");
    EXPECT_EQ(formatNumber(0, "###.0%"), ".0%");
    EXPECT_EQ(formatNumber(1.5, "###.0%"), "150.0%");
    EXPECT_EQ(formatNumber(-0.125, "###.0%"), "-12.5%");
}

TEST(NumericMasks, RequiredDigitsAndBareTrailingPoint) {
    EXPECT_EQ(formatNumber(0.5, "0.00"), "0.50");
    EXPECT_EQ(formatNumber(12, "##.##"), "12.");
    EXPECT_EQ(formatNumber(12.5, "##.##"), "12.5");
}

TEST(MaskOfText, PassesTextThatIsNotANumber) {
    EXPECT_EQ(formatText("abc", "###.0"), "abc");
    EXPECT_EQ(formatText(" - ", "###.0"), " - ");
    EXPECT_EQ(formatText("", "##.00"), "");
    EXPECT_EQ(formatText(" 12 ", "###.0"), "12.0");
    EXPECT_EQ(formatText("5.40", "##.00"), "5.40");
    EXPECT_EQ(formatText("3", "##"), "3");
}

TEST(RatingFormat, IsTheMaskThenFiveColumns) {
    EXPECT_EQ(ratingFormat("47.5"), " 47.5");
    EXPECT_EQ(ratingFormat("63"), " 63.0");
    EXPECT_EQ(ratingFormat("0.0"), "   .0");
    EXPECT_EQ(ratingFormat("9.87"), "  9.9");
    EXPECT_EQ(ratingFormat("-3.2"), " -3.2");
    EXPECT_EQ(ratingFormat("105"), "105.0");
    EXPECT_EQ(ratingFormat("1234.5"), "1234.5");
    EXPECT_EQ(ratingFormat(" - "), "   - ");
}

TEST(TextCuts, FirstAndLastCharacters) {
    EXPECT_EQ(firstChars("42.075", 4), "42.0");
    EXPECT_EQ(firstChars("105", 4), "105");
    EXPECT_EQ(firstChars("", 4), "");
    EXPECT_EQ(lastChars("5f CD ft  59.80", 7), "  59.80");
    EXPECT_EQ(lastChars("48", 6), "48");
}

TEST(TextCuts, RightAlignedPadsButNeverCuts) {
    EXPECT_EQ(rightAligned("abc", 5), "  abc");
    EXPECT_EQ(rightAligned("CD", 5), "   CD");
    EXPECT_EQ(rightAligned("abcdef", 5), "abcdef");
    EXPECT_EQ(rightAligned("", 3), "   ");
}

TEST(TextCuts, Trimming) {
    EXPECT_EQ(trimmed("  CD  "), "CD");
    EXPECT_EQ(trimmed("   "), "");
    EXPECT_EQ(trimmedRight(" Bo  "), " Bo");
}
