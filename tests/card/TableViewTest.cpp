#include "card/TableView.h"

#include "DbfWriter.h"
#include "card/FieldText.h"
#include "support/TempFolder.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;
using tallowmere::testing::writeFile;

namespace {

const std::filesystem::path foreign = std::filesystem::path(TALLOWMERE_FIXTURES) / "foreign";

struct Row {
    std::string hn, program, name, time, date, distSurf;
};

std::vector<Row> rowsOf(TableView table) {
    std::vector<Row> rows;
    for (table.moveFirst(); !table.atEnd(); table.moveNext())
        rows.push_back({table.field("HN"), table.field("PROGRAM"), table.field("HORSE_NAME"),
                        table.field("ACTUAL_TIM"), table.field("DATE"), table.field("DIST_SURF")});
    return rows;
}

void expectRows(const std::vector<Row>& rows, const std::string& zeroTime,
                const std::string& thirdDate) {
    ASSERT_EQ(rows.size(), 2u) << "the deleted record is skipped";
    EXPECT_EQ(rows[0].hn, "1");
    EXPECT_EQ(rows[0].program, "1A");
    EXPECT_EQ(rows[0].name, "Secretariat");
    EXPECT_EQ(rows[0].time, "72.45");
    EXPECT_EQ(rows[0].date, "20240504");
    EXPECT_EQ(rows[0].distSurf, "6D");
    EXPECT_EQ(rows[1].hn, "3");
    EXPECT_EQ(rows[1].program, "");
    EXPECT_EQ(rows[1].name, "Man O War");
    EXPECT_EQ(rows[1].time, zeroTime);
    EXPECT_EQ(rows[1].date, thirdDate);
    EXPECT_EQ(rows[1].distSurf, "6D");
}

std::vector<cardgen::FieldSpec> smallSchema() {
    return {{"HN", 'N', 4},
            {"PROGRAM", 'C', 3},
            {"HORSE_NAME", 'C', 25},
            {"ODDS", 'N', 6, 2},
            {"DATE", 'D', 8}};
}

} // namespace

TEST(ForeignTables, ReadAsTheirWriterStoredThem) {
    expectRows(rowsOf(TableView::openFile(foreign / "dbase3.dbf")), "0", "20000101");
    expectRows(rowsOf(TableView::openFile(foreign / "dbase3_fixed.dbf")), "0.00", "");
    expectRows(rowsOf(TableView::openFile(foreign / "vfp_dbffile.dbf")), "0", "20000101");
    expectRows(rowsOf(TableView::openFile(foreign / "vfp_backlink.dbf")), "0", "20000101");
}

TEST(ForeignTables, MatchTableAndFieldNamesWithoutCase) {
    TempFolder folder;
    std::filesystem::copy_file(foreign / "dbase3.dbf", folder / "thrrdr.Dbf");
    TableView table = TableView::open(folder.path(), "THRRDR");
    ASSERT_EQ(table.recordCount(), 2u);
    EXPECT_EQ(table.field("horse_name"), "Secretariat");
    EXPECT_EQ(table.field("Dist_Surf"), "6D");
}

TEST(TableNavigation, MovesFirstLastNextAndStopsAtTheEnd) {
    TableView table({"HN"}, {{"1"}, {"2"}, {"3"}});
    EXPECT_EQ(table.field("HN"), "1");
    table.moveLast();
    EXPECT_EQ(table.field("HN"), "3");
    table.moveNext();
    EXPECT_TRUE(table.atEnd());
    EXPECT_EQ(table.field("HN"), "");
    table.moveNext();
    EXPECT_TRUE(table.atEnd());
    table.moveFirst();
    EXPECT_EQ(table.field("HN"), "1");
    EXPECT_EQ(table.field("NO_SUCH_FIELD"), "");
}

TEST(TableNavigation, AnEmptyTableIsAtItsEndEverywhere) {
    TableView table;
    EXPECT_TRUE(table.atEnd());
    table.moveLast();
    EXPECT_TRUE(table.atEnd());
    EXPECT_EQ(table.field("HN"), "");
}

TEST(OwnTables, ShowFieldsAsBoundBoxesDo) {
    TempFolder folder;
    ASSERT_TRUE(cardgen::writeTable(folder / "T.DBF", smallSchema(),
                                    {{{"1", " 1A", "Copper Lantern", "6.00", "20240504"}},
                                     {{"2", "2", "Gone", "1.5", ""}, true},
                                     {{"", "", " Salt Quarry", "", ""}}}));
    TableView table = TableView::open(folder.path(), "t");
    ASSERT_EQ(table.recordCount(), 2u);
    EXPECT_EQ(table.field("PROGRAM"), " 1A") << "leading blanks of a character field stay";
    EXPECT_EQ(table.field("HORSE_NAME"), "Copper Lantern");
    EXPECT_EQ(table.field("ODDS"), "6.00") << "digits as stored";
    EXPECT_EQ(table.field("DATE"), "20240504");
    table.moveNext();
    EXPECT_EQ(table.field("HN"), "");
    EXPECT_EQ(table.field("ODDS"), "");
    EXPECT_EQ(table.field("DATE"), "");
    EXPECT_EQ(table.field("HORSE_NAME"), " Salt Quarry");
}

TEST(BrokenTables, AMissingTableOrFolderIsEmpty) {
    TempFolder folder;
    EXPECT_EQ(TableView::open(folder.path(), "RACEDR").recordCount(), 0u);
    EXPECT_EQ(TableView::open(folder / "no such folder", "RACEDR").recordCount(), 0u);
    EXPECT_EQ(TableView::openFile(folder.path()).recordCount(), 0u);
}

TEST(BrokenTables, NonXBaseAndTruncatedFilesReadAsEmpty) {
    TempFolder folder;
    writeFile(folder / "empty.dbf", "");
    writeFile(folder / "text.dbf", std::string(2000, 'x'));
    writeFile(folder / "short.dbf", readFile(foreign / "dbase3.dbf").substr(0, 40));
    for (const char* name : {"empty.dbf", "text.dbf", "short.dbf"})
        EXPECT_EQ(TableView::openFile(folder / name).recordCount(), 0u) << name;
}

TEST(BrokenTables, AHeaderClaimingMoreRecordsThanTheFileHoldsReadsWhatIsThere) {
    TempFolder folder;
    std::string bytes = readFile(foreign / "dbase3.dbf");
    bytes[4] = '\xff'; // claims 0xffff0003 records... as far as the low bytes go
    bytes[5] = '\xff';
    bytes[6] = '\xff';
    bytes[7] = '\x7f';
    writeFile(folder / "claims.dbf", bytes);
    EXPECT_EQ(TableView::openFile(folder / "claims.dbf").recordCount(), 2u);

    // Cut inside the third record: only the first is whole.
    const std::size_t headerLength = 0xe2;
    const std::size_t recordLength = 0x35;
    writeFile(folder / "cut.dbf",
              readFile(foreign / "dbase3.dbf").substr(0, headerLength + recordLength * 2 + 10));
    TableView cut = TableView::openFile(folder / "cut.dbf");
    ASSERT_EQ(cut.recordCount(), 1u);
    EXPECT_EQ(cut.field("HORSE_NAME"), "Secretariat");
}

TEST(BrokenTables, TheDamageCheckPassesWholeTablesOnly) {
    for (const char* name :
         {"dbase3.dbf", "dbase3_fixed.dbf", "vfp_dbffile.dbf", "vfp_backlink.dbf"})
        EXPECT_EQ(tableDamage(foreign / name), std::nullopt) << name;
    EXPECT_EQ(tableDamage(std::filesystem::path(TALLOWMERE_SAMPLES) / "card" / "THRRDR.DBF"),
              std::nullopt);

    TempFolder folder;
    const std::string whole = readFile(foreign / "dbase3.dbf");
    writeFile(folder / "empty.dbf", "");
    writeFile(folder / "cut.dbf", whole.substr(0, whole.size() - 10));
    EXPECT_EQ(tableDamage(folder / "empty.dbf"), "it is not an xBase table");
    EXPECT_EQ(tableDamage(folder / "cut.dbf"), "it is cut short: its header counts 3 records");
    EXPECT_TRUE(tableDamage(folder / "missing.dbf"));
}

TEST(FieldTexts, LogicalsAndBinaryNumbers) {
    EXPECT_EQ(fieldText('L', "T"), "True");
    EXPECT_EQ(fieldText('L', "y"), "True");
    EXPECT_EQ(fieldText('L', "F"), "False");
    EXPECT_EQ(fieldText('L', "?"), "");
    EXPECT_EQ(fieldText('M', "        12"), "");

    const auto bytesOf = [](auto value) {
        std::string raw(sizeof value, '\0');
        std::memcpy(raw.data(), &value, sizeof value);
        return raw;
    };
    EXPECT_EQ(fieldText('I', bytesOf(std::int32_t{-42})), "-42");
    EXPECT_EQ(fieldText('B', bytesOf(72.45)), "72.45");
    EXPECT_EQ(fieldText('I', bytesOf(std::numeric_limits<std::int32_t>::min())), "-2147483648");
    EXPECT_EQ(fieldText('Y', bytesOf(std::int64_t{125000})), "12.5");
    EXPECT_EQ(fieldText('Y', bytesOf(std::int64_t{-10000})), "-1");
    EXPECT_EQ(fieldText('Y', bytesOf(std::numeric_limits<std::int64_t>::min())),
              "-922337203685477.5808");

    // A DateTime is a Julian day and the milliseconds of that day.
    const struct {
        std::int32_t day;
        const char* text;
    } dateTimes[] = {
        {2460435, "20240504"},
        {1721426, "00010101"},
        {5373484, "99991231"},
        {0, ""},
        {1721425, ""},
        {5373485, ""},
        {std::numeric_limits<std::int32_t>::max(), ""},
        {std::numeric_limits<std::int32_t>::min(), ""},
    };
    for (const auto& [day, text] : dateTimes)
        EXPECT_EQ(fieldText('T', bytesOf(day) + bytesOf(std::int32_t{0})), text) << day;
    EXPECT_EQ(fieldText('I', "ab"), "") << "too short for its type";
}

TEST(FieldTexts, PaddingIsRemovedAsTheTypeSays) {
    EXPECT_EQ(fieldText('C', " Bo  "), " Bo");
    EXPECT_EQ(fieldText('C', std::string("Bo\0\0", 4)), "Bo");
    EXPECT_EQ(fieldText('N', "  6.00"), "6.00");
    EXPECT_EQ(fieldText('N', "      "), "");
    EXPECT_EQ(fieldText('D', "        "), "");
}

TEST(BrokenTables, DamagedBytesAnywhereNeverBreakTheReader) {
    TempFolder folder;
    const std::string original = readFile(foreign / "vfp_backlink.dbf");
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (int round = 0; round < 300; ++round) {
        std::string damaged = original;
        const int flips = 1 + static_cast<int>(next() % 8);
        for (int i = 0; i < flips; ++i)
            damaged[next() % damaged.size()] = static_cast<char>(next());
        if (round % 3 == 0)
            damaged.resize(next() % damaged.size());
        writeFile(folder / "damaged.dbf", damaged);
        TableView table = TableView::openFile(folder / "damaged.dbf");
        EXPECT_LE(table.recordCount(), 3u);
        for (table.moveFirst(); !table.atEnd(); table.moveNext())
            for (const auto& name : table.fieldNames())
                EXPECT_LE(table.field(name).size(), damaged.size());
    }
}
