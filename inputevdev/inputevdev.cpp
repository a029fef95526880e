// The board's own inputs on Linux: its input event device (/dev/input/eventN),
// which the kernel's HID driver makes of the board beside the hidraw node the
// settings go through.
//
// The device is found from the same USB device as that hidraw node: the
// board's hidraw node (interface 0 first, as the settings link picks it), its
// parent USB device, and that device's event node, a joystick's first. It is
// opened read-only and never grabbed, so games and the system keep receiving
// every event while the view watches.

#include "device/inputsource.h"

#include "inputevdev/eventdevicelookup.h"

#include <libevdev/libevdev.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

struct gravolt_input_source {
    int fd = -1;
    libevdev *device = nullptr;
    std::string devnode;
    std::string syspath;  // of the event device, to tell a vanished board from a fault
    std::vector<unsigned int> axisCodes;
    std::vector<unsigned int> buttonCodes;  // in button-number order
    bool gone = false;
};

using namespace gravolt_evdev;

namespace {

// Button numbers as the joystick interface and games give them: the joystick
// and gamepad codes and everything above first, then the miscellaneous
// buttons below them.
std::vector<unsigned int> buttonCodesOf(const libevdev *device)
{
    std::vector<unsigned int> codes;
    for (unsigned int code = BTN_JOYSTICK; code <= KEY_MAX; ++code)
        if (libevdev_has_event_code(device, EV_KEY, code))
            codes.push_back(code);
    for (unsigned int code = BTN_MISC; code < BTN_JOYSTICK; ++code)
        if (libevdev_has_event_code(device, EV_KEY, code))
            codes.push_back(code);
    if (codes.size() > size_t(GRAVOLT_INPUT_MAX_BUTTONS))
        codes.resize(GRAVOLT_INPUT_MAX_BUTTONS);
    return codes;
}

std::vector<unsigned int> axisCodesOf(const libevdev *device)
{
    std::vector<unsigned int> codes;
    // Multi-touch slots are no axes a controller has.
    for (unsigned int code = 0; code < ABS_MT_SLOT; ++code)
        if (libevdev_has_event_code(device, EV_ABS, code))
            codes.push_back(code);
    if (codes.size() > size_t(GRAVOLT_INPUT_MAX_AXES))
        codes.resize(GRAVOLT_INPUT_MAX_AXES);
    return codes;
}

gravolt_input_status openFailure(int error, const std::string &devnode,
                                 gravolt_input_problem *problem)
{
    setNode(problem, devnode);
    if (problem)
        problem->error = error;
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return GRAVOLT_INPUT_NODE_MISSING;
    case EACCES:
    case EPERM: {
        describeNodeAccess(devnode, problem);
        return GRAVOLT_INPUT_ACCESS_DENIED;
    }
    default:
        return GRAVOLT_INPUT_FAILED;
    }
}

}  // namespace

gravolt_input_status gravolt_input_open(uint16_t vendorId, uint16_t productId,
                                        gravolt_input_source **source,
                                        gravolt_input_problem *problem)
{
    *source = nullptr;
    clearProblem(problem);
    EventDevice event;
    switch (findEventDevice(vendorId, productId, event, problem)) {
    case EventDeviceLookup::Found:
        break;
    case EventDeviceLookup::NoBoard:
        return GRAVOLT_INPUT_NO_BOARD;
    case EventDeviceLookup::NoEventDevice:
        return GRAVOLT_INPUT_NO_EVENT_DEVICE;
    case EventDeviceLookup::Failed:
        return GRAVOLT_INPUT_FAILED;
    }

    const int fd = ::open(event.devnode.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return openFailure(errno, event.devnode, problem);
    libevdev *device = nullptr;
    const int rc = libevdev_new_from_fd(fd, &device);
    if (rc < 0) {
        ::close(fd);
        setNode(problem, event.devnode);
        if (problem)
            problem->error = -rc;
        return GRAVOLT_INPUT_FAILED;
    }

    auto *opened = new gravolt_input_source;
    opened->fd = fd;
    opened->device = device;
    opened->devnode = event.devnode;
    opened->syspath = event.syspath;
    opened->axisCodes = axisCodesOf(device);
    opened->buttonCodes = buttonCodesOf(device);
    *source = opened;
    return GRAVOLT_INPUT_OK;
}

int gravolt_input_descriptor(const gravolt_input_source *source)
{
    return source ? source->fd : -1;
}

gravolt_input_status gravolt_input_read(gravolt_input_source *source, gravolt_input_state *state,
                                        gravolt_input_problem *problem)
{
    clearProblem(problem);
    if (source->gone)
        return GRAVOLT_INPUT_GONE;

    // libevdev keeps the device's state from the events; when the kernel's
    // buffer overflowed it says so, and the sync events bring the state back
    // in line before normal reading resumes.
    unsigned int flags = LIBEVDEV_READ_FLAG_NORMAL;
    bool anyEvent = false;
    for (;;) {
        input_event event;
        const int rc = libevdev_next_event(source->device, flags, &event);
        if (rc == LIBEVDEV_READ_STATUS_SYNC) {
            flags = LIBEVDEV_READ_FLAG_SYNC;
            anyEvent = true;
            continue;
        }
        if (rc == LIBEVDEV_READ_STATUS_SUCCESS) {
            anyEvent = true;
            continue;
        }
        if (rc == -EAGAIN) {
            if (flags == LIBEVDEV_READ_FLAG_SYNC) {
                flags = LIBEVDEV_READ_FLAG_NORMAL;
                continue;
            }
            // A node that ends at its end of file instead of failing would
            // keep waking the reader with nothing to read; once its device
            // has gone that is the end of it.
            if (!anyEvent && ::access(source->syspath.c_str(), F_OK) != 0) {
                source->gone = true;
                return GRAVOLT_INPUT_GONE;
            }
            break;
        }
        // evdev answers ENODEV once the board is unplugged; other errors can
        // come from the teardown too, and the device's absence tells them apart.
        if (rc == -ENODEV || ::access(source->syspath.c_str(), F_OK) != 0) {
            source->gone = true;
            return GRAVOLT_INPUT_GONE;
        }
        setNode(problem, source->devnode);
        if (problem)
            problem->error = -rc;
        return GRAVOLT_INPUT_FAILED;
    }

    state->axisCount = int(source->axisCodes.size());
    for (int i = 0; i < state->axisCount; ++i) {
        const unsigned int code = source->axisCodes[size_t(i)];
        const input_absinfo *info = libevdev_get_abs_info(source->device, code);
        state->axes[i].code = uint16_t(code);
        state->axes[i].minimum = info ? info->minimum : 0;
        state->axes[i].maximum = info ? info->maximum : 0;
        state->axes[i].value = info ? info->value : 0;
    }
    state->buttonCount = int(source->buttonCodes.size());
    for (int i = 0; i < state->buttonCount; ++i)
        state->buttons[i] =
            libevdev_get_event_value(source->device, EV_KEY, source->buttonCodes[size_t(i)]) != 0;
    return GRAVOLT_INPUT_OK;
}

void gravolt_input_close(gravolt_input_source *source)
{
    if (!source)
        return;
    libevdev_free(source->device);
    ::close(source->fd);
    delete source;
}
