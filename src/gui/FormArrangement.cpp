#include "gui/FormView.h"
#include "gui/Screens.h"

#include <algorithm>

namespace tallowmere::gui {
namespace {

constexpr int gap = 4;
constexpr int smallestGridHeight = 120;
constexpr int smallestGridWidth = 320;

int endOf(const QRect& place) {
    return place.y() + place.height();
}

} // namespace

// The widgets placed on the view itself; those inside frames move with them.
std::vector<QWidget*> FormView::placedWidgets() const {
    std::vector<QWidget*> placed;
    const auto onView = [&](QWidget* widget) {
        if (widget->parentWidget() == this)
            placed.push_back(widget);
    };
    for (const auto& [widget, model] : frames_)
        onView(widget);
    for (const auto& [widget, model] : labels_)
        onView(widget);
    for (const auto& [widget, model] : buttons_)
        onView(widget);
    for (const auto& [widget, model] : boxes_)
        onView(widget);
    placed.push_back(image_);
    placed.insert(placed.end(), grids_.begin(), grids_.end());
    placed.push_back(list_);
    return placed;
}

void FormView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

// Starts again from the places the model gives, then stretches the screen's
// grid to the view's size.
void FormView::arrange() {
    for (auto& [widget, place] : modelPlaces_)
        widget->setGeometry(place);
    GridView* grid = grids_[0];
    switch (screenOf(form_)) {
    case Screen::Summary:
        grid = grids_[1];
        keepOnly({grid, list_, boxOf(&form_.Frame5)});
        break;
    case Screen::Profile:
        grid = grids_[2];
        keepOnly({grid, list_});
        break;
    default:
        break;
    }
    stretch(*grid);
    headings_.follow();
}

// A report grid covers the race card: only its own controls are drawn.
void FormView::keepOnly(const std::vector<QWidget*>& shown) {
    for (auto& [widget, place] : modelPlaces_)
        if (std::find(shown.begin(), shown.end(), widget) == shown.end())
            widget->hide();
}

void FormView::stretch(GridView& grid) {
    const QRect model = grid.geometry(); // as the model places it
    const auto others = [&](QWidget* widget) { return widget != &grid && widget != list_; };
    const int listColumn = list_->isHidden() ? 0 : list_->width() + gap;
    const int right = width() - listColumn;
    int below = 0;
    int widest = 0;
    for (auto& [widget, place] : modelPlaces_)
        if (others(widget) && !widget->isHidden() && place.y() >= endOf(model)) {
            below = std::max(below, endOf(place) - endOf(model));
            widest = std::max(widest, place.x() + place.width());
        }
    const int height = std::max(smallestGridHeight, this->height() - model.y() - below - gap);
    const int moved = model.y() + height - endOf(model);
    for (auto& [widget, place] : modelPlaces_)
        if (others(widget) && place.y() >= endOf(model))
            widget->move(place.x(), place.y() + moved);
    // The race header runs along the grid, the Record frame across the window.
    QGroupBox* header = boxOf(&form_.Frame4);
    header->resize(right - header->x(), header->height());
    QGroupBox* record = boxOf(&form_.Frame5);
    record->resize(width(), record->height());
    grid.setGeometry(model.x(), model.y(), right - model.x(), height);
    list_->move(right + gap / 2, 0);
    list_->resize(list_->width(), std::min(list_->height(), this->height()));
    setMinimumSize(std::max(widest, model.x() + smallestGridWidth + listColumn),
                   model.y() + smallestGridHeight + below + gap);
}

} // namespace tallowmere::gui
