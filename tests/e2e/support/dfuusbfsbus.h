#pragma once

#include "usbfsbus.h"

namespace e2e {

// A DfuSe bootloader (EmulatedBootloader) as libusb sees it on Linux: a USB
// device with a DFU-mode interface (class 0xFE, subclass 0x01, protocol
// 0x02) and its functional descriptor in sysfs, control URBs through the
// usbfs node as for the boards, plus the interface ioctls a DFU client
// makes (claim, release, alternate setting).
class DfuUsbfsBus : public UsbfsBus
{
public:
    explicit DfuUsbfsBus(KernelTestbed &testbed) : UsbfsBus(testbed) {}
    ~DfuUsbfsBus() override;

    QString name() const override { return QStringLiteral("usbfs (DFU)"); }
    // The port the last plugged bootloader was given ("1-4").
    QString lastPort() const { return port; }

protected:
    bool describe(EmulatedNode &node, QString *description, QString *error) override;
    void handleIoctl(EmulatedNode &node, _UMockdevIoctlClient *client) override;

private:
    QString port;
};

}  // namespace e2e
