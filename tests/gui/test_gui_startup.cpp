// Start-up with a fake clock: the splash's minimum time, the order of splash and main window,
// the stored language, and what a restart keeps.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "app/ui/startup.h"

#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>
#include <vector>

using namespace kovolo;

namespace {

QWidget* topLevel(const char* name)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String(name))
            return top;
    return nullptr;
}

// Time passes only when start-up pauses, plus the time the main window takes to build (between
// the start mark and the next reading).
class FakeClock : public StartupClock {
public:
    explicit FakeClock(qint64 buildMs = 0) : buildMs_(buildMs) {}

    struct Pause {
        qint64 elapsed; // since the start mark
        int ms;
        bool splashShown;
        bool mainBuiltAndHidden;
        bool busyPointer;
    };

    qint64 elapsedMs() override
    {
        const qint64 value = now_;
        if (reads_++ == 0) {
            startMark_ = value;
            now_ += buildMs_;
        }
        return value;
    }

    void pause(int ms) override
    {
        QWidget* splash = topLevel("VorBild");
        QWidget* main = topLevel("frmOptions");
        const QCursor* cursor = QApplication::overrideCursor();
        pauses.push_back({now_ - startMark_, ms, splash && splash->isVisible(),
                          main && !main->isVisible(), cursor && cursor->shape() == Qt::WaitCursor});
        now_ += ms;
    }

    qint64 totalElapsed() const { return now_ - startMark_; }

    std::vector<Pause> pauses;

private:
    qint64 buildMs_;
    // Far from zero, as a monotonic clock of a machine that has run for a while.
    qint64 now_ = 86'395'000;
    qint64 startMark_ = 0;
    int reads_ = 0;
};

} // namespace

class TestGuiStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> settingsDir;
    std::unique_ptr<MainWindow> window;

    QString confPath() const { return settingsDir->filePath(QStringLiteral("Kovolo/Kovolo.conf")); }
    static void store(const QString& code)
    {
        QSettings settings(QStringLiteral("Kovolo"), QStringLiteral("Kovolo"));
        settings.setValue(QStringLiteral("Settings/Sprache"), code);
    }
    static QVariant stored()
    {
        QSettings settings(QStringLiteral("Kovolo"), QStringLiteral("Kovolo"));
        return settings.value(QStringLiteral("Settings/Sprache"));
    }
    void start()
    {
        FakeClock clock;
        window = startUp(clock);
        QVERIFY(window);
    }
    // A new run of the program: the old one ended, the process-wide values start afresh.
    void restart()
    {
        window.reset();
        resetGlobals();
        start();
    }
    template <typename T = QWidget> T* find(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromUtf8(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString checkedLanguageItems() const
    {
        QStringList checked;
        for (const char* name : {"mnuSpracheDtsch", "mnuSpracheEngl", "mnuSpracheFranz",
                                 "mnuSpracheSpanisch", "mnuSpracheItal", "mnuSpracheCZ"})
            if (find<QAction>(name)->isChecked())
                checked << QString::fromLatin1(name);
        return checked.join(QLatin1Char(' '));
    }
    void verifyGermanTexts()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral(" Kovolo V1.3.2"));
        QCOMPARE(find<QGroupBox>("Frame4")->title(),
                 QStringLiteral("Windungszahl/Draht berechnen"));
        QCOMPARE(find<QPushButton>("cmdOK")->text(), QStringLiteral("&Beenden"));
        QCOMPARE(find<QTabWidget>("tbsOptions")->tabText(5), QStringLiteral("&unbekannte Kerne"));
        QCOMPARE(checkedLanguageItems(), QStringLiteral("mnuSpracheDtsch"));
    }
    void verifyMetricOnFirstTab()
    {
        QVERIFY(!globals().unitSystemImperial);
        QVERIFY(find<QAction>("mnuMaßeinheitMeter")->isChecked());
        QVERIFY(!find<QAction>("mnuMaßeinheitInch")->isChecked());
        QCOMPARE(find<QLabel>("Label47")->text(), QStringLiteral("cm"));
        QCOMPARE(find<QLabel>("LabelE58")->text(), QStringLiteral("mm"));
        QCOMPARE(find<QLabel>("LabelE57")->text(), QStringLiteral("12.70"));
        QCOMPARE(globals().currentTab, 1);
        QCOMPARE(find<QTabWidget>("tbsOptions")->currentIndex(), 0);
    }

private slots:
    void init()
    {
        settingsDir = std::make_unique<QTemporaryDir>();
        QVERIFY(settingsDir->isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir->path());
        resetGlobals();
    }

    void cleanup()
    {
        window.reset();
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        QCoreApplication::processEvents();
        settingsDir.reset();
    }

    void splashStaysMoreThanFourSeconds_data()
    {
        QTest::addColumn<qint64>("buildMs");
        QTest::newRow("window built at once") << qint64(0);
        QTest::newRow("quick build") << qint64(120);
        QTest::newRow("build just under the wait") << qint64(3999);
        QTest::newRow("build of exactly four seconds") << qint64(4000);
    }

    void splashStaysMoreThanFourSeconds()
    {
        QFETCH(qint64, buildMs);
        FakeClock clock(buildMs);
        window = startUp(clock);
        QVERIFY(window);

        QVERIFY(!clock.pauses.empty());
        QVERIFY(clock.totalElapsed() > 4000);
        for (const FakeClock::Pause& p : clock.pauses) {
            // No pause once more than four seconds have passed.
            QVERIFY(p.elapsed <= 4000);
            QVERIFY(p.ms > 0);
            QVERIFY(p.splashShown);
            QVERIFY(p.mainBuiltAndHidden);
            QVERIFY(p.busyPointer);
        }
        QVERIFY(window->isVisible());
        QVERIFY(topLevel("VorBild") == nullptr);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void slowBuildNeedsNoFurtherWait_data()
    {
        QTest::addColumn<qint64>("buildMs");
        QTest::newRow("just over four seconds") << qint64(4001);
        QTest::newRow("nine seconds") << qint64(9000);
    }

    void slowBuildNeedsNoFurtherWait()
    {
        QFETCH(qint64, buildMs);
        FakeClock clock(buildMs);
        window = startUp(clock);
        QVERIFY(window);
        QVERIFY(clock.pauses.empty());
        QCOMPARE(clock.totalElapsed(), buildMs);
        QVERIFY(window->isVisible());
        QVERIFY(topLevel("VorBild") == nullptr);
    }

    void firstStartWithoutSetting()
    {
        // Left-overs that start-up must set itself.
        globals().currentLanguage = "englisch";
        globals().currentTab = 5;
        globals().printingInProgress = true;
        start();
        QCOMPARE(QString::fromStdString(globals().currentLanguage), QStringLiteral("deutsch"));
        QVERIFY(!globals().printingInProgress);
        QCOMPARE(globals().lineBreak, std::string("\r\n"));
        verifyGermanTexts();
        verifyMetricOnFirstTab();
        QVERIFY(!stored().isValid());
    }

    void storedEnglishOpensInEnglish()
    {
        store(QStringLiteral("englisch"));
        start();
        QCOMPARE(QString::fromStdString(globals().currentLanguage), QStringLiteral("englisch"));
        QCOMPARE(window->windowTitle(), QStringLiteral(" Kovolo V1.3.2"));
        QCOMPARE(find<QGroupBox>("Frame4")->title(), QStringLiteral("Calculate turns/wire"));
        QCOMPARE(find<QPushButton>("cmdOK")->text(), QStringLiteral("&Exit"));
        QCOMPARE(find<QTabWidget>("tbsOptions")->tabText(0), QStringLiteral("&Ferrite FT"));
        QCOMPARE(checkedLanguageItems(), QStringLiteral("mnuSpracheEngl"));
        verifyMetricOnFirstTab();
    }

    void czechChosenAndExitedStartsInCzech()
    {
        start();
        find<QAction>("mnuSpracheCZ")->trigger();
        QTest::mouseClick(find<QPushButton>("cmdOK"), Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(stored().toString(), QStringLiteral("cz"));

        restart();
        QCOMPARE(QString::fromStdString(globals().currentLanguage), QStringLiteral("cz"));
        QCOMPARE(find<QPushButton>("cmdOK")->text(), QStringLiteral("&Konec"));
        QCOMPARE(find<QGroupBox>("Frame4")->title(), QString::fromUtf8("Výpočet závitů/drátu"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Kovolo V1.3.2"));
        QCOMPARE(checkedLanguageItems(), QStringLiteral("mnuSpracheCZ"));
    }

    void languageIsSavedOnlyWhenTheWindowCloses()
    {
        store(QStringLiteral("franz"));
        start();
        find<QAction>("mnuSpracheItal")->trigger();
        QCOMPARE(stored().toString(), QStringLiteral("franz"));
        QVERIFY(window->close());
        QCOMPARE(stored().toString(), QStringLiteral("ital"));
    }

    void restartAfterImperialIsMetric()
    {
        start();
        find<QTabWidget>("tbsOptions")->setCurrentIndex(1);
        find<QAction>("mnuMaßeinheitInch")->trigger();
        QCOMPARE(find<QLabel>("LabelE57")->text(), QStringLiteral("0.500"));
        QTest::mouseClick(find<QPushButton>("cmdOK"), Qt::LeftButton);
        // The language is all the program keeps.
        {
            QSettings settings(QStringLiteral("Kovolo"), QStringLiteral("Kovolo"));
            QCOMPARE(settings.allKeys(), QStringList{QStringLiteral("Settings/Sprache")});
        }

        restart();
        verifyMetricOnFirstTab();
        QCOMPARE(find<QLabel>("Label50")->text(), QStringLiteral("mm"));
        QVERIFY(find<QLabel>("Label118")->isHidden());
    }

    void unknownStoredCodeIsKept()
    {
        store(QStringLiteral("klingon"));
        start();
        QCOMPARE(QString::fromStdString(globals().currentLanguage), QStringLiteral("klingon"));
        verifyGermanTexts();
        QVERIFY(window->close());
        QCOMPARE(stored().toString(), QStringLiteral("klingon"));
    }

    void unreadableStoreGivesGerman_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary garbage")
            << QByteArray("\x00\xff\xfe\x01\x9c[Set\x00tings\n\xc3(\xa0\xa1=\xff\n", 18);
        QTest::newRow("key without section or value") << QByteArray("\xef\xbb\xbf=\n==\n[\n");
        QTest::newRow("list instead of a code") << QByteArray("[Settings]\nSprache=cz, span\n");
        QTest::newRow("invalid value") << QByteArray("[Settings]\nSprache=@Invalid()\n");
    }

    void unreadableStoreGivesGerman()
    {
        QFETCH(QByteArray, content);
        QVERIFY(QDir(settingsDir->path()).mkpath(QStringLiteral("Kovolo")));
        QFile file(confPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
        file.close();

        start();
        QCOMPARE(QString::fromStdString(globals().currentLanguage), QStringLiteral("deutsch"));
        verifyGermanTexts();

        // The damaged store is rewritten when the program ends: the next start reads it.
        find<QAction>("mnuSpracheEngl")->trigger();
        QVERIFY(window->close());
        QSettings settings(QStringLiteral("Kovolo"), QStringLiteral("Kovolo"));
        QCOMPARE(settings.status(), QSettings::NoError);
        QCOMPARE(settings.value(QStringLiteral("Settings/Sprache")).toString(),
                 QStringLiteral("englisch"));
    }

    void storeThatIsADirectory()
    {
        // Neither readable nor writable: German, and closing goes on without a word.
        QVERIFY(QDir(settingsDir->path()).mkpath(QStringLiteral("Kovolo/Kovolo.conf")));
        start();
        QCOMPARE(QString::fromStdString(globals().currentLanguage), QStringLiteral("deutsch"));
        find<QAction>("mnuSpracheEngl")->trigger();
        QVERIFY(window->close());
        QVERIFY(!window->isVisible());
        QVERIFY(QFileInfo(confPath()).isDir());
    }
};

QTEST_MAIN(TestGuiStartup)
#include "test_gui_startup.moc"
