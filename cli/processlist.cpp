#include "processlist.h"

#include <QDir>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Enough for any process name (16 bytes) and for the first word of almost any
// command line; a longer first word is cut, and its file name then compared
// as far as it goes.
constexpr int NAME_BUFFER = 64;       // bytes
constexpr int COMMAND_BUFFER = 4096;  // bytes
// Each known process has its name read again once in this many looks.
constexpr int RECHECK_TURNS = 5;
// Linux keeps the first 15 bytes of a process name.
constexpr int PROCESS_NAME_LENGTH = 15;  // bytes

// Plain system calls: QFile would cost an allocation and a stat per file,
// three hundred times every two seconds.
QByteArray readSmallFile(int folder, const QByteArray &path, int limit)
{
    const int fd = ::openat(folder, path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    QByteArray bytes(limit, '\0');
    ssize_t got;
    do {
        got = ::read(fd, bytes.data(), size_t(limit));
    } while (got < 0 && errno == EINTR);
    ::close(fd);
    bytes.truncate(got < 0 ? 0 : int(got));
    return bytes;
}

}  // namespace

ProcFsProcessList::ProcFsProcessList(QString root) : root(QFile::encodeName(root))
{}

ProcFsProcessList::~ProcFsProcessList()
{
    if (dir)
        ::closedir(dir);
}

// The newest process id the kernel handed out: the last field of
// /proc/loadavg. -1 when it cannot be read.
qint64 ProcFsProcessList::newestProcessId() const
{
    const QByteArray text = readSmallFile(AT_FDCWD, root + "/loadavg", NAME_BUFFER).trimmed();
    bool ok = false;
    const qint64 pid = text.mid(text.lastIndexOf(' ') + 1).toLongLong(&ok);
    return ok ? pid : -1;
}

QList<ProcessInfo> ProcFsProcessList::processes()
{
    QList<ProcessInfo> list;
    // No process was started since the last look: the list can only have
    // lost some. Asking the kernel whether each known one still exists costs
    // no file lookup, unlike listing /proc; a full look still comes on every
    // name-reading turn, for the processes that exec'd.
    const qint64 newest = newestProcessId();
    const bool turn = looks % RECHECK_TURNS == 0;
    const bool quiet = newest >= 0 && newest == lastNewest && !turn;
    lastNewest = newest;
    if (quiet) {
        QHash<qint64, ProcessInfo> alive;
        alive.reserve(known.size());
        for (auto it = known.cbegin(); it != known.cend(); ++it) {
            if (::kill(pid_t(it.key()), 0) == 0 || errno == EPERM) {
                alive.insert(it.key(), it.value());
                list.append(it.value());
            }
        }
        known.swap(alive);
        ++looks;
        return list;
    }
    // Kept open from look to look and read again from its start: names
    // below it are then looked up from here rather than from "/".
    if (!dir)
        dir = ::opendir(root.constData());
    if (!dir)
        return list;
    ::rewinddir(dir);
    const int folder = ::dirfd(dir);
    QHash<qint64, ProcessInfo> seen;
    seen.reserve(known.size());
    while (const dirent *entry = ::readdir(dir)) {
        char *end = nullptr;
        const long long pid = std::strtoll(entry->d_name, &end, 10);
        if (pid <= 0 || *end != '\0')
            continue;
        ProcessInfo info = known.value(pid);
        // A process seen before is looked at again only on the turn: an exec
        // that turns it into a game is noticed a few looks later.
        if (info.pid != pid || turn) {
            const QByteArray base(entry->d_name);
            QByteArray name = readSmallFile(folder, base + "/comm", NAME_BUFFER);
            if (name.isEmpty())
                continue;  // gone meanwhile
            if (name.endsWith('\n'))
                name.chop(1);
            const QString decodedName = QString::fromUtf8(name);
            if (info.pid != pid || info.name != decodedName) {
                info.pid = pid;
                info.name = decodedName;
                info.firstWord =
                    commandLineProgram(readSmallFile(folder, base + "/cmdline", COMMAND_BUFFER));
            }
        }
        seen.insert(pid, info);
        list.append(info);
    }
    known.swap(seen);
    ++looks;
    return list;
}

QString commandLineProgram(const QByteArray &commandLine)
{
    const qsizetype nul = commandLine.indexOf('\0');
    QString word = QString::fromUtf8(nul < 0 ? commandLine : commandLine.left(nul));
    // A program that rewrote its command line into one string of words
    // ("rallygame --fullscreen") starts with its name; a Windows path with
    // spaces ("C:\Program Files\Game.exe") comes from Wine as one word among
    // others and keeps its spaces.
    const bool singleString = nul < 0 || commandLine.indexOf('\0', nul + 1) < 0;
    if (singleString && !word.contains(QLatin1Char('\\')))
        word = word.section(QLatin1Char(' '), 0, 0);
    const qsizetype slash =
        std::max(word.lastIndexOf(QLatin1Char('/')), word.lastIndexOf(QLatin1Char('\\')));
    return word.mid(slash + 1);
}

bool runsProgram(const ProcessInfo &process, const QString &program)
{
    const Qt::CaseSensitivity windowsName =
        program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) ? Qt::CaseInsensitive
                                                                     : Qt::CaseSensitive;
    if (process.firstWord.compare(program, windowsName) == 0)
        return true;
    // Without a command line (kernel threads, a process of another user
    // whose command line cannot be read), only the name can tell; it is
    // cut to 15 bytes, so a longer program name matches its first 15.
    if (process.name.compare(program, windowsName) == 0)
        return true;
    return process.firstWord.isEmpty() && program.toUtf8().size() > PROCESS_NAME_LENGTH &&
           process.name.toUtf8() == program.toUtf8().left(PROCESS_NAME_LENGTH);
}
