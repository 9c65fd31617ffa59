#include "text/TextFiles.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace tallowmere::text;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;
using tallowmere::testing::writeFile;
using Lines = std::vector<std::string>;

TEST(LineReading, EndsALineAtCrLfCrOrLf) {
    EXPECT_EQ(splitLines("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\rb\nc\r\n"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\n\nb\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\n\r"), (Lines{"a", ""})) << "LF then CR are two line ends";
    EXPECT_EQ(splitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("last"), (Lines{"last"}));
}

TEST(LineReading, KeepsBlanksAndBytes) {
    EXPECT_EQ(splitLines("  x  \r\n\xe9t\xe9"), (Lines{"  x  ", "\xe9t\xe9"}));
}

TEST(FileReading, MissingFileIsNothing) {
    TempFolder folder;
    EXPECT_FALSE(readLines(folder / "none.ini").has_value());
    EXPECT_FALSE(readWholeFile(folder.path()).has_value()) << "a folder is not a file";
    writeFile(folder / "empty.ini", "");
    EXPECT_EQ(readLines(folder / "empty.ini"), Lines{});
}

TEST(FileReplacing, WritesExactBytesAndLeavesNoTemporary) {
    TempFolder folder;
    const auto file = folder / "card.pmd";
    writeFile(file, "old contents that are longer\r\n");
    EXPECT_FALSE(replaceFile(file, "\"1\"\r\n\"\"\r\n").has_value());
    EXPECT_EQ(readFile(file), "\"1\"\r\n\"\"\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(FileReplacing, ReportsAFailureAndKeepsWhatWasThere) {
    TempFolder folder;
    const auto missingFolder = folder / "no such folder" / "card.pmd";
    EXPECT_TRUE(replaceFile(missingFolder, "x").has_value());

    // A folder standing where the file should be cannot be replaced.
    const auto blocked = folder / "blocked";
    std::filesystem::create_directory(blocked);
    writeFile(blocked / "inside", "kept");
    const auto reason = replaceFile(blocked, "x");
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->empty());
    EXPECT_EQ(readFile(blocked / "inside"), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "the temporary file is removed";
}
