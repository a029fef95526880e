// The real libusb-1.0 against boards emulated behind usbfs.

#include "endtoendtest.h"
#include "support/usbfsbus.h"

#include "device/featurereporttransport.h"

#include <libusb.h>

#include <QScopeGuard>
#include <QtTest>

class TestEndToEndLibusb : public EndToEndTest
{
    Q_OBJECT

public:
    using EndToEndTest::EndToEndTest;

protected:
    std::unique_ptr<e2e::EmulatedBus> createBus() override
    {
        return std::make_unique<e2e::UsbfsBus>(kernel);
    }

    e2e::UsbfsBus &usbfs() { return static_cast<e2e::UsbfsBus &>(*bus); }

private slots:
    void boundHidDriverRefusesEveryRequest();
    void boundHidDriverHidesTheBoardFromTheScan();
};

// Why libusb is not the Linux default: with the HID driver bound, usbfs
// refuses the unclaimed interface's class requests before they reach the
// wire, and libusb reports an I/O error.
void TestEndToEndLibusb::boundHidDriverRefusesEveryRequest()
{
    usbfs().setHidDriverBound(true);
    const auto unbind = qScopeGuard([this] { usbfs().setHidDriverBound(false); });
    const int refusedBefore = usbfs().refusedRequests();
    const auto board = plugBoard(22777, 1);
    QVERIFY(board);
    libusb_device_handle *handle = openWhenVisible(22777);
    QVERIFY2(handle, "opening claims nothing and must work with the driver bound");

    unsigned char buffer[READ_BUFFER_SIZE] = {};
    QCOMPARE(readFeatureReport(handle, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE),
             int(LIBUSB_ERROR_IO));
    QCOMPARE(sendCommand(handle, COMMAND_STORE_PERMANENTLY), int(LIBUSB_ERROR_IO));
    QCOMPARE(usbfs().refusedRequests() - refusedBefore, 2);
    QVERIFY(board->requests().isEmpty());
}

// The same at the program's level: the scan opens the board, its information
// read fails, the handle is closed again, and the board never appears.
void TestEndToEndLibusb::boundHidDriverHidesTheBoardFromTheScan()
{
    usbfs().setHidDriverBound(true);
    const auto unbind = qScopeGuard([this] { usbfs().setHidDriverBound(false); });
    const auto board = plugBoard(22777, 1);
    QVERIFY(board);
    QVERIFY(openWhenVisible(22777));  // libusb knows the board by now
    closeHandle(openHandles.first());

    startWorker();
    const int refusedBefore = usbfs().refusedRequests();
    for (int scan = 0; scan < 3; ++scan) {
        FirmwareInfoMap devices;
        QVERIFY(scanOnce(&devices));
        QVERIFY(devices.isEmpty());
        QCOMPARE(bus->openFiles(*board), 0);
    }
    QCOMPARE(usbfs().refusedRequests() - refusedBefore, 3);
    QVERIFY(board->requests().isEmpty());
}

int main(int argc, char *argv[])
{
    // Before anything can touch udev or libusb.
    e2e::KernelTestbed kernel;
    QApplication app(argc, argv);
    TestEndToEndLibusb test(kernel);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e_libusb.moc"
