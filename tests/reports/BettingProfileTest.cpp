#include "reports/BettingProfile.h"

#include "reports/ArchiveLines.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::winOnlyLine;

using Lines = std::vector<std::string>;

TEST(BettingProfile, BoldsAProfitAndAlignsItsFigures) {
    const Lines archive = {winOnlyLine("CD", "20261101", 12, "20.35"),
                           winOnlyLine("CD", "20261102", 8, "25.25")};
    const Grid grid = bettingProfile("ALL", archive, {})->profile.grid;
    EXPECT_EQ(grid.text(6, 6), "     33.60");
    EXPECT_TRUE(grid.cell(6, 6)->bold);
    EXPECT_FALSE(grid.cell(6, 7)->bold);
    EXPECT_EQ(grid.cell(5, 0)->alignment, CellAlignment::Centre);
    EXPECT_EQ(grid.cell(1400, 19)->alignment, CellAlignment::Right);
}

// Each running total is kept as its two-decimal text: 1.005 shows as 1.01, and
// the next 1.005 adds to that.
TEST(BettingProfile, SumsTheReturnsToTwoDecimals) {
    const Lines archive = {winOnlyLine("CD", "20261101", 3, "1.005"),
                           winOnlyLine("CD", "20261102", 3, "1.005")};
    EXPECT_EQ(bettingProfile("ALL", archive, {})->profile.grid.text(3, 6), "      2.02");
}
