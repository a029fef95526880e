#include "bootloaderwatch.h"

#include <QThread>

namespace {

// Boards rarely sit in their bootloader; a look every two seconds finds one
// soon enough, and the flasher's list costs a process start in the products.
constexpr int LOOK_INTERVAL_MS = 2000;

}  // namespace

BootloaderWatch::BootloaderWatch(QObject *parent) : QObject(parent)
{
    timer.setInterval(LOOK_INTERVAL_MS);
    connect(&timer, &QTimer::timeout, this, &BootloaderWatch::look);
    timer.start();
    QTimer::singleShot(0, this, &BootloaderWatch::look);
}

BootloaderWatch::~BootloaderWatch()
{
    if (thread)
        thread->wait();
}

void BootloaderWatch::setPaused(bool on)
{
    paused = on;
}

void BootloaderWatch::lookNow()
{
    if (thread && thread->isRunning())
        lookAgain = true;
    else
        look();
}

void BootloaderWatch::look()
{
    if (paused || (thread && thread->isRunning()))
        return;
    if (thread)
        thread->wait();
    thread.reset(QThread::create([this] {
        QString error;
        const QList<BootloaderEntry> entries = listBootloaderEntries(&error);
        // A list that could not be taken says nothing about the bootloaders.
        if (!error.isEmpty())
            return;
        QMetaObject::invokeMethod(
            this, [this, entries] { found(entries); }, Qt::QueuedConnection);
    }));
    connect(thread.get(), &QThread::finished, this, [this] {
        if (lookAgain) {
            lookAgain = false;
            look();
        }
    });
    thread->start();
}

void BootloaderWatch::found(const QList<BootloaderEntry> &entries)
{
    if (paused || entries == current)
        return;
    current = entries;
    emit changed(current);
}
