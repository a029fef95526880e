#include "automaticbackups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr char TIME_FORMAT[] = "yyyyMMdd-HHmmss";
constexpr char DEFAULT_CAUSE[] = "backup";
constexpr int MAX_CAUSE_LENGTH = 40;  // characters, keeps file names readable
// More backups than this within one second means something is looping; give
// up rather than spin.
constexpr int MAX_NAMES_PER_SECOND = 1000;
// How far ahead of a new backup an older one may be dated and still be taken
// at its word: clocks are stepped by time synchronisation, and a clock set to
// local time where UTC is expected is off by up to 14 hours.
constexpr qint64 CLOCK_TOLERANCE_SECONDS = 24 * 60 * 60;

// <model>-<yyyyMMdd>-<HHmmss>[-<counter>]-<cause>.gravolt.json; a cause always
// starts with a letter, so the counter cannot be mistaken for part of it.
const QRegularExpression &automaticName()
{
    static const QRegularExpression pattern(QStringLiteral(
        "^([a-z]+)-(\\d{8}-\\d{6})(?:-(\\d+))?-([a-z][a-z0-9-]*)\\.gravolt\\.json$"));
    return pattern;
}

QString fileNameCause(const QString &cause)
{
    QString result;
    for (const QChar c : cause.toLower()) {
        const bool keep = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                          (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        if (keep)
            result.append(c);
        else if (!result.isEmpty() && !result.endsWith(QLatin1Char('-')))
            result.append(QLatin1Char('-'));
    }
    result.truncate(MAX_CAUSE_LENGTH);
    while (result.endsWith(QLatin1Char('-')))
        result.chop(1);
    if (result.isEmpty())
        return QLatin1String(DEFAULT_CAUSE);
    if (result.at(0).isDigit())
        return QLatin1String(DEFAULT_CAUSE) + QLatin1Char('-') + result;
    return result;
}

struct ScannedBackup {
    AutomaticBackupEntry entry;
    bool namedAutomatically = false;
    int counter = 1;
};

bool newerFirst(const ScannedBackup &a, const ScannedBackup &b)
{
    if (a.entry.created != b.entry.created)
        return a.entry.created > b.entry.created;
    if (a.counter != b.counter)
        return a.counter > b.counter;
    return a.entry.path > b.entry.path;
}

QList<ScannedBackup> scan(const QString &directory)
{
    QList<ScannedBackup> found;
    const QDir dir(directory);
    const QStringList names = dir.entryList(
        {QStringLiteral("*") + QLatin1String(BOARD_BACKUP_EXTENSION)}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        ScannedBackup scanned;
        scanned.entry.path = dir.absoluteFilePath(name);
        BoardBackup backup;
        if (!readBoardBackup(scanned.entry.path, backup, nullptr))
            continue;
        scanned.entry.created = backup.created;
        scanned.entry.model = backup.board.model;
        scanned.entry.firmwareVersion = backup.board.firmwareVersion;
        const QRegularExpressionMatch match = automaticName().match(name);
        if (match.hasMatch() && match.captured(1) == backup.board.model) {
            scanned.namedAutomatically = true;
            scanned.entry.cause = match.captured(4);
            if (match.hasCaptured(3))
                scanned.counter = match.captured(3).toInt();
        }
        found.append(scanned);
    }
    std::sort(found.begin(), found.end(), newerFirst);
    return found;
}

// Only files this program named and that hold a backup of the same model are
// candidates; the one just written always stays, even if the clock went back.
// No backup already in the folder can be newer than the one just written, so
// one dated well after it was taken while the clock ran ahead (or the clock
// runs behind now). Those go first and the others by their date: otherwise
// fifty backups taken while the clock said 2030 would outrank every real one
// and each later rotation would delete the newest real backups.
void pruneOldBackups(const QString &directory, const QString &model, const QString &keptPath,
                     const QDateTime &writtenAt)
{
    const QDateTime believable = writtenAt.addSecs(CLOCK_TOLERANCE_SECONDS);
    QList<ScannedBackup> candidates;
    for (const ScannedBackup &scanned : scan(directory)) {
        if (scanned.namedAutomatically && scanned.entry.model == model &&
            scanned.entry.path != keptPath)
            candidates.append(scanned);
    }
    std::stable_partition(candidates.begin(), candidates.end(),
                          [&believable](const ScannedBackup &scanned) {
                              return scanned.entry.created <= believable;
                          });
    for (qsizetype i = AUTOMATIC_BACKUPS_KEPT_PER_MODEL - 1; i < candidates.size(); ++i)
        QFile::remove(candidates.at(i).entry.path);
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

}  // namespace

QString automaticBackupDirectory(const QString &dataDir)
{
    return QDir(dataDir).absoluteFilePath(QLatin1String(BOARD_BACKUPS_DIRECTORY) +
                                          QLatin1Char('/') +
                                          QLatin1String(AUTOMATIC_BACKUPS_SUBDIRECTORY));
}

QString writeAutomaticBackup(const QString &dataDir, const BoardBackup &backup,
                             const QString &cause, QString *error)
{
    // Checked before a name is claimed, so a bad identity leaves no empty file.
    BoardBackup check;
    QString reason;
    if (!parseBoardBackup(serializeBoardBackup(backup), check, &reason)) {
        fail(error, QStringLiteral("automatic backup not written: %1").arg(reason));
        return QString();
    }
    const QString directory = automaticBackupDirectory(dataDir);
    if (!QDir().mkpath(directory)) {
        fail(error, QStringLiteral("%1: the folder cannot be created").arg(directory));
        return QString();
    }

    const QString stem = backup.board.model + QLatin1Char('-') +
                         backup.created.toUTC().toString(QLatin1String(TIME_FORMAT));
    const QString suffix =
        QLatin1Char('-') + fileNameCause(cause) + QLatin1String(BOARD_BACKUP_EXTENSION);
    // The name is claimed by creating the file exclusively, so the window and
    // the command line tool backing up in the same second never share one.
    QString path;
    for (int counter = 1; counter <= MAX_NAMES_PER_SECOND && path.isEmpty(); ++counter) {
        const QString candidate = QDir(directory).absoluteFilePath(
            stem + (counter == 1 ? QString() : QStringLiteral("-%1").arg(counter)) + suffix);
        QFile claim(candidate);
        if (claim.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            path = candidate;
        else if (!claim.exists()) {
            fail(error, QStringLiteral("%1: %2").arg(candidate, claim.errorString()));
            return QString();
        }
    }
    if (path.isEmpty()) {
        fail(error, QStringLiteral("%1: no free file name for this second").arg(directory));
        return QString();
    }
    if (!writeBoardBackup(path, backup, error)) {
        QFile::remove(path);
        return QString();
    }
    pruneOldBackups(directory, backup.board.model, path, backup.created);
    return path;
}

QList<AutomaticBackupEntry> listAutomaticBackups(const QString &dataDir)
{
    QList<AutomaticBackupEntry> entries;
    for (const ScannedBackup &scanned : scan(automaticBackupDirectory(dataDir)))
        entries.append(scanned.entry);
    return entries;
}
