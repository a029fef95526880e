#pragma once

#include "kerneltestbed.h"

namespace e2e {

// Boards as hidapi's hidraw backend sees them: the sysfs chain USB device,
// interface 0, HID device, hidraw class device, and a /dev/hidrawN node whose
// ioctls are answered the way drivers/hid/hidraw.c and usbhid answer them.
// Feature-report ioctls become the GET_REPORT and SET_REPORT requests usbhid
// puts on the wire, and those go to the board model.
class HidrawBus : public EmulatedBus
{
public:
    explicit HidrawBus(KernelTestbed &testbed) : EmulatedBus(testbed) {}

    QString name() const override { return QStringLiteral("hidraw"); }

    // The report descriptor every emulated board has.
    static QByteArray reportDescriptor();

protected:
    bool describe(EmulatedNode &node, QString *description, QString *error) override;
    void handleIoctl(EmulatedNode &node, _UMockdevIoctlClient *client) override;

private:
    int hidrawMinors = 0;
    int hidSequence = 0;
};

}  // namespace e2e
