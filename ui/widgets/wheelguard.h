#pragma once

#include <QObject>

class QWidget;

// Keeps the mouse wheel from editing a setting that the user merely scrolls
// past. Sliders, spin boxes and combo boxes take the wheel only while they
// hold the keyboard focus, and the wheel no longer gives them that focus;
// otherwise the wheel goes on to the page around them, which scrolls.
//
// Installed once on the application, so that it also covers controls that
// are added to the forms later.
class WheelGuard : public QObject
{
    Q_OBJECT

public:
    explicit WheelGuard(QObject *parent = nullptr);

    // Whether the wheel edits the value of `object`, so that it is guarded here.
    static bool guards(const QObject *object);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
