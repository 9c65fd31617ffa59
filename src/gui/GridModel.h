#pragma once

#include "model/Grid.h"

#include <QAbstractTableModel>
#include <QFont>
#include <vector>

namespace tallowmere::gui {

// A grid of the model as a table for QTableView: text, bold, font size,
// colours and alignment of each cell. Row 0 and column 0 are the grid's fixed
// headings, drawn on grey unless a cell has a colour of its own.
class GridModel : public QAbstractTableModel {
  public:
    explicit GridModel(const Grid& grid, QObject* parent = nullptr);

    // The grid changed: the view reads it again.
    void refresh();
    const QFont& gridFont() const { return font_; }
    // A name drawn in a heading cell the grid leaves blank.
    void nameBlankCell(int row, int column, const QString& name) {
        blankCellName_ = {row, column, name};
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    QVariant fontOf(const GridCell& cell) const;
    QVariant backgroundOf(const GridCell& cell, const QModelIndex& index) const;

    const Grid& grid_;
    QFont font_;
    std::vector<bool> columnsOfFigures_;
    struct {
        int row = -1, column = -1;
        QString name;
    } blankCellName_;
};

} // namespace tallowmere::gui
