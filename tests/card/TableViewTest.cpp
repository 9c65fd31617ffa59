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

TEST(ForeignTables, ReadToTheirEndAsStoredUnderNamesOfAnyCase) {
    const std::string rows = "1|1A|Secretariat|72.45|20240504|6D|3||Man O War|";
    EXPECT_EQ(rowsOf(TableView::openFile(foreign / "dbase3.dbf")), rows + "0|20000101|6D|");
    EXPECT_EQ(rowsOf(TableView::openFile(foreign / "dbase3_fixed.dbf")), rows + "0.00||6D|");
    EXPECT_EQ(rowsOf(TableView::openFile(foreign / "vfp_dbffile.dbf")), rows + "0|20000101|6D|");
    EXPECT_EQ(rowsOf(TableView::openFile(foreign / "vfp_backlink.dbf")), rows + "0|20000101|6D|");
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

// Damage is told, and whatever of a damaged table is whole is read.
TEST(BrokenTables, AreToldAndReadAsFarAsTheyAreWhole) {
    TempFolder folder;
    const std::string whole = readFile(foreign / "dbase3.dbf");
    std::string claims = whole, wide = whole;
    claims.replace(4, 4, "\xff\xff\xff\x7f"); // far more records than the file holds
    wide[32 + 16] = '\xff';                   // a field wider than the record
    writeFile(folder / "empty.dbf", "");
    writeFile(folder / "text.dbf", std::string(2000, 'x'));
    writeFile(folder / "short.dbf", whole.substr(0, 40));
    writeFile(folder / "claims.dbf", claims);
    writeFile(folder / "wide.dbf", wide);
    // Header 0xe2 bytes, records 0x35: cut inside the third record.
    writeFile(folder / "cut.dbf", whole.substr(0, 0xe2 + 0x35 * 2 + 10));
    const std::string notXBase = "it is not an xBase table";
    const std::tuple<std::filesystem::path, std::size_t, std::optional<std::string>> tables[] = {
        {foreign / "dbase3.dbf", 2, std::nullopt},
        {foreign / "dbase3_fixed.dbf", 2, std::nullopt},
        {foreign / "vfp_dbffile.dbf", 2, std::nullopt},
        {foreign / "vfp_backlink.dbf", 2, std::nullopt},
        {std::filesystem::path(TALLOWMERE_SAMPLES) / "card" / "THRRDR.DBF", 432, std::nullopt},
        {folder / "missing.dbf", 0, notXBase},
        {folder.path(), 0, notXBase},
        {folder / "empty.dbf", 0, notXBase},
        {folder / "text.dbf", 0, notXBase},
        {folder / "short.dbf", 0, notXBase},
        {folder / "claims.dbf", 2, "it is cut short: its header counts 2147483647 records"},
        {folder / "cut.dbf", 1, "it is cut short: its header counts 3 records"},
        {folder / "wide.dbf", 0, notXBase}};
    for (const auto& [file, records, damage] : tables) {
        EXPECT_EQ(TableView::openFile(file).recordCount(), records) << file;
        EXPECT_EQ(tableDamage(file), damage) << file;
    }
    EXPECT_EQ(TableView::open(folder / "no such folder", "RACEDR").recordCount(), 0u);
    EXPECT_EQ(TableView::openFile(folder / "cut.dbf").field("HORSE_NAME"), "Secretariat");
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
