#include "SampleWindow.h"
#include "card/RecordFile.h"

#include <QListWidget>

using namespace tallowmere;
using tallowmere::testing::readFile;
using tallowmere::testing::SampleWindow;

// What the widgets show and how they are reached; what the commands compute is
// checked through the batch front end.
class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void aSessionOnTheMainScreenKeepsWhatWasTypedWhenClosed();
    void reportScreensShowTheirGridsAndCloseRaceCardClearsTheScreen();
};

// Starts, scratches, types results, moves between races by button, arrow and
// keyboard, and closes the window with Ctrl+Q.
void WindowTest::aSessionOnTheMainScreenKeepsWhatWasTypedWhenClosed() {
    SampleWindow w;
    QVERIFY(!w.item("MainScreen")->isVisible());
    QCOMPARE(w.item("SelectionAndResults")->text(), QString("&Selection && Results Summary"));
    w.item("Test")->trigger();
    QVERIFY(w.item("Test")->isChecked());
    w.item("Test")->trigger();
    QVERIFY(!w.item("Test")->isChecked());
    QVERIFY(!w.button("Command2(1)")->isVisible());
    w.click("Command1");
    QCOMPARE(w.button("Command1")->text().remove('&'), QString("Race: "));
    QVERIFY(!w.button("Command1")->isEnabled() && !w.item("Exit_Program")->isEnabled());
    QCOMPARE(w.caption("Label8"), QString("1"));
    QCOMPARE(w.caption("Label4(0)").trimmed(), QString("Charles Town"));
    for (int race = 1; race <= 9; ++race)
        QVERIFY(w.button(QString("Command2(%1)").arg(race).toUtf8())->isVisible());
    QVERIFY(!w.button("Command2(10)")->isVisible());
    QVERIFY(w.cell("MSFlexGrid1", 1, 0).startsWith("RACE: 1"));
    QVERIFY(w.grid("MSFlexGrid1")->isColumnHidden(19));
    QCOMPARE(w.box("Text39(1)")->text(), QString("1"));

    const QString caption = w.button("Command3(2)")->text();
    w.platform.answer = MessageAnswer::No;
    w.click("Command3(2)");
    QCOMPARE(w.button("Command3(2)")->text(), caption);
    w.platform.answer = MessageAnswer::Yes;
    w.click("Command3(2)");
    QCOMPARE(w.button("Command3(2)")->text(), QString("X"));
    QCOMPARE(w.cell("MSFlexGrid1", 10, 23), QString("SCR"));
    QCOMPARE(std::count(w.platform.calls.begin(), w.platform.calls.end(), "beep"), 2);

    QTest::keyClicks(w.box("Text39(5)"), "7");
    QTest::keyClicks(w.box("Text39(6)"), "12");
    QCOMPARE(w.caption("Label4(1)"), QString("7"));
    QCOMPARE(w.caption("Label4(2)"), QString("12"));
    QTest::keyClicks(w.box("Text57(1)"), "8.40");

    w.click("Command2(3)");
    QCOMPARE(w.caption("Label8"), QString("3"));
    QCOMPARE(w.box("Text57(0)")->text(), QString("Race: 3"));
    QVERIFY(w.cell("MSFlexGrid1", 1, 0).startsWith("RACE: 3"));
    w.click("Command5");
    QCOMPARE(w.caption("Label8"), QString("2"));
    w.click("Command2(9)");
    w.click("Command6");
    QCOMPARE(w.caption("Label8"), QString("9"));
    QCOMPARE(w.button("Command2(9)")->palette().color(QPalette::Button), QColor(255, 0, 0));
    QCOMPARE(w.button("Command2(3)")->palette().color(QPalette::Button), QColor(192, 192, 192));
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.button("Command2(3)")->setFocus();
    QTest::keyClick(w.button("Command2(3)"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.button("Command2(4)")));
    QTest::keyClick(w.button("Command2(4)"), Qt::Key_Space);
    QCOMPARE(w.caption("Label8"), QString("4"));
    QTest::keyClicks(w.box("Text39(7)"), "6");

    QTest::keyClick(w.window.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!w.window->isVisible());
    const auto saved = withRecordFileText({}, readFile(w.recordFile()), 9);
    QVERIFY(saved.has_value());
    QCOMPARE(saved->CardPicks.valueAt(1, 6), std::string("12"));
    QCOMPARE(saved->CardPayoffs.valueAt(1, 1), std::string("8.40"));
    QCOMPARE(saved->CardPicks.valueAt(4, 7), std::string("6"));
    QVERIFY(!w.platform.ended);
}

void WindowTest::reportScreensShowTheirGridsAndCloseRaceCardClearsTheScreen() {
    SampleWindow w;
    w.click("Command1");
    w.item("EBET")->trigger();
    QCOMPARE(w.caption("Label4(1)"), w.box("Text39(5)")->text());
    w.item("SelectionAndResults")->trigger();
    QVERIFY(w.grid("MSFlexGrid2")->isVisible() && w.find<QWidget>("Frame5")->isVisible());
    QCOMPARE(w.cell("MSFlexGrid2", 22, 0), QString("PCT"));
    w.click("Command4");
    QVERIFY(!w.button("Command4")->isEnabled());
    w.item("ALL")->trigger();
    QVERIFY(w.grid("MSFlexGrid3")->isVisible());
    QCOMPARE(w.window->windowTitle(), QString("Betting Profile"));
    QVERIFY(w.item("Print2")->isVisible() && !w.item("Print1")->isVisible());
    w.item("Select")->trigger();
    w.item("Select")->trigger();
    auto* list = w.find<QListWidget>("List1");
    QVERIFY(list->isVisible());
    QCOMPARE(list->item(0)->text(), QString("CT"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QVERIFY(!list->isVisible());
    QCOMPARE(w.cell("MSFlexGrid3", 9, 0), QString("1 Race Cards"));
    w.item("MainScreen")->trigger();
    QCOMPARE(w.window->windowTitle(), QString("Tallowmere Thoroughbred PRO"));
    w.item("CRC")->trigger();
    QVERIFY(std::filesystem::exists(w.recordFile()));
    QCOMPARE(w.caption("Label8"), QString("RN"));
    QVERIFY(w.item("Exit_Program")->isEnabled());
    QVERIFY(w.cell("MSFlexGrid1", 1, 0).isEmpty());
}

int runWindowTests(int argc, char** argv) {
    WindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowTest.moc"
