#include "eventdevicelookup.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>

namespace gravolt_evdev {

namespace {

constexpr const char *INTERFACE_FOR_SETTINGS = "00";  // bInterfaceNumber of the feature reports

bool hasIds(udev_device *usbDevice, uint16_t vendorId, uint16_t productId)
{
    const char *vendor = udev_device_get_sysattr_value(usbDevice, "idVendor");
    const char *product = udev_device_get_sysattr_value(usbDevice, "idProduct");
    return vendor && product && std::strtoul(vendor, nullptr, 16) == vendorId &&
           std::strtoul(product, nullptr, 16) == productId;
}

}  // namespace

std::string boardUsbDevice(udev *u, uint16_t vendorId, uint16_t productId)
{
    UdevPtr<udev_enumerate> nodes(udev_enumerate_new(u));
    if (!nodes)
        return {};
    udev_enumerate_add_match_subsystem(nodes.get(), "hidraw");
    udev_enumerate_scan_devices(nodes.get());
    std::string chosen;
    udev_list_entry *entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(nodes.get()))
    {
        UdevPtr<udev_device> hidraw(
            udev_device_new_from_syspath(u, udev_list_entry_get_name(entry)));
        if (!hidraw)
            continue;
        // Parents belong to the child and go with it.
        udev_device *usbDevice =
            udev_device_get_parent_with_subsystem_devtype(hidraw.get(), "usb", "usb_device");
        if (!usbDevice || !hasIds(usbDevice, vendorId, productId))
            continue;
        udev_device *usbInterface =
            udev_device_get_parent_with_subsystem_devtype(hidraw.get(), "usb", "usb_interface");
        const char *number = usbInterface
                                 ? udev_device_get_sysattr_value(usbInterface, "bInterfaceNumber")
                                 : nullptr;
        if (number && std::strcmp(number, INTERFACE_FOR_SETTINGS) == 0)
            return udev_device_get_syspath(usbDevice);
        if (chosen.empty())
            chosen = udev_device_get_syspath(usbDevice);
    }
    return chosen;
}

EventDevice eventDeviceOf(udev *u, const std::string &usbSyspath)
{
    UdevPtr<udev_device> usbDevice(udev_device_new_from_syspath(u, usbSyspath.c_str()));
    UdevPtr<udev_enumerate> inputs(udev_enumerate_new(u));
    if (!usbDevice || !inputs)
        return {};
    udev_enumerate_add_match_subsystem(inputs.get(), "input");
    udev_enumerate_add_match_sysname(inputs.get(), "event*");
    udev_enumerate_add_match_parent(inputs.get(), usbDevice.get());
    udev_enumerate_scan_devices(inputs.get());
    EventDevice first;
    udev_list_entry *entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(inputs.get()))
    {
        UdevPtr<udev_device> device(
            udev_device_new_from_syspath(u, udev_list_entry_get_name(entry)));
        const char *devnode = device ? udev_device_get_devnode(device.get()) : nullptr;
        if (!devnode)
            continue;
        // The HID driver (hid-generic, or a vendor's) is what registers
        // force feedback for the input device, or does not.
        udev_device *hid =
            udev_device_get_parent_with_subsystem_devtype(device.get(), "hid", nullptr);
        const char *driver = hid ? udev_device_get_driver(hid) : nullptr;
        const EventDevice found{udev_device_get_syspath(device.get()), devnode,
                                driver ? driver : ""};
        const char *joystick = udev_device_get_property_value(device.get(), "ID_INPUT_JOYSTICK");
        if (joystick && std::strcmp(joystick, "1") == 0)
            return found;
        if (first.devnode.empty())
            first = found;
    }
    return first;
}

EventDeviceLookup findEventDevice(uint16_t vendorId, uint16_t productId, EventDevice &event,
                                  gravolt_input_problem *problem)
{
    UdevPtr<udev> u(udev_new());
    if (!u) {
        if (problem)
            problem->error = errno;
        return EventDeviceLookup::Failed;
    }
    const std::string usbDevice = boardUsbDevice(u.get(), vendorId, productId);
    if (usbDevice.empty())
        return EventDeviceLookup::NoBoard;
    event = eventDeviceOf(u.get(), usbDevice);
    return event.devnode.empty() ? EventDeviceLookup::NoEventDevice : EventDeviceLookup::Found;
}

void describeNodeAccess(const std::string &devnode, gravolt_input_problem *problem)
{
    struct stat status = {};
    if (!problem || stat(devnode.c_str(), &status) != 0)
        return;
    problem->owner = status.st_uid;
    problem->group = status.st_gid;
    problem->mode = status.st_mode & 07777;
    if (const passwd *user = getpwuid(status.st_uid))
        std::snprintf(problem->ownerName, sizeof problem->ownerName, "%s", user->pw_name);
    if (const group *members = getgrgid(status.st_gid))
        std::snprintf(problem->groupName, sizeof problem->groupName, "%s", members->gr_name);
}

}  // namespace gravolt_evdev
