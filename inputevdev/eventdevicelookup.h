#pragma once

// Finding a board's input event device, shared by its inputs and its force
// output: both must reach the same device the settings link talks to.

#include "device/inputsource.h"
#include "systemusb/udevpointer.h"

#include <libudev.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace gravolt_evdev {

// The syspath of the USB device behind the board's hidraw node; empty if no
// board with these ids is attached.
std::string boardUsbDevice(udev *u, uint16_t vendorId, uint16_t productId);

struct EventDevice {
    std::string syspath;
    std::string devnode;
    std::string driver;  // of the HID device the input device belongs to
};

// The event device the kernel made of the USB device; boards with several
// input devices (a keyboard part, say) are reached through the joystick.
EventDevice eventDeviceOf(udev *u, const std::string &usbSyspath);

enum class EventDeviceLookup {
    Found,
    Failed,         // udev could not be asked; the problem's error says why
    NoBoard,        // no board with these ids is attached
    NoEventDevice,  // the board is there, the kernel made no event device of it
};

// The board's event device, or why there is none: what opening its inputs
// and its force output both start with.
EventDeviceLookup findEventDevice(uint16_t vendorId, uint16_t productId, EventDevice &event,
                                  gravolt_input_problem *problem);

inline void clearProblem(gravolt_input_problem *problem)
{
    if (problem)
        std::memset(problem, 0, sizeof *problem);
}

inline void setNode(gravolt_input_problem *problem, const std::string &node)
{
    if (problem)
        std::snprintf(problem->node, sizeof problem->node, "%s", node.c_str());
}

// Owner, group and mode of a node this user may not open, for the message
// that says which rule or group fixes it.
void describeNodeAccess(const std::string &devnode, gravolt_input_problem *problem);

}  // namespace gravolt_evdev
