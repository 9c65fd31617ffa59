#include "reports/SummaryReport.h"

#include "model/MakerLines.h"
#include "text/Dates.h"
#include "text/Numbers.h"
#include "text/Texts.h"

namespace tallowmere {
namespace {

constexpr const char* lineEnd = "\r\n";
// Table rows of a report end with one more CR before the line end.
constexpr const char* rowEnd = "\r\r\n";

// How wide each column of the grid prints; 0 for the separators.
std::size_t printedWidth(int column) {
    if (column <= 4 || (column >= 6 && column <= 9))
        return 4;
    if (column >= 11 && column <= 13)
        return 8;
    if (column >= 15 && column <= 19)
        return 9;
    if (column >= 22 && column <= 24)
        return 10;
    if (column >= 26 && column <= 28)
        return 11;
    return 0;
}

std::string dashes() {
    return std::string(162, '-') + lineEnd;
}

std::vector<std::string> gridRow(const Grid& grid, int row) {
    std::vector<std::string> cells;
    for (int column = 0; column <= 28; ++column)
        cells.push_back(grid.text(row, column));
    return cells;
}

} // namespace

std::string summaryRowText(const std::vector<std::string>& cells) {
    std::string line = text::rightAligned(cells[0], 7);
    for (int column = 1; column <= 28; ++column) {
        const std::size_t width = printedWidth(column);
        const std::string& cell = cells[column];
        line +=
            text::numberOf(cell) > 0 ? text::rightAligned(cell, width) : std::string(width, ' ');
    }
    return line;
}

std::optional<std::array<int, 3>> reportDateOf(std::string_view raceDate) {
    const auto field = [raceDate](std::size_t from, std::size_t length) {
        return text::strictWhole(from < raceDate.size() ? raceDate.substr(from, length) : "");
    };
    const auto year = field(0, 4), month = field(4, 2), day = field(6, 2);
    if (!year || !month || !day || !text::isCalendarDate(*year, *month, *day))
        return std::nullopt;
    return std::array<int, 3>{*year, *month, *day};
}

std::string summaryReportText(const Grid& grid, const CardSummary& summary, std::string_view track,
                              const std::optional<std::string>& shortDate) {
    std::string report = std::string("TALLOWMERE Selections") + lineEnd + maker::ownershipLine +
                         lineEnd + maker::webLine + lineEnd + maker::emailLine + lineEnd;
    report += std::string(track) + lineEnd;
    if (shortDate)
        report += *shortDate + lineEnd;
    report += lineEnd + dashes() + "         Selections        Results" + lineEnd +
              "         S1  S2  S3  S4    R1  R2  R3  R4     Win   Place    Show     E1/2     "
              "E1-2   E1/2-3   E1-2-3 E1-2-3-4    T1/2-3  T1/2-3-4    T1-2-3   S1/2-3-4   "
              "S2/1-3-4   S1-2-3-4" +
              lineEnd + dashes() + rowEnd;
    for (int race = 1; race <= static_cast<int>(summary.races.size()) && race < grid.rows(); ++race)
        report += summaryRowText(gridRow(grid, race)) + rowEnd;
    report += dashes() + std::string(7, ' ') + summaryRowText(summary.totalsRow) + rowEnd +
              dashes() + rowEnd + summaryRowText(gridRow(grid, 22)) + rowEnd + dashes();
    return report;
}

} // namespace tallowmere
