// Attached boards as Linux sysfs describes them, read through libudev (the
// library hidapi itself uses), and their device nodes as stat() and the
// POSIX ACL (read through libacl) describe them.

#include "device/attachedboards.h"
#include "systemusb/udevpointer.h"

#include <acl/libacl.h>
#include <libudev.h>
#include <sys/acl.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <type_traits>
#include <vector>

namespace {

constexpr int HEX = 16;

struct AclDeleter {
    void operator()(void *object) const { acl_free(object); }
};
template <typename T> using AclPtr = std::unique_ptr<T, AclDeleter>;

// The node's access ACL entries; none when its ACL says no more than its mode
// bits, as for a node that carries no extended ACL at all.
QList<AclEntry> readAcl(const QByteArray &path)
{
    AclPtr<std::remove_pointer_t<acl_t>> acl(acl_get_file(path.constData(), ACL_TYPE_ACCESS));
    if (!acl || acl_equiv_mode(acl.get(), nullptr) == 0)
        return {};
    QList<AclEntry> entries;
    acl_entry_t entry = nullptr;
    for (int which = ACL_FIRST_ENTRY; acl_get_entry(acl.get(), which, &entry) == 1;
         which = ACL_NEXT_ENTRY) {
        AclEntry read;
        acl_tag_t tag = ACL_UNDEFINED_TAG;
        acl_permset_t permissions = nullptr;
        if (acl_get_tag_type(entry, &tag) != 0 || acl_get_permset(entry, &permissions) != 0)
            continue;
        read.tag = uint16_t(tag);
        for (const acl_perm_t permission : {ACL_READ, ACL_WRITE, ACL_EXECUTE})
            if (acl_get_perm(permissions, permission) == 1)
                read.permissions |= uint16_t(permission);
        if (tag == ACL_USER || tag == ACL_GROUP) {
            const AclPtr<void> id(acl_get_qualifier(entry));
            if (!id)
                continue;
            read.id = tag == ACL_USER ? uint32_t(*static_cast<uid_t *>(id.get()))
                                      : uint32_t(*static_cast<gid_t *>(id.get()));
        }
        entries.append(read);
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
