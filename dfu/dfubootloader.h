#pragma once

#include "dfu/memorylayout.h"

#include <QList>
#include <QString>

#include <cstdint>

struct libusb_context;

// One alternate setting of a DFU interface: one memory of the device.
struct DfuAlternate {
    uint8_t alternateSetting = 0;
    QString name;         // the interface string, for DfuSe the memory layout
    MemoryLayout layout;  // empty where the name is not a layout
};

// A device in DFU mode as discovery finds it, from its descriptors alone.
struct DfuBootloaderInfo {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint8_t busNumber = 0;
    uint8_t deviceAddress = 0;
    QString port;  // "1-2" or "1-2.3", as the system names USB ports
    uint8_t interfaceNumber = 0;
    uint8_t attributes = 0;      // bmAttributes of the functional descriptor
    uint16_t detachTimeout = 0;  // ms
    uint16_t transferSize = 0;   // bytes per DNLOAD / UPLOAD block
    uint16_t dfuVersion = 0;     // bcdDFUVersion
    QList<DfuAlternate> alternates;
    // False when the device could not be opened to read its memory names
    // (then `openError` says why: most often missing access rights).
    bool openable = false;
    QString openError;
    bool accessDenied = false;  // the system refused it: a udev rule would grant access

    bool isDfuSe() const;
    bool canUpload() const;
    // The memory named by a file target's alternate setting, or nullptr.
    const DfuAlternate *alternate(uint8_t setting) const;
};

// Lists every device with a DFU-mode interface (class 0xFE, subclass 0x01,
// protocol 0x02), in port order. `error` is set when the list itself cannot
// be had.
QList<DfuBootloaderInfo> findDfuBootloaders(libusb_context *context, QString *error = nullptr);
