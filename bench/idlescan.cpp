// The once-a-second device scan while nobody touches the program.
//
//   bench_idlescan --boards N --cpu-seconds S
//       runs the worker as the main window does (own thread, scan timer) and
//       measures the process's CPU time over S seconds of real scanning;
//   bench_idlescan --boards N --scans K
//       drives K scans directly and compares resident memory and the heap in
//       use before and after (after a short warm-up that fills the table).
#include "bench/benchsupport.h"

#include "boardsim/simulatedboard.h"
#include "device/settingsuibackgroundthread.h"

#include <libusb.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

using boardsim::Bus;
using boardsim::SimulatedBoard;

const QList<int> PRODUCT_IDS = {BOARD_PRODUCT_ID_GENERIC, BOARD_PRODUCT_ID_JOYSTICK,
                                BOARD_PRODUCT_ID_RUDDER, BOARD_PRODUCT_ID_WHEEL,
                                BOARD_PRODUCT_ID_COLLECTIVE};
constexpr int WARM_UP_SCANS = 100;

int optionValue(const QStringList &args, const QString &name, int fallback)
{
    const int at = int(args.indexOf(name));
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
}

// One board of each device type, so each sits under its own product id.
QList<SimulatedBoard> plugBoards(int count)
{
    QList<SimulatedBoard> boards;
    for (int type = 0; type < count && type < PRODUCT_IDS.size(); ++type) {
        boards.append(
            SimulatedBoard(boardsim::productIdForDeviceType(uint8_t(type)), uint8_t(type)));
        Bus::plug(boards.last());
    }
    return boards;
}

int measureCpu(QCoreApplication &app, int boardCount, int seconds)
{
    SettingsUiBackgroundThread *worker =
        new SettingsUiBackgroundThread(PRODUCT_IDS, BOARD_VENDOR_ID);
    libusb_init(nullptr);
    QThread thread;
    thread.start();
    worker->moveToThread(&thread);
    QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::start, Qt::QueuedConnection);

    // The window starts at the first scan's report, so that the figure holds
    // whole scan periods and none of the start-up work.
    int scans = 0;
    int listed = -1;
    double cpuAtStart = 0;
    QElapsedTimer wall;
    QObject::connect(worker, &SettingsUiBackgroundThread::connectedDevices, &app,
                     [&](const QMap<int, FirmwareInfoTypeDef> &devices) {
                         listed = int(devices.size());
                         if (!wall.isValid()) {
                             cpuAtStart = bench::processCpuSeconds();
                             wall.start();
                             QTimer::singleShot(seconds * 1000, &app, [&] {
                                 const double cpu = bench::processCpuSeconds() - cpuAtStart;
                                 const double elapsed = wall.nsecsElapsed() / 1e9;
                                 const QByteArray key =
                                     "idle.worker.boards" + QByteArray::number(boardCount);
                                 bench::printResult(key + ".cpu_percent", 100 * cpu / elapsed);
                                 bench::printResult(key + ".scans", scans);
                                 bench::printResult(key + ".listed", listed);
                                 QCoreApplication::quit();
                             });
                         } else {
                             ++scans;
                         }
                     });
    const int status = QCoreApplication::exec();
    SettingsUiBackgroundThread::stopAndDelete(worker, &thread);
    libusb_exit(nullptr);
    return status;
}

int measureMemory(int boardCount, int scans)
{
    SettingsUiBackgroundThread worker(PRODUCT_IDS, BOARD_VENDOR_ID);
    libusb_init(nullptr);
    // The map reaches its receiver by value, as it reaches the main window.
    QMap<int, FirmwareInfoTypeDef> lastScan;
    QObject::connect(
        &worker, &SettingsUiBackgroundThread::connectedDevices,
        [&lastScan](const QMap<int, FirmwareInfoTypeDef> &devices) { lastScan = devices; });
    // The simulated bus logs every transfer for the tests; that log is not
    // the program's memory, so it is emptied after each scan.
    auto scan = [&worker] {
        worker.checkDeviceConnections();
        Bus::clearTransfers();
    };
    for (int i = 0; i < WARM_UP_SCANS; ++i)
        scan();
    // The probes themselves touch memory the first time they run.
    bench::residentKiB();
    bench::heapInUseBytes();
    const long rssBefore = bench::residentKiB();
    const double heapBefore = double(bench::heapInUseBytes());
    for (int i = 0; i < scans; ++i)
        scan();
    const long rssAfter = bench::residentKiB();
    const double heapAfter = double(bench::heapInUseBytes());

    const QByteArray key = "scanmem.boards" + QByteArray::number(boardCount);
    bench::printResult(key + ".scans", scans);
    bench::printResult(key + ".listed", lastScan.size());
    bench::printResult(key + ".rss_before_kib", rssBefore);
    bench::printResult(key + ".rss_after_kib", rssAfter);
    bench::printResult(key + ".rss_growth_kib", rssAfter - rssBefore);
    bench::printResult(key + ".heap_growth_bytes", heapAfter - heapBefore);

    worker.shutdown();
    libusb_exit(nullptr);
    return 0;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int boardCount = optionValue(args, QStringLiteral("--boards"), 0);
    const QList<SimulatedBoard> boards = plugBoards(boardCount);
    const int scans = optionValue(args, QStringLiteral("--scans"), 0);
    if (scans > 0)
        return measureMemory(boardCount, scans);
    const int seconds = optionValue(args, QStringLiteral("--cpu-seconds"), 0);
    if (seconds > 0)
        return measureCpu(app, boardCount, seconds);
    std::fprintf(stderr, "usage: %s --boards N (--cpu-seconds S | --scans K)\n", argv[0]);
    return 2;
}
