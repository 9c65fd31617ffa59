#include "gui/GridView.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFont>
#include <QHeaderView>
#include <QTest>

using namespace tallowmere;

class GridModelTest : public QObject {
    Q_OBJECT

  private slots:
    void cellsShowTheirTextStyleAndColoursAndTheViewItsSizes();
};

void GridModelTest::cellsShowTheirTextStyleAndColoursAndTheViewItsSizes() {
    Grid grid(3, 3);
    grid.setText(1, 1, "Ca\xF1on");
    GridCell& title = *grid.cell(1, 2);
    title.text = "Title";
    title.bold = true;
    title.fontSize = 10;
    title.backColor = red;
    title.foreColor = white;
    grid.cell(2, 2)->alignment = CellAlignment::Right;
    grid.cell(0, 1)->backColor = Rgb{255, 255, 100};
    gui::GridModel model(grid);
    QVERIFY(model.index(0, 0).data(Qt::BackgroundRole).isValid());
    QCOMPARE(model.index(0, 1).data(Qt::BackgroundRole).value<QBrush>().color(),
             QColor(255, 255, 100));
    QVERIFY(!model.index(1, 1).data(Qt::BackgroundRole).isValid());
    QCOMPARE(model.index(1, 1).data().toString(), QString::fromUtf8("Ca\xC3\xB1on"));
    const QFont font = model.index(1, 2).data(Qt::FontRole).value<QFont>();
    QVERIFY(font.bold());
    QVERIFY(font.pointSizeF() > model.gridFont().pointSizeF());
    QCOMPARE(model.index(1, 2).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 0, 0));
    QCOMPARE(model.index(1, 2).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::white));
    QCOMPARE(model.index(2, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignRight | Qt::AlignVCenter);
    QVERIFY(!model.index(2, 1).data(Qt::FontRole).value<QFont>().bold());
    grid.setRows(7);
    grid.setText(2, 0, "120.4");
    grid.setText(3, 0, "1 1/2");
    grid.setText(4, 0, "nk");
    grid.setText(2, 1, "3 1/4");
    model.refresh();
    QCOMPARE(model.rowCount(), 7);
    QCOMPARE(model.index(4, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignRight | Qt::AlignVCenter); // in a column of figures
    QCOMPARE(model.index(2, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignLeft | Qt::AlignVCenter);
    grid.setColumnWidth(0, 1500);
    grid.setColumnWidth(1, 0);
    grid.setRowHeight(2, 480);
    grid.top = 150;
    grid.left = 300;
    grid.width = 3000;
    grid.height = 1500;
    gui::GridView view(grid, "grid", nullptr);
    view.render(gui::Twips(96.0));
    QCOMPARE(view.geometry(), QRect(20, 10, 200, 100));
    QCOMPARE(view.columnWidth(0), 100);
    QVERIFY(view.isColumnHidden(1));
    QVERIFY(!view.isColumnHidden(2));
    QCOMPARE(view.rowHeight(2), 32);
    QCOMPARE(view.rowHeight(1), 16);
    QVERIFY(view.isRowHidden(5) && view.isRowHidden(6)); // scrolling ends at the last row in use
    QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&view, &tabbedIn);
    QVERIFY(!view.currentIndex().isValid()); // no cell drawn as chosen
    view.selectAll();
    QCOMPARE(view.selectedText(), QString("\t\n\tTitle\n120.4\t\n1 1/2\t\nnk\t\n"));
    grid.setColumnWidth(2, 30);
    view.render(gui::Twips(96.0));
    QVERIFY(view.columnWidth(2) > QFontMetrics(view.font()).horizontalAdvance("Title"));
    view.render(gui::Twips(192.0));
    QCOMPARE(view.columnWidth(0), 200);
    grid.visible = false;
    view.render(gui::Twips(96.0));
    QVERIFY(view.isHidden());
}

int runGridModelTests(int argc, char** argv) {
    GridModelTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GridModelTest.moc"
