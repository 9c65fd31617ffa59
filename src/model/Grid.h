#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tallowmere {

struct Rgb {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb lightGrey{192, 192, 192};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb white{255, 255, 255};

enum class CellAlignment { Default, Left, Centre, Right };

struct GridCell {
    std::string text;
    bool bold = false;
    int fontSize = 0; // 0: the grid's own size
    std::optional<Rgb> backColor;
    std::optional<Rgb> foreColor;
    CellAlignment alignment = CellAlignment::Default;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// A grid of text cells with a style per cell, column widths and row heights in
// twips. A cell outside the grid is neither stored nor read. Rows are stored
// only up to the last one a cell was changed in, so a grid of many rows costs
// what is shown in it; a row never changed reads as empty cells.
class Grid {
  public:
    Grid(int rows, int columns);

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    // Rows added come empty; rows removed lose their cells. A negative count is ignored.
    void setRows(int rows);
    void setColumns(int columns);

    bool contains(int row, int column) const;
    const GridCell* cell(int row, int column) const;
    GridCell* cell(int row, int column);
    std::string text(int row, int column) const;
    bool setText(int row, int column, std::string text);

    int columnWidth(int column) const;
    void setColumnWidth(int column, int twips);
    int rowHeight(int row) const;
    void setRowHeight(int row, int twips);

    // Empties every cell's text and style; rows, columns and sizes stay.
    void clear();

    bool visible = true;
    int top = 0, left = 0, width = 0, height = 0;
    int fontSize = 8;
    std::string fontName = "MS Sans Serif";

  private:
    int rows_;
    int columns_;
    const GridCell* storedCell(int row, int column) const;

    std::vector<GridCell> cells_; // row by row, up to the last row changed
    std::vector<int> columnWidths_;
    std::vector<int> rowHeights_;
};

} // namespace tallowmere
