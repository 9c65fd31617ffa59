#include "results/Archive.h"

#include "card/CardFileNames.h"
#include "text/Numbers.h"
#include "text/TextFiles.h"
#include "text/Texts.h"

#include <cmath>

namespace tallowmere {
namespace {

std::string cellOf(const std::vector<std::string>& row, int column) {
    return column < static_cast<int>(row.size()) ? row[column] : std::string{};
}

} // namespace

std::int16_t counterOf(std::string_view cell) {
    const auto value = text::strictNumber(cell);
    if (!value || std::trunc(*value) != *value)
        return 0;
    return text::wholeNumber(*value).value_or(0);
}

std::string archiveLine(std::string_view stem, int raceCount,
                        const std::vector<std::string>& totalsRow) {
    std::string line = std::string(stem) + text::rightAligned(std::to_string(raceCount), 3);
    for (int column = 1; column <= 4; ++column)
        line += text::rightAligned(std::to_string(counterOf(cellOf(totalsRow, column))), 5);
    for (int column : {11, 12, 13, 15, 16, 17, 18, 19, 22, 23, 24})
        line += text::rightAligned(cellOf(totalsRow, column), 9);
    for (int column : {26, 27, 28})
        line += text::rightAligned(cellOf(totalsRow, column), 10);
    return line;
}

std::optional<std::string> appendArchiveLine(const std::filesystem::path& archive,
                                             std::string_view line) {
    const auto held = text::readWholeFile(archive);
    const bool endsOpen = held && !held->empty() && held->back() != '\n' && held->back() != '\r';
    return text::appendToFile(archive, (endsOpen ? "\r\n" : "") + std::string(line) + "\r\n");
}

void Command4_Click(Form1& form) {
    if (form.Command4.enabled)
        form.Command4.enabled = false;
    std::vector<std::string> totalsRow;
    for (int column = 0; column < form.MSFlexGrid2.columns(); ++column)
        totalsRow.push_back(form.MSFlexGrid2.text(21, column));
    for (int k = 1; k <= 4; ++k)
        form.SelectionWins.set(k, counterOf(cellOf(totalsRow, k)));
    const std::filesystem::path archive = form.WorkFolder / "TBA.ini";
    const std::string line =
        archiveLine(cardStem(form.ActiveCardFile), form.Card.RaceCount, totalsRow);
    if (const auto reason = appendArchiveLine(archive, line))
        form.platform.showMessage(
            {"Tallowmere TB",
             "The archive could not be written to " + archive.string() + ": " + *reason,
             MessageButtons::Ok, MessageIcon::Exclamation});
}

} // namespace tallowmere
