#include "gui/ControlTips.h"

#include "SampleWindow.h"
#include "gui/MenuTips.h"

#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>

using namespace tallowmere;
using namespace tallowmere::gui;
using tallowmere::testing::SampleWindow;

// Each thing the window offers says what it is.
class ControlTipsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyItemControlAndHeadingHasATip();
    void toolsTakeDistinctMnemonicsAndExitAndPrintTheirShortcuts();
};

void ControlTipsTest::everyItemControlAndHeadingHasATip() {
    SampleWindow w;
    const Menus menus;
    for (const MenuNode& node : menuTree()) {
        const std::string& name = (menus.*node.item).name;
        QVERIFY2(!menuTip(name).isEmpty(), name.c_str());
        QCOMPARE(w.item(name.c_str())->toolTip(), menuTip(name));
    }
    w.click("Command1");
    w.item("EBET")->trigger();
    w.item("SelectionAndResults")->trigger();
    w.click("Command4");
    w.item("ALL")->trigger();
    for (const char* grid : {"MSFlexGrid1", "MSFlexGrid2", "MSFlexGrid3"}) {
        const auto* model = w.grid(grid)->model();
        int headings = 0;
        for (int column = 0; column < model->columnCount(); ++column) {
            const QString heading = model->index(0, column).data().toString();
            if (heading.trimmed().isEmpty())
                continue;
            ++headings;
            QVERIFY2(
                model->index(0, column).data(Qt::ToolTipRole).toString().startsWith(heading + ": "),
                qPrintable(heading));
        }
        QVERIFY(headings >= 19);
        QVERIFY(!model->index(1, 1).data(Qt::ToolTipRole).isValid());
    }
    for (const auto* control :
         w.window->findChildren<QWidget*>(QRegularExpression("^(Command|Text39|Text57|List1)")))
        QVERIFY2(!control->toolTip().isEmpty(), qPrintable(control->objectName()));
    QCOMPARE(controlTip("Text57(8)"), QString("Trifecta payoff"));
}

void ControlTipsTest::toolsTakeDistinctMnemonicsAndExitAndPrintTheirShortcuts() {
    SampleWindow w;
    QString mnemonics;
    for (const QAction* action : w.item("Tools")->menu()->actions()) {
        const auto mnemonic = QRegularExpression("&([^&])").match(action->text());
        QVERIFY2(mnemonic.hasMatch(), qPrintable(action->text()));
        QVERIFY2(!mnemonics.contains(mnemonic.captured(1).toLower()), qPrintable(action->text()));
        mnemonics += mnemonic.captured(1).toLower();
    }
    QCOMPARE(w.item("Editor")->text(), QString("&Editor"));
    QCOMPARE(w.item("Test")->text(), QString("Te&st"));
    QCOMPARE(w.item("Exit_Program")->shortcut(), QKeySequence("Ctrl+Q"));
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    w.item("ALL")->trigger(); // Print Profile in the place of Print
    QTest::keyClick(w.window.get(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(w.platform.calls.back().ends_with("Profile Results.txt"));
    QTest::keyClick(w.window.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(w.platform.ended);
}

int runControlTipsTests(int argc, char** argv) {
    ControlTipsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ControlTipsTest.moc"
