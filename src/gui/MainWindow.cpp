#include "gui/MainWindow.h"

#include "analysis/CsvText.h"
#include "analysis/Replay.h"
#include "analysis/ShownProfile.h"
#include "app/AppCommands.h"
#include "app/MenuClicks.h"
#include "display/RaceDisplay.h"
#include "gui/DisplayText.h"
#include "gui/ProfileAnalysisView.h"
#include "gui/ReplayDialog.h"
#include "rating/HandicappingRun.h"
#include "reports/BettingProfile.h"
#include "results/Archive.h"
#include "selection/Scratches.h"
#include "text/TextFiles.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
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
    analysis_ = new ProfileAnalysisView;
    analysisDock_ = new QDockWidget("Profile Analysis", this);
    analysisDock_->setObjectName("ProfileAnalysisDock");
    analysisDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    analysisDock_->setWidget(analysis_);
    analysisDock_->setMinimumWidth(560);
    analysisDock_->hide();
    addDockWidget(Qt::RightDockWidgetArea, analysisDock_);
    askExportFile = [this] {
        return QFileDialog::getSaveFileName(this, "Export", "grid.csv", "CSV files (*.csv)");
    };
    askSeasonFolder = [this] {
        return QFileDialog::getExistingDirectory(this, "Replay Cards: folder of past cards");
    };
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
    if (item == &Menus::Export)
        exportGrid();
    else if (item == &Menus::Replay)
        replayCards();
    else if (const FormCommand command = menuClickCommand(item))
        act(needsMenuItem(form_, item), command);
}

void MainWindow::render() {
    setWindowTitle(shown(form_.Window.caption));
    form_.menus.Export.visible = analysis::exportableGrid(form_) != nullptr;
    menus_->render(form_.menus);
    view_->render(twips_);
    renderProfileAnalysis();
    fitToModelSize();
}

// The curves and figures follow the profile on screen; they are worked out
// again only when another profile's cards are shown.
void MainWindow::renderProfileAnalysis() {
    if (!form_.MSFlexGrid3.visible) {
        analysisDock_->hide();
        analysedProfile_.reset();
        return;
    }
    if (analysedProfile_ != form_.ShownProfile.generation)
        analysis_->showCards(form_.ShownProfile.cards);
    analysedProfile_ = form_.ShownProfile.generation;
    analysisDock_->show();
}

void MainWindow::exportGrid() {
    const Grid* grid = analysis::exportableGrid(form_);
    if (!grid || !canClick(form_.menus, &Menus::Export))
        return;
    const QString file = askExportFile();
    if (file.isEmpty())
        return;
    const std::filesystem::path target = file.toStdString();
    if (text::isNotRegularFile(target))
        platform_.showMessage({"Tallowmere TB", text::notRegularFileText(target),
                               MessageButtons::Ok, MessageIcon::Critical});
    else if (const auto problem =
                 text::replaceFile(target, analysis::csvText(analysis::gridRows(*grid))))
        platform_.showMessage({"Tallowmere TB", "Cannot write " + file.toStdString(),
                               MessageButtons::Ok, MessageIcon::Critical});
}

void MainWindow::replayCards() {
    if (const auto missing = analysis::missingTrackList(form_.WorkFolder / "TrackEditor.ini")) {
        platform_.showMessage(
            {"Tallowmere TB", *missing, MessageButtons::Ok, MessageIcon::Exclamation, 1, true});
        return;
    }
    const QString folder = askSeasonFolder();
    if (folder.isEmpty())
        return;
    auto* dialog = new ReplayDialog(folder.toStdString(), form_.WorkFolder, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    dialog->start();
}

// The window's inside takes the size the model gives it, below the menu bar,
// whenever that changes, within the screen; the scroll area shows the rest.
void MainWindow::fitToModelSize() {
    const int frameWidth = 2 * scroll_->frameWidth();
    const int dockWidth = analysisDock_->isVisible() ? analysisDock_->minimumWidth() : 0;
    const QSize size(twips_.px(form_.Window.width) + frameWidth + dockWidth,
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
