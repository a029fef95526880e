#include "settingsuibackgroundthread.h"

#include "device/featurereporttransport.h"
#include "settings/recordmetatypes.h"

#include <libusb.h>

#include <QCursor>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>

#include <cstring>

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
    {
        // A scan never waits: if an operation holds the table, this scan is
        // dropped and the next tick tries again.
        std::unique_lock<std::mutex> lock(deviceMutex, std::try_to_lock);
        if (!lock.owns_lock() || deviceBusy || stopped)
            return;

        unsigned char buffer[READ_BUFFER_SIZE];
        for (const int pid : std::as_const(productIds)) {
            libusb_device_handle *handle = deviceHandles.value(pid, nullptr);
            std::memset(buffer, 0, sizeof buffer);
            if (!handle) {
                handle =
                    libusb_open_device_with_vid_pid(nullptr, uint16_t(vendorId), uint16_t(pid));
                if (!handle)
                    continue;
                if (readFeatureReport(handle, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE) <
                    0) {
                    libusb_close(handle);
                    deviceHandles.remove(pid);
                    continue;
                }
            } else if (readFeatureReport(handle, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE) <
                       0) {
                // A failed information read is the only sign that a board is
                // gone; it is opened from scratch once it answers again.
                libusb_close(handle);
                deviceHandles.remove(pid);
                continue;
            }
            deviceHandles.insert(pid, handle);
            FirmwareInfoTypeDef info;
            std::memcpy(&info, buffer, sizeof info);
            found.insert(pid, info);
        }
    }
    emit connectedDevices(found);
}

void SettingsUiBackgroundThread::rebootControllerRequest(int pid)
{
    std::lock_guard<std::mutex> lock(deviceMutex);
    // A rebooting board leaves the bus; there is nobody left to poll.
    if (libusb_device_handle *handle = handleFor(pid))
        sendCommand(handle, COMMAND_REBOOT);
}

void SettingsUiBackgroundThread::switchtoDfuRequest(int pid)
{
    std::lock_guard<std::mutex> lock(deviceMutex);
    if (libusb_device_handle *handle = handleFor(pid))
        sendCommand(handle, COMMAND_SWITCH_TO_DFU);
}

void SettingsUiBackgroundThread::readEffectSettings(int pid)
{
    EffectSettingsTypeDef settings{};
    {
        std::lock_guard<std::mutex> lock(deviceMutex);
        libusb_device_handle *handle = handleFor(pid);
        if (!handle || readRecord(handle, REPORT_ID_EFFECT_SETTINGS, &settings, sizeof settings) <
                           int(sizeof settings))
            return;
    }
    emit effectSettingsObtained(settings);
}

void SettingsUiBackgroundThread::applyEffectSettings(int pid, EffectSettingsTypeDef settings)
{
    std::lock_guard<std::mutex> lock(deviceMutex);
    if (libusb_device_handle *handle = handleFor(pid))
        writeRecordAndWait(handle, COMMAND_WRITE_EFFECT_SETTINGS, &settings, sizeof settings);
}

void SettingsUiBackgroundThread::saveEffectsSettings(int pid, EffectSettingsTypeDef settings)
{
    std::lock_guard<std::mutex> lock(deviceMutex);
    libusb_device_handle *handle = handleFor(pid);
    if (!handle ||
        !writeRecordAndWait(handle, COMMAND_WRITE_EFFECT_SETTINGS, &settings, sizeof settings))
        return;
    if (libusb_device_handle *again = handleFor(pid))
        storeAndWait(again);
}

void SettingsUiBackgroundThread::readHardwareSettings(int pid)
{
    HardwareSettingsTypeDef settings{};
    {
        std::lock_guard<std::mutex> lock(deviceMutex);
        libusb_device_handle *handle = handleFor(pid);
        if (!handle || readRecord(handle, REPORT_ID_HARDWARE_SETTINGS, &settings, sizeof settings) <
                           int(sizeof settings))
            return;
    }
    emit hardwareSettingsObtained(settings);
}

void SettingsUiBackgroundThread::applyHardwareSettings(int pid, HardwareSettingsTypeDef settings)
{
    std::lock_guard<std::mutex> lock(deviceMutex);
    if (libusb_device_handle *handle = handleFor(pid))
        writeRecordAndWait(handle, COMMAND_WRITE_HARDWARE_SETTINGS, &settings, sizeof settings);
}

void SettingsUiBackgroundThread::saveHardwareSettings(int pid, HardwareSettingsTypeDef settings)
{
    std::lock_guard<std::mutex> lock(deviceMutex);
    libusb_device_handle *handle = handleFor(pid);
    if (!handle ||
        !writeRecordAndWait(handle, COMMAND_WRITE_HARDWARE_SETTINGS, &settings, sizeof settings))
        return;
    if (libusb_device_handle *again = handleFor(pid))
        storeAndWait(again);
}

void SettingsUiBackgroundThread::awaitDeviceNotBusy(libusb_device_handle *device)
{
    std::lock_guard<std::mutex> lock(deviceMutex);
    pollUntilNotBusy(device);
}

void SettingsUiBackgroundThread::saveSettingsRequest(int pid)
{
    std::lock_guard<std::mutex> lock(deviceMutex);
    if (libusb_device_handle *handle = handleFor(pid))
        storeAndWait(handle);
}

bool SettingsUiBackgroundThread::pollUntilNotBusy(libusb_device_handle *device)
{
    deviceBusy = true;
    WaitCursor waitCursor;
    bool idle = false;
    if (device) {
        const QDeadlineTimer bound(qint64(BUSY_POLL_MAX_READS) * qint64(BUSY_POLL_INTERVAL_MS));
        unsigned char buffer[READ_BUFFER_SIZE];
        for (int reads = 0; reads < BUSY_POLL_MAX_READS; ++reads) {
            buffer[0] = 1;
            const int received =
                readFeatureReport(device, REPORT_ID_BUSY_STATUS, buffer, READ_BUFFER_SIZE);
            if (received == LIBUSB_ERROR_NO_DEVICE)
                break;
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
                idle = true;
                break;
            }
        }
    }
    deviceBusy = false;
    return idle;
}

bool SettingsUiBackgroundThread::writeRecordAndWait(libusb_device_handle *device,
                                                    uint8_t recordCommand, const void *record,
                                                    uint16_t length)
{
    sendRecord(device, recordCommand, record, length);
    return pollUntilNotBusy(device);
}

void SettingsUiBackgroundThread::storeAndWait(libusb_device_handle *device)
{
    sendCommand(device, COMMAND_STORE_PERMANENTLY);
    pollUntilNotBusy(device);
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
