// Tab 5, the Würth catalog: the panel on its own, then on the real main window with the
// calculations and the language switch.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "catalogs/ui/wurthpanel.h"
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
using catalogs::WurthPanel;

namespace {

const QString crlf = QStringLiteral("\r\n");
const QString notAvailableDe = QString::fromUtf8("Dieser Typ ist nicht verfügbar!");
const QString tof191Code = "742 701 91" + crlf + "[RK4]";

} // namespace

class TestGuiWurthPanel : public QObject, public guitest::CatalogPanelFixture<WurthPanel> {
    Q_OBJECT

public:
    TestGuiWurthPanel() : CatalogPanelFixture("ComboWE1", "ComboWEMat", 5) {}

private slots:
    void initTestCase() { setUpSettings(); }
    void init() { startPanel(); }
    void cleanup() { tearDown(); }

    void defaultSelection()
    {
        QCOMPARE(panel->objectName(), QString("picOptions_4"));
        QCOMPARE(types()->count(), 21);
        QCOMPARE(materials()->count(), 8);
        QCOMPARE(types()->currentText(), QString("WE-TOF 191"));
        QCOMPARE(materials()->currentText(), QString("4W620"));
        QCOMPARE(text("lbWE41"), QString("1342.0"));
        QCOMPARE(text("lbWE30"), QString("620"));
        QCOMPARE(text("lbWE57"), QString("61.00"));
        QCOMPARE(text("lbWE60"), QString("35.50"));
        QCOMPARE(text("lbWE62"), QString("20.00"));
        // The order code with its mark on the second line, and the empty message after it.
        QCOMPARE(text("lbWE81"), tof191Code + crlf);
        QCOMPARE(panel->alCaption(), QString("1342.0"));
        QCOMPARE(panel->selectedCore().da, 61.0f);
    }

    void captionsAndTextIds()
    {
        const std::pair<const char*, const char*> captions[] = {
            {"Label133", "AL="}, {"Label131", "nH/N²"}, {"Label125", "Da="}, {"Label122", "Di="},
            {"Label119", "h="},  {"Label127", "µi="},   {"Label114", "Typ"}, {"Label123", "mm"},
            {"Label120", "mm"},  {"Label117", "mm"},
        };
        for (const auto& [name, caption] : captions)
            QCOMPARE(text(name), QString::fromUtf8(caption));
        using i18n::textIdOf;
        QCOMPARE(textIdOf(get("Label114")), 70);
        QCOMPARE(textIdOf(get("lbWE81")), 33);
        QCOMPARE(textIdOf(get("Label125")), 8);
        QCOMPARE(textIdOf(get("Label122")), 11);
        QCOMPARE(textIdOf(get("lbWE41")), -1);
    }

    void pairs_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("material");
        QTest::addColumn<QString>("al");
        QTest::addColumn<QString>("mu");
        QTest::addColumn<QString>("message");
        QTest::newRow("WE-TOF 191 in 3W800, not made") << "WE-TOF 191"
                                                       << "3W800"
                                                       << "0.0"
                                                       << "800" << crlf + notAvailableDe;
        QTest::newRow("WE-AFB 727 in 8W5000, largest AL") << "WE-AFB 727"
                                                          << "8W5000"
                                                          << "22936.0"
                                                          << "5000"
                                                          << "742 77 27" + crlf + "[FH3]" + crlf;
        QTest::newRow("WE-AFB 7, one-line code") << "WE-AFB 7"
                                                 << "3W800"
                                                 << "3670.0"
                                                 << "800"
                                                 << "742 700 7" + crlf;
        QTest::newRow("WE-AFB 790 in 7W380") << "WE-AFB 790"
                                             << "7W380"
                                             << "1501.0"
                                             << "380"
                                             << "742 700 790" + crlf + "[FH1]" + crlf;
        QTest::newRow("WE-TOF 121 in 4W1500, not made") << "WE-TOF 121"
                                                        << "4W1500"
                                                        << "0.0"
                                                        << "1500" << crlf + notAvailableDe;
    }
    void pairs()
    {
        QFETCH(QString, type);
        QFETCH(QString, material);
        select(type, material);
        QTEST(text("lbWE41"), "al");
        QTEST(text("lbWE30"), "mu");
        QTEST(text("lbWE81"), "message");
    }

    void everyTypeIsMadeInOneMaterialOnly()
    {
        for (int i = 0; i < types()->count(); ++i) {
            types()->setCurrentIndex(i);
            int made = 0;
            for (int m = 0; m < materials()->count(); ++m) {
                materials()->setCurrentIndex(m);
                const QString material = materials()->currentText();
                if (text("lbWE41") == "0.0") {
                    QCOMPARE(text("lbWE81"), crlf + notAvailableDe);
                } else {
                    ++made;
                    QVERIFY(material != "3W180" && material != "7W850");
                    QVERIFY(text("lbWE81").startsWith("742 7"));
                }
            }
            QVERIFY2(made == 1, qPrintable(types()->currentText()));
        }
    }

    void messageFollowsTheLanguage()
    {
        globals().currentLanguage = "cz";
        select("WE-TOF 191", "7W850");
        QCOMPARE(text("lbWE81"), crlf + QString::fromUtf8("Tento typ není dostupný!"));
        globals().currentLanguage = "xx";
        materials()->setCurrentIndex(materials()->findText("3W180"));
        QCOMPARE(text("lbWE81"), crlf + "This type is not available!");
    }

    void imperialShowsTheInchTexts()
    {
        globals().unitSystemImperial = true;
        panel->typeHandler();
        QCOMPARE(text("lbWE57"), QString("2.402"));
        QCOMPARE(text("lbWE60"), QString("1.398"));
        QCOMPARE(text("lbWE62"), QString("0.787"));
        QCOMPARE(panel->selectedCore().di, 35.5f);
    }

    // --- on the main window -------------------------------------------------------------------

    void startupDefaultsOnTheMainWindow()
    {
        openMainWindow();
        QCOMPARE(text("lbWE81"), tof191Code + crlf);
        QCOMPARE(text("lbWE41"), QString("1342.0"));
        QCOMPARE(get<QWidget>("picOptions_4"), window->catalogPanel(5));
        QCOMPARE(get<QTabWidget>("tbsOptions")->widget(4)->objectName(), QString("picOptions_4"));
    }

    void calculationsReadTheWurthCore()
    {
        openMainWindow();
        QCOMPARE(window->catalogAlCaption(), QString("1342.0"));
        get<QLineEdit>("Text6")->setText("1000");
        get<QLineEdit>("Text9")->setText("2");
        get<QLineEdit>("Text7")->setText("7");
        select("WE-AFB 727", "8W5000");
        // √(1e-3 / 22936e-9) = 6.60, so 7 turns; 2 turns give 4 · 22936 nH.
        QCOMPARE(text("Label44"), QString("7"));
        QCOMPARE(text("Label52"), QString("91.744"));
        QCOMPARE(text("LabelFerrit1"), QString::fromUtf8("µH"));

        // The application check gives the reactance of the wanted inductance: 2π · 7 MHz · 1 mH.
        QCOMPARE(text("Label65"), QString("43.982 K"));

        materials()->setCurrentIndex(materials()->findText("3W180"));
        QCOMPARE(text("Label65"), QString("XXX"));
        QCOMPARE(text("Label44"), QString("XXX"));
        QCOMPARE(text("Label52"), QString("XXX"));
    }

    // Tab changes and the unit menu show each tab's own selection afresh.
    void selectionSurvivesTabsAndUnits()
    {
        openMainWindow();
        select("WE-TOF 113", "7W700");
        auto* siTypes = get<QComboBox>("ComboSi1");
        window->selectTab(4);
        siTypes->setCurrentIndex(siTypes->findText("R4"));
        window->setUnitSystem(true);
        QCOMPARE(text("lbSi57"), QString("0.157"));
        window->selectTab(5);
        QCOMPARE(types()->currentText(), QString("WE-TOF 113"));
        QCOMPARE(text("lbWE41"), QString("930.0"));
        QCOMPARE(text("lbWE60"), QString("0.197"));
        QCOMPARE(window->catalogCore().di, 5.0f);
        window->setUnitSystem(false);
        QCOMPARE(text("lbWE60"), QString("5.00"));
        window->selectTab(4);
        QCOMPARE(siTypes->currentText(), QString("R4"));
        QCOMPARE(text("lbSi57"), QString("4.00"));
        QCOMPARE(window->catalogAlCaption(), QString("700.0"));
    }

    void languageSwitchKeepsTheOrderCode()
    {
        openMainWindow();
        get<QAction>("mnuSpracheEngl")->trigger();
        QCOMPARE(text("lbWE81"), tof191Code + crlf);
        QCOMPARE(text("Label114"), QString("Type"));
        QCOMPARE(text("lbWE41"), QString("1342.0"));
        get<QAction>("mnuSpracheCZ")->trigger();
        QCOMPARE(text("lbWE81"), tof191Code + crlf);
        QCOMPARE(text("Label114"), QString("Typ"));

        // A pair that is not made gets the message of the new language.
        select("WE-TOF 191", "3W800");
        get<QAction>("mnuSpracheEngl")->trigger();
        QVERIFY(text("lbWE81").endsWith("This type is not available!"));
        QVERIFY(!text("lbWE81").contains("742"));
        QCOMPARE(text("lbWE41"), QString("0.0"));
    }
};

QTEST_MAIN(TestGuiWurthPanel)
#include "test_gui_wurthpanel.moc"
