#include "dfuusbfsbus.h"

#include "emulatedbootloader.h"

#include <umockdev.h>

#include <cerrno>
#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>

namespace e2e {

namespace {

constexpr int BUS_NUMBER = 1;

// Device, configuration, the DFU-mode interface and its DfuSe functional
// descriptor (download, upload, will detach; 1024-byte blocks; 0x011A).
QString descriptorHex()
{
    const unsigned char descriptors[] = {
        0x12, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x40, 0x83, 0x04, 0x11, 0xDF, 0x00, 0x22, 0x01,
        0x02, 0x03, 0x01,
        // configuration 1, one interface, 27 bytes in all
        0x09, 0x02, 0x1B, 0x00, 0x01, 0x01, 0x00, 0x80, 0x32,
        // interface 0, alternate 0, no endpoints, DFU mode, string 4
        0x09, 0x04, 0x00, 0x00, 0x00, 0xFE, 0x01, 0x02, 0x04,
        // DFU functional descriptor
        0x09, 0x21, 0x0B, 0xFF, 0x00, 0x00, 0x04, 0x1A, 0x01};
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(descriptors), int(sizeof descriptors))
            .toHex()
            .toUpper());
}

}  // namespace

DfuUsbfsBus::~DfuUsbfsBus()
{
    detachAll();
}

bool DfuUsbfsBus::describe(EmulatedNode &node, QString *description, QString *)
{
    const int deviceNumber = kernel.nextUsbDeviceNumber();
    port = QStringLiteral("%1-%2").arg(BUS_NUMBER).arg(deviceNumber);
    const QString syspath =
        QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb%1/%2").arg(BUS_NUMBER).arg(port);
    const QString nodeName = QStringLiteral("bus/usb/%1/%2")
                                 .arg(BUS_NUMBER, 3, 10, QLatin1Char('0'))
                                 .arg(deviceNumber, 3, 10, QLatin1Char('0'));
    const int minor = (BUS_NUMBER - 1) * 128 + deviceNumber - 1;
    node.devnode = QStringLiteral("/dev/") + nodeName;
    node.sysfsPaths = {QStringLiteral("/sys") + syspath};
    *description = QStringLiteral("P: %1\n"
                                  "N: %2=%3\n"
                                  "E: DEVNAME=%4\n"
                                  "E: DEVTYPE=usb_device\n"
                                  "E: DRIVER=usb\n"
                                  "E: PRODUCT=483/df11/2200\n"
                                  "E: TYPE=0/0/0\n"
                                  "E: BUSNUM=%5\n"
                                  "E: DEVNUM=%6\n"
                                  "E: MAJOR=189\n"
                                  "E: MINOR=%7\n"
                                  "E: SUBSYSTEM=usb\n"
                                  "A: bConfigurationValue=1\\n\n"
                                  "A: bDeviceClass=00\\n\n"
                                  "A: bNumConfigurations=1\\n\n"
                                  "A: bNumInterfaces= 1\\n\n"
                                  "A: busnum=%8\\n\n"
                                  "A: devnum=%9\\n\n"
                                  "A: dev=189:%7\\n\n"
                                  "A: speed=12\\n\n"
                                  "A: idVendor=0483\\n\n"
                                  "A: idProduct=df11\\n\n"
                                  "H: descriptors=%3\n")
                       .arg(syspath, nodeName, descriptorHex(), node.devnode)
                       .arg(BUS_NUMBER, 3, 10, QLatin1Char('0'))
                       .arg(deviceNumber, 3, 10, QLatin1Char('0'))
                       .arg(minor)
                       .arg(BUS_NUMBER)
                       .arg(deviceNumber);
    return true;
}

void DfuUsbfsBus::handleIoctl(EmulatedNode &node, UMockdevIoctlClient *client)
{
    const gulong request = umockdev_ioctl_client_get_request(client);
    if (request != USBDEVFS_CLAIMINTERFACE && request != USBDEVFS_RELEASEINTERFACE &&
        request != USBDEVFS_SETINTERFACE) {
        UsbfsBus::handleIoctl(node, client);
        return;
    }
    GError *gerror = nullptr;
    UMockdevIoctlData *data = umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0,
                                                          _IOC_SIZE(request), &gerror);
    if (!data) {
        g_error_free(gerror);
        umockdev_ioctl_client_complete(client, -1, EFAULT);
        return;
    }
    long result = 0;
    int error = 0;
    if (request == USBDEVFS_SETINTERFACE) {
        const auto *setting = reinterpret_cast<const usbdevfs_setinterface *>(data->data);
        if (setting->interface != 0 || setting->altsetting != 0) {
            result = -1;
            error = EINVAL;
        } else if (auto *bootloader = dynamic_cast<EmulatedBootloader *>(node.board.get())) {
            bootloader->setAlternateSetting(int(setting->altsetting));
        }
    } else if (*reinterpret_cast<const unsigned int *>(data->data) != 0) {
        result = -1;
        error = EINVAL;  // the bootloader has interface 0 only
    }
    umockdev_ioctl_client_complete(client, result, error);
    g_object_unref(data);
}

}  // namespace e2e
