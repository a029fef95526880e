#pragma once

#include "support/emulatedboard.h"
#include "support/kerneltestbed.h"

#include "device/firmwareinfo.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <memory>

struct libusb_device_handle;
class QThread;
class SettingsUiBackgroundThread;

// The checks every real USB path must pass: the program's own transport and
// its settings worker, run through a real USB library (libusb-1.0 or the
// hidraw backend) against boards emulated at the kernel interface that
// library uses. Each backend's test program derives from this and adds what
// is particular to it.
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

    // The worker as the main window runs it: on a thread of its own, its
    // maps received on this (the GUI) thread through a queued connection.
    void startWorker();
    // The orderly stop the main window performs before libusb_exit.
    void stopWorker();
    // Runs one scan on the worker's thread, as its timer would, and lets the
    // map arrive here; false if it never came.
    bool scanOnce(FirmwareInfoMap *devices);
    // Scans until the board is listed (or no longer listed); false if that
    // did not happen within a few seconds.
    bool scanUntil(uint16_t productId, bool listed);

    e2e::KernelTestbed &kernel;
    std::unique_ptr<e2e::EmulatedBus> bus;
    QList<libusb_device_handle *> openHandles;
    SettingsUiBackgroundThread *worker = nullptr;
    QThread *workerThread = nullptr;
    QList<FirmwareInfoMap> scans;  // every map the worker reported

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

    void scanListsTheBoardWithItsInformation();
    void workerWritesReachTheBoardByteForByte_data();
    void workerWritesReachTheBoardByteForByte();
    void workerReadsReturnTheBoardsRecords();
    void unpluggedBoardIsDroppedAndItsHandleClosed();
    void boardVanishingDuringASaveEndsTheOperation();
};
