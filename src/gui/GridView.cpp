#include "gui/GridView.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <map>

namespace tallowmere::gui {
namespace {

constexpr int usualRowHeight = 240;
constexpr int cellPadding = 2; // a pixel each side, as the style sheet gives

// Rows after these are as wide as those before: a long profile is measured
// on its first cards.
constexpr int measuredRows = 1000;

} // namespace

GridView::GridView(const Grid& grid, const QString& name, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(grid) {
    setObjectName(name);
    setModel(&model_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setStyleSheet("QTableView::item { padding: 0px 1px; }");
}

void GridView::render(const Twips& twips) {
    setVisible(grid_.visible);
    if (!grid_.visible)
        return;
    setGeometry(twips.rect(grid_.left, grid_.top, grid_.width, grid_.height));
    model_.refresh();
    setFont(model_.gridFont());
    sizeSections(twips);
    hideRowsNotInUse();
}

void GridView::sizeSections(const Twips& twips) {
    QHeaderView* columns = horizontalHeader();
    for (int c = 0; c < grid_.columns(); ++c) {
        const int width = grid_.columnWidth(c);
        setColumnHidden(c, width <= 0);
        if (width > 0)
            columns->resizeSection(c, std::max({1, twips.px(width), textWidth(c)}));
    }
    QHeaderView* rows = verticalHeader();
    rows->setDefaultSectionSize(twips.px(usualRowHeight));
    for (int r = 0; r < grid_.rows(); ++r)
        if (grid_.rowHeight(r) != usualRowHeight)
            rows->resizeSection(r, twips.px(grid_.rowHeight(r)));
}

// The widest text of the column in the font each cell is drawn in; a column
// of a few pixels (a spacer) is left as narrow as the grid makes it.
int GridView::textWidth(int column) const {
    std::map<QString, QFontMetrics> metrics;
    int widest = 0;
    for (int r = 0; r < std::min(grid_.rows(), measuredRows); ++r) {
        const QModelIndex cell = model_.index(r, column);
        const QString text = cell.data().toString();
        if (text.isEmpty())
            continue;
        const QFont font = cell.data(Qt::FontRole).value<QFont>();
        auto [it, added] = metrics.try_emplace(font.key(), font);
        widest = std::max(widest, it->second.horizontalAdvance(text) + cellPadding + 1);
    }
    return widest;
}

// Scrolling ends at the last row with text.
void GridView::hideRowsNotInUse() {
    const int last = lastRowWithText(grid_);
    for (int r = 0; r < grid_.rows(); ++r)
        setRowHidden(r, r > last);
}

QString GridView::selectedText() const {
    const QModelIndexList cells = selectionModel()->selectedIndexes();
    if (cells.isEmpty())
        return {};
    int top = cells.front().row(), bottom = top, left = cells.front().column(), right = left;
    for (const QModelIndex& cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    QString text;
    for (int r = top; r <= bottom; ++r) {
        if (isRowHidden(r))
            continue;
        QStringList row;
        for (int c = left; c <= right; ++c)
            if (!isColumnHidden(c))
                row << model_.index(r, c).data().toString();
        text += row.join('\t') + '\n';
    }
    return text;
}

// Focus on a grid leaves its cells as they were chosen: the view's own
// current cell at the top left, drawn as chosen, is not set.
void GridView::focusInEvent(QFocusEvent* event) {
    const bool chosen = currentIndex().isValid();
    QTableView::focusInEvent(event);
    if (!chosen)
        selectionModel()->clear();
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(selectedText());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace tallowmere::gui
