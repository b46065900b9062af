// The two AL tool windows (frmAL, frmALZ) as the Tools menu opens them, and the copy buttons of
// the unknown-core tab that read them.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "catalogs/ui/unknowncorepanel.h"
#include "i18n/texttable.h"
#include "i18n/ui/textid.h"
#include "numbers/format.h"
#include "tools/ui/alwindow.h"
#include "tools/ui/alzwindow.h"
#include "tools/ui/toolwindow.h"

#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

using namespace kovolo;
using tools::AlWindow;
using tools::AlzWindow;

namespace {

QString lookup(int id, const char* code)
{
    const auto text = i18n::lookupText(id, code);
    return text ? QString::fromStdString(*text) : QString();
}

template <typename T = QWidget> T* child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromUtf8(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QString text(QWidget* window, const char* label)
{
    return child<QLabel>(window, label)->text();
}

void type(QWidget* window, const char* field, const char* keys)
{
    auto* edit = child<QLineEdit>(window, field);
    edit->clear();
    QTest::keyClicks(edit, QString::fromUtf8(keys));
}

void click(QWidget* window, const char* button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

int windowsNamed(const char* name)
{
    int n = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        n += top->objectName() == QLatin1String(name) ? 1 : 0;
    return n;
}

void destroyToolWindows()
{
    delete tools::existingToolWindow<AlWindow>();
    delete tools::existingToolWindow<AlzWindow>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestGuiAlWindow : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;

    void typeDimensions(QWidget* w, const char* da, const char* di, const char* h,
                        const char* coating)
    {
        type(w, "txtDa", da);
        type(w, "txtDi", di);
        type(w, "txtH", h);
        type(w, "txtBesch", coating);
    }
    QStringList geometry(QWidget* w)
    {
        return {text(w, "lbAe"), text(w, "lbLe"), text(w, "lbLeAe")};
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
    }

    void cleanup() { destroyToolWindows(); }

    // --- creation ---------------------------------------------------------------------------

    void alWindowAfterCreation()
    {
        numbers::setDisplayDecimalSeparator(",");
        AlWindow* w = tools::openToolWindow<AlWindow>();
        QVERIFY(w->isVisible());
        QVERIFY(w->isWindow());
        QVERIFY(!w->isModal());
        QCOMPARE(w->objectName(), QStringLiteral("frmAL"));
        QCOMPARE(w->windowTitle(), QString::fromUtf8(" AL und µi ermitteln"));
        QCOMPARE(i18n::textIdOf(w), 353);
        for (const char* field : {"txtWdg", "txtL", "txtDa", "txtDi", "txtH"})
            QVERIFY2(child<QLineEdit>(w, field)->text().isEmpty(), field);
        QCOMPARE(child<QLineEdit>(w, "txtBesch")->text(), QStringLiteral("0,00"));
        for (const char* label : {"lbAe", "lbLe", "lbLeAe", "lbAL", "lbµi"})
            QVERIFY2(text(w, label).isEmpty(), label);
        QVERIFY(!child<QLabel>(w, "lblPrint")->isVisible());
        QCOMPARE(text(w, "lblPrint"), QStringLiteral("Berechnung: "));
        QCOMPARE(child<QPushButton>(w, "Command1")->text(), QStringLiteral("=>"));
        QCOMPARE(child<QPushButton>(w, "Command1")->toolTip(), QStringLiteral("Go"));
    }

    void alzWindowAfterCreation()
    {
        numbers::setDisplayDecimalSeparator(",");
        AlzWindow* w = tools::openToolWindow<AlzWindow>();
        QVERIFY(w->isVisible());
        QCOMPARE(w->objectName(), QStringLiteral("frmALZ"));
        QCOMPARE(w->windowTitle(), QString::fromUtf8(" AL aus Permeabilität ermitteln"));
        QCOMPARE(i18n::textIdOf(w), 269);
        for (const char* field : {"txtµi", "txtDa", "txtDi", "txtH"})
            QVERIFY2(child<QLineEdit>(w, field)->text().isEmpty(), field);
        QCOMPARE(child<QLineEdit>(w, "txtBesch")->text(), QStringLiteral("0,00"));
        for (const char* label : {"lbAe", "lbLe", "lbLeAe", "lbAL", "lblPrint"})
            QVERIFY2(text(w, label).isEmpty(), label);
        QVERIFY(!child<QLabel>(w, "lblPrint")->isVisible());
        QCOMPARE(text(w, "Label26"), QString::fromUtf8("µi ="));
    }

    void captionsAndTextIds_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("id");
        const struct {
            const char* name;
            const char* caption;
            int id;
        } shared[] = {
            {"Frame1", "Magnetische Formkenngrößen berechnen", 309},
            {"Label10", "Da", 251},
            {"Label14", "Di", 253},
            {"Label16", "h", -1},
            {"Label17", "Beschichtung", 252},
            {"Label11", "mm", -1},
            {"Label12", "mm", -1},
            {"Label13", "mm", -1},
            {"Label15", "mm", -1},
            {"Label1", "Ae", -1},
            {"Label2", "mm²", -1},
            {"Label3", "le", -1},
            {"Label6", "mm", -1},
            {"Label7", "(le/Ae)", -1},
            {"Label9", "1/mm", -1},
            {"Label23", "AL =", -1},
            {"Label25", "nH/N²", -1},
            {"Label26", "µi =", -1},
            {"Command2", "&Beenden", 999},
            {"Command3", "&Drucken", 998},
        };
        for (const char* window : {"frmAL", "frmALZ"})
            for (const auto& row : shared)
                QTest::addRow("%s %s", window, row.name)
                    << window << row.name << QString::fromUtf8(row.caption) << row.id;
        const struct {
            const char* name;
            const char* caption;
            int id;
        } alOnly[] = {
            {"Label19", "Windungen", 246},
            {"Label21", "gewickelt", 248},
            {"Label18", "Induktivität", 247},
            {"Label20", "gemessen", 249},
            {"Label22", "µH", -1},
        };
        for (const auto& row : alOnly)
            QTest::addRow("frmAL %s", row.name)
                << "frmAL" << row.name << QString::fromUtf8(row.caption) << row.id;
        QTest::addRow("frmALZ Label5") << "frmALZ"
                                       << "Label5" << QString::fromUtf8("Permeabilität") << 18;
    }

    void captionsAndTextIds()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, id);
        QWidget* w = window == QLatin1String("frmAL")
                         ? static_cast<QWidget*>(tools::openToolWindow<AlWindow>())
                         : tools::openToolWindow<AlzWindow>();
        QObject* control = w->findChild<QObject*>(name);
        QVERIFY(control);
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(control))
            shown = label->text();
        else if (auto* button = qobject_cast<QPushButton*>(control))
            shown = button->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(control))
            shown = frame->title();
        QCOMPARE(shown, caption);
        QCOMPARE(i18n::textIdOf(control), id);
    }

    void fieldsTakeNumbersOnly()
    {
        AlWindow* al = tools::openToolWindow<AlWindow>();
        AlzWindow* alz = tools::openToolWindow<AlzWindow>();
        for (QWidget* w : {static_cast<QWidget*>(al), static_cast<QWidget*>(alz)}) {
            for (QLineEdit* field : w->findChildren<QLineEdit*>()) {
                field->clear();
                QTest::keyClicks(field, QStringLiteral("-1/2 a,5"));
                QCOMPARE(field->text(), QStringLiteral("12,5"));
            }
        }
        QCOMPARE(al->findChildren<QLineEdit*>().size(), 6);
        QCOMPARE(alz->findChildren<QLineEdit*>().size(), 5);
    }

    // --- frmAL --------------------------------------------------------------------------------

    void alFromMeasuredWinding_data()
    {
        QTest::addColumn<QStringList>("input"); // turns, µH, Da, Di, h, coating
        QTest::addColumn<QStringList>("shown"); // Ae, le, le/Ae, AL, µi
        QTest::newRow("bare core") << QStringList{"20", "2.0", "12.7", "7.7", "4.83", "0"}
                                   << QStringList{"11.8", "30.7", "2.6", "5.0", "10.3"};
        QTest::newRow("coated core") << QStringList{"10", "1,0", "12,7", "7,7", "4,83", "0,05"}
                                     << QStringList{"11.1", "30.8", "2.8", "10.0", "22.0"};
        QTest::newRow("Da equal to Di") << QStringList{"20", "2", "7.7", "7.7", "4.83", "0"}
                                        << QStringList{"xxx", "xxx", "xxx", "5.0", "xxx"};
        QTest::newRow("coating eats the height")
            << QStringList{"20", "2", "12.7", "7.7", "4.83", "2.5"}
            << QStringList{"xxx", "xxx", "xxx", "5.0", "xxx"};
        QTest::newRow("empty turns") << QStringList{"", "2", "12.7", "7.7", "4.83", "0"}
                                     << QStringList{"11.8", "30.7", "2.6", "xxx", "0.0"};
        QTest::newRow("AL beyond Single range")
            << QStringList{"0.000000000000000001", "1000", "12.7", "7.7", "4.83", "0"}
            << QStringList{"11.8", "30.7", "2.6", "xxx", "xxx"};
        QTest::newRow("diameter beyond Double range")
            << QStringList{"20", "2", "1" + QString(400, QLatin1Char('0')), "7.7", "4.83", "0"}
            << QStringList{"xxx", "xxx", "xxx", "5.0", "xxx"};
    }

    void alFromMeasuredWinding()
    {
        QFETCH(QStringList, input);
        QFETCH(QStringList, shown);
        AlWindow* w = tools::openToolWindow<AlWindow>();
        const char* fields[] = {"txtWdg", "txtL", "txtDa", "txtDi", "txtH", "txtBesch"};
        for (int i = 0; i < 6; ++i)
            type(w, fields[i], input.at(i).toUtf8().constData());
        click(w, "Command1");
        const QStringList results{text(w, "lbAL"), text(w, "lbµi")};
        QCOMPARE(geometry(w) + results, shown);
    }

    void resultsStayWhenAnInputChanges()
    {
        AlWindow* w = tools::openToolWindow<AlWindow>();
        type(w, "txtWdg", "20");
        type(w, "txtL", "2");
        typeDimensions(w, "12.7", "7.7", "4.83", "0");
        click(w, "Command1");
        type(w, "txtWdg", "10");
        type(w, "txtDa", "99");
        QCOMPARE(text(w, "lbAL"), QStringLiteral("5.0"));
        QCOMPARE(text(w, "lbAe"), QStringLiteral("11.8"));
    }

    // --- frmALZ -------------------------------------------------------------------------------

    void alFromPermeability_data()
    {
        QTest::addColumn<QString>("permeability");
        QTest::addColumn<QStringList>("dimensions"); // Da, Di, h, coating
        QTest::addColumn<QStringList>("shown");      // Ae, le, le/Ae, AL
        const QStringList core{"12.7", "7.7", "4.83", "0"};
        QTest::newRow("permeability 10")
            << "10" << core << QStringList{"11.8", "30.7", "2.6", "4.8"};
        QTest::newRow("blanks only") << "   " << core << QStringList{"xxx", "xxx", "xxx", "xxx"};
        QTest::newRow("empty") << "" << core << QStringList{"xxx", "xxx", "xxx", "xxx"};
        QTest::newRow("permeability 0") << "0" << core << QStringList{"11.8", "30.7", "2.6", ""};
        QTest::newRow("invalid dimensions") << "10" << QStringList{"7.7", "7.7", "4.83", "0"}
                                            << QStringList{"xxx", "xxx", "xxx", "xxx"};
        QTest::newRow("AL beyond Single range") << "3e38" << QStringList{"36", "23", "15", "0.1"}
                                                << QStringList{"91.8", "89.8", "1.0", "xxx"};
    }

    void alFromPermeability()
    {
        QFETCH(QString, permeability);
        QFETCH(QStringList, dimensions);
        QFETCH(QStringList, shown);
        AlzWindow* w = tools::openToolWindow<AlzWindow>();
        // Blanks and letters cannot be typed; they arrive by pasting.
        child<QLineEdit>(w, "txtµi")->setText(permeability);
        typeDimensions(
            w, dimensions.at(0).toLatin1().constData(), dimensions.at(1).toLatin1().constData(),
            dimensions.at(2).toLatin1().constData(), dimensions.at(3).toLatin1().constData());
        click(w, "Command1");
        const QStringList results{text(w, "lbAL")};
        QCOMPARE(geometry(w) + results, shown);
    }

    // --- opening and closing ------------------------------------------------------------------

    void menuOpensEachWindowOnce()
    {
        MainWindow main;
        for (const char* item : {"mnuToolsAlPerm", "mnuToolsAlImpedanz"}) {
            QAction* action = main.findChild<QAction*>(item);
            QVERIFY(action->isEnabled());
            action->trigger();
            action->trigger();
        }
        QCOMPARE(windowsNamed("frmAL"), 1);
        QCOMPARE(windowsNamed("frmALZ"), 1);
        QVERIFY(tools::existingToolWindow<AlWindow>()->isVisible());
        QVERIFY(tools::existingToolWindow<AlzWindow>()->isVisible());

        // A hidden frmAL comes back with its values.
        AlWindow* al = tools::existingToolWindow<AlWindow>();
        type(al, "txtWdg", "20");
        click(al, "Command2");
        QVERIFY(!al->isVisible());
        main.findChild<QAction*>("mnuToolsAlPerm")->trigger();
        QCOMPARE(tools::existingToolWindow<AlWindow>(), al);
        QVERIFY(al->isVisible());
        QCOMPARE(child<QLineEdit>(al, "txtWdg")->text(), QStringLiteral("20"));
    }

    void alBeendenHidesAndCloseBoxUnloads()
    {
        QPointer<AlWindow> w = tools::openToolWindow<AlWindow>();
        type(w, "txtDa", "12.7");
        click(w, "Command2");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w);
        QVERIFY(!w->isVisible());
        QCOMPARE(child<QLineEdit>(w, "txtDa")->text(), QStringLiteral("12.7"));

        tools::openToolWindow<AlWindow>();
        w->close(); // the close box
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w);
        AlWindow* fresh = tools::openToolWindow<AlWindow>();
        QVERIFY(child<QLineEdit>(fresh, "txtDa")->text().isEmpty());
    }

    void alzBeendenUnloads()
    {
        QPointer<AlzWindow> w = tools::openToolWindow<AlzWindow>();
        type(w, "txtDa", "12.7");
        click(w, "Command2");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w);
        QVERIFY(!tools::existingToolWindow<AlzWindow>());
        AlzWindow* fresh = tools::openToolWindow<AlzWindow>();
        QVERIFY(child<QLineEdit>(fresh, "txtDa")->text().isEmpty());
    }

    void printButtonsLeaveTheWindowsAsTheyAre()
    {
        AlWindow* al = tools::openToolWindow<AlWindow>();
        AlzWindow* alz = tools::openToolWindow<AlzWindow>();
        for (QWidget* w : {static_cast<QWidget*>(al), static_cast<QWidget*>(alz)}) {
            // The "printer ready?" prompt is answered with Cancel.
            QTimer answer;
            connect(&answer, &QTimer::timeout, [] {
                QWidget* box = QApplication::activeModalWidget();
                if (box && box->objectName() == QLatin1String("PimMsgBox"))
                    box->findChild<QPushButton*>("Command1")->click();
            });
            answer.start(5);
            click(w, "Command3");
            QVERIFY(w->isVisible());
            QVERIFY(!child<QLabel>(w, "lblPrint")->isVisible());
        }
    }

    // --- languages ----------------------------------------------------------------------------

    void openingInGermanKeepsOtherCaptions()
    {
        QWidget other;
        auto* stale = new QPushButton(QStringLiteral("stale"), &other);
        i18n::setTextId(stale, 999);
        tools::openToolWindow<AlWindow>();
        tools::openToolWindow<AlzWindow>();
        QCOMPARE(stale->text(), QStringLiteral("stale"));
    }

    void openingInAnotherLanguageRecaptions_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : {"englisch", "span", "franz", "ital", "cz"})
            QTest::newRow(code) << code;
    }

    void openingInAnotherLanguageRecaptions()
    {
        QFETCH(QString, code);
        const QByteArray c = code.toLatin1();
        globals().currentLanguage = code.toStdString();
        QWidget other;
        auto* stale = new QPushButton(QStringLiteral("stale"), &other);
        i18n::setTextId(stale, 998);

        AlWindow* al = tools::openToolWindow<AlWindow>();
        QCOMPARE(stale->text(), lookup(998, c));
        QCOMPARE(al->windowTitle(), lookup(353, c));
        QCOMPARE(text(al, "Label19"), lookup(246, c));
        QCOMPARE(text(al, "Label20"), lookup(249, c));
        QCOMPARE(child<QGroupBox>(al, "Frame1")->title(), lookup(309, c));
        QCOMPARE(child<QPushButton>(al, "Command2")->text(), lookup(999, c));

        AlzWindow* alz = tools::openToolWindow<AlzWindow>();
        QCOMPARE(alz->windowTitle(), lookup(269, c));
        QCOMPARE(text(alz, "Label5"), lookup(18, c));
        QCOMPARE(text(alz, "Label17"), lookup(252, c));
    }

    void everyCaptionFitsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : {"deutsch", "englisch", "span", "franz", "ital", "cz"})
            QTest::newRow(code) << code;
    }

    void everyCaptionFitsInEveryLanguage()
    {
        QFETCH(QString, code);
        globals().currentLanguage = code.toStdString();
        AlWindow* al = tools::openToolWindow<AlWindow>();
        AlzWindow* alz = tools::openToolWindow<AlzWindow>();
        for (QWidget* w : {static_cast<QWidget*>(al), static_cast<QWidget*>(alz)}) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            for (QLabel* label : w->findChildren<QLabel*>()) {
                if (label->isVisible())
                    QVERIFY2(label->width() >= label->sizeHint().width(),
                             qPrintable(label->objectName()));
            }
            // The narrow "=>" button is left out: its width is fixed on purpose.
            for (QPushButton* button : w->findChildren<QPushButton*>())
                if (button->objectName() != QLatin1String("Command1"))
                    QVERIFY2(button->width() >= button->sizeHint().width(),
                             qPrintable(button->objectName()));
            auto* frame = child<QGroupBox>(w, "Frame1");
            QVERIFY(frame->width() >= frame->fontMetrics().horizontalAdvance(frame->title()));
        }
    }

    void sigmaIsDrawnAtAnyScale()
    {
        AlWindow* w = tools::openToolWindow<AlWindow>();
        QWidget* sigma = child(w, "Picture1");
        QVERIFY(sigma->isVisible());
        QVERIFY(sigma->width() > 0 && sigma->height() > 0);
        for (qreal scale : {1.0, 4.0}) {
            QImage image((sigma->size() * scale), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.scale(scale, scale);
            sigma->render(&painter, {}, {}, QWidget::DrawChildren);
            painter.end();
            int inked = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    inked += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
            // The glyph covers a part of the picture, and more pixels at a larger scale.
            QVERIFY(inked > 0);
            QVERIFY(inked < image.width() * image.height() / 2);
        }
    }

    // --- copy buttons of the unknown-core tab -------------------------------------------------

    void copyButtonsOnTheUnknownCoreTab()
    {
        MainWindow main;
        auto* panel = main.findChild<catalogs::UnknownCorePanel*>();
        QVERIFY(panel);
        auto* copyAl = child<QPushButton>(panel, "Command1");
        auto* copyDimensions = child<QPushButton>(panel, "Command2");
        QCOMPARE(copyAl->text(), QStringLiteral("AL-Wert aus Tool"));
        QCOMPARE(i18n::textIdOf(copyAl), 321);
        QCOMPARE(copyDimensions->text(), QStringLiteral("Abmessungen aus Tool"));
        QCOMPARE(i18n::textIdOf(copyDimensions), 322);
    }

    void copyWithNoToolWindowChangesNothing()
    {
        MainWindow main;
        auto* panel = main.findChild<catalogs::UnknownCorePanel*>();
        panel->alField()->setText("7");
        panel->daField()->setText("1");
        panel->diField()->setText("2");
        panel->hField()->setText("3");
        child<QPushButton>(panel, "Command1")->click();
        child<QPushButton>(panel, "Command2")->click();
        QCOMPARE(panel->alField()->text(), QStringLiteral("7"));
        QCOMPARE(panel->daField()->text() + panel->diField()->text() + panel->hField()->text(),
                 QStringLiteral("123"));
        QCOMPARE(windowsNamed("frmAL") + windowsNamed("frmALZ"), 0);
    }

    void copyFromFrmAl()
    {
        numbers::setDisplayDecimalSeparator(",");
        MainWindow main;
        auto* panel = main.findChild<catalogs::UnknownCorePanel*>();
        AlWindow* al = tools::openToolWindow<AlWindow>();
        type(al, "txtWdg", "20");
        type(al, "txtL", "2");
        typeDimensions(al, "12,7", "7,7", "4,83", "0,05");
        click(al, "Command1");
        click(al, "Command2"); // hidden, values kept

        child<QPushButton>(panel, "Command1")->click();
        child<QPushButton>(panel, "Command2")->click();
        QCOMPARE(panel->alField()->text(), QStringLiteral("5,0"));
        QCOMPARE(panel->daField()->text(), QStringLiteral("12,7"));
        QCOMPARE(panel->diField()->text(), QStringLiteral("7,7"));
        QCOMPARE(panel->hField()->text(), QStringLiteral("4,83"));
        QVERIFY(!al->isVisible());
    }

    void copyTakesFrmAlFirstThenFrmAlz()
    {
        MainWindow main;
        auto* panel = main.findChild<catalogs::UnknownCorePanel*>();
        AlzWindow* alz = tools::openToolWindow<AlzWindow>();
        child<QLineEdit>(alz, "txtµi")->setText("10");
        typeDimensions(alz, "20", "7.7", "4.83", "0");
        click(alz, "Command1");
        QCOMPARE(text(alz, "lbAL"), QStringLiteral("9.2"));

        // frmAL holds Da only and has computed nothing: AL, Di and h come from frmALZ.
        AlWindow* al = tools::openToolWindow<AlWindow>();
        type(al, "txtDa", "12.7");
        child<QPushButton>(panel, "Command1")->click();
        child<QPushButton>(panel, "Command2")->click();
        QCOMPARE(panel->alField()->text(), QStringLiteral("9.2"));
        QCOMPARE(panel->daField()->text(), QStringLiteral("12.7"));
        QCOMPARE(panel->diField()->text(), QStringLiteral("7.7"));
        QCOMPARE(panel->hField()->text(), QStringLiteral("4.83"));

        // A result of frmAL, even "xxx", takes precedence.
        type(al, "txtWdg", "");
        click(al, "Command1");
        QCOMPARE(text(al, "lbAL"), QStringLiteral("xxx"));
        child<QPushButton>(panel, "Command1")->click();
        QCOMPARE(panel->alField()->text(), QStringLiteral("xxx"));
    }

    void copyIgnoresBlankFieldsAndClosedWindows()
    {
        MainWindow main;
        auto* panel = main.findChild<catalogs::UnknownCorePanel*>();
        panel->diField()->setText("5");
        AlWindow* al = tools::openToolWindow<AlWindow>();
        child<QLineEdit>(al, "txtDa")->setText("  ");
        child<QLineEdit>(al, "txtH")->setText(" 3");
        child<QPushButton>(panel, "Command2")->click();
        QCOMPARE(panel->daField()->text(), QString());
        QCOMPARE(panel->diField()->text(), QStringLiteral("5"));
        QCOMPARE(panel->hField()->text(), QStringLiteral(" 3")); // copied as it stands

        // frmALZ unloaded by "&Beenden" offers nothing any more.
        AlzWindow* alz = tools::openToolWindow<AlzWindow>();
        typeDimensions(alz, "9", "4", "2", "0");
        child<QLineEdit>(alz, "txtµi")->setText("10");
        click(alz, "Command1");
        click(alz, "Command2");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        child<QPushButton>(panel, "Command1")->click();
        child<QPushButton>(panel, "Command2")->click();
        QVERIFY(panel->alField()->text().isEmpty());
        QCOMPARE(panel->daField()->text(), QString());
        QCOMPARE(windowsNamed("frmALZ"), 0);
    }
};

QTEST_MAIN(TestGuiAlWindow)
#include "test_gui_alwindow.moc"
