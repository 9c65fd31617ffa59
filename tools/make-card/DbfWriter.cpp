#include "DbfWriter.h"

#include <memory>
#include <shapefil.h>

namespace tallowmere::cardgen {
namespace {

struct DbfCloser {
    void operator()(DBFInfo* handle) const { DBFClose(handle); }
};

std::string padded(const FieldSpec& field, const std::string& value) {
    std::string cut = value.substr(0, static_cast<std::size_t>(field.width));
    const std::string blanks(field.width - cut.size(), ' ');
    return field.type == 'N' ? blanks + cut : cut + blanks;
}

bool writeRecords(const std::filesystem::path& file, const std::vector<FieldSpec>& fields,
                  const std::vector<TableRecord>& records) {
    std::unique_ptr<DBFInfo, DbfCloser> table(DBFCreate(file.c_str()));
    if (!table)
        return false;
    for (const auto& field : fields)
        if (DBFAddNativeFieldType(table.get(), field.name.c_str(), field.type, field.width,
                                  field.decimals) < 0)
            return false;
    for (int r = 0; r < static_cast<int>(records.size()); ++r) {
        const auto& record = records[r];
        for (int f = 0; f < static_cast<int>(fields.size()); ++f) {
            std::string value = padded(
                fields[f], f < static_cast<int>(record.values.size()) ? record.values[f] : "");
            if (!DBFWriteAttributeDirectly(table.get(), r, f, value.data()))
                return false;
        }
        if (record.deleted && !DBFMarkRecordDeleted(table.get(), r, 1))
            return false;
    }
    return true;
}

} // namespace

bool writeTable(const std::filesystem::path& file, const std::vector<FieldSpec>& fields,
                const std::vector<TableRecord>& records) {
    // The library always names its file .dbf; TrackMaster's are .DBF.
    std::filesystem::path written = file;
    written.replace_extension(".dbf");
    if (!writeRecords(written, fields, records))
        return false;
    std::error_code error;
    if (written != file)
        std::filesystem::rename(written, file, error);
    return !error;
}

} // namespace tallowmere::cardgen
