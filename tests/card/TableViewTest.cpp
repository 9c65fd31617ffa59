#include "card/TableView.h"

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

// The fields a card reads of every record, the deleted record skipped.
std::string rowsOf(TableView table) {
    std::string rows;
    for (table.moveFirst(); !table.atEnd(); table.moveNext())
        for (const char* name : {"HN", "PROGRAM", "HORSE_NAME", "ACTUAL_TIM", "DATE", "DIST_SURF"})
            rows += table.field(name) + "|";
    return rows;
}

} // namespace

TEST(ForeignTables, ReadAsTheirWriterStoredThem) {
    const std::string rows = "1|1A|Secretariat|72.45|20240504|6D|3||Man O War|";
    EXPECT_EQ(rowsOf(TableView::openFile(foreign / "dbase3.dbf")), rows + "0|20000101|6D|");
    EXPECT_EQ(rowsOf(TableView::openFile(foreign / "dbase3_fixed.dbf")), rows + "0.00||6D|");
    EXPECT_EQ(rowsOf(TableView::openFile(foreign / "vfp_dbffile.dbf")), rows + "0|20000101|6D|");
    EXPECT_EQ(rowsOf(TableView::openFile(foreign / "vfp_backlink.dbf")), rows + "0|20000101|6D|");
}

TEST(ForeignTables, MatchTableAndFieldNamesWithoutCaseAndMoveToTheirEnd) {
    TempFolder folder;
    std::filesystem::copy_file(foreign / "dbase3.dbf", folder / "thrrdr.Dbf");
    TableView table = TableView::open(folder.path(), "THRRDR");
    ASSERT_EQ(table.recordCount(), 2u);
    EXPECT_EQ(table.field("horse_name") + "|" + table.field("Dist_Surf"), "Secretariat|6D");
    table.moveLast();
    EXPECT_EQ(table.field("HN"), "3");
    table.moveNext();
    table.moveNext();
    EXPECT_TRUE(table.atEnd());
    EXPECT_EQ(table.field("HN") + table.field("NO_SUCH_FIELD"), "");
    TableView empty;
    empty.moveLast();
    EXPECT_TRUE(empty.atEnd());
}

TEST(BrokenTables, AMissingNonXBaseOrTruncatedTableReadsWhatIsWhole) {
    TempFolder folder;
    const std::string whole = readFile(foreign / "dbase3.dbf");
    std::string claims = whole;
    claims.replace(4, 4,
                   "\xff\xff\xff\x7f"); // far more records than the file holds
    writeFile(folder / "empty.dbf", "");
    writeFile(folder / "text.dbf", std::string(2000, 'x'));
    writeFile(folder / "short.dbf", whole.substr(0, 40));
    writeFile(folder / "claims.dbf", claims);
    // Header 0xe2 bytes, records 0x35: cut inside the third record.
    writeFile(folder / "cut.dbf", whole.substr(0, 0xe2 + 0x35 * 2 + 10));
    const std::pair<std::filesystem::path, std::size_t> tables[] = {
        {folder / "missing.dbf", 0}, {folder.path(), 0},        {folder / "empty.dbf", 0},
        {folder / "text.dbf", 0},    {folder / "short.dbf", 0}, {folder / "claims.dbf", 2},
        {folder / "cut.dbf", 1}};
    for (const auto& [file, records] : tables)
        EXPECT_EQ(TableView::openFile(file).recordCount(), records) << file;
    EXPECT_EQ(TableView::open(folder / "no such folder", "RACEDR").recordCount(), 0u);
    EXPECT_EQ(TableView::openFile(folder / "cut.dbf").field("HORSE_NAME"), "Secretariat");
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

TEST(FieldTexts, ShowEachTypeAsItsBoxWould) {
    const auto bytesOf = [](auto value) {
        std::string raw(sizeof value, '\0');
        std::memcpy(raw.data(), &value, sizeof value);
        return raw;
    };
    // A DateTime is a Julian day and the milliseconds of that day.
    const auto dateTime = [&](std::int32_t day) { return bytesOf(day) + bytesOf(std::int32_t{0}); };
    const std::tuple<char, std::string, const char*> fields[] = {
        {'L', "T", "True"},
        {'L', "F", "False"},
        {'L', "?", ""},
        {'M', "        12", ""},
        {'C', " Bo  ", " Bo"},
        {'C', std::string("Bo\0\0", 4), "Bo"},
        {'N', "  6.00", "6.00"},
        {'I', bytesOf(std::numeric_limits<std::int32_t>::min()), "-2147483648"},
        {'I', "ab", ""},
        {'B', bytesOf(72.45), "72.45"},
        {'Y', bytesOf(std::int64_t{-10000}), "-1"},
        {'Y', bytesOf(std::numeric_limits<std::int64_t>::min()), "-922337203685477.5808"},
        {'T', dateTime(2460435), "20240504"},
        {'T', dateTime(1721425), ""},
        {'T', dateTime(5373485), ""},
        {'T', dateTime(std::numeric_limits<std::int32_t>::min()), ""}};
    for (const auto& [type, raw, text] : fields)
        EXPECT_EQ(fieldText(type, raw), text) << type << " " << text;
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
        for (int flips = 1 + static_cast<int>(next() % 8); flips > 0; --flips)
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
