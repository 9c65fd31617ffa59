#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;

namespace tallowmere::gui {

// The viewer's find field under the text: Enter or Next finds the next match,
// Escape hides it; says so when there is no match.
class FindBar : public QWidget {
  public:
    // `find` selects the next match of its text, false when there is none.
    explicit FindBar(std::function<bool(const QString&)> find, QWidget* parent = nullptr);

    QLineEdit* field() const { return field_; }
    // Shows the bar with its text selected, ready for typing.
    void open();
    // Finds the next match of the text typed; opens the bar when it is empty.
    void findNext();

  private:
    std::function<bool(const QString&)> find_;
    QLineEdit* field_;
    QLabel* status_;
};

} // namespace tallowmere::gui
