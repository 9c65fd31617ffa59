#include "card/TableView.h"

#include "card/FieldText.h"
#include "text/Texts.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <shapefil.h>
#include <system_error>

namespace tallowmere {
namespace {

using text::sameIgnoringCase;

struct DbfCloser {
    void operator()(DBFInfo* handle) const { DBFClose(handle); }
};
using DbfHandle = std::unique_ptr<DBFInfo, DbfCloser>;

void ignoreError(const char*) {}

std::optional<std::filesystem::path> findIgnoringCase(const std::filesystem::path& file) {
    std::error_code error;
    const std::string wanted = file.filename().string();
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error))
        if (sameIgnoringCase(it->path().filename().string(), wanted))
            return it->path();
    return std::nullopt;
}

// The library asks for NAME.dbf or NAME.DBF; the card may have any case.
SAFile openIgnoringCase(const char* filename, const char* access) {
    const auto found = findIgnoringCase(filename);
    return found ? reinterpret_cast<SAFile>(std::fopen(found->c_str(), access)) : nullptr;
}

DbfHandle openQuietly(const std::filesystem::path& file) {
    SAHooks hooks;
    SASetupDefaultHooks(&hooks);
    hooks.FOpen = openIgnoringCase;
    hooks.Error = ignoreError; // a bad file is an empty table, not a message
    return DbfHandle(DBFOpenLL(file.c_str(), "rb", &hooks));
}

// Records the file really holds, whatever its header claims.
int recordsPresent(const DBFInfo& table, const std::filesystem::path& file) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (error || table.nRecordLength <= 0 || size <= std::uintmax_t(table.nHeaderLength))
        return 0;
    const auto fit = (size - table.nHeaderLength) / std::uintmax_t(table.nRecordLength);
    return static_cast<int>(
        std::min<std::uintmax_t>(fit, std::uintmax_t(std::max(table.nRecords, 0))));
}

struct FieldLayout {
    std::string name;
    char type;
    int offset;
    int width;
};

// The fields whose bytes lie inside the record; a header that claims more is cut.
std::vector<FieldLayout> fieldLayouts(DBFInfo& table) {
    std::vector<FieldLayout> fields;
    for (int i = 0; i < DBFGetFieldCount(&table); ++i) {
        char name[XBASE_FLDNAME_LEN_READ + 1] = {};
        int width = 0;
        int decimals = 0;
        DBFGetFieldInfo(&table, i, name, &width, &decimals);
        const int offset = table.panFieldOffset[i];
        if (offset < 1 || width < 0 || offset + width > table.nRecordLength)
            break;
        fields.push_back({name, DBFGetNativeFieldType(&table, i), offset, width});
    }
    return fields;
}

} // namespace

TableView::TableView(std::vector<std::string> fieldNames,
                     std::vector<std::vector<std::string>> records)
    : fieldNames_(std::move(fieldNames)), records_(std::move(records)) {}

TableView TableView::open(const std::filesystem::path& folder, std::string_view tableName) {
    const auto file = findIgnoringCase(folder / (std::string(tableName) + ".DBF"));
    return file ? openFile(*file) : TableView{};
}

TableView TableView::openFile(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return {};
    DbfHandle table = openQuietly(file);
    if (!table)
        return {};
    const std::vector<FieldLayout> fields = fieldLayouts(*table);
    std::vector<std::string> names;
    for (const auto& field : fields)
        names.push_back(field.name);

    std::vector<std::vector<std::string>> records;
    const int present = recordsPresent(*table, file);
    for (int r = 0; r < present; ++r) {
        const char* raw = DBFReadTuple(table.get(), r);
        if (raw == nullptr)
            break;
        if (raw[0] == '*') // deleted
            continue;
        std::vector<std::string> texts;
        texts.reserve(fields.size());
        for (const auto& field : fields)
            texts.push_back(
                fieldText(field.type, std::string_view(raw + field.offset, field.width)));
        records.push_back(std::move(texts));
    }
    return TableView(std::move(names), std::move(records));
}

std::optional<std::size_t> TableView::columnOf(std::string_view name) const {
    for (std::size_t i = 0; i < fieldNames_.size(); ++i)
        if (sameIgnoringCase(fieldNames_[i], name))
            return i;
    return std::nullopt;
}

std::string TableView::field(std::string_view name) const {
    if (atEnd())
        return {};
    const auto column = columnOf(name);
    if (!column || *column >= records_[current_].size())
        return {};
    return records_[current_][*column];
}

std::optional<std::string> tableDamage(const std::filesystem::path& file) {
    const DbfHandle table = openQuietly(file);
    if (!table)
        return "it is not an xBase table";
    const int fields = DBFGetFieldCount(table.get());
    if (fields < 1)
        return "it has no fields";
    if (recordsPresent(*table, file) < table->nRecords)
        return "it is cut short: its header counts " + std::to_string(table->nRecords) + " records";
    if (fieldLayouts(*table).size() != std::size_t(fields))
        return "its fields do not fit in its records";
    return std::nullopt;
}

} // namespace tallowmere
