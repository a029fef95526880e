// Simulated boards kept in a state file: what one process changes, another
// sees, and a file that is not a state file is never overwritten.
#include "boardsim/demostatefile.h"
#include "boardsim/simulatedboard.h"
#include "device/featurereporttransport.h"
#include "support/devicetestsupport.h"

#include <libusb.h>

#include <QtTest>

using namespace boardsim;

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestDemoStateFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { Bus::reset(); }
    void cleanup() { QCOMPARE(Bus::openHandleCount(), 0); }

    // Two board objects bound to one file stand for the same board in two
    // processes: a write through the one is what a read of the other returns,
    // and a reboot of the other brings back what the first stored.
    void changesReachTheOtherProcessesBoard_data()
    {
        QTest::addColumn<bool>("store");
        QTest::newRow("applied") << false;
        QTest::newRow("saved") << true;
    }

    void changesReachTheOtherProcessesBoard()
    {
        QFETCH(bool, store);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("boards.json"));
        SimulatedBoard first(BOARD_PRODUCT_ID_WHEEL, DEVICE_TYPE_WHEEL);
        QVERIFY(DemoStateFile::attach(path, {first}, nullptr));
        SimulatedBoard second(BOARD_PRODUCT_ID_WHEEL, DEVICE_TYPE_WHEEL, 1);
        QVERIFY(DemoStateFile::attach(path, {second}, nullptr));
        // The second took the identity the first left in the file.
        QCOMPARE(second.firmwareInfo().firmwareVersion, SUPPORTED_FIRMWARE_VERSION);

        Bus::plug(first);
        const auto record = devicetest::patternRecord<EffectSettingsTypeDef>(3);
        libusb_device_handle *handle =
            libusb_open_device_with_vid_pid(nullptr, VENDOR_ID, BOARD_PRODUCT_ID_WHEEL);
        QVERIFY(handle);
        sendRecord(handle, COMMAND_WRITE_EFFECT_SETTINGS, &record, sizeof record);
        if (store)
            QCOMPARE(sendCommand(handle, COMMAND_STORE_PERMANENTLY), WRITE_REPORT_SIZE);
        QCOMPARE(sendCommand(handle, COMMAND_REBOOT), WRITE_REPORT_SIZE);
        libusb_close(handle);
        Bus::unplug(first);

        // The other process's board learns of it on its next transfer.
        Bus::plug(second);
        handle = libusb_open_device_with_vid_pid(nullptr, VENDOR_ID, BOARD_PRODUCT_ID_WHEEL);
        QVERIFY(handle);
        unsigned char buffer[READ_BUFFER_SIZE] = {};
        QCOMPARE(readFeatureReport(handle, REPORT_ID_EFFECT_SETTINGS, buffer, READ_BUFFER_SIZE),
                 EFFECT_SETTINGS_SIZE);
        libusb_close(handle);
        const QByteArray read(reinterpret_cast<const char *>(buffer), EFFECT_SETTINGS_SIZE);
        QCOMPARE(read == devicetest::bytesOf(record), store);
        QCOMPARE(second.permanentEffects() == devicetest::bytesOf(record), store);
    }

    // A board whose entry does not match (another model in that place) starts
    // fresh and takes the place; the entries of other boards stay as they are.
    void entriesAreMatchedByPlaceAndProductId()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("boards.json"));
        SimulatedBoard joystick(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK, 1111);
        SimulatedBoard wheel(BOARD_PRODUCT_ID_WHEEL, DEVICE_TYPE_WHEEL, 2222);
        QVERIFY(DemoStateFile::attach(path, {joystick, wheel}, nullptr));

        SimulatedBoard rudder(BOARD_PRODUCT_ID_RUDDER, DEVICE_TYPE_RUDDER, 3333);
        QVERIFY(DemoStateFile::attach(path, {rudder}, nullptr));
        QCOMPARE(rudder.firmwareInfo().firmwareVersion, 3333u);

        SimulatedBoard joystickAgain(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK);
        SimulatedBoard wheelAgain(BOARD_PRODUCT_ID_WHEEL, DEVICE_TYPE_WHEEL);
        QVERIFY(DemoStateFile::attach(path, {joystickAgain, wheelAgain}, nullptr));
        QCOMPARE(joystickAgain.firmwareInfo().firmwareVersion, SUPPORTED_FIRMWARE_VERSION);
        QCOMPARE(wheelAgain.firmwareInfo().firmwareVersion, 2222u);
    }

    void foreignFileIsLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not JSON") << QByteArray("boards: joystick\n");
        QTest::newRow("another JSON file") << QByteArray("{\"format\": \"gravolt-board-backup\"}");
        QTest::newRow("a JSON array") << QByteArray("[1, 2]");
    }

    void foreignFileIsLeftAlone()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("boards.json"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        SimulatedBoard board(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK);
        QString error;
        QVERIFY(!DemoStateFile::attach(path, {board}, &error));
        QVERIFY(error.contains(path));
        QCOMPARE(fileBytes(path), content);
    }
};

QTEST_GUILESS_MAIN(TestDemoStateFile)
#include "tst_demostatefile.moc"
