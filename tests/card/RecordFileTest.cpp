#include "card/RecordFile.h"

#include "support/TempFolder.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;
using tallowmere::testing::writeFile;

namespace {

RecordArrays oneRace() {
    RecordArrays arrays;
    const char* picks[] = {"3", "1A", "7", "", "3", "7", "1A", "2"};
    for (int c = 1; c <= 8; ++c)
        arrays.CardPicks.set(1, c, picks[c - 1]);
    const char* payoffs[] = {"8.40", "4.20",  "3.00",     "5.60", "3.80",
                             "4.40", "31.20", "1,204.50", "",     "Scr 4"};
    for (int c = 1; c <= 10; ++c)
        arrays.CardPayoffs.set(1, c, payoffs[c - 1]);
    arrays.CardPicks.set(1, 9, "not saved");
    arrays.CardPayoffs.set(1, 11, "not saved");
    return arrays;
}

std::string lines(int count, const std::string& line = "\"\"") {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line + "\r\n";
    return text;
}

} // namespace

TEST(RecordFileText, PicksOfEveryRaceThenPayoffsOfEveryRace) {
    RecordArrays arrays = oneRace();
    arrays.CardPicks.set(2, 1, "5");
    arrays.CardPayoffs.set(2, 10, "x");
    EXPECT_EQ(recordFileText(arrays, 2),
              "\"3\"\r\n\"1A\"\r\n\"7\"\r\n\"\"\r\n\"3\"\r\n\"7\"\r\n\"1A\"\r\n\"2\"\r\n"
              "\"5\"\r\n" +
                  lines(7) +
                  "\"8.40\"\r\n\"4.20\"\r\n\"3.00\"\r\n\"5.60\"\r\n\"3.80\"\r\n\"4.40\"\r\n"
                  "\"31.20\"\r\n\"1,204.50\"\r\n\"\"\r\n\"Scr 4\"\r\n" +
                  lines(9) + "\"x\"\r\n");
}

TEST(RecordFileText, ACardWithoutRacesIsEmpty) {
    EXPECT_EQ(recordFileText(oneRace(), 0), "");
    const auto loaded = withRecordFileText(oneRace(), "", 0);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(*loaded, oneRace());
}

TEST(RecordFileText, RoundTripsCommasQuotesAndEmptyValues) {
    RecordArrays arrays;
    arrays.CardPicks.set(1, 1, "say \"hi\"");
    arrays.CardPicks.set(1, 2, "\"");
    arrays.CardPicks.set(1, 3, "a,b");
    arrays.CardPicks.set(1, 4, "\"\"");
    arrays.CardPayoffs.set(1, 10, " padded ");
    const std::string text = recordFileText(arrays, 1);
    EXPECT_EQ(text.substr(0, text.find('\r')), "\"say \"\"hi\"\"\"");
    const auto loaded = withRecordFileText(RecordArrays{}, text, 1);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(*loaded, arrays);
}

TEST(RecordFileText, ALineBreakInsideAValueNeverSplitsIt) {
    RecordArrays arrays;
    arrays.CardPayoffs.set(1, 10, "two\r\nlines");
    const std::string text = recordFileText(arrays, 1);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 18);
    const auto loaded = withRecordFileText(RecordArrays{}, text, 1);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->CardPayoffs.at(1, 10), "two  lines");
}

TEST(RecordFileText, LoadsOnlyEighteenValuesPerRace) {
    const std::string one = recordFileText(oneRace(), 1);
    EXPECT_FALSE(withRecordFileText({}, one, 2).has_value()) << "a file of another card";
    EXPECT_FALSE(withRecordFileText({}, one + "\"extra\"\r\n", 1).has_value());
    EXPECT_FALSE(withRecordFileText({}, one.substr(0, one.rfind("\"Scr")), 1).has_value());
    EXPECT_FALSE(withRecordFileText({}, "", 1).has_value());
    EXPECT_TRUE(withRecordFileText({}, one + "\r\n\r\n", 1).has_value())
        << "empty lines after the last value are no values";
}

TEST(RecordFileText, LoadReplacesOnlyTheSavedColumns) {
    RecordArrays before;
    before.CardPicks.set(1, 1, "fresh pick");
    before.CardPicks.set(1, 9, "kept");
    before.CardPicks.set(2, 1, "race two");
    const auto loaded = withRecordFileText(before, recordFileText(oneRace(), 1), 1);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->CardPicks.at(1, 1), "3");
    EXPECT_EQ(loaded->CardPicks.at(1, 9), "kept");
    EXPECT_EQ(loaded->CardPicks.at(2, 1), "race two");
    EXPECT_EQ(loaded->CardPayoffs.at(1, 10), "Scr 4");
}

TEST(RecordFileText, AcceptsLineEndsOfAnyEditorAndBareValues) {
    std::string text = recordFileText(oneRace(), 1);
    std::string unix;
    for (char c : text)
        if (c != '\r')
            unix += c;
    const auto loaded = withRecordFileText({}, unix, 1);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->CardPayoffs.at(1, 8), "1,204.50");

    const auto bare = withRecordFileText({}, "7\r\n" + lines(17), 1);
    ASSERT_TRUE(bare.has_value());
    EXPECT_EQ(bare->CardPicks.at(1, 1), "7");
}

TEST(RecordFileText, RacesBeyondTheArraysStillHaveTheirLines) {
    RecordArrays arrays;
    arrays.CardPicks.set(22, 1, "9");
    const std::string text = recordFileText(arrays, 22);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 22 * 18);
    const auto loaded = withRecordFileText({}, text, 22);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->CardPicks.at(22, 1), "9");
}

TEST(RecordFileOnDisk, SavesAndLoadsBack) {
    TempFolder folder;
    const auto file = folder / "   CD_20261205.pmd";
    ASSERT_FALSE(saveRecordFile(file, oneRace(), 1).has_value());
    EXPECT_EQ(readFile(file), recordFileText(oneRace(), 1));
    const RecordFileLoad load = loadRecordFile(file, {}, 1);
    EXPECT_EQ(load.status, RecordFileStatus::Loaded);
    EXPECT_EQ(load.arrays.CardPicks.at(1, 2), "1A");
    EXPECT_EQ(load.arrays.CardPicks.at(1, 9), "") << "unsaved columns come back empty";
}

TEST(RecordFileOnDisk, MissingOrMismatchedFilesLeaveTheArrays) {
    TempFolder folder;
    const auto file = folder / "card.pmd";
    EXPECT_EQ(loadRecordFile(file, oneRace(), 1).status, RecordFileStatus::Missing);
    writeFile(file, lines(17));
    const RecordFileLoad load = loadRecordFile(file, oneRace(), 1);
    EXPECT_EQ(load.status, RecordFileStatus::DoesNotMatch);
    EXPECT_EQ(load.arrays, oneRace());
    EXPECT_EQ(readFile(file), lines(17)) << "a refused file is left alone";
}

TEST(RecordFileOnDisk, AFailedSaveSaysWhyAndKeepsTheOldFile) {
    TempFolder folder;
    EXPECT_TRUE(saveRecordFile(folder / "no folder" / "card.pmd", oneRace(), 1).has_value());
    const auto file = folder / "card.pmd";
    writeFile(file, "old");
    std::filesystem::create_directory(folder / "card.pmd.dir");
    EXPECT_TRUE(saveRecordFile(folder / "card.pmd.dir", oneRace(), 1).has_value());
    EXPECT_EQ(readFile(file), "old");
}

namespace {

// Saves in a child process that the kernel kills by a signal in the middle of
// writing, so its temporary file is left behind as after a power cut.
void saveKilledMidway(const std::filesystem::path& file, const RecordArrays& arrays) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit noCore{0, 0};
        const rlimit smallFiles{16, 16}; // writing past it raises SIGXFSZ
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &smallFiles);
        (void)saveRecordFile(file, arrays, 1);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
}

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(RecordFileOnDisk, TheNextSaveRemovesTemporaryFilesOfKilledSaves) {
    TempFolder folder;
    const auto file = folder / "  SAR_20261205.pmd";
    const RecordArrays arrays = oneRace();
    ASSERT_FALSE(saveRecordFile(file, arrays, 1).has_value());
    const std::vector<std::string> others = {".  SAR_20261205.pmd.notes",
                                             ".  SAR_20261206.pmd.AbC123", "other.pmd"};
    for (const auto& name : others)
        writeFile(folder / name, "not a leftover of this card");
    for (int kill = 0; kill < 5; ++kill)
        saveKilledMidway(file, arrays);
    ASSERT_GT(namesIn(folder.path()).size(), 1 + others.size()) << "a killed save leaves its file";
    EXPECT_EQ(loadRecordFile(file, {}, 1).status, RecordFileStatus::Loaded)
        << "the record file survived whole";

    ASSERT_FALSE(saveRecordFile(file, arrays, 1).has_value());
    std::vector<std::string> expected = others;
    expected.push_back(file.filename().string());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(namesIn(folder.path()), expected);
    EXPECT_EQ(readFile(file), recordFileText(arrays, 1));
}

TEST(RecordFileOnDisk, BackupsTakeTheFirstFreeNameAndNeverReplaceOne) {
    TempFolder folder;
    const auto file = folder / "  SAR_20261205.pmd";
    EXPECT_EQ(firstFreeBackupName(file), file.string() + ".bak");
    EXPECT_FALSE(keepAsBackup(file).has_value()) << "no file, nothing to keep";
    for (const char* content : {"first", "second", "third"}) {
        writeFile(file, content);
        ASSERT_FALSE(keepAsBackup(file).has_value());
    }
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(readFile(file.string() + ".bak3"), "third");
    EXPECT_EQ(firstFreeBackupName(file), file.string() + ".bak4");
}
