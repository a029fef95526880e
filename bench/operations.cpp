// Cost of each settings operation against a simulated board that is never
// busy: control transfers per operation, busy reads among them, and wall
// time. The simulated transfers take microseconds, so the time above the
// busy-poll sleeps is what the program itself adds (framing, locking, the
// wait cursor, signal delivery).
#include "bench/benchsupport.h"

#include "boardsim/simulatedboard.h"
#include "device/featurereporttransport.h"
#include "device/settingsuibackgroundthread.h"

#include <libusb.h>

#include <QApplication>
#include <QMap>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using boardsim::Bus;
using boardsim::SimulatedBoard;

const QList<int> PRODUCT_IDS = {BOARD_PRODUCT_ID_GENERIC, BOARD_PRODUCT_ID_JOYSTICK,
                                BOARD_PRODUCT_ID_RUDDER, BOARD_PRODUCT_ID_WHEEL,
                                BOARD_PRODUCT_ID_COLLECTIVE};
constexpr int BOARD_PID =
    BOARD_PRODUCT_ID_JOYSTICK;  // a joystick: both axes of every record in use

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Scans until the board is listed again, as the running program would over
// its next seconds. Returns false when it does not come back.
bool reconnect(SettingsUiBackgroundThread &worker, const QMap<int, FirmwareInfoTypeDef> &lastScan)
{
    for (int scan = 0; scan < 3; ++scan) {
        worker.checkDeviceConnections();
        if (lastScan.contains(BOARD_PID))
            return true;
    }
    return false;
}

struct Operation {
    const char *key;
    std::function<void()> run;
    // Brings the board back after an operation that sends it off the bus.
    std::function<void()> restore;
};

}  // namespace

int main(int argc, char *argv[])
{
    bench::defaultToOffscreen();
    // The busy poll sets the application's wait cursor, so the operations
    // run where the program runs them: on the GUI thread of a QApplication.
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const int repeats = std::max(
        1, args.value(args.indexOf(QStringLiteral("--repeats")) + 1, QStringLiteral("15")).toInt());

    SimulatedBoard board(BOARD_PID, DEVICE_TYPE_JOYSTICK);
    board.setBusyPolls(0);
    board.setBusyDuration(std::chrono::milliseconds(0));
    board.setRebootDuration(std::chrono::milliseconds(0));
    Bus::plug(board);

    SettingsUiBackgroundThread worker(PRODUCT_IDS, BOARD_VENDOR_ID);
    libusb_init(nullptr);

    QMap<int, FirmwareInfoTypeDef> lastScan;
    QObject::connect(
        &worker, &SettingsUiBackgroundThread::connectedDevices,
        [&lastScan](const QMap<int, FirmwareInfoTypeDef> &devices) { lastScan = devices; });
    // Receivers that take the record, as the settings panels do.
    EffectSettingsTypeDef effectsReceived{};
    HardwareSettingsTypeDef hardwareReceived{};
    QObject::connect(&worker, &SettingsUiBackgroundThread::effectSettingsObtained,
                     [&effectsReceived](const EffectSettingsTypeDef &s) { effectsReceived = s; });
    QObject::connect(
        &worker, &SettingsUiBackgroundThread::hardwareSettingsObtained,
        [&hardwareReceived](const HardwareSettingsTypeDef &s) { hardwareReceived = s; });

    if (!reconnect(worker, lastScan)) {
        std::fprintf(stderr, "the simulated board was not found\n");
        return 1;
    }

    const EffectSettingsTypeDef effects = board.workingEffectSettings();
    const HardwareSettingsTypeDef hardware = board.workingHardwareSettings();
    auto back = [&] { reconnect(worker, lastScan); };
    auto replugAndBack = [&] {
        Bus::plug(board);  // leaves DFU mode, as after flashing
        reconnect(worker, lastScan);
    };
    const std::vector<Operation> operations = {
        // The busy poll's sleep alone, for what the scheduler adds to it here.
        {"sleep", [] { QThread::msleep(BUSY_POLL_INTERVAL_MS); }, {}},
        {"read_effects", [&] { worker.readEffectSettings(BOARD_PID); }, {}},
        {"apply_effects", [&] { worker.applyEffectSettings(BOARD_PID, effects); }, {}},
        {"save_effects", [&] { worker.saveEffectsSettings(BOARD_PID, effects); }, {}},
        {"read_hardware", [&] { worker.readHardwareSettings(BOARD_PID); }, {}},
        {"apply_hardware", [&] { worker.applyHardwareSettings(BOARD_PID, hardware); }, {}},
        {"save_hardware", [&] { worker.saveHardwareSettings(BOARD_PID, hardware); }, {}},
        {"reboot", [&] { worker.rebootControllerRequest(BOARD_PID); }, back},
        {"dfu", [&] { worker.switchtoDfuRequest(BOARD_PID); }, replugAndBack},
    };

    for (const Operation &operation : operations) {
        std::vector<double> millis;
        int transfers = -1;
        int busyReads = -1;
        bool steady = true;
        for (int i = 0; i < repeats; ++i) {
            Bus::clearTransfers();
            const auto start = std::chrono::steady_clock::now();
            operation.run();
            const auto end = std::chrono::steady_clock::now();
            millis.push_back(std::chrono::duration<double, std::milli>(end - start).count());

            const QList<boardsim::Transfer> log = Bus::transfersFor(BOARD_PID);
            const int busy = int(std::count_if(log.cbegin(), log.cend(), [](const auto &t) {
                return !t.isWrite() && t.reportId() == REPORT_ID_BUSY_STATUS;
            }));
            if (transfers >= 0 && (transfers != log.size() || busyReads != busy))
                steady = false;
            transfers = int(log.size());
            busyReads = busy;
            if (operation.restore)
                operation.restore();
        }
        if (!steady)
            std::fprintf(stderr, "%s: transfer count changed between repeats\n", operation.key);
        const QByteArray prefix = QByteArray("op.") + operation.key;
        bench::printResult(prefix + ".transfers", transfers);
        bench::printResult(prefix + ".busy_reads", busyReads);
        bench::printResult(prefix + ".ms", median(millis));
        bench::printResult(prefix + ".over_poll_ms",
                           median(millis) - busyReads * double(BUSY_POLL_INTERVAL_MS));
    }

    worker.shutdown();
    libusb_exit(nullptr);
    return 0;
}
