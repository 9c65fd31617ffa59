#include "SampleWindow.h"
#include "gui/ProfileAnalysisView.h"

#include <QGroupBox>
#include <QListWidget>
#include <QScrollBar>
#include <QSettings>

using namespace tallowmere;
using tallowmere::testing::SampleWindow;

// How the window fits a 1366 x 768 screen (the tests' offscreen screen).
class LayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QSettings().clear(); }
    void cleanup() { QSettings().clear(); }
    void everyScreenFitsTheWindowWithNothingCutOff();
    void aRaceChangeShowsTheNewRaceFromItsTopRow();
    void theTrackListStandsBesideTheProfileGridAndTakesClicks();
    void theWindowKeepsItsSizeAndPlaceBetweenStarts();
};

namespace {

// Every control shown lies inside the window.
void checkEveryControlInside(const SampleWindow& w, const char* screen) {
    QApplication::processEvents();
    const QRect window = w.window->rect();
    for (QWidget* control : w.window->findChildren<QWidget*>()) {
        if (!control->isVisible() || control->isWindow() ||
            !(qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
              qobject_cast<QLabel*>(control) || qobject_cast<QAbstractItemView*>(control) ||
              qobject_cast<QGroupBox*>(control)))
            continue;
        const QRect place(control->mapTo(w.window.get(), QPoint(0, 0)), control->size());
        QVERIFY2(window.contains(place), qPrintable(QString("%1: %2 at %3,%4 %5x%6")
                                                        .arg(screen, control->objectName())
                                                        .arg(place.x())
                                                        .arg(place.y())
                                                        .arg(place.width())
                                                        .arg(place.height())));
    }
}

} // namespace

void LayoutTest::everyScreenFitsTheWindowWithNothingCutOff() {
    SampleWindow w;
    QCOMPARE(w.window->size(), QSize(1366, 768));
    QVERIFY(w.find<QLabel>("Notice")->text().contains("Press Start"));
    checkEveryControlInside(w, "before Start");
    w.click("Command1");
    QVERIFY(w.find<QLabel>("Notice")->isHidden());
    w.click("Command2(5)");
    w.item("EBET")->trigger();
    checkEveryControlInside(w, "race card");
    w.item("SelectionAndResults")->trigger();
    checkEveryControlInside(w, "summary");
    QCOMPARE(w.cell("MSFlexGrid2", 21, 0), QString("Total"));
    w.click("Command4");
    w.item("ALL")->trigger();
    checkEveryControlInside(w, "profile");
    QVERIFY(w.window->profileAnalysis()->isVisible());
    w.window->resize(900, 600); // as small as the window goes
    const QSize smallest = w.window->size();
    w.item("MainScreen")->trigger();
    QApplication::processEvents();
    QCOMPARE(w.window->size(), smallest);
    QVERIFY(w.find<QWidget>("Image2")->isVisible());
    w.item("CRC")->trigger();
    QCOMPARE(w.find<QLabel>("Notice")->text(),
             QString("No race card is open. Choose File > New/Recall Race Card to load one."));
    checkEveryControlInside(w, "closed card");
}

void LayoutTest::aRaceChangeShowsTheNewRaceFromItsTopRow() {
    SampleWindow w;
    w.click("Command1");
    QScrollBar* rows = w.grid("MSFlexGrid1")->verticalScrollBar();
    rows->setValue(rows->maximum());
    QVERIFY(rows->value() > 0);
    w.click("Command2(5)");
    QCOMPARE(rows->value(), 0);
}

void LayoutTest::theTrackListStandsBesideTheProfileGridAndTakesClicks() {
    SampleWindow w;
    w.click("Command1");
    w.item("EBET")->trigger();
    w.item("SelectionAndResults")->trigger();
    w.click("Command4");
    w.item("ALL")->trigger();
    w.item("Select")->trigger();
    w.item("Select")->trigger();
    QApplication::processEvents();
    auto* list = w.find<QListWidget>("List1");
    QTableView* grid = w.grid("MSFlexGrid3");
    QVERIFY(list->isVisible() && grid->isVisible());
    QVERIFY(!list->geometry().intersects(grid->geometry()));
    QVERIFY(list->geometry().left() >= grid->geometry().right());
    checkEveryControlInside(w, "track list");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QCOMPARE(w.cell("MSFlexGrid3", 9, 0), QString("1 Race Cards"));
}

void LayoutTest::theWindowKeepsItsSizeAndPlaceBetweenStarts() {
    QSettings().clear();
    {
        SampleWindow w;
        w.window->setWindowState(Qt::WindowNoState);
        w.window->setGeometry(40, 30, 1250, 700);
        w.window->close();
    }
    SampleWindow again;
    QCOMPARE(again.window->geometry(), QRect(40, 30, 1250, 700));
}

int runLayoutTests(int argc, char** argv) {
    LayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LayoutTest.moc"
