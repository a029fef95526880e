#pragma once

// How the USB backend linked into an executable reaches a board. Kept free of
// Qt so that the backends, which link no Qt, can define it.

enum class BoardNodeKind {
    Hidraw,     // opens /dev/hidrawN and leaves the HID driver bound
    UsbDevice,  // opens /dev/bus/usb/BBB/DDD through usbfs
    Unknown,
};

struct UsbBackendInfo {
    const char *name;
    BoardNodeKind node;
};

// Defined by the library behind the libusb C API.
UsbBackendInfo usbBackendInfo();
