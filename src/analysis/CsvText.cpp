#include "analysis/CsvText.h"

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

} // namespace tallowmere::analysis
