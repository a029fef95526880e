#include "hidrawinputbus.h"

#include <QDir>
#include <QFile>
#include <QMutexLocker>

#include <umockdev.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <linux/input.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

namespace e2e {

struct HidrawInputBus::EventNode {
    const EmulatedBoard *board = nullptr;
    uint16_t productId = 0;
    QString devnode;  // /dev/input/eventN
    QString slave;    // the pty behind it
    int master = -1;  // where the events are written
    UMockdevIoctlBase *handler = nullptr;
    mutable QMutex mutex;  // guards everything below
    int axes[AXIS_COUNT] = {};
    bool buttons[BUTTON_COUNT] = {};
    bool unplugged = false;
    int grabs = 0;
    bool forceFeedback = true;
    std::vector<ff_effect> uploads;
    std::vector<int> erased;
    std::vector<bool> used = std::vector<bool>(EFFECT_SLOTS);
    QByteArray written;  // read from the pty, not yet whole events
    std::vector<input_event> events;
};

namespace {

constexpr uint16_t AXIS_CODES[HidrawInputBus::AXIS_COUNT] = {ABS_X, ABS_Y, ABS_RX, ABS_RY, ABS_RZ};
constexpr int EVDEV_VERSION = 0x010001;
constexpr const char *DEVICE_NAME = "Gravolt Gravolt Controller";

// hid-input: a joystick's buttons 1 to 16 are BTN_TRIGGER on, the rest
// BTN_TRIGGER_HAPPY on.
uint16_t buttonCode(int number)
{
    return uint16_t(number <= 16 ? BTN_JOYSTICK + number - 1 : BTN_TRIGGER_HAPPY + number - 17);
}

void setBit(unsigned char *bits, size_t size, unsigned int bit)
{
    if (bit / 8 < size)
        bits[bit / 8] |= uint8_t(1u << (bit % 8));
}

constexpr uint16_t FORCE_CODES[] = {FF_CONSTANT, FF_PERIODIC, FF_SINE, FF_SPRING,
                                    FF_DAMPER,   FF_FRICTION, FF_GAIN};

bool offered(uint16_t code)
{
    return std::find(std::begin(FORCE_CODES), std::end(FORCE_CODES), code) != std::end(FORCE_CODES);
}

// EVIOCSFF and EVIOCRMFF as input_ff_upload() and input_ff_erase() answer
// them; called with the node's mutex held.
void answerForceFeedback(HidrawInputBus::EventNode *node, UMockdevIoctlClient *client,
                         gulong request)
{
    UMockdevIoctlData *argument = umockdev_ioctl_client_get_arg(client);
    if (!node->forceFeedback) {
        umockdev_ioctl_client_complete(client, -1, EINVAL);
        return;
    }
    if (_IOC_NR(request) == _IOC_NR(EVIOCRMFF)) {
        // The id itself is the argument, not a pointer to it.
        long id = 0;
        std::memcpy(&id, argument->data, std::min(sizeof id, size_t(argument->data_len)));
        const bool known = id >= 0 && id < HidrawInputBus::EFFECT_SLOTS && node->used[size_t(id)];
        if (known) {
            node->used[size_t(id)] = false;
            node->erased.push_back(int(id));
        }
        umockdev_ioctl_client_complete(client, known ? 0 : -1, known ? 0 : EINVAL);
        return;
    }
    GError *gerror = nullptr;
    UMockdevIoctlData *data = umockdev_ioctl_data_resolve(argument, 0, sizeof(ff_effect), &gerror);
    if (!data) {
        g_error_free(gerror);
        umockdev_ioctl_client_complete(client, -1, EFAULT);
        return;
    }
    ff_effect effect;
    std::memcpy(&effect, data->data, sizeof effect);
    int error = 0;
    if (!offered(effect.type) ||
        (effect.type == FF_PERIODIC && !offered(effect.u.periodic.waveform))) {
        error = EINVAL;
    } else if (effect.id == -1) {
        const auto free = std::find(node->used.begin(), node->used.end(), false);
        if (free == node->used.end()) {
            error = ENOSPC;
        } else {
            *free = true;
            effect.id = int16_t(free - node->used.begin());
        }
    } else if (effect.id < 0 || effect.id >= HidrawInputBus::EFFECT_SLOTS ||
               !node->used[size_t(effect.id)]) {
        error = EINVAL;
    }
    if (!error) {
        node->uploads.push_back(effect);
        // The kernel writes the new id back into the caller's structure.
        std::memcpy(data->data, &effect, sizeof effect);
    }
    umockdev_ioctl_client_complete(client, error ? -1 : 0, error);
    g_object_unref(data);
}

// Answers one ioctl the way evdev_do_ioctl() does; runs on umockdev's thread.
gboolean onEventIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data)
{
    auto *node = static_cast<HidrawInputBus::EventNode *>(data);
    const gulong request = umockdev_ioctl_client_get_request(client);
    if (_IOC_TYPE(request) != 'E') {
        umockdev_ioctl_client_complete(client, -1, ENOTTY);
        return TRUE;
    }
    const unsigned int number = _IOC_NR(request);
    const gsize size = _IOC_SIZE(request);
    QMutexLocker lock(&node->mutex);
    if (node->unplugged) {
        umockdev_ioctl_client_complete(client, -1, ENODEV);
        return TRUE;
    }
    if (number == _IOC_NR(EVIOCRMFF) || number == _IOC_NR(EVIOCSFF)) {
        answerForceFeedback(node, client, request);
        return TRUE;
    }
    if (number == _IOC_NR(EVIOCGRAB)) {
        ++node->grabs;
        umockdev_ioctl_client_complete(client, -1, EPERM);
        return TRUE;
    }
    UMockdevIoctlData *arg = nullptr;
    if (size > 0) {
        GError *gerror = nullptr;
        arg = umockdev_ioctl_data_resolve(umockdev_ioctl_client_get_arg(client), 0, size, &gerror);
        if (!arg) {
            g_error_free(gerror);
            umockdev_ioctl_client_complete(client, -1, EFAULT);
            return TRUE;
        }
    }
    auto *bytes = arg ? reinterpret_cast<unsigned char *>(arg->data) : nullptr;
    if (bytes)
        std::memset(bytes, 0, size);
    long result = long(size);
    int error = 0;
    if (number == _IOC_NR(EVIOCGVERSION)) {
        std::memcpy(bytes, &EVDEV_VERSION, sizeof EVDEV_VERSION);
        result = 0;
    } else if (number == _IOC_NR(EVIOCGID)) {
        const input_id id{BUS_USB, 0x045B, node->productId, 0x0100};
        std::memcpy(bytes, &id, std::min(size, sizeof id));
        result = 0;
    } else if (number == _IOC_NR(EVIOCGNAME(0))) {
        const size_t length = std::min(size, std::strlen(DEVICE_NAME) + 1);
        std::memcpy(bytes, DEVICE_NAME, length);
        result = long(length);
    } else if (number == _IOC_NR(EVIOCGEFFECTS)) {
        const int slots = node->forceFeedback ? HidrawInputBus::EFFECT_SLOTS : 0;
        std::memcpy(bytes, &slots, std::min(size, sizeof slots));
        result = 0;
    } else if (number == _IOC_NR(EVIOCGPHYS(0)) || number == _IOC_NR(EVIOCGUNIQ(0))) {
        result = -1;
        error = ENOENT;
    } else if (number == _IOC_NR(EVIOCGPROP(0)) || number == _IOC_NR(EVIOCGLED(0)) ||
               number == _IOC_NR(EVIOCGSND(0)) || number == _IOC_NR(EVIOCGSW(0))) {
        // Nothing of these: all bits clear.
    } else if (number == _IOC_NR(EVIOCGKEY(0))) {
        for (int b = 0; b < HidrawInputBus::BUTTON_COUNT; ++b)
            if (node->buttons[b])
                setBit(bytes, size, buttonCode(b + 1));
    } else if (number >= _IOC_NR(EVIOCGBIT(0, 0)) && number < _IOC_NR(EVIOCGBIT(EV_MAX + 1, 0))) {
        const unsigned int type = number - _IOC_NR(EVIOCGBIT(0, 0));
        if (type == 0) {
            for (unsigned int t : {EV_SYN, EV_KEY, EV_ABS})
                setBit(bytes, size, t);
            if (node->forceFeedback)
                setBit(bytes, size, EV_FF);
        } else if (type == EV_KEY) {
            for (int b = 1; b <= HidrawInputBus::BUTTON_COUNT; ++b)
                setBit(bytes, size, buttonCode(b));
        } else if (type == EV_ABS) {
            for (uint16_t code : AXIS_CODES)
                setBit(bytes, size, code);
        } else if (type == EV_FF && node->forceFeedback) {
            for (uint16_t code : FORCE_CODES)
                setBit(bytes, size, code);
        }
    } else if (number >= _IOC_NR(EVIOCGABS(0)) && number <= _IOC_NR(EVIOCGABS(ABS_MAX)) &&
               _IOC_DIR(request) == _IOC_READ) {
        const unsigned int code = number - _IOC_NR(EVIOCGABS(0));
        const auto axis = std::find(std::begin(AXIS_CODES), std::end(AXIS_CODES), code);
        if (axis == std::end(AXIS_CODES)) {
            result = -1;
            error = EINVAL;
        } else {
            input_absinfo info{};
            info.value = node->axes[axis - std::begin(AXIS_CODES)];
            info.minimum = HidrawInputBus::AXIS_MINIMUM;
            info.maximum = HidrawInputBus::AXIS_MAXIMUM;
            std::memcpy(bytes, &info, std::min(size, sizeof info));
            result = 0;
        }
    } else {
        result = -1;
        error = EINVAL;
    }
    umockdev_ioctl_client_complete(client, result, error);
    if (arg)
        g_object_unref(arg);
    return TRUE;
}

void closeMaster(int fd)
{
    // The reader's end hangs up; see EmulatedBus::~EmulatedBus for why the
    // signal is ignored meanwhile.
    struct sigaction ignore = {}, previous = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGHUP, &ignore, &previous);
    ::close(fd);
    sigaction(SIGHUP, &previous, nullptr);
}

}  // namespace

HidrawInputBus::HidrawInputBus(KernelTestbed &testbed) : HidrawBus(testbed)
{}

HidrawInputBus::~HidrawInputBus()
{
    for (auto &node : eventNodes) {
        if (node->handler) {
            umockdev_testbed_detach_ioctl(kernel.testbed(), node->devnode.toUtf8().constData(),
                                          nullptr);
            g_signal_handlers_disconnect_by_data(node->handler, node.get());
            g_object_unref(node->handler);
        }
        if (node->master >= 0)
            closeMaster(node->master);
    }
}

bool HidrawInputBus::describe(EmulatedNode &node, QString *description, QString *error)
{
    if (!HidrawBus::describe(node, description, error))
        return false;

    auto event = std::make_unique<EventNode>();
    event->board = node.board.get();
    event->productId = node.board->productId();
    const int minor = eventMinors++;
    event->devnode = QStringLiteral("/dev/input/event%1").arg(minor);

    // As for the hidraw node: a pty of our own stands behind the node, here
    // in raw mode so that the events pass byte for byte.
    char ptyName[128] = {};
    int slave = -1;
    struct stat status = {};
    termios raw = {};
    if (openpty(&event->master, &slave, ptyName, nullptr, nullptr) < 0 ||
        fstat(slave, &status) < 0 || tcgetattr(slave, &raw) < 0) {
        *error = QStringLiteral("event pty: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);
    ::close(slave);
    event->slave = QString::fromLocal8Bit(ptyName);

    const QString root = kernel.rootDir();
    QDir().mkpath(root + QStringLiteral("/dev/input"));
    if (symlink(ptyName, (root + event->devnode).toLocal8Bit().constData()) < 0) {
        *error = QStringLiteral("cannot link %1: %2")
                     .arg(event->devnode, QString::fromLocal8Bit(strerror(errno)));
        return false;
    }

    const QString hidPath = node.sysfsPaths.at(2).mid(int(std::strlen("/sys")));
    const QString inputPath = hidPath + QStringLiteral("/input/input%1").arg(minor);
    const QString eventPath = inputPath + QStringLiteral("/event%1").arg(minor);
    node.sysfsPaths << QStringLiteral("/sys") + inputPath << QStringLiteral("/sys") + eventPath;
    *description += QStringLiteral("\n"
                                   "P: %1\n"
                                   "E: SUBSYSTEM=input\n"
                                   "E: PRODUCT=3/45b/%2/100\n"
                                   "E: NAME=\"%3\"\n"
                                   "E: ID_INPUT=1\n"
                                   "E: ID_INPUT_JOYSTICK=1\n"
                                   "A: name=%3\\n\n"
                                   "\n"
                                   "P: %4\n"
                                   "E: DEVNAME=%5\n"
                                   "E: MAJOR=%6\n"
                                   "E: MINOR=%7\n"
                                   "E: SUBSYSTEM=input\n"
                                   "E: ID_INPUT=1\n"
                                   "E: ID_INPUT_JOYSTICK=1\n"
                                   "A: dev=%6:%7\\n\n")
                        .arg(inputPath, QString::number(event->productId, 16),
                             QString::fromLatin1(DEVICE_NAME), eventPath, event->devnode)
                        .arg(::major(status.st_rdev))
                        .arg(::minor(status.st_rdev));

    event->handler = umockdev_ioctl_base_new();
    g_signal_connect(event->handler, "handle-ioctl", G_CALLBACK(onEventIoctl), event.get());
    GError *gerror = nullptr;
    if (!umockdev_testbed_attach_ioctl(kernel.testbed(), event->devnode.toUtf8().constData(),
                                       event->handler, &gerror)) {
        *error = QStringLiteral("umockdev cannot emulate %1: %2")
                     .arg(event->devnode, QString::fromUtf8(gerror->message));
        g_error_free(gerror);
        eventNodes.push_back(std::move(event));
        return false;
    }
    eventNodes.push_back(std::move(event));
    return true;
}

HidrawInputBus::EventNode *HidrawInputBus::find(const EmulatedBoard &board) const
{
    for (const auto &node : eventNodes)
        if (node->board == &board && !node->unplugged)
            return node.get();
    return nullptr;
}

void HidrawInputBus::send(EventNode &node, uint16_t type, uint16_t code, int32_t value)
{
    input_event events[2] = {};
    events[0].type = type;
    events[0].code = code;
    events[0].value = value;
    events[1].type = EV_SYN;
    events[1].code = SYN_REPORT;
    // One write, so that the reader finds the change and its report together.
    const ssize_t written = ::write(node.master, events, sizeof events);
    Q_ASSERT(written == ssize_t(sizeof events));
    (void)written;
}

void HidrawInputBus::moveAxis(const EmulatedBoard &board, int axis, int value)
{
    EventNode *node = find(board);
    if (!node || axis < 0 || axis >= AXIS_COUNT)
        return;
    {
        QMutexLocker lock(&node->mutex);
        node->axes[axis] = value;
    }
    send(*node, EV_ABS, AXIS_CODES[axis], value);
}

void HidrawInputBus::setButton(const EmulatedBoard &board, int number, bool down)
{
    EventNode *node = find(board);
    if (!node || number < 1 || number > BUTTON_COUNT)
        return;
    {
        QMutexLocker lock(&node->mutex);
        node->buttons[number - 1] = down;
    }
    send(*node, EV_KEY, buttonCode(number), down ? 1 : 0);
}

void HidrawInputBus::unplugBoard(const EmulatedBoard &board)
{
    EventNode *node = find(board);
    unplug(board);
    if (!node)
        return;
    {
        QMutexLocker lock(&node->mutex);
        node->unplugged = true;
    }
    QFile::remove(kernel.rootDir() + node->devnode);
    closeMaster(node->master);
    node->master = -1;
}

int HidrawInputBus::openEventFiles(const EmulatedBoard &board) const
{
    QStringList slaves;
    for (const auto &node : eventNodes)
        if (node->board == &board)
            slaves << node->slave;
    int count = 0;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &fd : fds.entryList(QDir::System))
        count += slaves.contains(QFile::symLinkTarget(fds.filePath(fd)));
    return count;
}

int HidrawInputBus::grabAttempts() const
{
    int grabs = 0;
    for (const auto &node : eventNodes) {
        QMutexLocker lock(&node->mutex);
        grabs += node->grabs;
    }
    return grabs;
}

std::vector<ff_effect> HidrawInputBus::uploadedEffects(const EmulatedBoard &board) const
{
    for (const auto &node : eventNodes)
        if (node->board == &board) {
            QMutexLocker lock(&node->mutex);
            return node->uploads;
        }
    return {};
}

std::vector<int> HidrawInputBus::erasedEffects(const EmulatedBoard &board) const
{
    for (const auto &node : eventNodes)
        if (node->board == &board) {
            QMutexLocker lock(&node->mutex);
            return node->erased;
        }
    return {};
}

std::vector<input_event> HidrawInputBus::writtenEvents(const EmulatedBoard &board)
{
    EventNode *node = find(board);
    if (!node)
        return {};
    // What the program wrote to the node waits at the pty's other end.
    char buffer[4096];
    for (;;) {
        pollfd waiting{node->master, POLLIN, 0};
        if (::poll(&waiting, 1, 0) <= 0)
            break;
        const ssize_t got = ::read(node->master, buffer, sizeof buffer);
        if (got <= 0)
            break;
        node->written.append(buffer, int(got));
    }
    while (node->written.size() >= int(sizeof(input_event))) {
        input_event event;
        std::memcpy(&event, node->written.constData(), sizeof event);
        node->events.push_back(event);
        node->written.remove(0, int(sizeof event));
    }
    return node->events;
}

void HidrawInputBus::withdrawForceFeedback(const EmulatedBoard &board)
{
    if (EventNode *node = find(board)) {
        QMutexLocker lock(&node->mutex);
        node->forceFeedback = false;
    }
}

}  // namespace e2e
