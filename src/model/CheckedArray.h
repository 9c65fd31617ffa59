#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

namespace tallowmere {

// A fixed-size array with stated bounds, as the card keeps its values: a store
// outside the bounds is ignored (and says so), a read outside gives nothing.
template <typename T, int Low, int High> class CheckedArray {
    static_assert(Low <= High);

  public:
    static constexpr int low = Low;
    static constexpr int high = High;

    CheckedArray() : cells_(High - Low + 1) {}

    static constexpr bool contains(int index) { return index >= Low && index <= High; }

    std::optional<T> at(int index) const {
        if (!contains(index))
            return std::nullopt;
        return cells_[index - Low];
    }

    // The value, or T{} outside the bounds.
    T valueAt(int index) const { return contains(index) ? cells_[index - Low] : T{}; }

    // The element itself for changing it in place, or nullptr outside the bounds.
    T* find(int index) { return contains(index) ? &cells_[index - Low] : nullptr; }
    const T* find(int index) const { return contains(index) ? &cells_[index - Low] : nullptr; }

    bool set(int index, T value) {
        if (!contains(index))
            return false;
        cells_[index - Low] = std::move(value);
        return true;
    }

    friend bool operator==(const CheckedArray&, const CheckedArray&) = default;

  private:
    std::vector<T> cells_;
};

// Two dimensions, each with its own bounds. Rows are stored only up to the
// last one written, so an array costs what a card puts in it, not its bounds;
// a slot never written reads as T{}.
template <typename T, int RowLow, int RowHigh, int ColumnLow, int ColumnHigh> class CheckedArray2D {
    static_assert(RowLow <= RowHigh && ColumnLow <= ColumnHigh);
    static constexpr int width = ColumnHigh - ColumnLow + 1;

  public:
    static constexpr int rowLow = RowLow;
    static constexpr int rowHigh = RowHigh;
    static constexpr int columnLow = ColumnLow;
    static constexpr int columnHigh = ColumnHigh;

    static constexpr bool contains(int row, int column) {
        return row >= RowLow && row <= RowHigh && column >= ColumnLow && column <= ColumnHigh;
    }

    std::optional<T> at(int row, int column) const {
        if (!contains(row, column))
            return std::nullopt;
        return stored(offset(row, column));
    }

    T valueAt(int row, int column) const {
        return contains(row, column) ? stored(offset(row, column)) : T{};
    }

    bool set(int row, int column, T value) {
        if (!contains(row, column))
            return false;
        if (offset(row, column) >= cells_.size())
            growTo(row);
        cells_[offset(row, column)] = std::move(value);
        return true;
    }

    friend bool operator==(const CheckedArray2D& a, const CheckedArray2D& b) {
        for (std::size_t i = 0; i < std::max(a.cells_.size(), b.cells_.size()); ++i)
            if (a.stored(i) != b.stored(i))
                return false;
        return true;
    }

  private:
    static constexpr std::size_t offset(int row, int column) {
        return std::size_t(row - RowLow) * width + std::size_t(column - ColumnLow);
    }
    // Room for every row is reserved at the first write, so that rows never
    // move as more are written; memory never written costs nothing.
    void growTo(int row) {
        if (cells_.empty())
            cells_.reserve(std::size_t(RowHigh - RowLow + 1) * width);
        cells_.resize(std::size_t(row - RowLow + 1) * width);
    }
    const T& stored(std::size_t offset) const {
        static const T unwritten{};
        return offset < cells_.size() ? cells_[offset] : unwritten;
    }
    std::vector<T> cells_; // row by row, from RowLow to the last row written
};

} // namespace tallowmere
