#include "nonregularfile.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

bool makeNonRegularFile(const QString &kind, const QString &path)
{
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == QLatin1String("folder"))
        return QDir().mkpath(path);
    return QFile::link(kind, path);
}
