#include "boardlock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QString lockFileName(int vendorId, int productId)
{
    return QStringLiteral("board-%1-%2.lock")
        .arg(vendorId, 4, 16, QLatin1Char('0'))
        .arg(productId, 4, 16, QLatin1Char('0'));
}

}  // namespace

QString BoardLock::lockFolder()
{
    // Read directly rather than through QStandardPaths, which warns on every
    // look-up where the variable is unset (CI, cron, a root shell).
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (base.isEmpty() || !QFileInfo(base).isDir()) {
#ifdef Q_OS_UNIX
        base = QDir::tempPath() + QStringLiteral("/gravolt-setup-%1").arg(uint(getuid()));
#else
        base = QDir::tempPath();
#endif
    }
    return base + QStringLiteral("/gravolt-setup");
}

BoardLock::BoardLock(int vendorId, int productId)
    : path(lockFolder() + QLatin1Char('/') + lockFileName(vendorId, productId)), file(path)
{
    // An operation on a board that stopped answering may hold the lock for
    // longer than any age limit; only a dead holder makes the file stale.
    file.setStaleLockTime(0);
}

BoardLock::~BoardLock() = default;

BoardLock::Result BoardLock::tryLock(int waitMs)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return Result::NoLockFile;
    if (file.tryLock(waitMs))
        return Result::Locked;
    return file.error() == QLockFile::LockFailedError ? Result::HeldByOther : Result::NoLockFile;
}

void BoardLock::unlock()
{
    file.unlock();
}

QString BoardLock::holder() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    // The holder may have let go between the failed wait and this look.
    if (!file.getLockInfo(&pid, &host, &application))
        return QCoreApplication::translate("BoardLock", "another program");
    if (application.isEmpty())
        application = QCoreApplication::translate("BoardLock", "another program");
    return QCoreApplication::translate("BoardLock", "%1 (process %2)").arg(application).arg(pid);
}
