#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

// One xBase table as a bound text box shows it: a current record that moves
// first, last and next, and the text of a named field. Field names are matched
// without regard to case. A missing table is an empty one; a missing field,
// or a read past the last record, gives empty text. Bytes pass unchanged.
// The table keeps its records' bytes and makes a field's text when it is read.
class TableView {
  public:
    TableView() = default;
    // A table of the given texts, each kept as a character field: trailing
    // blanks drop, as they do from a table file.
    TableView(std::vector<std::string> fieldNames, std::vector<std::vector<std::string>> records);

    // The table file `tableName`.DBF of `folder`, its name matched without
    // regard to case.
    static TableView open(const std::filesystem::path& folder, std::string_view tableName);
    static TableView openFile(const std::filesystem::path& file);

    void moveFirst() { current_ = 0; }
    void moveLast() { current_ = records_.empty() ? 0 : records_.size() - 1; }
    void moveNext() {
        if (current_ < records_.size())
            ++current_;
    }
    bool atEnd() const { return current_ >= records_.size(); }

    std::string field(std::string_view name) const;

    // Where field `name` lies, found once for reading it from record after
    // record; nothing when the table has no such field.
    std::optional<std::size_t> columnOf(std::string_view name) const;
    // The text of the field at `column` of the current record.
    std::string field(std::optional<std::size_t> column) const;

    std::size_t recordCount() const { return records_.size(); }
    const std::vector<std::string>& fieldNames() const { return fieldNames_; }

  private:
    struct FieldPlace {
        char type;
        std::size_t offset; // from the start of the record
        std::size_t width;
    };

    std::vector<std::string> fieldNames_;
    std::vector<FieldPlace> fieldPlaces_; // one per name
    std::string bytes_;                   // the table file, read in one go
    std::vector<std::size_t> records_;    // where each record not deleted starts in bytes_
    std::size_t current_ = 0;
};

// Why `file` is not an xBase table that reads in full (no header, no fields,
// fewer records than its header counts, fields beyond the record); nothing
// when it is one. A card is checked with it before it replaces another.
std::optional<std::string> tableDamage(const std::filesystem::path& file);

} // namespace tallowmere
