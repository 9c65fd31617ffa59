#include "analysis/ExportTables.h"

#include "analysis/CsvCells.h"
#include "text/Texts.h"
#include "text/Windows1252.h"

#include <algorithm>

namespace tallowmere::analysis {
namespace {

constexpr int summaryLastRaceRow = 20;
constexpr int summaryTotalsRow = 21;
constexpr int summaryPercentRow = 22;
constexpr int profileRoiRow = 7;
constexpr int profileCountRow = 9;
constexpr int profilePercentRow = 10;
constexpr int profileFirstCardRow = 11;

struct TableRow {
    int row;
    std::string name; // empty: the grid's own label
    bool percent = false;
};

std::string cellOf(const Grid& grid, int row, int column, bool percent) {
    return csvCell(text::utf8FromWindows1252(grid.text(row, column)), percent);
}

std::string nameOf(const Grid& grid, int row, int column) {
    return csvName(text::utf8FromWindows1252(grid.text(row, column)));
}

std::vector<int> namedColumns(const Grid& grid) {
    std::vector<int> columns;
    for (int c = 1; c < grid.columns(); ++c)
        if (!text::trimmed(grid.text(0, c)).empty())
            columns.push_back(c);
    return columns;
}

Table tableOf(const Grid& grid, const std::string& firstName, const std::vector<TableRow>& rows) {
    const auto columns = namedColumns(grid);
    Table table(1, {firstName});
    for (const int c : columns)
        table[0].push_back(nameOf(grid, 0, c));
    for (const auto& [row, name, percent] : rows) {
        std::vector<std::string> cells = {name.empty() ? nameOf(grid, row, 0) : name};
        for (const int c : columns)
            cells.push_back(cellOf(grid, row, c, percent));
        table.push_back(std::move(cells));
    }
    return table;
}

} // namespace

Table summaryTable(const Grid& grid, std::size_t raceCount) {
    std::vector<TableRow> rows;
    const int races = static_cast<int>(std::min<std::size_t>(raceCount, summaryLastRaceRow));
    for (int race = 1; race <= races; ++race)
        rows.push_back({race, std::to_string(race)});
    rows.push_back({summaryTotalsRow, "Total"});
    rows.push_back({summaryPercentRow, "Hit %", true});
    return tableOf(grid, "Race", rows);
}

Table profileTable(const Grid& grid, std::size_t cardCount) {
    std::vector<TableRow> rows;
    for (int row = 3; row < profileRoiRow; ++row)
        rows.push_back({row, ""});
    rows.push_back({profileRoiRow, "ROI %", true});
    rows.push_back({profileCountRow, ""});
    rows.push_back({profilePercentRow, "Hit %", true});
    for (int card = 0; card < static_cast<int>(cardCount); ++card)
        rows.push_back({profileFirstCardRow + card, ""});
    return tableOf(grid, "Card", rows);
}

} // namespace tallowmere::analysis
