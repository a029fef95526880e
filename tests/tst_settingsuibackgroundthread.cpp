#include "boardsim/simulatedboard.h"
#include "device/featurereporttransport.h"
#include "device/settingsuibackgroundthread.h"
#include "support/devicetestsupport.h"

#include <libusb.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QThread>
#include <QTimer>
#include <QtTest>

using namespace boardsim;
using namespace devicetest;

namespace {

constexpr int GENERIC_PID = 22000;
constexpr int JOYSTICK_PID = 22777;
constexpr int RUDDER_PID = 22888;
constexpr int WHEEL_PID = 22999;
constexpr int COLLECTIVE_PID = 22001;
const QList<int> PRODUCT_IDS = {GENERIC_PID, JOYSTICK_PID, RUDDER_PID, WHEEL_PID, COLLECTIVE_PID};
constexpr int GRAVOLT_VENDOR_ID = 1115;

QStringList repeated(const QString &word, int times)
{
    QStringList words;
    for (int i = 0; i < times; ++i)
        words.append(word);
    return words;
}

QStringList operator+(QStringList a, const char *word)
{
    a.append(QString::fromLatin1(word));
    return a;
}

enum class Operation {
    ReadEffects,
    ReadHardware,
    ApplyEffects,
    ApplyHardware,
    SaveEffects,
    SaveHardware,
    Reboot,
    Dfu,
    Store,
};

const QList<Operation> ALL_OPERATIONS = {
    Operation::ReadEffects,   Operation::ReadHardware, Operation::ApplyEffects,
    Operation::ApplyHardware, Operation::SaveEffects,  Operation::SaveHardware,
    Operation::Reboot,        Operation::Dfu,          Operation::Store};

const EffectSettingsTypeDef EFFECTS = patternRecord<EffectSettingsTypeDef>(1);
const HardwareSettingsTypeDef HARDWARE = patternRecord<HardwareSettingsTypeDef>(2);

void run(SettingsUiBackgroundThread *worker, Operation operation, int pid)
{
    switch (operation) {
    case Operation::ReadEffects:
        worker->readEffectSettings(pid);
        break;
    case Operation::ReadHardware:
        worker->readHardwareSettings(pid);
        break;
    case Operation::ApplyEffects:
        worker->applyEffectSettings(pid, EFFECTS);
        break;
    case Operation::ApplyHardware:
        worker->applyHardwareSettings(pid, HARDWARE);
        break;
    case Operation::SaveEffects:
        worker->saveEffectsSettings(pid, EFFECTS);
        break;
    case Operation::SaveHardware:
        worker->saveHardwareSettings(pid, HARDWARE);
        break;
    case Operation::Reboot:
        worker->rebootControllerRequest(pid);
        break;
    case Operation::Dfu:
        worker->switchtoDfuRequest(pid);
        break;
    case Operation::Store:
        // Private slot without a caller in the program; reached as a slot.
        QVERIFY(QMetaObject::invokeMethod(worker, "saveSettingsRequest", Qt::DirectConnection,
                                          Q_ARG(int, pid)));
        break;
    }
}

}  // namespace

Q_DECLARE_METATYPE(Operation)

class TestSettingsUiBackgroundThread : public QObject
{
    Q_OBJECT

    SettingsUiBackgroundThread *worker = nullptr;
    QThread *thread = nullptr;
    std::unique_ptr<ConnectedDevicesRecorder> recorder;

    // Moves the worker onto its own thread and starts its scan, the way the
    // main window does. Queued calls in these tests go by name: the call
    // event is then built inside Qt, whose locking ThreadSanitizer cannot see.
    void runWorkerOnThread()
    {
        thread = new QThread;
        thread->start();
        worker->moveToThread(thread);
        QMetaObject::invokeMethod(worker, "start", Qt::QueuedConnection);
    }

    void scan() { worker->checkDeviceConnections(); }

private slots:
    void init()
    {
        Bus::reset();
        worker = new SettingsUiBackgroundThread(PRODUCT_IDS, GRAVOLT_VENDOR_ID);
        recorder = std::make_unique<ConnectedDevicesRecorder>(worker);
    }

    void cleanup()
    {
        SettingsUiBackgroundThread::stopAndDelete(worker, thread);
        worker = nullptr;
        delete thread;
        thread = nullptr;
        recorder.reset();
        QCOMPARE(Bus::openHandleCount(), 0);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void constructionOpensNothingAndStartArmsTheScan()
    {
        Bus::plug(SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK));
        auto *timer = worker->findChild<QTimer *>();
        QVERIFY(timer);
        QVERIFY(!timer->isActive());
        QCOMPARE(Bus::openAttemptCount(), 0);

        worker->start();
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(!timer->isSingleShot());
        QCOMPARE(Bus::openAttemptCount(), 0);
    }

    void everyScanOfAnEmptyBusEmitsAnEmptyMap()
    {
        for (int i = 0; i < 3; ++i)
            scan();
        QCOMPARE(recorder->count(), 3);
        for (const FirmwareInfoMap &map : recorder->all())
            QVERIFY(map.isEmpty());
        QCOMPARE(Bus::openAttemptCount(), 3 * int(PRODUCT_IDS.size()));
        QVERIFY(Bus::transfers().isEmpty());
    }

    void boardsAreListedWithTheirInformation()
    {
        const QList<int> types = {DEVICE_TYPE_GENERIC, DEVICE_TYPE_JOYSTICK, DEVICE_TYPE_RUDDER,
                                  DEVICE_TYPE_WHEEL, DEVICE_TYPE_COLLECTIVE};
        for (int type : types)
            Bus::plug(SimulatedBoard(productIdForDeviceType(uint8_t(type)), uint8_t(type),
                                     SUPPORTED_FIRMWARE_VERSION + uint32_t(type)));
        // Not one of ours: never looked for.
        Bus::plug(SimulatedBoard(12345, DEVICE_TYPE_JOYSTICK));

        scan();
        const FirmwareInfoMap map = recorder->last();
        QCOMPARE(map.keys(),
                 QList<int>({GENERIC_PID, COLLECTIVE_PID, JOYSTICK_PID, RUDDER_PID, WHEEL_PID}));
        for (int type : types) {
            const FirmwareInfoTypeDef info = map.value(productIdForDeviceType(uint8_t(type)));
            QCOMPARE(int(info.deviceType), type);
            QCOMPARE(uint32_t(info.firmwareVersion), SUPPORTED_FIRMWARE_VERSION + uint32_t(type));
        }
        QCOMPARE(Bus::openHandleCount(), 5);
        // One information read per board, in scan order.
        QList<int> readOrder;
        for (const Transfer &t : Bus::transfers()) {
            QCOMPARE(t.value, uint16_t(0x0325));
            QCOMPARE(t.length, uint16_t(1024));
            readOrder.append(t.productId);
        }
        QCOMPARE(readOrder, PRODUCT_IDS);
    }

    void plugUnplugAndReplug()
    {
        SimulatedBoard board(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        Bus::plug(board);

        scan();
        QCOMPARE(recorder->last().keys(), QList<int>{JOYSTICK_PID});
        QCOMPARE(Bus::openHandleCount(), 1);

        // An open board is read again, not reopened.
        const int attempts = Bus::openAttemptCount();
        scan();
        QCOMPARE(recorder->last().keys(), QList<int>{JOYSTICK_PID});
        QCOMPARE(Bus::openAttemptCount(), attempts + int(PRODUCT_IDS.size()) - 1);
        QCOMPARE(Bus::openHandleCount(), 1);

        Bus::unplug(board);
        scan();
        QVERIFY(recorder->last().isEmpty());
        QCOMPARE(Bus::openHandleCount(), 0);

        Bus::plug(board);
        scan();
        QCOMPARE(recorder->last().keys(), QList<int>{JOYSTICK_PID});
        QCOMPARE(Bus::openHandleCount(), 1);
        QCOMPARE(recorder->count(), 4);

        // The new handle works for operations.
        Bus::clearTransfers();
        worker->readEffectSettings(JOYSTICK_PID);
        QCOMPARE(describe(Bus::transfers()), QStringList{"R22"});
    }

    void twoBoardsWithOneProductIdGiveOneEntry()
    {
        Bus::plug(SimulatedBoard(WHEEL_PID, DEVICE_TYPE_WHEEL, 111));
        Bus::plug(SimulatedBoard(WHEEL_PID, DEVICE_TYPE_WHEEL, 222));
        scan();
        scan();
        QCOMPARE(recorder->last().size(), 1);
        QCOMPARE(uint32_t(recorder->last().value(WHEEL_PID).firmwareVersion), 111u);
        QCOMPARE(Bus::openHandleCount(), 1);
    }

    void boardThatDoesNotAnswerIsClosedAndRetried_data()
    {
        QTest::addColumn<bool>("refuseOpen");
        QTest::addColumn<int>("failedReads");
        QTest::addColumn<QStringList>("firstScanTransfers");

        QTest::newRow("first information read fails") << false << 1 << QStringList{"R25!"};
        QTest::newRow("access refused") << true << 0 << QStringList{};
    }

    void boardThatDoesNotAnswerIsClosedAndRetried()
    {
        QFETCH(bool, refuseOpen);
        QFETCH(int, failedReads);
        QFETCH(QStringList, firstScanTransfers);

        SimulatedBoard board(RUDDER_PID, DEVICE_TYPE_RUDDER);
        board.setRefuseOpen(refuseOpen);
        board.failNextTransfers(failedReads);
        Bus::plug(board);

        scan();
        QCOMPARE(recorder->count(), 1);
        QVERIFY(recorder->last().isEmpty());
        QCOMPARE(Bus::openHandleCount(), 0);
        QCOMPARE(describe(Bus::transfers()), firstScanTransfers);

        // Nothing is sent to a board that is not in the table.
        Bus::clearTransfers();
        worker->applyEffectSettings(RUDDER_PID, EFFECTS);
        QVERIFY(Bus::transfers().isEmpty());

        board.setRefuseOpen(false);
        scan();
        QCOMPARE(recorder->last().keys(), QList<int>{RUDDER_PID});
        QCOMPARE(Bus::openHandleCount(), 1);
    }

    // One missed answer is no unplug: the board stays listed, open, with
    // its information; a second miss in a row, or a board gone, ends it.
    void scanToleratesOneMissedAnswer_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("listedAfterFirst");
        QTest::addColumn<bool>("listedAfterSecond");
        QTest::newRow("one answer missed") << "miss 1" << true << true;
        QTest::newRow("two answers missed") << "miss 2" << true << false;
        QTest::newRow("unplugged") << "unplug" << false << false;
    }

    void scanToleratesOneMissedAnswer()
    {
        QFETCH(QString, fault);
        QFETCH(bool, listedAfterFirst);
        QFETCH(bool, listedAfterSecond);
        SimulatedBoard board(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK, 240719);
        Bus::plug(board);
        scan();
        if (fault == "unplug")
            Bus::unplug(board);
        else
            board.failNextTransfers(fault == "miss 1" ? 1 : 2);
        scan();
        QCOMPARE(recorder->last().contains(JOYSTICK_PID), listedAfterFirst);
        if (listedAfterFirst)
            QCOMPARE(uint32_t(recorder->last().value(JOYSTICK_PID).firmwareVersion), 240719u);
        scan();
        QCOMPARE(recorder->last().contains(JOYSTICK_PID), listedAfterSecond);
        QCOMPARE(Bus::openHandleCount(), listedAfterSecond ? 1 : 0);
    }

    void operationSequences_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<int>("busyPolls");
        QTest::addColumn<QStringList>("expected");

        const QStringList effectRecord = repeated("W12", 8);
        const QStringList hardwareRecord = repeated("W11", 10);
        QTest::newRow("read effects") << Operation::ReadEffects << 0 << QStringList{"R22"};
        QTest::newRow("read hardware") << Operation::ReadHardware << 0 << QStringList{"R21"};
        QTest::newRow("apply effects, idle at once")
            << Operation::ApplyEffects << 0 << effectRecord + "R24";
        QTest::newRow("apply effects, busy for two reads")
            << Operation::ApplyEffects << 2 << effectRecord + "R24" + "R24" + "R24";
        QTest::newRow("apply hardware") << Operation::ApplyHardware << 0 << hardwareRecord + "R24";
        QTest::newRow("save effects, idle at once")
            << Operation::SaveEffects << 0 << effectRecord + "R24" + "W02" + "R24";
        QTest::newRow("save effects, busy for two reads")
            << Operation::SaveEffects << 2
            << effectRecord + "R24" + "R24" + "R24" + "W02" + "R24" + "R24" + "R24";
        QTest::newRow("save hardware, busy for one read")
            << Operation::SaveHardware << 1
            << hardwareRecord + "R24" + "R24" + "W02" + "R24" + "R24";
        QTest::newRow("reboot") << Operation::Reboot << 0 << QStringList{"W01"};
        QTest::newRow("firmware-update mode") << Operation::Dfu << 0 << QStringList{"W03"};
        QTest::newRow("store") << Operation::Store << 1 << QStringList{"W02", "R24", "R24"};
    }

    void operationSequences()
    {
        QFETCH(Operation, operation);
        QFETCH(int, busyPolls);
        QFETCH(QStringList, expected);

        SimulatedBoard board(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        board.setBusyPolls(busyPolls);
        Bus::plug(board);
        scan();
        Bus::clearTransfers();

        QSignalSpy effectSpy(worker, &SettingsUiBackgroundThread::effectSettingsObtained);
        QSignalSpy hardwareSpy(worker, &SettingsUiBackgroundThread::hardwareSettingsObtained);
        const QByteArray effectsBefore = board.workingEffects();
        const QByteArray hardwareBefore = board.workingHardware();
        run(worker, operation, JOYSTICK_PID);

        const QList<Transfer> log = Bus::transfers();
        QCOMPARE(describe(log), expected);

        // Byte for byte: records as the framing demands, commands bare, reads
        // of 1024 bytes.
        QList<QByteArray> expectedWrites;
        if (operation == Operation::ApplyEffects || operation == Operation::SaveEffects)
            expectedWrites = expectedRecordReports(0x12, bytesOf(EFFECTS));
        if (operation == Operation::ApplyHardware || operation == Operation::SaveHardware)
            expectedWrites = expectedRecordReports(0x11, bytesOf(HARDWARE));
        for (const Transfer &t : log) {
            QCOMPARE(t.index, uint16_t(0));
            QCOMPARE(t.timeout, 1000u);
            if (!t.isWrite()) {
                QCOMPARE(t.requestType, uint8_t(0xA1));
                QCOMPARE(t.request, uint8_t(0x01));
                QCOMPARE(t.length, uint16_t(1024));
                continue;
            }
            QCOMPARE(t.requestType, uint8_t(0x21));
            QCOMPARE(t.request, uint8_t(0x09));
            QCOMPARE(t.value, uint16_t(0x0320));
            const uint8_t command = uint8_t(t.data[1]);
            if (command == 0x11 || command == 0x12)
                QCOMPARE(t.data, expectedWrites.takeFirst());
            else
                QCOMPARE(t.data, expectedCommandReport(command));
        }
        QVERIFY(expectedWrites.isEmpty());

        // What the board ends up with.
        switch (operation) {
        case Operation::ReadEffects:
            QCOMPARE(effectSpy.count(), 1);
            QCOMPARE(bytesOf(effectSpy.at(0).at(0).value<EffectSettingsTypeDef>()), effectsBefore);
            break;
        case Operation::ReadHardware:
            QCOMPARE(hardwareSpy.count(), 1);
            QCOMPARE(bytesOf(hardwareSpy.at(0).at(0).value<HardwareSettingsTypeDef>()),
                     hardwareBefore);
            break;
        case Operation::ApplyEffects:
            QCOMPARE(board.workingEffects(), bytesOf(EFFECTS));
            QCOMPARE(board.permanentEffects(), effectsBefore);
            break;
        case Operation::SaveEffects:
            QCOMPARE(board.permanentEffects(), bytesOf(EFFECTS));
            break;
        case Operation::ApplyHardware:
            QCOMPARE(board.workingHardware(), bytesOf(HARDWARE));
            QCOMPARE(board.permanentHardware(), hardwareBefore);
            break;
        case Operation::SaveHardware:
            QCOMPARE(board.permanentHardware(), bytesOf(HARDWARE));
            break;
        case Operation::Reboot:
            QCOMPARE(board.rebootCount(), 1);
            break;
        case Operation::Dfu:
            QVERIFY(board.inDfuMode());
            break;
        case Operation::Store:
            break;
        }
        if (operation != Operation::ReadEffects)
            QCOMPARE(effectSpy.count(), 0);
        if (operation != Operation::ReadHardware)
            QCOMPARE(hardwareSpy.count(), 0);
    }

    void operationsWithoutAnOpenBoardSendNothing_data()
    {
        QTest::addColumn<int>("pid");
        QTest::newRow("no selection") << -1;
        QTest::newRow("unknown product id") << 12345;
        QTest::newRow("known product id, no board") << RUDDER_PID;
        QTest::newRow("board plugged in after the last scan") << WHEEL_PID;
    }

    void operationsWithoutAnOpenBoardSendNothing()
    {
        QFETCH(int, pid);
        Bus::plug(SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK));
        scan();
        Bus::plug(SimulatedBoard(WHEEL_PID, DEVICE_TYPE_WHEEL));
        Bus::clearTransfers();
        const int attempts = Bus::openAttemptCount();

        QSignalSpy effectSpy(worker, &SettingsUiBackgroundThread::effectSettingsObtained);
        QSignalSpy hardwareSpy(worker, &SettingsUiBackgroundThread::hardwareSettingsObtained);
        for (Operation operation : ALL_OPERATIONS)
            run(worker, operation, pid);
        QVERIFY(Bus::transfers().isEmpty());
        QCOMPARE(Bus::openAttemptCount(), attempts);
        QCOMPARE(effectSpy.count(), 0);
        QCOMPARE(hardwareSpy.count(), 0);
        QCOMPARE(recorder->count(), 1);

        // The table is as it was: the next scan reads the open board and
        // opens the new one, nothing else.
        scan();
        QCOMPARE(recorder->last().keys(), QList<int>({JOYSTICK_PID, WHEEL_PID}));
        QCOMPARE(Bus::openHandleCount(), 2);
    }

    void boardLostDuringSave_data()
    {
        QTest::addColumn<int>("transfersBeforeLoss");
        QTest::addColumn<QStringList>("expected");
        const QStringList record = repeated("W12", 8);
        // The store command is never sent to a board that did not finish
        // taking the record.
        QTest::newRow("before the first busy poll") << 8 << record + "R24!";
        QTest::newRow("during the second busy poll") << 10 << record + "R24" + "W02" + "R24!";
    }

    void boardLostDuringSave()
    {
        QFETCH(int, transfersBeforeLoss);
        QFETCH(QStringList, expected);

        SimulatedBoard board(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        Bus::plug(board);
        scan();
        Bus::clearTransfers();
        const QByteArray permanentBefore = board.permanentEffects();

        board.unplugAfterTransfers(transfersBeforeLoss);
        worker->saveEffectsSettings(JOYSTICK_PID, EFFECTS);
        QCOMPARE(describe(Bus::transfers()), expected);
        if (!expected.contains("W02"))
            QCOMPARE(board.permanentEffects(), permanentBefore);

        // The handle stays in the table until the next scan finds it dead.
        QCOMPARE(Bus::openHandleCount(), 1);
        scan();
        QVERIFY(recorder->last().isEmpty());
        QCOMPARE(Bus::openHandleCount(), 0);
    }

    void busyPollEnds_data()
    {
        QTest::addColumn<int>("failedReads");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("unplugged");
        QTest::addColumn<bool>("nullHandle");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("idle at the first read") << 0 << 0 << false << false << QStringList{"R24"};
        QTest::newRow("failed reads do not count as idle")
            << 3 << int(LIBUSB_ERROR_IO) << false << false
            << QStringList{"R24!", "R24!", "R24!", "R24"};
        QTest::newRow("timed-out reads do not count as idle")
            << 2 << int(LIBUSB_ERROR_TIMEOUT) << false << false
            << QStringList{"R24!", "R24!", "R24"};
        QTest::newRow("board gone: one read") << 0 << 0 << true << false << QStringList{"R24!"};
        QTest::newRow("null handle: nothing sent") << 0 << 0 << false << true << QStringList{};
    }

    void busyPollEnds()
    {
        QFETCH(int, failedReads);
        QFETCH(int, error);
        QFETCH(bool, unplugged);
        QFETCH(bool, nullHandle);
        QFETCH(QStringList, expected);

        SimulatedBoard board(WHEEL_PID, DEVICE_TYPE_WHEEL);
        Bus::plug(board);
        libusb_device_handle *handle =
            nullHandle ? nullptr : libusb_open_device_with_vid_pid(nullptr, VENDOR_ID, WHEEL_PID);
        QVERIFY(nullHandle || handle);
        if (failedReads)
            board.failNextTransfers(failedReads, error);
        if (unplugged)
            Bus::unplug(board);

        QVERIFY(QMetaObject::invokeMethod(worker, "awaitDeviceNotBusy", Qt::DirectConnection,
                                          Q_ARG(libusb_device_handle *, handle)));
        QCOMPARE(describe(Bus::transfers()), expected);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        if (handle)
            libusb_close(handle);
    }

    void hungBoardEndsThePollInTime()
    {
        // Every read runs into a one-second timeout: 50 of them would hold
        // the GUI thread for almost a minute.
        SimulatedBoard board(WHEEL_PID, DEVICE_TYPE_WHEEL);
        Bus::plug(board);
        libusb_device_handle *handle =
            libusb_open_device_with_vid_pid(nullptr, VENDOR_ID, WHEEL_PID);
        QVERIFY(handle);
        board.setTransferDelay(std::chrono::seconds(1));
        board.failNextTransfers(BUSY_POLL_MAX_READS, LIBUSB_ERROR_TIMEOUT);

        QVERIFY(QMetaObject::invokeMethod(worker, "awaitDeviceNotBusy", Qt::DirectConnection,
                                          Q_ARG(libusb_device_handle *, handle)));
        const QStringList log = describe(Bus::transfers());
        // Five reads of at least a second each exhaust the five seconds.
        QVERIFY2(!log.isEmpty() && log.size() <= 5, qPrintable(log.join(' ')));
        QCOMPARE(log, repeated("R24!", int(log.size())));
        libusb_close(handle);
    }

    void failedOrShortSettingsReadEmitsNothing_data()
    {
        QTest::addColumn<bool>("hardware");
        QTest::addColumn<int>("replyBytes");  // -1: the whole record
        QTest::addColumn<int>("error");       // 0: no failure
        QTest::addColumn<bool>("emits");

        QTest::newRow("effects, whole record") << false << -1 << 0 << true;
        QTest::newRow("effects, exactly 384 bytes") << false << 384 << 0 << true;
        QTest::newRow("effects, 383 bytes") << false << 383 << 0 << false;
        QTest::newRow("effects, no bytes") << false << 0 << 0 << false;
        QTest::newRow("effects, I/O error") << false << -1 << int(LIBUSB_ERROR_IO) << false;
        QTest::newRow("effects, board gone") << false << -1 << int(LIBUSB_ERROR_NO_DEVICE) << false;
        QTest::newRow("hardware, whole record") << true << -1 << 0 << true;
        QTest::newRow("hardware, exactly 512 bytes") << true << 512 << 0 << true;
        QTest::newRow("hardware, 511 bytes") << true << 511 << 0 << false;
        QTest::newRow("hardware, timeout") << true << -1 << int(LIBUSB_ERROR_TIMEOUT) << false;
    }

    void failedOrShortSettingsReadEmitsNothing()
    {
        QFETCH(bool, hardware);
        QFETCH(int, replyBytes);
        QFETCH(int, error);
        QFETCH(bool, emits);

        SimulatedBoard board(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        Bus::plug(board);
        scan();
        board.setShortReads(replyBytes);
        if (error)
            board.failNextTransfers(1, error);

        QSignalSpy effectSpy(worker, &SettingsUiBackgroundThread::effectSettingsObtained);
        QSignalSpy hardwareSpy(worker, &SettingsUiBackgroundThread::hardwareSettingsObtained);
        if (hardware)
            worker->readHardwareSettings(JOYSTICK_PID);
        else
            worker->readEffectSettings(JOYSTICK_PID);
        QCOMPARE(hardwareSpy.count(), hardware && emits ? 1 : 0);
        QCOMPARE(effectSpy.count(), !hardware && emits ? 1 : 0);
        if (emits && hardware)
            QCOMPARE(bytesOf(hardwareSpy.at(0).at(0).value<HardwareSettingsTypeDef>()),
                     board.workingHardware());
        if (emits && !hardware)
            QCOMPARE(bytesOf(effectSpy.at(0).at(0).value<EffectSettingsTypeDef>()),
                     board.workingEffects());
    }

    void outcomes_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("expectedOperation");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("libusbError");
        QTest::addColumn<int>("failedReport");
        QTest::addColumn<QStringList>("transfers");

        const auto ok = int(OutcomeStatus::Succeeded);
        QTest::newRow("read effects")
            << Operation::ReadEffects << "" << int(DeviceOperation::ReadEffectSettings) << ok << 0
            << -1 << QStringList{"R22"};
        QTest::newRow("save hardware")
            << Operation::SaveHardware << "" << int(DeviceOperation::SaveHardwareSettings) << ok
            << 0 << -1 << repeated("W11", 10) + "R24" + "W02" + "R24";
        QTest::newRow("reboot") << Operation::Reboot << "" << int(DeviceOperation::Reboot) << ok
                                << 0 << -1 << QStringList{"W01"};
        // Gone before it took the command: no sign that it switched.
        QTest::newRow("dfu, board gone a moment before")
            << Operation::Dfu << "unplugged" << int(DeviceOperation::SwitchToDfu)
            << int(OutcomeStatus::BoardLeft) << 0 << -1 << QStringList{"W03!"};
        QTest::newRow("dfu, no board")
            << Operation::Dfu << "absent" << int(DeviceOperation::SwitchToDfu)
            << int(OutcomeStatus::NoSuchBoard) << 0 << -1 << QStringList{};
        QTest::newRow("apply effects, board left")
            << Operation::ApplyEffects << "unplugged" << int(DeviceOperation::ApplyEffectSettings)
            << int(OutcomeStatus::BoardLeft) << 0 << 0 << QStringList{"W12!"};
        QTest::newRow("save effects, third report refused")
            << Operation::SaveEffects << "fail-writes" << int(DeviceOperation::SaveEffectSettings)
            << int(OutcomeStatus::TransferFailed) << int(LIBUSB_ERROR_PIPE) << 2
            << repeated("W12", 2) + "W12!";
        QTest::newRow("read hardware, refused")
            << Operation::ReadHardware << "fail-reads" << int(DeviceOperation::ReadHardwareSettings)
            << int(OutcomeStatus::TransferFailed) << int(LIBUSB_ERROR_IO) << -1
            << QStringList{"R21!"};
        QTest::newRow("read hardware, short")
            << Operation::ReadHardware << "short" << int(DeviceOperation::ReadHardwareSettings)
            << int(OutcomeStatus::ShortReply) << 0 << -1 << QStringList{"R21"};
        QTest::newRow("apply hardware, hung board")
            << Operation::ApplyHardware << "hang" << int(DeviceOperation::ApplyHardwareSettings)
            << int(OutcomeStatus::TransferFailed) << int(LIBUSB_ERROR_TIMEOUT) << 0
            << QStringList{"W11!"};
        // Waits out the poll's whole bound (5 s).
        QTest::newRow("save effects, busy forever")
            << Operation::SaveEffects << "busy-forever" << int(DeviceOperation::SaveEffectSettings)
            << int(OutcomeStatus::StayedBusy) << 0 << -1
            << repeated("W12", 8) + repeated("R24", BUSY_POLL_MAX_READS);
    }

    // One outcome per operation, after the record of a successful read, and
    // nothing sent after the first failure.
    void outcomes()
    {
        QFETCH(Operation, operation);
        QFETCH(QString, fault);
        QFETCH(int, expectedOperation);
        QFETCH(int, status);
        QFETCH(int, libusbError);
        QFETCH(int, failedReport);
        QFETCH(QStringList, transfers);

        SimulatedBoard board(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        Bus::plug(board);
        if (fault != "absent")
            scan();
        const QByteArray permanentBefore = board.permanentEffects();
        Bus::clearTransfers();
        if (fault == "unplugged")
            board.unplugAfterTransfers(0);
        else if (fault == "fail-writes")
            board.setFailRecordReportsFrom(3);
        else if (fault == "fail-reads")
            board.setFailSettingsReads(true);
        else if (fault == "short")
            board.setShortReads(100);
        else if (fault == "hang")
            board.setHanging(true, std::chrono::milliseconds(20));
        else if (fault == "busy-forever")
            board.setBusyForever(true);

        QStringList order;
        connect(worker, &SettingsUiBackgroundThread::hardwareSettingsObtained, this,
                [&order] { order.append("record"); });
        connect(worker, &SettingsUiBackgroundThread::effectSettingsObtained, this,
                [&order] { order.append("record"); });
        QSignalSpy spy(worker, &SettingsUiBackgroundThread::operationFinished);
        connect(worker, &SettingsUiBackgroundThread::operationFinished, this,
                [&order] { order.append("outcome"); });
        run(worker, operation, JOYSTICK_PID);

        QCOMPARE(spy.count(), 1);
        const auto outcome = spy.at(0).at(0).value<OperationOutcome>();
        QCOMPARE(outcome.productId, JOYSTICK_PID);
        QCOMPARE(int(outcome.operation), expectedOperation);
        QCOMPARE(int(outcome.status), status);
        QCOMPARE(outcome.libusbError, libusbError);
        QCOMPARE(outcome.failedReport, failedReport);
        QCOMPARE(describeOutcome(outcome).isEmpty(), outcome.succeeded());
        if (outcome.status == OutcomeStatus::ShortReply)
            QCOMPARE(QList<int>({outcome.bytesReceived, outcome.bytesExpected}),
                     QList<int>({100, 512}));
        const bool read =
            operation == Operation::ReadEffects || operation == Operation::ReadHardware;
        const QStringList expectedOrder =
            read && outcome.succeeded() ? QStringList{"record", "outcome"} : QStringList{"outcome"};
        QCOMPARE(order, expectedOrder);
        QCOMPARE(describe(Bus::transfers()), transfers);
        if (!outcome.succeeded())
            QCOMPARE(board.permanentEffects(), permanentBefore);
    }

    // The one test that waits the whole bound (5 s): a board that never
    // stops being busy while the scan runs on its own thread.
    void boardBusyForeverOnARunningWorker()
    {
        SimulatedBoard board(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        board.setBusyForever(true);
        Bus::plug(board);
        runWorkerOnThread();
        QTRY_VERIFY_WITH_TIMEOUT(recorder->last().contains(JOYSTICK_PID), 10000);

        const int scansBefore = recorder->count();
        worker->saveEffectsSettings(JOYSTICK_PID, EFFECTS);
        const int scansDuring = recorder->count() - scansBefore;
        // A scan that had already left the table may still report; none
        // starts while the poll runs.
        QVERIFY2(scansDuring <= 1, qPrintable(QString::number(scansDuring)));

        // The poll gave up after its bound and the store command never went out.
        const QStringList log = describe(Bus::transfers());
        const int first = int(log.indexOf("W12"));
        QVERIFY(first >= 0);
        QCOMPARE(log.mid(first, 8 + BUSY_POLL_MAX_READS),
                 repeated("W12", 8) + repeated("R24", BUSY_POLL_MAX_READS));
        QVERIFY(!log.contains("W02"));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

        // Scans run again afterwards.
        const int scansAfter = recorder->count();
        QTRY_VERIFY_WITH_TIMEOUT(recorder->count() >= scansAfter + 2, 10000);
        QVERIFY(recorder->last().contains(JOYSTICK_PID));
    }

    void operationWaitsForNoScanOnARunningWorker()
    {
        // Slow transfers make scans and operations overlap in time; the log
        // must still show every operation's transfers in one piece.
        SimulatedBoard board(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        board.setTransferDelay(std::chrono::milliseconds(2));
        Bus::plug(board);
        runWorkerOnThread();
        QTRY_VERIFY_WITH_TIMEOUT(recorder->last().contains(JOYSTICK_PID), 10000);

        for (int i = 0; i < 10; ++i) {
            for (int s = 0; s < 3; ++s)
                QMetaObject::invokeMethod(worker, "checkDeviceConnections", Qt::QueuedConnection);
            Bus::clearTransfers();
            worker->saveHardwareSettings(JOYSTICK_PID, HARDWARE);
            QStringList log = describe(Bus::transfers());
            log.removeAll("R25");  // scans before or after the operation
            QCOMPARE(log, repeated("W11", 10) + "R24" + "W02" + "R24");
            const QStringList raw = describe(Bus::transfers());
            const int first = int(raw.indexOf("W11"));
            QCOMPARE(raw.mid(first, log.size()), log);
        }
        QCOMPARE(board.permanentHardware(), bytesOf(HARDWARE));
    }

    void shutdownOnARunningThreadClosesEveryHandle()
    {
        QCOMPARE(libusb_init(nullptr), 0);
        Bus::plug(SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK));
        Bus::plug(SimulatedBoard(WHEEL_PID, DEVICE_TYPE_WHEEL));
        runWorkerOnThread();
        QTRY_COMPARE_WITH_TIMEOUT(recorder->last().size(), 2, 10000);
        QCOMPARE(Bus::openHandleCount(), 2);

        SettingsUiBackgroundThread::stopAndDelete(worker, thread);
        worker = nullptr;
        QVERIFY(thread->isFinished());
        QCOMPARE(Bus::openHandleCount(), 0);
        libusb_exit(nullptr);
        QCOMPARE(Bus::exitCount(), 1);
        QCOMPARE(Bus::openHandlesAtLastExit(), 0);
    }

    void shutdownIsFinal()
    {
        SimulatedBoard board(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        Bus::plug(board);
        worker->start();
        scan();
        QCOMPARE(Bus::openHandleCount(), 1);

        worker->shutdown();
        QCOMPARE(Bus::openHandleCount(), 0);
        QVERIFY(!worker->findChild<QTimer *>()->isActive());

        Bus::clearTransfers();
        const int attempts = Bus::openAttemptCount();
        worker->start();
        QVERIFY(!worker->findChild<QTimer *>()->isActive());
        scan();
        for (Operation operation : ALL_OPERATIONS)
            run(worker, operation, JOYSTICK_PID);
        QCOMPARE(recorder->count(), 1);
        QCOMPARE(Bus::openAttemptCount(), attempts);
        QVERIFY(Bus::transfers().isEmpty());
    }

    void deletingTheWorkerClosesLeftHandles()
    {
        Bus::plug(SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK));
        Bus::plug(SimulatedBoard(RUDDER_PID, DEVICE_TYPE_RUDDER));
        scan();
        QCOMPARE(Bus::openHandleCount(), 2);
        delete worker;
        worker = nullptr;
        QCOMPARE(Bus::openHandleCount(), 0);
    }

    // Scans on the worker thread (the timer's and many queued ones) against a
    // stream of operations, plugs and unplugs from this thread.
    void stressScansAgainstOperations()
    {
        QList<SimulatedBoard> boards = {SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK),
                                        SimulatedBoard(RUDDER_PID, DEVICE_TYPE_RUDDER),
                                        SimulatedBoard(WHEEL_PID, DEVICE_TYPE_WHEEL)};
        for (SimulatedBoard &board : boards) {
            board.setRebootDuration(std::chrono::milliseconds(30));
            board.setTransferDelay(std::chrono::microseconds(200));
            Bus::plug(board);
        }
        const QList<int> pids = {JOYSTICK_PID, RUDDER_PID, WHEEL_PID, -1};
        runWorkerOnThread();

        QRandomGenerator random(20240719);
        QElapsedTimer elapsed;
        elapsed.start();
        int operations = 0;
        while (elapsed.elapsed() < 3000) {
            QMetaObject::invokeMethod(worker, "checkDeviceConnections", Qt::QueuedConnection);
            SimulatedBoard &board = boards[int(random.bounded(int(boards.size())))];
            const int pid = pids.at(int(random.bounded(int(pids.size()))));
            const int action = int(random.bounded(14));
            if (action < int(ALL_OPERATIONS.size())) {
                run(worker, ALL_OPERATIONS.at(action), pid);
                ++operations;
            } else if (action == 9) {
                Bus::unplug(board);
            } else if (action == 10 || action == 11) {
                Bus::plug(board);
            } else if (action == 12) {
                board.unplugAfterTransfers(1 + int(random.bounded(12)));
            } else {
                board.setBusyPolls(int(random.bounded(3)));
            }
            QCoreApplication::processEvents();
        }
        QVERIFY(operations > 0);

        // Every board comes back and is found again: no scan is stuck and
        // the busy flag is down.
        for (SimulatedBoard &board : boards) {
            board.unplugAfterTransfers(-1);
            Bus::plug(board);
        }
        QTRY_COMPARE_WITH_TIMEOUT(recorder->last().keys(),
                                  QList<int>({JOYSTICK_PID, RUDDER_PID, WHEEL_PID}), 15000);
        for (const FirmwareInfoMap &map : recorder->all())
            for (int pid : map.keys())
                QVERIFY(pids.contains(pid));

        QCOMPARE(libusb_init(nullptr), 0);
        SettingsUiBackgroundThread::stopAndDelete(worker, thread);
        worker = nullptr;
        QCOMPARE(Bus::openHandleCount(), 0);
        libusb_exit(nullptr);
        QCOMPARE(Bus::openHandlesAtLastExit(), 0);
    }
};

QTEST_MAIN(TestSettingsUiBackgroundThread)
#include "tst_settingsuibackgroundthread.moc"
