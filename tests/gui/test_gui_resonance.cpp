// The resonant-circuit window on the offscreen platform: its controls after loading, the three
// directions of the calculation with the unit boundaries, the cases that compute nothing, the
// buttons, the Tools menu opening one window, and its captions in another language.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "i18n/ui/textid.h"
#include "numbers/format.h"
#include "tools/ui/resonancewindow.h"
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
using tools::ResonanceWindow;

namespace {

int windowsNamed(const char* name)
{
    int n = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        n += top->objectName() == QLatin1String(name) ? 1 : 0;
    return n;
}

} // namespace

class TestGuiResonance : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;
    ResonanceWindow* window = nullptr;

    template <typename T = QWidget> T* find(const char* name) const
    {
        return guitest::childNamed<T>(window, name);
    }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return find<QComboBox>(name); }
    // Types like the user: through the key filter of the field.
    void type(const char* name, const char* text)
    {
        field(name)->clear();
        QTest::keyClicks(field(name), QString::fromUtf8(text));
    }
    void go() { find<QPushButton>("Command1")->click(); }

private slots:
    void initTestCase()
    {
        QVERIFY(settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }

    void init()
    {
        resetGlobals();
        window = tools::openToolWindow<ResonanceWindow>();
    }

    void cleanup()
    {
        delete tools::existingToolWindow<ResonanceWindow>();
        QCoreApplication::processEvents();
    }

    void afterLoading()
    {
        QCOMPARE(window->objectName(), QStringLiteral("frmSchwingkreis"));
        QCOMPARE(window->windowTitle(), QStringLiteral(" Schwingkreis-Berechnung"));
        QCOMPARE(i18n::textIdOf(window), 352);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        for (const char* name : {"Text1", "Text2", "Text3"})
            QVERIFY(field(name)->text().isEmpty());
        const struct {
            const char* name;
            QStringList items;
            QString selected;
        } lists[] = {
            {"ComboF", {"MHz", "KHz", "Hz"}, "MHz"},
            {"ComboL", {"nH", QString::fromUtf8("µH"), "mH", "H"}, QString::fromUtf8("µH")},
            {"ComboC", {"pF", "nF", QString::fromUtf8("µF")}, "pF"}};
        for (const auto& l : lists) {
            QStringList items;
            for (int i = 0; i < list(l.name)->count(); ++i)
                items << list(l.name)->itemText(i);
            QCOMPARE(items, l.items);
            QCOMPARE(list(l.name)->currentText(), l.selected);
        }
        QCOMPARE(find<QLabel>("Label1")->text(), QStringLiteral("f ="));
        QCOMPARE(find<QLabel>("Label2")->text(), QStringLiteral("L ="));
        QCOMPARE(find<QLabel>("Label3")->text(), QStringLiteral("C ="));
        auto* hint = find<QLabel>("Label_Text");
        QCOMPARE(hint->text(), QString::fromUtf8("Das zu berechnende Feld muß frei bleiben!"));
        QCOMPARE(i18n::textIdOf(hint), 21);
        auto* goButton = find<QPushButton>("Command1");
        QCOMPARE(goButton->text(), QStringLiteral("=>"));
        QCOMPARE(goButton->toolTip(), QStringLiteral("Go"));
        const struct {
            const char* name;
            const char* caption;
            int id;
        } buttons[] = {
            {"Command2", "&Neu", 6}, {"Command3", "&Drucken", 998}, {"Command4", "&Beenden", 999}};
        for (const auto& b : buttons) {
            QCOMPARE(find<QPushButton>(b.name)->text(), QString::fromUtf8(b.caption));
            QCOMPARE(i18n::textIdOf(find<QPushButton>(b.name)), b.id);
        }
    }

    void calculates_data()
    {
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("l");
        QTest::addColumn<QString>("c");
        QTest::addColumn<int>("fUnit");
        QTest::addColumn<QString>("resultField");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("resultList");
        QTest::addColumn<QString>("unit");
        QTest::newRow("frequency") << ""
                                   << "1"
                                   << "100" << 0 << "Text1"
                                   << "15.915494309"
                                   << "ComboF"
                                   << "MHz";
        QTest::newRow("inductance") << "10"
                                    << ""
                                    << "100" << 0 << "Text2"
                                    << "2.533"
                                    << "ComboL" << QString::fromUtf8("µH");
        QTest::newRow("capacitance") << "10"
                                     << "1"
                                     << "" << 0 << "Text3"
                                     << "253.303"
                                     << "ComboC"
                                     << "pF";
        // 999999.9999997 Hz: not above 10^6 Hz, so kHz.
        QTest::newRow("1000 kHz") << ""
                                  << "253.302959106"
                                  << "100" << 0 << "Text1"
                                  << "1000.0"
                                  << "ComboF"
                                  << "KHz";
        // 0.999999999999 mH: not above 10^-3 H, so µH.
        QTest::newRow("1 mH") << "503.292121045"
                              << ""
                              << "100" << 1 << "Text2"
                              << "1000.0"
                              << "ComboL" << QString::fromUtf8("µH");
    }

    void calculates()
    {
        QFETCH(QString, f);
        QFETCH(QString, l);
        QFETCH(QString, c);
        QFETCH(int, fUnit);
        QFETCH(QString, resultField);
        QFETCH(QString, result);
        QFETCH(QString, resultList);
        QFETCH(QString, unit);
        list("ComboF")->setCurrentIndex(fUnit);
        type("Text1", f.toUtf8());
        type("Text2", l.toUtf8());
        type("Text3", c.toUtf8());
        go();
        QCOMPARE(field(resultField.toUtf8())->text(), result);
        QCOMPARE(list(resultList.toUtf8())->currentText(), unit);

        // The result fills the field: a second click finds none empty and changes nothing.
        list(resultList.toUtf8())->setCurrentIndex(2);
        go();
        QCOMPARE(field(resultField.toUtf8())->text(), result);
        QCOMPARE(list(resultList.toUtf8())->currentIndex(), 2);
    }

    void computesNothing_data()
    {
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("l");
        QTest::addColumn<QString>("c");
        QTest::newRow("a field holding 0") << "0"
                                           << "1"
                                           << "100";
        QTest::newRow("two fields empty") << ""
                                          << ""
                                          << "100";
        QTest::newRow("no field empty") << "10"
                                        << "1"
                                        << "100";
    }

    void computesNothing()
    {
        QFETCH(QString, f);
        QFETCH(QString, l);
        QFETCH(QString, c);
        type("Text1", f.toUtf8());
        type("Text2", l.toUtf8());
        type("Text3", c.toUtf8());
        go();
        QCOMPARE(field("Text1")->text(), f);
        QCOMPARE(field("Text2")->text(), l);
        QCOMPARE(field("Text3")->text(), c);
        QCOMPARE(list("ComboF")->currentText(), QStringLiteral("MHz"));
        QCOMPARE(list("ComboL")->currentText(), QString::fromUtf8("µH"));
        QCOMPARE(list("ComboC")->currentText(), QStringLiteral("pF"));
        QVERIFY(window->isVisible());
    }

    void regionalSeparatorAndKeys()
    {
        numbers::setDisplayDecimalSeparator(",");
        type("Text1", "-1/0");
        QCOMPARE(field("Text1")->text(), QStringLiteral("10")); // numeric fields only
        type("Text3", "100");
        go();
        QCOMPARE(field("Text2")->text(), QStringLiteral("2,533"));
        numbers::setDisplayDecimalSeparator(".");
        // A letter typed into a unit list changes nothing.
        QTest::keyClick(list("ComboL"), Qt::Key_H);
        QCOMPARE(list("ComboL")->currentText(), QString::fromUtf8("µH"));
    }

    void newEmptiesTheFieldsAndKeepsTheUnits()
    {
        type("Text1", "10");
        type("Text2", "1");
        type("Text3", "5");
        list("ComboF")->setCurrentIndex(2);
        list("ComboC")->setCurrentIndex(1);
        find<QPushButton>("Command2")->click();
        for (const char* name : {"Text1", "Text2", "Text3"})
            QVERIFY(field(name)->text().isEmpty());
        QCOMPARE(list("ComboF")->currentText(), QStringLiteral("Hz"));
        QCOMPARE(list("ComboC")->currentText(), QStringLiteral("nF"));
    }

    void printButtonKeepsTheWindow()
    {
        type("Text2", "1");
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
        QCOMPARE(field("Text2")->text(), QStringLiteral("1"));
    }

    void quitAndCloseBoxUnload()
    {
        QPointer<ResonanceWindow> watch(window);
        type("Text1", "7");
        find<QPushButton>("Command4")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
        QCOMPARE(windowsNamed("frmSchwingkreis"), 0);
        // The next opening starts from loading.
        window = tools::openToolWindow<ResonanceWindow>();
        QVERIFY(field("Text1")->text().isEmpty());
        watch = window;
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
    }

    void toolsMenuOpensOneWindow()
    {
        delete window;
        MainWindow main;
        auto* item = main.findChild<QAction*>("mnuToolsSchwingkreis");
        QVERIFY(item->isEnabled());
        item->trigger();
        window = tools::existingToolWindow<ResonanceWindow>();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        type("Text1", "12");
        window->hide();
        item->trigger();
        QCOMPARE(tools::existingToolWindow<ResonanceWindow>(), window);
        QCOMPARE(windowsNamed("frmSchwingkreis"), 1);
        QVERIFY(window->isVisible());
        QCOMPARE(field("Text1")->text(), QStringLiteral("12"));
        delete window;
    }

    void captionsInAnotherLanguage()
    {
        delete window;
        globals().currentLanguage = "englisch";
        window = tools::openToolWindow<ResonanceWindow>();
        QCOMPARE(window->windowTitle(), QStringLiteral(" Calculating Resonant Circuits"));
        QCOMPARE(find<QLabel>("Label_Text")->text(),
                 QStringLiteral("The field to be calculated must be empty!"));
        QCOMPARE(find<QPushButton>("Command2")->text(), QStringLiteral("&New"));
        QCOMPARE(find<QPushButton>("Command3")->text(), QStringLiteral("&Printing"));
        QCOMPARE(find<QPushButton>("Command4")->text(), QStringLiteral("&Exit"));
        // Unbound captions stay.
        QCOMPARE(find<QLabel>("Label1")->text(), QStringLiteral("f ="));
        QCOMPARE(list("ComboF")->currentText(), QStringLiteral("MHz"));
    }
};

QTEST_MAIN(TestGuiResonance)
#include "test_gui_resonance.moc"
