// The main window as the program builds it: tabs, frames, menus, tab switching, activation, the
// unit menu, the key-up blanking, closing and the language application on the real controls.

#include "app/globals.h"
#include "app/ui/about.h"
#include "app/ui/mainwindow.h"
#include "i18n/texttable.h"
#include "i18n/ui/textid.h"

#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <optional>
#include <string>

using namespace kovolo;

namespace {

const QString version = QStringLiteral(" V1.3.2");

const char* const languageItemNames[] = {"mnuSpracheDtsch",    "mnuSpracheEngl", "mnuSpracheFranz",
                                         "mnuSpracheSpanisch", "mnuSpracheItal", "mnuSpracheCZ"};

QString lookup(int id, const char* code)
{
    const std::optional<std::string> text = i18n::lookupText(id, code);
    return text ? QString::fromStdString(*text) : QString();
}

} // namespace

class TestGuiMainWindow : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;
    std::unique_ptr<MainWindow> window;

    template <typename T = QWidget> T* find(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromUtf8(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    QTabWidget* tabs() const { return find<QTabWidget>("tbsOptions"); }
    int shownTab() const { return tabs()->currentIndex() + 1; }
    QAction* action(const char* name) const { return find<QAction>(name); }
    QString checkedLanguageItems() const
    {
        QStringList checked;
        for (const char* name : languageItemNames)
            if (action(name)->isChecked())
                checked << QString::fromLatin1(name);
        return checked.join(QLatin1Char(' '));
    }
    // A real click needs a laid-out, shown button.
    void computeTurns(const char* microHenry)
    {
        if (!window->isVisible())
            showAndWait();
        find<QLineEdit>("Text6")->setText(QString::fromLatin1(microHenry));
        QTest::mouseClick(find<QPushButton>("CommandWdg0"), Qt::LeftButton);
    }
    void showAndWait()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    static int aboutWindowCount()
    {
        int n = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("frmAbout"))
                ++n;
        return n;
    }
    static QString storedLanguage()
    {
        QSettings store(QStringLiteral("Kovolo"), QStringLiteral("Kovolo"));
        return store.value(QStringLiteral("Settings/Sprache")).toString();
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
        window = std::make_unique<MainWindow>();
    }

    void cleanup()
    {
        window.reset();
        delete aboutWindow();
        QCoreApplication::processEvents();
    }

    // --- after creation ---------------------------------------------------------------------

    void tabsAfterCreation_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("FT ferrite") << 0 << "&Ferrit FT"
                                    << "AMIDON";
        QTest::newRow("iron powder") << 1 << "Eisenpulver &T"
                                     << "AMIDON";
        QTest::newRow("Ferroxcube") << 2 << "Ferro&xcube"
                                    << "Ferroxcube (Philips)";
        QTest::newRow("Siferrit") << 3 << "&SIFERRIT"
                                  << "EPCOS";
        QTest::newRow("Wuerth") << 4 << "&WE Ferrit" << QString::fromUtf8("Würth Elektronik");
        QTest::newRow("unknown core") << 5 << "&unbekannter Kern" << QString();
        QTest::newRow("air coils") << 6 << "&Luftspulen" << QString();
    }

    void tabsAfterCreation()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QCOMPARE(tabs()->count(), 7);
        QCOMPARE(tabs()->tabText(index), caption);
        QCOMPARE(tabs()->tabToolTip(index), toolTip);
        QCOMPARE(tabs()->widget(index)->objectName(), QStringLiteral("picOptions_%1").arg(index));
        QCOMPARE(i18n::textIdOf(tabs()), 997);
    }

    void stateAfterCreation()
    {
        QCOMPARE(window->objectName(), QStringLiteral("frmOptions"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Kovolo") + version);
        for (const char* result : {"Label44", "Label46", "Label49"})
            QCOMPARE(text(result), QStringLiteral("0"));
        // The first catalog display has emptied the inductance results.
        QCOMPARE(text("Label52"), QString());
        QCOMPARE(text("Label54"), QString());
        QCOMPARE(find<QComboBox>("ComboEisen1")->currentText(), QStringLiteral("T-50"));
        QCOMPARE(find<QComboBox>("ComboEisenMat")->currentText(), QStringLiteral("2"));
        QCOMPARE(text("LabelE41"), QStringLiteral("4.9"));
        QCOMPARE(text("LabelE57"), QStringLiteral("12.70"));
        QCOMPARE(text("LabelE81"), QString());
        QCOMPARE(text("lbHinweis"), QString());
        QCOMPARE(find<QPushButton>("cmdOK")->text(), QStringLiteral("&Beenden"));
        QCOMPARE(find<QPushButton>("cmdCancel")->text(), QStringLiteral("&Drucken"));
        QVERIFY(action("mnuMaßeinheitMeter")->isChecked());
        QVERIFY(!action("mnuMaßeinheitInch")->isChecked());
        QCOMPARE(action("mnuMaßeinheitMeter")->text(), QStringLiteral("[mm][cm][m]"));
        QCOMPARE(action("mnuMaßeinheitInch")->text(), QStringLiteral("[inch][foot][AWG]"));
        QCOMPARE(checkedLanguageItems(), QStringLiteral("mnuSpracheDtsch"));
        QCOMPARE(action("mnuHelpInfo")->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(action("mnuHelpHilfe")->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(!find<QGroupBox>("fraAnwendung")->isEnabled());
    }

    void menuTextIds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("id");
        QTest::newRow("language menu") << "mnuSprache" << 276;
        QTest::newRow("English") << "mnuSpracheEngl" << 277;
        QTest::newRow("German") << "mnuSpracheDtsch" << 278;
        QTest::newRow("French") << "mnuSpracheFranz" << 281;
        QTest::newRow("Spanish") << "mnuSpracheSpanisch" << -1;
        QTest::newRow("Italian") << "mnuSpracheItal" << -1;
        QTest::newRow("Czech") << "mnuSpracheCZ" << -1;
        QTest::newRow("resonant circuit") << "mnuToolsSchwingkreis" << 274;
        QTest::newRow("copper resistance") << "mnuToolsR_Cu" << 275;
        QTest::newRow("inch meter") << "mnuToolsInchMeter" << 272;
        QTest::newRow("AL and permeability") << "mnuToolsAlPerm" << 273;
        QTest::newRow("help") << "mnuHelpHilfe" << 279;
        QTest::newRow("units menu") << QString::fromUtf8("mnuMaßeinheit") << 271;
        QTest::newRow("AL from permeability") << "mnuToolsAlImpedanz" << 270;
        QTest::newRow("tools menu") << "mnuTools" << -1;
        QTest::newRow("help menu") << "mnuHelp" << -1;
        QTest::newRow("info") << "mnuHelpInfo" << -1;
        QTest::newRow("metric") << QString::fromUtf8("mnuMaßeinheitMeter") << -1;
        QTest::newRow("imperial") << QString::fromUtf8("mnuMaßeinheitInch") << -1;
    }

    void menuTextIds()
    {
        QFETCH(QString, name);
        QFETCH(int, id);
        QObject* item = window->findChild<QObject*>(name);
        QVERIFY2(item, qPrintable(name));
        QCOMPARE(i18n::textIdOf(item), id);
    }

    // --- tab change -------------------------------------------------------------------------

    void airCoilTabHidesFramesAndKeepsTheirContents()
    {
        window->selectTab(2);
        computeTurns("10");
        QCOMPARE(text("Label44"), QStringLiteral("46"));
        find<QLabel>("lbHinweis")->setText(QStringLiteral("hint"));

        window->selectTab(7);
        for (const char* frame : {"Frame4", "fraFerrit1", "fraAnwendung"})
            QVERIFY2(!find(frame)->isVisibleTo(window.get()), frame);
        QCOMPARE(text("lbHinweis"), QString());
        QCOMPARE(globals().currentTab, 7);

        window->selectTab(2);
        for (const char* frame : {"Frame4", "fraFerrit1", "fraAnwendung"})
            QVERIFY2(find(frame)->isVisibleTo(window.get()), frame);
        QCOMPARE(find<QLineEdit>("Text6")->text(), QStringLiteral("10"));
        QCOMPARE(text("Label44"), QStringLiteral("46"));
        QCOMPARE(globals().currentTab, 2);
        QCOMPARE(shownTab(), 2);
    }

    void unknownCoreTabEmptiesResultsWithoutAl_data()
    {
        QTest::addColumn<QString>("al");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("no AL") << QString() << true;
        QTest::newRow("AL typed") << "10" << false;
    }

    void unknownCoreTabEmptiesResultsWithoutAl()
    {
        QFETCH(QString, al);
        QFETCH(bool, emptied);
        window->selectTab(2);
        computeTurns("10");
        find<QLineEdit>("Text9")->setText(QStringLiteral("20"));
        QTest::mouseClick(find<QPushButton>("CommandL1"), Qt::LeftButton);
        const char* const results[] = {"Label44", "Label46", "Label49", "Label52", "Label54"};
        std::map<std::string, QString> before;
        for (const char* name : results) {
            before[name] = text(name);
            QVERIFY2(!before[name].isEmpty(), name);
        }

        find<QLineEdit>("txtALunb")->setText(al);
        window->selectTab(6);
        for (const char* name : results)
            QCOMPARE(text(name), emptied ? QString() : before[name]);
    }

    void tabChangeDuringACatalogRefreshWins()
    {
        // The change to the unknown core arrives while the iron-powder tab lets events run in
        // its own handler (the tab change's events run first, then the catalog's): the iron
        // handler must not go on and compute on the unknown core, whose results stay empty.
        window->selectTab(2);
        computeTurns("10");
        QCOMPARE(text("Label44"), QStringLiteral("46"));
        window->selectTab(1);
        int nested = 0;
        QTimer::singleShot(0, window.get(), [this, &nested] {
            ++nested; // in the tab change's event run
            QTimer::singleShot(0, window.get(), [this, &nested] {
                ++nested; // in the iron handler's event run
                tabs()->setCurrentIndex(5);
            });
        });
        window->selectTab(2);
        QCOMPARE(nested, 2);
        QCOMPARE(shownTab(), 6);
        QCOMPARE(globals().currentTab, std::int16_t(6));
        for (const char* name : {"Label44", "Label46", "Label49", "Label52", "Label54"})
            QCOMPARE(text(name), QString());
        QCOMPARE(find<QLineEdit>("Text6")->text(), QStringLiteral("10"));
    }

    void applicationFrameEnabledByTurnsResult_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("turns");
        QTest::addColumn<bool>("enabledBefore");
        QTest::addColumn<bool>("enabledAfter");
        QTest::newRow("tab 1, no turns") << 1 << "0" << true << false;
        QTest::newRow("tab 2, no turns") << 2 << "0" << true << false;
        QTest::newRow("tab 1, turns") << 1 << "46" << false << true;
        QTest::newRow("tab 2, turns") << 2 << "12" << false << true;
        QTest::newRow("tab 1, invalid mark") << 1 << "XXX" << true << false;
        QTest::newRow("tab 1, negative leaves enabled") << 1 << "-3" << true << true;
        QTest::newRow("tab 1, negative leaves disabled") << 1 << "-3" << false << false;
        QTest::newRow("tab 3 leaves disabled") << 3 << "46" << false << false;
        QTest::newRow("tab 4 leaves enabled") << 4 << "0" << true << true;
        QTest::newRow("tab 5 leaves disabled") << 5 << "46" << false << false;
    }

    void applicationFrameEnabledByTurnsResult()
    {
        QFETCH(int, tab);
        QFETCH(QString, turns);
        QFETCH(bool, enabledBefore);
        QFETCH(bool, enabledAfter);
        window->selectTab(tab == 1 ? 7 : 1);
        for (const char* name : {"fraAnwendung", "Label68", "Label69"})
            find(name)->setEnabled(enabledBefore);
        find<QLabel>("Label44")->setText(turns);

        window->selectTab(tab);
        QCOMPARE(find("fraAnwendung")->isEnabled(), enabledAfter);
        for (const char* name : {"Label68", "Label69"})
            QCOMPARE(find(name)->isEnabledTo(find("fraAnwendung")), enabledAfter);
    }

    void turnsCalculationEnablesApplicationFrame()
    {
        window->selectTab(2);
        QCOMPARE(text("Label44"), QStringLiteral("0"));
        QVERIFY(!find("fraAnwendung")->isEnabled());
        computeTurns("10");
        QCOMPARE(text("Label44"), QStringLiteral("46"));
        QVERIFY(find("fraAnwendung")->isEnabled());
        window->selectTab(1);
        QVERIFY(find("fraAnwendung")->isEnabled());
    }

    void fullCheckControlsOnFtAndIronOnly_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("shown");
        QTest::newRow("FT ferrite") << 1 << true;
        QTest::newRow("iron powder") << 2 << true;
        QTest::newRow("Ferroxcube") << 3 << false;
        QTest::newRow("Siferrit") << 4 << false;
        QTest::newRow("Wuerth") << 5 << false;
        QTest::newRow("unknown core") << 6 << false;
        QTest::newRow("air coils") << 7 << false;
    }

    void fullCheckControlsOnFtAndIronOnly()
    {
        QFETCH(int, tab);
        QFETCH(bool, shown);
        // Start from the opposite state so that the change itself is seen.
        window->selectTab(shown ? 3 : 2);
        window->selectTab(tab);
        for (const char* name : {"Text8", "Label69", "Label80"})
            QVERIFY2(find(name)->isHidden() != shown, name);
        QCOMPARE(find("Text7")->isHidden(), false);
        QCOMPARE(globals().currentTab, tab);
        QCOMPARE(shownTab(), tab);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(tabs()->widget(i)->isEnabled(), i == tab - 1);
    }

    // --- keyboard ---------------------------------------------------------------------------

    void controlTabSwitchesTabs_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("to");
        const int ctrl = Qt::ControlModifier;
        const int shift = Qt::ShiftModifier;
        const int alt = Qt::AltModifier;
        const int tab = Qt::Key_Tab;
        const int backtab = Qt::Key_Backtab;
        // The turns field is hidden on the air-coil tab; the exit button is always there.
        QTest::newRow("Ctrl+Tab on 7 wraps to 1") << "cmdOK" << 7 << tab << ctrl << 1;
        QTest::newRow("Ctrl+Tab on 3") << "Text6" << 3 << tab << ctrl << 4;
        QTest::newRow("Ctrl+Tab on 6") << "Text6" << 6 << tab << ctrl << 7;
        QTest::newRow("Ctrl+Shift+Tab on 1 wraps to 7")
            << "Text6" << 1 << tab << (ctrl | shift) << 7;
        QTest::newRow("Ctrl+Shift+Backtab on 1 wraps to 7")
            << "Text6" << 1 << backtab << (ctrl | shift) << 7;
        QTest::newRow("Ctrl+Shift+Tab on 4") << "Text6" << 4 << tab << (ctrl | shift) << 3;
        QTest::newRow("Ctrl+Shift+Tab on 7") << "cmdOK" << 7 << tab << (ctrl | shift) << 6;
        QTest::newRow("Ctrl+Alt+Tab on 7") << "cmdOK" << 7 << tab << (ctrl | alt) << 1;
        QTest::newRow("Ctrl+Alt+Tab on 2") << "Text6" << 2 << tab << (ctrl | alt) << 3;
        // Controls that know Ctrl+Tab themselves still switch exactly one tab.
        QTest::newRow("Ctrl+Tab in the tab strip") << "tbsOptions" << 2 << tab << ctrl << 3;
        QTest::newRow("Ctrl+Shift+Tab in the tab strip")
            << "tbsOptions" << 2 << tab << (ctrl | shift) << 1;
        QTest::newRow("Ctrl+Tab in the type list") << "ComboEisen1" << 2 << tab << ctrl << 3;
        QTest::newRow("plain Tab") << "Text6" << 2 << tab << 0 << 2;
        QTest::newRow("Shift+Tab") << "Text6" << 2 << backtab << shift << 2;
        QTest::newRow("Alt+Tab") << "Text6" << 2 << tab << alt << 2;
        QTest::newRow("Ctrl+A") << "Text6" << 2 << int(Qt::Key_A) << ctrl << 2;
    }

    void controlTabSwitchesTabs()
    {
        QFETCH(QString, target);
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, to);
        showAndWait();
        window->selectTab(from);
        QWidget* field = find(target.toLatin1().constData());
        if (auto* strip = qobject_cast<QTabWidget*>(field))
            field = strip->tabBar();
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        QTest::keyClick(field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(shownTab(), to);
        QCOMPARE(globals().currentTab, to);
    }

    void controlTabInAnotherWindowLeavesTheTabs()
    {
        showAndWait();
        window->selectTab(2);
        AboutWindow* about = showAboutWindow();
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTest::keyClick(about, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(shownTab(), 2);
    }

    void plainTabMovesFocusOnly()
    {
        showAndWait();
        window->selectTab(2);
        auto* field = find<QLineEdit>("Text6");
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(shownTab(), 2);
        QVERIFY(!field->hasFocus());
    }

    // --- activation -------------------------------------------------------------------------

    void activationSelectsCurrentTab()
    {
        globals().currentTab = 3;
        window->activate();
        QCOMPARE(shownTab(), 3);
        QCOMPARE(globals().currentTab, 3);
        QVERIFY(find("Frame4")->isVisibleTo(window.get()));
    }

    void showingTheWindowActivatesIt()
    {
        globals().currentTab = 4;
        showAndWait();
        QCOMPARE(shownTab(), 4);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void returningFromAnotherWindowRefreshesTheCatalog()
    {
        showAndWait();
        window->selectTab(2);
        AboutWindow* about = showAboutWindow();
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        find<QLabel>("LabelE41")->setText(QStringLiteral("stale"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTRY_COMPARE(text("LabelE41"), QStringLiteral("4.9"));
        QCOMPARE(shownTab(), 2);
    }

    void activationAppendsTheVersionOnce()
    {
        window->setWindowTitle(QStringLiteral(" Kovolo"));
        window->activate();
        QCOMPARE(window->windowTitle(), QStringLiteral(" Kovolo") + version);
        window->activate();
        QCOMPARE(window->windowTitle(), QStringLiteral(" Kovolo") + version);
    }

    void activationRestoresThePointer()
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        window->activate();
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void activationChecksTheLanguageItem_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("checked");
        QTest::newRow("deutsch") << "deutsch"
                                 << "mnuSpracheDtsch";
        QTest::newRow("englisch") << "englisch"
                                  << "mnuSpracheEngl";
        QTest::newRow("span") << "span"
                              << "mnuSpracheSpanisch";
        QTest::newRow("franz") << "franz"
                               << "mnuSpracheFranz";
        QTest::newRow("ital") << "ital"
                              << "mnuSpracheItal";
        QTest::newRow("cz") << "cz"
                            << "mnuSpracheCZ";
        QTest::newRow("unknown code") << "klingon"
                                      << "mnuSpracheDtsch";
        QTest::newRow("wrong case") << "Englisch"
                                    << "mnuSpracheDtsch";
        QTest::newRow("empty") << QString() << "mnuSpracheDtsch";
    }

    void activationChecksTheLanguageItem()
    {
        QFETCH(QString, code);
        QFETCH(QString, checked);
        for (const char* name : languageItemNames)
            action(name)->setChecked(qstrcmp(name, "mnuSpracheItal") == 0 ||
                                     qstrcmp(name, "mnuSpracheEngl") == 0);
        globals().currentLanguage = code.toStdString();
        window->activate();
        QCOMPARE(checkedLanguageItems(), checked);
    }

    // --- unit menu --------------------------------------------------------------------------

    void unitMenuSwitchesTheDisplay()
    {
        window->selectTab(2);
        action("mnuMaßeinheitInch")->trigger();
        QVERIFY(globals().unitSystemImperial);
        QCOMPARE(text("LabelE57"), QStringLiteral("0.500"));
        QCOMPARE(text("LabelE60"), QStringLiteral("0.303"));
        QCOMPARE(text("LabelE62"), QStringLiteral("0.190"));
        for (const char* unit : {"LabelE58", "LabelE63", "LabelE64", "Label47"})
            QCOMPARE(text(unit), QStringLiteral("in"));
        for (const char* unit : {"Label50", "Label124"})
            QCOMPARE(text(unit), QStringLiteral("AWG"));
        for (const char* marker : {"Label118", "Label126"})
            QVERIFY2(!find(marker)->isHidden(), marker);
        QVERIFY(action("mnuMaßeinheitInch")->isChecked());
        QVERIFY(!action("mnuMaßeinheitMeter")->isChecked());
        QCOMPARE(text("LabelE41"), QStringLiteral("4.9"));

        // Choosing the checked item again repeats the switch and keeps its check.
        action("mnuMaßeinheitInch")->trigger();
        QVERIFY(action("mnuMaßeinheitInch")->isChecked());
        QVERIFY(!action("mnuMaßeinheitMeter")->isChecked());
        QCOMPARE(text("LabelE57"), QStringLiteral("0.500"));

        action("mnuMaßeinheitMeter")->trigger();
        QVERIFY(!globals().unitSystemImperial);
        QCOMPARE(text("LabelE57"), QStringLiteral("12.70"));
        QCOMPARE(text("LabelE60"), QStringLiteral("7.70"));
        QCOMPARE(text("LabelE62"), QStringLiteral("4.83"));
        for (const char* unit : {"LabelE58", "LabelE63", "LabelE64", "Label50", "Label124"})
            QCOMPARE(text(unit), QStringLiteral("mm"));
        QCOMPARE(text("Label47"), QStringLiteral("cm"));
        for (const char* marker : {"Label118", "Label126"})
            QVERIFY2(find(marker)->isHidden(), marker);
        QVERIFY(action("mnuMaßeinheitMeter")->isChecked());
        QVERIFY(!action("mnuMaßeinheitInch")->isChecked());

        action("mnuMaßeinheitMeter")->trigger();
        QVERIFY(action("mnuMaßeinheitMeter")->isChecked());
        QVERIFY(!action("mnuMaßeinheitInch")->isChecked());
    }

    void unitSwitchOnAnotherTabShowsIronInInchesWhenSelected()
    {
        window->selectTab(6);
        action("mnuMaßeinheitInch")->trigger();
        window->selectTab(2);
        QCOMPARE(text("LabelE57"), QStringLiteral("0.500"));
        QCOMPARE(text("LabelE58"), QStringLiteral("in"));
    }

    // --- Help > Info ------------------------------------------------------------------------

    void infoTwiceShowsOneAboutWindow()
    {
        action("mnuHelpInfo")->trigger();
        action("mnuHelpInfo")->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(aboutWindowCount(), 1);
        QVERIFY(aboutWindow());
        QVERIFY(aboutWindow()->isVisible());
        QVERIFY(!aboutWindow()->isModal());
    }

    // --- key-up blanking --------------------------------------------------------------------

    void keyReleaseBlanksDependentResults_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("blanked");
        const QStringList none;
        QTest::newRow("Shift in Text6")
            << "Text6" << int(Qt::Key_Shift) << QStringList{"Label44", "Label46", "Label49"};
        QTest::newRow("digit in Text6")
            << "Text6" << int(Qt::Key_4) << QStringList{"Label44", "Label46", "Label49"};
        QTest::newRow("Backspace in Text10") << "Text10" << int(Qt::Key_Backspace) << none;
        QTest::newRow("Shift in Text10") << "Text10" << int(Qt::Key_Shift) << none;
        QTest::newRow("digit in Text10") << "Text10" << int(Qt::Key_5) << QStringList{"Label46"};
        QTest::newRow("digit in Text9")
            << "Text9" << int(Qt::Key_3) << QStringList{"Label52", "Label54"};
        QTest::newRow("Backspace in Text9")
            << "Text9" << int(Qt::Key_Backspace) << QStringList{"Label52", "Label54"};
        QTest::newRow("digit in txtALunb") << "txtALunb" << int(Qt::Key_1) << none;
        QTest::newRow("Shift in txtALunb") << "txtALunb" << int(Qt::Key_Shift) << none;
    }

    void keyReleaseBlanksDependentResults()
    {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(QStringList, blanked);
        const char* const results[] = {"Label44", "Label46", "Label49", "Label52", "Label54"};
        for (const char* name : results)
            find<QLabel>(name)->setText(QStringLiteral("7"));
        auto* input = window->findChild<QLineEdit*>(field);
        QVERIFY(input);
        QTest::keyClick(input, Qt::Key(key));
        for (const char* name : results) {
            const bool gone = blanked.contains(QString::fromLatin1(name));
            QCOMPARE(text(name), gone ? QString() : QStringLiteral("7"));
        }
    }

    // --- closing ----------------------------------------------------------------------------

    void closingStoresTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("byButton");
        QTest::newRow("close, French") << "franz" << false;
        QTest::newRow("Exit button, Czech") << "cz" << true;
        QTest::newRow("close, unknown code") << "klingon" << false;
    }

    void closingStoresTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(bool, byButton);
        {
            QSettings store(QStringLiteral("Kovolo"), QStringLiteral("Kovolo"));
            store.setValue(QStringLiteral("Settings/Sprache"), QStringLiteral("deutsch"));
        }
        showAndWait();
        action("mnuHelpInfo")->trigger();
        QVERIFY(aboutWindow() && aboutWindow()->isVisible());
        globals().currentLanguage = code.toStdString();
        if (byButton)
            QTest::mouseClick(find<QPushButton>("cmdOK"), Qt::LeftButton);
        else
            QVERIFY(window->close());
        QVERIFY(!window->isVisible());
        QCOMPARE(storedLanguage(), code);
        // The main window takes every other window with it.
        QVERIFY(!aboutWindow() || !aboutWindow()->isVisible());
    }

    // --- language on the real window --------------------------------------------------------

    void languageMenuRecaptionsTheWindow()
    {
        window->selectTab(2);
        // Every caption starts as defined and follows the table; an absent entry keeps what
        // the previous language wrote.
        struct Tracked {
            const char* name;
            int id;
            int tab; // -1: the control itself
            QString expected;
        };
        std::vector<Tracked> tracked;
        const int tabIds[7] = {262, 261, 266, 263, 267, 264, 265};
        for (int i = 0; i < 7; ++i)
            tracked.push_back({"tbsOptions", tabIds[i], i, tabs()->tabText(i)});
        const std::pair<const char*, int> controls[] = {
            {"Frame4", 139},          {"Frame5", 137},
            {"fraFerrit1", 306},      {"fraAnwendung", 156},
            {"cmdOK", 999},           {"cmdCancel", 998},
            {"mnuSprache", 276},      {"mnuSpracheEngl", 277},
            {"mnuSpracheDtsch", 278}, {"mnuSpracheFranz", 281},
            {"mnuToolsR_Cu", 275},    {"mnuHelpHilfe", 279},
            {"LabelE86", 165},        {"LabelEisenpulverZeilen1", 5}};
        const auto captionOf = [this](const Tracked& t) -> QString {
            if (t.tab >= 0)
                return tabs()->tabText(t.tab);
            QObject* o = window->findChild<QObject*>(QString::fromLatin1(t.name));
            if (auto* box = qobject_cast<QGroupBox*>(o))
                return box->title();
            if (auto* button = qobject_cast<QPushButton*>(o))
                return button->text();
            if (auto* menu = qobject_cast<QMenu*>(o))
                return menu->title();
            if (auto* item = qobject_cast<QAction*>(o))
                return item->text();
            if (auto* label = qobject_cast<QLabel*>(o))
                return label->text();
            qFatal("no caption for %s", t.name);
        };
        for (const auto& [name, id] : controls) {
            tracked.push_back({name, id, -1, QString()});
            tracked.back().expected = captionOf(tracked.back());
        }

        const std::pair<const char*, const char*> sequence[] = {
            {"mnuSpracheEngl", "englisch"}, {"mnuSpracheSpanisch", "span"},
            {"mnuSpracheFranz", "franz"},   {"mnuSpracheItal", "ital"},
            {"mnuSpracheCZ", "cz"},         {"mnuSpracheDtsch", "deutsch"}};
        for (const auto& [item, code] : sequence) {
            action(item)->trigger();
            QCOMPARE(QString::fromStdString(globals().currentLanguage), QString::fromLatin1(code));
            QCOMPARE(checkedLanguageItems(), QString::fromLatin1(item));
            for (Tracked& t : tracked) {
                if (const QString text = lookup(t.id, code); !text.isNull())
                    t.expected = text;
                QVERIFY2(captionOf(t) == t.expected,
                         qPrintable(QStringLiteral("%1/%2 in %3: \"%4\" instead of \"%5\"")
                                        .arg(QString::fromLatin1(t.name))
                                        .arg(t.tab)
                                        .arg(QString::fromLatin1(code))
                                        .arg(captionOf(t), t.expected)));
            }
            const QString title = window->windowTitle();
            QCOMPARE(title, lookup(351, code) + version);
            QCOMPARE(title.count(version), 1);
            // The catalog's numbers are data, not captions.
            QCOMPARE(text("LabelE41"), QStringLiteral("4.9"));
            QCOMPARE(text("LabelE57"), QStringLiteral("12.70"));
            QCOMPARE(text("Label44"), QStringLiteral("0"));
        }
    }

    void languageAbsencesKeepThePreviousCaption()
    {
        action("mnuSpracheSpanisch")->trigger();
        action("mnuSpracheItal")->trigger();
        QCOMPARE(tabs()->tabText(0), QStringLiteral("&Ferrita FT"));
        QCOMPARE(tabs()->tabText(1), QStringLiteral("polvere di ferro T"));
        action("mnuSpracheCZ")->trigger();
        QCOMPARE(tabs()->tabText(4), QStringLiteral("WE Ferrit"));
        QCOMPARE(action("mnuSpracheEngl")->text(), QStringLiteral("&English"));
        QCOMPARE(action("mnuSpracheFranz")->text(), QStringLiteral("&francese"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Kovolo") + version);

        resetGlobals();
        window = std::make_unique<MainWindow>();
        action("mnuSpracheEngl")->trigger();
        // Entry 277 is absent in English: the item keeps its defined caption.
        QCOMPARE(action("mnuSpracheEngl")->text(), QStringLiteral("&Englisch"));
        QCOMPARE(tabs()->tabText(0), QStringLiteral("&Ferrite FT"));
        QCOMPARE(window->windowTitle(), QStringLiteral(" Kovolo") + version);
    }

    void availabilityMessageFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("code");
        QTest::newRow("English") << "mnuSpracheEngl"
                                 << "englisch";
        QTest::newRow("Spanish") << "mnuSpracheSpanisch"
                                 << "span";
        QTest::newRow("French") << "mnuSpracheFranz"
                                << "franz";
        QTest::newRow("Italian") << "mnuSpracheItal"
                                 << "ital";
        QTest::newRow("Czech") << "mnuSpracheCZ"
                               << "cz";
        QTest::newRow("German") << "mnuSpracheDtsch"
                                << "deutsch";
    }

    void availabilityMessageFollowsTheLanguage()
    {
        QFETCH(QString, item);
        QFETCH(QString, code);
        window->selectTab(2);
        auto* types = find<QComboBox>("ComboEisen1");
        auto* mixes = find<QComboBox>("ComboEisenMat");
        types->setCurrentIndex(types->findText(QStringLiteral("T-12")));
        mixes->setCurrentIndex(mixes->findText(QStringLiteral("26")));
        QCOMPARE(text("LabelE41").toDouble(), 0.0);
        QCOMPARE(text("LabelE81"), lookup(33, "deutsch"));

        action(item.toUtf8().constData())->trigger();
        QCOMPARE(text("LabelE81"), lookup(33, code.toUtf8().constData()));
        QCOMPARE(text("LabelE41").toDouble(), 0.0);

        // An existing pair shows no message after a language change.
        mixes->setCurrentIndex(mixes->findText(QStringLiteral("2")));
        QCOMPARE(text("LabelE81"), QString());
        action(item.toUtf8().constData())->trigger();
        QCOMPARE(text("LabelE81"), QString());
        QCOMPARE(text("LabelE41"), QStringLiteral("2.0"));
    }

    void openingTheLanguageMenuClearsTheHint()
    {
        find<QLabel>("lbHinweis")->setText(QStringLiteral("hint"));
        auto* menu = find<QMenu>("mnuSprache");
        menu->popup(window->mapToGlobal(QPoint(0, 0)));
        QCOMPARE(text("lbHinweis"), QString());
        menu->hide();
    }
};

QTEST_MAIN(TestGuiMainWindow)
#include "test_gui_mainwindow.moc"
