// Window activation of the main window against the message box and the tab change.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "app/ui/msgbox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace kovolo;

class TestGuiActivation : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }
    void init() { resetGlobals(); }

    void tabChosenRightAfterShowingStays()
    {
        MainWindow window;
        window.show();
        // The activation that showing brings arrives while this tab change lets events run.
        window.selectTab(2);
        QTest::qWait(50);
        QCOMPARE(window.selectedTab(), 2);
        QCOMPARE(globals().currentTab, std::int16_t(2));
        window.findChild<QLineEdit*>("Text6")->setText("10");
        window.findChild<QPushButton*>("CommandWdg0")->click();
        QCOMPARE(window.findChild<QLabel*>("Label44")->text(), QString("46"));
    }

    void answeringAReportDoesNotRunTheCalculationAgain()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.selectTab(2);
        window.findChild<QLineEdit*>("Text9")->setText("1e200");

        // Answers every box that comes up and counts them.
        int boxes = 0;
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (box && box->objectName() == "PimMsgBox") {
                ++boxes;
                box->findChild<QPushButton*>("Command2")->click();
            }
        });
        answerer.start(10);
        window.findChild<QPushButton*>("CommandL1")->click();
        // Focus returns to the main window (done by the window manager on a desktop); that must
        // not start the failing calculation again.
        window.activateWindow();
        QTRY_VERIFY(window.isActiveWindow());
        QTest::qWait(200);
        answerer.stop();
        QCOMPARE(boxes, 1);
    }
};

QTEST_MAIN(TestGuiActivation)
#include "test_gui_activation.moc"
