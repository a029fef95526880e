#include "settingsuibackgroundthread.h"

#include "device/boardlock.h"
#include "device/featurereporttransport.h"
#include "settings/recordmetatypes.h"

#include <libusb.h>

#include <QCursor>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>

#include <cstring>
#include <memory>

namespace {

// The wait cursor is the only sign of life while a busy poll blocks the GUI
// thread. Cursors belong to the GUI thread; anywhere else (or without a GUI
// application) the poll simply runs without one.
class WaitCursor
{
public:
    WaitCursor()
        : active(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) &&
                 QThread::currentThread() == QCoreApplication::instance()->thread())
    {
        if (active)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~WaitCursor()
    {
        if (active)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    const bool active;
};

}  // namespace

SettingsUiBackgroundThread::SettingsUiBackgroundThread(const QList<int> &productIds, int vendorId,
                                                       QObject *parent)
    : QObject(parent), productIds(productIds), scanTimer(new QTimer(this)), vendorId(vendorId),
      deviceBusy(false)
{
    registerRecordMetaTypes();
    for (const int pid : productIds)
        boardMutexes.emplace(pid, std::make_unique<std::mutex>());
    connect(scanTimer, &QTimer::timeout, this, &SettingsUiBackgroundThread::checkDeviceConnections);
}

SettingsUiBackgroundThread::~SettingsUiBackgroundThread()
{
    std::lock_guard<std::mutex> lock(deviceMutex);
    for (libusb_device_handle *handle : std::as_const(deviceHandles))
        if (handle)
            libusb_close(handle);
    deviceHandles.clear();
}

void SettingsUiBackgroundThread::shutdown()
{
    // The timer may only be stopped from its own thread; from anywhere else
    // the stopped flag still keeps every later scan from touching the bus.
    if (scanTimer->thread() == QThread::currentThread())
        scanTimer->stop();
    std::lock_guard<std::mutex> lock(deviceMutex);
    stopped = true;
    for (libusb_device_handle *handle : std::as_const(deviceHandles))
        if (handle)
            libusb_close(handle);
    deviceHandles.clear();
}

void SettingsUiBackgroundThread::stopAndDelete(SettingsUiBackgroundThread *worker, QThread *thread)
{
    if (worker) {
        QThread *home = worker->thread();
        if (home == QThread::currentThread() || !home || !home->isRunning())
            worker->shutdown();
        else
            // By name, not through a functor: the call event is then built
            // and freed inside Qt alone, which keeps the thread-sanitizer
            // builds free of reports about Qt's own (invisible) locking.
            QMetaObject::invokeMethod(worker, "shutdown", Qt::BlockingQueuedConnection);
    }
    if (thread) {
        thread->quit();
        thread->wait();
    }
    delete worker;
}

void SettingsUiBackgroundThread::start()
{
    std::lock_guard<std::mutex> lock(deviceMutex);
    if (stopped)
        return;
    scanTimer->start(DEVICE_SCAN_INTERVAL_MS);
}

void SettingsUiBackgroundThread::checkDeviceConnections()
{
    FirmwareInfoMap found;
    for (const int pid : std::as_const(productIds)) {
        // A scan never waits for an operation: if one holds this board or
        // the table, this scan is dropped and the next tick tries again.
        std::unique_lock<std::mutex> boardLock(*boardMutexes.at(pid), std::try_to_lock);
        if (!boardLock.owns_lock())
            return;
        libusb_device_handle *handle = nullptr;
        {
            std::unique_lock<std::mutex> lock(deviceMutex, std::try_to_lock);
            if (!lock.owns_lock() || deviceBusy || stopped)
                return;
            handle = deviceHandles.value(pid, nullptr);
            if (!handle) {
                handle =
                    libusb_open_device_with_vid_pid(nullptr, uint16_t(vendorId), uint16_t(pid));
                if (!handle)
                    continue;
                deviceHandles.insert(pid, handle);
            }
        }

        // The information read runs with only this board's lock held: a board
        // that has stopped answering takes a whole transfer timeout here, and
        // an operation on another board must not wait for that. Nothing else
        // touches this handle meanwhile: operations take the board lock
        // first, and only this thread changes the table.
        unsigned char buffer[READ_BUFFER_SIZE] = {};
        const int received =
            readFeatureReport(handle, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE);

        std::lock_guard<std::mutex> lock(deviceMutex);
        if (stopped)
            return;
        if (received < 0) {
            // A board writing its flash (for another program, say) or on a
            // noisy line misses an answer now and then; the window must not
            // take that for an unplug and drop the user's selection. Only a
            // board that is gone, or silent twice in a row, leaves the list;
            // it is opened from scratch once it answers again.
            const int missed = ++missedScans[pid];
            if (received != LIBUSB_ERROR_NO_DEVICE && missed < SCANS_MISSED_BEFORE_GONE &&
                lastInfo.contains(pid)) {
                found.insert(pid, lastInfo.value(pid));
                continue;
            }
            libusb_close(handle);
            deviceHandles.remove(pid);
            missedScans.remove(pid);
            lastInfo.remove(pid);
            continue;
        }
        FirmwareInfoTypeDef info;
        std::memcpy(&info, buffer, sizeof info);
        missedScans.remove(pid);
        lastInfo.insert(pid, info);
        found.insert(pid, info);
    }
    emit connectedDevices(found);
}

namespace {

OperationOutcome outcomeOf(int pid, DeviceOperation operation)
{
    OperationOutcome outcome;
    outcome.productId = pid;
    outcome.operation = operation;
    return outcome;
}

void setTransferError(OperationOutcome &outcome, int error)
{
    if (error == LIBUSB_ERROR_NO_DEVICE) {
        outcome.status = OutcomeStatus::BoardLeft;
    } else {
        outcome.status = OutcomeStatus::TransferFailed;
        outcome.libusbError = error;
    }
}

bool isSave(DeviceOperation operation)
{
    return operation == DeviceOperation::SaveEffectSettings ||
           operation == DeviceOperation::SaveHardwareSettings;
}

}  // namespace

OperationOutcome SettingsUiBackgroundThread::fetchEffectSettings(int pid,
                                                                 EffectSettingsTypeDef &record)
{
    return fetchRecord(pid, DeviceOperation::ReadEffectSettings, REPORT_ID_EFFECT_SETTINGS, &record,
                       int(sizeof record));
}

OperationOutcome SettingsUiBackgroundThread::fetchHardwareSettings(int pid,
                                                                   HardwareSettingsTypeDef &record)
{
    return fetchRecord(pid, DeviceOperation::ReadHardwareSettings, REPORT_ID_HARDWARE_SETTINGS,
                       &record, int(sizeof record));
}

OperationOutcome
SettingsUiBackgroundThread::writeEffectSettings(int pid, const EffectSettingsTypeDef &record,
                                                bool permanently)
{
    return writeRecord(pid,
                       permanently ? DeviceOperation::SaveEffectSettings
                                   : DeviceOperation::ApplyEffectSettings,
                       COMMAND_WRITE_EFFECT_SETTINGS, &record, uint16_t(sizeof record));
}

OperationOutcome
SettingsUiBackgroundThread::writeHardwareSettings(int pid, const HardwareSettingsTypeDef &record,
                                                  bool permanently)
{
    return writeRecord(pid,
                       permanently ? DeviceOperation::SaveHardwareSettings
                                   : DeviceOperation::ApplyHardwareSettings,
                       COMMAND_WRITE_HARDWARE_SETTINGS, &record, uint16_t(sizeof record));
}

OperationOutcome SettingsUiBackgroundThread::reboot(int pid)
{
    return sendBoardCommand(pid, DeviceOperation::Reboot, COMMAND_REBOOT);
}

OperationOutcome SettingsUiBackgroundThread::switchToDfu(int pid)
{
    return sendBoardCommand(pid, DeviceOperation::SwitchToDfu, COMMAND_SWITCH_TO_DFU);
}

void SettingsUiBackgroundThread::rebootControllerRequest(int pid)
{
    emit operationFinished(reboot(pid));
}

void SettingsUiBackgroundThread::switchtoDfuRequest(int pid)
{
    emit operationFinished(switchToDfu(pid));
}

void SettingsUiBackgroundThread::readEffectSettings(int pid)
{
    EffectSettingsTypeDef settings{};
    const OperationOutcome outcome = fetchEffectSettings(pid, settings);
    if (outcome.succeeded())
        emit effectSettingsObtained(settings);
    emit operationFinished(outcome);
}

void SettingsUiBackgroundThread::applyEffectSettings(int pid, EffectSettingsTypeDef settings)
{
    emit operationFinished(writeEffectSettings(pid, settings, false));
}

void SettingsUiBackgroundThread::saveEffectsSettings(int pid, EffectSettingsTypeDef settings)
{
    emit operationFinished(writeEffectSettings(pid, settings, true));
}

void SettingsUiBackgroundThread::readHardwareSettings(int pid)
{
    HardwareSettingsTypeDef settings{};
    const OperationOutcome outcome = fetchHardwareSettings(pid, settings);
    if (outcome.succeeded())
        emit hardwareSettingsObtained(settings);
    emit operationFinished(outcome);
}

void SettingsUiBackgroundThread::applyHardwareSettings(int pid, HardwareSettingsTypeDef settings)
{
    emit operationFinished(writeHardwareSettings(pid, settings, false));
}

void SettingsUiBackgroundThread::saveHardwareSettings(int pid, HardwareSettingsTypeDef settings)
{
    emit operationFinished(writeHardwareSettings(pid, settings, true));
}

void SettingsUiBackgroundThread::awaitDeviceNotBusy(libusb_device_handle *device)
{
    std::lock_guard<std::mutex> lock(deviceMutex);
    pollUntilNotBusy(device);
}

void SettingsUiBackgroundThread::saveSettingsRequest(int pid)
{
    std::unique_lock<std::mutex> boardLock;
    const auto boardMutex = boardMutexes.find(pid);
    if (boardMutex != boardMutexes.end())
        boardLock = std::unique_lock<std::mutex>(*boardMutex->second);
    BoardLock processLock(vendorId, pid);
    if (processLock.tryLock() == BoardLock::Result::HeldByOther)
        return;
    std::lock_guard<std::mutex> lock(deviceMutex);
    if (libusb_device_handle *handle = handleFor(pid)) {
        sendCommand(handle, COMMAND_STORE_PERMANENTLY);
        pollUntilNotBusy(handle);
    }
}

int SettingsUiBackgroundThread::pollUntilNotBusy(libusb_device_handle *device)
{
    deviceBusy = true;
    WaitCursor waitCursor;
    int result = BUSY_POLL_GAVE_UP;
    if (device) {
        const QDeadlineTimer bound(qint64(BUSY_POLL_MAX_READS) * qint64(BUSY_POLL_INTERVAL_MS));
        unsigned char buffer[READ_BUFFER_SIZE];
        for (int reads = 0; reads < BUSY_POLL_MAX_READS; ++reads) {
            buffer[0] = 1;
            const int received =
                readFeatureReport(device, REPORT_ID_BUSY_STATUS, buffer, READ_BUFFER_SIZE);
            if (received == LIBUSB_ERROR_NO_DEVICE) {
                result = received;
                break;
            }
            // A board writing its flash may refuse a read now and then; a
            // failure counts only if no answer follows it.
            result = received < 0 ? received : BUSY_POLL_GAVE_UP;
            // A board that hangs lets every read run into the transfer
            // timeout; the bound then holds in time as well as in reads.
            if (received < 0 && bound.hasExpired())
                break;
            // Even a board that is idle at once gets this pause: it has
            // just been written to.
            QThread::msleep(BUSY_POLL_INTERVAL_MS);
            // Only a reply that carries byte 0 counts; a failed read proves
            // nothing either way.
            if (received > 0 && buffer[0] == 0) {
                result = 0;
                break;
            }
        }
    }
    deviceBusy = false;
    return result;
}

void SettingsUiBackgroundThread::setPollResult(OperationOutcome &outcome, int pollResult)
{
    if (pollResult == BUSY_POLL_GAVE_UP)
        outcome.status = OutcomeStatus::StayedBusy;
    else if (pollResult < 0)
        setTransferError(outcome, pollResult);
}

std::mutex *SettingsUiBackgroundThread::boardMutexFor(int pid) const
{
    const auto found = boardMutexes.find(pid);
    return found == boardMutexes.end() ? nullptr : found->second.get();
}

OperationOutcome SettingsUiBackgroundThread::withBoardLocked(
    int pid, DeviceOperation operation,
    const std::function<void(libusb_device_handle *, OperationOutcome &)> &transfer)
{
    OperationOutcome outcome = outcomeOf(pid, operation);
    std::mutex *boardMutex = boardMutexFor(pid);
    if (!boardMutex) {
        outcome.status = OutcomeStatus::NoSuchBoard;
        return outcome;
    }
    std::lock_guard<std::mutex> boardLock(*boardMutex);
    // Other processes of this program may talk to the same board (a launcher
    // running gravoltctl while the window is open); their records must not
    // interleave with this one. Without a place for the lock file there is
    // nobody to agree with, and the board stays usable.
    BoardLock processLock(vendorId, pid);
    if (processLock.tryLock() == BoardLock::Result::HeldByOther) {
        outcome.status = OutcomeStatus::BoardInUse;
        outcome.holder = processLock.holder();
        return outcome;
    }
    std::lock_guard<std::mutex> lock(deviceMutex);
    if (libusb_device_handle *handle = handleFor(pid))
        transfer(handle, outcome);
    else
        outcome.status = OutcomeStatus::NoSuchBoard;
    return outcome;
}

OperationOutcome SettingsUiBackgroundThread::fetchRecord(int pid, DeviceOperation operation,
                                                         uint8_t reportId, void *record, int size)
{
    return withBoardLocked(pid, operation,
                           [&](libusb_device_handle *handle, OperationOutcome &outcome) {
                               const int received = readRecord(handle, reportId, record, size);
                               if (received < 0) {
                                   setTransferError(outcome, received);
                               } else if (received < size) {
                                   outcome.status = OutcomeStatus::ShortReply;
                                   outcome.bytesReceived = received;
                                   outcome.bytesExpected = size;
                               }
                           });
}

OperationOutcome SettingsUiBackgroundThread::writeRecord(int pid, DeviceOperation operation,
                                                         uint8_t recordCommand, const void *record,
                                                         uint16_t length)
{
    return withBoardLocked(
        pid, operation, [&](libusb_device_handle *handle, OperationOutcome &outcome) {
            // Nothing more goes out after a failure: a board that missed part of
            // the record has been told to apply nothing, and must not store it
            // either.
            if (const int error =
                    sendRecord(handle, recordCommand, record, length, &outcome.failedReport)) {
                setTransferError(outcome, error);
                return;
            }
            setPollResult(outcome, pollUntilNotBusy(handle));
            if (!outcome.succeeded() || !isSave(operation))
                return;
            if (const int error =
                    reportWriteError(sendCommand(handle, COMMAND_STORE_PERMANENTLY))) {
                setTransferError(outcome, error);
                return;
            }
            // Only the board's idle after the store says the flash holds the record.
            setPollResult(outcome, pollUntilNotBusy(handle));
        });
}

OperationOutcome SettingsUiBackgroundThread::sendBoardCommand(int pid, DeviceOperation operation,
                                                              uint8_t command)
{
    return withBoardLocked(
        pid, operation, [&](libusb_device_handle *handle, OperationOutcome &outcome) {
            // The board leaves the bus; there is nobody left to poll. Whether
            // it took the command shows only in what it does next (see
            // RebootWatch). A "no device" may be a board dropping off as it
            // obeys, or one unplugged a moment before: a rebooted board proves
            // itself by coming back, but a board gone for DFU cannot be told
            // from one pulled out, so that is no success.
            const int error = reportWriteError(sendCommand(handle, command));
            if (error && (error != LIBUSB_ERROR_NO_DEVICE || command != COMMAND_REBOOT)) {
                setTransferError(outcome, error);
                if (error != LIBUSB_ERROR_NO_DEVICE)
                    return;
            }
            // The handle belongs to the board as it was; the scan opens the
            // board afresh once it answers again, and reports it absent until.
            libusb_close(handle);
            deviceHandles.remove(pid);
            missedScans.remove(pid);
            lastInfo.remove(pid);
        });
}

libusb_device_handle *SettingsUiBackgroundThread::handleFor(int pid) const
{
    return deviceHandles.value(pid, nullptr);
}

int SettingsUiBackgroundThread::readRecord(libusb_device_handle *device, uint8_t reportId,
                                           void *record, int size)
{
    // A board may answer with more than the record; the buffer takes all of it.
    unsigned char buffer[READ_BUFFER_SIZE] = {};
    const int received = readFeatureReport(device, reportId, buffer, READ_BUFFER_SIZE);
    if (received >= size)
        std::memcpy(record, buffer, size_t(size));
    return received;
}
