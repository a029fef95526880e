#include "dfubootloader.h"

#include "dfu/dfuconstants.h"

#include <libusb.h>

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace {

constexpr int MAX_PORT_DEPTH = 7;  // hub tiers USB allows
constexpr int STRING_BUFFER_SIZE = 256;

uint16_t le16(const unsigned char *p)
{
    return uint16_t(p[0] | (p[1] << 8));
}

QString portOf(libusb_device *device)
{
    uint8_t ports[MAX_PORT_DEPTH];
    const int depth = libusb_get_port_numbers(device, ports, MAX_PORT_DEPTH);
    QString port = QString::number(libusb_get_bus_number(device));
    for (int i = 0; i < depth; ++i)
        port += (i == 0 ? QLatin1Char('-') : QLatin1Char('.')) + QString::number(ports[i]);
    return port;
}

// The functional descriptor sits among the extra bytes of the interface (or
// of its first alternate setting, where some bootloaders put it).
bool readFunctionalDescriptor(const unsigned char *extra, int length, DfuBootloaderInfo *info)
{
    for (int at = 0; at + 2 <= length && extra[at] >= 2; at += extra[at]) {
        if (extra[at + 1] == DFU_FUNCTIONAL_DESCRIPTOR_TYPE &&
            extra[at] >= DFU_FUNCTIONAL_DESCRIPTOR_SIZE && at + extra[at] <= length) {
            info->attributes = extra[at + 2];
            info->detachTimeout = le16(extra + at + 3);
            info->transferSize = le16(extra + at + 5);
            info->dfuVersion = le16(extra + at + 7);
            return true;
        }
    }
    return false;
}

bool isDfuMode(const libusb_interface_descriptor &alt)
{
    return alt.bInterfaceClass == DFU_INTERFACE_CLASS &&
           alt.bInterfaceSubClass == DFU_INTERFACE_SUBCLASS &&
           alt.bInterfaceProtocol == DFU_INTERFACE_PROTOCOL_DFU_MODE;
}

}  // namespace

bool DfuBootloaderInfo::isDfuSe() const
{
    return dfuVersion == DFUSE_VERSION;
}

bool DfuBootloaderInfo::canUpload() const
{
    return attributes & DFU_ATTRIBUTE_CAN_UPLOAD;
}

const DfuAlternate *DfuBootloaderInfo::alternate(uint8_t setting) const
{
    for (const DfuAlternate &alt : alternates)
        if (alt.alternateSetting == setting)
            return &alt;
    return nullptr;
}

QList<DfuBootloaderInfo> findDfuBootloaders(libusb_context *context, QString *error)
{
    QList<DfuBootloaderInfo> found;
    libusb_device **list = nullptr;
    const ssize_t count = libusb_get_device_list(context, &list);
    if (count < 0) {
        if (error)
            *error = QCoreApplication::translate("DfuBootloader",
                                                 "The list of USB devices cannot be read (%1).")
                         .arg(QLatin1String(libusb_error_name(int(count))));
        return found;
    }
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device *device = list[i];
        libusb_device_descriptor descriptor{};
        if (libusb_get_device_descriptor(device, &descriptor) != LIBUSB_SUCCESS)
            continue;
        libusb_config_descriptor *config = nullptr;
        if (libusb_get_active_config_descriptor(device, &config) != LIBUSB_SUCCESS &&
            libusb_get_config_descriptor(device, 0, &config) != LIBUSB_SUCCESS)
            continue;
        DfuBootloaderInfo info;
        QList<uint8_t> nameIndexes;
        bool dfu = false;
        for (int n = 0; n < config->bNumInterfaces && !dfu; ++n) {
            const libusb_interface &interface = config->interface[n];
            for (int a = 0; a < interface.num_altsetting; ++a) {
                const libusb_interface_descriptor &alt = interface.altsetting[a];
                if (!isDfuMode(alt))
                    continue;
                if (!dfu) {
                    dfu = true;
                    info.interfaceNumber = alt.bInterfaceNumber;
                }
                if (!info.transferSize)
                    readFunctionalDescriptor(alt.extra, alt.extra_length, &info);
                DfuAlternate entry;
                entry.alternateSetting = alt.bAlternateSetting;
                info.alternates.append(entry);
                nameIndexes.append(alt.iInterface);
            }
        }
        if (dfu && !info.transferSize)
            readFunctionalDescriptor(config->extra, config->extra_length, &info);
        libusb_free_config_descriptor(config);
        if (!dfu)
            continue;
        info.vendorId = descriptor.idVendor;
        info.productId = descriptor.idProduct;
        info.busNumber = libusb_get_bus_number(device);
        info.deviceAddress = libusb_get_device_address(device);
        info.port = portOf(device);

        libusb_device_handle *handle = nullptr;
        const int opened = libusb_open(device, &handle);
        if (opened != LIBUSB_SUCCESS) {
            info.accessDenied = opened == LIBUSB_ERROR_ACCESS;
            info.openError =
                opened == LIBUSB_ERROR_ACCESS
                    ? QCoreApplication::translate("DfuBootloader", "no permission to open it")
                    : QLatin1String(libusb_error_name(opened));
        } else {
            info.openable = true;
            for (int a = 0; a < info.alternates.size(); ++a) {
                unsigned char text[STRING_BUFFER_SIZE] = {};
                if (!nameIndexes.at(a))
                    continue;
                const int length = libusb_get_string_descriptor_ascii(handle, nameIndexes.at(a),
                                                                      text, sizeof text);
                if (length <= 0)
                    continue;
                DfuAlternate &alt = info.alternates[a];
                alt.name = QString::fromLatin1(reinterpret_cast<const char *>(text), length);
                if (info.isDfuSe())
                    MemoryLayout::parse(alt.name, &alt.layout, nullptr);
            }
            libusb_close(handle);
        }
        found.append(info);
    }
    libusb_free_device_list(list, 1);
    std::sort(
        found.begin(), found.end(),
        [](const DfuBootloaderInfo &a, const DfuBootloaderInfo &b) { return a.port < b.port; });
    return found;
}
