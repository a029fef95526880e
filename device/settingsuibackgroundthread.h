#pragma once

#include "device/firmwareinfo.h"
#include "device/operationoutcome.h"
#include "settings/effectsettings.h"
#include "settings/hardwaresettings.h"

#include <QList>
#include <QMap>
#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <mutex>

class QThread;
class QTimer;
struct libusb_device_handle;

constexpr int DEVICE_SCAN_INTERVAL_MS = 1000;  // ms between two device scans
// Scans in a row without an answer after which a board that is still on the
// bus counts as gone.
constexpr int SCANS_MISSED_BEFORE_GONE = 2;

// A board needs some time to take a record or to write its flash; it says so
// through byte 0 of report 0x24. It is asked again after this pause.
constexpr unsigned long BUSY_POLL_INTERVAL_MS = 100;  // ms
// The board's firmware gives no upper bound on its busy time, so the poll
// gives up after this many reads (5 s at 100 ms), or once that time has
// passed when reads fail: a board that hangs must not freeze the program,
// which waits on the GUI thread.
constexpr int BUSY_POLL_MAX_READS = 50;

// The one object through which the program talks to the boards. It owns the
// open USB handles and runs the once-a-second device scan on a thread of its
// own; the settings operations are called directly on the GUI thread.
//
// Locks keep scans and operations apart: an operation holds its board's lock
// and the table's mutex from its look-up of the connection table to its last
// transfer or busy poll, and a scan that finds either held is skipped as a
// whole. A scan takes them one board at a time and holds only the board's
// lock during that board's transfer, so no scan transfer ever runs inside an
// operation on the same board, and a board that stopped answering holds up
// no operation on another. Signals are emitted after the locks are released,
// so a receiver may start another operation at once.
//
// Owner's sequence (the USB library must still be initialised throughout):
//   1. create the worker on the GUI thread, call libusb_init;
//   2. start a QThread, moveToThread(worker), queue a call of start();
//   3. at the end call SettingsUiBackgroundThread::stopAndDelete(worker,
//      thread) from the GUI thread (see there), then delete the QThread,
//      and only then call libusb_exit.
class SettingsUiBackgroundThread : public QObject
{
    Q_OBJECT

public:
    SettingsUiBackgroundThread(const QList<int> &productIds, int vendorId,
                               QObject *parent = nullptr);
    // Closes handles that are still open (after shutdown() there are none).
    ~SettingsUiBackgroundThread() override;

    // Stops the scan timer for good and closes every open handle; later scans
    // do nothing and operations find no board. Must run on the worker's own
    // thread (QTimer may only be stopped there): while that thread runs,
    // call it through
    //   QMetaObject::invokeMethod(worker, "shutdown", Qt::BlockingQueuedConnection);
    // and call it directly only while the worker still lives on the calling
    // thread. Never call it from inside an operation or a slot of this object.
    // Invokable rather than a slot, so that the slots keep their order.
    Q_INVOKABLE void shutdown();

    // The whole orderly stop for the owner, called on the GUI thread: runs
    // shutdown() on the worker's thread (or directly when the worker lives
    // on the calling thread), quits and waits for `thread`, deletes the
    // worker. `thread` may be null; it is not deleted. Call libusb_exit only
    // after this has returned.
    static void stopAndDelete(SettingsUiBackgroundThread *worker, QThread *thread);

    // The operations for callers that want the result itself (automatic
    // backups, the command-line tool). Each takes the mutex as the slots do,
    // emits nothing and returns the outcome; the slots below are these plus
    // their signals.
    OperationOutcome fetchEffectSettings(int pid, EffectSettingsTypeDef &record);
    OperationOutcome fetchHardwareSettings(int pid, HardwareSettingsTypeDef &record);
    OperationOutcome writeEffectSettings(int pid, const EffectSettingsTypeDef &record,
                                         bool permanently);
    OperationOutcome writeHardwareSettings(int pid, const HardwareSettingsTypeDef &record,
                                           bool permanently);
    OperationOutcome reboot(int pid);
    OperationOutcome switchToDfu(int pid);

signals:
    void connectedDevices(QMap<int, FirmwareInfoTypeDef> devices);
    void effectSettingsObtained(EffectSettingsTypeDef settings);
    void hardwareSettingsObtained(HardwareSettingsTypeDef settings);
    // Once per operation slot, after the mutex is released and after the
    // record signal of a successful read.
    void operationFinished(OperationOutcome outcome);

public slots:
    void start();
    void checkDeviceConnections();
    void rebootControllerRequest(int pid);
    void switchtoDfuRequest(int pid);
    void readEffectSettings(int pid);
    void applyEffectSettings(int pid, EffectSettingsTypeDef settings);
    void saveEffectsSettings(int pid, EffectSettingsTypeDef settings);
    void readHardwareSettings(int pid);
    void applyHardwareSettings(int pid, HardwareSettingsTypeDef settings);
    void saveHardwareSettings(int pid, HardwareSettingsTypeDef settings);

private slots:
    void awaitDeviceNotBusy(libusb_device_handle *device);
    void saveSettingsRequest(int pid);

private:
    // The busy poll proper; the caller holds deviceMutex. Returns 0 when the
    // board reported idle, BUSY_POLL_GAVE_UP when it stayed busy up to the
    // bound, or the libusb error of the last failed read when no answer
    // followed it. After anything but 0 the operation sends nothing more.
    int pollUntilNotBusy(libusb_device_handle *device);
    static constexpr int BUSY_POLL_GAVE_UP = 1;
    static void setPollResult(OperationOutcome &outcome, int pollResult);
    // Runs `transfer` on the board's handle with the board's lock and then
    // deviceMutex held; a board that is not open ends the operation as
    // NoSuchBoard without it.
    OperationOutcome withBoardLocked(
        int pid, DeviceOperation operation,
        const std::function<void(libusb_device_handle *, OperationOutcome &)> &transfer);
    // The operations proper, each through withBoardLocked().
    OperationOutcome fetchRecord(int pid, DeviceOperation operation, uint8_t reportId, void *record,
                                 int size);
    OperationOutcome writeRecord(int pid, DeviceOperation operation, uint8_t recordCommand,
                                 const void *record, uint16_t length);
    OperationOutcome sendBoardCommand(int pid, DeviceOperation operation, uint8_t command);
    // The lock of one board, or null for a product id this worker does not serve.
    std::mutex *boardMutexFor(int pid) const;
    // The handle of `pid`, or null; the caller holds deviceMutex.
    libusb_device_handle *handleFor(int pid) const;
    // Returns the number of bytes received; the caller holds deviceMutex.
    int readRecord(libusb_device_handle *device, uint8_t reportId, void *record, int size);

    QList<int> productIds;
    QMap<int, libusb_device_handle *> deviceHandles;
    QTimer *scanTimer;
    int vendorId;
    bool deviceBusy;

    // Guards deviceHandles, the handles in it, deviceBusy and stopped.
    std::mutex deviceMutex;
    // One per product id, taken before deviceMutex and held for a board's
    // whole operation, or by a scan for its transfer to that board. A scan
    // holds only this one while it waits on a board, so a board that stopped
    // answering delays operations on itself alone. Filled in the constructor
    // and never changed afterwards, so it is read without a lock.
    std::map<int, std::unique_ptr<std::mutex>> boardMutexes;
    bool stopped = false;
    // Touched by the scan alone, under deviceMutex: per open board, the
    // scans in a row it did not answer, and its last information record.
    QMap<int, int> missedScans;
    FirmwareInfoMap lastInfo;
};
