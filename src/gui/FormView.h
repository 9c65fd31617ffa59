#pragma once

#include "gui/ControlWidgets.h"
#include "gui/GridView.h"
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
// inside its frame. The report grids, the Record frame and the track list lie
// over the race card, as they open over it.
class FormView : public QWidget {
  public:
    FormView(const Form1& form, FormEvents events, QWidget* parent = nullptr);

    void render(const Twips& twips);

  private:
    QWidget* parentFor(FrameName frame);
    void addFrames();
    void addLabels();
    void addButtons();
    void addBoxes();
    QPushButton* addButton(const Button& button, const QString& name,
                           const std::function<void()>& clicked);
    QLineEdit* addBox(const TextBox& box, const QString& name);
    void addReportControls();
    void renderList(const Twips& twips);

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
};

} // namespace tallowmere::gui
