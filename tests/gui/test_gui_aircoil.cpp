// The air-coil tab on the real main window: cylinder-coil turns and inductance, the straight
// conductor, the blanking of results, the unit system and the hint line.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "i18n/ui/textid.h"
#include "numbers/format.h"

#include "guitestsupport.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace kovolo;

namespace {
const QString leadHint =
    QString::fromUtf8("+ Anschlusslänge | Nicht die Anschlusslänge vergessen!");
}

class TestGuiAirCoil : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QTemporaryDir settingsDir;

    template <class T> T* get(const char* name)
    {
        return guitest::childNamed<T>(window.get(), name);
    }
    QString text(const char* label) { return get<QLabel>(label)->text(); }
    QString result(const char* value, const char* unit) { return text(value) + " " + text(unit); }
    void type(const char* field, const QString& value) { get<QLineEdit>(field)->setText(value); }
    void click(const char* button) { get<QPushButton>(button)->click(); }
    void imperial(bool on)
    {
        get<QAction>(on ? "mnuMaßeinheitInch" : "mnuMaßeinheitMeter")->trigger();
    }
    void turnsInputs(const QString& inductance, int unit, const QString& d, const QString& l)
    {
        type("txtLuftInduk", inductance);
        get<QComboBox>("ComboLuft")->setCurrentIndex(unit);
        type("txtLuftD", d);
        type("txtLuftLänge", l);
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
        window->selectTab(7);
    }
    void cleanup() { window.reset(); }

    void startState()
    {
        auto* panel = get<QWidget>("picOptions_6");
        for (const char* frame : {"Frame1", "Frame2", "Frame3"})
            QVERIFY(panel->findChild<QGroupBox*>(frame));
        QCOMPARE(i18n::textIdOf(get<QGroupBox>("Frame1")), 304);
        QCOMPARE(i18n::textIdOf(get<QGroupBox>("Frame2")), 303);
        QCOMPARE(i18n::textIdOf(get<QGroupBox>("Frame3")), 307);
        // The toroid frames below the panels are hidden on this tab.
        QVERIFY(get<QGroupBox>("Frame4")->isHidden());

        auto* units = get<QComboBox>("ComboLuft");
        QCOMPARE(units->count(), 4);
        QCOMPARE(units->itemText(0), QString("H"));
        QCOMPARE(units->itemText(3), QString("nH"));
        QCOMPARE(units->currentText(), QString::fromUtf8("µH"));

        auto* gauges = get<QComboBox>("ComboLeiter");
        QCOMPARE(gauges->count(), 44);
        QCOMPARE(gauges->itemText(0), QString("0000"));
        QCOMPARE(gauges->itemText(43), QString("40"));
        QCOMPARE(gauges->currentText(), QString("21"));
        QVERIFY(gauges->isHidden());
        QVERIFY(!get<QLineEdit>("Text4")->isHidden());
        QVERIFY(get<QLabel>("Label92")->isHidden());
        QVERIFY(get<QLabel>("Label111")->isHidden());

        QVERIFY(get<QRadioButton>("Option4_1")->isChecked());
        QVERIFY(!get<QRadioButton>("Option4_0")->isChecked());
        QCOMPARE(i18n::textIdOf(get<QRadioButton>("Option4_0")), 229);
        QCOMPARE(i18n::textIdOf(get<QRadioButton>("Option4_1")), 228);

        for (const char* label : {"Label5", "Label7", "Label9", "Label20", "Label26", "lbHinweis"})
            QCOMPARE(text(label), QString());
        QCOMPARE(text("Label21"), QString::fromUtf8("µH"));
        QCOMPARE(text("Label28"), QString("nH"));
        for (const char* unit : {"Label10", "Label11", "Label16", "Label18", "Label23", "Label25"})
            QCOMPARE(text(unit), QString("mm"));
        QCOMPARE(get<QPushButton>("Command_Wdg_Luft")->toolTip(), QString("Go"));
    }

    // Label5 | Label7 Label12 | Label9 Label13 after a click of the turns button.
    void cylinderTurns_data()
    {
        QTest::addColumn<bool>("inch");
        QTest::addColumn<QString>("inductance");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("shown");
        QTest::newRow("10 µH on 20 x 40 mm") << false << "10" << 2 << "20"
                                             << "40"
                                             << "35.19|2.211 m|1.137 mm";
        QTest::newRow("1 µH on 30 x 10 mm, x = 3") << false << "1" << 2 << "30"
                                                   << "10"
                                                   << "5.12|48.269 cm|1.953 mm";
        QTest::newRow("x exactly 1") << false << "1" << 2 << "10"
                                     << "10"
                                     << "12.13|38.113 cm|0.824 mm";
        QTest::newRow("wire length exactly 100 cm") << false << "958.8066510010651" << 3 << "10"
                                                    << "100"
                                                    << "31.83|100.0 cm|3.142 mm";
        QTest::newRow("wire length just above 100 cm") << false << "958.81" << 3 << "10"
                                                       << "100"
                                                       << "31.83|1.0 m|3.142 mm";
        QTest::newRow("largest wire exactly 10 mm") << false << "6.794476" << 3 << "10"
                                                    << "10"
                                                    << "1.0|3.142 cm|10.0 mm";
        QTest::newRow("largest wire just above 10 mm") << false << "6.79" << 3 << "10"
                                                       << "10"
                                                       << "1.0|3.141 cm|1.0 cm";
        QTest::newRow("imperial, gauge 24") << true << "45" << 2 << "1"
                                            << "1"
                                            << "51.06|4.456 yd|24.0 AWG";
        QTest::newRow("imperial, finer than gauge 40") << true << "100" << 1 << "1"
                                                       << "1"
                                                       << "2407.16|210.064 yd|xxx AWG";
        QTest::newRow("imperial, wire length in inches") << true << "0,5" << 2 << "0,25"
                                                         << "0,5"
                                                         << "13.97|10.968 in|19.0 AWG";
    }
    void cylinderTurns()
    {
        QFETCH(bool, inch);
        QFETCH(QString, inductance);
        QFETCH(int, unit);
        QFETCH(QString, diameter);
        QFETCH(QString, length);
        imperial(inch);
        turnsInputs(inductance, unit, diameter, length);
        click("Command_Wdg_Luft");
        QTEST(text("Label5") + "|" + result("Label7", "Label12") + "|" +
                  result("Label9", "Label13"),
              "shown");
        QCOMPARE(text("lbHinweis"), leadHint);
        QCOMPARE(get<QLabel>("Label92")->isHidden(), !inch);
    }

    // With an input missing nothing is computed or cleared; the hint is written anyway.
    void cylinderTurnsWithoutInput()
    {
        turnsInputs("10", 2, "20", "40");
        click("Command_Wdg_Luft");
        window->setHint(QString());
        type("txtLuftLänge", "");
        click("Command_Wdg_Luft");
        QCOMPARE(text("Label5") + "|" + result("Label7", "Label12") + "|" +
                     result("Label9", "Label13"),
                 QString("35.19|2.211 m|1.137 mm"));
        QCOMPARE(text("lbHinweis"), leadHint);

        // In English the English hint.
        globals().currentLanguage = "englisch";
        click("Command_Wdg_Luft");
        QCOMPARE(text("lbHinweis"), QString("+ leads | Don't forget the leads!"));
    }

    // A turns computation that fails shows zero turns and zero wire, and leaves the wire length.
    void cylinderTurnsFailing()
    {
        turnsInputs("0,00001", 0, "20", "40");
        click("Command_Wdg_Luft");
        type("txtLuftInduk", "1e300");
        click("Command_Wdg_Luft");
        QCOMPARE(text("Label5") + "|" + result("Label7", "Label12") + "|" +
                     result("Label9", "Label13"),
                 QString("0.0|2.211 m|0.0 mm"));
    }

    void cylinderInductance_data()
    {
        QTest::addColumn<bool>("inch");
        QTest::addColumn<QString>("turns");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("shown");
        QTest::newRow("35.19 turns on 20 x 40 mm") << false << "35.19"
                                                   << "20"
                                                   << "40" << QString::fromUtf8("9.999 µH");
        QTest::newRow("5 turns on 30 x 10 mm") << false << "5"
                                               << "30"
                                               << "10"
                                               << "953.105 nH";
        QTest::newRow("500 turns on 30 x 10 mm") << false << "500"
                                                 << "30"
                                                 << "10"
                                                 << "9.531 mH";
        QTest::newRow("imperial, 10 turns on 1 x 1 in") << true << "10"
                                                        << "1"
                                                        << "1" << QString::fromUtf8("1.726 µH");
        QTest::newRow("empty diameter") << false << "5"
                                        << ""
                                        << "10"
                                        << "0.0 nH";
    }
    void cylinderInductance()
    {
        QFETCH(bool, inch);
        imperial(inch);
        QFETCH(QString, turns);
        QFETCH(QString, diameter);
        QFETCH(QString, length);
        type("Text1", turns);
        type("Text2", diameter);
        type("Text3", length);
        window->setHint(QStringLiteral("old hint"));
        click("Command_L_Luft");
        QTEST(result("Label20", "Label21"), "shown");
        QCOMPARE(text("lbHinweis"), QString());
    }

    void straightConductor_data()
    {
        QTest::addColumn<bool>("inch");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("without");
        QTest::addColumn<QString>("with");
        QTest::newRow("1 x 100 mm") << false << "1"
                                    << "100"
                                    << "104.829 nH"
                                    << "99.829 nH";
        QTest::newRow("gauge 21, 4 in") << true << "1"
                                        << "4"
                                        << "113.423 nH"
                                        << "108.343 nH";
        // Too short for the formula: no negative inductance, the invalid-result mark.
        QTest::newRow("10 x 5 mm") << false << "10"
                                   << "5"
                                   << "XXX pH"
                                   << "XXX pH";
        QTest::newRow("zero length") << false << "10"
                                     << "0"
                                     << "0.0 pH"
                                     << "0.0 pH";
    }
    void straightConductor()
    {
        QFETCH(bool, inch);
        QFETCH(QString, diameter);
        QFETCH(QString, length);
        imperial(inch);
        type("Text4", diameter);
        type("Text5", length);
        window->setHint(QStringLiteral("old hint"));
        click("Command_Ldr_Luft");
        QTEST(result("Label26", "Label28"), "without");
        QCOMPARE(text("lbHinweis"), QString());
        // Switching the option recomputes at once.
        get<QRadioButton>("Option4_0")->click();
        QTEST(result("Label26", "Label28"), "with");
        get<QRadioButton>("Option4_1")->click();
        QTEST(result("Label26", "Label28"), "without");
        // The arrow keys move the selection within the group and recompute as well.
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        get<QRadioButton>("Option4_1")->setFocus();
        QTest::keyClick(get<QRadioButton>("Option4_1"), Qt::Key_Up);
        QVERIFY(get<QRadioButton>("Option4_0")->isChecked());
        QTEST(result("Label26", "Label28"), "with");
    }

    // In imperial mode the hidden diameter field must still hold text for the option to
    // recompute; without it the option only clears the result.
    void optionNeedsBothFields()
    {
        imperial(true);
        type("Text5", "4");
        click("Command_Ldr_Luft");
        QCOMPARE(result("Label26", "Label28"), QString("113.423 nH"));
        get<QRadioButton>("Option4_0")->click();
        QCOMPARE(text("Label26"), QString());
        type("Text4", "0");
        get<QRadioButton>("Option4_1")->click();
        QCOMPARE(text("Label26"), QString("113.423"));

        // The gauge is read at the click; choosing another one leaves the result alone.
        auto* gauges = get<QComboBox>("ComboLeiter");
        gauges->setCurrentIndex(gauges->findText("0000"));
        QCOMPARE(text("Label26"), QString("113.423"));
        click("Command_Ldr_Luft");
        QCOMPARE(text("Label26"), QString("56.875"));
    }

    void keyReleaseBlanks()
    {
        turnsInputs("10", 2, "20", "40");
        type("Text1", "5");
        type("Text2", "30");
        type("Text3", "10");
        type("Text4", "1");
        type("Text5", "100");
        const auto computeAll = [this] {
            click("Command_Wdg_Luft");
            click("Command_L_Luft");
            click("Command_Ldr_Luft");
        };
        const auto filled = [this](std::initializer_list<const char*> labels) {
            for (const char* label : labels)
                if (text(label).isEmpty())
                    return false;
            return true;
        };
        for (const char* field : {"txtLuftD", "txtLuftInduk", "txtLuftLänge"}) {
            computeAll();
            QTest::keyClick(get<QLineEdit>(field), Qt::Key_Shift);
            for (const char* label : {"Label5", "Label7", "Label9"})
                QVERIFY2(text(label).isEmpty(), field);
            QVERIFY(filled({"Label12", "Label13", "Label20", "Label26"}));
        }
        for (const char* field : {"Text1", "Text2", "Text3"}) {
            computeAll();
            QTest::keyClick(get<QLineEdit>(field), Qt::Key_Right);
            QVERIFY2(text("Label20").isEmpty(), field);
            QVERIFY(filled({"Label5", "Label7", "Label9", "Label26"}));
        }
        for (const char* field : {"Text4", "Text5"}) {
            computeAll();
            QTest::keyClick(get<QLineEdit>(field), Qt::Key_Backspace);
            QVERIFY2(text("Label26").isEmpty(), field);
            QVERIFY(filled({"Label5", "Label7", "Label9", "Label20"}));
        }
    }

    void unitListBlanks()
    {
        auto* units = get<QComboBox>("ComboLuft");
        turnsInputs("10", 2, "20", "40");
        click("Command_Wdg_Luft");
        units->setCurrentIndex(3);
        for (const char* label : {"Label5", "Label7", "Label9"})
            QCOMPARE(text(label), QString());
        // Picking the selected item again clears as well.
        click("Command_Wdg_Luft");
        QCOMPARE(text("Label5"), QString("1.11"));
        emit units->activated(3);
        QCOMPARE(text("Label5"), QString());
        // A list without selection falls back to µH.
        units->setCurrentIndex(-1);
        QCOMPARE(units->currentIndex(), 2);
        // Letters do not change the list.
        QTest::keyClick(units, 'n');
        QCOMPARE(units->currentIndex(), 2);
    }

    void unitSystem()
    {
        const char* lengths[] = {"Label10", "Label11", "Label16", "Label18", "Label25"};
        imperial(true);
        for (const char* unit : lengths)
            QCOMPARE(text(unit), QString("in"));
        QCOMPARE(text("Label23"), QString("AWG"));
        QCOMPARE(text("Label12"), QString("ft"));
        QCOMPARE(text("Label13"), QString("AWG"));
        QVERIFY(!get<QLabel>("Label92")->isHidden());
        QVERIFY(!get<QLabel>("Label111")->isHidden());
        QVERIFY(get<QLineEdit>("Text4")->isHidden());
        QVERIFY(!get<QComboBox>("ComboLeiter")->isHidden());

        imperial(false);
        for (const char* unit : lengths)
            QCOMPARE(text(unit), QString("mm"));
        QCOMPARE(text("Label23"), QString("mm"));
        QCOMPARE(text("Label12"), QString("cm"));
        QCOMPARE(text("Label13"), QString("cm"));
        QVERIFY(get<QLabel>("Label92")->isHidden());
        QVERIFY(get<QLabel>("Label111")->isHidden());
        QVERIFY(!get<QLineEdit>("Text4")->isHidden());
        QVERIFY(get<QComboBox>("ComboLeiter")->isHidden());
    }

    void regionalSeparator()
    {
        numbers::setDisplayDecimalSeparator(",");
        turnsInputs("10", 2, "20", "40");
        click("Command_Wdg_Luft");
        QCOMPARE(text("Label5") + "|" + text("Label7") + "|" + text("Label9"),
                 QString("35,19|2,211|1,137"));
        // What the program shows it reads back.
        type("Text1", text("Label5"));
        type("Text2", "20");
        type("Text3", "40");
        click("Command_L_Luft");
        QCOMPARE(text("Label20"), QString("9,999"));
    }

    void languageCaptions()
    {
        globals().currentLanguage = "englisch";
        window->findChild<QAction*>("mnuSpracheEngl")->trigger();
        QCOMPARE(get<QGroupBox>("Frame3")->title(),
                 QString(" Inductance of a straight conductor "));
        QCOMPARE(get<QRadioButton>("Option4_1")->text(), QString("without skin-effect"));
        QCOMPARE(text("Label8"), QString("max. D (wire)"));
    }
};

QTEST_MAIN(TestGuiAirCoil)
#include "test_gui_aircoil.moc"
