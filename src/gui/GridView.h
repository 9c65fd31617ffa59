#pragma once

#include "gui/GridModel.h"
#include "gui/Twips.h"

#include <QTableView>

namespace tallowmere::gui {

// A grid of the model on screen: its place, column widths (a column of no
// width is hidden), row heights and cells.
class GridView : public QTableView {
  public:
    GridView(const Grid& grid, const QString& name, QWidget* parent);

    // Reads the grid again when it is shown; a hidden grid is left as it was.
    void render(const Twips& twips);

  private:
    void sizeSections(const Twips& twips);

    const Grid& grid_;
    GridModel model_;
};

} // namespace tallowmere::gui
