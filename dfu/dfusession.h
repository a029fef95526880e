#pragma once

#include "dfu/dfubootloader.h"
#include "dfu/dfuconstants.h"
#include "dfu/firmwarefile.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

struct libusb_context;
struct libusb_device_handle;

// The three steps of an update, each with its own progress.
enum class DfuStep { Erase, Write, Verify };

// How an update or a leave ended. Success means every byte written and read
// back equal; `verified` is false with `ok` when the bootloader cannot read
// back (read protection), and `error` then says why.
struct DfuOutcome {
    bool ok = false;
    bool verified = false;
    bool cancelled = false;
    bool unplugged = false;  // the bootloader left the bus under way
    DfuStep step = DfuStep::Erase;
    bool hasAddress = false;
    uint32_t address = 0;  // where it failed
    DfuStatus status = DfuStatus::Ok;
    QString error;  // a sentence for the user
};

// One GETSTATUS answer.
struct DfuStatusReply {
    DfuStatus status = DfuStatus::Ok;
    std::chrono::milliseconds pollTimeout{0};
    DfuState state = DfuState::DfuIdle;
};

// A bootloader opened for an update, its DFU interface claimed. Every call
// blocks the calling thread, each wait bounded (dfuconstants.h); run it on a
// thread of its own or in the flasher process.
class DfuSession
{
public:
    DfuSession(libusb_context *context, const DfuBootloaderInfo &bootloader);
    ~DfuSession();
    DfuSession(const DfuSession &) = delete;
    DfuSession &operator=(const DfuSession &) = delete;

    // Opens the bootloader on its port and claims the interface.
    bool open(QString *error);
    void close();

    // (step, bytes done, bytes of the step): called after each block.
    using Progress = std::function<void(DfuStep, qint64, qint64)>;

    // Erases the sectors the plan names, writes every element of every
    // target and reads all of it back. `cancel` is honoured until the first
    // erase starts; from then on the update runs to its end or its failure.
    DfuOutcome flash(const FirmwareFile &file, const Progress &progress,
                     const std::atomic<bool> *cancel = nullptr);
    // Starts the firmware: DfuSe sets the address pointer to `startAddress`
    // (when given) and sends a zero-length DNLOAD; DFU 1.1 goes through
    // manifestation. The device may drop off the bus without answering.
    DfuOutcome leave(const uint32_t *startAddress = nullptr);

    // The time the bootloader asked to be left alone (the sum of its poll
    // timeouts) since open(), for the benchmark.
    std::chrono::milliseconds requestedWait() const { return waited; }

    // The DFU requests themselves, one each.
    bool getStatus(DfuStatusReply *reply);
    bool clearStatus();
    bool abort();
    // Reaches dfuIDLE from wherever the bootloader stands (dfuERROR:
    // CLRSTATUS; the idle and upload states: ABORT).
    bool toIdle();

private:
    bool request(uint8_t request, uint16_t value);
    bool fail(DfuStep step, const QString &what, const uint32_t *address = nullptr);
    // After a failed transfer: says which, from lastUsbResult.
    bool failUsb(DfuStep step, const uint32_t *address = nullptr);
    bool failStatus(DfuStep step, const DfuStatusReply &reply, const uint32_t *address);
    bool download(uint16_t block, const QByteArray &data);
    // Polls GETSTATUS, waiting exactly the poll timeout asked for between
    // polls, until the bootloader is past dfuDNBUSY, within DFU_BUSY_BOUND.
    bool awaitDownload(DfuStep step, const uint32_t *address, DfuStatusReply *last);
    bool dfuseCommand(DfuStep step, uint8_t command, uint32_t address);
    bool eraseAll(const QList<MemorySector> &sectors, const Progress &progress, qint64 total);
    bool writeElement(const MemoryChunk &element, const Progress &progress, qint64 *done,
                      qint64 total);
    // `protectedRead`: the bootloader refused to read back with errVENDOR.
    bool verifyElement(const MemoryChunk &element, const Progress &progress, qint64 *done,
                       qint64 total, bool *protectedRead);
    bool writePlain(const FirmwareTarget &target, const Progress &progress, qint64 *done,
                    qint64 total);
    bool selectAlternate(uint8_t setting);

    libusb_context *context;
    DfuBootloaderInfo info;
    libusb_device_handle *handle = nullptr;
    bool claimed = false;
    int currentAlternate = -1;
    std::chrono::milliseconds waited{0};
    DfuOutcome outcome;
    int lastUsbResult = 0;
};
