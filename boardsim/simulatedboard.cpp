#include "simulatedboard.h"

#include "boardsim/busstate.h"
#include "boardsim/simulatedbootloader.h"

#include "device/attachedboards.h"
#include "device/featurereporttransport.h"
#include "device/libusberrorname.h"

#include <libusb.h>

#include <QMap>
#include <QThread>

#include <algorithm>
#include <cstring>
#include <mutex>

using Clock = std::chrono::steady_clock;

namespace boardsim {

BusState &bus()
{
    static BusState state;
    return state;
}

// Called with the bus mutex held: finishes a reboot whose time is up.
void settle(SimulatedBoard::State &s)
{
    if (s.rebooting && Clock::now() >= s.backOnBusAt) {
        s.rebooting = false;
        s.workingEffects = s.permanentEffects;
        s.workingHardware = s.permanentHardware;
        s.busyPollsLeft = 0;
        s.busyUntil = {};
    }
}

bool onBus(SimulatedBoard::State &s)
{
    settle(s);
    return s.plugged && !s.rebooting && !s.dfu;
}

void leaveBus(SimulatedBoard::State &s)
{
    ++s.generation;
}

namespace {

QByteArray zeroed(int size)
{
    return QByteArray(size, '\0');
}

template <typename Record> QByteArray imageOf(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof(Record)));
}

QByteArray defaultEffects(uint8_t deviceType)
{
    EffectSettingsTypeDef e{};
    e.invert_constant_force = -1;
    e.direct_x_spring_strength = 100;
    e.direct_x_constant_strength = 90;
    e.direct_x_periodic_strength = 80;
    for (int a = 0; a < EFFECT_AXIS_COUNT; ++a) {
        auto &axis = e.axis[a];
        axis.total_effect_scale = uint8_t(a == 0 ? 75 : 70);
        axis.soft_stop_strength = 60;
        axis.soft_stop_range = 5;
        axis.static_dampening = uint16_t(a == 0 ? 20 : 25);
        axis.dynamic_dampening = 40;
        axis.motion_range = deviceType == DEVICE_TYPE_WHEEL ? 900 : 30;
        axis.max_force = deviceType == DEVICE_TYPE_WHEEL ? 12.0f : 8.0f;
        axis.soft_stop_dampening = 50;
    }
    return imageOf(e);
}

QByteArray defaultHardware()
{
    HardwareSettingsTypeDef h{};
    h.force_enable = 1;
    h.calibration_mode = CALIBRATION_START_ANGLE_AS_CENTER;
    h.amplifier_gain = AMPLIFIER_GAIN_40;
    h.spi_mode = SPI_MODE_DISABLED;
    for (int pin = 0; pin < 8; ++pin)
        h.gpio_mode[pin] = GPIO_MODE_GENERIC_BUTTON;
    h.gpio_mode[7] = GPIO_MODE_ENABLE_EFFECTS_SWITCH;
    for (int b = 0; b < 8; ++b)
        h.button_mode[b] = BUTTON_MODE_NORMAL;
    h.power_limit = 80;
    h.braking_limit = 60;
    h.calibration_magnitude = 30;
    h.calibration_speed = 20;
    h.calibration_current = 40;
    for (int i = 0; i < ANALOG_AXIS_COUNT; ++i) {
        h.analog_button_low[i] = 10;
        h.analog_button_high[i] = 90;
        h.analog_lower_dead_zone[i] = 200;
        h.analog_upper_dead_zone[i] = 200;
        h.analog_smoothing[i] = 25;
    }
    h.position_smoothing = 15;
    h.speed_sample_buffer_size = 8;
    for (int a = 0; a < HARDWARE_AXIS_COUNT; ++a) {
        auto &axis = h.axis[a];
        axis.encoder_direction = 1;
        axis.force_direction = -1;
        axis.pole_pairs = 7;
        axis.encoder_cpr = 4096;
        axis.p_gain = 0.35f;
        axis.i_gain = 0.002f;
    }
    return imageOf(h);
}

// Called with the bus mutex held. A board that is rebooting comes back with
// its permanent memory, which is therefore what it keeps meanwhile.
BoardImage imageOfState(const SimulatedBoard::State &s)
{
    BoardImage image;
    image.info = s.info;
    image.permanentEffects = s.permanentEffects;
    image.permanentHardware = s.permanentHardware;
    image.workingEffects = s.rebooting ? s.permanentEffects : s.workingEffects;
    image.workingHardware = s.rebooting ? s.permanentHardware : s.workingHardware;
    return image;
}

// Called with the bus mutex held.
void applyImage(SimulatedBoard::State &s, const BoardImage &image)
{
    s.info = image.info;
    s.workingEffects = image.workingEffects;
    s.workingHardware = image.workingHardware;
    s.permanentEffects = image.permanentEffects;
    s.permanentHardware = image.permanentHardware;
}

void startBusy(SimulatedBoard::State &s)
{
    s.busyPollsLeft = s.busyPollsPerChange;
    s.busyUntil = Clock::now() + s.busyDuration;
}

bool pollBusy(SimulatedBoard::State &s)
{
    if (s.busyForever)
        return true;
    if (s.busyPollsLeft > 0) {
        --s.busyPollsLeft;
        return true;
    }
    return Clock::now() < s.busyUntil;
}

uint16_t readLittleEndian16(const unsigned char *p)
{
    return uint16_t(p[0] | (p[1] << 8));
}

void takeChunk(QByteArray &staging, const unsigned char *report, int recordSize)
{
    const uint16_t offset = readLittleEndian16(report + 2);
    const uint16_t remaining = readLittleEndian16(report + 4);
    const int chunk = std::min<int>(remaining, RECORD_CHUNK_SIZE);
    if (staging.size() != recordSize)
        staging = zeroed(recordSize);
    if (offset + chunk <= recordSize && chunk > 0)
        std::memcpy(staging.data() + offset, report + RECORD_CHUNK_DATA_OFFSET, size_t(chunk));
}

// Called with the bus mutex held; the board is on the bus.
int handleWrite(SimulatedBoard::State &s, uint16_t value, const unsigned char *data,
                uint16_t length)
{
    if (value != (HID_REPORT_TYPE_FEATURE | REPORT_ID_COMMAND) || length != WRITE_REPORT_SIZE ||
        data[0] != REPORT_ID_COMMAND)
        return LIBUSB_ERROR_PIPE;
    const uint16_t remaining = readLittleEndian16(data + 4);
    switch (data[1]) {
    case COMMAND_REBOOT:
        s.rebooting = true;
        ++s.rebootCount;
        s.backOnBusAt = Clock::now() + s.rebootDuration;
        leaveBus(s);
        break;
    case COMMAND_STORE_PERMANENTLY:
        s.permanentEffects = s.workingEffects;
        s.permanentHardware = s.workingHardware;
        startBusy(s);
        break;
    case COMMAND_SWITCH_TO_DFU:
        s.dfu = true;
        leaveBus(s);
        break;
    case COMMAND_WRITE_HARDWARE_SETTINGS:
        if (remaining == RECORD_TERMINATOR_REMAINING) {
            if (s.stagingHardware.size() == HARDWARE_SETTINGS_SIZE)
                s.workingHardware = s.stagingHardware;
            s.stagingHardware.clear();
            startBusy(s);
        } else {
            takeChunk(s.stagingHardware, data, HARDWARE_SETTINGS_SIZE);
        }
        break;
    case COMMAND_WRITE_EFFECT_SETTINGS:
        if (remaining == RECORD_TERMINATOR_REMAINING) {
            if (s.stagingEffects.size() == EFFECT_SETTINGS_SIZE)
                s.workingEffects = s.stagingEffects;
            s.stagingEffects.clear();
            startBusy(s);
        } else {
            takeChunk(s.stagingEffects, data, EFFECT_SETTINGS_SIZE);
        }
        break;
    default:
        return LIBUSB_ERROR_PIPE;
    }
    return WRITE_REPORT_SIZE;
}

// Called with the bus mutex held; the board is on the bus.
int handleRead(SimulatedBoard::State &s, uint16_t value, unsigned char *data, uint16_t length)
{
    QByteArray reply;
    switch (value) {
    case HID_REPORT_TYPE_FEATURE | REPORT_ID_DEVICE_INFO:
        reply = imageOf(s.info);
        break;
    case HID_REPORT_TYPE_FEATURE | REPORT_ID_EFFECT_SETTINGS:
        reply = s.workingEffects;
        break;
    case HID_REPORT_TYPE_FEATURE | REPORT_ID_HARDWARE_SETTINGS:
        reply = s.workingHardware;
        break;
    case HID_REPORT_TYPE_FEATURE | REPORT_ID_BUSY_STATUS:
        reply = zeroed(FIRMWARE_INFO_SIZE);
        reply[0] = pollBusy(s) ? 1 : 0;
        break;
    default:
        return LIBUSB_ERROR_PIPE;
    }
    int n = std::min<int>(reply.size(), length);
    if (s.shortReads >= 0)
        n = std::min(n, s.shortReads);
    std::memcpy(data, reply.constData(), size_t(n));
    return n;
}

// Called with the bus mutex held for every report written to the board:
// counts the reports of the record write under way and says whether this
// one is to fail.
bool failsRecordReport(SimulatedBoard::State &s, const unsigned char *data, uint16_t length)
{
    if (length < RECORD_CHUNK_DATA_OFFSET ||
        (data[1] != COMMAND_WRITE_EFFECT_SETTINGS && data[1] != COMMAND_WRITE_HARDWARE_SETTINGS))
        return false;
    if (readLittleEndian16(data + 2) == 0 &&
        readLittleEndian16(data + 4) != RECORD_TERMINATOR_REMAINING)
        s.recordReportsSeen = 0;
    ++s.recordReportsSeen;
    return s.failRecordReportsFrom > 0 && s.recordReportsSeen >= s.failRecordReportsFrom;
}

}  // namespace

BoardImage boardImageOf(const SimulatedBoard::State &s)
{
    return imageOfState(s);
}

void applyBoardImage(SimulatedBoard::State &s, const BoardImage &image)
{
    applyImage(s, image);
}

// ---------------------------------------------------------------- the board

SimulatedBoard::SimulatedBoard(int productId, uint8_t deviceType, uint32_t firmwareVersion)
    : state(std::make_shared<State>())
{
    state->productId = productId;
    state->info.firmwareVersion = firmwareVersion;
    state->info.deviceType = deviceType;
    state->workingEffects = state->permanentEffects = defaultEffects(deviceType);
    state->workingHardware = state->permanentHardware = defaultHardware();
}

#define LOCKED std::lock_guard<std::mutex> locker(bus().mutex)

int SimulatedBoard::productId() const
{
    return state->productId;
}

QString SimulatedBoard::port() const
{
    LOCKED;
    return state->port > 0 ? QStringLiteral("1-%1").arg(state->port) : QString();
}

FirmwareInfoTypeDef SimulatedBoard::firmwareInfo() const
{
    LOCKED;
    return state->info;
}

void SimulatedBoard::setFirmwareInfo(const FirmwareInfoTypeDef &info)
{
    LOCKED;
    state->info = info;
}

QByteArray SimulatedBoard::workingEffects() const
{
    LOCKED;
    settle(*state);
    return state->workingEffects;
}

QByteArray SimulatedBoard::workingHardware() const
{
    LOCKED;
    settle(*state);
    return state->workingHardware;
}

QByteArray SimulatedBoard::permanentEffects() const
{
    LOCKED;
    return state->permanentEffects;
}

QByteArray SimulatedBoard::permanentHardware() const
{
    LOCKED;
    return state->permanentHardware;
}

void SimulatedBoard::setWorkingEffects(const QByteArray &image)
{
    Q_ASSERT(image.size() == EFFECT_SETTINGS_SIZE);
    LOCKED;
    state->workingEffects = image;
}

void SimulatedBoard::setWorkingHardware(const QByteArray &image)
{
    Q_ASSERT(image.size() == HARDWARE_SETTINGS_SIZE);
    LOCKED;
    state->workingHardware = image;
}

void SimulatedBoard::setPermanentEffects(const QByteArray &image)
{
    Q_ASSERT(image.size() == EFFECT_SETTINGS_SIZE);
    LOCKED;
    state->permanentEffects = image;
}

void SimulatedBoard::setPermanentHardware(const QByteArray &image)
{
    Q_ASSERT(image.size() == HARDWARE_SETTINGS_SIZE);
    LOCKED;
    state->permanentHardware = image;
}

EffectSettingsTypeDef SimulatedBoard::workingEffectSettings() const
{
    EffectSettingsTypeDef record;
    const QByteArray image = workingEffects();
    std::memcpy(&record, image.constData(), sizeof record);
    return record;
}

HardwareSettingsTypeDef SimulatedBoard::workingHardwareSettings() const
{
    HardwareSettingsTypeDef record;
    const QByteArray image = workingHardware();
    std::memcpy(&record, image.constData(), sizeof record);
    return record;
}

void SimulatedBoard::setBusyPolls(int polls)
{
    LOCKED;
    state->busyPollsPerChange = polls;
}

void SimulatedBoard::setBusyDuration(std::chrono::milliseconds duration)
{
    LOCKED;
    state->busyDuration = duration;
}

void SimulatedBoard::setBusyForever(bool on)
{
    LOCKED;
    state->busyForever = on;
}

bool SimulatedBoard::isBusy() const
{
    LOCKED;
    return state->busyForever || state->busyPollsLeft > 0 || Clock::now() < state->busyUntil;
}

void SimulatedBoard::failNextTransfers(int count, int error)
{
    LOCKED;
    state->failCount = count;
    state->failError = error;
}

void SimulatedBoard::unplugAfterTransfers(int count)
{
    LOCKED;
    if (count <= 0) {
        state->plugged = false;
        leaveBus(*state);
        state->unplugAfter = -1;
    } else {
        state->unplugAfter = count;
    }
}

void SimulatedBoard::setShortReads(int bytes)
{
    LOCKED;
    state->shortReads = bytes;
}

void SimulatedBoard::setRefuseOpen(bool refuse)
{
    LOCKED;
    state->refuseOpen = refuse;
}

void SimulatedBoard::setTransferDelay(std::chrono::microseconds delay)
{
    LOCKED;
    state->transferDelay = delay;
}

void SimulatedBoard::setFailSettingsReads(bool on)
{
    LOCKED;
    state->failSettingsReads = on;
}

void SimulatedBoard::setFailRecordReportsFrom(int first)
{
    LOCKED;
    state->failRecordReportsFrom = first;
}

void SimulatedBoard::setHanging(bool on, std::chrono::milliseconds latency, bool answerDeviceInfo)
{
    LOCKED;
    state->hanging = on;
    state->hangLatency = latency;
    state->hangAnswersDeviceInfo = answerDeviceInfo;
}

void SimulatedBoard::setRebootDuration(std::chrono::milliseconds duration)
{
    LOCKED;
    state->rebootDuration = duration;
}

int SimulatedBoard::rebootCount() const
{
    LOCKED;
    return state->rebootCount;
}

bool SimulatedBoard::inDfuMode() const
{
    LOCKED;
    return state->dfu;
}

BoardImage SimulatedBoard::image() const
{
    LOCKED;
    settle(*state);
    return imageOfState(*state);
}

void SimulatedBoard::setImage(const BoardImage &image)
{
    Q_ASSERT(image.workingEffects.size() == EFFECT_SETTINGS_SIZE &&
             image.permanentEffects.size() == EFFECT_SETTINGS_SIZE &&
             image.workingHardware.size() == HARDWARE_SETTINGS_SIZE &&
             image.permanentHardware.size() == HARDWARE_SETTINGS_SIZE);
    LOCKED;
    applyImage(*state, image);
}

void SimulatedBoard::setStore(std::shared_ptr<BoardStore> store)
{
    LOCKED;
    state->store = std::move(store);
}

bool BoardImage::operator==(const BoardImage &other) const
{
    return std::memcmp(&info, &other.info, sizeof info) == 0 &&
           workingEffects == other.workingEffects && workingHardware == other.workingHardware &&
           permanentEffects == other.permanentEffects &&
           permanentHardware == other.permanentHardware;
}

// ---------------------------------------------------------------- the bus

void Bus::plug(const SimulatedBoard &board)
{
    LOCKED;
    auto &boards = bus().boards;
    if (!boards.contains(board.state)) {
        // The first free socket, as a user plugs a board back where it was.
        int port = 1;
        while (std::any_of(boards.cbegin(), boards.cend(),
                           [port](const auto &other) { return other->port == port; }))
            ++port;
        board.state->port = port;
        boards.append(board.state);
    }
    board.state->plugged = true;
    board.state->dfu = startsInBootloader(*board.state);
}

void Bus::unplug(const SimulatedBoard &board)
{
    LOCKED;
    board.state->plugged = false;
    board.state->port = 0;
    leaveBus(*board.state);
    bus().boards.removeAll(board.state);
}

bool Bus::isPlugged(const SimulatedBoard &board)
{
    LOCKED;
    return onBus(*board.state);
}

int Bus::presence(int productId)
{
    LOCKED;
    for (const auto &s : bus().boards)
        if (s->productId == productId && onBus(*s))
            return s->generation;
    return -1;
}

void Bus::reset()
{
    LOCKED;
    for (const auto &s : bus().boards) {
        s->plugged = false;
        s->port = 0;
        leaveBus(*s);
    }
    bus().boards.clear();
    bus().awaited.clear();
    bus().log.clear();
    bus().openAttempts = 0;
    bus().inits = 0;
    bus().exits = 0;
    bus().openAtLastExit = 0;
}

QList<Transfer> Bus::transfers()
{
    LOCKED;
    return bus().log;
}

QList<Transfer> Bus::transfersFor(int productId)
{
    LOCKED;
    QList<Transfer> result;
    for (const Transfer &t : bus().log)
        if (t.productId == productId)
            result.append(t);
    return result;
}

void Bus::clearTransfers()
{
    LOCKED;
    bus().log.clear();
}

int Bus::openHandleCount()
{
    LOCKED;
    return bus().openHandles;
}

int Bus::openAttemptCount()
{
    LOCKED;
    return bus().openAttempts;
}

int Bus::initCount()
{
    LOCKED;
    return bus().inits;
}

int Bus::exitCount()
{
    LOCKED;
    return bus().exits;
}

int Bus::openHandlesAtLastExit()
{
    LOCKED;
    return bus().openAtLastExit;
}

// ---------------------------------------------------------------- demo boards

int productIdForDeviceType(uint8_t deviceType)
{
    switch (deviceType) {
    case DEVICE_TYPE_JOYSTICK:
        return BOARD_PRODUCT_ID_JOYSTICK;
    case DEVICE_TYPE_RUDDER:
        return BOARD_PRODUCT_ID_RUDDER;
    case DEVICE_TYPE_WHEEL:
        return BOARD_PRODUCT_ID_WHEEL;
    case DEVICE_TYPE_COLLECTIVE:
        return BOARD_PRODUCT_ID_COLLECTIVE;
    default:
        return BOARD_PRODUCT_ID_GENERIC;
    }
}

namespace {

// A function, not a global: the demo parses its boards while the program's
// statics are still being built.
const QStringList &demoFaultNames()
{
    static const QStringList names = {QStringLiteral("fail-reads"), QStringLiteral("fail-writes"),
                                      QStringLiteral("busy-forever"), QStringLiteral("hang")};
    return names;
}
// fail-writes: the first two reports of every record go through, so the
// failure lands in the middle of a record.
constexpr int DEMO_FAILING_RECORD_REPORT = 3;

bool applyDemoFault(SimulatedBoard &board, const QString &fault)
{
    if (fault == demoFaultNames().at(0))
        board.setFailSettingsReads(true);
    else if (fault == demoFaultNames().at(1))
        board.setFailRecordReportsFrom(DEMO_FAILING_RECORD_REPORT);
    else if (fault == demoFaultNames().at(2))
        board.setBusyForever(true);
    else if (fault == demoFaultNames().at(3))
        // Still listed, so that the user can pick it and see what a board
        // that stopped answering does to an operation.
        board.setHanging(true, HANG_LATENCY, true);
    else
        return applyBootloaderDemoFault(board, fault);
    return true;
}

}  // namespace

bool parseDemoBoards(const QString &value, QList<SimulatedBoard> &boards, QString *error)
{
    static const QStringList typeNames = [] {
        QStringList names;
        for (const BoardModel &model : BOARD_MODELS)
            names << QLatin1String(model.key);
        return names;
    }();
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QList<SimulatedBoard> parsed;
    const QStringList entries = value.split(QLatin1Char(','));
    for (const QString &raw : entries) {
        const QString entry = raw.trimmed();
        if (entry.isEmpty())
            return fail(QStringLiteral("empty board entry"));
        const QStringList withFault = entry.split(QLatin1Char(':'));
        if (withFault.size() > 2)
            return fail(QStringLiteral("more than one ':' in \"%1\"").arg(entry));
        const QStringList parts = withFault.at(0).split(QLatin1Char('@'));
        if (parts.size() > 2)
            return fail(QStringLiteral("more than one '@' in \"%1\"").arg(entry));
        const int type = int(typeNames.indexOf(parts.at(0).trimmed().toLower()));
        if (type < 0)
            return fail(QStringLiteral("unknown board type \"%1\" (known: %2)")
                            .arg(parts.at(0), typeNames.join(QStringLiteral(", "))));
        uint32_t version = SUPPORTED_FIRMWARE_VERSION;
        if (parts.size() == 2) {
            bool ok = false;
            version = parts.at(1).trimmed().toUInt(&ok);
            if (!ok)
                return fail(
                    QStringLiteral("firmware version \"%1\" is not a number").arg(parts.at(1)));
        }
        SimulatedBoard board(productIdForDeviceType(uint8_t(type)), uint8_t(type), version);
        if (withFault.size() == 2 && !applyDemoFault(board, withFault.at(1).trimmed().toLower()))
            return fail(QStringLiteral("unknown fault \"%1\" (known: %2)")
                            .arg(withFault.at(1), (demoFaultNames() + bootloaderDemoFaultNames())
                                                      .join(QStringLiteral(", "))));
        parsed.append(board);
    }
    boards = parsed;
    return true;
}

}  // namespace boardsim

// ---------------------------------------------------------------- libusb C API

using boardsim::bus;

extern "C" {

// A context of its own (the in-process flasher's, on a thread of its own)
// is told apart from the default one, whose start and end the counters
// follow: its end says nothing about the handles the program holds.
static char separateContext;

int LIBUSB_CALL libusb_init(libusb_context **ctx)
{
    LOCKED;
    if (ctx) {
        *ctx = reinterpret_cast<libusb_context *>(&separateContext);
        return LIBUSB_SUCCESS;
    }
    ++bus().inits;
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_exit(libusb_context *ctx)
{
    LOCKED;
    if (ctx)
        return;
    ++bus().exits;
    bus().openAtLastExit = bus().openHandles;
}

libusb_device_handle *LIBUSB_CALL libusb_open_device_with_vid_pid(libusb_context *,
                                                                  uint16_t vendor_id,
                                                                  uint16_t product_id)
{
    LOCKED;
    ++bus().openAttempts;
    if (vendor_id != boardsim::VENDOR_ID)
        return nullptr;
    // The board awaited back from a reboot if there is one, else the first
    // matching board in port order, as the hidraw backend chooses.
    QList<std::shared_ptr<boardsim::SimulatedBoard::State>> candidates;
    for (const auto &s : bus().boards)
        if (s->productId == product_id && boardsim::onBus(*s))
            candidates.append(s);
    std::sort(candidates.begin(), candidates.end(),
              [](const auto &a, const auto &b) { return a->port < b->port; });
    const auto awaited = bus().awaited.constFind(product_id);
    if (awaited != bus().awaited.cend()) {
        const auto back = std::find_if(candidates.cbegin(), candidates.cend(),
                                       [&](const auto &s) { return s->port == awaited->port; });
        if (back != candidates.cend())
            candidates = {*back};
        else if (Clock::now() < awaited->until)
            return nullptr;
    }
    if (candidates.isEmpty() || candidates.first()->refuseOpen)
        return nullptr;
    bus().awaited.remove(product_id);
    auto *handle = new libusb_device_handle;
    handle->board = candidates.first();
    handle->generation = candidates.first()->generation;
    ++bus().openHandles;
    return handle;
}

void LIBUSB_CALL libusb_close(libusb_device_handle *handle)
{
    if (!handle)
        return;
    if (handle->bootloader) {
        {
            LOCKED;
            --bus().openHandles;
        }
        delete handle;
        return;
    }
    {
        LOCKED;
        --bus().openHandles;
        const auto &board = *handle->board;
        const bool othersAttached =
            std::any_of(bus().boards.cbegin(), bus().boards.cend(), [&](const auto &s) {
                return s.get() != &board && s->productId == board.productId && boardsim::onBus(*s);
            });
        if (othersAttached && board.port > 0)
            bus().awaited.insert(
                board.productId,
                boardsim::AwaitedBoard{board.port, Clock::now() + boardsim::REBOOT_GRACE});
    }
    delete handle;
}

int LIBUSB_CALL libusb_control_transfer(libusb_device_handle *handle, uint8_t request_type,
                                        uint8_t bRequest, uint16_t wValue, uint16_t wIndex,
                                        unsigned char *data, uint16_t wLength, unsigned int timeout)
{
    if (!handle)
        return LIBUSB_ERROR_INVALID_PARAM;
    if (handle->bootloader)
        return boardsim::bootloaderControlTransfer(handle, request_type, bRequest, wValue, wIndex,
                                                   data, wLength);
    const bool write = (request_type & 0x80) == 0;
    std::chrono::microseconds delay{0};
    bool hung = false;
    {
        LOCKED;
        const auto &s = *handle->board;
        delay = s.transferDelay;
        hung = s.hanging && !(s.hangAnswersDeviceInfo && !write &&
                              wValue == (HID_REPORT_TYPE_FEATURE | REPORT_ID_DEVICE_INFO));
        if (hung)
            delay += s.hangLatency;
    }
    if (delay.count() > 0)
        QThread::usleep(static_cast<unsigned long>(delay.count()));

    LOCKED;
    auto &s = *handle->board;
    boardsim::Transfer t;
    t.productId = s.productId;
    t.requestType = request_type;
    t.request = bRequest;
    t.value = wValue;
    t.index = wIndex;
    t.length = wLength;
    t.timeout = timeout;
    if (write && data)
        t.data = QByteArray(reinterpret_cast<const char *>(data), wLength);

    boardsim::BoardImage before;
    if (s.store) {
        boardsim::settle(s);
        before = boardsim::imageOfState(s);
        boardsim::BoardImage stored = before;
        s.store->load(stored);
        if (stored != before)
            boardsim::applyImage(s, stored);
        before = stored;
    }

    int result = 0;
    if (handle->generation != s.generation || !boardsim::onBus(s)) {
        result = LIBUSB_ERROR_NO_DEVICE;
    } else if (hung) {
        result = LIBUSB_ERROR_TIMEOUT;
    } else if (s.failCount > 0) {
        --s.failCount;
        result = s.failError;
    } else if (write && data && boardsim::failsRecordReport(s, data, wLength)) {
        result = LIBUSB_ERROR_PIPE;
    } else if (!write && s.failSettingsReads &&
               (wValue == (HID_REPORT_TYPE_FEATURE | REPORT_ID_EFFECT_SETTINGS) ||
                wValue == (HID_REPORT_TYPE_FEATURE | REPORT_ID_HARDWARE_SETTINGS))) {
        result = LIBUSB_ERROR_IO;
    } else if (write && request_type == HID_REQUEST_TYPE_SET && bRequest == HID_SET_REPORT &&
               wIndex == 0 && data) {
        result = boardsim::handleWrite(s, wValue, data, wLength);
    } else if (!write && request_type == HID_REQUEST_TYPE_GET && bRequest == HID_GET_REPORT &&
               wIndex == 0 && data) {
        result = boardsim::handleRead(s, wValue, data, wLength);
        if (result > 0)
            t.data = QByteArray(reinterpret_cast<const char *>(data), result);
    } else {
        result = LIBUSB_ERROR_PIPE;
    }
    t.result = result;
    bus().log.append(t);
    if (s.store) {
        const boardsim::BoardImage after = boardsim::imageOfState(s);
        s.store->store(after, after != before);
    }

    if (result != LIBUSB_ERROR_NO_DEVICE && s.unplugAfter > 0 && --s.unplugAfter == 0) {
        s.unplugAfter = -1;
        s.plugged = false;
        boardsim::leaveBus(s);
    }
    return result;
}

// Named as the real library names them, so that messages read the same
// whichever library the program runs on.
const char *LIBUSB_CALL libusb_error_name(int errcode)
{
    return libusbErrorName(errcode);
}

}  // extern "C"

// ---------------------------------------------------------------- the link seams

UsbBackendInfo usbBackendInfo()
{
    return {"simulated boards", BoardNodeKind::Hidraw};
}

QList<AttachedBoard> enumerateAttachedBoards(int vendorId, const QList<int> &productIds,
                                             bool *known)
{
    if (known)
        *known = true;
    QList<AttachedBoard> attached;
    if (vendorId != boardsim::VENDOR_ID)
        return attached;
    LOCKED;
    for (const auto &s : bus().boards) {
        if (!boardsim::onBus(*s) || !productIds.contains(s->productId))
            continue;
        AttachedBoard board;
        board.productId = s->productId;
        board.port = QStringLiteral("1-%1").arg(s->port);
        // A board that refuses to be opened looks like one without the udev
        // rule: a node only its owner, root, may open.
        constexpr uint32_t SEAT_ACCESS = 0666;
        constexpr uint32_t ROOT_ONLY = 0600;
        board.hidrawNode.path = QStringLiteral("/dev/hidraw%1").arg(s->port - 1);
        board.hidrawNode.exists = true;
        board.hidrawNode.mode = s->refuseOpen ? ROOT_ONLY : SEAT_ACCESS;
        board.hasHidraw = true;
        board.usbNode = board.hidrawNode;
        board.usbNode.path =
            QStringLiteral("/dev/bus/usb/001/%1").arg(s->port + 1, 3, 10, QLatin1Char('0'));
        board.interfaceDriver = QStringLiteral("usbhid");
        attached.append(board);
    }
    std::sort(attached.begin(), attached.end(),
              [](const AttachedBoard &a, const AttachedBoard &b) { return a.port < b.port; });
    return attached;
}

QStringList programsHoldingNode(const QString &)
{
    return {};
}
