#include "gui/QtPlatform.h"
#include "gui/TextEditorWindow.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::TempFolder;
using tallowmere::testing::writeFile;

namespace {

const std::string goodLine = "CD  Churchill Downs     112    109  1.M";
const std::string badLine = "CD  Churchill Downs     fst    109  1.M";

std::vector<gui::TextEditorWindow*> openEditors() {
    std::vector<gui::TextEditorWindow*> editors;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* editor = dynamic_cast<gui::TextEditorWindow*>(widget);
            editor && editor->isVisible())
            editors.push_back(editor);
    return editors;
}

} // namespace

class TextEditorTest : public QObject {
    Q_OBJECT

  private slots:
    void theTrackListsEditorMarksRefusesNoticesAndSavesWithABackup();
    void aFolderIsNotOpenedAndClosingTheMainWindowClosesTheEditors();

  private:
    // Answers every question with `answer_`, noting its text.
    void answerQuestions(gui::TextEditorWindow& editor) {
        editor.ask = [this](const gui::EditorQuestion& question) {
            asked_ << question.text;
            return answer_;
        };
    }

    QStringList asked_;
    int answer_ = 0;
};

void TextEditorTest::theTrackListsEditorMarksRefusesNoticesAndSavesWithABackup() {
    TempFolder folder;
    const auto file = folder / "TrackEditor.ini";
    writeFile(file, goodLine + "\r\n" + badLine + "\r\n");
    gui::QtPlatform platform;
    platform.editTextFile(file, EditedFile::TrackList);
    platform.editTextFile(folder.path() / "." / "TrackEditor.ini", EditedFile::TrackList);
    const auto editors = openEditors();
    QCOMPARE(editors.size(), std::size_t(1));
    gui::TextEditorWindow& editor = *editors.front();
    answerQuestions(editor);
    QVERIFY(editor.windowTitle().startsWith("TrackEditor.ini"));
    QCOMPARE(editor.editor()->extraSelections().size(), 1);
    QCOMPARE(editor.editor()->extraSelections().front().cursor.block().blockNumber(), 1);
    QCOMPARE(editor.status(), QString("1 line the program cannot read (marked in red)."));

    // A character Windows-1252 has no byte for is named, and nothing is written.
    QTextCursor end(editor.editor()->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QString::fromUtf8("\nSA  Santa Ana\xC4\x81"));
    QVERIFY(editor.isWindowModified());
    QVERIFY(!editor.save());
    QCOMPARE(asked_.size(), 1);
    QVERIFY(asked_.back().contains("line 3 holds"));
    QVERIFY(asked_.back().contains("U+0101"));
    QCOMPARE(readFile(file), goodLine + "\r\n" + badLine + "\r\n");

    // Fixed, it is saved whole in its own line ends, the opened file kept once.
    editor.editor()->setPlainText(QString::fromStdString(goodLine + "\n" + goodLine));
    QVERIFY(editor.editor()->extraSelections().isEmpty());
    QVERIFY(editor.save());
    QVERIFY(!editor.isWindowModified());
    QCOMPARE(readFile(file), goodLine + "\r\n" + goodLine + "\r\n");
    QCOMPARE(readFile(folder / "TrackEditor.ini.bak"), goodLine + "\r\n" + badLine + "\r\n");

    // A change on disk is noticed: overwritten when the user says so, kept as a backup.
    writeFile(file, "AQU Aqueduct\r\n");
    editor.editor()->appendPlainText("SA  Santa Anita");
    answer_ = 1;
    QVERIFY(editor.save());
    QVERIFY(asked_.back().contains("has changed on disk"));
    QCOMPARE(readFile(folder / "TrackEditor.ini.bak2"), std::string("AQU Aqueduct\r\n"));
    QCOMPARE(readFile(file), goodLine + "\r\n" + goodLine + "\r\nSA  Santa Anita\r\n");

    // Or reloaded.
    writeFile(file, "AQU Aqueduct\r\n");
    QTest::keyClick(editor.editor(), Qt::Key_Return, Qt::ShiftModifier);
    QVERIFY(editor.editedText().find("\xE2\x80\xA8") == std::string::npos);
    answer_ = 0;
    QVERIFY(!editor.save());
    QCOMPARE(editor.editor()->toPlainText(), QString("AQU Aqueduct"));
    QVERIFY(!editor.isWindowModified());

    // Closing with unsaved changes asks first.
    editor.editor()->appendPlainText("x");
    answer_ = 2;
    QVERIFY(!editor.close());
    QVERIFY(asked_.back().startsWith("Save the changes to TrackEditor.ini?"));
    answer_ = 1;
    QVERIFY(editor.close());
    QCOMPARE(readFile(file), std::string("AQU Aqueduct\r\n"));
}

void TextEditorTest::aFolderIsNotOpenedAndClosingTheMainWindowClosesTheEditors() {
    TempFolder folder;
    std::filesystem::create_directory(folder / "TBA.ini");
    QWidget window;
    window.show();
    gui::QtPlatform platform;
    platform.setWindow(&window);
    QString told;
    QTimer::singleShot(0, this, [&told] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        told = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    platform.editTextFile(folder / "TBA.ini", EditedFile::Archive);
    QVERIFY(told.endsWith("is not a regular file: nothing was read or written."));
    QVERIFY(openEditors().empty());

    writeFile(folder / "results.pmr", "");
    platform.editTextFile(folder / "results.pmr", EditedFile::ResultsChart);
    QCOMPARE(openEditors().size(), std::size_t(1));
    QVERIFY(openEditors().front()->status().isEmpty()); // a chart's lines are never marked
    openEditors().front()->editor()->appendPlainText("x");
    QString title;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        told = box->text();
        for (QAbstractButton* button : box->buttons())
            if (button->text() == "&Discard")
                button->click();
    });
    window.close();
    QCOMPARE(title, QString("Tallowmere TB"));
    QCOMPARE(told, QString("Save the changes to results.pmr?"));
    QVERIFY(openEditors().empty());
    QCOMPARE(readFile(folder / "results.pmr"), std::string());
}

int runTextEditorTests(int argc, char** argv) {
    TextEditorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TextEditorTest.moc"
