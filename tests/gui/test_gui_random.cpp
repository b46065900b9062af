// A random-input run over the whole program: a seeded, bounded stream of user events across the
// main window and every open tool window - typing and pasting any characters, list changes with
// the mouse and the arrow keys, clicks on buttons and menu items (tabs, languages, units, tool
// windows, printing), closing windows and answering message boxes. The controls are found anew
// before every event (every QLineEdit, QComboBox, QPushButton, QTabWidget and QAction under the
// visible top-level windows), so a new window is covered as soon as a menu item opens it.
//
// After every event: no label shows "nan" or "inf", and every result label holds a number, an
// invalid-result mark or nothing (a number may carry a prefix or a short unit: "1.50 K", "0.2577
// in"). The program must not end (every event must run) and must not hang (a watchdog aborts when
// no event ran for a minute).
//
// KOVOLO_RANDOM_EVENTS (default 1500) and KOVOLO_RANDOM_SEED (default 1) choose the stream;
// scripts/random-gui.sh runs a long one. A failure names the seed and the last events.

#include "app/globals.h"
#include "app/ui/controls.h"
#include "app/ui/mainwindow.h"
#include "app/ui/startup.h"

#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <exception>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

using namespace kovolo;

namespace {

// Controls the run leaves alone: "Beenden" ends the program on purpose, and the help command
// starts an external viewer.
const QStringList untouchable = {QStringLiteral("cmdOK"), QStringLiteral("mnuHelpHilfe")};

// Pieces typed or pasted: single characters of every kind and texts known to be hard.
const QStringList pieces = {
    "0",         "1",     "2",     "5",     "7",       "9",        ",",          ".",
    "-",         "+",     "e",     "E",     " ",       "\t",       "/",          "a",
    "X",         "µ",     "ß",     "€",     "\n",      "0,5",      "1,5,3",      "1.234,5",
    "1e3",       "1e39",  "-1e39", "1e308", "1.8e308", "9e999",    "1e-400",     "-760",
    "-774",      "99999", "32767", "0000",  "000",     "00",       "2147483648", "4294967296",
    "3,4e38",    "inf",   "nan",   "NaN",   "-0",      "1e20",     ",",          "XXX",
    "xxx",       "%",     "\"",    "'",     "\\",      "<b>x</b>", "&&",         "\u202e",
    "\U0001F600"};

class FakeClock : public StartupClock {
public:
    qint64 elapsedMs() override { return now_ += 5000; }
    void pause(int) override {}

private:
    qint64 now_ = 0;
};

// The last events, for the report of a failure (also read by the watchdog thread).
class EventLog {
public:
    void add(const QString& line)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        lines_.push_back(line.toStdString());
        if (lines_.size() > 25)
            lines_.pop_front();
    }
    std::string text() const
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        std::string all;
        for (const std::string& line : lines_)
            all += "  " + line + "\n";
        return all;
    }

private:
    mutable std::mutex mutex_;
    std::deque<std::string> lines_;
};

EventLog* currentLog = nullptr;

bool isWindow(const QWidget* w)
{
    return w->isVisible() && !qobject_cast<const QMenu*>(w) &&
           (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog);
}

template <class T> QList<T*> usable(const QList<QWidget*>& windows)
{
    QList<T*> found;
    for (QWidget* window : windows)
        for (T* child : window->findChildren<T*>())
            if (child->isVisible() && child->isEnabled() &&
                !untouchable.contains(child->objectName()))
                found << child;
    return found;
}

QString describe(const QObject* o)
{
    const QString name = o->objectName().isEmpty()
                             ? QString::fromLatin1(o->metaObject()->className())
                             : o->objectName();
    const QWidget* w = qobject_cast<const QWidget*>(o);
    return w && w->window() != w ? w->window()->objectName() + "/" + name : name;
}

QString shown(QString text)
{
    text.replace('\n', "\\n").replace('\t', "\\t");
    return '"' + text + '"';
}

class RandomRun : public QObject {
public:
    RandomRun(quint32 seed, int events) : rng_(seed), target_(events) {}

    void start()
    {
        QTimer::singleShot(0, this, [this] { tick(); });
        loop_.exec();
    }

    int done() const { return done_; }
    // How many events of each kind ran, for the summary line.
    QString summary() const
    {
        QStringList parts;
        for (auto it = counts_.cbegin(); it != counts_.cend(); ++it)
            parts << QStringLiteral("%1 %2").arg(it.value()).arg(it.key());
        return parts.join(QStringLiteral(", "));
    }
    const QString& failure() const { return failure_; }
    std::atomic<qint64> heartbeat{0};

private:
    QRandomGenerator rng_;
    int target_;
    int done_ = 0;
    int depth_ = 0;
    bool finishing_ = false;
    QString failure_;
    QEventLoop loop_;
    EventLog log_;
    QMap<QString, int> counts_;

    int pick(int n) { return n > 0 ? static_cast<int>(rng_.bounded(n)) : 0; }
    template <class T> T* any(const QList<T*>& list)
    {
        return list.isEmpty() ? nullptr : list.at(pick(static_cast<int>(list.size())));
    }
    QString randomText()
    {
        QString text;
        const int parts = 1 + pick(4);
        for (int i = 0; i < parts; ++i)
            text += pieces.at(pick(static_cast<int>(pieces.size())));
        return text;
    }

    void note(const QString& what)
    {
        ++counts_[what.section(QLatin1Char(' '), 0, 0)];
        log_.add(QStringLiteral("#%1 %2").arg(done_).arg(what));
    }

    void tick()
    {
        heartbeat.fetch_add(1);
        if (finishing_)
            return;
        if (done_ >= target_ || !failure_.isEmpty()) {
            finish();
            return;
        }
        // Armed before the event, since the event may open a modal box with its own loop.
        QTimer::singleShot(0, this, [this] { tick(); });
        QWidget* modal = QApplication::activeModalWidget();
        // Events that arrive while a handler lets events run nest; a few levels are enough.
        if (depth_ >= 3 && !modal)
            return;
        ++depth_;
        ++done_;
        if (modal)
            answer(modal);
        else
            act();
        check();
        --depth_;
    }

    void finish()
    {
        finishing_ = true;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            // Leave every open box first, then the run's own loop.
            modal->close();
            finishing_ = false;
            QTimer::singleShot(0, this, [this] { finish(); });
            return;
        }
        loop_.quit();
    }

    void answer(QWidget* modal)
    {
        const QList<QPushButton*> buttons = usable<QPushButton>({modal});
        switch (pick(4)) {
        case 0:
            note(QStringLiteral("answer %1 with Escape").arg(describe(modal)));
            QTest::keyClick(modal, Qt::Key_Escape);
            break;
        case 1:
            note(QStringLiteral("answer %1 with Return").arg(describe(modal)));
            QTest::keyClick(modal, Qt::Key_Return);
            break;
        default:
            if (QPushButton* button = any(buttons)) {
                note(QStringLiteral("answer with %1").arg(describe(button)));
                button->click();
            } else {
                note(QStringLiteral("close %1").arg(describe(modal)));
                modal->close();
            }
        }
        // A box that did not go (a key it ignores) is closed on the next answer at the latest.
    }

    void act()
    {
        QList<QWidget*> windows;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (isWindow(top))
                windows << top;
        if (windows.isEmpty()) {
            fail(QStringLiteral("no window is open any more"));
            return;
        }
        const int kind = pick(100);
        if (kind < 22)
            typeInto(any(usable<QLineEdit>(windows)));
        else if (kind < 32)
            pasteInto(any(usable<QLineEdit>(windows)));
        else if (kind < 42)
            chooseInList(any(usable<QComboBox>(windows)));
        else if (kind < 50)
            keysToList(any(usable<QComboBox>(windows)));
        else if (kind < 68)
            clickButton(any(usable<QPushButton>(windows)));
        else if (kind < 82)
            triggerAction(windows);
        else if (kind < 90)
            changeTab(windows);
        else if (kind < 94)
            closeToolWindow(windows);
        else
            pressKey(windows);
    }

    void typeInto(QLineEdit* field)
    {
        if (!field)
            return;
        QPointer<QLineEdit> target(field);
        if (pick(3) == 0)
            field->selectAll();
        const QString text = randomText();
        note(QStringLiteral("type %1 into %2").arg(shown(text), describe(field)));
        field->setFocus();
        for (const QChar c : text) {
            if (!target)
                return;
            // Characters QTest maps to their own key; the rest arrive as text of an unknown key,
            // as an input method or a foreign keyboard would send them.
            if (c.isLetterOrNumber() && c.unicode() < 128)
                QTest::keyClick(target.data(), c.toLatin1());
            else if (c == QLatin1Char('\t'))
                QTest::keyClick(target.data(), Qt::Key_Tab);
            else if (c == QLatin1Char('\n'))
                QTest::keyClick(target.data(), Qt::Key_Return);
            else
                QTest::sendKeyEvent(QTest::Click, target.data(), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
        if (target && pick(4) == 0)
            QTest::keyClick(target.data(), Qt::Key_Backspace);
    }

    void pasteInto(QLineEdit* field)
    {
        if (!field)
            return;
        const QString text = randomText();
        QApplication::clipboard()->setText(text);
        if (pick(2) == 0)
            field->selectAll();
        if (pick(2) == 0) {
            note(QStringLiteral("paste %1 into %2 (Shift+Insert)")
                     .arg(shown(text), describe(field)));
            QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
        } else {
            note(QStringLiteral("paste %1 into %2 (menu)").arg(shown(text), describe(field)));
            field->paste();
        }
    }

    void chooseInList(QComboBox* list)
    {
        if (!list || list->count() == 0)
            return;
        const int index = pick(list->count());
        note(QStringLiteral("choose %1 in %2").arg(index).arg(describe(list)));
        list->setCurrentIndex(index);
    }

    void keysToList(QComboBox* list)
    {
        if (!list)
            return;
        const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down,     Qt::Key_Down, Qt::Key_Up,  Qt::Key_A,
                                Qt::Key_3,  Qt::Key_PageDown, Qt::Key_End,  Qt::Key_Home};
        const Qt::Key key = keys[pick(std::size(keys))];
        note(QStringLiteral("key %1 in %2").arg(QKeySequence(key).toString(), describe(list)));
        list->setFocus();
        QTest::keyClick(list, key);
    }

    void clickButton(QPushButton* button)
    {
        if (!button)
            return;
        note(QStringLiteral("click %1").arg(describe(button)));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void triggerAction(const QList<QWidget*>& windows)
    {
        QList<QAction*> actions;
        for (QWidget* window : windows)
            for (QAction* action : window->findChildren<QAction*>())
                if (action->isEnabled() && !action->menu() &&
                    !untouchable.contains(action->objectName()))
                    actions << action;
        if (QAction* action = any(actions)) {
            note(QStringLiteral("menu %1").arg(describe(action)));
            action->trigger();
        }
    }

    void changeTab(const QList<QWidget*>& windows)
    {
        QTabWidget* tabs = any(usable<QTabWidget>(windows));
        if (!tabs)
            return;
        if (pick(2) == 0) {
            const int index = pick(tabs->count());
            note(QStringLiteral("tab %1 of %2").arg(index + 1).arg(describe(tabs)));
            tabs->setCurrentIndex(index);
        } else {
            const bool back = pick(2) == 0;
            note(QStringLiteral("Ctrl+%1Tab in %2").arg(back ? "Shift+" : "", describe(tabs)));
            QTest::keyClick(tabs, Qt::Key_Tab,
                            back ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        }
    }

    void closeToolWindow(const QList<QWidget*>& windows)
    {
        QList<QWidget*> others;
        for (QWidget* window : windows)
            if (window->objectName() != QLatin1String("frmOptions"))
                others << window;
        if (QWidget* window = any(others)) {
            note(QStringLiteral("close %1").arg(describe(window)));
            window->close();
        }
    }

    void pressKey(const QList<QWidget*>& windows)
    {
        QWidget* window = any(windows);
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        if (untouchable.contains(target->objectName()))
            target = window; // Space on a focused "Beenden" would end the program on purpose
        const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backspace,
                                Qt::Key_Delete, Qt::Key_Space,  Qt::Key_F2,  Qt::Key_Left};
        const Qt::Key key = keys[pick(std::size(keys))];
        note(QStringLiteral("key %1 to %2").arg(QKeySequence(key).toString(), describe(target)));
        QTest::keyClick(target, key);
    }

    void check()
    {
        static const QRegularExpression nonFinite(QStringLiteral("\\b(nan|inf|infinity)\\b"),
                                                  QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression result(QStringLiteral(
            "^(|XXX|xxx|-?(\\d+([.,]\\d*)?|[.,]\\d+)( [GMKm]?| [a-zA-Zµ°²]{1,4})?)$"));
        for (QWidget* top : QApplication::topLevelWidgets()) {
            for (QLabel* label : top->findChildren<QLabel*>()) {
                const QString text = label->text();
                if (nonFinite.match(text).hasMatch())
                    fail(QStringLiteral("%1 shows %2").arg(describe(label), shown(text)));
                else if (label->property(controls::resultProperty).toBool() &&
                         !result.match(text).hasMatch())
                    fail(QStringLiteral("result %1 shows %2").arg(describe(label), shown(text)));
            }
        }
    }

    void fail(const QString& what)
    {
        if (failure_.isEmpty())
            failure_ =
                what + QStringLiteral("\nlast events:\n") + QString::fromStdString(log_.text());
    }

public:
    std::string lastEvents() const { return log_.text(); }
};

// Ends the process with the last events when no event ran for the given time: a hang.
class Watchdog {
public:
    Watchdog(const RandomRun& run, std::chrono::seconds limit)
        : thread_([this, &run, limit] {
              std::unique_lock<std::mutex> lock(mutex_);
              qint64 seen = -1;
              while (!stop_) {
                  const qint64 now = run.heartbeat.load();
                  if (now == seen) {
                      std::fprintf(stderr, "HANG: no event ran for %lld s; last events:\n%s",
                                   static_cast<long long>(limit.count()), run.lastEvents().c_str());
                      std::abort();
                  }
                  seen = now;
                  wake_.wait_for(lock, limit, [this] { return stop_; });
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread thread_;
};

int fromEnvironment(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

class TestGuiRandom : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;

private slots:
    void initTestCase()
    {
        QVERIFY(settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }

    void randomEventsKeepTheProgramSound()
    {
        const auto seed = static_cast<quint32>(fromEnvironment("KOVOLO_RANDOM_SEED", 1));
        const int events = fromEnvironment("KOVOLO_RANDOM_EVENTS", 1500);
        resetGlobals();
        FakeClock clock;
        std::unique_ptr<MainWindow> window = startUp(clock);
        QPointer<MainWindow> main(window.get());

        RandomRun run(seed, events);
        static RandomRun* active = nullptr;
        active = &run;
        std::set_terminate([] {
            std::fprintf(stderr, "the program ended (std::terminate); last events:\n%s",
                         active ? active->lastEvents().c_str() : "");
            std::abort();
        });
        // Warnings of the platform ("does not support raise()") would drown the report.
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (type == QtCriticalMsg || type == QtFatalMsg)
                    previous(type, context, message);
            });
        {
            Watchdog watchdog(run, std::chrono::seconds(60));
            run.start();
        }
        qInstallMessageHandler(previous);
        std::printf("random run: seed %u, %d events (%s)\n", seed, run.done(),
                    qPrintable(run.summary()));
        // The test's message is cut short: the whole story goes to the error output.
        if (!run.failure().isEmpty())
            std::fprintf(stderr, "seed %u: %s\n", seed, qPrintable(run.failure()));
        QVERIFY2(run.failure().isEmpty(),
                 qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(run.failure())));
        QVERIFY2(run.done() >= events,
                 qPrintable(QStringLiteral("seed %1: the program ended after %2 events\n%3")
                                .arg(seed)
                                .arg(run.done())
                                .arg(QString::fromStdString(run.lastEvents()))));
        QVERIFY(main && main->isVisible());
    }
};

QTEST_MAIN(TestGuiRandom)
#include "test_gui_random.moc"
