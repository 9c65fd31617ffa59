#include "app/ReplayRows.h"

#include "analysis/CsvCells.h"
#include "reports/ProfileColumns.h"
#include "text/Texts.h"
#include "text/Windows1252.h"

namespace tallowmere {
namespace {

std::vector<std::string> headerRow() {
    std::vector<std::string> header = {"Card"};
    for (std::size_t c = 1; c < profile::headers.size(); ++c)
        header.push_back(profile::headers[c]);
    header.push_back("Folder");
    header.push_back("Skipped");
    return header;
}

std::vector<std::string> cardRow(const ReplayOutcome& outcome) {
    std::vector<std::string> row;
    for (const auto& [first, width] : profile::fields) {
        if (!outcome.archiveLine) {
            row.emplace_back();
            continue;
        }
        const auto field =
            text::utf8FromWindows1252(text::columnsOf(*outcome.archiveLine, first, width));
        // The first field names the card.
        row.push_back(row.empty() ? analysis::csvName(field) : analysis::csvCell(field));
    }
    row.push_back(analysis::csvName(text::utf8FromWindows1252(outcome.subfolder)));
    row.push_back(analysis::csvName(text::utf8FromWindows1252(outcome.skipReason)));
    return row;
}

} // namespace

std::vector<std::vector<std::string>> replayRows(const std::vector<ReplayOutcome>& outcomes) {
    std::vector<std::vector<std::string>> rows = {headerRow()};
    for (const auto& outcome : outcomes)
        rows.push_back(cardRow(outcome));
    return rows;
}

} // namespace tallowmere
