#pragma once

#include "boardsim/simulatedboard.h"

#include <QByteArray>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <memory>

namespace boardsim {

// The bootloader a simulated board hands itself to on command 0x03: a DfuSe
// ROM bootloader of an STM32F4, on the board's USB port, with its memory
// layout, transfer size and (shortened) erase and write times.
constexpr uint16_t BOOTLOADER_VENDOR_ID = 0x0483;
constexpr uint16_t BOOTLOADER_PRODUCT_ID = 0xDF11;
constexpr uint32_t BOOTLOADER_FLASH_ADDRESS = 0x08000000;
constexpr int BOOTLOADER_FLASH_SIZE = 1024 * 1024;  // bytes
constexpr char BOOTLOADER_FLASH_LAYOUT[] =
    "@Internal Flash  /0x08000000/04*016Kg,01*064Kg,07*128Kg";
constexpr char BOOTLOADER_OPTION_LAYOUT[] = "@Option Bytes  /0x1FFFC000/01*016 e";
constexpr uint16_t BOOTLOADER_TRANSFER_SIZE = 2048;  // bytes per block

// Demo firmware: an image that names its version at a fixed offset, so that
// a board flashed with it comes back reporting that version.
constexpr int DEMO_FIRMWARE_SIZE = 64 * 1024;                // bytes
constexpr int FIRMWARE_STAMP_OFFSET = 0x200;                 // past the vector table
constexpr char FIRMWARE_STAMP_MAGIC[] = "GRAVOLT FIRMWARE";  // 16 bytes, then version, size, check
QByteArray demoFirmwareImage(uint32_t version, int size = DEMO_FIRMWARE_SIZE);
// The version stamped into a flash image that starts at the flash address.
bool readFirmwareStamp(const QByteArray &flash, uint32_t *version);

// How long the bootloader says it is busy (its poll timeouts). The ROM
// bootloader's own figures are some 10 times longer; the demo's are short
// enough to be pleasant and long enough to be seen.
struct BootloaderTimings {
    std::chrono::milliseconds erasePer16K{8};
    std::chrono::milliseconds writePerBlock{2};
    std::chrono::milliseconds command{1};  // setting the address pointer
};

// Faults on demand, for the demo and the tests.
struct BootloaderFaults {
    int refuseWriteAtBlock = -1;  // the n-th data block (0-based) fails with errWRITE
    int verifyMismatchAt = -1;    // offset into the flash that reads back altered
    int unplugAfterBlocks = -1;   // the bootloader leaves the bus after n data blocks
    bool readProtected = false;   // UPLOAD fails with errVENDOR
};

class SimulatedBootloader
{
public:
    explicit SimulatedBootloader(const SimulatedBoard &board);

    void setTimings(const BootloaderTimings &timings);
    void setFaults(const BootloaderFaults &faults);
    QByteArray flash() const;
    void setFlash(const QByteArray &image);  // BOOTLOADER_FLASH_SIZE bytes
    // Whether the bootloader is on the bus now (the board is not).
    bool isPresent() const;
    // The board starts in its bootloader, as after command 0x03.
    void enter();
    // How often the firmware was started from the bootloader.
    int leaveCount() const;
    // The sum of the poll timeouts the bootloader has asked for.
    std::chrono::milliseconds requestedWait() const;

private:
    std::shared_ptr<SimulatedBoard::State> board;
};

// Faults of GRAVOLT_DEMO_BOARDS for the bootloader: in-bootloader (the board
// starts there, its flash holding no firmware), refuse-write, verify-mismatch,
// unplug-flash, read-protected.
QStringList bootloaderDemoFaultNames();
bool applyBootloaderDemoFault(SimulatedBoard &board, const QString &fault);

}  // namespace boardsim
