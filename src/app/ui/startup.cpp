#include "app/ui/startup.h"

#include "app/globals.h"
#include "app/metadata.h"
#include "app/ui/logo.h"
#include "app/ui/mainwindow.h"
#include "app/ui/pointer.h"
#include "app/ui/settings.h"
#include "app/ui/splash.h"
#include "i18n/ui/language.h"
#include "numbers/format.h"
#include "output/ui/errorreport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLayout>
#include <QLocale>
#include <QThread>

namespace kovolo {

struct SteadyStartupClock::Impl {
    QElapsedTimer timer;
};

SteadyStartupClock::SteadyStartupClock() : impl_(std::make_shared<Impl>())
{
    impl_->timer.start();
}

qint64 SteadyStartupClock::elapsedMs()
{
    return impl_->timer.elapsed();
}

void SteadyStartupClock::pause(int ms)
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(static_cast<unsigned long>(ms));
}

namespace {

// Work the user need not wait for once the splash's time is up, done while the splash is shown:
// the window is polished, laid out and gets its platform window (not shown), and it is painted
// once into a throw-away picture, which loads its fonts and glyphs and fills the style's caches.
void prepareWhileHidden(QWidget& window)
{
    window.ensurePolished();
    if (QLayout* layout = window.layout())
        layout->activate();
    (void)window.winId();
    (void)window.grab();
}

} // namespace

std::unique_ptr<MainWindow> startUp(StartupClock& clock)
{
    Globals& g = globals();
    g.lineBreak = "\r\n";
    QApplication::setOverrideCursor(Qt::WaitCursor);

    std::unique_ptr<SplashWindow> splash;
    skipOnFailure([&] {
        splash = std::make_unique<SplashWindow>();
        splash->show();
    });
    const qint64 startMark = clock.elapsedMs();
    if (splash)
        splash->repaint();

    auto window = std::make_unique<MainWindow>();
    skipOnFailure([&] { prepareWhileHidden(*window); });
    QCoreApplication::processEvents();

    // The splash stays for more than four seconds, however quickly the window was built.
    for (qint64 elapsed = clock.elapsedMs() - startMark; elapsed <= splashMinimumMs;
         elapsed = clock.elapsedMs() - startMark)
        clock.pause(static_cast<int>(std::min<qint64>(20, splashMinimumMs + 1 - elapsed)));

    if (splash)
        splash->setNormalPointer();
    skipOnFailure([&] { g.currentLanguage = settings::readLanguage(); });
    g.currentTab = 1;
    i18n::applyLanguage(g.currentLanguage);
    g.printingInProgress = false;
    g.unitSystemImperial = false;

    window->show();
    window->activate();
    splash.reset();
    QCoreApplication::processEvents();
    restoreNormalPointer();
    return window;
}

int runProgram(QApplication& app)
{
    SteadyStartupClock clock;
    return runProgram(app, clock);
}

int runProgram(QApplication& app, StartupClock& clock)
{
    QApplication::setApplicationName(QString::fromUtf8(metadata::productName));
    QApplication::setApplicationVersion(QString::fromStdString(metadata::versionText()));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(metadata::desktopId));
    QApplication::setWindowIcon(programIcon());
    // Results are shown with the regional decimal separator; reading takes both anyway.
    numbers::setDisplayDecimalSeparator(QLocale::system().decimalPoint().toStdString());

    std::unique_ptr<MainWindow> window = startUp(clock);
    return app.exec();
}

} // namespace kovolo
