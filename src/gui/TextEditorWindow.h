#pragma once

#include "reports/HandKeptFile.h"

#include <QMessageBox>
#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QPlainTextEdit;

namespace tallowmere::gui {

// What the editor asks or tells the user: the message box's text and its
// buttons' captions, the last the one Escape gives.
struct EditorQuestion {
    QMessageBox::Icon icon = QMessageBox::Warning;
    QString text;
    QStringList buttons;
    int defaultButton = 0; // counted from 0
};

// The program's editor for a file the user keeps by hand (TBA.ini,
// TrackEditor.ini, a results chart): plain text in a fixed-pitch font, the
// lines the program cannot read marked, saved whole in the file's own
// encoding and line ends.
class TextEditorWindow : public QWidget {
  public:
    explicit TextEditorWindow(OpenedFile opened);

    // Puts a question to the user and gives the index of the button clicked:
    // a message box by default; tests answer it themselves.
    std::function<int(const EditorQuestion&)> ask;

    // Saves the text; whether it was saved.
    bool save();

    QPlainTextEdit* editor() const { return editor_; }
    QString status() const;
    const HandKeptFile& file() const { return file_; }
    // The editor's text as the core takes it: UTF-8, lines parted by "\n".
    std::string editedText() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    bool saveWith(bool overwrite);
    bool askReloadOrOverwrite();
    void reload();
    void markLines();
    void tell(const std::string& text);
    int askInBox(const EditorQuestion& question);

    HandKeptFile file_;
    QPlainTextEdit* editor_;
    QLabel* status_;
};

} // namespace tallowmere::gui
