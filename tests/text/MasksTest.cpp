#include "text/Masks.h"

#include "text/Texts.h"

#include <gtest/gtest.h>

using namespace tallowmere::text;

namespace {

std::string masked(const char* mask, std::initializer_list<double> values) {
    std::string texts;
    for (double value : values)
        texts += formatNumber(value, mask) + "|";
    return texts;
}

} // namespace

// Rounding is half away from zero on fifteen digits (2.675 is 2.67499... in
// binary); a zero whole part shows no digit unless the mask requires one; a
// wide whole part is never cut.
TEST(NumericMasks, ShowTheValueAsTheMaskSays) {
    EXPECT_EQ(masked("###.0", {47.5, 0, 0.04, 0.05, -0.04, -3.2, 999.96, 1234.5, 0.35, -2.25}),
              "47.5|.0|.0|.1|.0|-3.2|1000.0|1234.5|.4|-2.3|");
    EXPECT_EQ(masked("##.00", {2.675, 0.5, 5.4}), "2.68|.50|5.40|");
    EXPECT_EQ(masked("###.#0", {0, 12.3}), ".00|12.30|");
    EXPECT_EQ(masked("######.#0", {123456.785}), "123456.79|");
    EXPECT_EQ(masked("######.00", {1234567.891, -14.5}), "1234567.89|-14.50|");
    EXPECT_EQ(masked("###", {0, 0.4, 2.5, 66.67}), "||3|67|");
    EXPECT_EQ(masked("##", {7, 123}), "7|123|");
    EXPECT_EQ(masked("###.0%", {0.25, 0, -0.125}), "25.0%|.0%|-12.5%|");
    EXPECT_EQ(masked("0.00", {0.5}), "0.50|");
    EXPECT_EQ(masked("##.##", {12, 12.5}), "12.|12.5|");
}

TEST(NumericMasks, TextThatIsNoNumberPassesAndRatingsTakeFiveColumns) {
    EXPECT_EQ(formatText("abc", "###.0"), "abc");
    EXPECT_EQ(formatText(" 12 ", "###.0"), "12.0");
    EXPECT_EQ(formatText("", "##.00"), "");
    const std::pair<const char*, const char*> ratings[] = {{"47.5", " 47.5"},    {"0.0", "   .0"},
                                                           {"9.87", "  9.9"},    {"105", "105.0"},
                                                           {"1234.5", "1234.5"}, {" - ", "   - "}};
    for (const auto& [text, rating] : ratings)
        EXPECT_EQ(ratingFormat(text), rating) << text;
}

TEST(TextCuts, CutPadAndTrimButNeverShorten) {
    EXPECT_EQ(firstChars("42.075", 4) + "|" + firstChars("105", 4), "42.0|105");
    EXPECT_EQ(lastChars("5f CD ft  59.80", 7) + "|" + lastChars("48", 6), "  59.80|48");
    EXPECT_EQ(rightAligned("CD", 5) + "|" + rightAligned("abcdef", 5), "   CD|abcdef");
    EXPECT_EQ(trimmed("  CD  ") + "|" + trimmedRight(" Bo  ") + "|" + trimmed("   "), "CD| Bo|");
}
