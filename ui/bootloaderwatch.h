#pragma once

#include "dfu/flasherclient.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>

class QThread;

// Boards waiting in their bootloader, for the board list: the flasher's list
// taken now and then on a thread of its own (in the products it is another
// process), so that the window never waits for it.
class BootloaderWatch : public QObject
{
    Q_OBJECT

public:
    explicit BootloaderWatch(QObject *parent = nullptr);
    // Waits for a look under way: it is bounded by the flasher's own bounds.
    ~BootloaderWatch() override;

    // No looks while a firmware update talks to a bootloader.
    void setPaused(bool paused);
    // Looks at once (after a switch to DFU mode, a failed update, a leave),
    // or right after the look under way.
    void lookNow();

signals:
    // Only when the list differs from the one before.
    void changed(const QList<BootloaderEntry> &entries);

private:
    void look();
    void found(const QList<BootloaderEntry> &entries);

    QTimer timer;
    std::unique_ptr<QThread> thread;
    bool paused = false;
    bool lookAgain = false;
    QList<BootloaderEntry> current;
};
