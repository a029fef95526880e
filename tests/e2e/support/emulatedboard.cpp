#include "emulatedboard.h"

#include <QMutexLocker>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace e2e {

namespace {

// The board's protocol, written out here on its own rather than taken from
// the program, so that a wrong number on either side shows up as a mismatch.
constexpr uint8_t SET_REPORT_REQUEST_TYPE = 0x21;
constexpr uint8_t GET_REPORT_REQUEST_TYPE = 0xA1;
constexpr uint8_t SET_REPORT = 0x09;
constexpr uint8_t GET_REPORT = 0x01;
constexpr uint8_t FEATURE = 0x03;  // report type, high byte of wValue
constexpr uint8_t COMMAND_REPORT = 0x20;
constexpr int COMMAND_REPORT_SIZE = 65;  // bytes, id included
constexpr int CHUNK_DATA_OFFSET = 6;
constexpr int CHUNK_SIZE = 58;  // bytes
constexpr uint16_t TERMINATOR = 0xFFFF;
constexpr int BUSY_REPORT_SIZE = 64;  // bytes

QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(((i + 1) * 37 + seed * 11) % 251 + 1);  // never 0
    return bytes;
}

uint16_t le16(const unsigned char *p)
{
    return uint16_t(p[0] | (p[1] << 8));
}

}  // namespace

EmulatedBoard::EmulatedBoard(uint16_t productId, uint8_t deviceType, uint32_t firmwareVersion)
    : pid(productId)
{
    infoImage = pattern(INFO_SIZE, productId);
    for (int i = 0; i < 4; ++i)
        infoImage[i] = char((firmwareVersion >> (8 * i)) & 0xFF);
    infoImage[4] = char(deviceType);
    effects = storedEffects = pattern(EFFECTS_SIZE, productId + 1);
    hardware = storedHardware = pattern(HARDWARE_SIZE, productId + 2);
}

QByteArray EmulatedBoard::info() const
{
    QMutexLocker lock(&mutex);
    return infoImage;
}

QByteArray EmulatedBoard::workingEffects() const
{
    QMutexLocker lock(&mutex);
    return effects;
}

QByteArray EmulatedBoard::workingHardware() const
{
    QMutexLocker lock(&mutex);
    return hardware;
}

QByteArray EmulatedBoard::permanentEffects() const
{
    QMutexLocker lock(&mutex);
    return storedEffects;
}

QByteArray EmulatedBoard::permanentHardware() const
{
    QMutexLocker lock(&mutex);
    return storedHardware;
}

void EmulatedBoard::setWorkingEffects(const QByteArray &image)
{
    Q_ASSERT(image.size() == EFFECTS_SIZE);
    QMutexLocker lock(&mutex);
    effects = image;
}

void EmulatedBoard::setWorkingHardware(const QByteArray &image)
{
    Q_ASSERT(image.size() == HARDWARE_SIZE);
    QMutexLocker lock(&mutex);
    hardware = image;
}

void EmulatedBoard::setBusyPolls(int polls)
{
    QMutexLocker lock(&mutex);
    busyPollsPerChange = polls;
}

int EmulatedBoard::rebootCount() const
{
    QMutexLocker lock(&mutex);
    return reboots;
}

int EmulatedBoard::dfuCount() const
{
    QMutexLocker lock(&mutex);
    return dfuSwitches;
}

void EmulatedBoard::disconnectAfter(int requests)
{
    QMutexLocker lock(&mutex);
    requestsUntilDisconnect = requests;
}

int EmulatedBoard::missedRequests() const
{
    QMutexLocker lock(&mutex);
    return missed;
}

QList<WireRequest> EmulatedBoard::requests() const
{
    QMutexLocker lock(&mutex);
    return log;
}

void EmulatedBoard::clearRequests()
{
    QMutexLocker lock(&mutex);
    log.clear();
}

int EmulatedBoard::handleControlRequest(uint8_t requestType, uint8_t request, uint16_t value,
                                        uint16_t index, unsigned char *data, uint16_t length)
{
    QMutexLocker lock(&mutex);
    if (requestsUntilDisconnect == 0) {
        ++missed;
        return -ENODEV;
    }
    if (requestsUntilDisconnect > 0)
        --requestsUntilDisconnect;
    WireRequest entry;
    entry.requestType = requestType;
    entry.request = request;
    entry.value = value;
    entry.index = index;
    entry.length = length;

    int result = -EPIPE;
    const bool feature = (value >> 8) == FEATURE && index == 0;
    if (requestType == SET_REPORT_REQUEST_TYPE && request == SET_REPORT) {
        entry.data = QByteArray(reinterpret_cast<const char *>(data), length);
        if (feature && (value & 0xFF) == COMMAND_REPORT)
            result = handleWrite(data, length);
    } else if (requestType == GET_REPORT_REQUEST_TYPE && request == GET_REPORT && feature) {
        const QByteArray reply = replyFor(uint8_t(value & 0xFF));
        if (!reply.isEmpty()) {
            result = std::min<int>(reply.size(), length);
            std::memcpy(data, reply.constData(), size_t(result));
            entry.data = reply.left(result);
        }
    }
    entry.stalled = result < 0;
    log.append(entry);
    return result;
}

// Called with the mutex held.
int EmulatedBoard::handleWrite(const unsigned char *data, uint16_t length)
{
    if (length != COMMAND_REPORT_SIZE || data[0] != COMMAND_REPORT)
        return -EPIPE;
    const bool terminator = le16(data + 4) == TERMINATOR;
    switch (data[1]) {
    case 0x01:
        ++reboots;
        break;
    case 0x02:
        storedEffects = effects;
        storedHardware = hardware;
        busyPollsLeft = busyPollsPerChange;
        break;
    case 0x03:
        ++dfuSwitches;
        break;
    case 0x11:
        if (terminator)
            applyRecord(stagingHardware, hardwareCovered, hardware);
        else
            takeChunk(stagingHardware, hardwareCovered, data, HARDWARE_SIZE);
        break;
    case 0x12:
        if (terminator)
            applyRecord(stagingEffects, effectsCovered, effects);
        else
            takeChunk(stagingEffects, effectsCovered, data, EFFECTS_SIZE);
        break;
    default:
        return -EPIPE;
    }
    return length;
}

// Called with the mutex held.
QByteArray EmulatedBoard::replyFor(uint8_t reportId)
{
    switch (reportId) {
    case 0x21:
        return hardware;
    case 0x22:
        return effects;
    case 0x24: {
        QByteArray busy(BUSY_REPORT_SIZE, '\0');
        if (busyPollsLeft > 0) {
            --busyPollsLeft;
            busy[0] = 1;
        }
        return busy;
    }
    case 0x25:
        return infoImage;
    default:
        return {};
    }
}

// Called with the mutex held. The chunk length comes from "remaining",
// capped at the data area, exactly as the sender computed it.
void EmulatedBoard::takeChunk(QByteArray &staging, QList<bool> &covered,
                              const unsigned char *report, int recordSize)
{
    if (staging.size() != recordSize) {
        staging = QByteArray(recordSize, '\0');
        covered = QList<bool>(recordSize, false);
    }
    const int offset = le16(report + 2);
    const int chunk = std::min<int>(le16(report + 4), CHUNK_SIZE);
    if (offset + chunk > recordSize)
        return;
    std::memcpy(staging.data() + offset, report + CHUNK_DATA_OFFSET, size_t(chunk));
    for (int i = offset; i < offset + chunk; ++i)
        covered[i] = true;
}

// Called with the mutex held. A record with a gap is dropped, as the
// firmware drops a record it did not receive whole.
void EmulatedBoard::applyRecord(QByteArray &staging, QList<bool> &covered, QByteArray &working)
{
    if (!staging.isEmpty() && !covered.contains(false))
        working = staging;
    staging.clear();
    covered.clear();
    busyPollsLeft = busyPollsPerChange;
}

}  // namespace e2e
