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

// A number, or a length such as "3 1/4", as a column of figures holds it.
bool looksLikeNumber(std::string_view text) {
    static const QRegularExpression number(
        R"(^\s*([-+]?[$]?\s*[0-9,]*\.?[0-9]+%?|[0-9]+ [0-9]+/[0-9]+|[0-9]+/[0-9]+)\s*$)");
    return number.match(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())))
        .hasMatch();
}

// A column most of whose cells are numbers stands at the right, as a column
// of figures does, unless a cell is aligned otherwise; the first thousand
// rows decide.
std::vector<bool> columnsOfFigures(const Grid& grid) {
    std::vector<bool> figures(static_cast<std::size_t>(grid.columns()));
    for (int c = 0; c < grid.columns(); ++c) {
        int numbers = 0, texts = 0;
        for (int r = 1; r < std::min(grid.rows(), 1000); ++r) {
            const std::string text = grid.text(r, c);
            if (!text.empty())
                ++(looksLikeNumber(text) ? numbers : texts);
        }
        figures[static_cast<std::size_t>(c)] = numbers > texts;
    }
    return figures;
}

Qt::Alignment alignmentOf(const GridCell& cell, bool inColumnOfFigures) {
    switch (cell.alignment) {
    case CellAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlignment::Centre:
        return Qt::AlignCenter;
    case CellAlignment::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    default:
        return (inColumnOfFigures ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
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
    columnsOfFigures_ = columnsOfFigures(grid_);
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
        return QVariant::fromValue(
            alignmentOf(*cell, index.column() < static_cast<int>(columnsOfFigures_.size()) &&
                                   columnsOfFigures_[static_cast<std::size_t>(index.column())]));
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
