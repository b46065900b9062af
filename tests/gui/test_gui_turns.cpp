// The turns-and-wire and inductance-from-turns frames, driven on the real main window.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "app/ui/msgbox.h"
#include "numbers/format.h"

#include "guitestsupport.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace kovolo;

namespace {

struct Answer {
    bool shown = false;
    QString title;
    bool cancelVisible = false;
};

// Answers the next message box with OK and records what it showed.
void answerNextBox(Answer* answer)
{
    QTimer::singleShot(0, [answer] {
        QWidget* box = messageBox();
        answer->shown = box->isVisible();
        answer->title = box->windowTitle();
        answer->cancelVisible = box->findChild<QPushButton*>("Command1")->isVisible();
        box->findChild<QPushButton*>("Command2")->click();
    });
}

} // namespace

class TestGuiTurns : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QTemporaryDir settingsDir;

    template <class T> T* get(const char* name)
    {
        return guitest::childNamed<T>(window.get(), name);
    }
    QString text(const char* label) { return get<QLabel>(label)->text(); }
    void type(const char* field, const QString& value) { get<QLineEdit>(field)->setText(value); }
    void click(const char* button) { get<QPushButton>(button)->click(); }
    void selectIron(const char* type, const char* mix)
    {
        auto* types = get<QComboBox>("ComboEisen1");
        types->setCurrentIndex(types->findText(QString::fromUtf8(type)));
        auto* mixes = get<QComboBox>("ComboEisenMat");
        mixes->setCurrentIndex(mixes->findText(QString::fromUtf8(mix)));
    }
    void unknownCore(const QString& al, const QString& da, const QString& di, const QString& h)
    {
        window->selectTab(6);
        type("txtALunb", al);
        type("txtDaUnb", da);
        type("txtDiUnb", di);
        type("txtHunb", h);
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }
    void init()
    {
        resetGlobals();
        numbers::setDisplayDecimalSeparator(".");
        window = std::make_unique<MainWindow>();
        window->selectTab(2); // iron powder, T-50 in mix 2
    }
    void cleanup() { window.reset(); }

    void t50TenMicrohenry_data()
    {
        QTest::addColumn<QString>("wire");
        QTest::addColumn<QString>("length");
        QTest::newRow("bare") << "0"
                              << "67.5";
        QTest::newRow("0,4 mm") << "0,4"
                                << "71.2";
        QTest::newRow("0,5 mm does not fit") << "0,5"
                                             << "XXX";
    }
    void t50TenMicrohenry()
    {
        QFETCH(QString, wire);
        QCOMPARE(text("LabelE41"), QString("4.9"));
        QVERIFY(!get<QGroupBox>("fraAnwendung")->isEnabled());
        type("Text6", "10");
        type("Text10", wire);
        click("CommandWdg0");
        QCOMPARE(text("Label44"), QString("46"));
        QCOMPARE(text("Label49"), QString("0.49"));
        QTEST(text("Label46"), "length");
        QCOMPARE(text("lbHinweis"),
                 QString::fromUtf8("+ Anschlusslänge | Nicht die Anschlusslänge vergessen!"));
        QVERIFY(get<QGroupBox>("fraAnwendung")->isEnabled());
        QVERIFY(get<QLabel>("Label68")->isEnabled());
        QVERIFY(get<QLabel>("Label69")->isEnabled());
    }

    void imperialGauge()
    {
        window->findChild<QAction*>(QString::fromUtf8("mnuMaßeinheitInch"))->trigger();
        type("Text6", "10");
        type("Text10", "26");
        click("CommandWdg0");
        QCOMPARE(text("Label44"), QString("46"));
        QCOMPARE(text("Label49"), QString("24"));
        QCOMPARE(text("Label46"), QString("2.335"));
        QCOMPARE(text("Label47"), QString("ft"));
        window->findChild<QAction*>(QString::fromUtf8("mnuMaßeinheitMeter"))->trigger();
        QCOMPARE(text("Label47"), QString("cm"));
    }

    void regionalSeparator()
    {
        numbers::setDisplayDecimalSeparator(",");
        window->selectTab(2);
        QCOMPARE(text("LabelE41"), QString("4,9"));
        type("Text6", "10");
        type("Text10", "0.4");
        click("CommandWdg0");
        QCOMPARE(text("Label44"), QString("46"));
        QCOMPARE(text("Label49"), QString("0,49"));
        QCOMPARE(text("Label46"), QString("71,2"));
    }

    void noInductanceTyped()
    {
        type("Text10", "0");
        click("CommandWdg0");
        QCOMPARE(text("Label44"), QString("0"));
        QCOMPARE(text("Label49"), QString("0.0"));
        QCOMPARE(text("Label46"), QString("0.1"));
        QCOMPARE(text("lbHinweis"), QString());
        QVERIFY(!get<QGroupBox>("fraAnwendung")->isEnabled());
        type("Text10", "0,3");
        click("CommandWdg0");
        QCOMPARE(text("Label46"), QString("XXX"));
    }

    void typeNotMadeInMix()
    {
        selectIron("T-12", "26");
        QCOMPARE(text("LabelE41"), QString("0.0"));
        type("Text6", "10");
        click("CommandWdg0");
        for (const char* result : {"Label44", "Label46", "Label49"})
            QCOMPARE(text(result), QString("XXX"));
        QCOMPARE(text("lbHinweis"), QString());
    }

    void unknownCoreTurns_data()
    {
        QTest::addColumn<QString>("nanohenry");
        QTest::addColumn<QString>("turns");
        QTest::newRow("1 nH") << "1"
                              << "1";
        QTest::newRow("4 nH") << "4"
                              << "2";
        QTest::newRow("9 nH") << "9"
                              << "3";
        QTest::newRow("16 nH") << "16"
                               << "4";
        QTest::newRow("25 nH") << "25"
                               << "5";
        QTest::newRow("24 nH") << "24"
                               << "5";
    }
    void unknownCoreTurns()
    {
        QFETCH(QString, nanohenry);
        unknownCore("1", "20", "10", "5");
        get<QComboBox>("ComboL")->setCurrentIndex(0); // nH
        type("Text6", nanohenry);
        click("CommandWdg0");
        QTEST(text("Label44"), "turns");
    }

    void unusableUnknownCore()
    {
        unknownCore("1", "10", "12", "5");
        type("Text6", "10");
        click("CommandWdg0");
        for (const char* result : {"Label44", "Label46", "Label49"})
            QCOMPARE(text(result), QString("XXX"));
        QCOMPARE(get<QLineEdit>("txtDaUnb")->text(), QString());
        QCOMPARE(get<QLineEdit>("txtDiUnb")->text(), QString());
        QCOMPARE(get<QLineEdit>("txtALunb")->text(), QString("1"));

        unknownCore("", "10", "5", "0");
        click("CommandWdg0");
        QCOMPARE(get<QLineEdit>("txtALunb")->text(), QString());
        QCOMPARE(get<QLineEdit>("txtHunb")->text(), QString());
        QCOMPARE(get<QLineEdit>("txtDaUnb")->text(), QString("10"));
        QCOMPARE(get<QLineEdit>("txtDiUnb")->text(), QString("5"));
    }

    void airCoilTabComputesNothing()
    {
        type("Text6", "10");
        type("Text9", "46");
        window->setHint("keep");
        window->selectTab(7);
        window->setHint("keep");
        click("CommandWdg0");
        QCOMPARE(text("Label44"), QString("0"));
        click("CommandL1");
        QCOMPARE(text("Label52"), QString());
        QCOMPARE(text("lbHinweis"), QString()); // the inductance button empties the hint only
    }

    void overflowReport_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("German") << "deutsch"
                                << "Fehler ";
        QTest::newRow("Czech") << "cz"
                               << "Error ";
    }
    void overflowReport()
    {
        QFETCH(QString, language);
        globals().currentLanguage = language.toStdString();
        get<QComboBox>("ComboL")->setCurrentIndex(3); // H
        type("Text6", "1e20");
        type("Text10", "0,3");
        Answer answer;
        answerNextBox(&answer);
        click("CommandWdg0");
        QVERIFY(answer.shown);
        QTEST(answer.title, "title");
        QVERIFY(!answer.cancelVisible);
        QCOMPARE(get<QLineEdit>("Text6")->text(), QString());
        QCOMPARE(get<QLineEdit>("Text10")->text(), QString("0,3"));
        QCOMPARE(text("Label44"), QString("0"));
    }

    void gaugeBeyondSixteenBits()
    {
        window->findChild<QAction*>(QString::fromUtf8("mnuMaßeinheitInch"))->trigger();
        type("Text6", "10");
        type("Text10", "99999");
        Answer answer;
        answerNextBox(&answer);
        click("CommandWdg0");
        QVERIFY(answer.shown);
        QCOMPARE(get<QLineEdit>("Text6")->text(), QString());
    }

    void wireBeyondSingleRange()
    {
        // 1e39 mm fits a Double, not a Single: the overflow report, never an infinite wire.
        type("Text6", "10");
        type("Text10", "1e39");
        Answer answer;
        answerNextBox(&answer);
        click("CommandWdg0");
        QVERIFY(answer.shown);
        QCOMPARE(answer.title, QString("Fehler "));
        QCOMPARE(get<QLineEdit>("Text6")->text(), QString());
    }

    void turnsWithoutSelectionAreReported()
    {
        // While a list is refilled it has no selection; a calculation then fails like any other
        // step: reported, and the program goes on.
        type("Text6", "10");
        auto* types = get<QComboBox>("ComboEisen1");
        const int kept = types->currentIndex();
        {
            const QSignalBlocker quiet(types);
            types->setCurrentIndex(-1);
        }
        Answer answer;
        answerNextBox(&answer);
        click("CommandWdg0");
        QVERIFY(answer.shown);
        QCOMPARE(answer.title, QString("Fehler "));
        QCOMPARE(get<QLineEdit>("Text6")->text(), QString("10"));
        types->setCurrentIndex(kept);
        QCOMPARE(text("Label44"), QString("46"));
    }

    void inductanceFromTurns_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("reactance");
        QTest::newRow("7 MHz") << "7"
                               << "456.026";
        QTest::newRow("3,5 MHz") << "3,5"
                                 << "228.013";
        QTest::newRow("no frequency") << ""
                                      << "0.00 m";
    }
    void inductanceFromTurns()
    {
        QFETCH(QString, frequency);
        type("Text9", "46");
        type("Text7", frequency);
        click("CommandL1");
        QCOMPARE(text("Label52"), QString("10.3684"));
        QCOMPARE(text("LabelFerrit1"), QString::fromUtf8("µH"));
        QTEST(text("Label54"), "reactance");
    }

    void inductanceFromTurnsEdges()
    {
        click("CommandL1");
        QCOMPARE(text("Label52"), QString("XXX"));
        QCOMPARE(text("Label54"), QString("XXX"));

        unknownCore("1", "", "", "");
        type("Text9", "0,5");
        click("CommandL1");
        QCOMPARE(text("Label52"), QString("0.25"));
        QCOMPARE(text("LabelFerrit1"), QString("nH"));

        type("txtALunb", "1000");
        type("Text9", "1000");
        click("CommandL1");
        QCOMPARE(text("Label52"), QString("1.0"));
        QCOMPARE(text("LabelFerrit1"), QString("H"));
    }

    void inductanceOverflowOffersCancel()
    {
        type("Text9", "1e200");
        Answer answer;
        answerNextBox(&answer);
        click("CommandL1");
        QVERIFY(answer.shown);
        QCOMPARE(answer.title, QString("Error"));
        QVERIFY(answer.cancelVisible);
        QCOMPARE(get<QLineEdit>("Text9")->text(), QString("1e200"));
    }

    void turnsRunTheInductanceAndKeepTheHint()
    {
        type("Text6", "10");
        type("Text9", "46");
        type("Text7", "7");
        click("CommandWdg0");
        QCOMPARE(text("Label44"), QString("46"));
        QCOMPARE(text("Label54"), QString("456.026"));
        QVERIFY(!text("lbHinweis").isEmpty());
    }

    void materialChangeReRunsInOrder()
    {
        type("Text6", "10");
        type("Text9", "46");
        click("CommandWdg0");
        selectIron("T-50", "6"); // AL 4.0
        QCOMPARE(text("LabelE41"), QString("4.0"));
        QCOMPARE(text("Label44"), QString("50"));
        QCOMPARE(text("Label52"), QString("8.464"));
        // The inductance from turns ran last and emptied the hint of the turns calculation.
        QCOMPARE(text("lbHinweis"), QString());

        type("Text9", "");
        selectIron("T-50", "2");
        QCOMPARE(text("Label44"), QString("46"));
        QCOMPARE(text("Label52"), QString());
        QVERIFY(!text("lbHinweis").isEmpty());
    }
};

QTEST_MAIN(TestGuiTurns)
#include "test_gui_turns.moc"
