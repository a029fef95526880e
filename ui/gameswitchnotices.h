#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

// Tells the window when the game watcher (another process) has changed a
// board: the watcher leaves a small notice file in the data folder after
// every switch, and this watches it with the system's file notification, so
// that it costs nothing while nothing happens.
class GameSwitchNotices : public QObject
{
    Q_OBJECT

public:
    GameSwitchNotices(const QString &dataDir, QObject *parent);

signals:
    void boardSwitched(int productId, const QString &text);

private:
    void check();

    QFileSystemWatcher watcher;
    QString noticePath;
    qint64 lastSerial = 0;
};
