#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <dirent.h>

// One running process as the game watcher matches it.
struct ProcessInfo {
    qint64 pid = 0;
    QString name;       // the kernel's process name (at most 15 characters on Linux)
    QString firstWord;  // the file name of the command line's first word
};

// The running processes. A seam, so that the watcher can be tried against a
// made-up list.
class ProcessList
{
public:
    virtual ~ProcessList() = default;
    virtual QList<ProcessInfo> processes() = 0;
};

// The processes under /proc. Polled every 2 s for as long as the watcher
// runs, so it reads as little as it can: /proc is listed only when a process
// was started since the last look, or once in five looks (10 s); a new
// process costs a read of its name and command line; one seen before has its
// name read again on those turns, and its command line only when the name
// changed (an exec).
class ProcFsProcessList : public ProcessList
{
public:
    explicit ProcFsProcessList(QString root = QStringLiteral("/proc"));
    ~ProcFsProcessList() override;
    ProcFsProcessList(const ProcFsProcessList &) = delete;
    ProcFsProcessList &operator=(const ProcFsProcessList &) = delete;
    QList<ProcessInfo> processes() override;

private:
    qint64 newestProcessId() const;

    QByteArray root;
    DIR *dir = nullptr;
    qint64 lastNewest = -1;
    QHash<qint64, ProcessInfo> known;
    qint64 looks = 0;
};

// The program a command line starts: "/opt/game/rallygame" and
// "C:\\Games\\Rally\\Game.exe" (Wine, Proton) give "rallygame" and "Game.exe".
// `commandLine` is the NUL-separated words as /proc/PID/cmdline holds them.
QString commandLineProgram(const QByteArray &commandLine);

// Whether a process runs `program`: its process name or its command line's
// first word is the program. Windows programs' names ignore letter case, as
// Windows does.
bool runsProgram(const ProcessInfo &process, const QString &program);
