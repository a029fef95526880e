#include "kerneltestbed.h"

#include <QDir>
#include <QFile>
#include <QMutexLocker>

#include <umockdev.h>

#include <csignal>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace e2e {

KernelTestbed::KernelTestbed() : bed(umockdev_testbed_new())
{}

KernelTestbed::~KernelTestbed()
{
    // Removes the mocked tree and stops the ioctl listeners.
    g_object_unref(bed);
}

bool KernelTestbed::preloadActive() const
{
    return umockdev_in_mock_environment();
}

QString KernelTestbed::rootDir() const
{
    gchar *root = umockdev_testbed_get_root_dir(bed);
    const QString dir = QString::fromUtf8(root);
    g_free(root);
    return dir;
}

int KernelTestbed::nextUsbDeviceNumber()
{
    return ++usbDeviceNumbers;
}

bool KernelTestbed::addDevices(const QString &description, QString *error)
{
    GError *gerror = nullptr;
    if (umockdev_testbed_add_from_string(bed, description.toUtf8().constData(), &gerror))
        return true;
    if (error)
        *error = QString::fromUtf8(gerror->message);
    g_error_free(gerror);
    return false;
}

void KernelTestbed::clear()
{
    umockdev_testbed_clear(bed);
}

// Lets umockdev's C signal reach the bus; runs on umockdev's thread.
struct BusCallbacks {
    static gboolean onIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer data)
    {
        auto *node = static_cast<EmulatedNode *>(data);
        node->bus->handleIoctl(*node, client);
        return TRUE;
    }
};

EmulatedBus::EmulatedBus(KernelTestbed &testbed) : kernel(testbed)
{}

void EmulatedBus::detachAll()
{
    for (auto &node : nodes) {
        if (!node->handler)
            continue;
        umockdev_testbed_detach_ioctl(kernel.testbed(), node->devnode.toUtf8().constData(),
                                      nullptr);
        g_signal_handlers_disconnect_by_data(node->handler, node.get());
        g_object_unref(node->handler);
        node->handler = nullptr;
    }
}

EmulatedBus::~EmulatedBus()
{
    detachAll();
    for (auto &node : nodes) {
        if (node->pty >= 0) {
            // A session leader without a controlling terminal (setsid, some
            // CI runners) took this pty as its terminal when the library
            // opened the node without O_NOCTTY; closing the master then
            // hangs it up with SIGHUP. An ignored signal is dropped.
            struct sigaction ignore = {}, previous = {};
            ignore.sa_handler = SIG_IGN;
            sigemptyset(&ignore.sa_mask);
            sigaction(SIGHUP, &ignore, &previous);
            ::close(node->pty);
            sigaction(SIGHUP, &previous, nullptr);
        }
    }
}

bool EmulatedBus::plug(const std::shared_ptr<EmulatedBoard> &board, QString *error)
{
    auto node = std::make_unique<EmulatedNode>();
    node->bus = this;
    node->board = board;
    QString description;
    QString why;
    if (!describe(*node, &description, &why)) {
        if (error)
            *error = why;
        return false;
    }
    GError *gerror = nullptr;
    if (!umockdev_testbed_add_from_string(kernel.testbed(), description.toUtf8().constData(),
                                          &gerror)) {
        if (error)
            *error = QStringLiteral("umockdev refused the %1 device: %2")
                         .arg(name(), QString::fromUtf8(gerror->message));
        g_error_free(gerror);
        return false;
    }

    EmulatedNode *context = node.get();
    node->handler = umockdev_ioctl_base_new();
    g_signal_connect(node->handler, "handle-ioctl", G_CALLBACK(BusCallbacks::onIoctl), context);
    if (!umockdev_testbed_attach_ioctl(kernel.testbed(), node->devnode.toUtf8().constData(),
                                       node->handler, &gerror)) {
        if (error)
            *error = QStringLiteral("umockdev cannot emulate %1: %2")
                         .arg(node->devnode, QString::fromUtf8(gerror->message));
        g_error_free(gerror);
        nodes.push_back(std::move(node));
        remove(*nodes.back());
        return false;
    }
    nodes.push_back(std::move(node));
    return true;
}

int EmulatedBus::freePort() const
{
    for (int port = 1;; ++port) {
        bool taken = false;
        for (const auto &node : nodes) {
            QMutexLocker lock(&node->mutex);
            taken = taken || (!node->unplugged && node->port == port);
        }
        if (!taken)
            return port;
    }
}

EmulatedNode *EmulatedBus::find(const EmulatedBoard &board) const
{
    for (const auto &node : nodes)
        if (node->board.get() == &board && !node->unplugged)
            return node.get();
    return nullptr;
}

void EmulatedBus::remove(EmulatedNode &node)
{
    {
        QMutexLocker lock(&node.mutex);
        if (node.unplugged)
            return;
        node.unplugged = true;
    }
    // Child first, as the kernel tears a device down. The uevent reads the
    // device's uevent file, so it goes out before the device is removed, and
    // each device is removed by itself: removing a parent would leave the
    // child's /sys/class link dangling.
    for (qsizetype i = node.sysfsPaths.size() - 1; i >= 0; --i) {
        const QByteArray path = node.sysfsPaths.at(i).toUtf8();
        umockdev_testbed_uevent(kernel.testbed(), path.constData(), "remove");
        umockdev_testbed_remove_device(kernel.testbed(), path.constData());
    }
    // The node's file may outlive the sysfs device (hidraw's points at a pty).
    QFile::remove(kernel.rootDir() + node.devnode);
}

void EmulatedBus::unplug(const EmulatedBoard &board)
{
    if (EmulatedNode *node = find(board))
        remove(*node);
}

void EmulatedBus::unplugAll()
{
    for (auto &node : nodes)
        remove(*node);
}

int EmulatedBus::openFiles(const EmulatedBoard &board) const
{
    // Opening an emulated node connects a socket to umockdev's listener for
    // that node, and closing the file closes it; neither end reports the
    // close to the handler, so the sockets are counted instead.
    QStringList listeners;
    for (const auto &node : nodes)
        if (node->board.get() == &board)
            listeners.append(kernel.rootDir() + QStringLiteral("/ioctl") + node->devnode);
    int count = 0;
    const QStringList fds = QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::System);
    for (const QString &fd : fds) {
        sockaddr_un peer = {};
        socklen_t length = sizeof peer;
        if (getpeername(fd.toInt(), reinterpret_cast<sockaddr *>(&peer), &length) == 0 &&
            peer.sun_family == AF_UNIX && listeners.contains(QString::fromLocal8Bit(peer.sun_path)))
            ++count;
    }
    return count;
}

}  // namespace e2e
