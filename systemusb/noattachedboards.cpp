// Platforms without sysfs: the USB library only reports the boards it can
// open, so nothing can be said about the others.

#include "device/attachedboards.h"

QList<AttachedBoard> enumerateAttachedBoards(int, const QList<int> &, bool *known)
{
    if (known)
        *known = false;
    return {};
}

QStringList programsHoldingNode(const QString &)
{
    return {};
}
