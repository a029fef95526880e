#pragma once

#include "kerneltestbed.h"

namespace e2e {

// Boards as libusb sees them on Linux: a USB device in sysfs and a usbfs node
// under /dev/bus/usb whose ioctls (URB submit and reap, capabilities) are
// answered here. Control URBs go to the board model as the setup packet and
// data stage they carry.
//
// With the HID driver emulated as bound, the kernel's rule for unclaimed
// interfaces applies: usbfs tries to claim the interface for the process on
// an interface-recipient class request and fails with EBUSY, so the request
// never reaches the board.
class UsbfsBus : public EmulatedBus
{
public:
    explicit UsbfsBus(KernelTestbed &testbed) : EmulatedBus(testbed) {}
    ~UsbfsBus() override;

    QString name() const override { return QStringLiteral("usbfs"); }

    // Bound or not, for boards plugged from now on and for those plugged
    // already. Boards start unbound, as usbfs meets them where no HID driver
    // runs.
    void setHidDriverBound(bool bound);
    // Requests refused for the bound HID driver so far.
    int refusedRequests() const;

protected:
    bool describe(EmulatedNode &node, QString *description, QString *error) override;
    void handleIoctl(EmulatedNode &node, _UMockdevIoctlClient *client) override;

private:
    // A control URB the board has answered and the library has not reaped.
    struct CompletedUrb {
        _UMockdevIoctlClient *client;  // the file it was submitted on, one reference
        _UMockdevIoctlData *urb;       // the library's struct usbdevfs_urb, one reference
    };

    mutable QMutex stateMutex;  // guards everything below
    bool hidDriverBound = false;
    int refused = 0;
    QList<CompletedUrb> completedUrbs;  // reaped per file, oldest first
};

}  // namespace e2e
