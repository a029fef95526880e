#include "boardsim/simulatedboard.h"
#include "device/featurereporttransport.h"

#include <libusb.h>

#include <QtTest>

#include <thread>

using namespace boardsim;

namespace {

constexpr int JOYSTICK = 22777;
constexpr int WHEEL = 22999;

libusb_device_handle *open(int pid)
{
    return libusb_open_device_with_vid_pid(nullptr, VENDOR_ID, uint16_t(pid));
}

QByteArray pattern(int size, int seed)
{
    QByteArray b(size, '\0');
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 31 + seed) & 0xFF);
    return b;
}

bool busyReads(libusb_device_handle *h)
{
    unsigned char buffer[READ_BUFFER_SIZE] = {};
    readFeatureReport(h, REPORT_ID_BUSY_STATUS, buffer, READ_BUFFER_SIZE);
    return buffer[0] != 0;
}

}  // namespace

// The device tests lean on this model of a board, so its own behaviour is
// pinned down here.
class TestBoardSim : public QObject
{
    Q_OBJECT

private slots:
    void init() { Bus::reset(); }
    void cleanup() { QCOMPARE(Bus::openHandleCount(), 0); }

    void freshBoardHasPlausibleSettings()
    {
        SimulatedBoard board(JOYSTICK, DEVICE_TYPE_JOYSTICK);
        QVERIFY(board.workingEffects().count('\0') < 384);
        QVERIFY(board.workingHardware().count('\0') < 512);
        const auto effects = board.workingEffectSettings();
        QVERIFY(effects.axis[0].total_effect_scale > 0);
        QVERIFY(effects.axis[0].soft_stop_range >= 1);
        const auto hardware = board.workingHardwareSettings();
        QVERIFY(hardware.speed_sample_buffer_size >= 2 && hardware.speed_sample_buffer_size <= 32);
        QCOMPARE(board.permanentEffects(), board.workingEffects());
        QCOMPARE(uint32_t(board.firmwareInfo().firmwareVersion), SUPPORTED_FIRMWARE_VERSION);
        QCOMPARE(int(board.firmwareInfo().deviceType), DEVICE_TYPE_JOYSTICK);
    }

    void recordAppliedThenStored_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("effects") << 384;
        QTest::newRow("hardware") << 512;
    }

    void recordAppliedThenStored()
    {
        QFETCH(int, size);
        SimulatedBoard board(JOYSTICK, DEVICE_TYPE_JOYSTICK);
        Bus::plug(board);
        libusb_device_handle *h = open(JOYSTICK);
        QVERIFY(h);
        const bool effects = size == EFFECT_SETTINGS_SIZE;
        const QByteArray before = effects ? board.workingEffects() : board.workingHardware();
        const QByteArray record = pattern(size, 5);
        const uint8_t command =
            effects ? COMMAND_WRITE_EFFECT_SETTINGS : COMMAND_WRITE_HARDWARE_SETTINGS;

        sendRecord(h, command, record.constData(), uint16_t(size));
        QCOMPARE(effects ? board.workingEffects() : board.workingHardware(), record);
        QCOMPARE(effects ? board.permanentEffects() : board.permanentHardware(), before);

        // Store makes it permanent.
        sendCommand(h, COMMAND_STORE_PERMANENTLY);
        QCOMPARE(effects ? board.permanentEffects() : board.permanentHardware(), record);
        libusb_close(h);
    }

    void missingTerminatorKeepsWorkingMemory()
    {
        SimulatedBoard board(JOYSTICK, DEVICE_TYPE_JOYSTICK);
        Bus::plug(board);
        libusb_device_handle *h = open(JOYSTICK);
        const QByteArray before = board.workingEffects();
        // Unplugged after the seventh of eight reports: no terminator arrives.
        board.unplugAfterTransfers(7);
        const QByteArray record = pattern(384, 9);
        sendRecord(h, COMMAND_WRITE_EFFECT_SETTINGS, record.constData(), 384);
        QCOMPARE(board.workingEffects(), before);
        QCOMPARE(Bus::transfers().size(), 8);
        QCOMPARE(Bus::transfers().last().result, int(LIBUSB_ERROR_NO_DEVICE));
        libusb_close(h);
    }

    void busyAfterEveryChange()
    {
        SimulatedBoard board(JOYSTICK, DEVICE_TYPE_JOYSTICK);
        board.setBusyPolls(2);
        Bus::plug(board);
        libusb_device_handle *h = open(JOYSTICK);
        QVERIFY(!busyReads(h));  // nothing changed yet
        const QByteArray record = pattern(384, 1);
        sendRecord(h, COMMAND_WRITE_EFFECT_SETTINGS, record.constData(), 384);
        QVERIFY(busyReads(h));
        QVERIFY(busyReads(h));
        QVERIFY(!busyReads(h));
        sendCommand(h, COMMAND_STORE_PERMANENTLY);
        QVERIFY(busyReads(h));
        board.setBusyForever(true);
        for (int i = 0; i < 5; ++i)
            QVERIFY(busyReads(h));
        board.setBusyForever(false);
        QVERIFY(busyReads(h));
        QVERIFY(!busyReads(h));
        libusb_close(h);
    }

    void rebootComesBackWithPermanentMemory()
    {
        SimulatedBoard board(WHEEL, DEVICE_TYPE_WHEEL);
        board.setRebootDuration(std::chrono::milliseconds(50));
        Bus::plug(board);
        libusb_device_handle *h = open(WHEEL);
        const QByteArray permanent = board.permanentEffects();
        const QByteArray record = pattern(384, 3);
        sendRecord(h, COMMAND_WRITE_EFFECT_SETTINGS, record.constData(), 384);
        QCOMPARE(board.workingEffects(), record);

        sendCommand(h, COMMAND_REBOOT);
        QCOMPARE(board.rebootCount(), 1);
        QVERIFY(!Bus::isPlugged(board));
        QVERIFY(!open(WHEEL));
        unsigned char buffer[READ_BUFFER_SIZE];
        // The old handle stays dead after the board is back, as after a real
        // re-enumeration.
        QCOMPARE(readFeatureReport(h, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE),
                 int(LIBUSB_ERROR_NO_DEVICE));
        QTRY_VERIFY(Bus::isPlugged(board));
        QCOMPARE(readFeatureReport(h, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE),
                 int(LIBUSB_ERROR_NO_DEVICE));
        libusb_close(h);
        h = open(WHEEL);
        QVERIFY(h);
        QCOMPARE(board.workingEffects(), permanent);
        libusb_close(h);
    }

    void dfuLeavesTheBus()
    {
        SimulatedBoard board(JOYSTICK, DEVICE_TYPE_JOYSTICK);
        Bus::plug(board);
        libusb_device_handle *h = open(JOYSTICK);
        sendCommand(h, COMMAND_SWITCH_TO_DFU);
        QVERIFY(board.inDfuMode());
        QVERIFY(!Bus::isPlugged(board));
        QVERIFY(!open(JOYSTICK));
        libusb_close(h);
    }

    void faults()
    {
        SimulatedBoard board(JOYSTICK, DEVICE_TYPE_JOYSTICK);
        Bus::plug(board);
        libusb_device_handle *h = open(JOYSTICK);
        unsigned char buffer[READ_BUFFER_SIZE];

        board.failNextTransfers(2, LIBUSB_ERROR_TIMEOUT);
        QCOMPARE(readFeatureReport(h, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE),
                 int(LIBUSB_ERROR_TIMEOUT));
        QCOMPARE(sendCommand(h, COMMAND_STORE_PERMANENTLY), int(LIBUSB_ERROR_TIMEOUT));
        QCOMPARE(readFeatureReport(h, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE), 64);

        board.setShortReads(10);
        QCOMPARE(readFeatureReport(h, REPORT_ID_EFFECT_SETTINGS, buffer, READ_BUFFER_SIZE), 10);
        board.setShortReads(-1);
        QCOMPARE(readFeatureReport(h, REPORT_ID_EFFECT_SETTINGS, buffer, READ_BUFFER_SIZE), 384);

        QCOMPARE(readFeatureReport(h, 0x30, buffer, READ_BUFFER_SIZE), int(LIBUSB_ERROR_PIPE));

        board.unplugAfterTransfers(1);
        QCOMPARE(readFeatureReport(h, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE), 64);
        QCOMPARE(readFeatureReport(h, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE),
                 int(LIBUSB_ERROR_NO_DEVICE));
        libusb_close(h);

        Bus::plug(board);
        board.setRefuseOpen(true);
        QVERIFY(!open(JOYSTICK));
        board.setRefuseOpen(false);
        h = open(JOYSTICK);
        QVERIFY(h);
        libusb_close(h);
        QCOMPARE(Bus::openAttemptCount(), 3);
    }

    void firstOfTwoBoardsWithOneProductId()
    {
        SimulatedBoard first(JOYSTICK, DEVICE_TYPE_JOYSTICK, 1);
        SimulatedBoard second(JOYSTICK, DEVICE_TYPE_JOYSTICK, 2);
        Bus::plug(first);
        Bus::plug(second);
        libusb_device_handle *a = open(JOYSTICK);
        libusb_device_handle *b = open(JOYSTICK);
        unsigned char buffer[READ_BUFFER_SIZE];
        readFeatureReport(a, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE);
        QCOMPARE(buffer[0], uint8_t(1));
        readFeatureReport(b, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE);
        QCOMPARE(buffer[0], uint8_t(1));
        QCOMPARE(Bus::openHandleCount(), 2);
        libusb_close(a);
        libusb_close(b);
        QVERIFY(!libusb_open_device_with_vid_pid(nullptr, 0x1234, JOYSTICK));
    }

    void exitRecordsHandlesLeftOpen()
    {
        SimulatedBoard board(JOYSTICK, DEVICE_TYPE_JOYSTICK);
        Bus::plug(board);
        libusb_init(nullptr);
        libusb_device_handle *h = open(JOYSTICK);
        libusb_exit(nullptr);
        QCOMPARE(Bus::openHandlesAtLastExit(), 1);
        libusb_close(h);
        libusb_exit(nullptr);
        QCOMPARE(Bus::openHandlesAtLastExit(), 0);
        QCOMPARE(Bus::initCount(), 1);
        QCOMPARE(Bus::exitCount(), 2);
    }

    // Tests drive boards from one thread while the scan reads on another.
    void concurrentUse()
    {
        SimulatedBoard board(JOYSTICK, DEVICE_TYPE_JOYSTICK);
        Bus::plug(board);
        std::atomic<bool> stop{false};
        std::thread reader([&stop] {
            unsigned char buffer[READ_BUFFER_SIZE];
            while (!stop) {
                if (libusb_device_handle *h = open(JOYSTICK)) {
                    readFeatureReport(h, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE);
                    libusb_close(h);
                }
            }
        });
        const QByteArray record = pattern(384, 7);
        for (int i = 0; i < 200; ++i) {
            if (i % 10 == 0)
                Bus::unplug(board);
            else
                Bus::plug(board);
            board.setWorkingEffects(record);
            Bus::transfers();
        }
        stop = true;
        reader.join();
        QCOMPARE(board.workingEffects(), record);
    }

    void demoBoardList_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QList<int>>("productIds");
        QTest::addColumn<QList<int>>("versions");

        QTest::newRow("two boards") << "joystick,rudder@240718" << true << QList<int>{22777, 22888}
                                    << QList<int>{240719, 240718};
        QTest::newRow("every type") << "generic,joystick,rudder,wheel,collective" << true
                                    << QList<int>{22000, 22777, 22888, 22999, 22001}
                                    << QList<int>{240719, 240719, 240719, 240719, 240719};
        QTest::newRow("spaces and case")
            << " Wheel @ 1 " << true << QList<int>{22999} << QList<int>{1};
        QTest::newRow("unknown type") << "plane" << false << QList<int>{} << QList<int>{};
        QTest::newRow("bad version") << "wheel@abc" << false << QList<int>{} << QList<int>{};
        QTest::newRow("negative version") << "wheel@-1" << false << QList<int>{} << QList<int>{};
        QTest::newRow("two @") << "wheel@1@2" << false << QList<int>{} << QList<int>{};
        QTest::newRow("empty entry") << "wheel,,rudder" << false << QList<int>{} << QList<int>{};
        QTest::newRow("empty version") << "wheel@" << false << QList<int>{} << QList<int>{};
        QTest::newRow("faults") << "joystick:fail-writes,wheel@7:busy-forever,rudder:hang" << true
                                << QList<int>{22777, 22999, 22888} << QList<int>{240719, 7, 240719};
        QTest::newRow("unknown fault")
            << "joystick:explode" << false << QList<int>{} << QList<int>{};
        QTest::newRow("two faults")
            << "joystick:hang:fail-reads" << false << QList<int>{} << QList<int>{};
    }

    void demoBoardList()
    {
        QFETCH(QString, value);
        QFETCH(bool, ok);
        QFETCH(QList<int>, productIds);
        QFETCH(QList<int>, versions);
        QList<SimulatedBoard> boards;
        QString error;
        QCOMPARE(parseDemoBoards(value, boards, &error), ok);
        QCOMPARE(error.isEmpty(), ok);
        QCOMPARE(boards.size(), productIds.size());
        for (int i = 0; i < boards.size(); ++i) {
            QCOMPARE(boards[i].productId(), productIds[i]);
            QCOMPARE(int(boards[i].firmwareInfo().firmwareVersion), versions[i]);
        }
        if (value.contains("busy-forever"))
            QVERIFY(boards[1].isBusy());
    }
};

QTEST_GUILESS_MAIN(TestBoardSim)
#include "tst_boardsim.moc"
