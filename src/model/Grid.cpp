#include "model/Grid.h"

namespace tallowmere {
namespace {
constexpr int defaultColumnWidth = 1000;
constexpr int defaultRowHeight = 240;
} // namespace

Grid::Grid(int rows, int columns)
    : rows_(rows), columns_(columns), columnWidths_(columns, defaultColumnWidth),
      rowHeights_(rows, defaultRowHeight) {}

void Grid::setRows(int rows) {
    if (rows < 0)
        return;
    if (cells_.size() > std::size_t(rows) * columns_)
        cells_.resize(std::size_t(rows) * columns_);
    rowHeights_.resize(rows, defaultRowHeight);
    rows_ = rows;
}

void Grid::setColumns(int columns) {
    if (columns < 0)
        return;
    const int storedRows = columns_ > 0 ? int(cells_.size() / columns_) : 0;
    std::vector<GridCell> cells(std::size_t(storedRows) * columns);
    for (int r = 0; r < storedRows; ++r)
        for (int c = 0; c < columns && c < columns_; ++c)
            cells[std::size_t(r) * columns + c] = std::move(cells_[std::size_t(r) * columns_ + c]);
    cells_ = std::move(cells);
    columnWidths_.resize(columns, defaultColumnWidth);
    columns_ = columns;
}

bool Grid::contains(int row, int column) const {
    return row >= 0 && row < rows_ && column >= 0 && column < columns_;
}

const GridCell* Grid::storedCell(int row, int column) const {
    static const GridCell unchanged;
    const std::size_t at = std::size_t(row) * columns_ + column;
    return at < cells_.size() ? &cells_[at] : &unchanged;
}

const GridCell* Grid::cell(int row, int column) const {
    return contains(row, column) ? storedCell(row, column) : nullptr;
}

GridCell* Grid::cell(int row, int column) {
    if (!contains(row, column))
        return nullptr;
    if (std::size_t(row) * columns_ + column >= cells_.size()) {
        // Room for every row, so that rows move at most once as more are
        // changed; memory never written costs nothing.
        cells_.reserve(std::size_t(rows_) * columns_);
        cells_.resize(std::size_t(row + 1) * columns_);
    }
    return &cells_[std::size_t(row) * columns_ + column];
}

std::string Grid::text(int row, int column) const {
    const GridCell* found = cell(row, column);
    return found ? found->text : std::string{};
}

bool Grid::setText(int row, int column, std::string text) {
    GridCell* found = cell(row, column);
    if (!found)
        return false;
    found->text = std::move(text);
    return true;
}

int Grid::columnWidth(int column) const {
    return column >= 0 && column < columns_ ? columnWidths_[column] : 0;
}

void Grid::setColumnWidth(int column, int twips) {
    if (column >= 0 && column < columns_)
        columnWidths_[column] = twips;
}

int Grid::rowHeight(int row) const {
    return row >= 0 && row < rows_ ? rowHeights_[row] : 0;
}

void Grid::setRowHeight(int row, int twips) {
    if (row >= 0 && row < rows_)
        rowHeights_[row] = twips;
}

void Grid::clear() {
    cells_.clear();
}

} // namespace tallowmere
