#pragma once

#include "app/Replay.h"

#include <QDialog>
#include <atomic>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace tallowmere::gui {

// Tools > Replay Cards…: replays a folder of past cards away from the window's
// own data, with a progress bar and a cancel button; then shows a line per
// card and offers to add the new lines to the archive or save them as CSV.
class ReplayDialog : public QDialog {
  public:
    ReplayDialog(const std::filesystem::path& season, const std::filesystem::path& workFolder,
                 QWidget* parent = nullptr);
    ~ReplayDialog() override;

    void start();
    void cancel();
    bool finished() const { return finished_; }
    const std::vector<ReplayOutcome>& outcomes() const { return outcomes_; }
    // The lines added, or the reason none could be.
    QString addToArchive();
    // Why the CSV file could not be written, or nothing.
    std::optional<std::string> exportCsv(const QString& file) const;

  private:
    void showProgress(int done, int total);
    void showOutcomes(std::vector<ReplayOutcome> outcomes);

    std::filesystem::path season_, workFolder_;
    QProgressBar* progress_;
    QLabel* status_;
    QPlainTextEdit* lines_;
    QPushButton* cancel_;
    QPushButton* archive_;
    QPushButton* csv_;
    std::atomic<bool> cancelled_{false};
    bool finished_ = false;
    std::vector<ReplayOutcome> outcomes_;
    std::thread worker_;
};

} // namespace tallowmere::gui
