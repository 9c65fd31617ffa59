#pragma once

#include "gui/ControlWidgets.h"
#include "gui/GridView.h"
#include "gui/Headings.h"
#include "model/Form1.h"

#include <QFrame>
#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

namespace tallowmere::gui {

// What the user did to a control; the window runs the model's handler.
struct FormEvents {
    std::function<void()> start, previousRace, nextRace, record;
    std::function<void(int)> raceButton, scratchButton, listClicked;
    std::function<void(int, const std::string&)> text39Typed, text57Typed;
};

// Every control of the window model as a widget, each at its place in twips,
// inside its frame, stretched to the room the window has: the screen's grid
// takes what is more or less than the model's size, what lies under it keeps
// its place at the bottom, and the track list stands beside it. A report grid
// opens over the race card, which is then not drawn.
class FormView : public QWidget {
  public:
    FormView(const Form1& form, FormEvents events, QWidget* parent = nullptr);

    void render(const Twips& twips);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* parentFor(FrameName frame);
    QGroupBox* boxOf(const Frame* frame) const;
    void addFrames();
    void addLabels();
    void addButtons();
    void addBoxes();
    QPushButton* addButton(const Button& button, const QString& name,
                           const std::function<void()>& clicked);
    QLineEdit* addBox(const TextBox& box, const QString& name);
    void addReportControls();
    void renderList(const Twips& twips);
    void addHeadings();
    std::vector<QWidget*> placedWidgets() const;
    void arrange();
    void stretch(GridView& grid);
    void keepOnly(const std::vector<QWidget*>& shown);

    const Form1& form_;
    FormEvents events_;
    std::vector<std::pair<QGroupBox*, const Frame*>> frames_;
    std::vector<std::pair<QLabel*, const Label*>> labels_;
    std::vector<std::pair<QPushButton*, const Button*>> buttons_;
    std::vector<std::pair<QLineEdit*, const TextBox*>> boxes_;
    std::vector<GridView*> grids_;
    QFrame* image_ = nullptr;
    QListWidget* list_ = nullptr;
    std::vector<std::string> listItems_;
    std::vector<std::pair<QWidget*, QRect>> modelPlaces_;
    Headings headings_;
    std::optional<std::int16_t> shownRace_;
};

} // namespace tallowmere::gui
