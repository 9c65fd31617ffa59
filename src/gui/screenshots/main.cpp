// tallowmere-screenshots DATA_ROOT FOLDER [SEASON]: the window on the card of
// DATA_ROOT, as a handicapper goes through it, saved as PNG files in FOLDER;
// with SEASON, last the replay of that folder of past cards.
#include "app/FolderOptions.h"
#include "gui/DisplayText.h"
#include "gui/MainWindow.h"
#include "gui/ProfileAnalysisView.h"
#include "gui/ReplayDialog.h"
#include "model/SilentPlatform.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <functional>
#include <iostream>
#include <vector>

namespace {

// Says Yes to every question, so a scratch goes through.
class AgreeingPlatform : public tallowmere::SilentPlatform {
  public:
    tallowmere::MessageAnswer showMessage(const tallowmere::Message& message) override {
        return message.buttons == tallowmere::MessageButtons::YesNo ? tallowmere::MessageAnswer::Yes
                                                                    : tallowmere::MessageAnswer::Ok;
    }
};

void click(QWidget& window, const char* control) {
    if (auto* button = window.findChild<QPushButton*>(control))
        button->click();
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
        {"profile-track-list",
         [&] {
             showTab(window, 0);
             choose(window, "Select");
         }},
        {"race-card-main-screen", [&] { choose(window, "MainScreen"); }},
    };
    bool saved = true;
    for (const auto& [picture, step] : steps) {
        step();
        saved &= save(window, folder, picture);
    }
    if (argc == 4)
        saved &= saveReplay(window, argv[3], folder);
    return saved ? 0 : 1;
}
