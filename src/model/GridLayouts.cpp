#include "model/GridLayouts.h"

#include <array>
#include <string>

namespace tallowmere {
namespace {

struct ColumnHead {
    const char* header;
    int width;
};

constexpr std::array<ColumnHead, 24> pastPerformanceColumns = {{
    {"", 3400},   {"Date", 1500}, {"Track", 600}, {"Cd", 300},      {"D&S", 500},   {"T1", 400},
    {"T2", 400},  {"T3", 500},    {"Fin", 500},   {"NWR", 1200},    {"Class", 950}, {"CR", 350},
    {"SF", 350},  {"PP", 350},    {"GB", 350},    {"L1", 600},      {"L2", 600},    {"LS", 600},
    {"FIN", 500}, {"", 0},        {"Wt", 400},    {"Jockey", 1300}, {"Odds", 600},  {"PR", 450},
}};

// Column c of the card summary: its header and width; blank separators between groups.
ColumnHead summaryColumn(int c) {
    static constexpr std::array<const char*, 29> headers = {
        "",        "S1",      "S2",        "S3",        "S4",       "",     "R1",      "R2",
        "R3",      "R4",      "",          "Win",       "Place",    "Show", "",        "E 1/2",
        "E 1-2",   "E 1/2-3", "E 1-2-3",   "E 1-2-3-4", "",         "",     "T 1/2-3", "T 1/2-3-4",
        "T 1-2-3", "",        "S 1/2-3-4", "S 2/1-3-4", "S 1-2-3-4"};
    int width = 1000;
    if (c <= 4)
        width = 450;
    else if (c == 5 || c == 10 || c == 14 || c == 20 || c == 25)
        width = 10;
    else if (c <= 9)
        width = 400;
    else if (c <= 13)
        width = 800;
    else if (c == 21)
        width = 5;
    return {headers[c], width};
}

} // namespace

void layOutPastPerformanceGrid(Grid& grid) {
    for (int c = 0; c < static_cast<int>(pastPerformanceColumns.size()); ++c) {
        grid.setText(0, c, pastPerformanceColumns[c].header);
        grid.setColumnWidth(c, pastPerformanceColumns[c].width);
    }
}

void layOutCardSummaryGrid(Grid& grid) {
    for (int r = 1; r <= 20; ++r)
        grid.setText(r, 0, "Race " + std::to_string(r));
    grid.setText(22, 0, "PCT");
    for (int r = 0; r <= 30; ++r)
        grid.setRowHeight(r, 300);
    for (int r = 1; r <= 40; ++r)
        for (int c = 0; c < grid.columns(); ++c)
            if (GridCell* cell = grid.cell(r, c))
                cell->alignment = CellAlignment::Right;
    for (int c = 1; c <= 28; ++c) {
        const ColumnHead head = summaryColumn(c);
        grid.setText(0, c, head.header);
        grid.setColumnWidth(c, head.width);
    }
}

} // namespace tallowmere
