#include "results/Archive.h"

#include "support/TestWindow.h"

#include <csignal>
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
    const std::string elevenTotals = zeros9 + zeros9 + zeros9 + zeros9 + zeros9 + zeros9 + zeros9 +
                                     zeros9 + zeros9 + zeros9 + "       .00       .00   1234.50";
    const std::tuple<const char*, std::string, std::vector<std::string>, std::string> cases[] = {
        {"a three-letter code's stem of 14 characters", "  AQU_20260101",
         totalsRow({"3", "1", "0", "2"}, "12.40"),
         "  AQU_20260101  9    3    1    0    2    12.40" + elevenTotals},
        {"a counter of 12", "  AQU_20260101", totalsRow({"12", "0", "0", "0"}, ".00"),
         "  AQU_20260101  9   12    0    0    0      .00" + elevenTotals},
        {"counters that are not whole numbers read as 0", "  AQU_20260101",
         totalsRow({"", "x", "2.5", "40000"}, ".00"),
         "  AQU_20260101  9    0    0    0    0      .00" + elevenTotals},
        {"a total too wide moves the later fields", "  AQU_20260101",
         totalsRow({"0", "0", "0", "0"}, "1234567.50"),
         "  AQU_20260101  9    0    0    0    01234567.50" + elevenTotals},
    };
    for (const auto& [name, stem, row, line] : cases) {
        const std::string made = archiveLine(stem, 9, row);
        EXPECT_EQ(made, line) << name;
        EXPECT_EQ(made.substr(14, 3), "  9") << name;
    }
    EXPECT_EQ(archiveLine("  AQU_20260101", 9, totalsRow({"0", "0", "0", "0"}, ".00")).size(),
              166u);
}

TEST(ArchiveLine, StemOfTheRecordFileName) {
    EXPECT_EQ(cardStem("  AQU_20260101.pmd"), "  AQU_20260101");
    EXPECT_EQ(cardStem("   CT_20261205.pmd.bak"), "   CT_20261205");
    EXPECT_EQ(cardStem(""), "");
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

TEST(RecordButton, AppendsTheCardOnceAndKeepsItsCounters) {
    TestWindow window;
    Form1& form = window.form;
    form.ActiveCardFile = "  AQU_20260101.pmd";
    form.Card.RaceCount = 9;
    const auto row = totalsRow({"3", "1", "0", "2"}, "12.40");
    for (int column = 0; column < 29; ++column)
        form.MSFlexGrid2.setText(21, column, row[column]);

    Command4_Click(form);
    EXPECT_FALSE(form.Command4.enabled);
    EXPECT_EQ(readFile(window.folder / "TBA.ini"), archiveLine("  AQU_20260101", 9, row) + "\r\n");
    EXPECT_EQ((std::array{form.SelectionWins.valueAt(1), form.SelectionWins.valueAt(2),
                          form.SelectionWins.valueAt(3), form.SelectionWins.valueAt(4)}),
              (std::array<std::int16_t, 4>{3, 1, 0, 2}));
    EXPECT_TRUE(window.platform.messages.empty());
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
