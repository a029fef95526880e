// The game watcher as a command: watch.
#include "boardconnection.h"
#include "command.h"
#include "commandrun.h"
#include "exitstatus.h"
#include "gamewatcher.h"
#include "processlist.h"

#include "settings/gamelinks.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString OPTION_INTERVAL = QStringLiteral("interval");
// Quicker looks find a game sooner but wake the machine more often; slower
// ones leave a game on the old forces for a while after it started.
constexpr double MIN_INTERVAL_S = 0.1;  // seconds
constexpr double MAX_INTERVAL_S = 60;   // seconds

// SIGTERM (systemd stopping the service) and SIGINT (Ctrl+C) reach the event
// loop through a socket, the only thing a signal handler may safely touch.
int signalSockets[2] = {-1, -1};

void forwardSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

int watchGames(CommandRun &run)
{
    double seconds = GameWatcher::DEFAULT_INTERVAL_MS / 1000.0;
    if (run.isSet(OPTION_INTERVAL)) {
        bool ok = false;
        seconds = QLocale::c().toDouble(run.value(OPTION_INTERVAL), &ok);
        if (!ok || seconds < MIN_INTERVAL_S || seconds > MAX_INTERVAL_S)
            return run.fail(EXIT_REFUSED, QStringLiteral("--interval takes %1 to %2 seconds")
                                              .arg(MIN_INTERVAL_S)
                                              .arg(MAX_INTERVAL_S));
    }
    QString error;
    const QList<GameLink> links = GameLinks(run.dataDir()).load(&error);
    if (!error.isEmpty())
        return run.fail(EXIT_REFUSED, error);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0)
        return run.fail(EXIT_REFUSED, QStringLiteral("no socket for the stop signals"));
    QSocketNotifier stopNotifier(signalSockets[1], QSocketNotifier::Read);
    QObject::connect(&stopNotifier, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    run.note(QStringLiteral("watching every %1 s for the programs linked in %2 (%3 now)")
                 .arg(seconds)
                 .arg(GameLinks(run.dataDir()).filePath())
                 .arg(links.size()));
    BoardConnection connection;
    ProcFsProcessList processes;
    GameWatcher watcher(
        processes, connection.worker(), [&connection] { return connection.rescan(); },
        run.dataDir(), run.boardModel(), run.err);
    watcher.start(int(seconds * 1000));
    QCoreApplication::exec();
    // Stopped while a game runs: the board gets back what it had before, as
    // if every game had ended.
    watcher.putBackAll();
    run.note(QStringLiteral("stopped"));
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    return EXIT_DONE;
}

}  // namespace

QList<Command> watchCommands()
{
    return {
        {QStringLiteral("watch"),
         QStringLiteral("[--interval SECONDS]"),
         QStringLiteral("Run until stopped: apply the profile linked to a game (see \"link\") to "
                        "the board's working memory while the game runs, and put back what the "
                        "board had before when it ends. Never writes permanent memory. Logs each "
                        "switch on standard error."),
         {QCommandLineOption(OPTION_INTERVAL,
                             QStringLiteral("How often to look at the running programs (default "
                                            "2 seconds)."),
                             QStringLiteral("SECONDS"))},
         0,
         0,
         watchGames},
    };
}
