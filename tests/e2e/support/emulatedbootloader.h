#pragma once

#include "emulatedboard.h"

namespace e2e {

// An STM32-style DfuSe ROM bootloader as seen from the USB wire, written
// from the DFU class and DfuSe rules rather than taken from the program:
// class requests on interface 0, commands in DNLOAD block 0 carried out by
// the GETSTATUS that follows, data blocks from 2, string descriptors naming
// the memory layout. It asks for a short poll timeout after every DNLOAD and
// stalls a GETSTATUS that comes sooner.
class EmulatedBootloader : public EmulatedBoard
{
public:
    static constexpr uint16_t VENDOR_ID = 0x0483;
    static constexpr uint16_t PRODUCT_ID = 0xDF11;
    static constexpr uint32_t FLASH_ADDRESS = 0x08000000;
    static constexpr int FLASH_SIZE = 1024 * 1024;   // bytes
    static constexpr uint16_t TRANSFER_SIZE = 1024;  // bytes per block
    static constexpr int POLL_TIMEOUT_MS = 3;

    EmulatedBootloader();

    QByteArray flash() const;
    int alternateSetting() const;
    void setAlternateSetting(int setting);
    // The layout string of alternate setting 0.
    static QByteArray layout();

    // Every request, standard ones (string descriptors) included.
    QList<WireRequest> wireLog() const;
    // The GETSTATUS requests that came before the poll timeout was over.
    int earlyPolls() const;

    int handleControlRequest(uint8_t requestType, uint8_t request, uint16_t value, uint16_t index,
                             unsigned char *data, uint16_t length) override;

private:
    int dfuRequest(uint8_t requestType, uint8_t request, uint16_t value, unsigned char *data,
                   uint16_t length);
    int carryOut();

    mutable QMutex dfuMutex;
    QByteArray memory;
    int alternate = 0;
    uint8_t state = 2;   // dfuIDLE
    uint8_t status = 0;  // OK
    uint32_t pointer = FLASH_ADDRESS;
    QByteArray pending;  // the DNLOAD the next GETSTATUS carries out
    int pendingBlock = -1;
    qint64 busyUntilMs = 0;
    int early = 0;
    QList<WireRequest> wire;
};

}  // namespace e2e
