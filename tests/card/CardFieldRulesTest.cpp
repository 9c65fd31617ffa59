#include "card/CardFieldRules.h"

#include <gtest/gtest.h>

using namespace tallowmere;

TEST(CardFieldRules, NamesMorningLinesAndFavouritesAsTheCardShowsThem) {
    // A name keeps its surname, the comma, a blank and an initial; without a
    // comma its first two characters.
    const std::pair<const char*, const char*> names[] = {{"Varlow, Tessa", "Varlow, T"},
                                                         {"Smith,John", "Smith,Jo"},
                                                         {"Varlow, ", "Varlow, "},
                                                         {"Ortega, Jr., Luis", "Ortega, J"},
                                                         {"Cherbourg", "Ch"},
                                                         {"X", "X"},
                                                         {"", ""}};
    for (const auto& [name, shown] : names)
        EXPECT_EQ(abbreviatedName(name), shown) << name;
    // A trailing plus is dropped and the rest right-aligned in five.
    const std::pair<const char*, const char*> lines[] = {
        {"5-2+", "  5-2"}, {"5-2", "5-2"}, {"123456+", "123456"}, {"+", "     "}, {"5+2", "5+2"}};
    for (const auto& [line, shown] : lines)
        EXPECT_EQ(morningLine(line), shown) << line;
    EXPECT_EQ(favouriteMark("*") + "|" + favouriteMark("") + "|" + favouriteMark("Y"),
              "    *|     |     ");
}
