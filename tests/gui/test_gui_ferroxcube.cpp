// The Ferroxcube tab: its panel on its own (selection, message layout, colour code, units) and
// in the real main window (tab change, calculations, language, unit menu).

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "catalogs/ui/ferroxcubepanel.h"
#include "i18n/texttable.h"
#include "i18n/ui/textid.h"
#include "numbers/format.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <stdexcept>

using namespace kovolo;
using kovolo::catalogs::FerroxcubePanel;

namespace {

const QColor white(0xFF, 0xFF, 0xFF);
const QColor magenta(0xFF, 0x00, 0xFF);
const QColor black(0x00, 0x00, 0x00);
const QColor green(0x00, 0xC0, 0x00);

const QString crlf = QStringLiteral("\r\n");
const QString notAvailableDe = QString::fromUtf8("Dieser Typ ist nicht verfügbar!");

QString lookup(int id, const char* code)
{
    const auto text = i18n::lookupText(id, code);
    return text ? QString::fromStdString(*text) : QString();
}

// What a swatch shows: its own colour, or nothing (the background behind it).
struct Swatch {
    bool filled;
    QColor colour;
};

} // namespace

Q_DECLARE_METATYPE(Swatch)

class TestGuiFerroxcube : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;
    std::unique_ptr<FerroxcubePanel> panel;
    std::unique_ptr<MainWindow> window;

    QWidget* root() const
    {
        return window ? static_cast<QWidget*>(window.get()) : static_cast<QWidget*>(panel.get());
    }
    template <class T = QWidget> T* get(const char* name) const
    {
        T* child = root()->findChild<T*>(QString::fromUtf8(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    QString text(const char* label) const { return get<QLabel>(label)->text(); }
    QComboBox* types() const { return get<QComboBox>("ComboFer1"); }
    QComboBox* materials() const { return get<QComboBox>("ComboFerMat"); }
    void select(const char* type, const char* material)
    {
        types()->setCurrentIndex(types()->findText(QString::fromUtf8(type)));
        materials()->setCurrentIndex(materials()->findText(QString::fromUtf8(material)));
        QCOMPARE(types()->currentText(), QString::fromUtf8(type));
        QCOMPARE(materials()->currentText(), QString::fromUtf8(material));
    }
    Swatch swatch(const char* name) const
    {
        auto* label = get<QLabel>(name);
        return {label->autoFillBackground(), label->palette().color(QPalette::Window)};
    }
    void verifySwatches(const Swatch& left, const Swatch& right) const
    {
        const std::pair<const char*, Swatch> expected[] = {{"lbFer84", left}, {"lbFer85", right}};
        for (const auto& [name, want] : expected) {
            const Swatch got = swatch(name);
            QVERIFY2(got.filled == want.filled, name);
            if (want.filled)
                QVERIFY2(got.colour == want.colour, name);
        }
    }
    void useMainWindow()
    {
        panel.reset();
        window = std::make_unique<MainWindow>();
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
        numbers::setDisplayDecimalSeparator(".");
        panel = std::make_unique<FerroxcubePanel>();
    }
    void cleanup()
    {
        window.reset();
        panel.reset();
        resetGlobals();
        numbers::setDisplayDecimalSeparator(".");
    }

    // --- the panel --------------------------------------------------------------------------

    // "TX 10/6/4" is not made in "3C11": the tab starts with the message.
    void startUpSelection()
    {
        QCOMPARE(panel->objectName(), QStringLiteral("picOptions_2"));
        QCOMPARE(types()->count(), 92);
        QCOMPARE(materials()->count(), 21);
        QCOMPARE(types()->currentText(), QStringLiteral("TX 10/6/4"));
        QCOMPARE(materials()->currentText(), QStringLiteral("3C11"));
        QCOMPARE(text("lbFer41"), QStringLiteral("0.0"));
        QCOMPARE(text("lbFer30"), QStringLiteral("4300"));
        QCOMPARE(text("lbFer57"), QStringLiteral("10.25"));
        QCOMPARE(text("lbFer60"), QStringLiteral("5.75"));
        QCOMPARE(text("lbFer62"), QStringLiteral("4.25"));
        QCOMPARE(text("lbFer81"), crlf + notAvailableDe);
        verifySwatches({true, white}, {true, white});
        const auto core = panel->selectedCore();
        QCOMPARE(core.da, 10.25f);
        QCOMPARE(core.di, 5.75f);
        QCOMPARE(core.h, 4.25f);
    }

    void captionsAndTextIds()
    {
        const std::pair<const char*, const char*> captions[] = {
            {"lbFer5", "AL="},  {"lbFer6", "nH/N²"},  {"lbFer7", "Da="}, {"lbFer8", "mm"},
            {"lbFer9", "Di="},  {"Label90", "mm"},    {"Label91", "h="}, {"lbFer90", "mm"},
            {"Label98", "µi="}, {"Label93", "Farbe"}, {"lbFer84", ""},   {"lbFer85", ""},
        };
        for (const auto& [name, caption] : captions)
            QCOMPARE(text(name), QString::fromUtf8(caption));
        using i18n::textIdOf;
        QCOMPARE(textIdOf(get("lbFer7")), 8);
        QCOMPARE(textIdOf(get("lbFer9")), 11);
        QCOMPARE(textIdOf(get("lbFer81")), 33);
        QCOMPARE(textIdOf(get("Label93")), 165);
        for (const char* value : {"lbFer41", "lbFer57", "lbFer60", "lbFer62", "lbFer30"})
            QCOMPARE(textIdOf(get(value)), -1);
    }

    void pairs_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("material");
        QTest::addColumn<QString>("al");
        QTest::addColumn<QString>("mu");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Swatch>("left");
        QTest::addColumn<Swatch>("right");
        const Swatch none{false, {}};
        QTest::newRow("TN 10/6/4 in 3C11")
            << "TN 10/6/4"
            << "3C11"
            << "1750.0"
            << "4300" << QString() << Swatch{true, white} << Swatch{true, white};
        QTest::newRow("largest AL")
            << "TX 63/38/25"
            << "3E6"
            << "25280.0"
            << "12000" << QString() << Swatch{true, magenta} << Swatch{true, white};
        QTest::newRow("not made, colour still shown")
            << "TX 10/6/4"
            << "3E27"
            << "0.0"
            << "6000" << crlf + notAvailableDe << Swatch{true, green} << Swatch{true, white};
        QTest::newRow("3D3 has no code") << "TN 10/6/4"
                                         << "3D3"
                                         << "306.0"
                                         << "750" << QString() << none << none;
        QTest::newRow("3F3 shows no code, not black") << "TN 10/6/4"
                                                      << "3F3"
                                                      << "740.0"
                                                      << "2000" << QString() << none << none;
        QTest::newRow("3R1 is black and never made")
            << "TN 10/6/4"
            << "3R1"
            << "0.0"
            << "800" << crlf + notAvailableDe << Swatch{true, black} << Swatch{true, black};
    }
    void pairs()
    {
        QFETCH(QString, type);
        QFETCH(QString, material);
        QFETCH(QString, al);
        QFETCH(QString, mu);
        QFETCH(QString, message);
        QFETCH(Swatch, left);
        QFETCH(Swatch, right);
        select(type.toUtf8().constData(), material.toUtf8().constData());
        QCOMPARE(text("lbFer41"), al);
        QCOMPARE(panel->alCaption(), al);
        QCOMPARE(text("lbFer30"), mu);
        QCOMPARE(text("lbFer81"), message);
        verifySwatches(left, right);
    }

    void magentaToNoCodeRestoresTheBackground()
    {
        select("TN 10/6/4", "3E6");
        verifySwatches({true, magenta}, {true, white});
        materials()->setCurrentIndex(materials()->findText("3D3"));
        verifySwatches({false, {}}, {false, {}});
        // Neither swatch keeps a colour of its own in the palette either.
        QCOMPARE(get<QLabel>("lbFer84")->palette().color(QPalette::Window),
                 panel->palette().color(QPalette::Window));
    }

    // "TC 2.5/1.3/0.8" is made in "4A11" only.
    void smallestCoreExistsInOneMaterial()
    {
        types()->setCurrentIndex(0);
        QCOMPARE(types()->currentText(), QStringLiteral("TC 2.5/1.3/0.8"));
        for (int m = 0; m < materials()->count(); ++m) {
            materials()->setCurrentIndex(m);
            const bool made = materials()->currentText() == QLatin1String("4A11");
            QCOMPARE(text("lbFer41"), made ? QStringLiteral("94.0") : QStringLiteral("0.0"));
            QCOMPARE(text("lbFer81"), made ? QString() : crlf + notAvailableDe);
        }
    }

    void dimensionTexts_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("imperial");
        QTest::addColumn<QString>("da");
        QTest::addColumn<QString>("di");
        QTest::addColumn<QString>("h");
        QTest::newRow("metric, two and three decimals") << "TC 2.5/1.3/0.8" << false << "2.54"
                                                        << "1.27"
                                                        << "0.80";
        QTest::newRow("inch, one decimal") << "TC 2.5/1.3/0.8" << true << "0.1"
                                           << "0.050"
                                           << "0.031";
        QTest::newRow("inch, four decimals") << "TC 3.4/1.8/2.1" << true << "0.133"
                                             << "0.0708"
                                             << "0.081";
        QTest::newRow("inch, two decimals") << "TC 5.8/3.1/1.5" << true << "0.23"
                                            << "0.120"
                                            << "0.06";
        QTest::newRow("largest, metric") << "T 140/106/25" << false << "140.00"
                                         << "106.00"
                                         << "25.00";
    }
    void dimensionTexts()
    {
        QFETCH(QString, type);
        QFETCH(bool, imperial);
        globals().unitSystemImperial = imperial;
        types()->setCurrentIndex(types()->findText(type));
        QTEST(text("lbFer57"), "da");
        QTEST(text("lbFer60"), "di");
        QTEST(text("lbFer62"), "h");
    }

    void calculationsReadMillimetresInInchMode()
    {
        globals().unitSystemImperial = true;
        types()->setCurrentIndex(types()->findText("TC 3.4/1.8/2.1"));
        const auto core = panel->selectedCore();
        QCOMPARE(core.da, 3.38f);
        QCOMPARE(core.di, 1.78f);
        QCOMPARE(core.h, 2.06f);
    }

    void regionalSeparator()
    {
        numbers::setDisplayDecimalSeparator(",");
        select("TN 10/6/4", "3C11");
        QCOMPARE(text("lbFer41"), QStringLiteral("1750,0"));
        QCOMPARE(text("lbFer57"), QStringLiteral("10,60"));
        QCOMPARE(panel->selectedCore().da, 10.6f);
    }

    void messageLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("cz") << "cz" << QString::fromUtf8("Tento typ není dostupný!");
        QTest::newRow("ital") << "ital" << QString::fromUtf8("Questo tipo non è disponibile!");
        QTest::newRow("unknown code") << "Deutsch"
                                      << "This type is not available!";
    }
    void messageLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, message);
        globals().currentLanguage = code.toStdString();
        select("TN 10/6/4", "3E5");
        QCOMPARE(text("lbFer81"), crlf + message);
        // Two lines: the first one empty.
        QCOMPARE(text("lbFer81").split(crlf), (QStringList{QString(), message}));
    }

    // The calculations see the new AL and message; the colour code follows them.
    void recalculationRunsBeforeTheSwatches()
    {
        int calls = 0;
        QString seenAl, seenMessage;
        bool seenFilled = false;
        QColor seenLeft;
        panel->setRecalculation([&] {
            ++calls;
            seenAl = panel->alCaption();
            seenMessage = text("lbFer81");
            seenFilled = swatch("lbFer84").filled;
            seenLeft = swatch("lbFer84").colour;
        });
        types()->setCurrentIndex(types()->findText("TN 10/6/4"));
        QCOMPARE(calls, 1);
        QCOMPARE(seenAl, QStringLiteral("1750.0"));
        QCOMPARE(seenMessage, QString());

        materials()->setCurrentIndex(materials()->findText("3D3"));
        QCOMPARE(calls, 2);
        QCOMPARE(seenAl, QStringLiteral("306.0"));
        QVERIFY(seenFilled);
        QCOMPARE(seenLeft, white); // still 3C11's code while the calculations run
        verifySwatches({false, {}}, {false, {}});
    }

    void failingRecalculationIsSkipped()
    {
        panel->setRecalculation([] { throw std::runtime_error("calculation failed"); });
        select("TN 10/6/4", "3E25");
        QCOMPARE(text("lbFer41"), QStringLiteral("2250.0"));
        verifySwatches({true, QColor(0xFF, 0x80, 0x80)}, {true, QColor(0xFF, 0x80, 0x80)});
    }

    void listsTakeNoTypedKeys()
    {
        QComboBox* list = types();
        list->setFocus();
        QTest::keyClick(list, 'T');
        QTest::keyClick(list, Qt::Key_1);
        QCOMPARE(list->currentText(), QStringLiteral("TX 10/6/4"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), QStringLiteral("TX 13/7.1/4.8"));
        QCOMPARE(text("lbFer57"), QStringLiteral("12.95"));
        QTest::keyClick(materials(), '3');
        QCOMPARE(materials()->currentText(), QStringLiteral("3C11"));
    }

    // --- in the main window -----------------------------------------------------------------

    void tabShowsItsSelectionAndItsControlsAreReachable()
    {
        useMainWindow();
        auto* tabs = get<QTabWidget>("tbsOptions");
        QCOMPARE(tabs->widget(2), window->catalogPanel(3));
        QCOMPARE(tabs->widget(2)->objectName(), QStringLiteral("picOptions_2"));
        window->selectTab(3);
        QCOMPARE(text("lbFer41"), QStringLiteral("0.0"));
        QCOMPARE(text("lbFer81"), crlf + notAvailableDe);
        QCOMPARE(window->catalogAlCaption(), QStringLiteral("0.0"));
        QCOMPARE(window->catalogCore().da, 10.25f);
        // The selection survives a visit to another tab.
        select("TX 36/23/15", "3C81");
        window->selectTab(1);
        window->selectTab(3);
        QCOMPARE(types()->currentText(), QStringLiteral("TX 36/23/15"));
        QCOMPARE(text("lbFer41"), QStringLiteral("3670.0"));
        QCOMPARE(text("lbFer81"), QString());
    }

    // Selecting the tab first empties the message; the type handler then writes it anew.
    void tabChangeEmptiesTheMessageBeforeTheRefresh()
    {
        useMainWindow();
        window->selectTab(3);
        QCOMPARE(text("lbFer81"), crlf + notAvailableDe);
        window->selectTab(2);
        // The outer call runs while the tab change lets events through, before the panels are
        // switched; the call it queues runs inside the type handler.
        QString seen = QStringLiteral("not run");
        QMetaObject::invokeMethod(
            window.get(),
            [this, &seen] {
                QMetaObject::invokeMethod(
                    window.get(), [this, &seen] { seen = text("lbFer81"); }, Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
        window->selectTab(3);
        QCOMPARE(seen, QString());
        QCOMPARE(text("lbFer81"), crlf + notAvailableDe);
    }

    void turnsAndInductanceUseTheTab()
    {
        useMainWindow();
        window->selectTab(3);
        select("TN 10/6/4", "3C11");
        get<QLineEdit>("Text6")->setText("1000"); // µH
        get<QLineEdit>("Text10")->setText("0");
        get<QLineEdit>("Text7")->setText("7"); // MHz
        get<QPushButton>("CommandWdg0")->click();
        // √(1 mH / 1750 nH) = 23.9 turns; (10.6 − 5.2 + 2·4.4) mm · 24 = 34.08 cm.
        QCOMPARE(text("Label44"), QStringLiteral("24"));
        QCOMPARE(text("Label46"), QStringLiteral("34.1"));
        // The check computes the reactance only: 2π · 7 MHz · 1 mH = 43982 Ω.
        QCOMPARE(text("Label65"), QStringLiteral("43.982 K"));
        QVERIFY(get("Text8")->isHidden());

        get<QLineEdit>("Text9")->setText("24");
        get<QPushButton>("CommandL1")->click();
        // 1750 nH · 24² = 1.008 mH
        QCOMPARE(text("Label52"), QStringLiteral("1.008"));
        QCOMPARE(text("LabelFerrit1"), QStringLiteral("mH"));

        // A new material re-runs both: 306 nH gives √3268 = 57.2, so 58 turns, and 176.256 µH.
        materials()->setCurrentIndex(materials()->findText("3D3"));
        QCOMPARE(text("Label44"), QStringLiteral("58"));
        QCOMPARE(text("Label52"), QStringLiteral("176.256"));
        QCOMPARE(text("LabelFerrit1"), QString::fromUtf8("µH"));
        QCOMPARE(text("Label65"), QStringLiteral("43.982 K"));

        // A material the core is not made in: nothing can be computed.
        materials()->setCurrentIndex(materials()->findText("3E6"));
        for (const char* result : {"Label44", "Label46", "Label49", "Label65", "Label52"})
            QCOMPARE(text(result), QStringLiteral("XXX"));
    }

    void pairThatDoesNotExistGivesXXX()
    {
        useMainWindow();
        window->selectTab(3); // TX 10/6/4 in 3C11
        get<QLineEdit>("Text6")->setText("10");
        get<QPushButton>("CommandWdg0")->click();
        for (const char* result : {"Label44", "Label46", "Label49"})
            QCOMPARE(text(result), QStringLiteral("XXX"));
        get<QLineEdit>("Text9")->setText("10");
        get<QPushButton>("CommandL1")->click();
        QCOMPARE(text("Label52"), QStringLiteral("XXX"));
        QCOMPARE(text("Label54"), QStringLiteral("XXX"));
    }

    void unitMenuShowsInches()
    {
        useMainWindow();
        window->selectTab(3);
        types()->setCurrentIndex(types()->findText("TC 3.4/1.8/2.1"));
        get<QAction>("mnuMaßeinheitInch")->trigger();
        QCOMPARE(text("lbFer57"), QStringLiteral("0.133"));
        QCOMPARE(text("lbFer60"), QStringLiteral("0.0708"));
        QCOMPARE(text("lbFer62"), QStringLiteral("0.081"));
        for (const char* unit : {"lbFer8", "Label90", "lbFer90"})
            QCOMPARE(text(unit), QStringLiteral("in"));
        get<QAction>("mnuMaßeinheitMeter")->trigger();
        QCOMPARE(text("lbFer60"), QStringLiteral("1.78"));
        for (const char* unit : {"lbFer8", "Label90", "lbFer90"})
            QCOMPARE(text(unit), QStringLiteral("mm"));
    }

    void languageChange_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("code");
        QTest::newRow("English") << "mnuSpracheEngl"
                                 << "englisch";
        QTest::newRow("Czech") << "mnuSpracheCZ"
                               << "cz";
    }
    void languageChange()
    {
        QFETCH(QString, item);
        QFETCH(QString, code);
        useMainWindow();
        window->selectTab(3);
        get<QAction>(item.toUtf8().constData())->trigger();
        const QString message = lookup(33, code.toUtf8().constData());
        QCOMPARE(text("lbFer81").trimmed(), message);
        QCOMPARE(text("lbFer41"), QStringLiteral("0.0"));
        QCOMPARE(text("Label93"), lookup(165, code.toUtf8().constData()));
        // The next selection writes the message in the new language, on the second line.
        materials()->setCurrentIndex(materials()->findText("3C81"));
        QCOMPARE(text("lbFer81"), crlf + message);

        // A pair that exists shows no message after a language change.
        select("TN 10/6/4", "3C11");
        get<QAction>(item.toUtf8().constData())->trigger();
        QCOMPARE(text("lbFer81"), QString());
        QCOMPARE(text("lbFer41"), QStringLiteral("1750.0"));
    }

    // What the user sees: a swatch without a code is the colour of the panel around it.
    void swatchWithoutCodeLooksLikeThePanel()
    {
        useMainWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->selectTab(3);
        const auto pixel = [this](const char* name, int dx) {
            auto* label = get<QLabel>(name);
            const QPoint centre = label->rect().center() + QPoint(dx, 0);
            const QImage image = window->grab().toImage();
            const qreal ratio = image.devicePixelRatio();
            return image.pixelColor(label->mapTo(window.get(), centre) * ratio);
        };
        materials()->setCurrentIndex(materials()->findText("3R1"));
        QCOMPARE(pixel("lbFer84", 0), black);
        materials()->setCurrentIndex(materials()->findText("3F3"));
        // Beside the right swatch lies nothing but the panel.
        const QColor panelColour = pixel("lbFer85", get<QLabel>("lbFer85")->width());
        QVERIFY(panelColour != black);
        QCOMPARE(pixel("lbFer84", 0), panelColour);
        QCOMPARE(pixel("lbFer85", 0), panelColour);
    }
};

QTEST_MAIN(TestGuiFerroxcube)
#include "test_gui_ferroxcube.moc"
