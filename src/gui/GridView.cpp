#include "gui/GridView.h"

#include <QHeaderView>

namespace tallowmere::gui {
namespace {
constexpr int usualRowHeight = 240;
}

GridView::GridView(const Grid& grid, const QString& name, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(grid) {
    setObjectName(name);
    setModel(&model_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
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
}

void GridView::sizeSections(const Twips& twips) {
    QHeaderView* columns = horizontalHeader();
    for (int c = 0; c < grid_.columns(); ++c) {
        const int width = grid_.columnWidth(c);
        setColumnHidden(c, width <= 0);
        if (width > 0)
            columns->resizeSection(c, std::max(1, twips.px(width)));
    }
    QHeaderView* rows = verticalHeader();
    rows->setDefaultSectionSize(twips.px(usualRowHeight));
    for (int r = 0; r < grid_.rows(); ++r)
        if (grid_.rowHeight(r) != usualRowHeight)
            rows->resizeSection(r, twips.px(grid_.rowHeight(r)));
}

} // namespace tallowmere::gui
