#include "gui/QtPlatform.h"

#include <QApplication>
#include <QDate>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tallowmere;

class QtPlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void aMessageShowsItsTitleTextIconAndButtonsAndGivesTheAnswerAndDatesAreTheSystems();

  private:
    // Answers the message box about to open with `button`, noting what it showed.
    void answerWith(QMessageBox::StandardButton button);

    QString title_, text_;
    QMessageBox::Icon icon_ = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons_;
    QMessageBox::StandardButton default_ = QMessageBox::NoButton;
};

void QtPlatformTest::answerWith(QMessageBox::StandardButton button) {
    QTimer::singleShot(0, this, [this, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title_ = box->windowTitle();
        text_ = box->text();
        icon_ = box->icon();
        buttons_ = box->standardButtons();
        default_ = box->standardButton(box->defaultButton());
        box->button(button)->click();
    });
}

void QtPlatformTest::
    aMessageShowsItsTitleTextIconAndButtonsAndGivesTheAnswerAndDatesAreTheSystems() {
    gui::QtPlatform platform;
    const Message question{"Scratch Entry", "Are you sure you want to Scratch 2  Ca\xF1on ?    ",
                           MessageButtons::YesNo, MessageIcon::Critical, 2};
    answerWith(QMessageBox::No);
    QVERIFY(platform.showMessage(question) == MessageAnswer::No);
    QCOMPARE(title_, QString("Scratch Entry"));
    QCOMPARE(text_, QString::fromUtf8("Are you sure you want to Scratch 2  Ca\xC3\xB1on ?    "));
    QCOMPARE(icon_, QMessageBox::Critical);
    QCOMPARE(buttons_, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(default_, QMessageBox::No);
    answerWith(QMessageBox::Yes);
    QVERIFY(platform.showMessage(question) == MessageAnswer::Yes);
    answerWith(QMessageBox::Ok);
    QVERIFY(platform.showMessage({"Tallowmere TB", "Tallowmere Thoroughbred PRO\nHandicapping",
                                  MessageButtons::Ok, MessageIcon::Information}) ==
            MessageAnswer::Ok);
    QCOMPARE(icon_, QMessageBox::Information);
    QCOMPARE(buttons_, QMessageBox::Ok);
    const QString expected = QLocale::system().toString(QDate(2026, 12, 5), QLocale::ShortFormat);
    QCOMPARE(QString::fromStdString(platform.shortDate(2026, 12, 5)), expected);
    QVERIFY(expected.contains("5"));
}

int runQtPlatformTests(int argc, char** argv) {
    QtPlatformTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "QtPlatformTest.moc"
