#include "gui/TextViewer.h"

#include "gui/FindBar.h"
#include "gui/ReportPages.h"
#include "text/TextFiles.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QTimer>
#include <QVBoxLayout>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tallowmere::gui {
namespace {

constexpr qreal screenPoints = 10;

// A menu item with its keys, doing `slot`.
template <typename Slot>
QAction* addItem(QMenu* menu, const QString& text, const QList<QKeySequence>& keys, Slot slot) {
    QAction* action = menu->addAction(text);
    action->setShortcuts(keys);
    QObject::connect(action, &QAction::triggered, menu, slot);
    return action;
}

} // namespace

TextViewer::TextViewer(const QString& path, QWidget* parent)
    : QMainWindow(parent, Qt::Window), path_(path), text_(new QPlainTextEdit),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName("TextViewer");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QFileInfo(path).fileName() + " - Tallowmere TB");
    text_->setObjectName("ViewerText");
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(reportFont(screenPoints));
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(text_);
    findBar_ = new FindBar([this](const QString& text) { return find(text); });
    layout->addWidget(findBar_);
    setCentralWidget(page);
    buildMenus();
    askSaveFile = [this](const QString& caption, const QString& name, const QString& filter) {
        return QFileDialog::getSaveFileName(this, caption, name, filter);
    };
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { fileChangedOnDisk(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this,
            [this] { fileChangedOnDisk(); });
}

// The preview holds the printer and paints from this viewer's rows: it goes
// first.
TextViewer::~TextViewer() {
    delete preview_.data();
}

void TextViewer::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    addItem(file, "Save &As…", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
            [this] { saveAs(); });
    addItem(file, "&Print…", {QKeySequence::Print}, [this] { openPrintPreview(); });
    addItem(file, "&Export PDF…", {}, [this] { exportPdfAs(); });
    file->addSeparator();
    addItem(file, "&Close", {QKeySequence(Qt::CTRL | Qt::Key_W)}, [this] { close(); });
    buildEditMenu();
    QMenu* view = menuBar()->addMenu("&View");
    addItem(view, "Zoom &In", {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
            [this] { text_->zoomIn(1); });
    addItem(view, "Zoom &Out", {QKeySequence::ZoomOut}, [this] { text_->zoomOut(1); });
    addItem(view, "&Actual Size", {QKeySequence(Qt::CTRL | Qt::Key_0)},
            [this] { text_->setFont(reportFont(screenPoints)); });
}

void TextViewer::buildEditMenu() {
    QMenu* edit = menuBar()->addMenu("&Edit");
    QAction* copy = addItem(edit, "&Copy", {QKeySequence::Copy}, [this] { text_->copy(); });
    copy->setEnabled(false); // until something is selected
    connect(text_, &QPlainTextEdit::copyAvailable, copy, &QAction::setEnabled);
    addItem(edit, "Select &All", {QKeySequence::SelectAll}, [this] { text_->selectAll(); });
    edit->addSeparator();
    addItem(edit, "&Find…", {QKeySequence::Find}, [this] { findBar_->open(); });
    addItem(edit, "Find &Next", {QKeySequence(Qt::Key_F3)}, [this] { findBar_->findNext(); });
}

// Read without blocking and only from a regular file: a FIFO or a device in
// a report's place would hang the program or fill its memory.
std::optional<QString> TextViewer::reload() {
    const auto read = text::readFileChecked(QFile::encodeName(path_).toStdString());
    switch (read.status) {
    case text::FileRead::Status::Read:
        break;
    case text::FileRead::Status::Missing:
        return QString::fromLocal8Bit(std::strerror(ENOENT));
    case text::FileRead::Status::NotRegular:
        return QString("it is not a regular file");
    case text::FileRead::Status::Failed:
        return QString::fromStdString(read.reason);
    }
    const QByteArray bytes = QByteArray::fromStdString(read.content);
    watch();
    if (bytes == bytes_ && !lines_.isEmpty())
        return std::nullopt;
    const int top = text_->verticalScrollBar()->value();
    const int left = text_->horizontalScrollBar()->value();
    const int position = text_->textCursor().position();
    bytes_ = bytes;
    lines_ = reportLines(bytes_);
    text_->setPlainText(lines_.join('\n'));
    QTextCursor cursor = text_->textCursor();
    cursor.setPosition(std::min(position, text_->document()->characterCount() - 1));
    text_->setTextCursor(cursor);
    text_->verticalScrollBar()->setValue(top);
    text_->horizontalScrollBar()->setValue(left);
    if (preview_) {
        if (auto* pages = preview_->findChild<QPrintPreviewWidget*>())
            pages->updatePreview();
    }
    if (!isVisible())
        fitToScreen();
    return std::nullopt;
}

// Wide enough for the longest row when the screen lets it, most of its height.
void TextViewer::fitToScreen() {
    const QRect screen = this->screen()->availableGeometry();
    const QFontMetricsF metrics(text_->font());
    const int frame = text_->verticalScrollBar()->sizeHint().width() + 4 * text_->frameWidth();
    const int wanted = qCeil(metrics.horizontalAdvance('0') * (longestLine(lines_) + 2)) + frame;
    resize(std::clamp(wanted, 480, screen.width() * 9 / 10), screen.height() * 8 / 10);
}

bool TextViewer::find(const QString& text) {
    if (text.isEmpty())
        return false;
    if (text_->find(text))
        return true;
    const QTextCursor before = text_->textCursor();
    text_->moveCursor(QTextCursor::Start);
    if (text_->find(text))
        return true;
    text_->setTextCursor(before);
    return false;
}

// Reports are written whole and renamed into place, which ends the watch on
// the file; the folder's watch finds the new one.
void TextViewer::watch() {
    if (!watcher_.files().contains(path_))
        watcher_.addPath(path_);
    const QString folder = QFileInfo(path_).absolutePath();
    if (!watcher_.directories().contains(folder))
        watcher_.addPath(folder);
}

void TextViewer::fileChangedOnDisk() {
    if (QFileInfo::exists(path_))
        (void)reload();
}

void TextViewer::openPrintPreview() {
    if (preview_) {
        preview_->raise();
        preview_->activateWindow();
        return;
    }
    preparePrinter(*printer_, lines_);
    preview_ = new QPrintPreviewDialog(printer_.get(), this);
    preview_->setObjectName("PrintPreview");
    preview_->setAttribute(Qt::WA_DeleteOnClose);
    preview_->setWindowTitle("Print " + QFileInfo(path_).fileName());
    connect(preview_, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { paintPages(*printer, lines_); });
    const QRect screen = this->screen()->availableGeometry();
    preview_->resize(screen.width() * 9 / 10, screen.height() * 9 / 10);
    preview_->open();
    // The landscape profile reads better a page's width across than whole;
    // the dialog's own button keeps its zoom field right.
    for (QAction* action : preview_->findChildren<QAction*>()) {
        if (action->text() == "Fit width")
            action->trigger();
    }
}

bool TextViewer::printTo(QPrinter& printer) {
    preparePrinter(printer, lines_);
    return paintPages(printer, lines_);
}

// The pages go to a temporary file beside the PDF, which takes its place only
// once they are all written: a failed export leaves what was there.
std::optional<QString> TextViewer::exportPdf(const QString& file) {
    QTemporaryFile pages(file + ".XXXXXX");
    if (!pages.open())
        return pages.errorString();
    pages.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                         QFile::ReadOther);
    pages.close();
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(pages.fileName());
    pdf.setPageSize(printer_->pageLayout().pageSize());
    pdf.setDocName(QFileInfo(path_).fileName());
    pdf.setCreator("Tallowmere TB");
    if (!printTo(pdf))
        return QString("the PDF could not be written");
    if (std::rename(QFile::encodeName(pages.fileName()).constData(),
                    QFile::encodeName(file).constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    pages.setAutoRemove(false);
    return std::nullopt;
}

std::optional<QString> TextViewer::saveCopy(const QString& file) {
    QSaveFile copy(file);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes_) != bytes_.size() || !copy.commit())
        return copy.errorString();
    return std::nullopt;
}

void TextViewer::saveAs() {
    const QFileInfo info(path_);
    const QString file = askSaveFile("Save As", info.absoluteFilePath(), "All files (*)");
    if (file.isEmpty())
        return;
    if (const auto reason = saveCopy(file))
        warnNotSaved(file, *reason);
}

void TextViewer::exportPdfAs() {
    const QFileInfo info(path_);
    const QString name = info.absolutePath() + "/" + info.completeBaseName() + ".pdf";
    const QString file = askSaveFile("Export PDF", name, "PDF files (*.pdf)");
    if (file.isEmpty())
        return;
    if (const auto reason = exportPdf(file))
        warnNotSaved(file, *reason);
}

void TextViewer::warnNotSaved(const QString& file, const QString& reason) {
    QMessageBox::warning(this, "Tallowmere TB",
                         QString("\"%1\" could not be saved: %2.").arg(file, reason));
}

} // namespace tallowmere::gui
