#include "SampleWindow.h"
#include "card/RecordFile.h"

#include <QListWidget>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::SampleWindow;

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startShowsRaceOneAndTheRaceButtons();
    void raceButtonsAndArrowsMoveBetweenRaces();
    void aScratchAnsweredNoChangesNothingAndYesScratches();
    void typingAFinisherMovesTheToteBoardLabels();
    void autoRecordSummaryRecordAndProfiles();
    void closeRaceCardSavesTheCard();
    void closingTheWindowKeepsTypedResults();
    void ctrlQClosesTheWindow();
    void menuItemsFollowTheScreen();
    void aboutAndVersion();
    void raceButtonsAreReachedByTab();
};

void WindowTest::startShowsRaceOneAndTheRaceButtons() {
    SampleWindow w;
    QVERIFY(w.button("Command1")->isEnabled());
    QVERIFY(!w.button("Command2(1)")->isVisible());
    QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
    QCOMPARE(w.button("Command1")->text().remove('&'), QString("Race: "));
    QVERIFY(!w.button("Command1")->isEnabled());
    QCOMPARE(w.caption("Label8"), QString("1"));
    QCOMPARE(w.caption("Label4(0)").trimmed(), QString("Charles Town"));
    for (int race = 1; race <= 9; ++race)
        QVERIFY(w.button(QString("Command2(%1)").arg(race).toUtf8())->isVisible());
    QVERIFY(!w.button("Command2(10)")->isVisible());
    QCOMPARE(w.button("Command2(1)")->palette().color(QPalette::Button), QColor(255, 0, 0));
    QCOMPARE(w.cell("MSFlexGrid1", 0, 1), QString("Date"));
    QVERIFY(w.cell("MSFlexGrid1", 1, 0).startsWith("RACE: 1"));
    QVERIFY(w.grid("MSFlexGrid1")->isColumnHidden(19));
    QCOMPARE(w.box("Text39(1)")->text(),
             QString::fromStdString(w.window->form().Records.CardPicks.valueAt(1, 1)));
    QVERIFY(!w.box("Text39(1)")->text().isEmpty());
}

void WindowTest::raceButtonsAndArrowsMoveBetweenRaces() {
    SampleWindow w;
    QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
    QTest::mouseClick(w.button("Command2(3)"), Qt::LeftButton);
    QCOMPARE(w.caption("Label8"), QString("3"));
    QCOMPARE(w.box("Text57(0)")->text(), QString("Race: 3"));
    QVERIFY(w.cell("MSFlexGrid1", 1, 0).startsWith("RACE: 3"));
    QTest::mouseClick(w.button("Command5"), Qt::LeftButton);
    QCOMPARE(w.caption("Label8"), QString("2"));
    QTest::mouseClick(w.button("Command2(9)"), Qt::LeftButton);
    QTest::mouseClick(w.button("Command6"), Qt::LeftButton);
    QCOMPARE(w.caption("Label8"), QString("9"));
    QCOMPARE(w.button("Command2(9)")->palette().color(QPalette::Button), QColor(255, 0, 0));
    QCOMPARE(w.button("Command2(3)")->palette().color(QPalette::Button), QColor(192, 192, 192));
}

void WindowTest::aScratchAnsweredNoChangesNothingAndYesScratches() {
    SampleWindow w;
    QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
    const QString caption = w.button("Command3(2)")->text();
    w.platform.answer = MessageAnswer::No;
    QTest::mouseClick(w.button("Command3(2)"), Qt::LeftButton);
    QCOMPARE(w.platform.messages.back().title, std::string("Scratch Entry"));
    QCOMPARE(w.button("Command3(2)")->text(), caption);
    QVERIFY(w.cell("MSFlexGrid1", 10, 23) != "SCR");
    w.platform.answer = MessageAnswer::Yes;
    QTest::mouseClick(w.button("Command3(2)"), Qt::LeftButton);
    QCOMPARE(w.button("Command3(2)")->text(), QString("X"));
    for (int row = 10; row <= 15; ++row)
        QCOMPARE(w.cell("MSFlexGrid1", row, 23), QString("SCR"));
    QCOMPARE(std::count(w.platform.calls.begin(), w.platform.calls.end(), "beep"), 2);
}

void WindowTest::typingAFinisherMovesTheToteBoardLabels() {
    SampleWindow w;
    QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
    QTest::keyClicks(w.box("Text39(5)"), "7");
    QTest::keyClicks(w.box("Text39(6)"), "12");
    QCOMPARE(w.caption("Label4(1)"), QString("7"));
    QCOMPARE(w.caption("Label4(2)"), QString("12"));
    QCOMPARE(w.window->form().Text39(6).text, std::string("12"));
    QTest::keyClicks(w.box("Text57(1)"), "8.40");
    QTest::mouseClick(w.button("Command2(2)"), Qt::LeftButton);
    QCOMPARE(w.window->form().Records.CardPicks.valueAt(1, 6), std::string("12"));
    QCOMPARE(w.window->form().Records.CardPayoffs.valueAt(1, 1), std::string("8.40"));
}

void WindowTest::autoRecordSummaryRecordAndProfiles() {
    SampleWindow w;
    QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
    w.item("EBET")->trigger();
    QVERIFY(!w.box("Text39(5)")->text().isEmpty());
    QCOMPARE(w.caption("Label4(1)"), w.box("Text39(5)")->text());
    QVERIFY(!w.grid("MSFlexGrid2")->isVisible());
    w.item("SelectionAndResults")->trigger();
    QVERIFY(w.grid("MSFlexGrid2")->isVisible());
    QVERIFY(w.find<QWidget>("Frame5")->isVisible());
    QCOMPARE(w.cell("MSFlexGrid2", 1, 0), QString("Race 1"));
    QCOMPARE(w.cell("MSFlexGrid2", 22, 0), QString("PCT"));
    QVERIFY(w.button("Command4")->isEnabled());
    QTest::mouseClick(w.button("Command4"), Qt::LeftButton);
    QVERIFY(readFile(w.folder / "TBA.ini").starts_with("   CT_20261205"));
    QVERIFY(!w.button("Command4")->isEnabled());

    // The profiles of all tracks and of the track list, over that archive line.
    w.item("ALL")->trigger();
    QVERIFY(w.grid("MSFlexGrid3")->isVisible());
    QCOMPARE(w.window->windowTitle(), QString("Betting Profile"));
    QCOMPARE(w.cell("MSFlexGrid3", 9, 0), QString("1 Race Cards"));
    QVERIFY(w.item("Print2")->isVisible());
    QVERIFY(!w.item("Print1")->isVisible());
    QVERIFY(!w.item("EBET")->isVisible());
    w.item("Print2")->trigger();
    QCOMPARE(w.platform.calls.back(), "view " + (w.folder / "Profile Results.txt").string());
    w.item("Select")->trigger();
    w.item("Select")->trigger();
    auto* list = w.find<QListWidget>("List1");
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QString("CT"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QVERIFY(!list->isVisible());
    QCOMPARE(w.cell("MSFlexGrid3", 9, 0), QString("1 Race Cards"));
}

void WindowTest::closeRaceCardSavesTheCard() {
    SampleWindow w;
    QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
    QVERIFY(!w.item("Exit_Program")->isEnabled());
    w.item("CRC")->trigger();
    QVERIFY(std::filesystem::exists(w.recordFile()));
    QCOMPARE(w.caption("Label8"), QString("RN"));
    QVERIFY(w.item("Exit_Program")->isEnabled());
    QVERIFY(w.cell("MSFlexGrid1", 1, 0).isEmpty());
}

void WindowTest::closingTheWindowKeepsTypedResults() {
    SampleWindow w;
    QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
    QTest::mouseClick(w.button("Command2(4)"), Qt::LeftButton);
    QTest::keyClicks(w.box("Text39(7)"), "6");
    QVERIFY(w.window->close());
    const auto saved = withRecordFileText({}, readFile(w.recordFile()), 9);
    QVERIFY(saved.has_value());
    QCOMPARE(saved->CardPicks.valueAt(4, 7), std::string("6"));
    QVERIFY(!w.platform.ended);
}

void WindowTest::ctrlQClosesTheWindow() {
    SampleWindow w;
    QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QTest::keyClick(w.window.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!w.window->isVisible());
    QVERIFY(std::filesystem::exists(w.recordFile()));
}

void WindowTest::menuItemsFollowTheScreen() {
    SampleWindow w;
    QVERIFY(!w.item("MainScreen")->isVisible());
    QVERIFY(!w.item("Print2")->isVisible());
    QCOMPARE(w.item("SelectionAndResults")->text(), QString("&Selection && Results Summary"));
    w.item("Test")->trigger();
    QVERIFY(w.item("Test")->isChecked());
    w.item("Test")->trigger();
    QVERIFY(!w.item("Test")->isChecked());
    QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
    QVERIFY(!w.item("NewRC")->isEnabled());
    w.item("SelectionAndResults")->trigger();
    QVERIFY(w.item("MainScreen")->isVisible());
    QVERIFY(!w.item("SelectionAndResults")->isVisible());
    w.item("MainScreen")->trigger();
    QVERIFY(!w.grid("MSFlexGrid2")->isVisible());
    QVERIFY(w.find<QWidget>("Frame3")->isVisible());
    w.item("Tracks")->trigger();
    QCOMPARE(w.platform.calls.back(), "view " + (w.folder / "TrackEditor.ini").string());
    w.item("TRC")->trigger();
    QVERIFY(w.platform.calls.back().starts_with("open "));
}

void WindowTest::aboutAndVersion() {
    SampleWindow w;
    w.item("About")->trigger();
    QCOMPARE(w.platform.messages.back().title, std::string("Tallowmere TB"));
    QVERIFY(w.platform.messages.back().text.starts_with("Tallowmere Thoroughbred PRO\n"));
    QVERIFY(w.platform.messages.back().icon == MessageIcon::Information);
    w.item("Version")->trigger();
    QCOMPARE(w.platform.messages.back().text, std::string("Tallowmere Thoroughbred PRO v2.0"));
    QVERIFY(w.platform.messages.back().icon == MessageIcon::None);
}

void WindowTest::raceButtonsAreReachedByTab() {
    SampleWindow w;
    QTest::mouseClick(w.button("Command1"), Qt::LeftButton);
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.button("Command2(1)")->setFocus();
    QTest::keyClick(w.button("Command2(1)"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.button("Command2(2)")));
    QTest::keyClick(w.button("Command2(2)"), Qt::Key_Space);
    QCOMPARE(w.caption("Label8"), QString("2"));
}

int runWindowTests(int argc, char** argv) {
    WindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowTest.moc"
