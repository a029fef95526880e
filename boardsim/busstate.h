#pragma once

// The simulated bus's insides, shared by the boards and their bootloaders.
// Everything here is used with BusState::mutex held.

#include "boardsim/simulatedboard.h"

#include <libusb.h>

#include <QList>
#include <QMap>

#include <chrono>
#include <memory>
#include <mutex>

namespace boardsim {

using Clock = std::chrono::steady_clock;
struct BootloaderState;

struct SimulatedBoard::State {
    int productId = 0;
    FirmwareInfoTypeDef info{};
    QByteArray workingEffects;
    QByteArray workingHardware;
    QByteArray permanentEffects;
    QByteArray permanentHardware;

    // Record being assembled from 0x11 / 0x12 chunks, applied on the terminator.
    QByteArray stagingEffects;
    QByteArray stagingHardware;

    int busyPollsPerChange = 0;
    std::chrono::milliseconds busyDuration{0};
    bool busyForever = false;
    int busyPollsLeft = 0;
    Clock::time_point busyUntil{};

    int failCount = 0;
    int failError = LIBUSB_ERROR_IO;
    int unplugAfter = -1;
    int shortReads = -1;
    bool refuseOpen = false;
    std::chrono::microseconds transferDelay{0};
    bool failSettingsReads = false;
    int failRecordReportsFrom = 0;
    int recordReportsSeen = 0;  // reports of the record write under way
    bool hanging = false;
    std::chrono::milliseconds hangLatency{0};
    bool hangAnswersDeviceInfo = false;
    std::chrono::milliseconds rebootDuration{500};

    bool plugged = false;
    bool rebooting = false;
    Clock::time_point backOnBusAt{};
    bool dfu = false;
    int rebootCount = 0;
    // Bumped whenever the board leaves the bus; handles opened before that
    // point are dead, as they are after a real re-enumeration.
    int generation = 0;
    // Socket on the simulated hub, 1-based; 0 while unplugged. A reboot keeps
    // it, as a real board keeps its port.
    int port = 0;

    std::shared_ptr<BoardStore> store;
    // The bootloader behind command 0x03, made when first needed.
    std::shared_ptr<BootloaderState> bootloader;
};

// A board of a model with several attached boards whose handle was closed:
// until `until`, only the board on `port` is opened for that product id, so
// that a rebooting board is not swapped for its twin.
struct AwaitedBoard {
    int port = 0;
    Clock::time_point until{};
};
constexpr auto REBOOT_GRACE = std::chrono::seconds(10);

struct BusState {
    // std::mutex rather than QMutex: ThreadSanitizer sees its ordering.
    std::mutex mutex;
    QMap<int, AwaitedBoard> awaited;                       // by product id
    QList<std::shared_ptr<SimulatedBoard::State>> boards;  // plug order
    QList<Transfer> log;
    int openHandles = 0;
    int openAttempts = 0;
    int inits = 0;
    int exits = 0;
    int openAtLastExit = 0;
};

BusState &bus();
// Finishes a reboot whose time is up.
void settle(SimulatedBoard::State &s);
bool onBus(SimulatedBoard::State &s);
void leaveBus(SimulatedBoard::State &s);
// What a board keeps while it is off, and putting it back.
BoardImage boardImageOf(const SimulatedBoard::State &s);
void applyBoardImage(SimulatedBoard::State &s, const BoardImage &image);

// The bootloader's side of the libusb calls (simulatedbootloader.cpp).
int bootloaderControlTransfer(libusb_device_handle *handle, uint8_t requestType, uint8_t request,
                              uint16_t value, uint16_t index, unsigned char *data, uint16_t length);
// Whether a board plugged in starts in its bootloader: it does while its
// flash holds no firmware it can start.
bool startsInBootloader(SimulatedBoard::State &s);

}  // namespace boardsim

struct libusb_device_handle {
    std::shared_ptr<boardsim::SimulatedBoard::State> board;
    int generation = 0;
    bool bootloader = false;  // opened on the board's bootloader, not the board
};
