#pragma once
// Start-up: splash, main window, language, and the end of the program.

#include <QtGlobal>

#include <memory>

class QApplication;

namespace kovolo {

class MainWindow;

// The clock of the splash's minimum time: elapsed milliseconds and a short pause in which
// window events are painted but user input waits.
class StartupClock {
public:
    virtual ~StartupClock() = default;
    virtual qint64 elapsedMs() = 0;
    virtual void pause(int ms) = 0;
};

// A monotonic clock: the wait is not stretched or cut short by the day's end.
class SteadyStartupClock : public StartupClock {
public:
    SteadyStartupClock();
    qint64 elapsedMs() override;
    void pause(int ms) override;

private:
    struct Impl;
    std::shared_ptr<Impl> impl_;
};

// How long the splash stays at least.
inline constexpr qint64 splashMinimumMs = 4000;

// Shows the splash, builds the main window, keeps the splash up for more than four seconds,
// applies the stored language, shows the main window and removes the splash.
std::unique_ptr<MainWindow> startUp(StartupClock& clock);

// The program: start-up, then the event loop until the main window closes.
int runProgram(QApplication& app);
// The same with the given clock for the splash's minimum time (a benchmark observes it).
int runProgram(QApplication& app, StartupClock& clock);

} // namespace kovolo
