#include "boardconnection.h"

#include "device/settingsuibackgroundthread.h"

#include <libusb.h>

namespace {

// Every board model the program configures, as the window scans for them.
const QList<int> BOARD_PRODUCT_IDS = {BOARD_PRODUCT_ID_GENERIC, BOARD_PRODUCT_ID_JOYSTICK,
                                      BOARD_PRODUCT_ID_RUDDER, BOARD_PRODUCT_ID_WHEEL,
                                      BOARD_PRODUCT_ID_COLLECTIVE};

}  // namespace

BoardConnection::BoardConnection()
{
    // A failed initialisation leaves the scan finding no board, which is
    // what the caller reports.
    (void)libusb_init(nullptr);
    device = std::make_unique<SettingsUiBackgroundThread>(BOARD_PRODUCT_IDS, BOARD_VENDOR_ID);
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
