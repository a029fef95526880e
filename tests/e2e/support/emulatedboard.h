#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>

#include <cstdint>

// The firmware of one controller board as seen from the USB wire: control
// requests on endpoint 0 in, answers out. Both kernel emulations (usbfs and
// hidraw) hand it the requests the real kernel would put on the wire, so one
// model and one log serve both backends, and tests compare the log with the
// bytes the board protocol fixes.
//
// Thread-safe: umockdev runs the kernel emulations on its own thread while
// the test drives and inspects the board from the GUI thread.

namespace e2e {

// One control request as it crossed the wire.
struct WireRequest {
    uint8_t requestType = 0;
    uint8_t request = 0;
    uint16_t value = 0;
    uint16_t index = 0;
    uint16_t length = 0;  // wLength
    QByteArray data;      // data stage: sent to the board, or returned by it
    bool stalled = false;

    bool isWrite() const { return (requestType & 0x80) == 0; }
};

class EmulatedBoard
{
public:
    static constexpr int INFO_SIZE = 64;       // bytes, report 0x25
    static constexpr int EFFECTS_SIZE = 384;   // bytes, report 0x22 / command 0x12
    static constexpr int HARDWARE_SIZE = 512;  // bytes, report 0x21 / command 0x11

    // A fresh board answers with recognisable non-zero images in every byte,
    // so that a read that drops or shifts bytes cannot pass.
    EmulatedBoard(uint16_t productId, uint8_t deviceType, uint32_t firmwareVersion);
    virtual ~EmulatedBoard() = default;

    uint16_t productId() const { return pid; }

    QByteArray info() const;
    QByteArray workingEffects() const;
    QByteArray workingHardware() const;
    QByteArray permanentEffects() const;
    QByteArray permanentHardware() const;
    void setWorkingEffects(const QByteArray &image);
    void setWorkingHardware(const QByteArray &image);

    // After each change (a record taken, a store) the next `polls` reads of
    // the busy report answer busy.
    void setBusyPolls(int polls);
    int rebootCount() const;
    int dfuCount() const;

    // The board drops off the bus after this many more requests, before the
    // kernel has torn its devices down: every request from then on fails as
    // for a vanished device (-ENODEV) and is counted, not logged.
    void disconnectAfter(int requests);
    int missedRequests() const;

    QList<WireRequest> requests() const;
    void clearRequests();

    // One control request from the kernel emulation. `data` holds `length`
    // bytes: what the host sends, or room for the answer. Returns the number
    // of bytes of the data stage, -EPIPE when the board stalls, or -ENODEV
    // once it has dropped off the bus.
    virtual int handleControlRequest(uint8_t requestType, uint8_t request, uint16_t value,
                                     uint16_t index, unsigned char *data, uint16_t length);

private:
    int handleWrite(const unsigned char *data, uint16_t length);
    QByteArray replyFor(uint8_t reportId);
    void takeChunk(QByteArray &staging, QList<bool> &covered, const unsigned char *report,
                   int recordSize);
    void applyRecord(QByteArray &staging, QList<bool> &covered, QByteArray &working);

    const uint16_t pid;
    mutable QMutex mutex;
    QByteArray infoImage;
    QByteArray effects, hardware;                 // working memory
    QByteArray storedEffects, storedHardware;     // permanent memory
    QByteArray stagingEffects, stagingHardware;   // records being received
    QList<bool> effectsCovered, hardwareCovered;  // bytes received so far
    int busyPollsPerChange = 0;
    int busyPollsLeft = 0;
    int reboots = 0;
    int dfuSwitches = 0;
    int requestsUntilDisconnect = -1;  // -1: stays connected
    int missed = 0;
    QList<WireRequest> log;
};

}  // namespace e2e
