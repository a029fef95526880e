#include "hidrawbus.h"

#include <QDir>
#include <QFile>
#include <QMutexLocker>

#include <umockdev.h>

#include <cerrno>
#include <cstring>
#include <linux/hidraw.h>
#include <linux/input.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace e2e {

namespace {

constexpr int BUS_NUMBER = 1;
constexpr int INTERFACE_NUMBER = 0;
// hidraw.c caps feature buffers at HID_MAX_BUFFER_SIZE (4096 before Linux
// 6.3, 16384 since); the ioctl's size field cannot say more than 16383.
constexpr gsize MAX_FEATURE_BUFFER = 16384;
constexpr gsize MIN_FEATURE_BUFFER = 2;  // report id and one byte
constexpr const char *MANUFACTURER = "Gravolt";
constexpr const char *PRODUCT = "Gravolt Controller";

// Vendor page, one application collection of 8-bit fields; feature report
// 0x20 takes 64 bytes after its id, and the read reports carry their records.
// The boards answer reads from byte 0 without a report-id byte, so the read
// sizes are the record sizes less the byte the id would take.
const unsigned char REPORT_DESCRIPTOR[] = {
    0x06, 0x00, 0xFF,        // Usage Page (Vendor 0xFF00)
    0x09, 0x01,              // Usage (1)
    0xA1, 0x01,              // Collection (Application)
    0x15, 0x00,              //   Logical Minimum (0)
    0x26, 0xFF, 0x00,        //   Logical Maximum (255)
    0x75, 0x08,              //   Report Size (8)
    0x85, 0x20, 0x09, 0x20,  //   Report ID 0x20, Usage 0x20
    0x96, 0x40, 0x00,        //   Report Count (64)
    0xB1, 0x02,              //   Feature (Data, Var, Abs)
    0x85, 0x21, 0x09, 0x21,  //   Report ID 0x21: hardware settings
    0x96, 0xFF, 0x01,        //   Report Count (511)
    0xB1, 0x02,              //
    0x85, 0x22, 0x09, 0x22,  //   Report ID 0x22: effect settings
    0x96, 0x7F, 0x01,        //   Report Count (383)
    0xB1, 0x02,              //
    0x85, 0x24, 0x09, 0x24,  //   Report ID 0x24: busy status
    0x96, 0x3F, 0x00,        //   Report Count (63)
    0xB1, 0x02,              //
    0x85, 0x25, 0x09, 0x25,  //   Report ID 0x25: device information
    0x96, 0x3F, 0x00,        //   Report Count (63)
    0xB1, 0x02,              //
    0xC0,                    // End Collection
};

// The kernel names HID devices and fills HID_ID in upper-case hex.
QString upperHex(unsigned int value, int width)
{
    return QString::number(value, 16).toUpper().rightJustified(width, QLatin1Char('0'));
}

}  // namespace

QByteArray HidrawBus::reportDescriptor()
{
    return QByteArray(reinterpret_cast<const char *>(REPORT_DESCRIPTOR),
                      int(sizeof REPORT_DESCRIPTOR));
}

bool HidrawBus::describe(EmulatedNode &node, QString *description, QString *error)
{
    const int deviceNumber = kernel.nextUsbDeviceNumber();
    const int minor = hidrawMinors++;
    const int sequence = ++hidSequence;
    const uint16_t productId = node.board->productId();
    // The device number is new on every plug, the port path stays the port's.
    node.port = freePort();
    const QString usbPath = QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb%1/%1-%2")
                                .arg(BUS_NUMBER)
                                .arg(node.port);
    const QString interfacePath =
        usbPath +
        QStringLiteral("/%1-%2:1.%3").arg(BUS_NUMBER).arg(node.port).arg(INTERFACE_NUMBER);
    const QString hidName =
        QStringLiteral("0003:045B:%1.%2").arg(upperHex(productId, 4), upperHex(sequence, 4));
    const QString hidPath = interfacePath + QLatin1Char('/') + hidName;
    const QString hidrawName = QStringLiteral("hidraw%1").arg(minor);
    const QString hidrawPath = hidPath + QStringLiteral("/hidraw/") + hidrawName;
    const QString pid = QStringLiteral("%1").arg(productId, 4, 16, QLatin1Char('0'));
    const QString serial = QStringLiteral("GV%1").arg(sequence, 6, 10, QLatin1Char('0'));
    const QString phys =
        QStringLiteral("usb-0000:00:14.0-%1/input%2").arg(node.port).arg(INTERFACE_NUMBER);

    // The node is a pty of our own whose real device number is also the
    // hidraw device's number in sysfs: the preload fakes stat() but not
    // fstat(), and hidapi looks the device up by fstat's st_rdev.
    char ptyName[128] = {};
    int slave = -1;
    struct stat status = {};
    if (openpty(&node.pty, &slave, ptyName, nullptr, nullptr) < 0 || fstat(slave, &status) < 0) {
        *error = QStringLiteral("openpty: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    ::close(slave);
    const unsigned int major = ::major(status.st_rdev);
    const unsigned int ptyMinor = ::minor(status.st_rdev);

    node.devnode = QStringLiteral("/dev/") + hidrawName;
    node.sysfsPaths = {QStringLiteral("/sys") + usbPath, QStringLiteral("/sys") + interfacePath,
                       QStringLiteral("/sys") + hidPath, QStringLiteral("/sys") + hidrawPath};

    const QString root = kernel.rootDir();
    QDir().mkpath(root + QStringLiteral("/dev/.ptymap"));
    // <root>/dev/hidrawN -> /dev/pts/M, as umockdev links its own ptys, and
    // the pty map entry that makes the preload's isatty() say no.
    QString ptyKey = QString::fromLocal8Bit(ptyName);
    ptyKey.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (symlink(ptyName, (root + node.devnode).toLocal8Bit().constData()) < 0 ||
        symlink(QStringLiteral("%1:%2").arg(major).arg(ptyMinor).toLocal8Bit().constData(),
                (root + QStringLiteral("/dev/.ptymap/") + ptyKey).toLocal8Bit().constData()) < 0) {
        *error = QStringLiteral("cannot link %1: %2")
                     .arg(node.devnode, QString::fromLocal8Bit(strerror(errno)));
        return false;
    }

    const QString descriptorHex = QString::fromLatin1(reportDescriptor().toHex().toUpper());

    // umockdev-record format, parents first. What hidapi reads: idVendor,
    // idProduct, manufacturer, product, serial, bcdDevice of the USB device;
    // bInterfaceNumber of the interface; HID_ID, HID_NAME and HID_UNIQ (all
    // three must be there) and report_descriptor of the HID device; and the
    // hidraw device's "device" link, which umockdev does not make itself.
    *description =
        QStringLiteral("P: %1\n"
                       "E: DEVNAME=/dev/bus/usb/%2/%3\n"
                       "E: DEVTYPE=usb_device\n"
                       "E: DRIVER=usb\n"
                       "E: PRODUCT=45b/%4/100\n"
                       "E: TYPE=0/0/0\n"
                       "E: BUSNUM=%2\n"
                       "E: DEVNUM=%3\n"
                       "E: SUBSYSTEM=usb\n"
                       "A: idVendor=045b\\n\n"
                       "A: idProduct=%4\\n\n"
                       "A: bcdDevice=0100\\n\n"
                       "A: manufacturer=%5\\n\n"
                       "A: product=%6\\n\n"
                       "A: serial=%7\\n\n"
                       "A: bDeviceClass=00\\n\n"
                       "A: bNumConfigurations=1\\n\n"
                       "A: bNumInterfaces= 1\\n\n"
                       "A: bConfigurationValue=1\\n\n"
                       "A: busnum=%8\\n\n"
                       "A: devnum=%9\\n\n"
                       "A: speed=12\\n\n"
                       "\n")
            .arg(usbPath)
            .arg(BUS_NUMBER, 3, 10, QLatin1Char('0'))
            .arg(deviceNumber, 3, 10, QLatin1Char('0'))
            .arg(pid, QString::fromLatin1(MANUFACTURER), QString::fromLatin1(PRODUCT), serial)
            .arg(BUS_NUMBER)
            .arg(deviceNumber);
    *description += QStringLiteral("P: %1\n"
                                   "E: DEVTYPE=usb_interface\n"
                                   "E: DRIVER=usbhid\n"
                                   "E: INTERFACE=3/0/0\n"
                                   "E: SUBSYSTEM=usb\n"
                                   "A: bInterfaceClass=03\\n\n"
                                   "A: bInterfaceSubClass=00\\n\n"
                                   "A: bInterfaceProtocol=00\\n\n"
                                   "A: bInterfaceNumber=%2\\n\n"
                                   "A: bAlternateSetting= 0\\n\n"
                                   "A: bNumEndpoints=01\\n\n"
                                   "\n")
                        .arg(interfacePath)
                        .arg(INTERFACE_NUMBER, 2, 10, QLatin1Char('0'));
    *description += QStringLiteral("P: %1\n"
                                   "E: DRIVER=hid-generic\n"
                                   "E: HID_ID=0003:0000045B:%2\n"
                                   "E: HID_NAME=%3 %4\n"
                                   "E: HID_PHYS=%5\n"
                                   "E: HID_UNIQ=%6\n"
                                   "E: SUBSYSTEM=hid\n"
                                   "H: report_descriptor=%7\n"
                                   "\n")
                        .arg(hidPath, upperHex(productId, 8))
                        .arg(QString::fromLatin1(MANUFACTURER), QString::fromLatin1(PRODUCT), phys,
                             serial, descriptorHex);
    // "dev" and DEVNAME give the preload's stat() the node's number and make
    // umockdev add /sys/dev/char/M:N; no "N:" line, the node exists already.
    *description += QStringLiteral("P: %1\n"
                                   "E: DEVNAME=%2\n"
                                   "E: MAJOR=%3\n"
                                   "E: MINOR=%4\n"
                                   "E: SUBSYSTEM=hidraw\n"
                                   "A: dev=%3:%4\\n\n"
                                   "L: device=../../../%5\n")
                        .arg(hidrawPath, node.devnode)
                        .arg(major)
                        .arg(ptyMinor)
                        .arg(hidName);
    return true;
}

void HidrawBus::handleIoctl(EmulatedNode &node, UMockdevIoctlClient *client)
{
    const gulong request = umockdev_ioctl_client_get_request(client);
    // Terminal ioctls reach us too (the node is a pty underneath); a hidraw
    // node is no terminal.
    if (_IOC_TYPE(request) != 'H') {
        umockdev_ioctl_client_complete(client, -1, ENOTTY);
        return;
    }
    const gsize size = _IOC_SIZE(request);
    const gulong command = request & ~(gulong(_IOC_SIZEMASK) << _IOC_SIZESHIFT);
    UMockdevIoctlData *data = nullptr;
    if (size > 0) {
        GError *gerror = nullptr;
        // A copy of the caller's buffer; what changes in it is written back
        // when the ioctl completes.
        data = umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, size, &gerror);
        if (!data) {
            g_error_free(gerror);
            umockdev_ioctl_client_complete(client, -1, EFAULT);
            return;
        }
    }

    long result = 0;
    int error = 0;
    bool unplugged = false;
    {
        QMutexLocker lock(&node.mutex);
        unplugged = node.unplugged;
    }
    const uint16_t productId = node.board->productId();
    if (unplugged) {
        // hidraw_ioctl(): the device no longer exists.
        result = -1;
        error = ENODEV;
    } else if (request == HIDIOCGRDESCSIZE) {
        *reinterpret_cast<int *>(data->data) = int(sizeof REPORT_DESCRIPTOR);
    } else if (request == HIDIOCGRDESC) {
        auto *descriptor = reinterpret_cast<hidraw_report_descriptor *>(data->data);
        if (descriptor->size > HID_MAX_DESCRIPTOR_SIZE - 1) {
            result = -1;
            error = EINVAL;
        } else {
            std::memcpy(descriptor->value, REPORT_DESCRIPTOR,
                        std::min<size_t>(descriptor->size, sizeof REPORT_DESCRIPTOR));
        }
    } else if (request == HIDIOCGRAWINFO) {
        auto *info = reinterpret_cast<hidraw_devinfo *>(data->data);
        info->bustype = BUS_USB;
        info->vendor = __s16(0x045B);
        info->product = __s16(productId);
    } else if (command == HIDIOCGFEATURE(0) || command == HIDIOCSFEATURE(0)) {
        const bool get = command == HIDIOCGFEATURE(0);
        if (size < MIN_FEATURE_BUFFER || size > MAX_FEATURE_BUFFER) {
            result = -1;
            error = EINVAL;
        } else {
            // usbhid: the report number comes from byte 0; report 0 means the
            // device numbers no reports, and that byte stays off the wire.
            auto *buffer = reinterpret_cast<unsigned char *>(data->data);
            const uint8_t reportId = buffer[0];
            const int skipped = reportId == 0 ? 1 : 0;
            const int answer = node.board->handleControlRequest(
                get ? 0xA1 : 0x21, get ? 0x01 : 0x09, uint16_t(0x0300 | reportId), INTERFACE_NUMBER,
                buffer + skipped, uint16_t(size - gsize(skipped)));
            if (answer < 0) {
                result = -1;
                error = -answer;
            } else {
                result = answer + skipped;
            }
        }
    } else {
        result = -1;
        error = EINVAL;
    }
    umockdev_ioctl_client_complete(client, result, error);
    if (data)
        g_object_unref(data);
}

}  // namespace e2e
