// How long the GUI thread is blocked by an Apply to a healthy board while a
// second board has stopped answering: every transfer to the hung board takes
// the Linux HID driver's 5 s and then fails, and the once-a-second scan keeps
// trying it on the worker thread. The Applies are spread over several of the
// hung board's scan transfers, so that some of them start during one.
#include "bench/benchsupport.h"

#include "boardsim/simulatedboard.h"
#include "device/settingsuibackgroundthread.h"

#include <libusb.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using boardsim::Bus;
using boardsim::SimulatedBoard;

constexpr int HEALTHY_PID = BOARD_PRODUCT_ID_JOYSTICK;
constexpr int HUNG_PID = BOARD_PRODUCT_ID_WHEEL;
constexpr int APPLY_SPACING_MS = 230;         // ms between two Applies, prime to the scan period
constexpr int MEASURE_SECONDS = 12;           // s: two and more of the hung board's transfers
constexpr int FIRST_SCAN_TIMEOUT_MS = 10000;  // ms

}  // namespace

int main(int argc, char *argv[])
{
    bench::defaultToOffscreen();
    QApplication app(argc, argv);

    SimulatedBoard healthy(HEALTHY_PID, DEVICE_TYPE_JOYSTICK);
    SimulatedBoard hung(HUNG_PID, DEVICE_TYPE_WHEEL);
    hung.setHanging(true, boardsim::HANG_LATENCY);
    Bus::plug(healthy);
    Bus::plug(hung);

    libusb_init(nullptr);
    auto *worker = new SettingsUiBackgroundThread({HEALTHY_PID, HUNG_PID}, BOARD_VENDOR_ID);
    bool listed = false;
    QObject::connect(worker, &SettingsUiBackgroundThread::connectedDevices, &app,
                     [&listed](const QMap<int, FirmwareInfoTypeDef> &devices) {
                         listed = listed || devices.contains(HEALTHY_PID);
                     });
    QThread thread;
    thread.start();
    worker->moveToThread(&thread);
    QMetaObject::invokeMethod(worker, "start", Qt::QueuedConnection);

    const QDeadlineTimer firstScan(FIRST_SCAN_TIMEOUT_MS);
    while (!listed && !firstScan.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    if (!listed) {
        std::fprintf(stderr, "the healthy board was not listed\n");
        SettingsUiBackgroundThread::stopAndDelete(worker, &thread);
        return 1;
    }

    const EffectSettingsTypeDef effects = healthy.workingEffectSettings();
    std::vector<double> millis;
    int failures = 0;
    const QDeadlineTimer end{std::chrono::seconds(MEASURE_SECONDS)};
    while (!end.hasExpired()) {
        const auto start = std::chrono::steady_clock::now();
        if (!worker->writeEffectSettings(HEALTHY_PID, effects, false).succeeded())
            ++failures;
        const auto stop = std::chrono::steady_clock::now();
        millis.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
        QCoreApplication::processEvents();
        QThread::msleep(APPLY_SPACING_MS);
    }

    SettingsUiBackgroundThread::stopAndDelete(worker, &thread);
    libusb_exit(nullptr);

    std::sort(millis.begin(), millis.end());
    bench::printResult("hung.apply_max_ms", millis.back());
    bench::printResult("hung.apply_median_ms", millis[millis.size() / 2]);
    bench::printResult("hung.applies", double(millis.size()));
    bench::printResult("hung.failures", failures);
    return 0;
}
