#pragma once

#include "device/usbbackendinfo.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// What the operating system knows about the boards plugged in, whether or not
// this program can open them. The functions declared here are a link-time
// seam like the libusb C API: each executable links the implementation that
// matches its USB backend (sysfs through libudev on Linux, a stub elsewhere).

// One entry of a POSIX access ACL (the tags and bits of acl(5)).
struct AclEntry {
    enum Tag : uint16_t {
        UserObj = 0x01,
        User = 0x02,
        GroupObj = 0x04,
        Group = 0x08,
        Mask = 0x10,
        Other = 0x20,
    };
    uint16_t tag = 0;
    uint16_t permissions = 0;  // 4 read, 2 write, 1 execute
    uint32_t id = 0;           // user or group id for User and Group entries
};

// A device node as stat() and its ACL describe it.
struct NodeStatus {
    QString path;
    bool exists = false;
    uint32_t owner = 0;
    uint32_t group = 0;
    uint32_t mode = 0;    // permission bits only
    QList<AclEntry> acl;  // empty when the node carries no extended ACL
};

struct AttachedBoard {
    int productId = 0;
    // Physical port path as the kernel names it ("1-4.2"): stays the same
    // across a reboot of the board, unlike the device number.
    QString port;
    NodeStatus usbNode;      // /dev/bus/usb/BBB/DDD, the node libusb opens
    bool hasHidraw = false;  // the kernel made a hidraw device for interface 0
    NodeStatus hidrawNode;   // /dev/hidrawN, the node the hidraw backend opens
    // Kernel driver bound to interface 0; empty when none.
    QString interfaceDriver;
};

// Every attached USB device of `vendorId` whose product id is one of
// `productIds`, in port order. `known` is set to false where the platform
// offers no way to list devices that cannot be opened.
QList<AttachedBoard> enumerateAttachedBoards(int vendorId, const QList<int> &productIds,
                                             bool *known);

// Programs that hold `node` open, as "name (pid N)"; only processes this user
// may inspect are seen.
QStringList programsHoldingNode(const QString &node);
