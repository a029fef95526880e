// The hidraw backend (usbhidraw over hidapi) against boards emulated behind
// /dev/hidrawN.

#include "endtoendtest.h"
#include "support/hidrawbus.h"

#include "device/featurereporttransport.h"

#include <libusb.h>

#include <QtTest>

class TestEndToEndHidraw : public EndToEndTest
{
    Q_OBJECT

public:
    using EndToEndTest::EndToEndTest;

protected:
    std::unique_ptr<e2e::EmulatedBus> createBus() override
    {
        return std::make_unique<e2e::HidrawBus>(kernel);
    }

private slots:
    void requestsHidrawCannotCarryAreRefused_data();
    void requestsHidrawCannotCarryAreRefused();
    void rebootedBoardIsReopenedOnItsOwnPort();
};

void TestEndToEndHidraw::requestsHidrawCannotCarryAreRefused_data()
{
    QTest::addColumn<int>("requestType");
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("firstByte");

    QTest::newRow("standard GET_DESCRIPTOR") << 0x80 << 0x06 << 0x0100 << 0 << 0;
    QTest::newRow("vendor request") << 0xC1 << 0x01 << 0x0325 << 0 << 0;
    QTest::newRow("input report") << 0xA1 << 0x01 << 0x0125 << 0 << 0;
    QTest::newRow("output report") << 0x21 << 0x09 << 0x0220 << 0 << 0x20;
    QTest::newRow("report id 0") << 0xA1 << 0x01 << 0x0300 << 0 << 0;
    QTest::newRow("another interface") << 0xA1 << 0x01 << 0x0325 << 1 << 0;
    QTest::newRow("GET_IDLE") << 0xA1 << 0x02 << 0x0000 << 0 << 0;
    QTest::newRow("write naming another report in byte 0") << 0x21 << 0x09 << 0x0320 << 0 << 0x21;
}

void TestEndToEndHidraw::requestsHidrawCannotCarryAreRefused()
{
    QFETCH(int, requestType);
    QFETCH(int, request);
    QFETCH(int, value);
    QFETCH(int, index);
    QFETCH(int, firstByte);

    const auto board = plugBoard(22777, 1);
    QVERIFY(board);
    libusb_device_handle *handle = openWhenVisible(22777);
    QVERIFY(handle);
    unsigned char buffer[1024] = {};
    buffer[0] = uint8_t(firstByte);
    QCOMPARE(libusb_control_transfer(handle, uint8_t(requestType), uint8_t(request),
                                     uint16_t(value), uint16_t(index), buffer, 65, 1000),
             int(LIBUSB_ERROR_NOT_SUPPORTED));
    QVERIFY(board->requests().isEmpty());
}

void TestEndToEndHidraw::rebootedBoardIsReopenedOnItsOwnPort()
{
    const auto first = plugBoard(22777, 1);
    const auto second = plugBoard(22777, 1);
    QVERIFY(first && second);
    unsigned char buffer[1024] = {};

    // Of two boards of one model, the one on the lower port.
    libusb_device_handle *handle = openWhenVisible(22777);
    QVERIFY(handle);
    QCOMPARE(readFeatureReport(handle, REPORT_ID_DEVICE_INFO, buffer, sizeof buffer), 64);
    QCOMPARE(first->requests().size(), 1);

    // It reboots: it leaves the bus, and the scan closes the handle that
    // stopped answering. Its twin must not take its place meanwhile.
    bus->unplug(*first);
    closeHandle(handle);
    QVERIFY(!libusb_open_device_with_vid_pid(nullptr, 0x045B, 22777));

    // Back on its port with a new device number and a new hidraw node.
    QVERIFY(bus->plug(first));
    handle = openWhenVisible(22777);
    QVERIFY(handle);
    QCOMPARE(readFeatureReport(handle, REPORT_ID_DEVICE_INFO, buffer, sizeof buffer), 64);
    QCOMPARE(first->requests().size(), 2);
    QVERIFY(second->requests().isEmpty());
}

int main(int argc, char *argv[])
{
    // Before anything can touch udev or hidapi.
    e2e::KernelTestbed kernel;
    QApplication app(argc, argv);
    TestEndToEndHidraw test(kernel);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e_hidraw.moc"
