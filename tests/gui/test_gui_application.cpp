// The FT ferrite tab and the application frame, driven on the real main window: the catalog's
// start-up display and the check's examples on the FT ferrite and iron-powder tabs.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "i18n/ui/textid.h"
#include "numbers/format.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace kovolo;

namespace {
const QColor red(0xFF, 0x00, 0x00);
const QColor black(0x00, 0x00, 0x00);

const char* const checkResults[] = {"Label65", "Label70", "Label71",
                                    "Label73", "Label75", "Label78"};
} // namespace

class TestGuiApplication : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QTemporaryDir settingsDir;

    template <class T = QWidget> T* get(const char* name)
    {
        T* child = window->findChild<T*>(QString::fromUtf8(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    QString text(const char* label) { return get<QLabel>(label)->text(); }
    QColor colour(const char* label)
    {
        // The colour the label draws its text in.
        const QLabel* l = get<QLabel>(label);
        return l->palette().color(QPalette::Active, l->foregroundRole());
    }
    void type(const char* field, const QString& value) { get<QLineEdit>(field)->setText(value); }
    void click(const char* button) { get<QPushButton>(button)->click(); }
    void choose(const char* list, const char* item)
    {
        auto* combo = get<QComboBox>(list);
        const int index = combo->findText(QString::fromUtf8(item));
        QVERIFY2(index >= 0, item);
        combo->setCurrentIndex(index);
    }
    // The wanted inductance in µH, the working frequency in MHz and the voltage; then the turns
    // calculation, which ends with the application check.
    void computeTurns(const char* microhenry, const char* megahertz, const char* volts)
    {
        type("Text6", QString::fromUtf8(microhenry));
        type("Text7", QString::fromUtf8(megahertz));
        type("Text8", QString::fromUtf8(volts));
        click("CommandWdg0");
    }
    QStringList results()
    {
        QStringList texts;
        for (const char* name : checkResults)
            texts << text(name);
        return texts;
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
    }
    void cleanup() { window.reset(); }

    // --- the FT ferrite tab -------------------------------------------------------------------

    void ftTabAtStart()
    {
        auto* tabs = get<QTabWidget>("tbsOptions");
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->widget(0)->objectName(), QString("picOptions_0"));
        QCOMPARE(get<QComboBox>("ComboFerrit1")->count(), 20);
        QCOMPARE(get<QComboBox>("ComboFerritMat")->count(), 13);
        QCOMPARE(get<QComboBox>("ComboFerrit1")->currentText(), QString("FT-50"));
        QCOMPARE(get<QComboBox>("ComboFerritMat")->currentText(), QString("43"));
        const std::pair<const char*, const char*> shown[] = {
            {"Label41", "440.0"},  {"Label30", "800"},
            {"Label57", "12.70"},  {"Label60", "7.15"},
            {"Label62", "4.80"},   {"Label33", "0.01 - 1"},
            {"Label34", "1 - 50"}, {"Label35", "30 - 200"},
            {"Label81", ""},       {"Label42", "mH/     1000 N²"},
            {"Label40", "AL="},    {"Label39", "-"},
            {"Label58", "mm"},
        };
        for (const auto& [name, caption] : shown)
            QCOMPARE(text(name), QString::fromUtf8(caption));
        const std::pair<const char*, int> ids[] = {
            {"Label32", 114}, {"Label36", 115}, {"Label37", 116}, {"Label38", 117},
            {"Label56", 8},   {"Label59", 11},  {"Label81", 33}};
        for (const auto& [name, id] : ids)
            QCOMPARE(i18n::textIdOf(get(name)), id);
    }

    void ftSelections()
    {
        choose("ComboFerrit1", "FT-23");
        choose("ComboFerritMat", "K");
        QCOMPARE(text("Label41"), QString("0.0"));
        QCOMPARE(text("Label81"), QString::fromUtf8("Dieser Typ ist nicht verfügbar!"));
        QCOMPARE(text("Label57"), QString("5.842"));
        QCOMPARE(text("Label30"), QString("290"));
        choose("ComboFerrit1", "FT-200");
        QCOMPARE(text("Label41"), QString("5353.0"));
        QCOMPARE(text("Label81"), QString());
        choose("ComboFerritMat", "67");
        QCOMPARE(text("Label35"), QString("> 1"));

        choose("ComboFerrit1", "FT-193");
        window->findChild<QAction*>(QString::fromUtf8("mnuMaßeinheitInch"))->trigger();
        QCOMPARE(text("Label60"), QString("1.25"));
        QCOMPARE(text("Label63"), QString("in"));
    }

    // --- the application frame ----------------------------------------------------------------

    void frameAtStart()
    {
        for (const char* name : {"Label65", "Label73", "Label75", "Label78"})
            QCOMPARE(text(name), QString("0"));
        QCOMPARE(text("Label70"), QString());
        QCOMPARE(text("Label71"), QString());
        QCOMPARE(get("Label70")->toolTip(), QString("100 kHz - 30 MHz"));
        QCOMPARE(get("Label71")->toolTip(), QString("100 kHz - 30 MHz"));
        QCOMPARE(get<QPushButton>("CommandAnwendung2")->text(), QString("=>"));
        QCOMPARE(get<QPushButton>("CommandAnwendung2")->toolTip(), QString("Go"));
        for (const char* list : {"Combo3", "Combo4"}) {
            QCOMPARE(get<QComboBox>(list)->count(), 2);
            QCOMPARE(get<QComboBox>(list)->itemText(0), QString("G"));
            QCOMPARE(get<QComboBox>(list)->currentText(), QString("mT"));
        }
        const std::pair<const char*, const char*> captions[] = {{"Label55", "XL"},
                                                                {"Label66", "max.Flux"},
                                                                {"Label67", "Flux"},
                                                                {"Label74", "mW/cm³"},
                                                                {"Label76", "W"},
                                                                {"Label79", "°C"},
                                                                {"Label80", "V"},
                                                                {"Label72", "Kernverluste"},
                                                                {"Label69", "Spannung"},
                                                                {"Label68", "Arbeitsfrequenz"},
                                                                {"Label77", "Temperaturanstieg"}};
        for (const auto& [name, caption] : captions)
            QCOMPARE(text(name), QString::fromUtf8(caption));
        const std::pair<const char*, int> ids[] = {{"fraAnwendung", 156},
                                                   {"Label68", 142},
                                                   {"Label69", 280},
                                                   {"Label72", 282},
                                                   {"Label77", 283}};
        for (const auto& [name, id] : ids)
            QCOMPARE(i18n::textIdOf(get(name)), id);
    }

    void ferriteExample()
    {
        computeTurns("100", "7", "10");
        QCOMPARE(text("Label44"), QString("16"));
        QCOMPARE(results(), (QStringList{"4.398 K", "5.7", "1.51", "41", "0.02", "2"}));
        QCOMPARE(colour("Label71"), black);
        QCOMPARE(colour("Label78"), black);
        // The turns calculation wrote its hint after the check.
        QVERIFY(!text("lbHinweis").isEmpty());

        choose("Combo3", "G");
        QCOMPARE(text("Label70"), QString("57"));
        choose("Combo4", "G");
        QCOMPARE(text("Label71"), QString("15"));
        choose("Combo4", "mT");
        QCOMPARE(text("Label71"), QString("1.51"));
    }

    void ferriteExampleWithDecimalComma()
    {
        numbers::setDisplayDecimalSeparator(",");
        window->selectTab(1);
        computeTurns("100", "7", "10");
        QCOMPARE(results(), (QStringList{"4,398 K", "5,7", "1,51", "41", "0,02", "2"}));
    }

    void ironPowderExample()
    {
        window->selectTab(2);
        computeTurns("10", "7", "5");
        QCOMPARE(text("Label44"), QString("46"));
        QCOMPARE(results(), (QStringList{"439.823", "5.7", "0.29", "1", "0.0002", "0"}));
        QCOMPARE(colour("Label71"), black);
    }

    void ironPowderBelowItsRange()
    {
        window->selectTab(2);
        computeTurns("10", "0,5", "5");
        QCOMPARE(results(), (QStringList{"31.416", "XXX", "XXX", "XXX", "XXX", "XXX"}));
        QCOMPARE(colour("Label78"), black);
        // The unit lists leave a "XXX" of this run standing.
        choose("Combo3", "G");
        QCOMPARE(text("Label70"), QString("XXX"));
        choose("Combo4", "G");
        QCOMPARE(text("Label71"), QString("XXX"));
    }

    void ferriteAboveThirtyMegahertz()
    {
        computeTurns("100", "40", "10");
        const QStringList r = results();
        QCOMPARE(r[1], QString("XXX"));
        QCOMPARE(r[2], QString("XXX"));
        QCOMPARE(colour("Label71"), black);
        // B = 2.646 G at 40 MHz: 10^-10 · 26200 · 40000^1.252 · 2.646^2.02 = 10.81 mW/cm³,
        // 0.004334 W, a rise of 0.66 °C
        QCOMPARE(r[3], QString("11"));
        QCOMPARE(r[4], QString("0.0043"));
        QCOMPARE(r[5], QString("1"));
        // The maximum of an earlier run is not brought back by the unit list.
        computeTurns("100", "7", "10");
        computeTurns("100", "40", "10");
        choose("Combo3", "G");
        QCOMPARE(text("Label70"), QString("XXX"));
    }

    void materialWithoutLossData()
    {
        computeTurns("100", "7", "10");
        choose("ComboFerritMat", "63"); // re-runs the turns and the check
        QCOMPARE(text("Label41"), QString("22.0"));
        QCOMPARE(text("Label44"), QString("68"));
        QCOMPARE(text("Label73"), QString("XXX"));
        QCOMPARE(text("Label75"), QString("XXX"));
        QCOMPARE(text("Label78"), QString("XXX"));
        QVERIFY(text("Label71") != "XXX");
    }

    void emptyVoltage()
    {
        computeTurns("100", "7", "10");
        type("Text8", "");
        click("CommandAnwendung2");
        QCOMPARE(text("Label71"), QString("0.0"));
        QCOMPARE(colour("Label71"), black);
        // Loss data but no flux: the loss results of the last run stay.
        QCOMPARE(text("Label73"), QString("41"));
        QCOMPARE(text("Label75"), QString("0.02"));
        QCOMPARE(text("Label78"), QString("2"));

        window->selectTab(2);
        computeTurns("10", "7", "");
        QCOMPARE(text("Label71"), QString("0.0"));
        QCOMPARE(text("Label73"), QString("XXX"));
        QCOMPARE(text("Label75"), QString("XXX"));
        QCOMPARE(text("Label78"), QString("XXX"));
    }

    void fluxAboveMaximumIsRed_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("inductance");
        QTest::addColumn<QString>("volts");
        QTest::addColumn<QString>("millitesla");
        QTest::addColumn<QString>("gauss");
        // 10 · 100 / (4.44 · 7 · 16 · 0.133) = 151.2 G against 57 G
        QTest::newRow("FT ferrite") << 1 << "100"
                                    << "100"
                                    << "15.12"
                                    << "151";
        // 100 · 100 / (4.442882919 · 7 · 46 · 0.121) = 57.77 G against 57 G
        QTest::newRow("iron powder") << 2 << "10"
                                     << "100"
                                     << "5.78"
                                     << "58";
    }
    void fluxAboveMaximumIsRed()
    {
        QFETCH(int, tab);
        QFETCH(QString, inductance);
        QFETCH(QString, volts);
        window->selectTab(tab);
        computeTurns(inductance.toUtf8().constData(), "7", volts.toUtf8().constData());
        QTEST(text("Label71"), "millitesla");
        QCOMPARE(colour("Label71"), red);
        choose("Combo4", "G");
        QTEST(text("Label71"), "gauss");
        QCOMPARE(colour("Label71"), red);
        // Back to a harmless voltage: black again.
        type("Text8", "1");
        click("CommandAnwendung2");
        QCOMPARE(colour("Label71"), black);
    }

    void temperatureRiseFromFiftyIsRed()
    {
        // FT-50 in 43 at 100 V: 1.73 W on 7.09 cm² gives a rise of 98 °C.
        computeTurns("100", "7", "100");
        QCOMPARE(text("Label78"), QString("98"));
        QCOMPARE(colour("Label78"), red);
        type("Text8", "10");
        click("CommandAnwendung2");
        QCOMPARE(text("Label78"), QString("2"));
        QCOMPARE(colour("Label78"), black);
    }

    void reactanceOnlyOnTheUnknownCore()
    {
        computeTurns("100", "7", "10");
        const QStringList before = results();
        window->selectTab(6);
        type("txtALunb", "440");
        click("CommandAnwendung2");
        QStringList after = results();
        QCOMPARE(after[0], QString("4.398 K"));
        QCOMPARE(after.mid(1), before.mid(1));

        type("txtALunb", "");
        click("CommandAnwendung2");
        QCOMPARE(text("Label65"), QString("XXX"));
        QCOMPARE(results().mid(1), before.mid(1));
    }

    void airCoilTabComputesNothing()
    {
        computeTurns("100", "7", "10");
        const QStringList before = results();
        window->selectTab(7);
        window->setHint("keep");
        type("Text8", "100");
        click("CommandAnwendung2");
        QCOMPARE(results(), before);
        QCOMPARE(text("lbHinweis"), QString());
    }

    void absurdVoltageLeavesNoInfinity()
    {
        computeTurns("100", "7", "1e307");
        for (const QString& r : results()) {
            QVERIFY2(!r.contains("inf", Qt::CaseInsensitive), qPrintable(r));
            QVERIFY2(!r.contains("nan", Qt::CaseInsensitive), qPrintable(r));
        }
        QCOMPARE(text("Label70"), QString("5.7"));
        QCOMPARE(text("Label65"), QString("4.398 K"));
    }

    void keyUpBlanksTheResults_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("reactanceBlanked");
        QTest::newRow("frequency") << "Text7" << true;
        QTest::newRow("voltage") << "Text8" << false;
    }
    void keyUpBlanksTheResults()
    {
        QFETCH(QString, field);
        QFETCH(bool, reactanceBlanked);
        computeTurns("100", "7", "10");
        QTest::keyClick(get<QLineEdit>(field.toUtf8().constData()), Qt::Key_1);
        QCOMPARE(text("Label65").isEmpty(), reactanceBlanked);
        for (const char* name : {"Label70", "Label71", "Label73", "Label75", "Label78"})
            QVERIFY2(text(name).isEmpty(), name);
    }

    void materialChangeRunsTurnsThenCheckThenInductance()
    {
        computeTurns("100", "7", "10");
        type("Text9", "16");
        choose("ComboFerritMat", "61"); // AL 68: 39 turns for 100 µH
        QCOMPARE(text("Label41"), QString("68.0"));
        QCOMPARE(text("Label44"), QString("39"));
        // The check used the new turn count: 1000 / (4.44 · 7 · 39 · 0.133) = 6.2 G
        QCOMPARE(text("Label71"), QString("0.62"));
        // 68 nH · 16² = 17.408 µH, computed last, which leaves the hint empty.
        QCOMPARE(text("Label52"), QString("17.408"));
        QCOMPARE(text("lbHinweis"), QString());

        // Without an inductance the check runs on the turns shown.
        type("Text6", "");
        type("Text9", "");
        choose("ComboFerritMat", "43");
        QCOMPARE(text("Label44"), QString("39"));
        QCOMPARE(text("Label65"), QString("XXX")); // no inductance
        QCOMPARE(text("Label52"), QString());
    }
};

QTEST_MAIN(TestGuiApplication)
#include "test_gui_application.moc"
