#include "endtoendtest.h"

#include "device/featurereporttransport.h"
#include "device/firmwareinfo.h"
#include "device/settingsuibackgroundthread.h"
#include "settings/effectsettings.h"
#include "settings/hardwaresettings.h"

#include <libusb.h>

#include <QDeadlineTimer>
#include <QThread>
#include <QtTest>

#include <cstring>

using e2e::EmulatedBoard;
using e2e::WireRequest;

namespace {

constexpr uint16_t VENDOR_ID = 0x045B;
constexpr uint16_t GENERIC_PID = 22000;
constexpr uint16_t JOYSTICK_PID = 22777;
constexpr uint16_t WHEEL_PID = 22999;
constexpr int VISIBLE_WITHIN_MS = 5000;  // ms for a library to notice a new board
// The boards the program scans for, in its own order.
const QList<int> PRODUCT_IDS = {22000, 22777, 22888, 22999, 22001};

QByteArray patternRecord(int size, int seed)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 13 + seed) & 0xFF);
    return bytes;
}

WireRequest setReport(const QByteArray &report)
{
    WireRequest r;
    r.requestType = 0x21;
    r.request = 0x09;
    r.value = 0x0320;
    r.length = uint16_t(report.size());
    r.data = report;
    return r;
}

WireRequest getReport(uint8_t reportId, const QByteArray &reply)
{
    WireRequest r;
    r.requestType = 0xA1;
    r.request = 0x01;
    r.value = uint16_t(0x0300 | reportId);
    r.length = 1024;
    r.data = reply;
    return r;
}

// The reports of a chunked record write, from the framing table: each data
// report carries its offset and the bytes remaining from there, its chunk at
// byte 6, and past a short chunk what the previous report had; the
// terminator repeats the last data report with 0xFFFF as "remaining".
QList<WireRequest> recordReports(uint8_t command, const QByteArray &record,
                                 const QList<int> &offsets, const QList<int> &remaining)
{
    QList<WireRequest> reports;
    QByteArray report(65, '\0');
    report[0] = char(0x20);
    report[1] = char(command);
    for (qsizetype k = 0; k < offsets.size(); ++k) {
        report[2] = char(offsets[k] & 0xFF);
        report[3] = char(offsets[k] >> 8);
        report[4] = char(remaining[k] & 0xFF);
        report[5] = char(remaining[k] >> 8);
        const QByteArray chunk = record.mid(offsets[k], 58);
        report.replace(6, int(chunk.size()), chunk);
        reports.append(setReport(report));
    }
    report[4] = char(0xFF);
    report[5] = char(0xFF);
    reports.append(setReport(report));
    return reports;
}

WireRequest busyRead(bool busy)
{
    QByteArray reply(64, '\0');
    reply[0] = busy ? 1 : 0;
    return getReport(0x24, reply);
}

template <typename Record> Record recordFrom(const QByteArray &bytes)
{
    Record record;
    Q_ASSERT(bytes.size() == int(sizeof record));
    std::memcpy(&record, bytes.constData(), sizeof record);
    return record;
}

template <typename Record> QByteArray bytesOf(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof record));
}

}  // namespace

EndToEndTest::~EndToEndTest() = default;

QString EndToEndTest::describe(const WireRequest &r)
{
    return QStringLiteral("%1 type %2 request %3 value %4 index %5 length %6%7 data %8")
        .arg(r.isWrite() ? QStringLiteral("OUT") : QStringLiteral("IN"))
        .arg(r.requestType, 2, 16, QLatin1Char('0'))
        .arg(r.request, 2, 16, QLatin1Char('0'))
        .arg(r.value, 4, 16, QLatin1Char('0'))
        .arg(r.index, 4, 16, QLatin1Char('0'))
        .arg(r.length)
        .arg(r.stalled ? QStringLiteral(" STALL") : QString())
        .arg(QString::fromLatin1(r.data.toHex(' ')));
}

QStringList EndToEndTest::describe(const QList<WireRequest> &requests)
{
    QStringList lines;
    for (const WireRequest &r : requests)
        lines.append(describe(r));
    return lines;
}

std::shared_ptr<EmulatedBoard> EndToEndTest::plugBoard(uint16_t productId, uint8_t deviceType)
{
    auto board = std::make_shared<EmulatedBoard>(productId, deviceType, 240719);
    QString error;
    if (!bus->plug(board, &error)) {
        qWarning("cannot plug a board into the emulated %s: %s", qPrintable(bus->name()),
                 qPrintable(error));
        return nullptr;
    }
    return board;
}

libusb_device_handle *EndToEndTest::openWhenVisible(uint16_t productId)
{
    QDeadlineTimer deadline(VISIBLE_WITHIN_MS);
    for (;;) {
        if (libusb_device_handle *handle =
                libusb_open_device_with_vid_pid(nullptr, VENDOR_ID, productId)) {
            openHandles.append(handle);
            return handle;
        }
        if (deadline.hasExpired())
            return nullptr;
        QTest::qWait(10);
    }
}

void EndToEndTest::closeHandle(libusb_device_handle *handle)
{
    if (openHandles.removeOne(handle))
        libusb_close(handle);
}

void EndToEndTest::startWorker()
{
    scans.clear();
    worker = new SettingsUiBackgroundThread(PRODUCT_IDS, VENDOR_ID);
    connect(worker, &SettingsUiBackgroundThread::connectedDevices, this,
            [this](const FirmwareInfoMap &devices) { scans.append(devices); });
    workerThread = new QThread;
    workerThread->start();
    worker->moveToThread(workerThread);
}

void EndToEndTest::stopWorker()
{
    if (!workerThread)
        return;
    SettingsUiBackgroundThread::stopAndDelete(worker, workerThread);
    delete workerThread;
    worker = nullptr;
    workerThread = nullptr;
}

bool EndToEndTest::scanOnce(FirmwareInfoMap *devices)
{
    const qsizetype before = scans.size();
    QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::checkDeviceConnections,
                              Qt::BlockingQueuedConnection);
    // The map comes through the queued connection, like every map the main
    // window receives.
    QDeadlineTimer deadline(VISIBLE_WITHIN_MS);
    while (scans.size() == before && !deadline.hasExpired())
        QTest::qWait(1);
    if (scans.size() == before)
        return false;
    *devices = scans.last();
    return true;
}

bool EndToEndTest::scanUntil(uint16_t productId, bool listed)
{
    QDeadlineTimer deadline(VISIBLE_WITHIN_MS);
    for (;;) {
        FirmwareInfoMap devices;
        if (scanOnce(&devices) && devices.contains(productId) == listed)
            return true;
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
}

void EndToEndTest::initTestCase()
{
    // Without the preload the libraries would search the real machine; that
    // must fail the run, never pass it quietly.
    QVERIFY2(kernel.preloadActive(),
             "libumockdev-preload is not loaded: run this test through ctest, "
             "or with LD_PRELOAD=libumockdev-preload.so.0 (package umockdev)");
    bus = createBus();
    QVERIFY(bus);
    // After the testbed exists, so that libusb's hotplug monitor listens to
    // the emulated uevents.
    QCOMPARE(libusb_init(nullptr), int(LIBUSB_SUCCESS));
}

void EndToEndTest::cleanup()
{
    stopWorker();
    for (libusb_device_handle *handle : std::as_const(openHandles))
        libusb_close(handle);
    openHandles.clear();
    if (bus)
        bus->unplugAll();
}

void EndToEndTest::cleanupTestCase()
{
    libusb_exit(nullptr);
    bus.reset();
}

void EndToEndTest::deviceInformationReachesTheProgram()
{
    const auto board = plugBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
    QVERIFY(board);
    libusb_device_handle *handle = openWhenVisible(JOYSTICK_PID);
    QVERIFY2(handle, qPrintable(bus->name() + QStringLiteral(": the board never became visible")));
    QCOMPARE(bus->openFiles(*board), 1);

    unsigned char buffer[READ_BUFFER_SIZE];
    std::memset(buffer, 0xEE, sizeof buffer);
    QCOMPARE(readFeatureReport(handle, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE), 64);
    // The record starts at byte 0: no report-id byte in front of it.
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer), 64), board->info());
    QCOMPARE(buffer[0], uint8_t(0x4F));
    QCOMPARE(buffer[1], uint8_t(0xAC));
    QCOMPARE(buffer[2], uint8_t(0x03));
    QCOMPARE(buffer[3], uint8_t(0x00));
    QCOMPARE(buffer[4], uint8_t(DEVICE_TYPE_JOYSTICK));
    QCOMPARE(buffer[64], uint8_t(0xEE));

    QCOMPARE(describe(board->requests()),
             describe(QList<WireRequest>{getReport(0x25, board->info())}));
    closeHandle(handle);
    QCOMPARE(bus->openFiles(*board), 0);
}

void EndToEndTest::boardsAreOpenedByProductId()
{
    const auto joystick = plugBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
    const auto wheel = plugBoard(WHEEL_PID, DEVICE_TYPE_WHEEL);
    QVERIFY(joystick && wheel);
    libusb_device_handle *wheelHandle = openWhenVisible(WHEEL_PID);
    libusb_device_handle *joystickHandle = openWhenVisible(JOYSTICK_PID);
    QVERIFY(wheelHandle && joystickHandle);
    QVERIFY(!libusb_open_device_with_vid_pid(nullptr, VENDOR_ID, GENERIC_PID));
    QVERIFY(!libusb_open_device_with_vid_pid(nullptr, 0x1234, JOYSTICK_PID));

    unsigned char buffer[READ_BUFFER_SIZE];
    QCOMPARE(readFeatureReport(wheelHandle, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE), 64);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer), 64), wheel->info());
    QCOMPARE(readFeatureReport(joystickHandle, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE),
             64);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer), 64), joystick->info());
    QCOMPARE(wheel->requests().size(), 1);
    QCOMPARE(joystick->requests().size(), 1);
}

void EndToEndTest::recordWriteReachesTheBoardByteForByte_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QList<int>>("offsets");
    QTest::addColumn<QList<int>>("remaining");

    QTest::newRow("effect record, 384 bytes") << 0x12 << QList<int>{0, 58, 116, 174, 232, 290, 348}
                                              << QList<int>{384, 326, 268, 210, 152, 94, 36};
    QTest::newRow("hardware record, 512 bytes")
        << 0x11 << QList<int>{0, 58, 116, 174, 232, 290, 348, 406, 464}
        << QList<int>{512, 454, 396, 338, 280, 222, 164, 106, 48};
}

void EndToEndTest::recordWriteReachesTheBoardByteForByte()
{
    QFETCH(int, command);
    QFETCH(QList<int>, offsets);
    QFETCH(QList<int>, remaining);
    const int length = remaining.first();

    const auto board = plugBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
    QVERIFY(board);
    libusb_device_handle *handle = openWhenVisible(JOYSTICK_PID);
    QVERIFY(handle);

    const QByteArray record = patternRecord(length, command);
    sendRecord(handle, uint8_t(command), record.constData(), uint16_t(length));

    QCOMPARE(describe(board->requests()),
             describe(recordReports(uint8_t(command), record, offsets, remaining)));
    // The board put the record together from the chunks it received.
    QCOMPARE(command == 0x12 ? board->workingEffects() : board->workingHardware(), record);
}

void EndToEndTest::commandReachesTheBoard_data()
{
    QTest::addColumn<int>("command");
    QTest::newRow("reboot") << 0x01;
    QTest::newRow("store permanently") << 0x02;
    QTest::newRow("firmware update mode") << 0x03;
}

void EndToEndTest::commandReachesTheBoard()
{
    QFETCH(int, command);
    const auto board = plugBoard(WHEEL_PID, DEVICE_TYPE_WHEEL);
    QVERIFY(board);
    libusb_device_handle *handle = openWhenVisible(WHEEL_PID);
    QVERIFY(handle);

    QCOMPARE(sendCommand(handle, uint8_t(command)), 65);
    QByteArray report(65, '\0');
    report[0] = char(0x20);
    report[1] = char(command);
    QCOMPARE(describe(board->requests()), describe(QList<WireRequest>{setReport(report)}));
}

void EndToEndTest::settingsReadReturnsTheBoardsRecord_data()
{
    QTest::addColumn<int>("reportId");
    QTest::addColumn<int>("size");
    QTest::newRow("effect settings") << 0x22 << 384;
    QTest::newRow("hardware settings") << 0x21 << 512;
}

void EndToEndTest::settingsReadReturnsTheBoardsRecord()
{
    QFETCH(int, reportId);
    QFETCH(int, size);
    const auto board = plugBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
    QVERIFY(board);
    const QByteArray image = patternRecord(size, reportId);
    if (reportId == 0x22)
        board->setWorkingEffects(image);
    else
        board->setWorkingHardware(image);
    libusb_device_handle *handle = openWhenVisible(JOYSTICK_PID);
    QVERIFY(handle);

    unsigned char buffer[READ_BUFFER_SIZE] = {};
    QCOMPARE(readFeatureReport(handle, uint8_t(reportId), buffer, READ_BUFFER_SIZE), size);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer), size), image);
    QCOMPARE(describe(board->requests()),
             describe(QList<WireRequest>{getReport(uint8_t(reportId), image)}));
}

void EndToEndTest::stalledReportIsAPipeError()
{
    const auto board = plugBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
    QVERIFY(board);
    libusb_device_handle *handle = openWhenVisible(JOYSTICK_PID);
    QVERIFY(handle);
    unsigned char buffer[READ_BUFFER_SIZE] = {};
    QCOMPARE(readFeatureReport(handle, 0x23, buffer, READ_BUFFER_SIZE), int(LIBUSB_ERROR_PIPE));
    // The handle stays usable after a stall.
    QCOMPARE(readFeatureReport(handle, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE), 64);
}

void EndToEndTest::unpluggedBoardGivesNoDevice()
{
    const auto board = plugBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
    QVERIFY(board);
    libusb_device_handle *handle = openWhenVisible(JOYSTICK_PID);
    QVERIFY(handle);

    bus->unplug(*board);
    board->clearRequests();
    // The busy poll relies on a failed read leaving the buffer as it was.
    unsigned char buffer[READ_BUFFER_SIZE] = {};
    buffer[0] = 1;
    QCOMPARE(readFeatureReport(handle, REPORT_ID_BUSY_STATUS, buffer, READ_BUFFER_SIZE),
             int(LIBUSB_ERROR_NO_DEVICE));
    QCOMPARE(buffer[0], uint8_t(1));
    QCOMPARE(sendCommand(handle, COMMAND_STORE_PERMANENTLY), int(LIBUSB_ERROR_NO_DEVICE));
    QVERIFY(board->requests().isEmpty());

    closeHandle(handle);
    QCOMPARE(bus->openFiles(*board), 0);
    QVERIFY(!libusb_open_device_with_vid_pid(nullptr, VENDOR_ID, JOYSTICK_PID));
}

void EndToEndTest::scanListsTheBoardWithItsInformation()
{
    const auto wheel = plugBoard(WHEEL_PID, DEVICE_TYPE_WHEEL);
    QVERIFY(wheel);
    startWorker();
    // The program's own start: the timer's first scan a second later.
    QMetaObject::invokeMethod(worker, &SettingsUiBackgroundThread::start, Qt::QueuedConnection);
    QTRY_VERIFY_WITH_TIMEOUT(!scans.isEmpty() && scans.last().contains(WHEEL_PID),
                             3 * DEVICE_SCAN_INTERVAL_MS + VISIBLE_WITHIN_MS);

    const FirmwareInfoMap devices = scans.last();
    QCOMPARE(devices.keys(), QList<int>{WHEEL_PID});
    QCOMPARE(bytesOf(devices.value(WHEEL_PID)), wheel->info());
    QCOMPARE(uint32_t(devices.value(WHEEL_PID).firmwareVersion), SUPPORTED_FIRMWARE_VERSION);
    QCOMPARE(int(devices.value(WHEEL_PID).deviceType), DEVICE_TYPE_WHEEL);
    QCOMPARE(bus->openFiles(*wheel), 1);

    // Every scan reads the information record of the open board, and nothing
    // else.
    for (const WireRequest &request : wheel->requests())
        QCOMPARE(describe(request), describe(getReport(0x25, wheel->info())));

    // The orderly stop closes the handle before the library is released.
    stopWorker();
    QCOMPARE(bus->openFiles(*wheel), 0);
}

void EndToEndTest::workerWritesReachTheBoardByteForByte_data()
{
    QTest::addColumn<bool>("hardware");
    QTest::addColumn<bool>("save");
    QTest::newRow("apply effect settings") << false << false;
    QTest::newRow("save effect settings") << false << true;
    QTest::newRow("apply hardware settings") << true << false;
    QTest::newRow("save hardware settings") << true << true;
}

void EndToEndTest::workerWritesReachTheBoardByteForByte()
{
    QFETCH(bool, hardware);
    QFETCH(bool, save);
    const auto board = plugBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
    QVERIFY(board);
    // The board is busy for one poll after the record and after the store,
    // so the order of record, polls and store command shows on the wire.
    board->setBusyPolls(1);
    startWorker();
    QVERIFY(scanUntil(JOYSTICK_PID, true));
    board->clearRequests();

    const int size = hardware ? EmulatedBoard::HARDWARE_SIZE : EmulatedBoard::EFFECTS_SIZE;
    const QByteArray record = patternRecord(size, save ? 91 : 17);
    const QList<int> offsets = hardware ? QList<int>{0, 58, 116, 174, 232, 290, 348, 406, 464}
                                        : QList<int>{0, 58, 116, 174, 232, 290, 348};
    const QList<int> remaining = hardware ? QList<int>{512, 454, 396, 338, 280, 222, 164, 106, 48}
                                          : QList<int>{384, 326, 268, 210, 152, 94, 36};
    // On the GUI thread, as the main window's closures call them.
    if (hardware && save)
        worker->saveHardwareSettings(JOYSTICK_PID, recordFrom<HardwareSettingsTypeDef>(record));
    else if (hardware)
        worker->applyHardwareSettings(JOYSTICK_PID, recordFrom<HardwareSettingsTypeDef>(record));
    else if (save)
        worker->saveEffectsSettings(JOYSTICK_PID, recordFrom<EffectSettingsTypeDef>(record));
    else
        worker->applyEffectSettings(JOYSTICK_PID, recordFrom<EffectSettingsTypeDef>(record));

    QList<WireRequest> expected = recordReports(hardware ? 0x11 : 0x12, record, offsets, remaining);
    expected << busyRead(true) << busyRead(false);
    if (save) {
        QByteArray store(65, '\0');
        store[0] = char(0x20);
        store[1] = char(0x02);
        expected << setReport(store) << busyRead(true) << busyRead(false);
    }
    QCOMPARE(describe(board->requests()), describe(expected));
    QCOMPARE(hardware ? board->workingHardware() : board->workingEffects(), record);
    const QByteArray permanent = hardware ? board->permanentHardware() : board->permanentEffects();
    QCOMPARE(permanent == record, save);
}

void EndToEndTest::workerReadsReturnTheBoardsRecords()
{
    const auto board = plugBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
    QVERIFY(board);
    board->setWorkingEffects(patternRecord(EmulatedBoard::EFFECTS_SIZE, 5));
    board->setWorkingHardware(patternRecord(EmulatedBoard::HARDWARE_SIZE, 6));
    startWorker();
    QVERIFY(scanUntil(JOYSTICK_PID, true));
    board->clearRequests();

    QSignalSpy effects(worker, &SettingsUiBackgroundThread::effectSettingsObtained);
    QSignalSpy hardware(worker, &SettingsUiBackgroundThread::hardwareSettingsObtained);
    worker->readEffectSettings(JOYSTICK_PID);
    worker->readHardwareSettings(JOYSTICK_PID);
    QCOMPARE(effects.size(), 1);
    QCOMPARE(hardware.size(), 1);
    QCOMPARE(bytesOf(effects.first().first().value<EffectSettingsTypeDef>()),
             board->workingEffects());
    QCOMPARE(bytesOf(hardware.first().first().value<HardwareSettingsTypeDef>()),
             board->workingHardware());
    QCOMPARE(describe(board->requests()),
             describe(QList<WireRequest>{getReport(0x22, board->workingEffects()),
                                         getReport(0x21, board->workingHardware())}));
}

void EndToEndTest::unpluggedBoardIsDroppedAndItsHandleClosed()
{
    const auto joystick = plugBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
    const auto rudder = plugBoard(22888, DEVICE_TYPE_RUDDER);
    QVERIFY(joystick && rudder);
    startWorker();
    QVERIFY(scanUntil(JOYSTICK_PID, true));
    QVERIFY(scanUntil(22888, true));
    QCOMPARE(bus->openFiles(*joystick), 1);

    bus->unplug(*joystick);
    FirmwareInfoMap devices;
    QVERIFY(scanOnce(&devices));
    QCOMPARE(devices.keys(), QList<int>{22888});
    QCOMPARE(bus->openFiles(*joystick), 0);
    QCOMPARE(bus->openFiles(*rudder), 1);

    // Plugged in again, it is a new device that the next scans open afresh.
    const auto again = plugBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
    QVERIFY(again);
    QVERIFY(scanUntil(JOYSTICK_PID, true));
    QCOMPARE(bytesOf(scans.last().value(JOYSTICK_PID)), again->info());
    QCOMPARE(bus->openFiles(*again), 1);
}

void EndToEndTest::boardVanishingDuringASaveEndsTheOperation()
{
    const auto board = plugBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
    QVERIFY(board);
    startWorker();
    QVERIFY(scanUntil(JOYSTICK_PID, true));
    board->clearRequests();

    // Gone right after the record's last report: the busy poll's first read
    // must come back as "no device" and end the save there.
    board->disconnectAfter(8);
    worker->saveEffectsSettings(JOYSTICK_PID, recordFrom<EffectSettingsTypeDef>(
                                                  patternRecord(EmulatedBoard::EFFECTS_SIZE, 3)));
    QCOMPARE(board->requests().size(), 8);
    QCOMPARE(board->missedRequests(), 1);

    bus->unplug(*board);
    QVERIFY(scanUntil(JOYSTICK_PID, false));
    QCOMPARE(bus->openFiles(*board), 0);
}
