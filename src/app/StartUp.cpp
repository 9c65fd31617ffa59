#include "app/AppCommands.h"
#include "card/DataRoot.h"

#include <array>
#include <system_error>

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

void layOutPastPerformanceGrid(Grid& grid) {
    for (int c = 0; c < static_cast<int>(pastPerformanceColumns.size()); ++c) {
        grid.setText(0, c, pastPerformanceColumns[c].header);
        grid.setColumnWidth(c, pastPerformanceColumns[c].width);
    }
}

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

void makeCardFolders(const std::filesystem::path& root) {
    for (std::string_view name : cardFolderNames) {
        std::error_code error;
        std::filesystem::create_directories(root / name, error);
    }
}

} // namespace

void Form_Load(Form1& form) {
    makeCardFolders(form.DataRoot);
    form.Frame6.top = 9900;
    form.Frame6.left = 1550;
    form.Label18.top = 10100;
    form.menus.MainScreen.visible = false;
    form.menus.Print2.visible = false;
    form.platform.setFilesHidden(DataRoot{form.DataRoot}.trackMasterFolder(), trackMasterFileList(),
                                 false);
    layOutPastPerformanceGrid(form.MSFlexGrid1);
    layOutCardSummaryGrid(form.MSFlexGrid2);
    form.Command1.backColor = lightGrey;
    form.Frame7.top = 8200;
    form.Image2.top = 8500;
    form.Frame1.visible = false;
    form.Frame2.visible = false;
    form.Frame3.visible = false;
    for (int i = 1; i <= 4; ++i) {
        form.setText39(i, "");
        form.setText39Top(i, 8300);
    }
    for (int i = 5; i <= 8; ++i)
        form.setText39Top(i, 9000);
    form.Label12.top = 8300;
    form.Label16.top = 9000;
    form.Window.width = 17400;
}

} // namespace tallowmere
