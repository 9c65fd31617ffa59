#pragma once

#include "gui/EditorWindows.h"
#include "gui/TextViewer.h"
#include "model/Platform.h"
#include "text/FileLock.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <optional>

namespace tallowmere::gui {

// The desktop through Qt: message boxes over the window, the system beep, the
// program's own viewer for views and reports and its editor for the files the
// user keeps by hand, the desktop's browser, detached programs, the system's
// short date.
class QtPlatform : public Platform {
  public:
    QtPlatform() = default;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;
    // Closes the viewers still open.
    ~QtPlatform() override;

    void setWindow(QWidget* window) { window_ = window; }
    // Holds the data root for the window, waiting up to 10 seconds for the
    // card chooser that started it to let it go; false when another program
    // keeps it. A program this one starts gets it first: it is let go before,
    // and held again when the program did not start.
    bool holdDataRoot(const std::filesystem::path& root);
    // Lets the data root go once the window has closed, before the program's
    // last clean-up, so a program started next need not wait for it.
    void releaseDataRoot() { dataRootLock_.reset(); }

    void showTextFile(const std::filesystem::path& file) override;
    void printTextFile(const std::filesystem::path& file) override;
    void editTextFile(const std::filesystem::path& file, EditedFile kind) override;
    void openUrl(const std::string& address) override;
    MessageAnswer showMessage(const Message& message) override;
    void beep() override;
    void startProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments) override;
    void setFilesHidden(const std::filesystem::path& folder, const std::vector<std::string>& names,
                        bool hidden) override;
    std::string shortDate(int year, int month, int day) override;
    // The window closes itself once the command that ends the program is done.
    void endProgram() override {}

    // The viewer open on `file`, or none.
    TextViewer* viewerOf(const std::filesystem::path& file) const;

  private:
    // The file's one viewer, shown and read again; none when the file
    // cannot be read, which the user is told.
    TextViewer* openViewer(const std::filesystem::path& file);

    std::map<QString, QPointer<TextViewer>> viewers_; // by absolute path
    QPointer<QWidget> window_;
    std::filesystem::path dataRoot_;
    std::optional<text::FileLock> dataRootLock_;
    EditorWindows editors_;
};

} // namespace tallowmere::gui
