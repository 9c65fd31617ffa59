#include "gui/FormView.h"

#include "gui/ControlTips.h"
#include "gui/DisplayText.h"

namespace tallowmere::gui {
namespace {

QString indexed(const char* name, int index) {
    return QString("%1(%2)").arg(name).arg(index);
}

} // namespace

FormView::FormView(const Form1& form, FormEvents events, QWidget* parent)
    : QWidget(parent), form_(form), events_(std::move(events)) {
    setFont(displayFont("MS Sans Serif", 8));
    addFrames();
    grids_.push_back(new GridView(form.MSFlexGrid1, "MSFlexGrid1", this));
    image_ = new QFrame(this);
    image_->setObjectName("Image2");
    image_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    addLabels();
    addButtons();
    addBoxes();
    addReportControls();
    addHeadings();
}

QWidget* FormView::parentFor(FrameName frame) {
    QGroupBox* box = boxOf(frameNamed(form_, frame));
    return box ? static_cast<QWidget*>(box) : this;
}

QGroupBox* FormView::boxOf(const Frame* frame) const {
    for (const auto& [widget, model] : frames_)
        if (model == frame)
            return widget;
    return nullptr;
}

void FormView::addFrames() {
    const std::pair<const Frame*, const char*> frames[] = {
        {&form_.Frame4, "Frame4"}, {&form_.Frame7, "Frame7"}, {&form_.Frame6, "Frame6"},
        {&form_.Frame1, "Frame1"}, {&form_.Frame2, "Frame2"}, {&form_.Frame3, "Frame3"}};
    for (const auto& [frame, name] : frames) {
        auto* box = new QGroupBox(this);
        box->setObjectName(name);
        box->setAutoFillBackground(true);
        frames_.emplace_back(box, frame);
    }
}

void FormView::addLabels() {
    const std::pair<const Label*, QString> labels[] = {{&form_.Label8, "Label8"},
                                                       {&form_.Label1, "Label1"},
                                                       {form_.Label4.find(0), "Label4(0)"},
                                                       {&form_.Label5, "Label5"},
                                                       {&form_.Label10, "Label10"},
                                                       {&form_.Label13, "Label13"},
                                                       {&form_.Label15, "Label15"},
                                                       {&form_.Label2, "Label2"},
                                                       {form_.Label3.find(0), "Label3(0)"},
                                                       {form_.Label3.find(1), "Label3(1)"},
                                                       {&form_.Label6, "Label6"},
                                                       {&form_.Label12, "Label12"},
                                                       {&form_.Label16, "Label16"},
                                                       {&form_.Label17, "Label17"},
                                                       {form_.Label4.find(1), "Label4(1)"},
                                                       {form_.Label4.find(2), "Label4(2)"},
                                                       {form_.Label4.find(3), "Label4(3)"},
                                                       {&form_.Label18, "Label18"},
                                                       {&form_.Label7, "Label7"}};
    for (const auto& [label, name] : labels) {
        auto* widget = new QLabel(parentFor(label->frame));
        widget->setObjectName(name);
        labels_.emplace_back(widget, label);
    }
}

QPushButton* FormView::addButton(const Button& button, const QString& name,
                                 const std::function<void()>& clicked) {
    auto* widget = new QPushButton(parentFor(button.frame));
    widget->setObjectName(name);
    widget->setToolTip(controlTip(name));
    widget->setAutoDefault(false);
    connect(widget, &QPushButton::clicked, this, clicked);
    buttons_.emplace_back(widget, &button);
    return widget;
}

void FormView::addButtons() {
    addButton(form_.Command1, "Command1", [this] { events_.start(); });
    for (int i = 1; i <= 20; ++i)
        addButton(*form_.Command2.find(i), indexed("Command2", i),
                  [this, i] { events_.raceButton(i); });
    addButton(form_.Command5, "Command5", [this] { events_.previousRace(); });
    addButton(form_.Command6, "Command6", [this] { events_.nextRace(); });
    for (int i = 1; i <= 20; ++i)
        addButton(*form_.Command3.find(i), indexed("Command3", i),
                  [this, i] { events_.scratchButton(i); });
}

QLineEdit* FormView::addBox(const TextBox& box, const QString& name) {
    auto* widget = new QLineEdit(parentFor(box.frame));
    widget->setObjectName(name);
    widget->setToolTip(controlTip(name));
    boxes_.emplace_back(widget, &box);
    return widget;
}

void FormView::addBoxes() {
    for (int i = 1; i <= 8; ++i)
        connect(addBox(form_.Text39(i), indexed("Text39", i)), &QLineEdit::textEdited, this,
                [this, i](const QString& text) { events_.text39Typed(i, typed(text)); });
    for (int i = 0; i <= 9; ++i)
        connect(addBox(*form_.Text57.find(i), indexed("Text57", i)), &QLineEdit::textEdited, this,
                [this, i](const QString& text) { events_.text57Typed(i, typed(text)); });
}

void FormView::addReportControls() {
    grids_.push_back(new GridView(form_.MSFlexGrid2, "MSFlexGrid2", this));
    auto* record = new QGroupBox(this);
    record->setObjectName("Frame5");
    record->setAutoFillBackground(true);
    frames_.emplace_back(record, &form_.Frame5);
    addButton(form_.Command4, "Command4", [this] { events_.record(); });
    grids_.push_back(new GridView(form_.MSFlexGrid3, "MSFlexGrid3", this));
    list_ = new QListWidget(this);
    list_->setObjectName("List1");
    list_->setToolTip(controlTip("List1"));
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { events_.listClicked(list_->row(item)); });
}

void FormView::addHeadings() {
    using Side = Headings::Side;
    const char* payoffs[] = {"Win", "Place", "Show"};
    for (int i = 1; i <= 3; ++i)
        headings_.add(findChild<QLineEdit*>(indexed("Text57", i)), payoffs[i - 1], Side::Above);
    const char* exotics[] = {"Exacta", "Trifecta", "Superfecta"};
    for (int i = 7; i <= 9; ++i)
        headings_.add(findChild<QLineEdit*>(indexed("Text57", i)), exotics[i - 7], Side::Right);
    const char* places[] = {"1st", "2nd", "3rd", "4th"};
    for (int i = 1; i <= 4; ++i) {
        headings_.add(findChild<QLineEdit*>(indexed("Text39", i)), QString("Pick %1").arg(i),
                      Side::Above);
        headings_.add(findChild<QLineEdit*>(indexed("Text39", i + 4)), places[i - 1], Side::Above);
    }
    auto* legend = new QLabel("Yellow: a selection that won its race.", boxOf(&form_.Frame5));
    legend->setObjectName("SummaryLegend");
    legend->move(10, 8);
    grids_[1]->nameBlankCell(21, 0, "Total");
}

void FormView::render(const Twips& twips) {
    for (auto& [widget, frame] : frames_)
        gui::render(*widget, *frame, twips);
    // The scratch buttons' label already names them.
    boxOf(&form_.Frame6)->setTitle({});
    for (auto& [widget, label] : labels_)
        gui::render(*widget, *label, twips);
    for (auto& [widget, button] : buttons_)
        gui::render(*widget, *button, twips,
                    button == &form_.Command1 || button == &form_.Command4);
    for (auto& [widget, box] : boxes_)
        gui::render(*widget, *box, twips);
    for (GridView* grid : grids_)
        grid->render(twips);
    const ImageBox& image = form_.Image2;
    image_->setGeometry(twips.rect(image.left, image.top, image.width, image.height));
    image_->show(); // always on the race card; a report screen hides it
    renderList(twips);
    modelPlaces_.clear();
    for (QWidget* widget : placedWidgets())
        modelPlaces_.emplace_back(widget, widget->geometry());
    arrange();
    if (shownRace_ != form_.shownRace())
        grids_[0]->scrollToTop();
    shownRace_ = form_.shownRace();
}

void FormView::renderList(const Twips& twips) {
    const ListBox& list = form_.List1;
    if (listItems_ != list.items) {
        listItems_ = list.items;
        list_->clear();
        for (const auto& item : list.items)
            list_->addItem(shown(item));
    }
    QFont font = list_->font();
    font.setBold(list.bold);
    list_->setFont(font);
    list_->setGeometry(twips.rect(list.left, list.top, list.width, list.height));
    list_->setVisible(list.visible);
}

} // namespace tallowmere::gui
