#pragma once

#include <QLabel>
#include <QString>
#include <vector>

namespace tallowmere::gui {

// Short texts the window draws beside controls that would not say what they
// hold: each follows its control's place and shows only while it shows.
class Headings {
  public:
    enum class Side { Above, Right };

    void add(QWidget* control, const QString& text, Side side);
    // Puts each heading by its control, after the controls have moved.
    void follow();

  private:
    struct Heading {
        QWidget* control;
        QLabel* label;
        Side side;
    };
    std::vector<Heading> headings_;
};

} // namespace tallowmere::gui
