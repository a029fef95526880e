// Force output on Linux: the force-feedback calls of the board's input event
// device, the very calls games make. The device is found as the inputs are.
// Asking what it offers needs it open for reading only; a test opens it for
// writing and closes it when it ends, which makes the kernel stop and erase
// whatever the test left.

#include "device/forceoutput.h"

#include "inputevdev/eventdevicelookup.h"

#include <linux/input.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>

struct gravolt_force_output {
    int fd = -1;
    std::string devnode;
};

using namespace gravolt_evdev;

namespace {

static_assert(GRAVOLT_FORCE_CONSTANT == FF_CONSTANT && GRAVOLT_FORCE_SPRING == FF_SPRING &&
                  GRAVOLT_FORCE_FRICTION == FF_FRICTION && GRAVOLT_FORCE_DAMPER == FF_DAMPER &&
                  GRAVOLT_FORCE_INERTIA == FF_INERTIA && GRAVOLT_FORCE_RAMP == FF_RAMP &&
                  GRAVOLT_FORCE_PERIODIC == FF_PERIODIC && GRAVOLT_FORCE_RUMBLE == FF_RUMBLE,
              "effect types are the kernel's");
static_assert(GRAVOLT_FORCE_SINE == FF_SINE && GRAVOLT_FORCE_SQUARE == FF_SQUARE &&
                  GRAVOLT_FORCE_TRIANGLE == FF_TRIANGLE && GRAVOLT_FORCE_SAW_UP == FF_SAW_UP &&
                  GRAVOLT_FORCE_SAW_DOWN == FF_SAW_DOWN,
              "wave forms are the kernel's");
static_assert(GRAVOLT_FORCE_GAIN == FF_GAIN && GRAVOLT_FORCE_AUTOCENTER == FF_AUTOCENTER,
              "device settings are the kernel's");
static_assert(FF_MAX - GRAVOLT_FORCE_FIRST_CODE < 64, "capability bits fit 64 bits");

constexpr size_t BITS_PER_LONG = sizeof(unsigned long) * CHAR_BIT;

bool hasBit(const unsigned long *bits, unsigned int bit)
{
    return (bits[bit / BITS_PER_LONG] >> (bit % BITS_PER_LONG)) & 1u;
}

gravolt_force_status failure(int error, const std::string &devnode, gravolt_input_problem *problem)
{
    setNode(problem, devnode);
    if (problem)
        problem->error = error;
    switch (error) {
    case ENOENT:
    case ENXIO:
        return GRAVOLT_FORCE_NODE_MISSING;
    case ENODEV:
        return GRAVOLT_FORCE_GONE;
    case EACCES:
    case EPERM:
        describeNodeAccess(devnode, problem);
        return GRAVOLT_FORCE_ACCESS_DENIED;
    default:
        return GRAVOLT_FORCE_FAILED;
    }
}

// The board's event device, or why there is none.
gravolt_force_status locate(uint16_t vendorId, uint16_t productId, EventDevice &event,
                            gravolt_input_problem *problem)
{
    switch (findEventDevice(vendorId, productId, event, problem)) {
    case EventDeviceLookup::Found:
        return GRAVOLT_FORCE_OK;
    case EventDeviceLookup::NoBoard:
        return GRAVOLT_FORCE_NO_BOARD;
    case EventDeviceLookup::NoEventDevice:
        return GRAVOLT_FORCE_NO_EVENT_DEVICE;
    case EventDeviceLookup::Failed:
        break;
    }
    return GRAVOLT_FORCE_FAILED;
}

// What an open node offers: OK, or NOT_OFFERED without force feedback.
gravolt_force_status readOffer(int fd, const std::string &devnode, gravolt_force_info *info,
                               gravolt_input_problem *problem)
{
    unsigned long types[EV_MAX / BITS_PER_LONG + 1] = {};
    unsigned long ff[FF_MAX / BITS_PER_LONG + 1] = {};
    if (ioctl(fd, EVIOCGBIT(0, sizeof types), types) < 0 ||
        ioctl(fd, EVIOCGBIT(EV_FF, sizeof ff), ff) < 0)
        return failure(errno, devnode, problem);
    if (!hasBit(types, EV_FF))
        return GRAVOLT_FORCE_NOT_OFFERED;
    if (info) {
        for (unsigned int code = GRAVOLT_FORCE_FIRST_CODE; code <= FF_MAX; ++code)
            if (hasBit(ff, code))
                info->capabilities |= gravolt_force_bit(int(code));
        int slots = 0;
        if (ioctl(fd, EVIOCGEFFECTS, &slots) == 0)
            info->effectSlots = slots;
    }
    return GRAVOLT_FORCE_OK;
}

ff_effect kernelEffect(const gravolt_force_effect &effect, int id)
{
    ff_effect kernel{};
    kernel.type = effect.type;
    kernel.id = int16_t(id);
    kernel.direction = effect.direction;
    kernel.replay.length = effect.length;
    kernel.replay.delay = effect.delay;
    switch (effect.type) {
    case FF_CONSTANT:
        kernel.u.constant.level = effect.level;
        break;
    case FF_RAMP:
        kernel.u.ramp.start_level = effect.startLevel;
        kernel.u.ramp.end_level = effect.endLevel;
        break;
    case FF_PERIODIC:
        kernel.u.periodic.waveform = effect.waveform;
        kernel.u.periodic.period = effect.period;
        kernel.u.periodic.magnitude = effect.magnitude;
        kernel.u.periodic.offset = effect.offset;
        kernel.u.periodic.phase = effect.phase;
        break;
    case FF_SPRING:
    case FF_FRICTION:
    case FF_DAMPER:
    case FF_INERTIA:
        for (int axis = 0; axis < 2; ++axis) {
            const gravolt_force_condition &from = effect.condition[axis];
            ff_condition_effect &to = kernel.u.condition[axis];
            to.right_saturation = from.rightSaturation;
            to.left_saturation = from.leftSaturation;
            to.right_coeff = from.rightCoefficient;
            to.left_coeff = from.leftCoefficient;
            to.deadband = from.deadband;
            to.center = from.center;
        }
        break;
    default:
        break;
    }
    return kernel;
}

}  // namespace

gravolt_force_status gravolt_force_query(uint16_t vendorId, uint16_t productId,
                                         gravolt_force_info *info, gravolt_input_problem *problem)
{
    clearProblem(problem);
    if (info)
        std::memset(info, 0, sizeof *info);
    EventDevice event;
    const gravolt_force_status located = locate(vendorId, productId, event, problem);
    if (located != GRAVOLT_FORCE_OK)
        return located;
    if (info) {
        std::snprintf(info->node, sizeof info->node, "%s", event.devnode.c_str());
        std::snprintf(info->driver, sizeof info->driver, "%s", event.driver.c_str());
    }
    const int fd = ::open(event.devnode.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failure(errno, event.devnode, problem);
    const gravolt_force_status offer = readOffer(fd, event.devnode, info, problem);
    ::close(fd);
    // Asked of the file system, so that the answer costs no write access.
    if (info)
        info->writable = ::access(event.devnode.c_str(), R_OK | W_OK) == 0;
    if (offer == GRAVOLT_FORCE_OK && info && !info->writable)
        describeNodeAccess(event.devnode, problem);
    return offer;
}

gravolt_force_status gravolt_force_open(uint16_t vendorId, uint16_t productId,
                                        gravolt_force_output **output,
                                        gravolt_input_problem *problem)
{
    *output = nullptr;
    clearProblem(problem);
    EventDevice event;
    const gravolt_force_status located = locate(vendorId, productId, event, problem);
    if (located != GRAVOLT_FORCE_OK)
        return located;
    // Read-write is what the kernel asks of a file that uploads effects.
    const int fd = ::open(event.devnode.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failure(errno, event.devnode, problem);
    const gravolt_force_status offer = readOffer(fd, event.devnode, nullptr, problem);
    if (offer != GRAVOLT_FORCE_OK) {
        setNode(problem, event.devnode);
        ::close(fd);
        return offer;
    }
    *output = new gravolt_force_output{fd, event.devnode};
    return GRAVOLT_FORCE_OK;
}

gravolt_force_status gravolt_force_upload(gravolt_force_output *output,
                                          const gravolt_force_effect *effect, int *id,
                                          gravolt_input_problem *problem)
{
    clearProblem(problem);
    ff_effect kernel = kernelEffect(*effect, *id);
    if (ioctl(output->fd, EVIOCSFF, &kernel) < 0) {
        const int error = errno;
        // EINVAL: a type or wave form the device lacks; ENOSPC: no room.
        if (error == EINVAL || error == ENOSPC) {
            setNode(problem, output->devnode);
            if (problem)
                problem->error = error;
            return GRAVOLT_FORCE_REFUSED;
        }
        return failure(error, output->devnode, problem);
    }
    *id = kernel.id;
    return GRAVOLT_FORCE_OK;
}

gravolt_force_status gravolt_force_play(gravolt_force_output *output, int id, int count,
                                        gravolt_input_problem *problem)
{
    clearProblem(problem);
    input_event event{};
    event.type = EV_FF;
    event.code = uint16_t(id);
    event.value = count;
    if (::write(output->fd, &event, sizeof event) != ssize_t(sizeof event))
        return failure(errno, output->devnode, problem);
    return GRAVOLT_FORCE_OK;
}

gravolt_force_status gravolt_force_erase(gravolt_force_output *output, int id,
                                         gravolt_input_problem *problem)
{
    clearProblem(problem);
    if (ioctl(output->fd, EVIOCRMFF, id) < 0)
        return failure(errno, output->devnode, problem);
    return GRAVOLT_FORCE_OK;
}

void gravolt_force_close(gravolt_force_output *output)
{
    if (!output)
        return;
    ::close(output->fd);
    delete output;
}
