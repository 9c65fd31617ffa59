#include "gui/GridModel.h"

#include "gui/ControlTips.h"
#include "gui/DisplayText.h"

#include <QBrush>
#include <QColor>
#include <QRegularExpression>

namespace tallowmere::gui {
namespace {

const QColor fixedCellColour(224, 224, 224);

QColor colourOf(const Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// A number the grid leaves in its general alignment stands at the right, as
// numbers do in a column of figures; other text stands at the left.
bool looksLikeNumber(const std::string& text) {
    static const QRegularExpression number(R"(^\s*[-+]?[$]?\s*[0-9,]*\.?[0-9]+%?\s*$)");
    return number.match(QString::fromStdString(text)).hasMatch();
}

Qt::Alignment alignmentOf(const GridCell& cell) {
    switch (cell.alignment) {
    case CellAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlignment::Centre:
        return Qt::AlignCenter;
    case CellAlignment::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    default:
        return (looksLikeNumber(cell.text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
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
        if (cell->text.empty())
            return index.row() == blankCellName_.row && index.column() == blankCellName_.column
                       ? QVariant(blankCellName_.name)
                       : QVariant();
        return shown(cell->text);
    case Qt::FontRole:
        return fontOf(*cell);
    case Qt::BackgroundRole:
        return backgroundOf(*cell, index);
    case Qt::ForegroundRole:
        return cell->foreColor ? QVariant(QBrush(colourOf(*cell->foreColor))) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(*cell));
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
