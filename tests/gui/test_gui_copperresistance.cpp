// The copper-resistance window on the offscreen platform: its metric and imperial layouts, the
// worked examples through its controls, the temperature warnings, absurd inputs, the buttons,
// the Tools menu, another language, and following the unit menu while it is open.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "i18n/ui/textid.h"
#include "numbers/format.h"
#include "tools/ui/copperresistancewindow.h"
#include "tools/ui/toolwindow.h"

#include "guitestsupport.h"

#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

using namespace kovolo;
using tools::CopperResistanceWindow;

namespace {

QStringList itemsOf(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class TestGuiCopperResistance : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;
    CopperResistanceWindow* window = nullptr;

    template <typename T = QWidget> T* find(const char* name) const
    {
        return guitest::childNamed<T>(window, name);
    }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    void type(const char* name, const QString& typed)
    {
        find<QLineEdit>(name)->clear();
        QTest::keyClicks(find<QLineEdit>(name), typed);
    }
    void open()
    {
        window = tools::openToolWindow<CopperResistanceWindow>();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    // The layout of one unit system: what is visible and the length units.
    void verifyLayout(bool imperial)
    {
        QCOMPARE(window->showsImperial(), imperial);
        QCOMPARE(find("Text2")->isVisible(), !imperial);
        QCOMPARE(find("Combo2")->isVisible(), imperial);
        QCOMPARE(find("Label1")->isVisible(), imperial);
        QCOMPARE(text("Label2"), imperial ? QStringLiteral("AWG") : QStringLiteral("mm"));
        const QStringList units = imperial ? QStringList{"ft", "yd"} : QStringList{"m"};
        QCOMPARE(itemsOf(find<QComboBox>("Combo1")), units);
        QCOMPARE(find<QComboBox>("Combo1")->currentIndex(), 0);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }

    void init() { resetGlobals(); }

    void cleanup()
    {
        delete tools::existingToolWindow<CopperResistanceWindow>();
        numbers::setDisplayDecimalSeparator(".");
        QCoreApplication::processEvents();
    }

    void afterLoadingMetric()
    {
        open();
        QCOMPARE(window->objectName(), QStringLiteral("frmRCu"));
        QCOMPARE(window->windowTitle(), QStringLiteral(" R Cu berechnen"));
        QCOMPARE(i18n::textIdOf(window), 354);
        verifyLayout(false);
        QVERIFY(find<QLineEdit>("Text1")->text().isEmpty());
        QVERIFY(find<QLineEdit>("Text2")->text().isEmpty());
        QCOMPARE(find<QLineEdit>("Text3")->text(), QStringLiteral("20"));
        QVERIFY(text("Label3").isEmpty());
        QVERIFY(text("Label12").isEmpty());
        auto* gauges = find<QComboBox>("Combo2");
        QCOMPARE(gauges->count(), 44);
        QCOMPARE(gauges->itemText(0), QStringLiteral("0000"));
        QCOMPARE(gauges->itemText(43), QStringLiteral("40"));
        QCOMPARE(gauges->currentText(), QStringLiteral("21"));
        QCOMPARE(text("Image2"), QString::fromUtf8("Ω"));
        QCOMPARE(text("Label5"), QString::fromUtf8("°C"));
        QCOMPARE(text("Label7"), QStringLiteral("D"));
        const struct {
            const char* name;
            const char* caption;
            int id;
        } bound[] = {
            {"Label6", "Länge", 60}, {"Label4", "bei", 250}, {"Label8", "Widerstand", 245}};
        for (const auto& b : bound) {
            QCOMPARE(text(b.name), QString::fromUtf8(b.caption));
            QCOMPARE(i18n::textIdOf(find(b.name)), b.id);
        }
        const struct {
            const char* name;
            const char* caption;
            int id;
        } buttons[] = {
            {"Command1", "=>", -1}, {"Command2", "&Beenden", 999}, {"Command3", "&Drucken", 998}};
        for (const auto& b : buttons) {
            QCOMPARE(find<QPushButton>(b.name)->text(), QString::fromUtf8(b.caption));
            QCOMPARE(i18n::textIdOf(find(b.name)), b.id);
        }
    }

    void afterLoadingImperial()
    {
        globals().unitSystemImperial = true;
        open();
        verifyLayout(true);
        QCOMPARE(find<QComboBox>("Combo2")->currentText(), QStringLiteral("21"));
    }

    void calculates_data()
    {
        QTest::addColumn<bool>("imperial");
        QTest::addColumn<QString>("length");
        QTest::addColumn<int>("lengthUnit");
        QTest::addColumn<QString>("diameter"); // a gauge text in imperial mode
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("resistance");
        QTest::addColumn<QString>("warning");
        QTest::newRow("1 m 1 mm") << false << "1" << 0 << "1"
                                  << "20"
                                  << "22.28169 m"
                                  << "";
        QTest::newRow("100 m 0.1 mm") << false << "100" << 0 << "0.1"
                                      << "20"
                                      << "222.81691"
                                      << "";
        QTest::newRow("1000 m 0.05 mm 100 °C") << false << "1000" << 0 << "0,05"
                                               << "100"
                                               << "11.72908 K"
                                               << "";
        QTest::newRow("10 m 1 mm -40 °C") << false << "10" << 0 << "1"
                                          << "-40"
                                          << "170.00931 m"
                                          << "";
        QTest::newRow("10 ft gauge 21") << true << "10" << 0 << "21"
                                        << "20"
                                        << "129.96201 m"
                                        << "";
        QTest::newRow("10 yd gauge 21") << true << "10" << 1 << "21"
                                        << "20"
                                        << "389.88599 m"
                                        << "";
        QTest::newRow("longer than 11") << false << "1000" << 0 << "0.001"
                                        << "20"
                                        << "22281.6895K"
                                        << "";
        QTest::newRow("exactly 11") << false << "100000" << 0 << "0.001"
                                    << "20"
                                    << "2228169.0 K"
                                    << "";
        QTest::newRow("-200 °C") << false << "10" << 0 << "1"
                                 << "-200"
                                 << "29.18902 m"
                                 << "";
        QTest::newRow("250 °C") << false << "10" << 0 << "1"
                                << "250"
                                << "425.24609 m"
                                << "";
        QTest::newRow("-200.1 °C") << false << "10" << 0 << "1"
                                   << "-200.1"
                                   << "xxx" << QString::fromUtf8("t < -200 °C");
        QTest::newRow("250.1 °C") << false << "10" << 0 << "1"
                                  << "250.1"
                                  << "xxx" << QString::fromUtf8("t > 250 °C");
        QTest::newRow("-200.1 °C imperial") << true << "10" << 0 << "21"
                                            << "-200.1"
                                            << "xxx" << QString::fromUtf8("t < -200 °C");
        QTest::newRow("no diameter") << false << "10" << 0 << ""
                                     << "20"
                                     << "xxx"
                                     << "";
        QTest::newRow("no length") << false << "" << 0 << "1"
                                   << "20" << QString::fromUtf8("0.0 µ") << "";
        // Absurd inputs beyond the single range: no "inf", no "nan", no end of the program.
        QTest::newRow("diameter 1e-25") << false << "1" << 0 << "1e-25"
                                        << "20"
                                        << "xxx"
                                        << "";
        QTest::newRow("length 1e39") << false << "1e39" << 0 << "1"
                                     << "20"
                                     << "xxx"
                                     << "";
        QTest::newRow("length 1e999") << false << "1e999" << 0 << "1"
                                      << "20"
                                      << "xxx"
                                      << "";
        QTest::newRow("temperature 1e99") << false << "1" << 0 << "1"
                                          << "1e99"
                                          << "xxx" << QString::fromUtf8("t > 250 °C");
    }

    void calculates()
    {
        QFETCH(bool, imperial);
        QFETCH(QString, length);
        QFETCH(int, lengthUnit);
        QFETCH(QString, diameter);
        QFETCH(QString, temperature);
        QFETCH(QString, resistance);
        QFETCH(QString, warning);
        globals().unitSystemImperial = imperial;
        open();
        type("Text1", length);
        find<QComboBox>("Combo1")->setCurrentIndex(lengthUnit);
        if (imperial)
            find<QComboBox>("Combo2")->setCurrentText(diameter);
        else
            type("Text2", diameter);
        type("Text3", temperature);
        find<QPushButton>("Command1")->click();
        QCOMPARE(text("Label3"), resistance);
        QCOMPARE(text("Label12"), warning);
        QVERIFY(window->isVisible());
    }

    void warningGoesWithTheNextClick()
    {
        open();
        type("Text1", "1");
        type("Text2", "1");
        type("Text3", "300");
        find<QPushButton>("Command1")->click();
        QCOMPARE(text("Label12"), QString::fromUtf8("t > 250 °C"));
        type("Text3", "20");
        // Results stay until the next click.
        QCOMPARE(text("Label3"), QStringLiteral("xxx"));
        find<QPushButton>("Command1")->click();
        QCOMPARE(text("Label12"), QString());
        QCOMPARE(text("Label3"), QStringLiteral("22.28169 m"));
    }

    void fieldsTakeAnyCharacterAndTheRegionalSeparator()
    {
        numbers::setDisplayDecimalSeparator(",");
        open();
        type("Text1", "1 m");
        type("Text2", "1mm");
        type("Text3", "-4e1");
        QCOMPARE(find<QLineEdit>("Text3")->text(), QStringLiteral("-4e1"));
        find<QPushButton>("Command1")->click();
        QCOMPARE(text("Label3"), QStringLiteral("17,00093 m"));
    }

    void quitPrintAndCloseBox()
    {
        open();
        type("Text1", "5");
        // The "printer ready?" prompt is answered with Cancel.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [] {
            QWidget* box = QApplication::activeModalWidget();
            if (box && box->objectName() == QLatin1String("PimMsgBox"))
                box->findChild<QPushButton*>("Command1")->click();
        });
        answer.start(5);
        find<QPushButton>("Command3")->click();
        QVERIFY(window->isVisible());
        QPointer<CopperResistanceWindow> watch(window);
        find<QPushButton>("Command2")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
        open();
        QVERIFY(find<QLineEdit>("Text1")->text().isEmpty());
        watch = window;
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
    }

    void followsTheUnitMenu()
    {
        MainWindow main;
        main.findChild<QAction*>("mnuToolsR_Cu")->trigger();
        window = tools::existingToolWindow<CopperResistanceWindow>();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        main.findChild<QAction*>("mnuToolsR_Cu")->trigger();
        QCOMPARE(tools::existingToolWindow<CopperResistanceWindow>(), window);

        type("Text1", "10");
        type("Text2", "1");
        find<QPushButton>("Command1")->click();
        QCOMPARE(text("Label3"), QStringLiteral("222.81693 m"));

        // Imperial: gauge list and feet; the result of the old units goes, the typed digits stay.
        main.findChild<QAction*>(QString::fromUtf8("mnuMaßeinheitInch"))->trigger();
        verifyLayout(true);
        QVERIFY(text("Label3").isEmpty());
        QCOMPARE(find<QLineEdit>("Text1")->text(), QStringLiteral("10"));
        QCOMPARE(find<QComboBox>("Combo2")->currentText(), QStringLiteral("21"));
        find<QPushButton>("Command1")->click();
        QCOMPARE(text("Label3"), QStringLiteral("129.96201 m"));

        // Choosing the active system again keeps the chosen length unit and the result.
        find<QComboBox>("Combo1")->setCurrentIndex(1);
        find<QPushButton>("Command1")->click();
        QCOMPARE(text("Label3"), QStringLiteral("389.88599 m"));
        main.findChild<QAction*>(QString::fromUtf8("mnuMaßeinheitInch"))->trigger();
        QCOMPARE(find<QComboBox>("Combo1")->currentText(), QStringLiteral("yd"));
        QCOMPARE(text("Label3"), QStringLiteral("389.88599 m"));

        // Back to metric: the diameter field with what was typed into it.
        main.findChild<QAction*>(QString::fromUtf8("mnuMaßeinheitMeter"))->trigger();
        verifyLayout(false);
        QVERIFY(text("Label3").isEmpty());
        QCOMPARE(find<QLineEdit>("Text2")->text(), QStringLiteral("1"));
        find<QPushButton>("Command1")->click();
        QCOMPARE(text("Label3"), QStringLiteral("222.81693 m"));

        // A closed window is no longer told.
        delete window;
        main.findChild<QAction*>(QString::fromUtf8("mnuMaßeinheitInch"))->trigger();
        QVERIFY(!tools::existingToolWindow<CopperResistanceWindow>());
    }

    void captionsInAnotherLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("resistance");
        QTest::addColumn<QString>("print");
        QTest::newRow("englisch") << "englisch"
                                  << " Resistance of Copper Wire"
                                  << "Resistance"
                                  << "&Printing";
        // French has no entry 245: the caption keeps its German text.
        QTest::newRow("franz") << "franz" << QString::fromUtf8(" Résistance de fil de cuivre")
                               << "Widerstand"
                               << "&Impression";
        QTest::newRow("cz") << "cz" << QString::fromUtf8("Odpor měděněho drátu") << "Odpor"
                            << "&Tisk";
    }

    void captionsInAnotherLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QString, resistance);
        QFETCH(QString, print);
        globals().currentLanguage = language.toStdString();
        open();
        QCOMPARE(window->windowTitle(), title);
        QCOMPARE(text("Label8"), resistance);
        QCOMPARE(text("Label4"), QStringLiteral("@"));
        QCOMPARE(find<QPushButton>("Command3")->text(), print);
        QCOMPARE(find<QLineEdit>("Text3")->text(), QStringLiteral("20"));
    }
};

QTEST_MAIN(TestGuiCopperResistance)
#include "test_gui_copperresistance.moc"
