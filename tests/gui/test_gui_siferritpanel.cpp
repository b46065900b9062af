// Tab 4, the Siferrit catalog: the panel on its own, then on the real main window with the
// calculations and the language switch.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "catalogs/ui/siferritpanel.h"
#include "i18n/ui/language.h"
#include "i18n/ui/textid.h"
#include "numbers/format.h"

#include "guitestsupport.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace kovolo;
using catalogs::SiferritPanel;

namespace {

const QString crlf = QStringLiteral("\r\n");
const QString notAvailableDe = QString::fromUtf8("Dieser Typ ist nicht verfügbar!");

} // namespace

class TestGuiSiferritPanel : public QObject, public guitest::CatalogPanelFixture<SiferritPanel> {
    Q_OBJECT

public:
    TestGuiSiferritPanel() : CatalogPanelFixture("ComboSi1", "ComboSiMat", 4) {}

private slots:
    void initTestCase() { setUpSettings(); }
    void init() { startPanel(); }
    void cleanup() { tearDown(); }

    void defaultSelection()
    {
        QCOMPARE(panel->objectName(), QString("picOptions_3"));
        QCOMPARE(types()->count(), 19);
        QCOMPARE(materials()->count(), 8);
        QCOMPARE(types()->currentText(), QString("R10"));
        QCOMPARE(materials()->currentText(), QString("N30"));
        QCOMPARE(text("lbSi41"), QString("1760.0"));
        QCOMPARE(text("lbSi30"), QString("4300"));
        QCOMPARE(text("lbSi57"), QString("10.80"));
        QCOMPARE(text("lbSi60"), QString("5.25"));
        QCOMPARE(text("lbSi62"), QString("4.00"));
        // The order code alone: the message after the line break is empty.
        QCOMPARE(text("lbSi81"), "B64290-L38-X830" + crlf);
        QCOMPARE(text("Label104"), QString::fromUtf8("Breitbandübertrager"));
        QCOMPARE(text("Label105"), QString("0...400 KHz"));
        QCOMPARE(panel->alCaption(), QString("1760.0"));
        const auto core = panel->selectedCore();
        QCOMPARE(core.da, 10.8f);
        QCOMPARE(core.di, 5.25f);
        QCOMPARE(core.h, 4.0f);
    }

    void captionsAndTextIds()
    {
        const std::pair<const char*, const char*> captions[] = {
            {"Label94", "AL="},  {"Label102", "nH/N²"},     {"Label108", "Da="},
            {"Label110", "Di="}, {"Label113", "h="},        {"Label106", "µi="},
            {"Label116", "Typ"}, {"Label103", "Anwendung"}, {"LabelFerroxcube1", "mm"},
            {"Label112", "mm"},  {"Label115", "mm"},
        };
        for (const auto& [name, caption] : captions)
            QCOMPARE(text(name), QString::fromUtf8(caption));
        using i18n::textIdOf;
        QCOMPARE(textIdOf(get("Label116")), 70);
        QCOMPARE(textIdOf(get("Label103")), 156);
        QCOMPARE(textIdOf(get("lbSi81")), 33);
        QCOMPARE(textIdOf(get("Label108")), 8);
        QCOMPARE(textIdOf(get("Label110")), 11);
        for (const char* value : {"lbSi41", "lbSi57", "lbSi30", "Label104", "Label105"})
            QCOMPARE(textIdOf(get(value)), -1);
    }

    void pairs_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("material");
        QTest::addColumn<QString>("al");
        QTest::addColumn<QString>("mu");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("application");
        QTest::addColumn<QString>("range");
        QTest::newRow("R2.5 N27 not made")
            << "R2.5"
            << "N27"
            << "0.0"
            << "2000"
            << "B64290-P35-X27" + crlf + notAvailableDe << QString::fromUtf8("Leistungsübertrager")
            << "0...150 kHz";
        QTest::newRow("R2.5 K1 not made")
            << "R2.5"
            << "K1"
            << "0.0"
            << "80"
            << "B64290-P35-X1" + crlf + notAvailableDe << "Resonanzkreise"
            << "1,5...12 MHz";
        QTest::newRow("R4 K1") << "R4"
                               << "K1"
                               << "13.0"
                               << "80"
                               << "B64290-P36-X1" + crlf << "Resonanzkreise"
                               << "1,5...12 MHz";
        QTest::newRow("R16 T35") << "R16"
                                 << "T35"
                                 << "3870.0"
                                 << "6000"
                                 << "B64290-L45-X35" + crlf
                                 << QString::fromUtf8("Breitbandübertrager") << "-";
        QTest::newRow("R50 N30, largest AL")
            << "R50"
            << "N30"
            << "8700.0"
            << "4300"
            << "B64290-L82-X830" + crlf << QString::fromUtf8("Breitbandübertrager")
            << "0...400 KHz";
        QTest::newRow("R200 N30") << "R200"
                                  << "N30"
                                  << "5500.0"
                                  << "4300"
                                  << "B64290-A711-X830" + crlf
                                  << QString::fromUtf8("Breitbandübertrager") << "0...400 KHz";
        QTest::newRow("R200 N49 not made")
            << "R200"
            << "N49"
            << "0.0"
            << "1300"
            << "B64290-A711-X49" + crlf + notAvailableDe << QString::fromUtf8("Leistungsübertrager")
            << "300...1000 kHz";
    }
    void pairs()
    {
        QFETCH(QString, type);
        QFETCH(QString, material);
        select(type, material);
        QTEST(text("lbSi41"), "al");
        QTEST(text("lbSi30"), "mu");
        QTEST(text("lbSi81"), "message");
        QTEST(text("Label104"), "application");
        QTEST(text("Label105"), "range");
    }

    void r200ExistsOnlyInN30()
    {
        types()->setCurrentIndex(types()->findText("R200"));
        for (int m = 0; m < materials()->count(); ++m) {
            materials()->setCurrentIndex(m);
            const bool made = text("lbSi41") != "0.0";
            QCOMPARE(made, materials()->currentText() == "N30");
            QCOMPARE(text("lbSi81").endsWith(notAvailableDe), !made);
            QCOMPARE(text("lbSi57"), QString("206.80"));
        }
    }

    void madeMaterialLeavesTheOrderCodeOnly()
    {
        select("R2.5", "N27");
        QCOMPARE(text("lbSi81"), "B64290-P35-X27" + crlf + notAvailableDe);
        materials()->setCurrentIndex(materials()->findText("N30"));
        QCOMPARE(text("lbSi81"), "B64290-P35-X830" + crlf);
        QCOMPARE(text("lbSi41"), QString("440.0"));
        // A type change re-runs the material step too.
        select("R2.5", "N27");
        types()->setCurrentIndex(types()->findText("R12.5"));
        QCOMPARE(text("lbSi81"), "B64290-L44-X27" + crlf);
        QCOMPARE(text("lbSi41"), QString("1020.0"));
    }

    void languageOfMessageAndApplication_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("application");
        QTest::newRow("franz") << "franz"
                               << "Ce type n'est pas disponible!"
                               << "Resonant Circuit";
        QTest::newRow("cz") << "cz" << QString::fromUtf8("Tento typ není dostupný!")
                            << "Resonant Circuit";
        QTest::newRow("unknown code") << "klingon"
                                      << "This type is not available!"
                                      << "Resonant Circuit";
        QTest::newRow("deutsch") << "deutsch" << notAvailableDe << "Resonanzkreise";
    }
    void languageOfMessageAndApplication()
    {
        QFETCH(QString, code);
        QFETCH(QString, message);
        globals().currentLanguage = code.toStdString();
        select("R2.5", "K1");
        QCOMPARE(text("lbSi81"), "B64290-P35-X1" + crlf + message);
        QTEST(text("Label104"), "application");
    }

    void imperialShowsTheInchTexts()
    {
        globals().unitSystemImperial = true;
        panel->typeHandler();
        QCOMPARE(text("lbSi57"), QString("0.433"));
        QCOMPARE(text("lbSi60"), QString("0.199"));
        QCOMPARE(text("lbSi62"), QString("0.195"));
        QCOMPARE(panel->selectedCore().da, 10.8f);
        globals().unitSystemImperial = false;
        panel->typeHandler();
        QCOMPARE(text("lbSi57"), QString("10.80"));
    }

    // The application is written with the message, before the calculations run.
    void applicationIsShownBeforeTheCalculations()
    {
        QString seenApplication, seenMessage, seenAl;
        panel->setRecalculation([&] {
            seenApplication = text("Label104");
            seenMessage = text("lbSi81");
            seenAl = panel->alCaption();
        });
        select("R6.3", "M33");
        QCOMPARE(seenAl, QString("190.0"));
        QCOMPARE(seenMessage, "B64290-P37-X33" + crlf);
        QCOMPARE(seenApplication, QString("Resonanzkreise"));
    }

    // --- on the main window -------------------------------------------------------------------

    void calculationsReadTheSiferritCore()
    {
        openMainWindow();
        QCOMPARE(window->selectedTab(), 4);
        QCOMPARE(window->catalogAlCaption(), QString("1760.0"));
        QCOMPARE(window->catalogCore().di, 5.25f);

        // 1 mH on R10 in N30: √(1e-3 / 1760e-9) = 23.84, so 24 turns.
        get<QLineEdit>("Text6")->setText("1000");
        get<QLineEdit>("Text9")->setText("10");
        materials()->setCurrentIndex(materials()->findText("T38"));
        // T38: √(1e-3 / 4090e-9) = 15.64, so 16 turns; 10 turns give 409 µH.
        QCOMPARE(text("Label44"), QString("16"));
        QCOMPARE(text("Label52"), QString("409.0"));
        QCOMPARE(text("LabelFerrit1"), QString::fromUtf8("µH"));

        // R2.5 is not made in N27: no core, no results.
        select("R2.5", "N27");
        QCOMPARE(text("Label44"), QString("XXX"));
        QCOMPARE(text("Label49"), QString("XXX"));
        QCOMPARE(text("Label52"), QString("XXX"));
    }

    // The application check computes only the reactance here, and only for a core that is made.
    void applicationCheckOnTheSiferritTab()
    {
        openMainWindow();
        get<QLabel>("Label70")->setText("kept");
        get<QLineEdit>("Text6")->setText("100");
        get<QLineEdit>("Text7")->setText("7");
        materials()->setCurrentIndex(materials()->findText("T38"));
        // 2π · 7 MHz · 100 µH = 4398 Ω.
        QCOMPARE(text("Label65"), QString("4.398 K"));
        QCOMPARE(text("Label70"), QString("kept"));
        select("R2.5", "N27");
        QCOMPARE(text("Label65"), QString("XXX"));
        QCOMPARE(text("Label70"), QString("kept"));
    }

    void startupDefaultsOnTheMainWindow()
    {
        openMainWindow();
        QCOMPARE(text("lbSi81"), "B64290-L38-X830" + crlf);
        QCOMPARE(text("Label104"), QString::fromUtf8("Breitbandübertrager"));
        QCOMPARE(text("Label105"), QString("0...400 KHz"));
        QCOMPARE(get<QWidget>("picOptions_3"), window->catalogPanel(4));
        QCOMPARE(get<QTabWidget>("tbsOptions")->widget(3)->objectName(), QString("picOptions_3"));
    }

    void languageSwitchWithATypeNotMade()
    {
        openMainWindow();
        select("R2.5", "N27");
        get<QAction>("mnuSpracheEngl")->trigger();
        QCOMPARE(globals().currentLanguage, std::string("englisch"));
        QCOMPARE(text("lbSi81"), "B64290-P35-X27" + crlf + "This type is not available!");
        QCOMPARE(text("Label104"), QString("Power Transformer"));
        QCOMPARE(text("Label116"), QString("Type"));
        QCOMPARE(text("Label103"), QString("Application"));
        QCOMPARE(text("lbSi41"), QString("0.0"));
        QCOMPARE(text("Label105"), QString("0...150 kHz"));

        // A made pair shows its order code alone, in every language.
        materials()->setCurrentIndex(materials()->findText("K1"));
        QCOMPARE(text("lbSi81"), "B64290-P35-X1" + crlf + "This type is not available!");
        materials()->setCurrentIndex(materials()->findText("N30"));
        QCOMPARE(text("lbSi81"), "B64290-P35-X830" + crlf);
        get<QAction>("mnuSpracheFranz")->trigger();
        QCOMPARE(text("lbSi81"), QString("B64290-P35-X830"));
        QCOMPARE(text("Label104"), QString("Broadband Transformer"));
        QCOMPARE(text("Label116"), QString("Type")); // no French entry: stays as it was
        get<QAction>("mnuSpracheDtsch")->trigger();
        QCOMPARE(text("Label104"), QString::fromUtf8("Breitbandübertrager"));
        QCOMPARE(text("Label116"), QString("Typ"));
        QCOMPARE(text("lbSi41"), QString("440.0"));
    }

    void unknownLanguageLeavesTheApplication()
    {
        openMainWindow();
        materials()->setCurrentIndex(materials()->findText("K1"));
        QCOMPARE(text("Label104"), QString("Resonanzkreise"));
        globals().currentLanguage = "klingon";
        i18n::applyLanguage("klingon");
        QCOMPARE(text("Label104"), QString("Resonanzkreise"));
        QCOMPARE(text("lbSi81"), QString("B64290-L38-X1"));
    }
};

QTEST_MAIN(TestGuiSiferritPanel)
#include "test_gui_siferritpanel.moc"
