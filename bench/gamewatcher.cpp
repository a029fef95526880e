// What the game watcher costs while no linked game runs: its look at the
// process list every 2 s, with the machine topped up to the number of
// processes asked for by sleeping child processes.
//
//   bench_gamewatcher --processes N --seconds S
#include "benchsupport.h"

#include "cli/boardconnection.h"
#include "cli/gamewatcher.h"
#include "cli/processlist.h"
#include "cli/profilestore.h"
#include "settings/gamelinks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int optionValue(const QStringList &args, const QString &name, int fallback)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
}

// Children that only sleep: processes in the list, no CPU of their own.
QList<pid_t> startSleepers(int count)
{
    QList<pid_t> children;
    for (int i = 0; i < count; ++i) {
        const pid_t child = ::fork();
        if (child == 0) {
            ::pause();
            ::_exit(0);
        }
        if (child > 0)
            children.append(child);
    }
    return children;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int wanted = optionValue(args, QStringLiteral("--processes"), 300);
    const int seconds = optionValue(args, QStringLiteral("--seconds"), 60);

    ProcFsProcessList counter;
    const int existing = int(counter.processes().size());
    const QList<pid_t> sleepers = startSleepers(std::max(0, wanted - existing));

    // Three linked games, none of them running: the watcher's usual day.
    QTemporaryDir data;
    QString error;
    ProfileStore(data.path()).write(QStringLiteral("Rally"), EffectSettingsTypeDef{}, -1, &error);
    GameLinks links(data.path());
    for (const char *program : {"rallygame", "flightsim", "Game.exe"})
        links.link({QLatin1String(program), QStringLiteral("Rally")}, &error);

    QString log;
    QTextStream logStream(&log);
    BoardConnection connection;
    ProcFsProcessList processes;
    GameWatcher watcher(
        processes, connection.worker(), [&connection] { return connection.rescan(); }, data.path(),
        QString(), logStream);
    const int looked = int(processes.processes().size());

    const double cpuAtStart = bench::processCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    watcher.start();
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    QCoreApplication::exec();
    const double cpu = bench::processCpuSeconds() - cpuAtStart;
    const double elapsed = clock.elapsed() / 1000.0;

    for (const pid_t child : sleepers)
        ::kill(child, SIGTERM);
    for (const pid_t child : sleepers)
        ::waitpid(child, nullptr, 0);

    bench::printResult("watch.processes", looked);
    bench::printResult("watch.cpu_percent", 100 * cpu / elapsed);
    bench::printResult("watch.look_us", 1e6 * cpu / std::max(1.0, elapsed / 2.0));
    return 0;
}
