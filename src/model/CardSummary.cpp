#include "model/CardSummary.h"

#include "text/Masks.h"

namespace tallowmere {

std::string summaryTotalText(int column, double total) {
    if (column <= 13)
        return text::formatNumber(total, "####.#0");
    return text::formatNumber(total, column <= 19 ? "#####.#0" : "######.#0");
}

std::vector<std::string> summaryTotalsRow(const CardSummary& summary) {
    std::vector<std::string> row(summary.totals.size());
    for (int k = 1; k <= 4; ++k)
        row[k] = std::to_string(summary.wins[k - 1]);
    for (int column : summaryTotalColumns)
        row[column] = summaryTotalText(column, summary.totals[column]);
    return row;
}

} // namespace tallowmere
