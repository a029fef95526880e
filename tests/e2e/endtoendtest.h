#pragma once

#include "support/emulatedboard.h"
#include "support/kerneltestbed.h"

#include <QObject>
#include <QStringList>

#include <memory>

struct libusb_device_handle;

// The checks every real USB path must pass: the program's own transport, run
// through a real USB library (libusb-1.0 or the hidraw backend) against
// boards emulated at the kernel interface that library uses. Each backend's
// test program derives from this and adds what is particular to it.
class EndToEndTest : public QObject
{
    Q_OBJECT

public:
    explicit EndToEndTest(e2e::KernelTestbed &kernel) : kernel(kernel) {}
    ~EndToEndTest() override;

protected:
    virtual std::unique_ptr<e2e::EmulatedBus> createBus() = 0;

    // A board plugged into the bus; null (and a warning) if the testbed
    // refused it.
    std::shared_ptr<e2e::EmulatedBoard> plugBoard(uint16_t productId, uint8_t deviceType);
    // Opens the board through the USB library once the library can see it
    // (libusb learns of new devices from a uevent on its own thread); the
    // handle is closed in cleanup(). Null if it never became visible.
    libusb_device_handle *openWhenVisible(uint16_t productId);
    void closeHandle(libusb_device_handle *handle);

    // The board's requests in a form whose differences read well on failure.
    static QStringList describe(const QList<e2e::WireRequest> &requests);
    static QString describe(const e2e::WireRequest &request);

    e2e::KernelTestbed &kernel;
    std::unique_ptr<e2e::EmulatedBus> bus;
    QList<libusb_device_handle *> openHandles;

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void deviceInformationReachesTheProgram();
    void boardsAreOpenedByProductId();
    void recordWriteReachesTheBoardByteForByte_data();
    void recordWriteReachesTheBoardByteForByte();
    void commandReachesTheBoard_data();
    void commandReachesTheBoard();
    void settingsReadReturnsTheBoardsRecord_data();
    void settingsReadReturnsTheBoardsRecord();
    void stalledReportIsAPipeError();
    void unpluggedBoardGivesNoDevice();
};
