#include "gameswitchnotices.h"

#include "settings/gamelinks.h"

#include <QDir>
#include <QFileInfo>

GameSwitchNotices::GameSwitchNotices(const QString &dataDir, QObject *parent)
    : QObject(parent),
      noticePath(QDir(dataDir).absoluteFilePath(QLatin1String(GAME_SWITCH_NOTICE_FILE)))
{
    // The watcher replaces the file by renaming a new one over it, which ends
    // a watch on the file itself; the folder's watch sees every replacement.
    watcher.addPath(QFileInfo(noticePath).absolutePath());
    GameSwitchNotice notice;
    if (readGameSwitchNotice(noticePath, notice))
        lastSerial = notice.serial;  // a switch from before the window started is old news
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, &GameSwitchNotices::check);
}

void GameSwitchNotices::check()
{
    GameSwitchNotice notice;
    if (!readGameSwitchNotice(noticePath, notice) || notice.serial == lastSerial)
        return;
    lastSerial = notice.serial;
    emit boardSwitched(notice.productId, notice.text);
}
