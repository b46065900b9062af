// The About window: title, version, one instance, closing, and the notice per language.

#include "app/aboutnotice.h"
#include "app/globals.h"
#include "app/ui/about.h"
#include "i18n/ui/textid.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace kovolo;

namespace {

int aboutWindowsOpen()
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += window->objectName() == QLatin1String("frmAbout") ? 1 : 0;
    return count;
}

void closeAbout()
{
    if (AboutWindow* about = aboutWindow())
        about->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestGuiAbout : public QObject {
    Q_OBJECT

    std::unique_ptr<QMainWindow> mainWindow;

private slots:
    void init()
    {
        resetGlobals();
        mainWindow = std::make_unique<QMainWindow>();
        mainWindow->setObjectName("frmOptions");
        mainWindow->setWindowTitle(" Kovolo V1.3.2");
    }

    void cleanup()
    {
        closeAbout();
        mainWindow.reset();
    }

    void titleVersionAndProductName()
    {
        AboutWindow* about = showAboutWindow();
        QVERIFY(about->isVisible());
        QVERIFY(!about->isModal());
        QCOMPARE(about->windowTitle(), QStringLiteral("Info:  Kovolo V1.3.2"));
        auto* version = about->findChild<QLabel*>("lblVersion");
        QCOMPARE(version->text(), QStringLiteral("Version 1.3.2"));
        QCOMPARE(version->toolTip(), QStringLiteral("Programmversion"));
        QCOMPARE(about->findChild<QLabel*>("lblTitle")->text(), QStringLiteral("Kovolo"));
        QVERIFY(!about->findChild<QLabel*>("picIcon")->pixmap().isNull());
        QVERIFY(!about->findChild<QLabel*>("lblDescription")->text().isEmpty());
        QVERIFY(about->findChild<QWidget*>("Line1_0"));
        QVERIFY(about->findChild<QWidget*>("Line1_1"));
    }

    void openingRecaptionsTheOpenWindows()
    {
        // A caption bound to a text id that still shows something else gets the German text.
        auto* bound = new QPushButton("stale", mainWindow.get());
        i18n::setTextId(bound, 996);
        showAboutWindow();
        QCOMPARE(bound->text(), QStringLiteral("&Abbrechen"));
    }

    void titleWithoutMainWindow()
    {
        mainWindow.reset();
        QCOMPARE(showAboutWindow()->windowTitle(), QStringLiteral("Info: "));
    }

    void atMostOneExists()
    {
        AboutWindow* first = showAboutWindow();
        AboutWindow* second = showAboutWindow();
        QCOMPARE(second, first);
        QCOMPARE(aboutWindowsOpen(), 1);
    }

    void okClosesAndDestroysIt()
    {
        AboutWindow* about = showAboutWindow();
        QPointer<AboutWindow> watch(about);
        auto* ok = about->findChild<QPushButton*>("cmdOK");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        ok->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
        QVERIFY(!aboutWindow());
        QCOMPARE(aboutWindowsOpen(), 0);
        // The next Help > Info creates a fresh window.
        QVERIFY(showAboutWindow());
        QCOMPARE(aboutWindowsOpen(), 1);
    }

    void noticePerLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<int>("lines");
        QTest::newRow("deutsch") << "deutsch"
                                 << "Achtung:" << 4;
        QTest::newRow("englisch") << "englisch"
                                  << "Attention!:" << 4;
        QTest::newRow("span") << "span"
                              << "Attention!:" << 5;
        QTest::newRow("franz") << "franz"
                               << "Attention:" << 5;
        QTest::newRow("ital") << "ital"
                              << "Attenzione:" << 4;
        QTest::newRow("cz") << "cz"
                            << "Pozor!:" << 3;
        QTest::newRow("unknown code") << "xx"
                                      << "Attention!:" << 4;
    }

    void noticePerLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, warning);
        QFETCH(int, lines);
        globals().currentLanguage = language.toStdString();
        AboutWindow* about = showAboutWindow();
        auto* disclaimer = about->findChild<QLabel*>("lblDisclaimer");
        QCOMPARE(disclaimer->font(), about->font());

        const QStringList parts = disclaimer->text().split(QStringLiteral("\r\n"));
        QCOMPARE(parts.size(), lines);
        QVERIFY(parts.first().startsWith(warning + QLatin1Char(' ')));
        // Every later line starts with the indent measured in the window's font: as many blanks
        // as fill the width of "Attenzione: ", so the lines start under the text after it.
        const QFontMetricsF metrics(about->font(), about);
        const qreal width = metrics.horizontalAdvance(QStringLiteral("Attenzione: "));
        const int blanks = static_cast<int>(width / metrics.horizontalAdvance(QLatin1Char(' ')));
        QVERIFY(blanks > 0);
        const qreal indentWidth = metrics.horizontalAdvance(QString(blanks, QLatin1Char(' ')));
        QVERIFY(indentWidth <= width);
        QVERIFY(width - indentWidth < metrics.horizontalAdvance(QLatin1Char(' ')));
        const QString indent(blanks, QLatin1Char(' '));
        for (qsizetype i = 1; i < parts.size(); ++i) {
            QVERIFY2(parts[i].startsWith(indent), qPrintable(parts[i]));
            QVERIFY2(parts[i].at(blanks) != QLatin1Char(' '), qPrintable(parts[i]));
        }
    }
};

QTEST_MAIN(TestGuiAbout)
#include "test_gui_about.moc"
