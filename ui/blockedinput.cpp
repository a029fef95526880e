#include "blockedinput.h"

#include <QCoreApplication>
#include <QEvent>

BlockedInput::BlockedInput(QObject *parent) : QObject(parent)
{}

bool BlockedInput::isUserInput(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

void BlockedInput::run(const std::function<void()> &operation)
{
    operation();
    if (draining)
        return;
    draining = true;
    QCoreApplication::instance()->installEventFilter(this);
    // Everything that arrived during the wait is in the queues by now: the
    // window system's events were read while the operation ran. Two passes,
    // because the first may only move window-system events into Qt's own
    // queue.
    for (int pass = 0; pass < 2; ++pass)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::instance()->removeEventFilter(this);
    draining = false;
}

bool BlockedInput::eventFilter(QObject *watched, QEvent *event)
{
    if (draining && isUserInput(event))
        return true;
    return QObject::eventFilter(watched, event);
}
