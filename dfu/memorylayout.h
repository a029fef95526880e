#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

// The memory layout a DfuSe bootloader names in its alternate setting's
// string: "@Internal Flash  /0x08000000/04*016Kg,01*064Kg,07*128Kg".
struct MemorySector {
    uint32_t address = 0;
    uint32_t size = 0;  // bytes
    bool readable = false;
    bool erasable = false;
    bool writable = false;

    uint32_t end() const { return address + size; }  // one past the last byte
};

struct MemoryLayout {
    QString name;
    QList<MemorySector> sectors;  // in address order

    bool isEmpty() const { return sectors.isEmpty(); }
    // The sector holding `address`, or nullptr.
    const MemorySector *sectorAt(uint32_t address) const;
    // The first address that may be written, as a raw image is placed; false
    // when no sector is writable.
    bool firstWritableAddress(uint32_t *address) const;

    // Parses a layout string; false (and why) when it is malformed.
    static bool parse(const QString &text, MemoryLayout *layout, QString *error);
};

// One block of bytes at an address.
struct MemoryChunk {
    uint32_t address = 0;
    QByteArray data;
};

// Which sectors an image touches, given that a sector not marked writable is
// never erased or written.
struct ErasePlan {
    QList<MemorySector> sectors;  // to erase, in address order, each once
    bool ok = false;
    QString error;               // why not, for the user
    uint32_t failedAddress = 0;  // the first byte that lands nowhere writable
};

ErasePlan planErase(const MemoryLayout &layout, const QList<MemoryChunk> &chunks);
