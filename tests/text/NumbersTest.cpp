#include "text/Numbers.h"

#include <gtest/gtest.h>
#include <limits>

using namespace tallowmere::text;

TEST(NumberOfText, ReadsTheLeadingNumberSkippingBlanksAnywhere) {
    const std::pair<const char*, double> cases[] = {
        {"1 2", 12},      {" 9 ", 9}, {"5 2hd", 52}, {"  -3.5xyz", -3.5}, {"- 4", -4},
        {". 5", 0.5},     {"+7", 7},  {"12-1", 12},  {"1.2.3", 1.2},      {"1E2x", 100},
        {"2.5e-1", 0.25}, {"1e", 1},  {"1e+", 1},    {"3 e 2", 300},      {"", 0},
        {"abc", 0},       {"-", 0},   {".", 0},      {":48.20", 0},       {"\t5", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(numberOf(text), value) << '"' << text << '"';
}

TEST(StrictNumber, AcceptsOnlyAWholeNumberWithBlanksAround) {
    const std::pair<const char*, double> numbers[] = {
        {" 12 ", 12}, {"-3.25", -3.25}, {".5", 0.5}, {"5.", 5}, {"+1e3", 1000}};
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(strictNumber(text), value) << '"' << text << '"';
    for (const char* text : {"", "   ", " - ", "12a", "1 2", "1e", ".", "+", "--1", "1,5", "0x10",
                             "inf", "nan", "1e999"})
        EXPECT_FALSE(strictNumber(text).has_value()) << '"' << text << '"';
    EXPECT_EQ(strictWhole("4.5"), 4);
    EXPECT_FALSE(strictWhole("12x").has_value());
    EXPECT_FALSE(strictWhole("40000").has_value());
}

TEST(WholeNumber, RoundsHalvesToTheEvenNeighbourWithinSixteenBits) {
    const std::pair<double, int> cases[] = {{2.5, 2},    {3.5, 4},         {-2.5, -2},
                                            {55.93, 56}, {32767.4, 32767}, {-32768.5, -32768}};
    for (const auto& [value, whole] : cases)
        EXPECT_EQ(wholeNumber(value), whole) << value;
    for (double value : {32767.5, -32769.0, std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity()})
        EXPECT_FALSE(wholeNumber(value).has_value()) << value;
}

TEST(TextOfNumber, IsTheShortestTextOfFifteenDigits) {
    std::string texts;
    for (double value : {100.0, -0.25, 0.1 + 0.2, -0.0, 0.00001, 2.0 / 3, 64.4 - 63.9,
                         123456789012345.0, 1234567890123456.0})
        texts += textOf(value) + " ";
    EXPECT_EQ(texts, "100 -0.25 0.3 0 0.00001 0.666666666666667 0.500000000000007 "
                     "123456789012345 1.23456789012346E+15 ");
    EXPECT_EQ(printedNumber(12) + printedNumber(-3.5), " 12 -3.5 ");
}
