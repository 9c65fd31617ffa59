#pragma once

#include <QFileSystemWatcher>
#include <QMainWindow>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QPlainTextEdit;
class QPrinter;

namespace tallowmere::gui {

// A view or report, read-only, in a fixed-pitch font with its columns lined
// up: find, copy, zoom, save a copy, print with a preview, export a PDF. It
// reads the file again whenever the file changes on disk.
class TextViewer : public QMainWindow {
  public:
    explicit TextViewer(const QString& path, QWidget* parent = nullptr);
    ~TextViewer() override;

    const QString& path() const { return path_; }
    QPlainTextEdit* textView() const { return text_; }
    class FindBar* findBar() const {
        return findBar_;
    }
    // The printer the preview, Print… and the page layout use.
    QPrinter& printer() { return *printer_; }
    QPrintPreviewDialog* printPreview() const { return preview_; }

    // Reads the file again, keeping the place shown; the reason when it
    // could not be read.
    std::optional<QString> reload();
    // Selects the next match of `text` after the cursor, from the top again
    // past the last; false when there is none.
    bool find(const QString& text);
    // Opens the print preview without waiting for it.
    void openPrintPreview();
    // Paints the report on `printer`, page layout and all.
    bool printTo(QPrinter& printer);
    // Writes the report as a PDF, or says why it could not.
    std::optional<QString> exportPdf(const QString& file);
    // Writes the file's bytes, as they are, to `file`, or says why it could not.
    std::optional<QString> saveCopy(const QString& file);

    // Where Save As… and Export PDF… write: a save dialog by default; empty
    // text cancels.
    std::function<QString(const QString& caption, const QString& name, const QString& filter)>
        askSaveFile;

  private:
    void buildMenus();
    void buildEditMenu();
    void saveAs();
    void exportPdfAs();
    void warnNotSaved(const QString& file, const QString& reason);
    void watch();
    void fileChangedOnDisk();
    void fitToScreen();

    QString path_;
    QByteArray bytes_;
    QStringList lines_;
    QPlainTextEdit* text_;
    class FindBar* findBar_;
    QFileSystemWatcher watcher_;
    std::unique_ptr<QPrinter> printer_;
    QPointer<QPrintPreviewDialog> preview_;
};

} // namespace tallowmere::gui
