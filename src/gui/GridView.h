#pragma once

#include "gui/GridModel.h"
#include "gui/Twips.h"

#include <QTableView>

namespace tallowmere::gui {

// A grid of the model on screen: its place, column widths (a column of no
// width is hidden, a column too narrow for its text is widened), row heights
// and cells, down to the last row that holds text. Cells can be selected and
// copied as tab-separated lines.
class GridView : public QTableView {
  public:
    GridView(const Grid& grid, const QString& name, QWidget* parent);

    // Reads the grid again when it is shown; a hidden grid is left as it was.
    void render(const Twips& twips);
    // The selected cells as lines of tab-separated texts.
    QString selectedText() const;
    // A name drawn in a blank heading cell.
    void nameBlankCell(int row, int column, const QString& name) {
        model_.nameBlankCell(row, column, name);
    }

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void sizeSections(const Twips& twips);
    int textWidth(int column) const;
    void hideRowsNotInUse();

    const Grid& grid_;
    GridModel model_;
};

} // namespace tallowmere::gui
