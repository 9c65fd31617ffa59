#include "model/Grid.h"

#include <algorithm>

namespace tallowmere {
namespace {
constexpr int defaultColumnWidth = 1000;
constexpr int defaultRowHeight = 240;
} // namespace

GridTextRows::GridTextRows(std::vector<GridCell> columnStyles)
    : columnStyles_(std::move(columnStyles)) {}

void GridTextRows::reserve(std::size_t rows, std::size_t textSize) {
    cellEnds_.reserve(rows * columnStyles_.size());
    texts_.reserve(textSize);
}

void GridTextRows::addCell(std::string_view text) {
    texts_.append(text);
    cellEnds_.push_back(static_cast<std::uint32_t>(texts_.size()));
}

void GridTextRows::addEmptyRows(int count) {
    cellEnds_.insert(cellEnds_.end(), std::size_t(count) * columnStyles_.size(),
                     static_cast<std::uint32_t>(texts_.size()));
}

std::string_view GridTextRows::text(int row, int column) const {
    const std::size_t at = std::size_t(row) * columnStyles_.size() + column;
    const std::uint32_t start = at == 0 ? 0 : cellEnds_[at - 1];
    return std::string_view(texts_).substr(start, cellEnds_[at] - start);
}

GridCell GridTextRows::cell(int row, int column) const {
    GridCell made = columnStyles_[column];
    made.text = text(row, column);
    return made;
}

Grid::Grid(int rows, int columns)
    : rows_(rows), columns_(columns), columnWidths_(columns, defaultColumnWidth),
      rowHeights_(rows, defaultRowHeight) {}

void Grid::setRows(int rows) {
    if (rows < 0)
        return;
    storeTextRowsAsCells();
    if (cells_.size() > std::size_t(rows) * columns_)
        cells_.resize(std::size_t(rows) * columns_);
    rowHeights_.resize(rows, defaultRowHeight);
    rows_ = rows;
}

void Grid::setColumns(int columns) {
    if (columns < 0)
        return;
    storeTextRowsAsCells();
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

bool Grid::inTextRows(int row) const {
    return textRows_ && row >= textRowsFirst_ && row - textRowsFirst_ < textRows_->rows();
}

const GridCell* Grid::storedCell(int row, int column) const {
    if (inTextRows(row)) {
        const std::size_t at = std::size_t(row) * columns_ + column;
        auto made = textRowCellsRead_.find(at);
        if (made == textRowCellsRead_.end())
            made =
                textRowCellsRead_.emplace(at, textRows_->cell(row - textRowsFirst_, column)).first;
        return &made->second;
    }
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
    if (textRows_ && row >= textRowsFirst_)
        storeTextRowsAsCells();
    if (std::size_t(row) * columns_ + column >= cells_.size()) {
        // Room for every row, so that rows move at most once as more are
        // changed; memory never written costs nothing.
        cells_.reserve(std::size_t(rows_) * columns_);
        cells_.resize(std::size_t(row + 1) * columns_);
    }
    return &cells_[std::size_t(row) * columns_ + column];
}

std::string Grid::text(int row, int column) const {
    if (contains(row, column) && inTextRows(row))
        return std::string(textRows_->text(row - textRowsFirst_, column));
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
    textRows_.reset();
    textRowCellsRead_.clear();
}

void Grid::setTextRows(int firstRow, GridTextRows rows) {
    storeTextRowsAsCells();
    if (firstRow < 0 || firstRow >= rows_ || rows.columns() != columns_)
        return;
    cells_.resize(std::min(cells_.size(), std::size_t(firstRow) * columns_));
    textRowsFirst_ = firstRow;
    textRows_ = std::move(rows);
}

void Grid::storeTextRowsAsCells() {
    if (!textRows_)
        return;
    const int last = std::min(rows_, textRowsFirst_ + textRows_->rows());
    cells_.reserve(std::size_t(rows_) * columns_);
    cells_.resize(std::size_t(textRowsFirst_) * columns_);
    for (int r = textRowsFirst_; r < last; ++r)
        for (int c = 0; c < columns_; ++c)
            cells_.push_back(textRows_->cell(r - textRowsFirst_, c));
    textRows_.reset();
    textRowCellsRead_.clear();
}

int lastRowWithText(const Grid& grid) {
    const auto holdsText = [&](int row) {
        for (int c = 0; c < grid.columns(); ++c)
            if (!grid.text(row, c).empty())
                return true;
        return false;
    };
    int last = grid.rows() - 1;
    while (last > 0 && !holdsText(last))
        --last;
    return std::max(last, 0);
}

} // namespace tallowmere
