// Board discovery on emulated sysfs and device nodes, read through the real
// libudev, stat() and getxattr(). Built once per USB backend: what counts as
// the board's node, and whether a bound HID driver is in the way, depends on
// the backend linked in.

#include "support/kerneltestbed.h"

#include "device/boarddiscovery.h"
#include "device/boardproblemtext.h"
#include "device/firmwareinfo.h"

#include <QFile>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr uint32_t USER = 1000;
constexpr int UNRELATED_PRODUCT_ID = 0x1234;  // same vendor, not a board
const QList<int> PRODUCT_IDS = {BOARD_PRODUCT_ID_GENERIC, BOARD_PRODUCT_ID_JOYSTICK,
                                BOARD_PRODUCT_ID_RUDDER, BOARD_PRODUCT_ID_WHEEL,
                                BOARD_PRODUCT_ID_COLLECTIVE};

// One board as the kernel shows it: the USB device on `port`, interface 0
// with the HID driver bound, the HID device and its hidraw device. Both nodes
// are plain files here; nothing opens them.
QString boardDescription(int port, int productId, bool withHidraw)
{
    const QString usb = QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb1/1-%1").arg(port);
    const QString pid = QStringLiteral("%1").arg(productId, 4, 16, QLatin1Char('0'));
    QString text = QStringLiteral("P: %1\n"
                                  "N: bus/usb/001/%2=00\n"
                                  "E: DEVNAME=/dev/bus/usb/001/%2\n"
                                  "E: DEVTYPE=usb_device\n"
                                  "E: DRIVER=usb\n"
                                  "E: SUBSYSTEM=usb\n"
                                  "A: idVendor=045b\\n\n"
                                  "A: idProduct=%3\\n\n"
                                  "A: busnum=1\\n\n"
                                  "A: devnum=%4\\n\n"
                                  "A: dev=189:%4\\n\n"
                                  "\n"
                                  "P: %1/1-%5:1.0\n"
                                  "E: DEVTYPE=usb_interface\n"
                                  "E: DRIVER=usbhid\n"
                                  "E: SUBSYSTEM=usb\n"
                                  "A: bInterfaceNumber=00\\n\n"
                                  "\n")
                       .arg(usb)
                       .arg(port + 1, 3, 10, QLatin1Char('0'))
                       .arg(pid)
                       .arg(port + 1)
                       .arg(port);
    if (withHidraw) {
        const QString hid = QStringLiteral("%1/1-%2:1.0/0003:045B:%3.%4")
                                .arg(usb)
                                .arg(port)
                                .arg(pid.toUpper())
                                .arg(port, 4, 10, QLatin1Char('0'));
        text += QStringLiteral("P: %1\n"
                               "E: DRIVER=hid-generic\n"
                               "E: SUBSYSTEM=hid\n"
                               "\n"
                               "P: %1/hidraw/hidraw%2\n"
                               "N: hidraw%2=00\n"
                               "E: DEVNAME=/dev/hidraw%2\n"
                               "E: SUBSYSTEM=hidraw\n"
                               "A: dev=240:%2\\n\n"
                               "\n")
                    .arg(hid)
                    .arg(port);
    }
    return text;
}

// system.posix_acl_access granting `uid` read and write, as logind gives
// the user at the seat: user::rw- user:uid:rw- group::--- mask::rw- other::---
QByteArray seatAcl(uint32_t uid)
{
    const uint16_t entries[][2] = {{0x01, 6}, {0x02, 6}, {0x04, 0}, {0x10, 6}, {0x20, 0}};
    QByteArray value;
    const auto put32 = [&value](uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8)
            value.append(char((v >> shift) & 0xFF));
    };
    const auto put16 = [&value](uint16_t v) {
        value.append(char(v & 0xFF));
        value.append(char(v >> 8));
    };
    put32(2);
    for (const auto &entry : entries) {
        put16(entry[0]);
        put16(entry[1]);
        put32(entry[0] == 0x02 ? uid : 0xFFFFFFFFu);
    }
    return value;
}

}  // namespace

Q_DECLARE_METATYPE(BoardProblem)

class TestEndToEndDiscovery : public QObject
{
    Q_OBJECT

public:
    explicit TestEndToEndDiscovery(e2e::KernelTestbed &kernel) : kernel(kernel) {}

private slots:
    void initTestCase();
    void cleanup() { kernel.clear(); }
    void diagnosisOfEmulatedBoards_data();
    void diagnosisOfEmulatedBoards();

private:
    // The real file behind an emulated node, where the test may change it.
    QByteArray realPath(const QString &node) const
    {
        return QFile::encodeName(kernel.rootDir() + node);
    }

    e2e::KernelTestbed &kernel;
};

void TestEndToEndDiscovery::initTestCase()
{
    QVERIFY2(kernel.preloadActive(),
             "libumockdev-preload is not loaded: run this test through ctest");
}

void TestEndToEndDiscovery::diagnosisOfEmulatedBoards_data()
{
    QTest::addColumn<int>("nodeMode");
    QTest::addColumn<bool>("acl");
    QTest::addColumn<bool>("hidrawNode");  // the hidraw node file exists
    QTest::addColumn<bool>("twin");        // a second joystick on another port
    QTest::addColumn<bool>("unrelated");   // a device of the vendor that is no board
    QTest::addColumn<BoardProblem>("hidrawProblem");
    QTest::addColumn<BoardProblem>("usbfsProblem");

    // Through usbfs every board below is blocked by the bound HID driver, once
    // its node may be opened at all.
    const BoardProblem bound = BoardProblem::DriverBound;
    QTest::newRow("node the user may not open")
        << 0600 << false << true << false << false << BoardProblem::NoPermission
        << BoardProblem::NoPermission;
    QTest::newRow("node the seat ACL opens")
        << 0600 << true << true << false << false << BoardProblem::None << bound;
    QTest::newRow("hidraw node missing")
        << 0666 << false << false << false << false << BoardProblem::NodeMissing << bound;
    QTest::newRow("two boards of one model")
        << 0666 << false << true << true << false << BoardProblem::None << bound;
    QTest::newRow("unrelated device of the vendor")
        << 0666 << false << true << false << true << BoardProblem::None << bound;
}

void TestEndToEndDiscovery::diagnosisOfEmulatedBoards()
{
    QFETCH(int, nodeMode);
    QFETCH(bool, acl);
    QFETCH(bool, hidrawNode);
    QFETCH(bool, twin);
    QFETCH(bool, unrelated);
    QFETCH(BoardProblem, hidrawProblem);
    QFETCH(BoardProblem, usbfsProblem);

    QString error;
    QVERIFY2(kernel.addDevices(boardDescription(3, BOARD_PRODUCT_ID_JOYSTICK, true), &error),
             qPrintable(error));
    if (twin)
        QVERIFY2(kernel.addDevices(boardDescription(1, BOARD_PRODUCT_ID_JOYSTICK, true), &error),
                 qPrintable(error));
    if (unrelated)
        QVERIFY2(kernel.addDevices(boardDescription(2, UNRELATED_PRODUCT_ID, true), &error),
                 qPrintable(error));
    for (const QString &node :
         {QStringLiteral("/dev/hidraw3"), QStringLiteral("/dev/bus/usb/001/004")}) {
        QCOMPARE(chown(realPath(node).constData(), 0, 0), 0);
        QCOMPARE(chmod(realPath(node).constData(), mode_t(nodeMode)), 0);
        if (acl) {
            const QByteArray value = seatAcl(USER);
            QVERIFY2(setxattr(realPath(node).constData(), "system.posix_acl_access",
                              value.constData(), size_t(value.size()), 0) == 0,
                     strerror(errno));
        }
    }
    if (!hidrawNode)
        QVERIFY(QFile::remove(QString::fromLocal8Bit(realPath(QStringLiteral("/dev/hidraw3")))));

    BoardDiscovery discovery(PRODUCT_IDS, BOARD_VENDOR_ID);
    Credentials user;
    user.uid = USER;
    user.groups = {USER};
    discovery.setCredentials(user);
    const BoardDiagnosis diagnosis = discovery.run(nullptr);

    QVERIFY(diagnosis.listingKnown);
    QCOMPARE(diagnosis.boards.size(), twin ? 2 : 1);
    QCOMPARE(diagnosis.boardsPerProductId,
             (QMap<int, int>{{BOARD_PRODUCT_ID_JOYSTICK, twin ? 2 : 1}}));
    QCOMPARE(diagnosis.crowdedModels().size(), twin ? 1 : 0);
    // In port order, whatever order the kernel listed them in.
    const BoardStatus &board = diagnosis.boards.last();
    QCOMPARE(board.board.port, QStringLiteral("1-3"));
    if (twin)
        QCOMPARE(diagnosis.boards.first().board.port, QStringLiteral("1-1"));
    QCOMPARE(board.board.interfaceDriver, QStringLiteral("usbhid"));
    QCOMPARE(board.board.usbNode.path, QStringLiteral("/dev/bus/usb/001/004"));
    QCOMPARE(board.board.hidrawNode.path, QStringLiteral("/dev/hidraw3"));
    QCOMPARE(board.board.hidrawNode.exists, hidrawNode);

    const bool usbfs = diagnosis.backend.node == BoardNodeKind::UsbDevice;
    QCOMPARE(board.problem, usbfs ? usbfsProblem : hidrawProblem);
    if (board.problem == BoardProblem::NoPermission) {
        QCOMPARE(board.node.owner, 0u);
        QCOMPARE(board.node.mode, uint32_t(nodeMode));
        QVERIFY(!board.access.hasAcl);
        QVERIFY2(problemText(board).contains(QStringLiteral("owner root, group root, mode 0600")),
                 qPrintable(problemText(board)));
    }
    QCOMPARE(board.access.grantedByAcl, acl);
}

int main(int argc, char *argv[])
{
    // Before anything can touch udev.
    e2e::KernelTestbed kernel;
    QCoreApplication app(argc, argv);
    TestEndToEndDiscovery test(kernel);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e_discovery.moc"
