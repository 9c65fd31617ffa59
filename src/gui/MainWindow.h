#pragma once

#include "app/CommandTable.h"
#include "app/FolderOptions.h"
#include "gui/FormView.h"
#include "gui/MenuBarView.h"
#include "gui/WindowPlatform.h"
#include "model/Form1.h"

#include <QLabel>
#include <QMainWindow>
#include <functional>
#include <memory>

class QDockWidget;
class QShortcut;

namespace tallowmere::gui {

// The program's one window: a view of the window model. Every click, menu
// command and edit runs the model's handler, as the batch front end does, and
// the window is drawn again from the model.
class MainWindow : public QMainWindow {
  public:
    MainWindow(Platform& desktop, const FolderOptions& folders,
               const std::filesystem::path& programFolder);

    const Form1& form() const { return form_; }

    // Where File > Export… writes and which folder Tools > Replay Cards…
    // replays: a file dialog by default; empty text cancels.
    std::function<QString()> askExportFile;
    std::function<QString()> askChartFile;
    std::function<QString()> askSeasonFolder;

    class ProfileAnalysisView* profileAnalysis() const {
        return analysis_;
    }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    FormEvents formEvents();
    void run(const Command& command, const CommandArgs& args);
    void clickMenuItem(MenuItemOf item);
    void render();
    void renderProfileAnalysis();
    void replayCards();
    void renderNoticeAndStatus();
    void placeOnScreen();
    // Saves the active card once, as the window closes or the session ends.
    void leave();

    WindowPlatform platform_;
    Form1 form_;
    Twips twips_;
    QLabel* notice_;
    FormView* view_;
    QLabel* status_;
    QShortcut* closeKey_;
    std::unique_ptr<MenuBarView> menus_;
    class ProfileAnalysisView* analysis_;
    QDockWidget* analysisDock_;
    std::optional<unsigned> analysedProfile_; // the generation of the cards analysed
    bool left_ = false;
};

} // namespace tallowmere::gui
