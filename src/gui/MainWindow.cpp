#include "gui/MainWindow.h"

#include "app/AnalysisCommands.h"
#include "app/AppCommands.h"
#include "app/CommandTable.h"
#include "gui/DisplayText.h"
#include "gui/ProfileAnalysisView.h"
#include "gui/ReplayDialog.h"

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
    askChartFile = [this] {
        return QFileDialog::getOpenFileName(this, "Import Chart", QString(),
                                            "Results charts (*.csv *.pmr)");
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
    const auto give = [this](std::string_view name) {
        return [this, name](auto... index) { run(commandNamed(name), {std::to_string(index)...}); };
    };
    FormEvents events;
    events.start = give("Start");
    events.previousRace = give("Previous Race");
    events.nextRace = give("Next Race");
    events.record = give("Record");
    events.raceButton = give("Race");
    events.scratchButton = give("Scratch");
    events.listClicked = [this](int row) {
        if (row >= 0 && row < static_cast<int>(form_.List1.items.size()))
            run(commandNamed("Track List"), {form_.List1.items[row]});
    };
    events.text39Typed = [this](int index, const std::string& text) {
        run(commandNamed("Type"), {"Text39", std::to_string(index), text});
    };
    events.text57Typed = [this](int index, const std::string& text) {
        run(commandNamed("Type"), {"Text57", std::to_string(index), text});
    };
    return events;
}

// Gives the command unless the window refuses its control now, then redraws.
void MainWindow::run(const Command& command, const CommandArgs& args) {
    if (command.refusal(form_, args) || platform_.ended())
        return;
    std::ostream nowhere(nullptr); // the window has no place for printed output
    command.run(form_, args, nowhere);
    render();
    if (platform_.ended())
        close();
}

void MainWindow::clickMenuItem(MenuItemOf item) {
    const auto given = commandForMenuItem(item);
    if (!given || needsMenuItem(form_, item))
        return;
    auto [command, args] = *given;
    if (command->asks == WindowAsks::ExportFile) {
        const auto grid = exportableGridName(form_);
        const QString file = grid ? askExportFile() : QString();
        if (file.isEmpty())
            return;
        args = {*grid, file.toStdString()};
    }
    if (command->asks == WindowAsks::ChartFile) {
        const QString file = askChartFile();
        if (file.isEmpty())
            return;
        args = {file.toStdString()};
    }
    if (command->asks == WindowAsks::SeasonFolder)
        replayCards();
    else
        run(*command, args);
}

void MainWindow::render() {
    setWindowTitle(shown(form_.Window.caption));
    form_.menus.Export.visible = exportableGridName(form_).has_value();
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
        analysis_->showCards(form_.ShownProfile);
    analysedProfile_ = form_.ShownProfile.generation;
    analysisDock_->show();
}

void MainWindow::replayCards() {
    if (!trackListForReplay(form_))
        return;
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
