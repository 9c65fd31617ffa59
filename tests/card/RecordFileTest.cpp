#include "card/RecordFile.h"

#include "support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;
using tallowmere::testing::writeFile;

namespace {

// Race 1 as a summary leaves it, values an editor would trip on in race 2, and
// columns that are not saved.
RecordArrays twoRaces() {
    RecordArrays arrays;
    const char* picks[] = {"3", "1A", "7", "", "3", "7", "1A", "2"};
    for (int c = 1; c <= 8; ++c)
        arrays.CardPicks.set(1, c, picks[c - 1]);
    const char* payoffs[] = {"8.40", "4.20",  "3.00",     "5.60", "3.80",
                             "4.40", "31.20", "1,204.50", "",     "Scr 4"};
    for (int c = 1; c <= 10; ++c)
        arrays.CardPayoffs.set(1, c, payoffs[c - 1]);
    const char* odd[] = {"say \"hi\"", "\"", "a,b", "\"\"", " padded "};
    for (int c = 1; c <= 5; ++c)
        arrays.CardPicks.set(2, c, odd[c - 1]);
    arrays.CardPicks.set(1, 9, "not saved");
    arrays.CardPayoffs.set(1, 11, "not saved");
    return arrays;
}

std::string saved() {
    return readFile(std::filesystem::path(TALLOWMERE_FIXTURES) / "records" / "two-races.pmd");
}

} // namespace

TEST(RecordFileText, PicksOfEveryRaceThenPayoffsOfEveryRaceAndBack) {
    RecordArrays arrays = twoRaces();
    EXPECT_EQ(recordFileText(arrays, 2), saved());
    RecordArrays before;
    before.CardPicks.set(1, 1, "replaced");
    before.CardPicks.set(1, 9, "kept");
    before.CardPicks.set(3, 1, "race three");
    const auto loaded = withRecordFileText(before, saved(), 2);
    ASSERT_TRUE(loaded.has_value());
    arrays.CardPicks.set(1, 9, "kept");
    arrays.CardPicks.set(3, 1, "race three");
    arrays.CardPayoffs.set(1, 11, "");
    EXPECT_EQ(*loaded, arrays) << "the saved columns replaced, the others kept";
}

TEST(RecordFileText, LineBreaksInValuesAndRacesBeyondTheArraysKeepEighteenLinesARace) {
    RecordArrays arrays;
    arrays.CardPayoffs.set(1, 10, "two\r\nlines");
    arrays.CardPicks.set(22, 1, "9");
    const std::string text = recordFileText(arrays, 22);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 22 * 18);
    const auto loaded = withRecordFileText({}, text, 22);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->CardPayoffs.at(1, 10), "two  lines");
    EXPECT_EQ(loaded->CardPicks.at(22, 1), "9");
}

TEST(RecordFileText, LoadsOnlyEighteenValuesPerRace) {
    const std::string one = recordFileText(twoRaces(), 1);
    EXPECT_FALSE(withRecordFileText({}, one, 2).has_value()) << "a file of another card";
    EXPECT_FALSE(withRecordFileText({}, one + "\"extra\"\r\n", 1).has_value());
    EXPECT_FALSE(withRecordFileText({}, one.substr(0, one.rfind("\"Scr")), 1).has_value());
    EXPECT_FALSE(withRecordFileText({}, "", 1).has_value());
    EXPECT_TRUE(withRecordFileText({}, one + "\r\n\r\n", 1).has_value())
        << "empty lines after the last value are no values";
    EXPECT_EQ(recordFileText(twoRaces(), 0), "");
    EXPECT_EQ(withRecordFileText(twoRaces(), "", 0), twoRaces()) << "a card without races";
}

TEST(RecordFileText, AcceptsBareValuesOnLinesOfAnyEditor) {
    std::string text = "7\n";
    for (int i = 0; i < 17; ++i)
        text += i % 2 ? "\"\"\r" : "\"\"\r\n";
    const auto bare = withRecordFileText({}, text, 1);
    ASSERT_TRUE(bare.has_value());
    EXPECT_EQ(bare->CardPicks.at(1, 1), "7");
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
