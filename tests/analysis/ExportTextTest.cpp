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

// Rows down to the last holding text; the bytes decoded from Windows-1252.
TEST(CsvText, GridRowsAreDecodedAndEndAtTheLastText) {
    Grid grid(6, 3);
    grid.setText(0, 1, "Win");
    grid.setText(2, 0, "Caf\xE9 \x80");
    EXPECT_EQ(gridRows(grid),
              (std::vector<std::vector<std::string>>{
                  {"", "Win", ""}, {"", "", ""}, {"Caf\xC3\xA9 \xE2\x82\xAC", "", ""}}));
    EXPECT_EQ(gridRows(Grid(3, 2)).size(), 1u);
}
