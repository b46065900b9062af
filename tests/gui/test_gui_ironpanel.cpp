#include "app/globals.h"
#include "catalogs/ui/ironpanel.h"
#include "i18n/ui/textid.h"
#include "numbers/format.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

#include <memory>
#include <stdexcept>

using kovolo::catalogs::IronPanel;

namespace {

const QColor red(0xFF, 0x00, 0x00);
const QColor yellow(0xFF, 0xFF, 0x00);
const QColor white(0xFF, 0xFF, 0xFF);
const QColor blue(0x00, 0x00, 0xFF);

const QString notAvailableDe = QString::fromUtf8("Dieser Typ ist nicht verfügbar!");

} // namespace

class TestGuiIronPanel : public QObject {
    Q_OBJECT

    std::unique_ptr<IronPanel> panel;

    QLabel* label(const char* name) const
    {
        auto* l = panel->findChild<QLabel*>(QString::fromLatin1(name));
        if (l == nullptr) {
            qFatal("label %s missing", name);
        }
        return l;
    }
    QString text(const char* name) const { return label(name)->text(); }
    QColor swatch(const char* name) const { return label(name)->palette().color(QPalette::Window); }
    QComboBox* types() const { return panel->findChild<QComboBox*>("ComboEisen1"); }
    QComboBox* mixes() const { return panel->findChild<QComboBox*>("ComboEisenMat"); }
    void select(const QString& type, const QString& mix)
    {
        types()->setCurrentIndex(types()->findText(type));
        mixes()->setCurrentIndex(mixes()->findText(mix));
        QCOMPARE(types()->currentText(), type);
        QCOMPARE(mixes()->currentText(), mix);
    }

private slots:
    void init()
    {
        kovolo::resetGlobals();
        kovolo::numbers::setDisplayDecimalSeparator(".");
        panel = std::make_unique<IronPanel>();
    }
    void cleanup()
    {
        panel.reset();
        kovolo::resetGlobals();
        kovolo::numbers::setDisplayDecimalSeparator(".");
    }

    void defaultSelection()
    {
        QCOMPARE(panel->objectName(), QString("picOptions_1"));
        QCOMPARE(types()->count(), 24);
        QCOMPARE(mixes()->count(), 12);
        QCOMPARE(types()->currentText(), QString("T-50"));
        QCOMPARE(mixes()->currentText(), QString("2"));
        QCOMPARE(text("LabelE41"), QString("4.9"));
        QCOMPARE(panel->alCaption(), QString("4.9"));
        QCOMPARE(text("LabelE30"), QString("10"));
        QCOMPARE(text("LabelE34"), QString("1...30"));
        QCOMPARE(swatch("Label84"), red);
        QCOMPARE(swatch("Label85"), red);
        QCOMPARE(text("LabelE57"), QString("12.70"));
        QCOMPARE(text("LabelE60"), QString("7.70"));
        QCOMPARE(text("LabelE62"), QString("4.83"));
        QCOMPARE(text("LabelE81"), QString());
        const auto core = panel->selectedCore();
        QCOMPARE(core.da, 12.7f);
        QCOMPARE(core.di, 7.7f);
        QCOMPARE(core.h, 4.83f);
    }

    void captionsAndTextIds()
    {
        QCOMPARE(text("Label82"), QString("AL="));
        QCOMPARE(text("Label83"), QString::fromUtf8("nH/N²"));
        QCOMPARE(text("Label86"), QString("Da="));
        QCOMPARE(text("Label87"), QString("Di="));
        QCOMPARE(text("Label88"), QString("h="));
        QCOMPARE(text("Label89"), QString::fromUtf8("µi="));
        for (const char* unit : {"LabelE58", "LabelE63", "LabelE64"}) {
            QCOMPARE(text(unit), QString("mm"));
        }
        QCOMPARE(text("LabelEisenpulverZeilen1"), QString("Frequenzbereich"));
        QCOMPARE(text("LabelE35"), QString("MHz"));
        QCOMPARE(text("LabelE86"), QString("Farbe"));
        QCOMPARE(text("LabelEisenpulverZeilen"), QString("-"));
        QCOMPARE(label("LabelEisenpulverZeilen")->toolTip(),
                 QString::fromUtf8("Zeilenzahl(vom Drucker abhängig)"));
        QCOMPARE(text("Label84"), QString());
        QCOMPARE(text("Label85"), QString());

        using kovolo::i18n::textIdOf;
        QCOMPARE(textIdOf(label("Label86")), 8);
        QCOMPARE(textIdOf(label("Label87")), 11);
        QCOMPARE(textIdOf(label("LabelE81")), 33);
        QCOMPARE(textIdOf(label("LabelEisenpulverZeilen1")), 5);
        QCOMPARE(textIdOf(label("LabelE86")), 165);
        QCOMPARE(textIdOf(label("LabelE41")), -1);
        QCOMPARE(textIdOf(label("LabelE57")), -1);
    }

    void imperialShowsTheInchTexts()
    {
        kovolo::globals().unitSystemImperial = true;
        panel->typeHandler();
        QCOMPARE(text("LabelE57"), QString("0.500"));
        QCOMPARE(text("LabelE60"), QString("0.303"));
        QCOMPARE(text("LabelE62"), QString("0.190"));
        // The calculations keep working in millimetres.
        QCOMPARE(panel->selectedCore().da, 12.7f);

        kovolo::globals().unitSystemImperial = false;
        panel->typeHandler();
        QCOMPARE(text("LabelE57"), QString("12.70"));
    }

    void regionalSeparatorIsShown()
    {
        kovolo::numbers::setDisplayDecimalSeparator(",");
        panel->typeHandler();
        QCOMPARE(text("LabelE41"), QString("4,9"));
        QCOMPARE(text("LabelE57"), QString("12,70"));
        QCOMPARE(panel->selectedCore().di, 7.7f);
    }

    void pairs_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("mix");
        QTest::addColumn<QString>("al");
        QTest::addColumn<QString>("mu");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QColor>("left");
        QTest::addColumn<QColor>("right");
        QTest::newRow("T-12 mix 12")
            << "T-12"
            << "12"
            << "0.75"
            << "4"
            << "20...200" << QString() << QColor(0x00, 0xC0, 0x00) << white;
        QTest::newRow("T-12 mix 26 not made") << "T-12"
                                              << "26"
                                              << "0.0"
                                              << "75"
                                              << "0...1" << notAvailableDe << yellow << white;
        QTest::newRow("T-520 mix 26") << "T-520"
                                      << "26"
                                      << "146.0"
                                      << "75"
                                      << "0...1" << QString() << yellow << white;
        QTest::newRow("T-50 mix 17") << "T-50"
                                     << "17"
                                     << "1.8"
                                     << "4"
                                     << "20...200" << QString() << blue << yellow;
    }
    void pairs()
    {
        QFETCH(QString, type);
        QFETCH(QString, mix);
        QFETCH(QString, al);
        QFETCH(QString, mu);
        QFETCH(QString, range);
        QFETCH(QString, message);
        QFETCH(QColor, left);
        QFETCH(QColor, right);
        select(type, mix);
        QCOMPARE(text("LabelE41"), al);
        QCOMPARE(text("LabelE30"), mu);
        QCOMPARE(text("LabelE34"), range);
        QCOMPARE(text("LabelE81"), message);
        QCOMPARE(swatch("Label84"), left);
        QCOMPARE(swatch("Label85"), right);
    }

    void existingMixClearsTheMessage()
    {
        select("T-12", "26");
        QCOMPARE(text("LabelE81"), notAvailableDe);
        QCOMPARE(text("LabelE57"), QString("3.18"));
        mixes()->setCurrentIndex(mixes()->findText("2"));
        QCOMPARE(text("LabelE81"), QString());
        QCOMPARE(text("LabelE41"), QString("2.0"));
        // A type change re-runs the material step as well.
        select("T-12", "26");
        types()->setCurrentIndex(types()->findText("T-16"));
        QCOMPARE(text("LabelE81"), QString());
        QCOMPARE(text("LabelE41"), QString("14.5"));
    }

    void messageFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("cz") << "cz" << QString::fromUtf8("Tento typ není dostupný!");
        QTest::newRow("span") << "span" << QString::fromUtf8("¡Ese tipo no está disponible!");
        QTest::newRow("unknown") << "xx"
                                 << "This type is not available!";
    }
    void messageFollowsTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QString, message);
        kovolo::globals().currentLanguage = code.toStdString();
        select("T-12", "26");
        QCOMPARE(text("LabelE81"), message);
    }

    // The recalculation runs once per selection, sees the new AL and message, and runs before
    // the swatches change.
    void recalculationRunsBetweenMessageAndSwatches()
    {
        int calls = 0;
        QString seenAl, seenMessage;
        QColor seenLeft;
        panel->setRecalculation([&] {
            ++calls;
            seenAl = panel->alCaption();
            seenMessage = text("LabelE81");
            seenLeft = swatch("Label84");
        });
        types()->setCurrentIndex(types()->findText("T-12"));
        QCOMPARE(calls, 1);
        QCOMPARE(seenAl, QString("2.0"));
        QCOMPARE(seenLeft, red);

        mixes()->setCurrentIndex(mixes()->findText("26"));
        QCOMPARE(calls, 2);
        QCOMPARE(seenAl, QString("0.0"));
        QCOMPARE(seenMessage, notAvailableDe);
        QCOMPARE(seenLeft, red); // still mix 2's colour while the calculations run
        QCOMPARE(swatch("Label84"), yellow);
    }

    void failingRecalculationIsSkipped()
    {
        panel->setRecalculation([] { throw std::runtime_error("calculation failed"); });
        mixes()->setCurrentIndex(mixes()->findText("17"));
        QCOMPARE(text("LabelE41"), QString("1.8"));
        QCOMPARE(swatch("Label84"), blue);
        QCOMPARE(swatch("Label85"), yellow);
    }

    // A selection that is still queued runs first; the handler then shows the lists' state.
    void queuedSelectionRunsBeforeTheListsAreRead()
    {
        int calls = 0;
        panel->setRecalculation([&] { ++calls; });
        QComboBox* list = mixes();
        QMetaObject::invokeMethod(
            list, [list] { list->setCurrentIndex(list->findText("26")); }, Qt::QueuedConnection);
        types()->setCurrentIndex(types()->findText("T-12"));
        QCOMPARE(text("LabelE57"), QString("3.18"));
        QCOMPARE(text("LabelE41"), QString("0.0"));
        QCOMPARE(text("LabelE81"), notAvailableDe);
        QCOMPARE(swatch("Label84"), yellow);
        QCOMPARE(calls, 2); // the nested mix selection and the type selection
    }

    void panelClosedWhileEventsRunIsLeftAlone()
    {
        IronPanel* p = panel.get();
        QMetaObject::invokeMethod(
            this, [this] { panel.reset(); }, Qt::QueuedConnection);
        p->typeHandler();
        QVERIFY(panel == nullptr);
        panel = std::make_unique<IronPanel>(); // for cleanup()
    }

    void listsTakeNoTypedKeys()
    {
        QComboBox* list = types();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_T);
        QTest::keyClick(list, 'A');
        QTest::keyClick(list, Qt::Key_1);
        QCOMPARE(list->currentText(), QString("T-50"));
        QCOMPARE(text("LabelE57"), QString("12.70"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), QString("T-68"));
        QCOMPARE(text("LabelE57"), QString("17.50"));

        QTest::keyClick(mixes(), Qt::Key_6);
        QCOMPARE(mixes()->currentText(), QString("2"));
    }
};

QTEST_MAIN(TestGuiIronPanel)
#include "test_gui_ironpanel.moc"
