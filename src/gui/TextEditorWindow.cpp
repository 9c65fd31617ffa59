#include "gui/TextEditorWindow.h"

#include "gui/DisplayText.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QVBoxLayout>

namespace tallowmere::gui {
namespace {

// Shift+Enter makes a plain line end: the files know no line separator
// within a line.
class PlainLinesEdit : public QPlainTextEdit {
  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (!enter || !(event->modifiers() & Qt::ShiftModifier)) {
            QPlainTextEdit::keyPressEvent(event);
            return;
        }
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        event->text());
        QPlainTextEdit::keyPressEvent(&plain);
    }
};

QString fileName(const HandKeptFile& file) {
    return QString::fromStdString(file.path.filename().string());
}

QString statusText(EditedFile kind, std::size_t marked) {
    if (kind == EditedFile::ResultsChart)
        return {};
    if (marked == 0)
        return "The program can read every line.";
    return QString("%1 %2 the program cannot read (marked in red).")
        .arg(marked)
        .arg(marked == 1 ? "line" : "lines");
}

QTextEdit::ExtraSelection markOf(const QTextBlock& block) {
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(block);
    mark.format.setBackground(QColor(255, 205, 205));
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    return mark;
}

} // namespace

TextEditorWindow::TextEditorWindow(OpenedFile opened)
    : file_(std::move(opened.file)), editor_(new PlainLinesEdit), status_(new QLabel) {
    ask = [this](const EditorQuestion& question) { return askInBox(question); };
    setWindowTitle(fileName(file_) + "[*] - Tallowmere TB");
    editor_->setFont(displayFont("Courier New", 10));
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setPlainText(QString::fromStdString(opened.text));
    editor_->document()->setModified(false);
    auto* save = new QPushButton("&Save");
    auto* close = new QPushButton("&Close");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, [this] { this->save(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            [this] { this->save(); });
    connect(editor_->document(), &QTextDocument::contentsChanged, this,
            &TextEditorWindow::markLines);
    connect(editor_->document(), &QTextDocument::modificationChanged, this,
            &QWidget::setWindowModified);
    markLines();
    resize(760, 520);
}

std::string TextEditorWindow::editedText() const {
    QString text = editor_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, '\n');
    return text.toStdString();
}

QString TextEditorWindow::status() const {
    return status_->text();
}

void TextEditorWindow::markLines() {
    const auto marked = unreadableLines(file_.kind, editedText());
    QList<QTextEdit::ExtraSelection> marks;
    for (const std::size_t line : marked)
        marks.append(markOf(editor_->document()->findBlockByNumber(static_cast<int>(line))));
    editor_->setExtraSelections(marks);
    status_->setText(statusText(file_.kind, marked.size()));
}

bool TextEditorWindow::save() {
    return saveWith(false);
}

bool TextEditorWindow::saveWith(bool overwrite) {
    const SaveResult result = saveHandKeptFile(file_, editedText(), overwrite);
    if (result.outcome == SaveOutcome::ChangedOnDisk)
        return askReloadOrOverwrite();
    if (result.outcome == SaveOutcome::Refused) {
        tell(result.message);
        return false;
    }
    editor_->document()->setModified(false);
    return true;
}

// Another program wrote the file since it was opened or last saved: its
// change and the editor's cannot both be kept.
bool TextEditorWindow::askReloadOrOverwrite() {
    const QString text = fileName(file_) +
                         " has changed on disk since it was opened or last saved.\n"
                         "Reload it, losing the changes made here, or overwrite it with them "
                         "(the file on disk is kept as a backup first)?";
    // Either answer loses something: Enter alone answers neither.
    const int answer = ask({QMessageBox::Question, text, {"&Reload", "&Overwrite", "Cancel"}, 2});
    if (answer == 0)
        reload();
    return answer == 1 && saveWith(true);
}

void TextEditorWindow::reload() {
    OpenedFile opened = openHandKeptFile(file_.path, file_.kind);
    if (opened.problem) {
        tell(*opened.problem);
        return;
    }
    opened.file.backupKept = file_.backupKept; // the file as first opened is kept already
    file_ = std::move(opened.file);
    editor_->setPlainText(QString::fromStdString(opened.text));
    editor_->document()->setModified(false);
}

void TextEditorWindow::closeEvent(QCloseEvent* event) {
    if (!editor_->document()->isModified()) {
        event->accept();
        return;
    }
    const int answer = ask({QMessageBox::Warning,
                            "Save the changes to " + fileName(file_) + "?",
                            {"&Save", "&Discard", "Cancel"}});
    if (answer == 1 || (answer == 0 && save()))
        event->accept();
    else
        event->ignore();
}

void TextEditorWindow::tell(const std::string& text) {
    ask({QMessageBox::Warning, QString::fromStdString(text), {"OK"}});
}

int TextEditorWindow::askInBox(const EditorQuestion& question) {
    QMessageBox box(question.icon, "Tallowmere TB", question.text, QMessageBox::NoButton, this);
    QList<QAbstractButton*> buttons;
    for (const QString& caption : question.buttons)
        buttons.append(box.addButton(caption, QMessageBox::AcceptRole));
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.value(question.defaultButton)));
    box.setEscapeButton(buttons.back());
    box.exec();
    const auto clicked = buttons.indexOf(box.clickedButton());
    return clicked < 0 ? static_cast<int>(buttons.size()) - 1 : static_cast<int>(clicked);
}

} // namespace tallowmere::gui
