#include "boardconnection.h"

#include "device/settingsuibackgroundthread.h"

#include <libusb.h>

BoardConnection::BoardConnection()
{
    // A failed initialisation leaves the scan finding no board, which is
    // what the caller reports.
    (void)libusb_init(nullptr);
    device = std::make_unique<SettingsUiBackgroundThread>(boardProductIds(), BOARD_VENDOR_ID);
    // The worker lives on this thread and is never started, so the scan runs
    // here and its signal arrives before checkDeviceConnections returns.
    QObject::connect(device.get(), &SettingsUiBackgroundThread::connectedDevices, device.get(),
                     [this](const FirmwareInfoMap &devices) { found = devices; });
    device->checkDeviceConnections();
}

const FirmwareInfoMap &BoardConnection::rescan()
{
    device->checkDeviceConnections();
    return found;
}

BoardConnection::~BoardConnection()
{
    SettingsUiBackgroundThread::stopAndDelete(device.release(), nullptr);
    libusb_exit(nullptr);
}
