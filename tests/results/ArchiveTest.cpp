#include "results/Archive.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;
using tallowmere::testing::writeFile;

namespace {

// Row 21 of a summary: the counters, then a total in every total column.
std::vector<std::string> totalsRow(std::array<std::string, 4> counters, std::string winTotal) {
    std::vector<std::string> row(29);
    std::copy(counters.begin(), counters.end(), row.begin() + 1);
    for (int column : {11, 12, 13, 15, 16, 17, 18, 19, 22, 23, 24, 26, 27, 28})
        row[column] = ".00";
    row[11] = std::move(winTotal);
    row[28] = "1234.50";
    return row;
}

} // namespace

TEST(ArchiveLine, FieldsInTheirColumns) {
    const std::string zeros9 = "      .00";
    const std::string totals = zeros9 + zeros9 + zeros9 + zeros9 + zeros9 + zeros9 + zeros9 +
                               zeros9 + zeros9 + zeros9 + "       .00       .00   1234.50";
    const std::tuple<const char*, std::vector<std::string>, std::string> cases[] = {
        {"a three-letter code's stem of 14 characters", totalsRow({"3", "1", "0", "2"}, "12.40"),
         "  AQU_20260101  9    3    1    0    2    12.40" + totals},
        {"a counter of 12", totalsRow({"12", "0", "0", "0"}, ".00"),
         "  AQU_20260101  9   12    0    0    0      .00" + totals},
        {"counters that are not whole numbers read as 0",
         totalsRow({"", "x", "2.5", "40000"}, ".00"),
         "  AQU_20260101  9    0    0    0    0      .00" + totals},
        {"a total too wide moves the later fields", totalsRow({"0", "0", "0", "0"}, "1234567.50"),
         "  AQU_20260101  9    0    0    0    01234567.50" + totals},
    };
    for (const auto& [name, row, line] : cases)
        EXPECT_EQ(archiveLine("  AQU_20260101", 9, row), line) << name;
    EXPECT_EQ(std::get<2>(cases[0]).size(), 166u);
}

TEST(ArchiveAppend, OneWholeLinePerCardOnALineOfItsOwn) {
    const std::tuple<const char*, std::optional<std::string>, std::string> cases[] = {
        {"no archive yet", std::nullopt, "LINE\r\n"},
        {"an empty archive", "", "LINE\r\n"},
        {"a line end at the end", "A\r\nB\r\n", "A\r\nB\r\nLINE\r\n"},
        {"an editor's LF at the end", "A\nB\n", "A\nB\nLINE\r\n"},
        {"no line end at the end", "A\r\nB", "A\r\nB\r\nLINE\r\n"},
    };
    for (const auto& [name, before, after] : cases) {
        TempFolder folder;
        if (before)
            writeFile(folder / "TBA.ini", *before);
        EXPECT_EQ(appendArchiveLine(folder / "TBA.ini", "LINE"), std::nullopt) << name;
        EXPECT_EQ(readFile(folder / "TBA.ini"), after) << name;
    }
}
