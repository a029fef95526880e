// Linked into the benchmark copies of the programs, never into the product:
// its static initializer registers a routine that QCoreApplication's
// constructor runs, so the program's own start-up path stays untouched.
//
// At the first moment the GUI thread's event dispatcher is about to block
// after a visible main window has been painted, it prints the wall time since
// the process started (GRAVOLT_BENCH_T0_NS, stamped by bench_launch just
// before exec) and the resident memory, then ends the program normally. With
// GRAVOLT_BENCH_IDLE_SECONDS=S it first lets the program run idle and prints
// the CPU time, events and repaints of S seconds.
//
// GRAVOLT_BENCH_TAG names the figures ("RESULT startup.<tag>.ms ...").
#include "bench/benchsupport.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The device scan begins a second after start-up; the idle window opens
// once the first scans have settled the device list.
constexpr int IDLE_SETTLE_MS = 2500;

QByteArray tag()
{
    const QByteArray value = qgetenv("GRAVOLT_BENCH_TAG");
    return value.isEmpty() ? QByteArray("program") : value;
}

// Nanoseconds since the process was exec'd, on CLOCK_MONOTONIC. Without the
// launcher's stamp the kernel's start time is used; it is in clock ticks
// (10 ms), too coarse to compare programs but enough to read.
double nsSinceStart()
{
    bool ok = false;
    const QByteArray raw = qgetenv("GRAVOLT_BENCH_T0_NS");
    const qint64 t0 = raw.toLongLong(&ok);
    if (ok)
        return double(bench::monotonicNs() - t0);

    std::FILE *stat = std::fopen("/proc/self/stat", "r");
    if (!stat)
        return -1;
    char buffer[1024] = {};
    const size_t n = std::fread(buffer, 1, sizeof buffer - 1, stat);
    std::fclose(stat);
    buffer[n] = '\0';
    // Field 22 (starttime) counts from the ')' that ends the command name.
    const char *p = std::strrchr(buffer, ')');
    unsigned long long startTicks = 0;
    if (!p || std::sscanf(p + 2,
                          "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d %*d "
                          "%*d %*d %*d %llu",
                          &startTicks) != 1)
        return -1;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double ticksPerSecond = double(sysconf(_SC_CLK_TCK));
    return (double(now.tv_sec) + now.tv_nsec / 1e9 - startTicks / ticksPerSecond) * 1e9;
}

// The dispatcher announces aboutToBlock at the top of every loop iteration,
// even when posted events (the window's first paint among them) are still
// waiting. The moment counts only once the main window has been painted, so
// the figure includes the first frame the user would see. On the way the
// watcher notes when the window was first shown, which splits the start-up
// into building the window and getting its first frame out.
class PaintWatcher : public QObject
{
public:
    using QObject::QObject;
    double shownNs = -1;
    double paintedNs = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show && shownNs < 0) || (type == QEvent::Paint && paintedNs < 0)) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && qobject_cast<QMainWindow *>(widget->window()) &&
                widget->window()->isVisible())
                (type == QEvent::Show ? shownNs : paintedNs) = nsSinceStart();
        }
        return false;
    }
};

PaintWatcher *paintWatcher = nullptr;
// When QApplication's constructor ran this probe: the libraries are loaded
// and the platform plugin is up.
double applicationNs = -1;
long applicationRssKiB = -1;

// Counts what the GUI thread handles while the program sits idle.
class EventCounter : public QObject
{
public:
    using QObject::QObject;
    int events = 0;
    int repaints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        ++events;
        // A repaint of the window reaches every visible widget it covers;
        // counting the main window's own paint events counts the repaints.
        if (event->type() == QEvent::Paint && qobject_cast<QMainWindow *>(watched))
            ++repaints;
        return false;
    }
};

void measureIdle(int seconds)
{
    const QByteArray key = "idle.program." + tag();
    QTimer::singleShot(IDLE_SETTLE_MS, qApp, [key, seconds] {
        auto *counter = new EventCounter(qApp);
        qApp->installEventFilter(counter);
        const double cpuAtStart = bench::processCpuSeconds();
        auto *wall = new QElapsedTimer;
        wall->start();
        QTimer::singleShot(seconds * 1000, qApp, [key, cpuAtStart, wall, counter] {
            const double cpu = bench::processCpuSeconds() - cpuAtStart;
            const double elapsed = wall->nsecsElapsed() / 1e9;
            bench::printResult(key + ".cpu_percent", 100 * cpu / elapsed);
            bench::printResult(key + ".events_per_s", counter->events / elapsed);
            bench::printResult(key + ".repaints_per_s", counter->repaints / elapsed);
            delete counter;
            delete wall;
            QCoreApplication::quit();
        });
    });
}

void onAboutToBlock()
{
    if (!paintWatcher || paintWatcher->paintedNs < 0)
        return;
    const double ns = nsSinceStart();
    const long rss = bench::residentKiB();
    const QByteArray key = "startup." + tag();
    bench::printResult(key + ".ms", ns / 1e6);
    bench::printResult(key + ".rss_kib", rss);
    bench::printResult(key + ".application_ms", applicationNs / 1e6);
    bench::printResult(key + ".shown_ms", paintWatcher->shownNs / 1e6);
    bench::printResult(key + ".application_rss_kib", applicationRssKiB);
    bench::printResult(key + ".widgets", QApplication::allWidgets().size());
    // Nothing more to watch: the filter would only cost every later event.
    delete paintWatcher;
    paintWatcher = nullptr;

    bool ok = false;
    const int idleSeconds = qEnvironmentVariableIntValue("GRAVOLT_BENCH_IDLE_SECONDS", &ok);
    if (ok && idleSeconds > 0)
        measureIdle(idleSeconds);
    else
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void installStartupProbe()
{
    // Only the GUI application's main thread counts; the probe has nothing
    // to say about a QCoreApplication.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    applicationNs = nsSinceStart();
    applicationRssKiB = bench::residentKiB();
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher) {
        std::fprintf(stderr, "startup probe: no event dispatcher yet\n");
        return;
    }
    paintWatcher = new PaintWatcher(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(paintWatcher);
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher,
                     &onAboutToBlock);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installStartupProbe)
