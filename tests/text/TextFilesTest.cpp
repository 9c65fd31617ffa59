#include "text/TextFiles.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace tallowmere::text;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;
using tallowmere::testing::writeFile;
using Lines = std::vector<std::string>;

TEST(LineReading, EndsALineAtCrLfCrOrLfAndKeepsBlanksAndBytes) {
    EXPECT_EQ(splitLines("a\r\nb\rc\nd\r\n"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\n\nb\n\r"), (Lines{"a", "", "b", ""})) << "LF then CR are two ends";
    EXPECT_EQ(splitLines("  x  \r\n\xe9t\xe9"), (Lines{"  x  ", "\xe9t\xe9"}));
    EXPECT_EQ(splitLines(""), Lines{});
    TempFolder folder;
    EXPECT_FALSE(readLines(folder / "none.ini").has_value());
    EXPECT_FALSE(readWholeFile(folder.path()).has_value()) << "a folder is not a file";
}

TEST(FileReplacing, WritesExactBytesOrReportsAndKeepsWhatWasThere) {
    TempFolder folder;
    const auto file = folder / "card.pmd";
    writeFile(file, "old contents that are longer\r\n");
    EXPECT_FALSE(replaceFile(file, "\"1\"\r\n\"\"\r\n").has_value());
    EXPECT_EQ(readFile(file), "\"1\"\r\n\"\"\r\n");
    using std::filesystem::perms;
    std::filesystem::permissions(file, perms::owner_read | perms::owner_write | perms::group_write);
    EXPECT_FALSE(replaceFile(file, "x").has_value());
    EXPECT_EQ(std::filesystem::status(file).permissions(),
              perms::owner_read | perms::owner_write | perms::group_write)
        << "a replaced file keeps its permissions";
    EXPECT_TRUE(replaceFile(folder / "no such folder" / "card.pmd", "x").has_value());
    // A folder standing where the file should be cannot be replaced.
    std::filesystem::create_directory(folder / "blocked");
    writeFile(folder / "blocked" / "inside", "kept");
    EXPECT_TRUE(replaceFile(folder / "blocked", "x").has_value());
    EXPECT_EQ(readFile(folder / "blocked" / "inside"), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2)
        << "no temporary file is left";
}
