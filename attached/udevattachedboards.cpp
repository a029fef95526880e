// Attached boards as Linux sysfs describes them, read through libudev (the
// library hidapi itself uses), and their device nodes as stat() and the
// POSIX ACL describe them.

#include "device/attachedboards.h"

#include <libudev.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <vector>

namespace {

// Layout of the system.posix_acl_access attribute: a little-endian version
// word, then one 8-byte entry per ACL entry (tag, permissions, id).
constexpr uint32_t ACL_XATTR_VERSION = 2;
constexpr size_t ACL_XATTR_HEADER_SIZE = 4;  // bytes
constexpr size_t ACL_XATTR_ENTRY_SIZE = 8;   // bytes
constexpr size_t ACL_XATTR_MAX_SIZE = 4096;  // bytes; far more than a device node carries
constexpr int HEX = 16;

struct UdevDeleter {
    void operator()(udev *u) const { udev_unref(u); }
    void operator()(udev_enumerate *e) const { udev_enumerate_unref(e); }
    void operator()(udev_device *d) const { udev_device_unref(d); }
};
template <typename T> using UdevPtr = std::unique_ptr<T, UdevDeleter>;

uint32_t littleEndian32(const unsigned char *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t littleEndian16(const unsigned char *p)
{
    return uint16_t(p[0] | p[1] << 8);
}

QList<AclEntry> readAcl(const QByteArray &path)
{
    unsigned char buffer[ACL_XATTR_MAX_SIZE];
    const ssize_t size =
        getxattr(path.constData(), "system.posix_acl_access", buffer, sizeof buffer);
    if (size < ssize_t(ACL_XATTR_HEADER_SIZE) || littleEndian32(buffer) != ACL_XATTR_VERSION)
        return {};
    QList<AclEntry> entries;
    for (size_t at = ACL_XATTR_HEADER_SIZE; at + ACL_XATTR_ENTRY_SIZE <= size_t(size);
         at += ACL_XATTR_ENTRY_SIZE) {
        AclEntry entry;
        entry.tag = littleEndian16(buffer + at);
        entry.permissions = littleEndian16(buffer + at + 2);
        entry.id = littleEndian32(buffer + at + 4);
        entries.append(entry);
    }
    return entries;
}

NodeStatus statusOf(const QString &path)
{
    NodeStatus status;
    status.path = path;
    const QByteArray native = QFile::encodeName(path);
    struct stat info = {};
    if (path.isEmpty() || stat(native.constData(), &info) != 0)
        return status;
    status.exists = true;
    status.owner = info.st_uid;
    status.group = info.st_gid;
    status.mode = info.st_mode & 07777;
    status.acl = readAcl(native);
    return status;
}

QString attribute(udev_device *device, const char *name)
{
    const char *value = udev_device_get_sysattr_value(device, name);
    return value ? QString::fromLatin1(value).trimmed() : QString();
}

// Children of `parent` in one subsystem, as new references.
std::vector<UdevPtr<udev_device>> childrenOf(udev *context, udev_device *parent,
                                             const char *subsystem)
{
    std::vector<UdevPtr<udev_device>> children;
    UdevPtr<udev_enumerate> enumerate(udev_enumerate_new(context));
    if (!enumerate)
        return children;
    udev_enumerate_add_match_parent(enumerate.get(), parent);
    udev_enumerate_add_match_subsystem(enumerate.get(), subsystem);
    udev_enumerate_scan_devices(enumerate.get());
    udev_list_entry *entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get()))
    {
        if (udev_device *child =
                udev_device_new_from_syspath(context, udev_list_entry_get_name(entry)))
            children.emplace_back(child);
    }
    return children;
}

// The "driver" link, else the DRIVER line of the device's uevent file (a
// device list recorded from another machine may carry only that).
QString driverOf(udev_device *device)
{
    if (const char *driver = udev_device_get_driver(device))
        return QString::fromLatin1(driver);
    const QString uevent = attribute(device, "uevent");
    const QLatin1String key("DRIVER=");
    for (const QString &line : uevent.split(QLatin1Char('\n')))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed();
    return QString();
}

int interfaceNumberOf(udev_device *device)
{
    udev_device *interface =
        udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_interface");
    bool ok = false;
    const int number = interface ? attribute(interface, "bInterfaceNumber").toInt(&ok, HEX) : -1;
    return ok ? number : -1;
}

// The node path of a device: udev's DEVNAME, else what the kernel's naming
// rule gives, so that a node udev never created is still named.
QString nodePath(udev_device *device, const QString &fallback)
{
    const char *node = udev_device_get_devnode(device);
    return node ? QString::fromLocal8Bit(node) : fallback;
}

void describeBoard(udev *context, udev_device *usbDevice, AttachedBoard &board)
{
    board.port = QString::fromLatin1(udev_device_get_sysname(usbDevice));
    const int bus = attribute(usbDevice, "busnum").toInt();
    const int address = attribute(usbDevice, "devnum").toInt();
    board.usbNode = statusOf(nodePath(usbDevice, QStringLiteral("/dev/bus/usb/%1/%2")
                                                     .arg(bus, 3, 10, QLatin1Char('0'))
                                                     .arg(address, 3, 10, QLatin1Char('0'))));

    for (const auto &interface : childrenOf(context, usbDevice, "usb")) {
        const char *type = udev_device_get_devtype(interface.get());
        if (!type || std::strcmp(type, "usb_interface") != 0)
            continue;
        if (attribute(interface.get(), "bInterfaceNumber").toInt(nullptr, HEX) != 0)
            continue;
        board.interfaceDriver = driverOf(interface.get());
    }

    // The node of interface 0, where the feature reports live; another
    // interface's only when interface 0 has none, as the hidraw backend picks.
    udev_device *chosen = nullptr;
    const auto hidraws = childrenOf(context, usbDevice, "hidraw");
    for (const auto &hidraw : hidraws) {
        if (interfaceNumberOf(hidraw.get()) == 0) {
            chosen = hidraw.get();
            break;
        }
        if (!chosen)
            chosen = hidraw.get();
    }
    if (chosen) {
        board.hasHidraw = true;
        board.hidrawNode =
            statusOf(nodePath(chosen, QStringLiteral("/dev/") +
                                          QString::fromLatin1(udev_device_get_sysname(chosen))));
    }
}

}  // namespace

QList<AttachedBoard> enumerateAttachedBoards(int vendorId, const QList<int> &productIds,
                                             bool *known)
{
    QList<AttachedBoard> boards;
    if (known)
        *known = false;
    UdevPtr<udev> context(udev_new());
    if (!context)
        return boards;
    UdevPtr<udev_enumerate> enumerate(udev_enumerate_new(context.get()));
    if (!enumerate)
        return boards;
    const QByteArray vendor =
        QStringLiteral("%1").arg(vendorId, 4, HEX, QLatin1Char('0')).toLatin1();
    udev_enumerate_add_match_subsystem(enumerate.get(), "usb");
    udev_enumerate_add_match_property(enumerate.get(), "DEVTYPE", "usb_device");
    udev_enumerate_add_match_sysattr(enumerate.get(), "idVendor", vendor.constData());
    if (udev_enumerate_scan_devices(enumerate.get()) < 0)
        return boards;
    if (known)
        *known = true;

    udev_list_entry *entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate.get()))
    {
        UdevPtr<udev_device> device(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        if (!device)
            continue;
        bool ok = false;
        const int productId = attribute(device.get(), "idProduct").toInt(&ok, HEX);
        if (!ok || !productIds.contains(productId))
            continue;
        AttachedBoard board;
        board.productId = productId;
        describeBoard(context.get(), device.get(), board);
        boards.append(board);
    }
    std::sort(boards.begin(), boards.end(),
              [](const AttachedBoard &a, const AttachedBoard &b) { return a.port < b.port; });
    return boards;
}

QStringList programsHoldingNode(const QString &node)
{
    QStringList holders;
    const QString target = QFileInfo(node).canonicalFilePath();
    if (target.isEmpty())
        return holders;
    const QDir proc(QStringLiteral("/proc"));
    const QString self = QString::number(QCoreApplication::applicationPid());
    for (const QString &pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        pid.toInt(&numeric);
        if (!numeric || pid == self)
            continue;
        const QDir fds(proc.filePath(pid + QStringLiteral("/fd")));
        // Processes of other users cannot be inspected; they are simply not seen.
        for (const QFileInfo &fd : fds.entryInfoList(QDir::System | QDir::NoDotAndDotDot)) {
            if (fd.symLinkTarget() != target)
                continue;
            QFile comm(proc.filePath(pid + QStringLiteral("/comm")));
            const QString name = comm.open(QIODevice::ReadOnly)
                                     ? QString::fromLocal8Bit(comm.readAll()).trimmed()
                                     : QStringLiteral("?");
            holders.append(QStringLiteral("%1 (pid %2)").arg(name, pid));
            break;
        }
    }
    return holders;
}
