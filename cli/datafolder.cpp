#include "datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString defaultDataFolder()
{
#ifdef GRAVOLT_BIN_TO_PROGRAM
    // Installed: the window's program lies where the launcher beside us
    // looks for it, and the launcher runs it in this per-user folder.
    const QString program = QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral(GRAVOLT_BIN_TO_PROGRAM));
    if (QFileInfo::exists(program)) {
        const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
        const QString base =
            dataHome.isEmpty() ? QDir::home().filePath(QStringLiteral(".local/share")) : dataHome;
        return QDir(base).filePath(QStringLiteral("gravolt-setup"));
    }
#endif
#ifdef Q_OS_WIN
    // The window is installed beside us and its shortcut starts it in its own
    // folder, where its profiles then are.
    const QString here = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(QDir(here).filePath(QStringLiteral("gravolt-setup.exe"))))
        return here;
#endif
    return QDir::currentPath();
}
