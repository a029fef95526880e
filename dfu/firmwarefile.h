#pragma once

#include "dfu/memorylayout.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

// The 16-byte suffix every DFU file ends with, little-endian.
constexpr int DFU_SUFFIX_SIZE = 16;
constexpr uint16_t DFU_SUFFIX_ANY_ID = 0xFFFF;  // an id field that names no device
constexpr char DFU_SUFFIX_SIGNATURE[] = "UFD";  // bytes 8..10 of the suffix

// DfuSe file layout.
constexpr char DFUSE_FILE_SIGNATURE[] = "DfuSe";
constexpr uint8_t DFUSE_FILE_VERSION = 0x01;
constexpr int DFUSE_PREFIX_SIZE = 11;  // signature, version, image size, target count
constexpr char DFUSE_TARGET_SIGNATURE[] = "Target";
constexpr int DFUSE_TARGET_PREFIX_SIZE = 274;  // bytes
constexpr int DFUSE_TARGET_NAME_SIZE = 255;
constexpr int DFUSE_ELEMENT_HEADER_SIZE = 8;  // address, size

// CRC-32 as DFU suffixes carry it: the reflected 0xEDB88320 polynomial from
// 0xFFFFFFFF without the final inversion.
uint32_t dfuCrc32(const QByteArray &bytes);

// One memory's share of a firmware file: the bytes for an alternate setting.
struct FirmwareTarget {
    uint8_t alternateSetting = 0;
    QString name;
    QList<MemoryChunk> elements;
};

// A firmware image read from a DfuSe `.dfu`, an Intel HEX `.hex` or a raw
// `.bin` file, checked to be whole.
struct FirmwareFile {
    enum class Format { DfuSe, PlainDfu, IntelHex, Raw };
    Format format = Format::Raw;
    QList<FirmwareTarget> targets;
    bool hasSuffix = false;
    uint16_t vendorId = DFU_SUFFIX_ANY_ID;
    uint16_t productId = DFU_SUFFIX_ANY_ID;
    uint16_t deviceVersion = DFU_SUFFIX_ANY_ID;
    uint16_t dfuVersion = 0;
    // A raw image (and a plain DFU file) names no address: it goes to the
    // first writable address of the bootloader's memory, which the user
    // confirms, and is placed there with placeAt().
    bool needsAddress = false;

    qint64 byteCount() const;

    // Whether the suffix names this bootloader or the board that went into
    // it (boardProduct 0: not known). AnyDevice (0xFFFF in a field) needs the
    // user's consent; NoIds (no suffix: .hex, .bin) needs the user to confirm
    // the file suits the board.
    enum class IdMatch { Matches, AnyDevice, NoIds, OtherDevice };
    IdMatch matchIds(uint16_t bootloaderVendor, uint16_t bootloaderProduct, uint16_t boardVendor,
                     uint16_t boardProduct) const;
    void placeAt(uint32_t address);
    // Every element of every target in one list, for planning the erase.
    QList<MemoryChunk> allChunks() const;

    // `fileName` decides the format by its suffix (.dfu, .hex, .bin); false
    // and a sentence for the user when the file is not whole.
    static bool parse(const QByteArray &bytes, const QString &fileName, FirmwareFile *file,
                      QString *error);
    static bool load(const QString &path, FirmwareFile *file, QString *error);
};

// Builds a DfuSe file of one target (alternate setting 0) with a suffix; for
// the demo firmware and the tests.
QByteArray buildDfuSeFile(const QList<MemoryChunk> &elements, uint16_t vendorId, uint16_t productId,
                          const QString &targetName = QString());
