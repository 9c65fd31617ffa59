#include "app/FolderOptions.h"
#include "card/DataRoot.h"
#include "card/WorkFolder.h"
#include "gui/FindBar.h"
#include "gui/MainWindow.h"
#include "gui/QtPlatform.h"
#include "gui/ReportPages.h"
#include "support/SampleCard.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <memory>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;
using tallowmere::testing::writeFile;

namespace {

// The Qt desktop with its viewers for real; the program's own messages are
// noted rather than shown.
class ViewingPlatform : public gui::QtPlatform {
  public:
    MessageAnswer showMessage(const Message& message) override {
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    void beep() override {}
};

// The window over the sample card, its views shown by the viewer.
struct ViewingWindow {
    TempFolder folder;
    ViewingPlatform platform;
    std::unique_ptr<gui::MainWindow> window;

    ViewingWindow() {
        testing::copySampleCard(folder.path(), true);
        FolderOptions options;
        options.dataRoot = folder.path();
        window = std::make_unique<gui::MainWindow>(platform, options, "/opt/tallowmere/bin");
        platform.setWindow(window.get());
        window->show();
    }
    void click(const char* name) const { window->findChild<QPushButton*>(name)->click(); }
    void choose(const char* name) const { window->findChild<QAction*>(name)->trigger(); }
    std::filesystem::path program() const {
        return DataRoot{folder.path()}.programsFolder() / "   CT_20261205.ppp";
    }
};

QStringList fileLines(const std::filesystem::path& file) {
    return gui::reportLines(QByteArray::fromStdString(readFile(file)));
}

// What the message box about to open shows; it is closed once seen.
struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextInteractionFlags flags;
};

void noteNextBox(SeenBox& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = {box->windowTitle(), box->text(), box->icon(), box->textInteractionFlags()};
        box->accept();
    });
}

QString firstPdfPage(const QString& pdf, const QString& form) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {form, "-f", "1", "-l", "1", pdf, "-"});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

struct PdfWord {
    double left, top, right, bottom;
    QString text;
};

// The words of the first page with their boxes, in points.
std::vector<PdfWord> firstPageWords(const QString& pdf) {
    static const QRegularExpression word("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                         "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>");
    std::vector<PdfWord> words;
    for (const auto& m : word.globalMatch(firstPdfPage(pdf, "-bbox"))) {
        QString text = m.captured(5);
        text.replace("&lt;", "<")
            .replace("&gt;", ">")
            .replace("&quot;", "\"")
            .replace("&amp;", "&");
        words.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble(), text});
    }
    return words;
}

// Replaces the file by writing a new one and renaming it into place.
void replaceByRename(const std::filesystem::path& file, const std::string& bytes) {
    const auto written = std::filesystem::path(file).concat(".new");
    writeFile(written, bytes);
    std::filesystem::rename(written, file);
}

} // namespace

class ViewerTest : public QObject {
    Q_OBJECT

  private slots:
    void viewProgramShowsTheFileFindsAHorseAndFollowsTheFileOnDisk();
    void theExportedPdfKeepsTheReportsLinesAndColumns();
    void printProfileOpensTheViewerLandscapeWithItsPreview();
    void pagesTurnForWideReportsAndTakeTheLargestSizeThatFits_data();
    void pagesTurnForWideReportsAndTakeTheLargestSizeThatFits();
    void aFileThatCannotBeOpenedAndALinkWithNoBrowserAreTold();
};

void ViewerTest::viewProgramShowsTheFileFindsAHorseAndFollowsTheFileOnDisk() {
    ViewingWindow w;
    w.click("Command1");
    w.choose("Program");
    gui::TextViewer* viewer = w.platform.viewerOf(w.program());
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), QString("   CT_20261205.ppp - Tallowmere TB"));
    QPlainTextEdit* text = viewer->textView();
    QCOMPARE(text->toPlainText(), fileLines(w.program()).join('\n'));
    QVERIFY(text->toPlainText().startsWith("Tallowmere Thoroughbred PRO\nTallowmere Software\n"));
    QVERIFY(text->isReadOnly() && QFontInfo(text->font()).fixedPitch());
    QCOMPARE(text->lineWrapMode(), QPlainTextEdit::NoWrap);

    viewer->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    QTest::keyClick(viewer, Qt::Key_F, Qt::ControlModifier);
    QLineEdit* field = viewer->findBar()->field();
    QVERIFY(field->isVisible() && field->hasFocus());
    QTest::keyClicks(field, "brass lantern");
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(text->textCursor().selectedText(), QString("Brass Lantern"));
    QVERIFY(text->textCursor().block().text().startsWith("PN: 2 PP:  2  Brass Lantern"));
    const int first = text->textCursor().position();
    const bool more = text->toPlainText().count("Brass Lantern") > 1;
    QTest::keyClick(viewer, Qt::Key_F3); // the next one, or the same from the top again
    QCOMPARE(text->textCursor().selectedText(), QString("Brass Lantern"));
    QCOMPARE(text->textCursor().position() != first, more);
    field->setText("Ruby Ridge Zq");
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(viewer->findBar()->findChild<QLabel*>("FindStatus")->text(), QString("Not found"));

    w.choose("Program"); // shown again: the same viewer
    QCOMPARE(w.platform.viewerOf(w.program()), viewer);
    const std::string bytes = readFile(w.program());
    replaceByRename(w.program(), "Changed once\r\n");
    QTRY_COMPARE(text->toPlainText(), QString("Changed once"));
    replaceByRename(w.program(), "Changed again\r\r\n\xE9t\xE9\r\n");
    QTRY_COMPARE(text->toPlainText(), QString::fromUtf8("Changed again\n\xC3\xA9t\xC3\xA9"));
    w.choose("Program");
    QCOMPARE(readFile(w.program()), bytes); // written again as before, and shown
    QCOMPARE(text->toPlainText(), fileLines(w.program()).join('\n'));
}

// pdftotext gives the rows with their spacing its own way; its word boxes
// show each word at its column of the report.
void ViewerTest::theExportedPdfKeepsTheReportsLinesAndColumns() {
    ViewingWindow w;
    w.click("Command1");
    w.choose("Program");
    const QString pdf = QString::fromStdString((w.folder / "program.pdf").string());
    QVERIFY(!w.platform.viewerOf(w.program())->exportPdf(pdf));
    QStringList page = firstPdfPage(pdf, "-layout").split('\n');
    for (QString& line : page)
        line = line.simplified();
    const QStringList lines = fileLines(w.program());
    for (int row : {0, 3, 5, 11, 15, 16, 19})
        QVERIFY2(page.contains(lines[row].simplified()), qPrintable(lines[row]));

    const auto words = firstPageWords(pdf);
    QVERIFY(words.size() > 200 && words[0].text == "Tallowmere");
    const PdfWord& first = words[0]; // at row 0, column 0
    const double column = (first.right - first.left) / first.text.size();
    const double row = first.bottom - first.top;
    for (const PdfWord& word : words) {
        const QString& line = lines[qRound((word.top - first.top) / row)];
        const int at = qRound((word.left - first.left) / column);
        QVERIFY2(line.mid(at, word.text.size()) == word.text,
                 qPrintable(word.text + " in " + line));
    }
}

void ViewerTest::printProfileOpensTheViewerLandscapeWithItsPreview() {
    ViewingWindow w;
    w.click("Command1");
    w.choose("EBET");
    w.choose("SelectionAndResults");
    w.click("Command4");
    w.choose("ALL");
    w.choose("Print2");
    const auto file = WorkFolder{w.window->form().WorkFolder}.printedProfile();
    gui::TextViewer* viewer = w.platform.viewerOf(file);
    QVERIFY(viewer && viewer->isVisible());
    QVERIFY(viewer->textView()->toPlainText().startsWith("               Races    S1"));
    QVERIFY(viewer->printPreview() && viewer->printPreview()->isVisible());
    QCOMPARE(viewer->printer().pageLayout().orientation(), QPageLayout::Landscape);
    w.choose("Print2"); // again: the same viewer and preview
    QCOMPARE(w.platform.viewerOf(file), viewer);
    viewer->printPreview()->close();
    QTRY_VERIFY(!viewer->printPreview());
}

// The sizes the README gives: the program view of the sample card is 128
// columns wide, the printed profile 208.
void ViewerTest::pagesTurnForWideReportsAndTakeTheLargestSizeThatFits_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("points");
    QTest::newRow("120 on A4") << 120 << int(QPageSize::A4) << int(QPageLayout::Portrait) << 7.4;
    QTest::newRow("120 on Letter")
        << 120 << int(QPageSize::Letter) << int(QPageLayout::Portrait) << 7.6;
    QTest::newRow("program on A4")
        << 128 << int(QPageSize::A4) << int(QPageLayout::Landscape) << 10.0;
    QTest::newRow("program on Letter")
        << 128 << int(QPageSize::Letter) << int(QPageLayout::Landscape) << 9.5;
    QTest::newRow("profile on A4")
        << 208 << int(QPageSize::A4) << int(QPageLayout::Landscape) << 6.2;
    QTest::newRow("profile on Letter")
        << 208 << int(QPageSize::Letter) << int(QPageLayout::Landscape) << 5.8;
}

void ViewerTest::pagesTurnForWideReportsAndTakeTheLargestSizeThatFits() {
    QFETCH(int, columns);
    QFETCH(int, paper);
    QFETCH(int, orientation);
    QFETCH(double, points);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
    const QStringList lines = {"Race", QString(columns, 'x')};
    gui::preparePrinter(printer, lines);
    QCOMPARE(int(printer.pageLayout().orientation()), orientation);
    QCOMPARE(gui::printedPointSize(printer, lines), points);
}

void ViewerTest::aFileThatCannotBeOpenedAndALinkWithNoBrowserAreTold() {
    gui::QtPlatform platform;
    SeenBox seen;
    noteNextBox(seen);
    platform.showTextFile("/nonexistent/Todays Results.txt");
    QCOMPARE(seen.title, QString("Tallowmere TB"));
    QCOMPARE(seen.text, QString("\"/nonexistent/Todays Results.txt\" could not be opened: "
                                "No such file or directory."));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QVERIFY(!platform.viewerOf("/nonexistent/Todays Results.txt"));
    noteNextBox(seen);
    platform.openUrl("https://www.example.com/entries?track=CT");
    QCOMPARE(seen.title, QString("Tallowmere TB"));
    QCOMPARE(seen.text, QString("No web browser could be opened for this address:\n"
                                "https://www.example.com/entries?track=CT"));
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QVERIFY(seen.flags.testFlag(Qt::TextSelectableByMouse));
}

int runViewerTests(int argc, char** argv) {
    ViewerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ViewerTest.moc"
