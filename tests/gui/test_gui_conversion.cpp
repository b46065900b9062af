// The unit-conversion window on the offscreen platform: its controls after loading, the length,
// gauge and temperature conversions through its buttons, the lists' clicks, the key-up clearing
// and the minus sign of the temperature fields, the message per language, the buttons and the
// Tools menu.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "i18n/ui/textid.h"
#include "numbers/format.h"
#include "tools/ui/conversionwindow.h"
#include "tools/ui/toolwindow.h"

#include "guitestsupport.h"

#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

using namespace kovolo;
using tools::ConversionWindow;

class TestGuiConversion : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;
    ConversionWindow* window = nullptr;

    template <typename T = QWidget> T* find(const char* name) const
    {
        return guitest::childNamed<T>(window, name);
    }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return find<QComboBox>(name); }
    void type(const char* name, const QString& typed)
    {
        field(name)->clear();
        QTest::keyClicks(field(name), typed);
    }
    void click(const char* button) { find<QPushButton>(button)->click(); }
    // Picks a list entry like the user: the list's Click follows.
    void choose(const char* name, int index)
    {
        QComboBox* combo = list(name);
        while (combo->currentIndex() < index)
            QTest::keyClick(combo, Qt::Key_Down);
        while (combo->currentIndex() > index)
            QTest::keyClick(combo, Qt::Key_Up);
    }
    void open()
    {
        window = tools::openToolWindow<ConversionWindow>();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }

    void init()
    {
        resetGlobals();
        open();
    }

    void cleanup()
    {
        delete tools::existingToolWindow<ConversionWindow>();
        numbers::setDisplayDecimalSeparator(".");
        QCoreApplication::processEvents();
    }

    void afterLoading()
    {
        QCOMPARE(window->objectName(), QStringLiteral("frmUmrechnung"));
        QCOMPARE(window->windowTitle(), QStringLiteral(" Umrechnung Inch (Zoll) <-> Meter"));
        QCOMPARE(i18n::textIdOf(window), 355);
        QCOMPARE(find<QGroupBox>("Frame1")->title(), QStringLiteral(" inch <-> meter "));
        QCOMPARE(find<QGroupBox>("Frame2")->title(), QStringLiteral(" American Wire Gauge -> mm "));
        QCOMPARE(find<QGroupBox>("Frame3")->title(), QString::fromUtf8(" °F <-> C° "));
        for (const char* name : {"Text1", "Text2", "Text3", "Text4"})
            QVERIFY(field(name)->text().isEmpty());
        for (const char* name : {"Label1", "Label3", "Label9", "Label12"})
            QVERIFY(text(name).isEmpty());
        QCOMPARE(text("Label7"), QStringLiteral("0.257657 in"));
        QCOMPARE(text("Label2"), QStringLiteral("cm"));
        QCOMPARE(text("Label4"), QStringLiteral("in"));
        QCOMPARE(text("Label5"), QStringLiteral("#"));
        QCOMPARE(text("Label6"), QStringLiteral("AWG"));
        QCOMPARE(text("Label8"), QStringLiteral("D ="));
        QCOMPARE(text("Label10"), QStringLiteral("mm"));
        QCOMPARE(text("Label11"), QString::fromUtf8("°F"));
        QCOMPARE(text("Label13"), QString::fromUtf8("°C"));
        QCOMPARE(i18n::textIdOf(find("Label12")), 21);
        QCOMPARE(list("Combo1")->currentText(), QStringLiteral("in"));
        QCOMPARE(list("Combo1")->count(), 3);
        QCOMPARE(list("Combo2")->currentText(), QStringLiteral("mm"));
        QCOMPARE(list("Combo2")->count(), 3);
        QCOMPARE(list("Combo3")->count(), 44);
        QCOMPARE(list("Combo3")->currentText(), QStringLiteral("2"));
        for (const char* name : {"Command1", "Command2", "Command3"})
            QCOMPARE(find<QPushButton>(name)->text(), QStringLiteral("=>"));
        QCOMPARE(find<QPushButton>("Command4")->text(), QStringLiteral("<=>"));
        QCOMPARE(find<QPushButton>("Command5")->text(), QStringLiteral("&Beenden"));
        QCOMPARE(i18n::textIdOf(find("Command5")), 999);
        QCOMPARE(find<QPushButton>("Command6")->text(), QStringLiteral("&Drucken"));
        QCOMPARE(i18n::textIdOf(find("Command6")), 998);
    }

    void lengths_data()
    {
        QTest::addColumn<bool>("toMetric");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("shownUnit");
        QTest::newRow("1 in") << true << "1" << 0 << "2.54"
                              << "cm";
        QTest::newRow("1 ft") << true << "1" << 1 << "0.3048"
                              << "m";
        QTest::newRow("1 yd") << true << "1" << 2 << "0.9144"
                              << "m";
        QTest::newRow("5000000 yd") << true << "5000000" << 2 << "4572000"
                                    << "m";
        QTest::newRow("empty") << true << "" << 0 << "0"
                               << "cm";
        QTest::newRow("25.4 mm") << false << "25.4" << 0 << "1.0"
                                 << "in";
        QTest::newRow("91.44 cm") << false << "91,44" << 1 << "1.0"
                                  << "yd";
        QTest::newRow("1 m") << false << "1" << 2 << "1.094"
                             << "yd";
    }

    void lengths()
    {
        QFETCH(bool, toMetric);
        QFETCH(QString, typed);
        QFETCH(int, unit);
        QFETCH(QString, result);
        QFETCH(QString, shownUnit);
        choose(toMetric ? "Combo1" : "Combo2", unit);
        type(toMetric ? "Text1" : "Text2", typed);
        click(toMetric ? "Command1" : "Command2");
        QCOMPARE(text(toMetric ? "Label1" : "Label3"), result);
        QCOMPARE(text(toMetric ? "Label2" : "Label4"), shownUnit);
    }

    void listsChangeTheUnitAndEmptyTheResult()
    {
        type("Text1", "1");
        click("Command1");
        QCOMPARE(text("Label1"), QStringLiteral("2.54"));
        choose("Combo1", 1);
        QCOMPARE(text("Label2"), QStringLiteral("m"));
        QVERIFY(text("Label1").isEmpty());
        choose("Combo1", 0);
        QCOMPARE(text("Label2"), QStringLiteral("cm"));

        type("Text2", "1");
        click("Command2");
        QCOMPARE(text("Label3"), QStringLiteral("0.039"));
        choose("Combo2", 2);
        QCOMPARE(text("Label4"), QStringLiteral("yd"));
        QVERIFY(text("Label3").isEmpty());

        click("Command3");
        QCOMPARE(text("Label9"), QStringLiteral("6.5445"));
        choose("Combo3", 24);
        QVERIFY(text("Label7").isEmpty());
        QVERIFY(text("Label9").isEmpty());
        // Letters do not move a list.
        QTest::keyClick(list("Combo3"), Qt::Key_4);
        QCOMPARE(list("Combo3")->currentText(), QStringLiteral("21"));
    }

    void gauges_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("inches");
        QTest::addColumn<QString>("millimetres");
        QTest::newRow("2") << 5 << "0.257657 in"
                           << "6.5445";
        QTest::newRow("21") << 24 << "0.02846 in"
                            << "0.7229";
        QTest::newRow("0000") << 0 << "0.460079 in"
                              << "11.686";
    }

    void gauges()
    {
        QFETCH(int, index);
        QFETCH(QString, inches);
        QFETCH(QString, millimetres);
        choose("Combo3", index);
        click("Command3");
        QCOMPARE(text("Label7"), inches);
        QCOMPARE(text("Label9"), millimetres);
        QCOMPARE(text("Label10"), QStringLiteral("mm"));
    }

    void regionalSeparator()
    {
        numbers::setDisplayDecimalSeparator(",");
        type("Text1", "1");
        choose("Combo1", 2);
        click("Command1");
        QCOMPARE(text("Label1"), QStringLiteral("0,9144"));
        click("Command3");
        QCOMPARE(text("Label7"), QStringLiteral("0,257657 in"));
        type("Text3", "0");
        click("Command4");
        QCOMPARE(field("Text4")->text(), QStringLiteral("-17,8"));
    }

    void temperatures()
    {
        type("Text3", "98.6");
        click("Command4");
        QCOMPARE(field("Text4")->text(), QStringLiteral("37.0"));
        QCOMPARE(field("Text3")->text(), QStringLiteral("98.6"));

        // Typing into the °C field empties the °F field, so the next click converts it.
        type("Text4", "100");
        QVERIFY(field("Text3")->text().isEmpty());
        click("Command4");
        QCOMPARE(field("Text3")->text(), QStringLiteral("212.0"));

        // Backspace, Delete and the arrow keys leave the other field alone.
        for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Shift})
            QTest::keyClick(field("Text4"), key);
        QCOMPARE(field("Text3")->text(), QStringLiteral("212.0"));
        QCOMPARE(field("Text4")->text(), QStringLiteral("10"));

        // Below zero: the minus sign can be typed.
        type("Text3", "-40");
        QCOMPARE(field("Text3")->text(), QStringLiteral("-40"));
        QVERIFY(field("Text4")->text().isEmpty());
        click("Command4");
        QCOMPARE(field("Text4")->text(), QStringLiteral("-40.0"));

        // A minus alone counts as -0.
        type("Text4", "-");
        click("Command4");
        QCOMPARE(field("Text4")->text(), QStringLiteral("-0"));
        QCOMPARE(field("Text3")->text(), QStringLiteral("32.0"));

        // Other characters stay out, and the length fields take no minus.
        type("Text3", "a1 /+2");
        QCOMPARE(field("Text3")->text(), QStringLiteral("12"));
        type("Text1", "-5");
        QCOMPARE(field("Text1")->text(), QStringLiteral("5"));
    }

    void bothFilledShowsTheMessage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("deutsch") << "deutsch"
                                 << "Das zu berechnende Feld muss frei bleiben!";
        QTest::newRow("span") << "span"
                              << QString::fromUtf8("¡El campo a calcular debe estar vacío!");
        QTest::newRow("franz") << "franz"
                               << QString::fromUtf8("Le champ doit être calculé doit être vide!");
        QTest::newRow("cz") << "cz" << QString::fromUtf8("Pole se vypočítá musí být prázdný!");
    }

    void bothFilledShowsTheMessage()
    {
        QFETCH(QString, language);
        QFETCH(QString, message);
        globals().currentLanguage = language.toStdString();
        field("Text3")->setText("50");
        field("Text4")->setText("10");
        click("Command4");
        QCOMPARE(text("Label12"), message);
        QCOMPARE(field("Text3")->text(), QStringLiteral("50"));
        QCOMPARE(field("Text4")->text(), QStringLiteral("10"));
        // The next conversion empties it.
        field("Text4")->clear();
        click("Command4");
        QVERIFY(text("Label12").isEmpty());
        QCOMPARE(field("Text4")->text(), QStringLiteral("10.0"));
    }

    void openedInAnotherLanguage()
    {
        delete window;
        globals().currentLanguage = "englisch";
        open();
        QCOMPARE(window->windowTitle(), QStringLiteral(" Metric Conversion"));
        QCOMPARE(find<QPushButton>("Command5")->text(), QStringLiteral("&Exit"));
        QCOMPARE(find<QPushButton>("Command6")->text(), QStringLiteral("&Printing"));
        // The message label carries text id 21: it shows that text until a conversion.
        QCOMPARE(text("Label12"), QStringLiteral("The field to be calculated must be empty!"));
        QCOMPARE(text("Label7"), QStringLiteral("0.257657 in"));
        click("Command4");
        QVERIFY(text("Label12").isEmpty());
    }

    void buttonsAndMenu()
    {
        type("Text1", "3");
        // The "printer ready?" prompt is answered with Cancel.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [] {
            QWidget* box = QApplication::activeModalWidget();
            if (box && box->objectName() == QLatin1String("PimMsgBox"))
                box->findChild<QPushButton*>("Command1")->click();
        });
        answer.start(5);
        click("Command6");
        QVERIFY(window->isVisible());
        QCOMPARE(field("Text1")->text(), QStringLiteral("3"));

        QPointer<ConversionWindow> watch(window);
        click("Command5");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());

        MainWindow main;
        auto* item = main.findChild<QAction*>("mnuToolsInchMeter");
        item->trigger();
        window = tools::existingToolWindow<ConversionWindow>();
        QVERIFY(window);
        QVERIFY(field("Text1")->text().isEmpty());
        type("Text1", "3");
        item->trigger();
        QCOMPARE(tools::existingToolWindow<ConversionWindow>(), window);
        QCOMPARE(field("Text1")->text(), QStringLiteral("3"));
        int count = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            count += top->objectName() == QLatin1String("frmUmrechnung") ? 1 : 0;
        QCOMPARE(count, 1);
        watch = window;
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
    }
};

QTEST_MAIN(TestGuiConversion)
#include "test_gui_conversion.moc"
