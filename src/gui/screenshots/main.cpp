// tallowmere-screenshots DATA_ROOT FOLDER [SEASON]: the window on the card of
// DATA_ROOT, as a handicapper goes through it, saved as PNG files in FOLDER,
// then the viewer on the program view and the printed profile's preview, and
// the race card screen after Close Race Card; with
// SEASON, last the replay of that folder of past cards.
#include "app/FolderOptions.h"
#include "card/CardFileNames.h"
#include "card/DataRoot.h"
#include "card/WorkFolder.h"
#include "gui/DisplayText.h"
#include "gui/FindBar.h"
#include "gui/MainWindow.h"
#include "gui/ProfileAnalysisView.h"
#include "gui/QtPlatform.h"
#include "gui/ReplayDialog.h"
#include "model/SilentPlatform.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <iostream>
#include <vector>

namespace {

// Says Yes to every question, so a scratch goes through; views and reports
// open in the viewer.
class AgreeingPlatform : public tallowmere::SilentPlatform {
  public:
    tallowmere::MessageAnswer showMessage(const tallowmere::Message& message) override {
        return message.buttons == tallowmere::MessageButtons::YesNo ? tallowmere::MessageAnswer::Yes
                                                                    : tallowmere::MessageAnswer::Ok;
    }
    void showTextFile(const std::filesystem::path& file) override { viewers.showTextFile(file); }
    void printTextFile(const std::filesystem::path& file) override { viewers.printTextFile(file); }

    tallowmere::gui::QtPlatform viewers;
};

void click(QWidget& window, const char* control) {
    if (auto* button = window.findChild<QPushButton*>(control))
        button->click();
}

// The track list's first entry, as the second Select Track lists the tracks.
void clickFirstTrack(QWidget& window) {
    auto* list = window.findChild<QListWidget*>("List1");
    if (list && list->count() > 0)
        emit list->itemClicked(list->item(0));
}

void choose(QWidget& window, const char* item) {
    if (auto* action = window.findChild<QAction*>(item))
        action->trigger();
}

bool save(QWidget& window, const QString& folder, const QString& name) {
    QApplication::processEvents();
    const bool saved = window.grab().save(folder + "/" + name + ".png");
    std::cout << (saved ? "wrote " : "could not write ") << name.toStdString() << ".png\n";
    return saved;
}

// The confidence figures are pictured once they are worked out.
void showTab(tallowmere::gui::MainWindow& window, int tab) {
    auto* analysis = window.profileAnalysis();
    if (!analysis)
        return;
    analysis->setCurrentIndex(tab);
    QElapsedTimer waited;
    waited.start();
    while (analysis->workingOutStats() && waited.elapsed() < 120000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// View Program with a horse found, then Print Profile's preview.
bool saveViewers(tallowmere::gui::MainWindow& window, AgreeingPlatform& desktop,
                 const QString& folder) {
    choose(window, "Program");
    const auto& form = window.form();
    auto* program =
        desktop.viewers.viewerOf(tallowmere::DataRoot{form.DataRoot}.programsFolder() /
                                 tallowmere::cardFileWithExtension(form.ActiveCardFile, "ppp"));
    if (!program)
        return false;
    program->findBar()->open();
    program->findBar()->field()->setText("Brass Lantern");
    program->findBar()->findNext();
    bool saved = save(*program, folder, "viewer-program");
    choose(window, "ALL");
    choose(window, "Print2");
    auto* profile =
        desktop.viewers.viewerOf(tallowmere::WorkFolder{form.WorkFolder}.printedProfile());
    saved &= profile && profile->printPreview() &&
             save(*profile->printPreview(), folder, "print-preview-profile");
    return saved;
}

// Replay Cards on SEASON, pictured once every card is worked.
bool saveReplay(tallowmere::gui::MainWindow& window, const QString& season, const QString& folder) {
    window.askSeasonFolder = [season] { return season; };
    choose(window, "Replay");
    auto* dialog = window.findChild<tallowmere::gui::ReplayDialog*>("ReplayDialog");
    QElapsedTimer waited;
    waited.start();
    while (dialog && !dialog->finished() && waited.elapsed() < 120000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return dialog && save(*dialog, folder, "replay-cards");
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Tallowmere");
    QApplication::setApplicationName("Tallowmere TB");
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: tallowmere-screenshots DATA_ROOT FOLDER [SEASON]\n";
        return 2;
    }
    tallowmere::gui::useWindowStyle();
    AgreeingPlatform desktop;
    tallowmere::FolderOptions folders;
    folders.dataRoot = argv[1];
    tallowmere::gui::MainWindow window(desktop, folders, ".");
    window.show();
    const QString folder = argv[2];
    // Each picture after what the handicapper does before it.
    const std::vector<std::pair<QString, std::function<void()>>> steps = {
        {"before-start", [] {}},
        {"race-card-race-1", [&] { click(window, "Command1"); }},
        {"race-card-race-5-scratch",
         [&] {
             click(window, "Command2(5)");
             click(window, "Command3(2)");
         }},
        {"race-card-race-5-results", [&] { choose(window, "EBET"); }},
        {"summary", [&] { choose(window, "SelectionAndResults"); }},
        {"profile",
         [&] {
             click(window, "Command4");
             choose(window, "ALL");
         }},
        {"profile-confidence", [&] { showTab(window, 1); }},
        {"profile-size-group",
         [&] {
             showTab(window, 0);
             choose(window, "Size1M");
         }},
        {"profile-track-list", [&] { choose(window, "Select"); }},
        {"profile-track",
         [&] {
             choose(window, "Select");
             clickFirstTrack(window);
         }},
        {"race-card-main-screen", [&] { choose(window, "MainScreen"); }},
    };
    bool saved = true;
    for (const auto& [picture, step] : steps) {
        step();
        saved &= save(window, folder, picture);
    }
    desktop.viewers.setWindow(&window);
    saved &= saveViewers(window, desktop, folder);
    choose(window, "MainScreen");
    choose(window, "CRC");
    saved &= save(window, folder, "race-card-closed");
    if (argc == 4)
        saved &= saveReplay(window, argv[3], folder);
    return saved ? 0 : 1;
}
