#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tallowmere::cardgen {

struct FieldSpec {
    std::string name;
    char type; // 'C', 'N' or 'D'
    int width;
    int decimals = 0;
};

struct TableRecord {
    std::vector<std::string> values; // in field order; missing values are blank
    bool deleted = false;
};

// Writes a dBase III table: character values left-aligned, numbers
// right-aligned, each padded (or cut) to its field's width. Returns false when
// the file cannot be written.
bool writeTable(const std::filesystem::path& file, const std::vector<FieldSpec>& fields,
                const std::vector<TableRecord>& records);

} // namespace tallowmere::cardgen
