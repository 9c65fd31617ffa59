#include "analysis/CsvCells.h"
#include "analysis/CsvText.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using namespace tallowmere::analysis;

TEST(CsvText, QuotesOnlyWhatNeedsIt) {
    const struct {
        std::vector<std::vector<std::string>> rows;
        std::string csv;
    } cases[] = {
        {{}, ""},
        {{{"a", "", "  3.50"}}, "a,,  3.50\r\n"},
        {{{"1,234.50", "say \"hi\""}, {"two\nlines", "cr\r"}},
         "\"1,234.50\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",\"cr\r\"\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(csvText(c.rows), c.csv);
}

// Numbers plain, negative ones included; a percentage as its number; a text a
// spreadsheet would run behind an apostrophe.
TEST(CsvCells, NumbersArePlainAndFormulasAreKeptAsText) {
    const struct {
        std::string shown;
        bool percent;
        std::string cell;
    } cases[] = {
        {"  1,912.40", false, "1912.40"},
        {"    -75.60", false, "-75.60"},
        {".00", false, "0.00"},
        {"-.5", false, "-0.5"},
        {"12,34", false, "12,34"},
        {"1A", false, "1A"},
        {"", true, ""},
        {"   %", true, ""},
        {" 22%", true, "22"},
        {"-17.5%", true, "-17.5"},
        {" .0%", true, "0.0"},
        {" 22%", false, "22%"},
        {"=SUM(A1)", false, "'=SUM(A1)"},
        {" +1", false, "'+1"},
        {"-", false, "'-"},
        {"@x", false, "'@x"},
        {"\tx", false, "'\tx"},
        {"\rx", false, "'\rx"},
        {"   CT_20261110", false, "CT_20261110"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(csvCell(c.shown, c.percent), c.cell) << c.shown;
    // A name that looks like a number stays the name it is.
    EXPECT_EQ(csvName(" 1,912 "), "1,912");
    EXPECT_EQ(csvName("-2026"), "'-2026");
}
