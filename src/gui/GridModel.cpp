#include "gui/GridModel.h"

#include "gui/ControlTips.h"
#include "gui/DisplayText.h"

#include <QBrush>
#include <QColor>

namespace tallowmere::gui {
namespace {

const QColor fixedCellColour(224, 224, 224);

QColor colourOf(const Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

Qt::Alignment alignmentOf(CellAlignment alignment) {
    switch (alignment) {
    case CellAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlignment::Centre:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// Row 0 holds the headings; each says what its abbreviation stands for.
QVariant headingTipOf(const GridCell& cell) {
    const QString tip = headingTip(cell.text);
    return tip.isEmpty() ? QVariant() : QVariant(tip);
}

} // namespace

GridModel::GridModel(const Grid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), font_(displayFont(grid.fontName, grid.fontSize)) {}

void GridModel::refresh() {
    beginResetModel();
    font_ = displayFont(grid_.fontName, grid_.fontSize);
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.rows();
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.columns();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    const GridCell* cell = grid_.cell(index.row(), index.column());
    if (!cell)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cell->text.empty() ? QVariant() : QVariant(shown(cell->text));
    case Qt::FontRole:
        return fontOf(*cell);
    case Qt::BackgroundRole:
        return backgroundOf(*cell, index);
    case Qt::ForegroundRole:
        return cell->foreColor ? QVariant(QBrush(colourOf(*cell->foreColor))) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(cell->alignment));
    case Qt::ToolTipRole:
        return index.row() == 0 ? headingTipOf(*cell) : QVariant();
    default:
        return {};
    }
}

QVariant GridModel::fontOf(const GridCell& cell) const {
    if (!cell.bold && cell.fontSize == 0)
        return font_;
    return displayFont(grid_.fontName, cell.fontSize > 0 ? cell.fontSize : grid_.fontSize,
                       cell.bold);
}

QVariant GridModel::backgroundOf(const GridCell& cell, const QModelIndex& index) const {
    if (cell.backColor)
        return QBrush(colourOf(*cell.backColor));
    if (index.row() == 0 || index.column() == 0)
        return QBrush(fixedCellColour);
    return {};
}

} // namespace tallowmere::gui
