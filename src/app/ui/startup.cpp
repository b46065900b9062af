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
    QApplication::setApplicationName(QString::fromUtf8(metadata::productName));
    QApplication::setApplicationVersion(QString::fromStdString(metadata::versionText()));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(metadata::desktopId));
    QApplication::setWindowIcon(programIcon());
    // Results are shown with the regional decimal separator; reading takes both anyway.
    numbers::setDisplayDecimalSeparator(QLocale::system().decimalPoint().toStdString());

    SteadyStartupClock clock;
    std::unique_ptr<MainWindow> window = startUp(clock);
    return app.exec();
}

} // namespace kovolo
