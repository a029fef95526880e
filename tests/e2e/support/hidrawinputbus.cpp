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
        } else if (type == EV_KEY) {
            for (int b = 1; b <= HidrawInputBus::BUTTON_COUNT; ++b)
                setBit(bytes, size, buttonCode(b));
        } else if (type == EV_ABS) {
            for (uint16_t code : AXIS_CODES)
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

}  // namespace e2e
