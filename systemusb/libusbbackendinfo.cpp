// Linked beside the real libusb-1.0, which cannot say this about itself.

#include "device/usbbackendinfo.h"

UsbBackendInfo usbBackendInfo()
{
#if defined(__linux__)
    return {"libusb-1.0 (usbfs)", BoardNodeKind::UsbDevice};
#else
    return {"libusb-1.0", BoardNodeKind::Unknown};
#endif
}
