#include "results/Archive.h"

#include "support/TestWindow.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;
using tallowmere::testing::TestWindow;
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

TEST(ArchiveAppend, AWriteCutShortLeavesTheArchiveAsItWas) {
    TempFolder folder;
    const auto archive = folder / "TBA.ini";
    writeFile(archive, "A\r\n");
    // A child whose files may not grow past 5 bytes gets 2 bytes of the line written.
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{5, 5};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(appendArchiveLine(archive, "LINE") ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the failure is reported";
    EXPECT_EQ(readFile(archive), "A\r\n");
}

TEST(RecordButton, AnArchiveThatCannotBeWrittenIsToldAndKeptWhole) {
    TestWindow window;
    // A folder standing where the archive should be cannot be written.
    std::filesystem::create_directory(window.folder / "TBA.ini");
    writeFile(window.folder / "TBA.ini" / "inside", "kept");
    Command4_Click(window.form);
    ASSERT_EQ(window.platform.messages.size(), 1u);
    const std::string prefix =
        "The archive could not be written to " + (window.folder / "TBA.ini").string() + ": ";
    const Message& message = window.platform.messages[0];
    EXPECT_EQ(message.title, "Tallowmere TB");
    EXPECT_EQ(message.text.substr(0, prefix.size()), prefix);
    EXPECT_GT(message.text.size(), prefix.size());
    EXPECT_EQ(readFile(window.folder / "TBA.ini" / "inside"), "kept");
}

TEST(ArchiveAppend, AFullDiskIsToldAndAddsNothing) {
    TempFolder folder;
    const auto archive = folder / "TBA.ini";
    std::filesystem::create_symlink("/dev/full", archive);
    EXPECT_EQ(appendArchiveLine(archive, "LINE"), std::strerror(ENOSPC));
    EXPECT_TRUE(std::filesystem::is_symlink(archive));
}
