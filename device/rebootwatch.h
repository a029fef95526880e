#pragma once

#include "device/firmwareinfo.h"

#include <QElapsedTimer>

// The longest a board may take from a reboot command until it answers again
// on its port; a board that needs longer is taken for one that did not come
// back (unplugged, or stuck in its bootloader).
constexpr int REBOOT_RETURN_TIMEOUT_MS = 15000;  // ms

// Follows one board through a reboot or a switch to DFU mode by the scan
// reports that come after the command: a transfer that went out says nothing
// about what the board did with it. A rebooted board must leave the list and
// come back; a board sent to DFU mode must leave it.
class RebootWatch
{
public:
    enum class Kind { Reboot, Dfu };
    enum class State {
        Idle,
        Waiting,
        CameBack,   // reboot: gone from one report, back in a later one
        Left,       // DFU: gone from the list
        NeverLeft,  // it kept answering until the time ran out
        TimedOut,   // reboot: it left and did not come back in time
    };

    void start(int productId, Kind kind);
    void stop() { current = State::Idle; }
    // Call with every scan report; returns the state after it. Once the
    // watch has ended, later reports leave the state as it is.
    State update(const FirmwareInfoMap &devices);

    bool isWaiting() const { return current == State::Waiting; }
    int productId() const { return pid; }
    Kind kind() const { return what; }
    qint64 elapsedMs() const { return clock.elapsed(); }

private:
    int pid = -1;
    Kind what = Kind::Reboot;
    State current = State::Idle;
    bool seenGone = false;
    QElapsedTimer clock;
};
