#include "gui/MainWindow.h"

#include "app/AnalysisCommands.h"
#include "app/AppCommands.h"
#include "app/CommandTable.h"
#include "gui/DisplayText.h"
#include "gui/ProfileAnalysisView.h"
#include "gui/ReplayDialog.h"
#include "gui/Screens.h"
#include "reports/ProfileSelection.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

namespace tallowmere::gui {
namespace {

const QString geometryKey = "window/geometry";

QString noCardNotice(bool beforeStart) {
    QString notice = "No race card is open. Choose File > New/Recall Race Card to load one.";
    if (beforeStart)
        notice += "  Press Start to handicap the card in TrackMaster ExE Files.";
    return notice;
}

QString profileCaption(const ProfileCards& profile) {
    const auto cards = profile.cards.size();
    return QString("Betting profile: %1, %2 card%3")
        .arg(shown(profileTitle(profile.selector)))
        .arg(cards)
        .arg(cards == 1 ? "" : "s");
}

} // namespace

MainWindow::MainWindow(Platform& desktop, const FolderOptions& folders,
                       const std::filesystem::path& programFolder)
    : platform_(desktop), form_(platform_), twips_(logicalDpiX()) {
    setFolders(form_, folders, programFolder);
    Form_Load(form_);
    auto* inside = new QWidget(this);
    auto* column = new QVBoxLayout(inside);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    notice_ = new QLabel(inside);
    notice_->setObjectName("Notice");
    notice_->setContentsMargins(8, 4, 8, 4);
    column->addWidget(notice_);
    view_ = new FormView(form_, formEvents(), inside);
    column->addWidget(view_, 1);
    setCentralWidget(inside);
    status_ = new QLabel;
    statusBar()->addWidget(status_);
    menus_ = std::make_unique<MenuBarView>(*menuBar(), form_.menus,
                                           [this](MenuItemOf item) { clickMenuItem(item); });
    analysis_ = new ProfileAnalysisView;
    analysisDock_ = new QDockWidget("Profile Analysis", this);
    analysisDock_->setObjectName("ProfileAnalysisDock");
    analysisDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    analysisDock_->setWidget(analysis_);
    analysisDock_->setMinimumWidth(420);
    analysisDock_->hide();
    addDockWidget(Qt::RightDockWidgetArea, analysisDock_);
    askExportFile = [this] {
        const auto offered = form_.WorkFolder / suggestedExportName(form_);
        return QFileDialog::getSaveFileName(
            this, "Export", QString::fromStdString(offered.string()), "CSV files (*.csv)");
    };
    askChartFile = [this] {
        return QFileDialog::getOpenFileName(this, "Import Chart", QString(),
                                            "Results charts (*.csv *.pmr)");
    };
    askSeasonFolder = [this] {
        return QFileDialog::getExistingDirectory(this, "Replay Cards: folder of past cards");
    };
    // Ctrl+Q is File > Exit; while Exit is disabled it closes the window, as
    // its title bar does, saving the card.
    closeKey_ = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(closeKey_, &QShortcut::activated, this, &QWidget::close);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { leave(); });
    render();
    placeOnScreen();
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
    closeKey_->setEnabled(!form_.menus.Exit_Program.enabled);
    view_->render(twips_);
    renderNoticeAndStatus();
    renderProfileAnalysis();
    // As small as the largest screen needs, so a change of screen never
    // resizes the window.
    setMinimumSize(minimumSize().expandedTo(minimumSizeHint()));
}

// A line above the grid says what an empty screen is waiting for, or names
// the profile on screen; the status bar names the card and the screen.
void MainWindow::renderNoticeAndStatus() {
    const Screen screen = screenOf(form_);
    const bool noCard = form_.ActiveCardFile.empty();
    QString notice;
    if (screen == Screen::Profile)
        notice = profileCaption(form_.ShownProfile);
    else if (screen == Screen::RaceCard && noCard)
        notice = noCardNotice(form_.Command1.enabled && form_.Command1.visible);
    notice_->setText(notice);
    notice_->setVisible(!notice.isEmpty());
    const QString card =
        noCard ? QString("No race card open") : shown(form_.cardTrack() + " " + form_.cardDate());
    status_->setText(card + "  \u00b7  " + screenName(screen));
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
    if (!analysisDock_->isHidden())
        return;
    // The grid keeps the room the curves do not need.
    analysisDock_->show();
    resizeDocks({analysisDock_}, {analysisDock_->minimumWidth()}, Qt::Horizontal);
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

// The size and place the window had when it was last closed, or the screen's
// room up to a comfortable size.
void MainWindow::placeOnScreen() {
    if (restoreGeometry(QSettings().value(geometryKey).toByteArray()))
        return;
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QSize size = room.size().boundedTo(QSize(1600, 1000));
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, room));
    if (size == room.size())
        setWindowState(Qt::WindowMaximized);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QSettings().setValue(geometryKey, saveGeometry());
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
