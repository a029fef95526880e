#include "emulatedbootloader.h"

#include <QMutexLocker>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace e2e {

namespace {

// DFU 1.1 requests and states, DfuSe commands.
constexpr uint8_t CLASS_OUT = 0x21;
constexpr uint8_t CLASS_IN = 0xA1;
constexpr uint8_t STANDARD_IN = 0x80;
constexpr uint8_t GET_DESCRIPTOR = 6;
constexpr uint8_t STRING_DESCRIPTOR = 3;
enum Request : uint8_t {
    DNLOAD = 1,
    UPLOAD = 2,
    GETSTATUS = 3,
    CLRSTATUS = 4,
    GETSTATE = 5,
    ABORT = 6
};
enum State : uint8_t {
    DFU_IDLE = 2,
    DNLOAD_SYNC = 3,
    DNBUSY = 4,
    DNLOAD_IDLE = 5,
    MANIFEST_SYNC = 6,
    MANIFEST = 7,
    UPLOAD_IDLE = 9,
    DFU_ERROR = 10
};
constexpr uint8_t ERR_TARGET = 0x01;
constexpr uint8_t ERR_CHECK_ERASED = 0x05;
constexpr uint8_t ERR_STALLED = 0x0F;
constexpr uint8_t SET_ADDRESS = 0x21;
constexpr uint8_t ERASE = 0x41;
constexpr uint32_t SMALL_SECTOR = 16 * 1024;  // the first four sectors

qint64 nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

const char *const STRINGS[] = {nullptr, "STMicroelectronics", "STM32  BOOTLOADER", "E2E000000001",
                               "@Internal Flash  /0x08000000/04*016Kg,01*064Kg,07*128Kg"};

}  // namespace

EmulatedBootloader::EmulatedBootloader()
    : EmulatedBoard(PRODUCT_ID, 0, 0), memory(FLASH_SIZE, char(0xFF))
{}

QByteArray EmulatedBootloader::layout()
{
    return QByteArray(STRINGS[4]);
}

QByteArray EmulatedBootloader::flash() const
{
    QMutexLocker lock(&dfuMutex);
    return memory;
}

int EmulatedBootloader::alternateSetting() const
{
    QMutexLocker lock(&dfuMutex);
    return alternate;
}

void EmulatedBootloader::setAlternateSetting(int setting)
{
    QMutexLocker lock(&dfuMutex);
    alternate = setting;
}

QList<WireRequest> EmulatedBootloader::wireLog() const
{
    QMutexLocker lock(&dfuMutex);
    return wire;
}

int EmulatedBootloader::earlyPolls() const
{
    QMutexLocker lock(&dfuMutex);
    return early;
}

int EmulatedBootloader::handleControlRequest(uint8_t requestType, uint8_t request, uint16_t value,
                                             uint16_t index, unsigned char *data, uint16_t length)
{
    QMutexLocker lock(&dfuMutex);
    WireRequest entry{requestType, request, value, index, length, {}, false};
    if (!(requestType & 0x80))
        entry.data = QByteArray(reinterpret_cast<const char *>(data), length);
    int result = -EPIPE;
    if (requestType == STANDARD_IN && request == GET_DESCRIPTOR &&
        (value >> 8) == STRING_DESCRIPTOR) {
        const int which = value & 0xFF;
        QByteArray descriptor;
        if (which == 0) {
            descriptor = QByteArray("\x04\x03\x09\x04", 4);  // US English
        } else if (which < int(std::size(STRINGS))) {
            const QByteArray text(STRINGS[which]);
            descriptor.append(char(2 + 2 * text.size()));
            descriptor.append(char(STRING_DESCRIPTOR));
            for (char c : text) {
                descriptor.append(c);
                descriptor.append('\0');
            }
        }
        if (!descriptor.isEmpty()) {
            result = std::min<int>(descriptor.size(), length);
            std::memcpy(data, descriptor.constData(), size_t(result));
        }
    } else if ((requestType == CLASS_OUT || requestType == CLASS_IN) && index == 0) {
        result = dfuRequest(requestType, request, value, data, length);
    }
    entry.stalled = result == -EPIPE;
    if (requestType & 0x80 && result > 0)
        entry.data = QByteArray(reinterpret_cast<const char *>(data), result);
    wire.append(entry);
    return result;
}

int EmulatedBootloader::dfuRequest(uint8_t requestType, uint8_t request, uint16_t value,
                                   unsigned char *data, uint16_t length)
{
    auto stall = [this] {
        state = DFU_ERROR;
        status = ERR_STALLED;
        return -EPIPE;
    };
    if (requestType == CLASS_OUT && request == DNLOAD) {
        if (state != DFU_IDLE && state != DNLOAD_IDLE)
            return stall();
        if (length == 0) {
            state = MANIFEST_SYNC;
            return 0;
        }
        if (length > TRANSFER_SIZE || value == 1)
            return stall();
        pending = QByteArray(reinterpret_cast<const char *>(data), length);
        pendingBlock = value;
        state = DNLOAD_SYNC;
        return length;
    }
    if (requestType == CLASS_IN && request == GETSTATUS && length >= 6) {
        int poll = 0;
        if (state == DNLOAD_SYNC) {
            if (carryOut() == 0) {
                state = DNBUSY;
                poll = POLL_TIMEOUT_MS;
                busyUntilMs = nowMs() + POLL_TIMEOUT_MS;
            }
        } else if (state == DNBUSY) {
            if (nowMs() < busyUntilMs) {
                ++early;
                poll = int(busyUntilMs - nowMs());
            } else {
                state = DNLOAD_IDLE;
            }
        } else if (state == MANIFEST_SYNC) {
            state = MANIFEST;
        }
        const unsigned char answer[6] = {status, uint8_t(poll), 0, 0, state, 0};
        std::memcpy(data, answer, sizeof answer);
        return 6;
    }
    if (requestType == CLASS_IN && request == GETSTATE && length >= 1) {
        data[0] = state;
        return 1;
    }
    if (requestType == CLASS_OUT && request == CLRSTATUS) {
        state = DFU_IDLE;
        status = 0;
        return 0;
    }
    if (requestType == CLASS_OUT && request == ABORT) {
        if (state == DNBUSY || state == DFU_ERROR)
            return stall();
        state = DFU_IDLE;
        return 0;
    }
    if (requestType == CLASS_IN && request == UPLOAD) {
        if ((state != DFU_IDLE && state != UPLOAD_IDLE) || value < 2 || length > TRANSFER_SIZE)
            return stall();
        const qint64 offset = qint64(pointer) - FLASH_ADDRESS + qint64(value - 2) * TRANSFER_SIZE;
        if (offset < 0 || offset > FLASH_SIZE)
            return stall();
        const int n = int(std::min<qint64>(length, FLASH_SIZE - offset));
        std::memcpy(data, memory.constData() + offset, size_t(n));
        state = UPLOAD_IDLE;
        return n;
    }
    return stall();
}

// The pending DNLOAD; 0 when done, else the bootloader is in dfuERROR.
int EmulatedBootloader::carryOut()
{
    auto fail = [this](uint8_t code) {
        state = DFU_ERROR;
        status = code;
        return -1;
    };
    if (pendingBlock == 0) {
        if (pending.size() != 5)
            return fail(ERR_STALLED);
        uint32_t address = 0;
        for (int i = 0; i < 4; ++i)
            address |= uint32_t(uint8_t(pending.at(1 + i))) << (8 * i);
        const qint64 offset = qint64(address) - FLASH_ADDRESS;
        if (offset < 0 || offset >= FLASH_SIZE)
            return fail(ERR_TARGET);
        if (uint8_t(pending.at(0)) == SET_ADDRESS) {
            pointer = address;
            return 0;
        }
        if (uint8_t(pending.at(0)) != ERASE)
            return fail(ERR_STALLED);
        // 4 x 16 KiB, 64 KiB, then 128 KiB sectors.
        qint64 start = 0;
        qint64 size = SMALL_SECTOR;
        if (offset >= 4 * SMALL_SECTOR && offset < 8 * SMALL_SECTOR) {
            start = 4 * SMALL_SECTOR;
            size = 4 * SMALL_SECTOR;
        } else if (offset >= 8 * SMALL_SECTOR) {
            start = offset / (8 * SMALL_SECTOR) * (8 * SMALL_SECTOR);
            size = 8 * SMALL_SECTOR;
        } else {
            start = offset / SMALL_SECTOR * SMALL_SECTOR;
        }
        memory.replace(int(start), int(size), QByteArray(int(size), char(0xFF)));
        return 0;
    }
    const qint64 offset =
        qint64(pointer) - FLASH_ADDRESS + qint64(pendingBlock - 2) * TRANSFER_SIZE;
    if (offset < 0 || offset + pending.size() > FLASH_SIZE)
        return fail(ERR_TARGET);
    for (int i = 0; i < pending.size(); ++i) {
        if (uint8_t(memory.at(int(offset) + i)) != 0xFF)
            return fail(ERR_CHECK_ERASED);
        memory[int(offset) + i] = pending.at(i);
    }
    return 0;
}

}  // namespace e2e
