#include "chooser/TableCheck.h"

#include "card/TableView.h"

#include <cstdint>
#include <memory>
#include <shapefil.h>
#include <system_error>

namespace tallowmere::chooser {
namespace {

struct DbfCloser {
    void operator()(DBFInfo* handle) const { DBFClose(handle); }
};

void ignoreError(const char*) {}

} // namespace

std::optional<std::string> tableDamage(const std::filesystem::path& file) {
    SAHooks hooks;
    SASetupDefaultHooks(&hooks);
    hooks.Error = ignoreError; // the reason is given to the user once, below
    const std::unique_ptr<DBFInfo, DbfCloser> table(DBFOpenLL(file.c_str(), "rb", &hooks));
    if (!table)
        return "it is not an xBase table";
    const int fields = DBFGetFieldCount(table.get());
    if (fields < 1)
        return "it has no fields";
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    const std::uintmax_t needed =
        std::uintmax_t(table->nHeaderLength) +
        std::uintmax_t(table->nRecords) * std::uintmax_t(table->nRecordLength);
    if (error || size < needed)
        return "it is cut short: its header counts " + std::to_string(table->nRecords) + " records";
    // The reader stops at the first field that does not fit in the record.
    if (TableView::openFile(file).fieldNames().size() != std::size_t(fields))
        return "its fields do not fit in its records";
    return std::nullopt;
}

} // namespace tallowmere::chooser
