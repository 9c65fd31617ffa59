#include "card/TableView.h"

#include "card/FieldText.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
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

// A file read in one go, which the library then reads from memory: one read
// of the disk instead of a seek and a read per record.
struct FileInMemory {
    std::string bytes;
    std::size_t position = 0;
};

FileInMemory& inMemory(SAFile file) {
    return *reinterpret_cast<FileInMemory*>(file);
}

// The library asks for NAME.dbf or NAME.DBF; the card may have any case.
SAFile openIgnoringCase(const char* filename, const char*) {
    const auto found = findIgnoringCase(filename);
    auto bytes = found ? text::readWholeFile(*found) : std::nullopt;
    if (!bytes)
        return nullptr;
    return reinterpret_cast<SAFile>(new FileInMemory{std::move(*bytes)});
}

SAOffset readFromMemory(void* to, SAOffset size, SAOffset count, SAFile file) {
    FileInMemory& from = inMemory(file);
    const std::size_t left = from.bytes.size() - std::min(from.position, from.bytes.size());
    const SAOffset whole = size == 0 ? 0 : std::min<SAOffset>(count, left / size);
    if (whole > 0) {
        std::memcpy(to, from.bytes.data() + from.position, whole * size);
        from.position += whole * size;
    }
    return whole;
}

SAOffset writeNothing(void*, SAOffset, SAOffset, SAFile) {
    return 0;
}

SAOffset seekInMemory(SAFile file, SAOffset offset, int whence) {
    FileInMemory& in = inMemory(file);
    const std::size_t from = whence == SEEK_CUR   ? in.position
                             : whence == SEEK_END ? in.bytes.size()
                                                  : 0;
    in.position = from + offset;
    return 0;
}

SAOffset tellInMemory(SAFile file) {
    return inMemory(file).position;
}

int flushNothing(SAFile) {
    return 0;
}

int closeInMemory(SAFile file) {
    delete &inMemory(file);
    return 0;
}

DbfHandle openQuietly(const std::filesystem::path& file) {
    SAHooks hooks;
    SASetupDefaultHooks(&hooks);
    hooks.FOpen = openIgnoringCase;
    hooks.FRead = readFromMemory;
    hooks.FWrite = writeNothing;
    hooks.FSeek = seekInMemory;
    hooks.FTell = tellInMemory;
    hooks.FFlush = flushNothing;
    hooks.FClose = closeInMemory;
    hooks.Error = ignoreError; // a bad file is an empty table, not a message
    return DbfHandle(DBFOpenLL(file.c_str(), "rb", &hooks));
}

const std::string& bytesOf(const DBFInfo& table) {
    return inMemory(table.fp).bytes;
}

// Records the file really holds, whatever its header claims.
int recordsPresent(const DBFInfo& table) {
    const std::size_t size = bytesOf(table).size();
    if (table.nRecordLength <= 0 || size <= std::size_t(table.nHeaderLength))
        return 0;
    const std::size_t fit = (size - table.nHeaderLength) / std::size_t(table.nRecordLength);
    return static_cast<int>(std::min(fit, std::size_t(std::max(table.nRecords, 0))));
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
    : fieldNames_(std::move(fieldNames)) {
    std::size_t recordLength = 1; // the deletion flag
    for (std::size_t c = 0; c < fieldNames_.size(); ++c) {
        std::size_t width = 0;
        for (const auto& record : records)
            if (c < record.size())
                width = std::max(width, record[c].size());
        fieldPlaces_.push_back({'C', recordLength, width});
        recordLength += width;
    }
    for (const auto& record : records) {
        records_.push_back(bytes_.size());
        std::string bytes(recordLength, ' ');
        for (std::size_t c = 0; c < fieldPlaces_.size() && c < record.size(); ++c)
            bytes.replace(fieldPlaces_[c].offset, record[c].size(), record[c]);
        bytes_ += bytes;
    }
}

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
    TableView view;
    for (const auto& field : fieldLayouts(*table)) {
        view.fieldNames_.push_back(field.name);
        view.fieldPlaces_.push_back(
            {field.type, std::size_t(field.offset), std::size_t(field.width)});
    }
    const int present = recordsPresent(*table);
    for (int r = 0; r < present; ++r) {
        const std::size_t start =
            std::size_t(table->nHeaderLength) + std::size_t(r) * table->nRecordLength;
        if (bytesOf(*table)[start] != '*') // deleted
            view.records_.push_back(start);
    }
    view.bytes_ = std::move(inMemory(table->fp).bytes);
    return view;
}

std::optional<std::size_t> TableView::columnOf(std::string_view name) const {
    for (std::size_t i = 0; i < fieldNames_.size(); ++i)
        if (sameIgnoringCase(fieldNames_[i], name))
            return i;
    return std::nullopt;
}

std::string TableView::field(std::string_view name) const {
    return field(columnOf(name));
}

std::string TableView::field(std::optional<std::size_t> column) const {
    if (atEnd() || !column || *column >= fieldPlaces_.size())
        return {};
    const FieldPlace& place = fieldPlaces_[*column];
    return fieldText(place.type, std::string_view(bytes_).substr(records_[current_] + place.offset,
                                                                 place.width));
}

std::optional<std::string> tableDamage(const std::filesystem::path& file) {
    const DbfHandle table = openQuietly(file);
    if (!table)
        return "it is not an xBase table";
    const int fields = DBFGetFieldCount(table.get());
    if (fields < 1)
        return "it has no fields";
    if (recordsPresent(*table) < table->nRecords)
        return "it is cut short: its header counts " + std::to_string(table->nRecords) + " records";
    if (fieldLayouts(*table).size() != std::size_t(fields))
        return "its fields do not fit in its records";
    return std::nullopt;
}

} // namespace tallowmere
