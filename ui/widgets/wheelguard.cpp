#include "wheelguard.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QScrollBar>

WheelGuard::WheelGuard(QObject *parent) : QObject(parent)
{}

bool WheelGuard::guards(const QObject *object)
{
    // A scroll bar is a slider too, but scrolling is exactly what it is for.
    if (qobject_cast<const QScrollBar *>(object))
        return false;
    return qobject_cast<const QAbstractSlider *>(object) ||
           qobject_cast<const QAbstractSpinBox *>(object) ||
           qobject_cast<const QComboBox *>(object);
}

bool WheelGuard::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Polish:
    case QEvent::Show:
        // Every widget is polished before it is first shown, which is late
        // enough for the form to have set its own policy and early enough for
        // the first wheel turn; showing covers a control polished before this
        // guard existed. A control that takes no focus at all keeps it so.
        if (guards(watched)) {
            auto *control = static_cast<QWidget *>(watched);
            if ((control->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus)
                control->setFocusPolicy(Qt::StrongFocus);
        }
        break;
    case QEvent::Wheel:
        // Left unaccepted, the event travels on to the parent widgets and
        // reaches the scroll area.
        if (guards(watched) && !static_cast<QWidget *>(watched)->hasFocus()) {
            event->ignore();
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}
