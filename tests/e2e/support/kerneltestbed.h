#pragma once

#include "emulatedboard.h"

#include <QMutex>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

struct _UMockdevTestbed;
struct _UMockdevIoctlBase;
struct _UMockdevIoctlClient;
struct _UMockdevIoctlData;

namespace e2e {

// The emulated kernel side of the machine: one umockdev testbed for the whole
// test program, holding a mocked /sys and /dev that the real libudev, libusb
// and hidapi see through libumockdev-preload.
//
// Create it before anything touches udev, libusb or hidapi: libusb's hotplug
// monitor is redirected only if the testbed exists when it is created, and
// umockdev decides once whether it runs mocked.
class KernelTestbed
{
public:
    KernelTestbed();
    ~KernelTestbed();
    KernelTestbed(const KernelTestbed &) = delete;
    KernelTestbed &operator=(const KernelTestbed &) = delete;

    // False when the program runs without libumockdev-preload: the real
    // libraries would then look at the real /sys and /dev.
    bool preloadActive() const;

    _UMockdevTestbed *testbed() const { return bed; }
    QString rootDir() const;

    // A fresh USB device number for every device ever plugged, as the kernel
    // gives a board a new address each time it enumerates.
    int nextUsbDeviceNumber();

    // Devices in umockdev-record form, for tests that need sysfs and device
    // nodes but no emulated ioctls. False and the reason when refused.
    bool addDevices(const QString &description, QString *error);
    // Removes every device and node added so far.
    void clear();

private:
    _UMockdevTestbed *bed = nullptr;
    int usbDeviceNumbers = 1;  // 1 is the root hub
};

// A board's device node and what the emulated kernel keeps for it.
class EmulatedBus;

struct EmulatedNode {
    EmulatedBus *bus = nullptr;
    std::shared_ptr<EmulatedBoard> board;
    QString devnode;         // /dev path the libraries open
    QStringList sysfsPaths;  // parents first
    _UMockdevIoctlBase *handler = nullptr;
    QMutex mutex;  // guards `unplugged`
    bool unplugged = false;
    int pty = -1;  // hidraw: master of the pty behind the node
    int port = 0;  // hub port the board is plugged into, 1-based
};

// One kernel interface through which the libraries reach boards: usbfs for
// libusb, hidraw for hidapi. Boards plugged in appear in sysfs with an "add"
// uevent and a device node whose ioctls the subclass answers like the kernel.
class EmulatedBus
{
public:
    explicit EmulatedBus(KernelTestbed &testbed);
    virtual ~EmulatedBus();
    EmulatedBus(const EmulatedBus &) = delete;
    EmulatedBus &operator=(const EmulatedBus &) = delete;

    virtual QString name() const = 0;

    // The board shows up in sysfs and /dev. Fails the calling test through
    // the return value when the testbed refuses the description.
    bool plug(const std::shared_ptr<EmulatedBoard> &board, QString *error = nullptr);
    // Every later ioctl on a file already open fails with ENODEV, the node
    // and the sysfs devices go away child first, each with a "remove" uevent.
    void unplug(const EmulatedBoard &board);
    void unplugAll();
    // File descriptors this process holds open on the board's device node:
    // how a test sees that a library closed its handle.
    int openFiles(const EmulatedBoard &board) const;

protected:
    // The lowest hub port no plugged board uses: a board plugged in again
    // after leaving the bus goes back where it was.
    int freePort() const;

    // Stops answering ioctls; subclasses call it first in their destructor,
    // before the state the handlers use goes away.
    void detachAll();

    // Builds the umockdev description of the board's devices and the node's
    // path; may prepare the node itself (hidraw does).
    virtual bool describe(EmulatedNode &node, QString *description, QString *error) = 0;
    // Answers one ioctl on the node; runs on umockdev's thread.
    virtual void handleIoctl(EmulatedNode &node, _UMockdevIoctlClient *client) = 0;

    KernelTestbed &kernel;

private:
    EmulatedNode *find(const EmulatedBoard &board) const;
    void remove(EmulatedNode &node);

    std::vector<std::unique_ptr<EmulatedNode>> nodes;

    friend struct BusCallbacks;
};

}  // namespace e2e
