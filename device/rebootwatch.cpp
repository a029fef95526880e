#include "rebootwatch.h"

void RebootWatch::start(int productId, Kind kind)
{
    pid = productId;
    what = kind;
    current = State::Waiting;
    seenGone = false;
    clock.start();
}

RebootWatch::State RebootWatch::update(const FirmwareInfoMap &devices)
{
    if (current != State::Waiting)
        return current;
    const bool present = devices.contains(pid);
    if (!present)
        seenGone = true;
    if (what == Kind::Dfu && seenGone)
        current = State::Left;
    else if (what == Kind::Reboot && seenGone && present)
        current = State::CameBack;
    else if (clock.hasExpired(REBOOT_RETURN_TIMEOUT_MS))
        current = seenGone ? State::TimedOut : State::NeverLeft;
    return current;
}
