#include "gui/EditorWindows.h"

#include <QEvent>

namespace tallowmere::gui {
namespace {

// One key for every way of naming the same file.
std::filesystem::path keyOf(const std::filesystem::path& file) {
    std::error_code error;
    const auto key = std::filesystem::weakly_canonical(file, error);
    return error ? std::filesystem::absolute(file, error) : key;
}

} // namespace

EditorWindows::~EditorWindows() {
    for (auto& [file, editor] : editors_)
        delete editor.data();
}

std::optional<std::string> EditorWindows::open(const std::filesystem::path& file, EditedFile kind,
                                               QWidget* mainWindow) {
    QPointer<TextEditorWindow>& editor = editors_[keyOf(file)];
    if (editor) {
        editor->show();
        editor->raise();
        editor->activateWindow();
        return std::nullopt;
    }
    OpenedFile opened = openHandKeptFile(file, kind);
    if (opened.problem)
        return opened.problem;
    editor = new TextEditorWindow(std::move(opened));
    editor->setAttribute(Qt::WA_DeleteOnClose);
    if (mainWindow && mainWindow != watched_) {
        mainWindow->installEventFilter(this);
        watched_ = mainWindow;
    }
    editor->show();
    return std::nullopt;
}

// An editor whose user answers Cancel stays open, and so does the main
// window: the program does not go on without it.
bool EditorWindows::eventFilter(QObject* watched, QEvent* event) {
    if (watched != watched_ || event->type() != QEvent::Close)
        return false;
    bool kept = false;
    for (auto& [file, editor] : editors_)
        if (editor && !editor->close())
            kept = true;
    if (kept)
        event->ignore();
    return kept;
}

} // namespace tallowmere::gui
