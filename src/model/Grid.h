#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
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

// Rows of text cells in one style per column, kept as one text with where each
// cell ends: what a grid of many thousand rows costs when only its texts vary.
class GridTextRows {
  public:
    explicit GridTextRows(std::vector<GridCell> columnStyles);

    int columns() const { return static_cast<int>(columnStyles_.size()); }
    int rows() const { return columns() ? static_cast<int>(cellEnds_.size()) / columns() : 0; }
    // Room for `rows` rows of `textSize` characters in all.
    void reserve(std::size_t rows, std::size_t textSize);
    // The next cell, filling rows left to right.
    void addCell(std::string_view text);
    // Rows of empty cells.
    void addEmptyRows(int count);

    std::string_view text(int row, int column) const;
    GridCell cell(int row, int column) const;

  private:
    std::vector<GridCell> columnStyles_;
    std::string texts_;
    std::vector<std::uint32_t> cellEnds_;
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

    // The rows from `firstRow` on become `rows`, as far as the grid has
    // room; a row after them reads as empty. A cell of them read through the
    // const `cell` is made then and kept, so that a few shown cells cost a
    // few; a change to any of them stores them all as cells first.
    void setTextRows(int firstRow, GridTextRows rows);

    bool visible = true;
    int top = 0, left = 0, width = 0, height = 0;
    int fontSize = 8;
    std::string fontName = "MS Sans Serif";

  private:
    int rows_;
    int columns_;
    const GridCell* storedCell(int row, int column) const;
    bool inTextRows(int row) const;
    void storeTextRowsAsCells();

    std::vector<GridCell> cells_; // row by row, up to the last row changed
    // Rows from textRowsFirst_ on, when set; cells_ stops before them.
    int textRowsFirst_ = 0;
    std::optional<GridTextRows> textRows_;
    mutable std::unordered_map<std::size_t, GridCell> textRowCellsRead_;
    std::vector<int> columnWidths_;
    std::vector<int> rowHeights_;
};

// The last row with text in any cell; 0 when no row after the headings has any.
int lastRowWithText(const Grid& grid);

} // namespace tallowmere
