#pragma once

#include <QObject>

#include <functional>

// Board operations run on the GUI thread and block its event loop for as
// long as the board takes (seconds for a board that stays busy). Clicks and
// keys given meanwhile wait in the window system's queue; delivered after the
// wait they would act on a window the user no longer looked at (a Read click
// turning into a question, a tab click switching pages). This runs an
// operation and then delivers what queued up with every user input dropped.
class BlockedInput : public QObject
{
    Q_OBJECT

public:
    explicit BlockedInput(QObject *parent = nullptr);

    void run(const std::function<void()> &operation);
    // True while the queued events of a finished operation are delivered;
    // another operation must then wait for the next turn of the event loop.
    bool isDraining() const { return draining; }

    static bool isUserInput(const QEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool draining = false;
};
