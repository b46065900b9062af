// Start-up and recalculation, measured side by side with two plain Qt programs.
//
//   ./build/bench/bench_startup [--runs N] [--calc-runs M] [--verbose]
//
// Every run starts each of three programs afresh as a whole process, interleaved: the real
// program (the same start-up path as main.cpp, with a clock that only observes the splash's
// four seconds), an empty QMainWindow, and a QMainWindow showing one QLabel. All three are this
// binary re-executed in a child mode, so flags, Qt and linked libraries are the same. "exec" is
// the parent's CLOCK_MONOTONIC just before fork(); that clock is shared by every process.
// A child reports its time marks and its peak resident memory on file descriptor 3.
//
// The platform is Qt's usual choice (QT_QPA_PLATFORM, else DISPLAY); with neither, offscreen.
// Afterwards the calculations run in this process (window built, not shown) 10^4 times each.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "app/ui/startup.h"
#include "catalogs/ui/catalogpanel.h"
#include "toroid/ui/applicationframe.h"
#include "toroid/ui/inductanceframe.h"
#include "toroid/ui/turnsframe.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(name)
#endif
#include <unistd.h>

namespace {

using Marks = std::map<std::string, double>;

double nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e9 + double(ts.tv_nsec);
}

double cpuNs() // this process's processor time so far
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e9 + double(ts.tv_nsec);
}

double peakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atof(line.c_str() + 6);
    return 0;
}

void setPlatformIfNone()
{
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

// ---------------------------------------------------------------------------------------------
// Child side

// Watches every paint pass: an UpdateRequest or Expose is handled here (the handler is called
// directly), and a top-level window that received a Paint inside the pass counts as painted when
// the pass has ended (after the flush). Also notes shows, the splash's destruction and when the
// event loop first goes idle with everything wanted painted.
class Observer : public QObject {
public:
    Marks marks;
    std::function<bool()> finished; // all wanted marks are there

    explicit Observer(QObject* parent) : QObject(parent)
    {
        QObject::connect(QAbstractEventDispatcher::instance(),
                         &QAbstractEventDispatcher::aboutToBlock, this, [this] {
                             if (finished && finished())
                                 report();
                         });
        // A child never hangs the benchmark.
        QTimer::singleShot(60000, [] { std::_Exit(3); });
    }

    void note(const std::string& key)
    {
        if (!marks.count(key))
            set(key);
    }
    void set(const std::string& key)
    {
        marks[key] = nowNs();
        marks[key + "@cpu"] = cpuNs();
    }
    bool has(const std::string& key) const { return marks.count(key) != 0; }

    void report()
    {
        CALLGRIND_DUMP_STATS_AT("minimum time over to done");
        marks["peakKiB"] = peakResidentKiB();
        std::string text;
        char buf[96];
        for (const auto& [key, value] : marks) {
            std::snprintf(buf, sizeof buf, "%s %.0f\n", key.c_str(), value);
            text += buf;
        }
        const char* p = text.data();
        size_t left = text.size();
        while (left > 0) {
            const ssize_t n = write(3, p, left);
            if (n <= 0)
                break;
            p += n;
            left -= size_t(n);
        }
        std::_Exit(0);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::UpdateRequest || type == QEvent::Expose) && depth_ == 0) {
            ++depth_;
            paintedInPass_.clear();
            const bool handled = watched->event(event);
            --depth_;
            for (const std::string& name : paintedInPass_) {
                note(name + ".firstPainted");
                set(name + ".lastPainted");
                marks[name + ".passes"] += 1;
            }
            paintedInPass_.clear();
            (void)handled;
            return true;
        }
        if (type == QEvent::Paint && watched->isWidgetType()) {
            QWidget* window = static_cast<QWidget*>(watched)->window();
            if (!window->isVisible())
                return false; // painted into a picture, not on the screen
            const std::string name = window->objectName().toStdString();
            if (depth_ > 0) {
                if (std::find(paintedInPass_.begin(), paintedInPass_.end(), name) ==
                    paintedInPass_.end())
                    paintedInPass_.push_back(name);
            } else {
                // A paint outside any pass: count it when it starts.
                note(name + ".firstPainted");
                set(name + ".lastPainted");
            }
        } else if (type == QEvent::Show && watched->isWidgetType() &&
                   static_cast<QWidget*>(watched)->isWindow()) {
            auto* window = static_cast<QWidget*>(watched);
            const std::string name = window->objectName().toStdString();
            note(name + ".shown");
            if (name == "VorBild")
                QObject::connect(window, &QObject::destroyed, this,
                                 [this] { note("VorBild.gone"); });
        }
        return false;
    }

private:
    int depth_ = 0;
    std::vector<std::string> paintedInPass_;
};

// The splash's clock, observed: when start-up takes its start mark and when it finds the
// minimum time over.
class ObservingClock : public kovolo::StartupClock {
public:
    explicit ObservingClock(Observer& observer) : observer_(observer) {}
    qint64 elapsedMs() override
    {
        const qint64 elapsed = inner_.elapsedMs();
        if (!started_) {
            started_ = true;
            startMs_ = elapsed;
            observer_.note("startMark");
            // Under callgrind: one profile up to the start mark (icon, splash) ...
            CALLGRIND_DUMP_STATS_AT("exec to start mark");
        } else if (elapsed - startMs_ > kovolo::splashMinimumMs) {
            if (!observer_.has("minimumOver")) {
                // ... and one from the end of the minimum time.
                CALLGRIND_ZERO_STATS;
                observer_.note("minimumOver");
            }
        }
        return elapsed;
    }
    void pause(int ms) override { inner_.pause(ms); }

private:
    Observer& observer_;
    kovolo::SteadyStartupClock inner_;
    bool started_ = false;
    qint64 startMs_ = 0;
};

int runChild(const std::string& mode)
{
    static char name[] = "kovolo";
    static char* args[] = {name, nullptr};
    int argc = 1;
    QApplication app(argc, args);
    auto* observer = new Observer(&app);
    app.installEventFilter(observer);
    observer->note("appCreated");

    if (mode == "program") {
        observer->finished = [observer] {
            return observer->has("frmOptions.firstPainted") && observer->has("VorBild.gone") &&
                   observer->has("minimumOver");
        };
        ObservingClock clock(*observer);
        return kovolo::runProgram(app, clock);
    }

    QMainWindow window;
    window.setObjectName("baseline");
    if (mode == "label") {
        auto* label = new QLabel(QStringLiteral("Kovolo"));
        label->setAlignment(Qt::AlignCenter);
        window.setCentralWidget(label);
    }
    observer->finished = [observer] { return observer->has("baseline.firstPainted"); };
    window.show();
    return app.exec();
}

// ---------------------------------------------------------------------------------------------
// Parent side

struct Run {
    bool ok = false;
    double startNs = 0;
    Marks marks;
    bool cpu = false; // at() gives the child's processor time instead of the wall clock
    double at(const std::string& key) const
    {
        if (cpu) {
            auto it = marks.find(key + "@cpu");
            return it == marks.end() ? NAN : it->second / 1e6; // ms of processor time
        }
        auto it = marks.find(key);
        return it == marks.end() ? NAN : (it->second - startNs) / 1e6; // ms after exec
    }
};

bool childMessages = false; // --verbose: the children's Qt warnings stay on stderr

Run startChild(const std::string& self, const std::string& mode)
{
    Run run;
    int fds[2];
    if (pipe(fds) != 0)
        return run;
    std::fflush(nullptr);
    run.startNs = nowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        if (fds[1] != 3) {
            dup2(fds[1], 3);
            close(fds[1]);
        }
        if (!childMessages) {
            const int devNull = open("/dev/null", O_WRONLY);
            if (devNull >= 0)
                dup2(devNull, 2);
        }
        execl(self.c_str(), self.c_str(), "--child", mode.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    close(fds[1]);
    std::string text;
    char buf[4096];
    for (;;) {
        const ssize_t n = read(fds[0], buf, sizeof buf);
        if (n > 0)
            text.append(buf, size_t(n));
        else if (n == 0 || errno != EINTR)
            break;
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find('\n', pos);
        const std::string line = text.substr(pos, end - pos);
        const size_t space = line.find(' ');
        if (space != std::string::npos)
            run.marks[line.substr(0, space)] = std::atof(line.c_str() + space + 1);
        pos = end == std::string::npos ? text.size() : end + 1;
    }
    return run;
}

struct Stats {
    double median = NAN, low = NAN, high = NAN;
    size_t n = 0;
};

Stats stats(std::vector<double> values)
{
    values.erase(
        std::remove_if(values.begin(), values.end(), [](double v) { return std::isnan(v); }),
        values.end());
    Stats s;
    s.n = values.size();
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    s.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    s.low = values.front();
    s.high = values.back();
    return s;
}

void printRow(const char* what, const Stats& s, const char* unit)
{
    std::printf("  %-46s %9.2f %-3s  (%.2f .. %.2f, n=%zu)\n", what, s.median, unit, s.low, s.high,
                s.n);
}

void printRatio(const char* what, const Stats& a, const Stats& b, double budget)
{
    const double ratio = a.median / b.median;
    if (budget > 0)
        std::printf("  %-46s %9.2f x    budget <= %.1f x: %s\n", what, ratio, budget,
                    ratio <= budget ? "met" : "NOT met");
    else
        std::printf("  %-46s %9.2f x\n", what, ratio);
}

// In-process: the median of `runs` calls of `step`, in microseconds.
Stats timeSteps(int runs, const std::function<void()>& step)
{
    std::vector<double> values;
    values.reserve(size_t(runs));
    for (int i = 0; i < runs; ++i) {
        const double t0 = nowNs();
        step();
        values.push_back((nowNs() - t0) / 1e3);
    }
    return stats(std::move(values));
}

template <typename T> T* child(QObject& parent, const char* name)
{
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "bench_startup: no %s in the main window\n", name);
        std::exit(1);
    }
    return found;
}

void benchCalculations(int runs)
{
    static char name[] = "kovolo";
    static char* args[] = {name, nullptr};
    int argc = 1;
    QApplication app(argc, args);
    kovolo::globals().lineBreak = "\r\n";
    kovolo::MainWindow window;
    kovolo::catalogs::CatalogPanel* ft = window.catalogPanel(1);
    auto* turns = child<kovolo::toroid::TurnsFrame>(window, "Frame4");
    auto* inductance = child<kovolo::toroid::InductanceFrame>(window, "fraFerrit1");
    auto* application = child<kovolo::toroid::ApplicationFrame>(window, "fraAnwendung");
    // FT-50 in 43 (the first catalog's default): 10 µH at 7 MHz with 5 V, and 20 turns.
    child<QLineEdit>(window, "Text6")->setText("10");
    child<QLineEdit>(window, "Text7")->setText("7");
    child<QLineEdit>(window, "Text8")->setText("5");
    child<QLineEdit>(window, "Text9")->setText("20");
    ft->materialHandler();
    std::printf("  (FT-50/43: %s turns, L %s, application %s)\n",
                qPrintable(child<QLabel>(window, "Label44")->text()),
                qPrintable(child<QLabel>(window, "Label52")->text()),
                qPrintable(child<QLabel>(window, "Label65")->text()));

    const Stats cascade = timeSteps(runs, [ft] { ft->materialHandler(); });
    const Stats check = timeSteps(runs, [application] { application->calculate(); });
    const Stats fromTurns = timeSteps(runs, [inductance] { inductance->calculate(); });
    child<QLineEdit>(window, "Text7")->clear();
    child<QLineEdit>(window, "Text9")->clear();
    const Stats turnsAlone = timeSteps(runs, [turns] { turns->calculate(); });

    std::printf("\n5. In-process, window built and not shown, median of %d runs each\n", runs);
    printRow("material change, all three re-run", cascade, "us");
    printRow("turns and wire alone", turnsAlone, "us");
    printRow("application check alone", check, "us");
    printRow("inductance from turns alone", fromTurns, "us");
    std::printf("  %-46s %s\n", "budget: cascade median < 200 us (0.2 ms):",
                cascade.median < 200 ? "met" : "NOT met");
}

void reportTimes(std::map<std::string, std::vector<Run>>& results, bool cpu)
{
    auto collect = [&](const std::string& mode, const std::function<double(const Run&)>& f) {
        std::vector<double> v;
        for (const Run& run : results[mode])
            v.push_back(f(run));
        return stats(std::move(v));
    };
    const auto painted = [](const Run& r) { return r.at("baseline.firstPainted"); };
    const Stats empty = collect("empty", painted);
    const Stats label = collect("label", painted);
    // What the user waits for: the main window painted (last pass before idle) and the splash gone.
    const auto mainReady = [](const Run& r) {
        return std::max(r.at("frmOptions.lastPainted"), r.at("VorBild.gone"));
    };
    const Stats splash =
        collect("program", [](const Run& r) { return r.at("VorBild.firstPainted"); });
    const Stats afterMinimum =
        collect("program", [&](const Run& r) { return mainReady(r) - r.at("minimumOver"); });
    const Stats minimumTime =
        collect("program", [](const Run& r) { return r.at("minimumOver") - r.at("startMark"); });
    const Stats whole = collect("program", [&](const Run& r) {
        return mainReady(r) - (r.at("minimumOver") - r.at("startMark"));
    });
    const Stats toStartMark = collect("program", [](const Run& r) { return r.at("startMark"); });
    const Stats toShown = collect(
        "program", [](const Run& r) { return r.at("frmOptions.shown") - r.at("minimumOver"); });
    const Stats toGone =
        collect("program", [](const Run& r) { return r.at("VorBild.gone") - r.at("minimumOver"); });
    const Stats toFirstPaint = collect("program", [](const Run& r) {
        return r.at("frmOptions.firstPainted") - r.at("minimumOver");
    });
    const Stats appCreated = collect("program", [](const Run& r) { return r.at("appCreated"); });
    const Stats labelApp = collect("label", [](const Run& r) { return r.at("appCreated"); });

    if (cpu)
        std::printf("\n--- The same in processor time of the child (no budgets; load-proof) ---\n");
    const char* from = cpu ? "start" : "exec";
    std::printf("\nBaselines (%s -> first painted)\n", from);
    printRow("empty QMainWindow", empty, "ms");
    printRow("QMainWindow with one QLabel", label, "ms");
    printRow("  of it: -> QApplication built", labelApp, "ms");

    std::printf("\n1. %s -> splash first painted\n", from);
    printRow("program", splash, "ms");
    printRow("  of it: -> QApplication built", appCreated, "ms");
    printRow("  of it: -> splash start mark", toStartMark, "ms");
    printRatio("against the one-label window", splash, label, cpu ? 0 : 1.2);

    std::printf("\n2. end of the splash's minimum time -> main window painted, splash gone\n");
    printRow("program", afterMinimum, "ms");
    printRow("  of it: -> main window shown", toShown, "ms");
    printRow("  of it: -> main window first painted", toFirstPaint, "ms");
    printRow("  of it: -> splash gone", toGone, "ms");
    printRatio("against the one-label window", afterMinimum, label, cpu ? 0 : 0.3);

    std::printf("\n3. %s -> main window painted, minimum time taken out\n", from);
    printRow("minimum time taken out (start mark -> over)", minimumTime, "ms");
    printRow("program", whole, "ms");
    printRatio("against the one-label window", whole, label, cpu ? 0 : 1.5);
    printRatio("(against the empty window)", whole, empty, 0);
}

int runParent(int runs, int calcRuns)
{
    char selfBuf[4096];
    const ssize_t len = readlink("/proc/self/exe", selfBuf, sizeof selfBuf - 1);
    if (len <= 0) {
        std::fprintf(stderr, "bench_startup: cannot find its own binary\n");
        return 1;
    }
    const std::string self(selfBuf, size_t(len));
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("bench_startup: %d runs of each program, interleaved, platform %s, %ld cores\n",
                runs, platform ? platform : "xcb", sysconf(_SC_NPROCESSORS_ONLN));

    const char* modes[3] = {"program", "empty", "label"};
    std::map<std::string, std::vector<Run>> results;
    int failures = 0;
    for (int r = 0; r < runs; ++r) {
        for (int k = 0; k < 3; ++k) {
            const std::string mode = modes[(r + k) % 3]; // the order turns each run
            Run run = startChild(self, mode);
            if (run.ok)
                results[mode].push_back(std::move(run));
            else
                ++failures;
        }
        std::fprintf(stderr, ".");
    }
    std::fprintf(stderr, "\n");
    if (failures)
        std::printf("  (%d child runs failed and are left out)\n", failures);

    for (int pass = 0; pass < 2; ++pass) {
        // First the wall clock (the budgets), then the children's processor time, which the
        // load of other processes on the machine leaves nearly alone.
        const bool cpu = pass == 1;
        for (auto& [mode, runsOfMode] : results)
            for (Run& run : runsOfMode)
                run.cpu = cpu;
        reportTimes(results, cpu);
    }

    auto collect = [&](const std::string& mode, const std::function<double(const Run&)>& f) {
        std::vector<double> v;
        for (const Run& run : results[mode])
            v.push_back(f(run));
        return stats(std::move(v));
    };
    const auto peak = [](const Run& r) {
        return r.marks.count("peakKiB") ? r.marks.at("peakKiB") / 1024 : NAN;
    };
    const Stats programPeak = collect("program", peak);
    const Stats emptyPeak = collect("empty", peak);
    const Stats labelPeak = collect("label", peak);
    std::printf("\n4. peak resident memory at the window shown\n");
    printRow("program", programPeak, "MiB");
    printRow("empty QMainWindow", emptyPeak, "MiB");
    printRow("QMainWindow with one QLabel", labelPeak, "MiB");
    printRatio("against the one-label window", programPeak, labelPeak, 1.3);
    printRatio("(against the empty window)", programPeak, emptyPeak, 0);

    std::fflush(stdout);
    benchCalculations(calcRuns);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    setPlatformIfNone();
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argv[2]);
    int runs = 15;
    int calcRuns = 10000;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--verbose") == 0) {
            childMessages = true;
            continue;
        }
        if (i + 1 >= argc)
            break;
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--calc-runs") == 0)
            calcRuns = std::max(1, std::atoi(argv[++i]));
    }
    return runParent(runs, calcRuns);
}
