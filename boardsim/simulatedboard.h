#pragma once

#include "device/firmwareinfo.h"
#include "settings/effectsettings.h"
#include "settings/hardwaresettings.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <chrono>
#include <cstdint>
#include <memory>

// Simulated controller boards behind the libusb C API. The program's own code
// runs against them unchanged: this library defines libusb_init,
// libusb_exit, libusb_open_device_with_vid_pid, libusb_control_transfer and
// libusb_close. Everything here is thread-safe; the scan runs on the worker
// thread while tests drive the boards from the GUI thread.

namespace boardsim {

constexpr uint16_t VENDOR_ID = BOARD_VENDOR_ID;
// How long the Linux HID driver lets a feature-report request run before it
// gives up on a board that does not answer.
constexpr std::chrono::milliseconds HANG_LATENCY{5000};

// One control transfer as the board saw it.
struct Transfer {
    int productId = 0;
    uint8_t requestType = 0;
    uint8_t request = 0;
    uint16_t value = 0;
    uint16_t index = 0;
    uint16_t length = 0;       // wLength asked for
    unsigned int timeout = 0;  // ms
    QByteArray data;           // bytes sent (writes) or returned (reads)
    int result = 0;            // what libusb_control_transfer returned

    bool isWrite() const { return (requestType & 0x80) == 0; }
    uint8_t reportId() const { return uint8_t(value & 0xFF); }
};

// What a board keeps while it is off: its identity and both memories.
struct BoardImage {
    FirmwareInfoTypeDef info{};
    QByteArray workingEffects;
    QByteArray workingHardware;
    QByteArray permanentEffects;
    QByteArray permanentHardware;

    bool operator==(const BoardImage &other) const;
    bool operator!=(const BoardImage &other) const { return !(*this == other); }
};

// Keeps a board's image somewhere outside this process, so that several
// processes see one board. Both calls run around every transfer, with the
// bus's lock held: load() may replace the image with the stored one, and
// whatever keeps other processes out stays held until store() has run.
class BoardStore
{
public:
    virtual ~BoardStore() = default;
    virtual void load(BoardImage &image) = 0;
    // `changed`: the transfer altered the image, which should then be kept.
    virtual void store(const BoardImage &image, bool changed) = 0;
};

class SimulatedBoard
{
public:
    SimulatedBoard(int productId, uint8_t deviceType,
                   uint32_t firmwareVersion = SUPPORTED_FIRMWARE_VERSION);

    int productId() const;
    // The USB port the board is plugged into ("1-2"); empty while unplugged.
    QString port() const;

    FirmwareInfoTypeDef firmwareInfo() const;
    void setFirmwareInfo(const FirmwareInfoTypeDef &info);

    // Working memory is what the board uses now, permanent memory what it
    // loads after a reboot. A fresh board holds plausible, non-zero settings.
    // The settings images are kept whole (reserved bytes included).
    QByteArray workingEffects() const;
    QByteArray workingHardware() const;
    QByteArray permanentEffects() const;
    QByteArray permanentHardware() const;
    void setWorkingEffects(const QByteArray &image);   // 384 bytes
    void setWorkingHardware(const QByteArray &image);  // 512 bytes
    void setPermanentEffects(const QByteArray &image);
    void setPermanentHardware(const QByteArray &image);
    EffectSettingsTypeDef workingEffectSettings() const;
    HardwareSettingsTypeDef workingHardwareSettings() const;

    // Busy status (report 0x24) after each change (a record taken, a store):
    // the next `polls` reads of report 0x24 answer busy, and so does every
    // read within `duration` of the change. Both default to 0.
    void setBusyPolls(int polls);
    void setBusyDuration(std::chrono::milliseconds duration);
    void setBusyForever(bool on);
    bool isBusy() const;

    // Faults on demand.
    void failNextTransfers(int count, int error = -1 /* LIBUSB_ERROR_IO */);
    void unplugAfterTransfers(int count);  // gone once `count` more transfers are done
    void setShortReads(int bytes);         // reads return at most this many bytes; -1 off
    void setRefuseOpen(bool refuse);       // opening fails, as with missing access rights
    void setTransferDelay(std::chrono::microseconds delay);  // latency of each transfer
    // Reads of either settings record fail with LIBUSB_ERROR_IO.
    void setFailSettingsReads(bool on);
    // Within each record write, the report numbered `first` (1-based,
    // terminator included) and every later one fail with LIBUSB_ERROR_PIPE
    // and are not taken; 0 turns this off.
    void setFailRecordReportsFrom(int first);
    // A board that has stopped answering: every transfer takes `latency` and
    // then fails with LIBUSB_ERROR_TIMEOUT, as the kernel's own bound ends a
    // request on Linux. With `answerDeviceInfo` the information report still
    // answers at once, so the board stays in the program's list.
    void setHanging(bool on, std::chrono::milliseconds latency = HANG_LATENCY,
                    bool answerDeviceInfo = false);

    // How long a rebooting board stays off the bus before it comes back.
    void setRebootDuration(std::chrono::milliseconds duration);

    int rebootCount() const;
    bool inDfuMode() const;

    BoardImage image() const;
    void setImage(const BoardImage &image);
    // From now on every transfer loads the board from `store` and keeps its
    // changes there. Changes made through the setters above are not kept.
    void setStore(std::shared_ptr<BoardStore> store);

    // Shared by copies of this object and by the handles opened on the board.
    struct State;

private:
    friend class Bus;
    friend class SimulatedBootloader;
    std::shared_ptr<State> state;
};

// The simulated USB bus shared by the whole process.
class Bus
{
public:
    // Plugs a board in; it can be opened from the next open attempt on.
    static void plug(const SimulatedBoard &board);
    // Pulls a board out: every handle on it fails with LIBUSB_ERROR_NO_DEVICE
    // from now on, and it cannot be opened until it is plugged in again.
    static void unplug(const SimulatedBoard &board);
    static bool isPlugged(const SimulatedBoard &board);
    // For the simulated inputs: a number that stays the same while the first
    // board with this product id stays on the bus, -1 while none is.
    static int presence(int productId);
    // Unplugs every board, closes nothing, clears the log and the counters.
    // Handles still open stay counted until the program closes them.
    static void reset();

    static QList<Transfer> transfers();
    static QList<Transfer> transfersFor(int productId);
    static void clearTransfers();

    static int openHandleCount();
    static int openAttemptCount();
    static int initCount();
    static int exitCount();
    // Handles still open when libusb_exit was last called; 0 after an
    // orderly shutdown.
    static int openHandlesAtLastExit();
};

// Builds the boards named by a GRAVOLT_DEMO_BOARDS value: a comma-separated
// list of type names (generic, joystick, rudder, wheel, collective), each
// optionally followed by '@' and a firmware version and then by ':' and a
// fault (fail-reads, fail-writes, busy-forever, hang). Returns false and says
// why in `error` when the value is malformed.
bool parseDemoBoards(const QString &value, QList<SimulatedBoard> &boards, QString *error);

// The product id a board of the given device type is sold under.
int productIdForDeviceType(uint8_t deviceType);

}  // namespace boardsim
