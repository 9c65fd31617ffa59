#include "gui/MainWindow.h"

#include "app/AppCommands.h"
#include "app/MenuClicks.h"
#include "display/RaceDisplay.h"
#include "gui/DisplayText.h"
#include "rating/HandicappingRun.h"
#include "reports/BettingProfile.h"
#include "results/Archive.h"
#include "selection/Scratches.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

namespace tallowmere::gui {

MainWindow::MainWindow(Platform& desktop, const FolderOptions& folders,
                       const std::filesystem::path& programFolder)
    : platform_(desktop), form_(platform_), twips_(logicalDpiX()) {
    setFolders(form_, folders, programFolder);
    Form_Load(form_);
    scroll_ = new QScrollArea(this);
    view_ = new FormView(form_, formEvents());
    scroll_->setWidget(view_);
    setCentralWidget(scroll_);
    menus_ = std::make_unique<MenuBarView>(*menuBar(), form_.menus,
                                           [this](MenuItemOf item) { clickMenuItem(item); });
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { leave(); });
    render();
}

FormEvents MainWindow::formEvents() {
    const auto on = [this](auto refusal, auto command) {
        return [this, refusal, command](auto... index) {
            act(refusal(form_, index...), [&](Form1& form) { command(form, index...); });
        };
    };
    FormEvents events;
    events.start = on(startRefusal, Command1_Click);
    events.previousRace = on(previousRaceRefusal, Command5_Click);
    events.nextRace = on(nextRaceRefusal, Command6_Click);
    events.record = on(recordRefusal, Command4_Click);
    events.raceButton = on(raceButtonRefusal, Command2_Click);
    events.scratchButton = on(scratchRefusal, Command3_Click);
    events.listClicked = [this](int row) {
        if (row >= 0 && row < static_cast<int>(form_.List1.items.size()))
            act(std::nullopt, [row](Form1& form) { List1_Click(form, form.List1.items[row]); });
    };
    events.text39Typed = [this](int index, const std::string& text) {
        act(text39Refusal(form_, index), [&](Form1& form) { form.setText39(index, text); });
    };
    events.text57Typed = [this](int index, const std::string& text) {
        act(std::nullopt, [&](Form1& form) { form.Text57.find(index)->text = text; });
    };
    return events;
}

void MainWindow::act(const Refusal& refusal, const std::function<void(Form1&)>& command) {
    if (refusal || platform_.ended())
        return;
    command(form_);
    render();
    if (platform_.ended())
        close();
}

void MainWindow::clickMenuItem(MenuItemOf item) {
    if (const FormCommand command = menuClickCommand(item))
        act(needsMenuItem(form_, item), command);
}

void MainWindow::render() {
    setWindowTitle(shown(form_.Window.caption));
    menus_->render(form_.menus);
    view_->render(twips_);
    fitToModelSize();
}

// The window's inside takes the size the model gives it, below the menu bar,
// whenever that changes, within the screen; the scroll area shows the rest.
void MainWindow::fitToModelSize() {
    const int frameWidth = 2 * scroll_->frameWidth();
    const QSize size(twips_.px(form_.Window.width) + frameWidth,
                     twips_.px(form_.Window.height) + frameWidth + menuBar()->sizeHint().height());
    if (size == modelSize_)
        return;
    modelSize_ = size;
    QSize fitted = size;
    if (const QScreen* screen = this->screen())
        fitted = fitted.boundedTo(screen->availableGeometry().size());
    resize(fitted);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    leave();
    event->accept();
}

void MainWindow::leave() {
    if (left_ || platform_.ended())
        return;
    left_ = true;
    Form_Unload(form_);
}

} // namespace tallowmere::gui
