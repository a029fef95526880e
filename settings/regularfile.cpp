#include "regularfile.h"

#include <QFile>
#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

#if defined(Q_OS_UNIX)
QString notRegular(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("not a regular file but a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("not a regular file but a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("not a regular file but a device");
    if (S_ISSOCK(mode))
        return QStringLiteral("not a regular file but a socket");
    return QStringLiteral("not a regular file");
}
#endif

}  // namespace

bool openRegularFileForReading(QFile &file, QString *error)
{
#if defined(Q_OS_UNIX)
    const QByteArray path = QFile::encodeName(file.fileName());
    struct stat status {};
    if (::stat(path.constData(), &status) != 0)
        return fail(error, qt_error_string(errno));
    if (!S_ISREG(status.st_mode))
        return fail(error, notRegular(status.st_mode));
    // Without blocking, and checked again on what was opened: the name may
    // have been given to a pipe since the look above.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(error, qt_error_string(errno));
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return fail(error, notRegular(status.st_mode));
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(error, file.errorString());
    }
    return true;
#else
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile())
        return fail(error, QStringLiteral("not a regular file"));
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, file.errorString());
    return true;
#endif
}
