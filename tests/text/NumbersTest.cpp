#include "text/Numbers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace tallowmere::text;

TEST(NumberOfText, ReadsTheLeadingNumberSkippingBlanksAnywhere) {
    EXPECT_EQ(numberOf("1 2"), 12);
    EXPECT_EQ(numberOf(" 9 2"), 92);
    EXPECT_EQ(numberOf(" 9 "), 9);
    EXPECT_EQ(numberOf("5 2hd"), 52);
    EXPECT_EQ(numberOf("  -3.5xyz"), -3.5);
    EXPECT_EQ(numberOf("- 4"), -4);
    EXPECT_EQ(numberOf(". 5"), 0.5);
    EXPECT_EQ(numberOf("+7"), 7);
    EXPECT_EQ(numberOf("2ns"), 2);
    EXPECT_EQ(numberOf("4f CD ft"), 4);
    EXPECT_EQ(numberOf("12-1"), 12);
    EXPECT_EQ(numberOf("1.2.3"), 1.2);
    EXPECT_EQ(numberOf("6.00"), 6);
}

TEST(NumberOfText, ReadsAnExponentOnlyWhenDigitsFollowIt) {
    EXPECT_EQ(numberOf("1e3"), 1000);
    EXPECT_EQ(numberOf("1E2x"), 100);
    EXPECT_EQ(numberOf("2.5e-1"), 0.25);
    EXPECT_EQ(numberOf("1e"), 1);
    EXPECT_EQ(numberOf("1e+"), 1);
    EXPECT_EQ(numberOf("3 e 2"), 300);
}

TEST(NumberOfText, IsZeroWithoutANumberAtTheStart) {
    EXPECT_EQ(numberOf(""), 0);
    EXPECT_EQ(numberOf("   "), 0);
    EXPECT_EQ(numberOf("abc"), 0);
    EXPECT_EQ(numberOf("-"), 0);
    EXPECT_EQ(numberOf("."), 0);
    EXPECT_EQ(numberOf(":48.20"), 0);
    EXPECT_EQ(numberOf("M85"), 0);
    EXPECT_EQ(numberOf("\t5"), 0) << "only blanks are skipped";
}

TEST(StrictNumber, AcceptsAWholeNumberWithBlanksAround) {
    EXPECT_EQ(strictNumber(" 12 "), 12);
    EXPECT_EQ(strictNumber("-3.25"), -3.25);
    EXPECT_EQ(strictNumber(".5"), 0.5);
    EXPECT_EQ(strictNumber("5."), 5);
    EXPECT_EQ(strictNumber("+1e3"), 1000);
    EXPECT_EQ(strictNumber("63.0"), 63);
}

TEST(StrictNumber, FailsOnAnythingElse) {
    for (const char* text : {"", "   ", " - ", "12a", "1 2", "1e", ".", "+", "--1", "1,5", "0x10",
                             "inf", "nan", "1e999"})
        EXPECT_FALSE(strictNumber(text).has_value()) << '"' << text << '"';
}

TEST(WholeNumber, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(wholeNumber(2.5), 2);
    EXPECT_EQ(wholeNumber(3.5), 4);
    EXPECT_EQ(wholeNumber(0.5), 0);
    EXPECT_EQ(wholeNumber(1.5), 2);
    EXPECT_EQ(wholeNumber(-2.5), -2);
    EXPECT_EQ(wholeNumber(55.08), 55);
    EXPECT_EQ(wholeNumber(55.93), 56);
}

TEST(WholeNumber, FailsOutsideSixteenBits) {
    EXPECT_EQ(wholeNumber(32767), 32767);
    EXPECT_EQ(wholeNumber(32767.4), 32767);
    EXPECT_FALSE(wholeNumber(32767.5).has_value());
    EXPECT_EQ(wholeNumber(-32768.5), -32768);
    EXPECT_FALSE(wholeNumber(-32769).has_value());
    EXPECT_FALSE(wholeNumber(std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_FALSE(wholeNumber(std::numeric_limits<double>::infinity()).has_value());
}

TEST(StrictWhole, ConvertsOnlyNumbers) {
    EXPECT_EQ(strictWhole("6.00"), 6);
    EXPECT_EQ(strictWhole(" 120 "), 120);
    EXPECT_EQ(strictWhole("4.5"), 4);
    EXPECT_FALSE(strictWhole("").has_value());
    EXPECT_FALSE(strictWhole("12x").has_value());
    EXPECT_FALSE(strictWhole("40000").has_value());
}

TEST(TextOfNumber, IsTheShortestTextOfFifteenDigits) {
    EXPECT_EQ(textOf(12), "12");
    EXPECT_EQ(textOf(100), "100");
    EXPECT_EQ(textOf(0.5), "0.5");
    EXPECT_EQ(textOf(-0.25), "-0.25");
    EXPECT_EQ(textOf(65 - 17.5), "47.5");
    EXPECT_EQ(textOf(42.075), "42.075");
    EXPECT_EQ(textOf(0.1 + 0.2), "0.3");
    EXPECT_EQ(textOf(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(textOf(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(textOf(64.4 - 63.9), "0.500000000000007");
    EXPECT_EQ(textOf(0.00001), "0.00001");
    EXPECT_EQ(textOf(123456789012345.0), "123456789012345");
    EXPECT_EQ(textOf(0), "0");
    EXPECT_EQ(textOf(-0.0), "0");
    EXPECT_EQ(textOf(1234567890123456.0), "1.23456789012346E+15");
}

TEST(PrintedNumber, HasABlankForTheSignAndOneAfter) {
    EXPECT_EQ(printedNumber(12), " 12 ");
    EXPECT_EQ(printedNumber(-3.5), "-3.5 ");
    EXPECT_EQ(printedNumber(0), " 0 ");
}

TEST(DecimalForm, HoldsFifteenSignificantDigits) {
    const DecimalForm form = decimalFormOf(2.675);
    EXPECT_FALSE(form.negative);
    EXPECT_EQ(form.digits, "2675");
    EXPECT_EQ(form.pointPosition, 1);
    EXPECT_EQ(decimalFormOf(-0.0123).digits, "123");
    EXPECT_EQ(decimalFormOf(-0.0123).pointPosition, -1);
    EXPECT_TRUE(decimalFormOf(-0.0123).negative);
    EXPECT_TRUE(decimalFormOf(0).digits.empty());
}
