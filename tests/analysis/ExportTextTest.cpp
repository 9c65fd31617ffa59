#include "analysis/CsvText.h"
#include "analysis/CurvesSvg.h"

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

TEST(CurvesSvg, DrawsOneLinePerTypeWithAPointPerCard) {
    ProfitCurves curves;
    for (int type = 0; type < stakedTypeCount; ++type)
        curves[type] = {-12.0 * type, 30, 5};
    const std::string svg = curvesSvg(curves);
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    std::size_t lines = 0;
    for (auto at = svg.find("<polyline"); at != std::string::npos;
         at = svg.find("<polyline", at + 1)) {
        const auto points = svg.substr(at, svg.find("/>", at) - at);
        EXPECT_EQ(std::count(points.begin(), points.end(), ','), 3) << points;
        ++lines;
    }
    EXPECT_EQ(lines, 11u);
    EXPECT_NE(svg.find(">T1-2-3</text>"), std::string::npos);
    EXPECT_NE(svg.find(">-120.00</text>"), std::string::npos);
    EXPECT_NE(svg.find(">30.00</text>"), std::string::npos);
}
