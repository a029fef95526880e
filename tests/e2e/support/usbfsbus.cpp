#include "usbfsbus.h"

#include <QMutexLocker>

#include <umockdev.h>

#include <cerrno>
#include <cstddef>
#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>

namespace e2e {

namespace {

constexpr int BUS_NUMBER = 1;
constexpr int SETUP_PACKET_SIZE = 8;  // bytes in front of a control URB's data stage

// Device, configuration, interface (HID class), HID and endpoint descriptors
// of a full-speed board, as the usbfs node and sysfs "descriptors" hand them
// out. umockdev accepts only upper-case hex.
QString descriptorHex(uint16_t productId)
{
    const unsigned char descriptors[] = {
        // device: USB 2.00, class per interface, 64-byte EP0, vendor, product,
        // release 1.00, strings 1 2 0, one configuration
        0x12, 0x01, 0x00, 0x02, 0x00, 0x00, 0x00, 0x40, 0x5B, 0x04, uint8_t(productId & 0xFF),
        uint8_t(productId >> 8), 0x00, 0x01, 0x01, 0x02, 0x00, 0x01,
        // configuration 1: one interface, bus powered, 100 mA
        0x09, 0x02, 0x22, 0x00, 0x01, 0x01, 0x00, 0x80, 0x32,
        // interface 0: one endpoint, HID class
        0x09, 0x04, 0x00, 0x00, 0x01, 0x03, 0x00, 0x00, 0x00,
        // HID 1.11, one report descriptor
        0x09, 0x21, 0x11, 0x01, 0x00, 0x01, 0x22, 0x20, 0x00,
        // interrupt IN endpoint 0x81, 64 bytes, every frame
        0x07, 0x05, 0x81, 0x03, 0x40, 0x00, 0x01};
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(descriptors), int(sizeof descriptors))
            .toHex()
            .toUpper());
}

}  // namespace

void UsbfsBus::setHidDriverBound(bool bound)
{
    QMutexLocker lock(&stateMutex);
    hidDriverBound = bound;
}

int UsbfsBus::refusedRequests() const
{
    QMutexLocker lock(&stateMutex);
    return refused;
}

bool UsbfsBus::describe(EmulatedNode &node, QString *description, QString *)
{
    const int deviceNumber = kernel.nextUsbDeviceNumber();
    const QString port = QStringLiteral("%1-%2").arg(BUS_NUMBER).arg(deviceNumber);
    const QString syspath =
        QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb%1/%2").arg(BUS_NUMBER).arg(port);
    const QString nodeName = QStringLiteral("bus/usb/%1/%2")
                                 .arg(BUS_NUMBER, 3, 10, QLatin1Char('0'))
                                 .arg(deviceNumber, 3, 10, QLatin1Char('0'));
    const QString pid = QStringLiteral("%1").arg(node.board->productId(), 4, 16, QLatin1Char('0'));
    const int minor = (BUS_NUMBER - 1) * 128 + deviceNumber - 1;
    const QString descriptors = descriptorHex(node.board->productId());

    node.devnode = QStringLiteral("/dev/") + nodeName;
    node.sysfsPaths = {QStringLiteral("/sys") + syspath};
    // umockdev-record format. "A:" values end in an escaped newline like real
    // sysfs; libusb warns about attributes without one.
    *description = QStringLiteral("P: %1\n"
                                  "N: %2=%3\n"
                                  "E: DEVNAME=%4\n"
                                  "E: DEVTYPE=usb_device\n"
                                  "E: DRIVER=usb\n"
                                  "E: PRODUCT=45b/%5/100\n"
                                  "E: TYPE=0/0/0\n"
                                  "E: BUSNUM=%6\n"
                                  "E: DEVNUM=%7\n"
                                  "E: MAJOR=189\n"
                                  "E: MINOR=%8\n"
                                  "E: SUBSYSTEM=usb\n"
                                  "A: bConfigurationValue=1\\n\n"
                                  "A: bDeviceClass=00\\n\n"
                                  "A: bNumConfigurations=1\\n\n"
                                  "A: bNumInterfaces= 1\\n\n"
                                  "A: busnum=%9\\n\n"
                                  "A: devnum=%10\\n\n"
                                  "A: dev=189:%8\\n\n"
                                  "A: speed=12\\n\n"
                                  "A: idVendor=045b\\n\n"
                                  "A: idProduct=%5\\n\n"
                                  "H: descriptors=%3\n")
                       .arg(syspath, nodeName, descriptors, node.devnode, pid)
                       .arg(BUS_NUMBER, 3, 10, QLatin1Char('0'))
                       .arg(deviceNumber, 3, 10, QLatin1Char('0'))
                       .arg(minor)
                       .arg(BUS_NUMBER)
                       .arg(deviceNumber);
    return true;
}

void UsbfsBus::handleIoctl(EmulatedNode &node, UMockdevIoctlClient *client)
{
    const gulong request = umockdev_ioctl_client_get_request(client);
    UMockdevIoctlData *arg = umockdev_ioctl_client_get_arg(client);
    const gsize size = _IOC_SIZE(request);
    long result = 0;
    int error = 0;

    UMockdevIoctlData *data = nullptr;
    if (size > 0 && request != USBDEVFS_DISCARDURB) {
        GError *gerror = nullptr;
        data = umockdev_ioctl_data_resolve(arg, 0, size, &gerror);
        if (!data) {
            g_error_free(gerror);
            umockdev_ioctl_client_complete(client, -1, EFAULT);
            return;
        }
    }

    bool unplugged = false;
    {
        QMutexLocker lock(&node.mutex);
        unplugged = node.unplugged;
    }
    // A vanished device still hands out what completed before it went.
    if (unplugged && request != USBDEVFS_REAPURBNDELAY && request != USBDEVFS_REAPURB) {
        result = -1;
        error = ENODEV;
    } else if (request == USBDEVFS_GET_CAPABILITIES) {
        *reinterpret_cast<guint32 *>(data->data) =
            USBDEVFS_CAP_ZERO_PACKET | USBDEVFS_CAP_BULK_CONTINUATION |
            USBDEVFS_CAP_NO_PACKET_SIZE_LIM | USBDEVFS_CAP_REAP_AFTER_DISCONNECT;
    } else if (request == USBDEVFS_SUBMITURB) {
        auto *urb = reinterpret_cast<usbdevfs_urb *>(data->data);
        GError *gerror = nullptr;
        UMockdevIoctlData *buffer = nullptr;
        if (urb->type != USBDEVFS_URB_TYPE_CONTROL || urb->buffer_length < SETUP_PACKET_SIZE) {
            result = -1;
            error = EINVAL;
        } else if (!(buffer = umockdev_ioctl_data_resolve(data, offsetof(usbdevfs_urb, buffer),
                                                          gsize(urb->buffer_length), &gerror))) {
            g_error_free(gerror);
            result = -1;
            error = EFAULT;
        } else {
            auto *setup = reinterpret_cast<unsigned char *>(buffer->data);
            const uint8_t requestType = setup[0];
            const uint16_t value = uint16_t(setup[2] | (setup[3] << 8));
            const uint16_t index = uint16_t(setup[4] | (setup[5] << 8));
            const uint16_t length = uint16_t(setup[6] | (setup[7] << 8));
            const bool interfaceRecipient = (requestType & 0x1F) == 1;
            const bool vendorRequest = (requestType & 0x60) == 0x40;
            // devio.c: an interface-recipient request claims the interface
            // for the file first, which fails while another driver has it.
            bool refuse = false;
            {
                QMutexLocker lock(&stateMutex);
                refuse = hidDriverBound && interfaceRecipient && !vendorRequest;
                if (refuse)
                    ++refused;
            }
            if (refuse) {
                result = -1;
                error = EBUSY;
            } else if (length > urb->buffer_length - SETUP_PACKET_SIZE) {
                result = -1;
                error = EINVAL;
            } else {
                const int answer = node.board->handleControlRequest(
                    requestType, setup[1], value, index, setup + SETUP_PACKET_SIZE, length);
                if (answer == -ENODEV) {
                    // A device that has left the bus takes no more URBs.
                    result = -1;
                    error = ENODEV;
                } else {
                    urb->status = answer < 0 ? answer : 0;
                    urb->actual_length = answer < 0 ? 0 : answer;
                    QMutexLocker lock(&stateMutex);
                    completedUrbs.append({UMOCKDEV_IOCTL_CLIENT(g_object_ref(client)),
                                          UMOCKDEV_IOCTL_DATA(g_object_ref(data))});
                }
            }
            g_object_unref(buffer);
        }
    } else if (request == USBDEVFS_REAPURB || request == USBDEVFS_REAPURBNDELAY) {
        CompletedUrb reaped{nullptr, nullptr};
        {
            QMutexLocker lock(&stateMutex);
            for (qsizetype i = 0; i < completedUrbs.size(); ++i) {
                if (completedUrbs.at(i).client == client) {
                    reaped = completedUrbs.takeAt(i);
                    break;
                }
            }
        }
        if (!reaped.urb) {
            result = -1;
            error = unplugged ? ENODEV : EAGAIN;
        } else {
            // Points the library's argument at its own URB; completing the
            // ioctl writes status, length and data stage back to its memory.
            umockdev_ioctl_data_set_ptr(data, 0, reaped.urb);
            g_object_unref(reaped.urb);
            g_object_unref(reaped.client);
        }
    } else if (request == USBDEVFS_DISCARDURB) {
        // Every URB completes at once, so there is never one to cancel.
        result = -1;
        error = EINVAL;
    } else {
        result = -1;
        error = ENOTTY;
    }
    umockdev_ioctl_client_complete(client, result, error);
    if (data)
        g_object_unref(data);
}

UsbfsBus::~UsbfsBus()
{
    detachAll();
    // The libraries reap every URB they submit; this only tidies up after a
    // test that failed half-way.
    QMutexLocker lock(&stateMutex);
    for (const CompletedUrb &completed : std::as_const(completedUrbs)) {
        g_object_unref(completed.urb);
        g_object_unref(completed.client);
    }
    completedUrbs.clear();
}

}  // namespace e2e
