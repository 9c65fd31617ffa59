#pragma once

#include "gui/TextEditorWindow.h"

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace tallowmere::gui {

// The editors open on the user's files, one a file. They are windows of
// their own, so the program runs on until the user has decided about their
// unsaved changes; closing the main window closes them, each asking first.
class EditorWindows : public QObject {
  public:
    EditorWindows() = default;
    EditorWindows(const EditorWindows&) = delete;
    EditorWindows& operator=(const EditorWindows&) = delete;
    ~EditorWindows() override;

    // Opens the file in an editor, or raises the editor that has it open.
    // Why a file cannot be edited (a folder in its place, a read failure),
    // or nothing.
    std::optional<std::string> open(const std::filesystem::path& file, EditedFile kind,
                                    QWidget* mainWindow);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::map<std::filesystem::path, QPointer<TextEditorWindow>> editors_;
    QPointer<QWidget> watched_;
};

} // namespace tallowmere::gui
