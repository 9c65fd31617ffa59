#include "analysis/CsvText.h"

#include "text/Windows1252.h"

namespace tallowmere::analysis {
namespace {

std::string csvField(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (const char c : field)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

bool rowHoldsText(const Grid& grid, int row) {
    for (int c = 0; c < grid.columns(); ++c)
        if (!grid.text(row, c).empty())
            return true;
    return false;
}

} // namespace

std::string csvText(const std::vector<std::vector<std::string>>& rows) {
    std::string csv;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            csv += (i ? "," : "") + csvField(row[i]);
        csv += "\r\n";
    }
    return csv;
}

std::vector<std::vector<std::string>> gridRows(const Grid& grid) {
    int last = grid.rows() - 1;
    while (last > 0 && !rowHoldsText(grid, last))
        --last;
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r <= last && r < grid.rows(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < grid.columns(); ++c)
            row.push_back(text::utf8FromWindows1252(grid.text(r, c)));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace tallowmere::analysis
