// Board discovery against the simulated boards: access judged for an
// ordinary user, boards per model, the fix offered, the doctor's exit status,
// the window's notice, and a rebooting board not being swapped for its twin.

#include "boardsim/simulatedboard.h"
#include "boardsim/simulatedbootloader.h"
#include "cli/boarddoctor.h"
#include "device/boarddiscovery.h"
#include "device/boardproblemtext.h"
#include "device/featurereporttransport.h"
#include "ui/boardnotice.h"
#include "ui/mainwindow.h"

#include <libusb.h>

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <cstring>

using namespace boardsim;

namespace {

constexpr uint32_t USER = 1000;
constexpr uint32_t USERS_GROUP = 100;
constexpr uint32_t INPUT_GROUP = 104;
// Two look-ups a scan apart after the first scan, or after a board is gone
// within the few scans an idle look-up waits; and some slack.
constexpr int NOTICE_TIMEOUT_MS = 10000;
const QList<int> PRODUCT_IDS = {BOARD_PRODUCT_ID_GENERIC, BOARD_PRODUCT_ID_JOYSTICK,
                                BOARD_PRODUCT_ID_RUDDER, BOARD_PRODUCT_ID_WHEEL,
                                BOARD_PRODUCT_ID_COLLECTIVE};

Credentials ordinaryUser()
{
    Credentials who;
    who.uid = USER;
    who.groups = {USER, USERS_GROUP};
    return who;
}

AclEntry acl(uint16_t tag, uint16_t permissions, uint32_t id = 0)
{
    AclEntry entry;
    entry.tag = tag;
    entry.permissions = permissions;
    entry.id = id;
    return entry;
}

}  // namespace

Q_DECLARE_METATYPE(NodeStatus)

class TestBoardDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void init() { Bus::reset(); }

    void accessForAnOrdinaryUser_data();
    void accessForAnOrdinaryUser();
    void diagnosisOfSimulatedBoards();
    void fixInstallsTheRuleOnlyWhereUdevLacksIt();
    void doctorExitsOneUnlessEveryBoardIsUsable();
    void doctorExplainsABootloaderItCannotOpen();
    void noticeShowsTheCauseAndGoesAwayWithIt_data();
    void noticeShowsTheCauseAndGoesAwayWithIt();
    void rebootDoesNotSwapTwoBoardsOfOneModel();
    void programNamesReachTheTerminalEscaped_data();
    void programNamesReachTheTerminalEscaped();
    void sudoIsJudgedForTheUserWhoRanIt_data();
    void sudoIsJudgedForTheUserWhoRanIt();
};

void TestBoardDiscovery::accessForAnOrdinaryUser_data()
{
    QTest::addColumn<NodeStatus>("node");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<bool>("byAcl");

    NodeStatus node;
    node.path = QStringLiteral("/dev/hidraw0");
    node.exists = true;
    node.owner = 0;
    node.group = 0;

    node.mode = 0600;
    QTest::newRow("root only") << node << false << false;
    node.mode = 0666;
    QTest::newRow("everyone") << node << true << false;
    node.mode = 0664;
    QTest::newRow("others may only read") << node << false << false;
    node.owner = USER;
    node.mode = 0600;
    QTest::newRow("the user owns it") << node << true << false;
    node.mode = 0400;
    QTest::newRow("owner may only read") << node << false << false;
    node.owner = 0;
    node.group = USERS_GROUP;
    node.mode = 0660;
    QTest::newRow("supplementary group") << node << true << false;
    node.group = INPUT_GROUP;
    QTest::newRow("another group") << node << false << false;
    node.exists = false;
    node.mode = 0666;
    QTest::newRow("missing node") << node << false << false;

    // The ACLs systemd-logind gives the user at the seat.
    node.exists = true;
    node.group = 0;
    node.mode = 0660;  // with an ACL the group bits are the mask
    node.acl = {acl(AclEntry::UserObj, 6), acl(AclEntry::User, 6, USER), acl(AclEntry::GroupObj, 6),
                acl(AclEntry::Mask, 6), acl(AclEntry::Other, 0)};
    QTest::newRow("ACL names the user") << node << true << true;
    node.acl[3] = acl(AclEntry::Mask, 4);
    QTest::newRow("ACL entry masked to read") << node << false << false;
    node.acl = {acl(AclEntry::UserObj, 6),  acl(AclEntry::User, 6, USER + 1),
                acl(AclEntry::GroupObj, 0), acl(AclEntry::Group, 6, USERS_GROUP),
                acl(AclEntry::Mask, 6),     acl(AclEntry::Other, 0)};
    QTest::newRow("ACL names a group of the user") << node << true << true;
    node.acl = {acl(AclEntry::UserObj, 6), acl(AclEntry::GroupObj, 6),
                acl(AclEntry::Group, 4, USERS_GROUP), acl(AclEntry::Mask, 6),
                acl(AclEntry::Other, 6)};
    // A matching group entry decides even when "other" would allow more.
    QTest::newRow("ACL group match denies before other") << node << false << false;
    node.acl = {acl(AclEntry::UserObj, 6), acl(AclEntry::User, 6, USER + 1),
                acl(AclEntry::GroupObj, 0), acl(AclEntry::Mask, 6), acl(AclEntry::Other, 6)};
    QTest::newRow("ACL falls through to other") << node << true << false;
}

void TestBoardDiscovery::accessForAnOrdinaryUser()
{
    QFETCH(NodeStatus, node);
    QFETCH(bool, allowed);
    QFETCH(bool, byAcl);
    const NodeAccess access = accessFor(node, ordinaryUser());
    QCOMPARE(access.allowed, allowed);
    QCOMPARE(access.grantedByAcl, byAcl);
    QCOMPARE(access.hasAcl, !node.acl.isEmpty());

    Credentials root;
    QCOMPARE(accessFor(node, root).allowed, node.exists);
}

void TestBoardDiscovery::diagnosisOfSimulatedBoards()
{
    SimulatedBoard first(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK);
    SimulatedBoard second(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK);
    SimulatedBoard wheel(BOARD_PRODUCT_ID_WHEEL, DEVICE_TYPE_WHEEL);
    wheel.setRefuseOpen(true);
    Bus::plug(first);
    Bus::plug(wheel);
    Bus::plug(second);

    BoardDiscovery discovery(PRODUCT_IDS, BOARD_VENDOR_ID);
    discovery.setCredentials(ordinaryUser());
    const QList<int> opened = {BOARD_PRODUCT_ID_JOYSTICK};
    const BoardDiagnosis diagnosis = discovery.run(&opened);

    QVERIFY(diagnosis.listingKnown);
    QCOMPARE(diagnosis.boards.size(), 3);
    QCOMPARE(diagnosis.boardsPerProductId.value(BOARD_PRODUCT_ID_JOYSTICK), 2);
    QCOMPARE(diagnosis.boardsPerProductId.value(BOARD_PRODUCT_ID_WHEEL), 1);
    QCOMPARE(diagnosis.crowdedModels(), QList<int>{BOARD_PRODUCT_ID_JOYSTICK});
    QCOMPARE(diagnosis.unusable().size(), 1);
    const BoardStatus refused = diagnosis.unusable().first();
    QCOMPARE(refused.board.productId, BOARD_PRODUCT_ID_WHEEL);
    QCOMPARE(refused.board.port, wheel.port());
    QCOMPARE(refused.problem, BoardProblem::NoPermission);
    QVERIFY(!diagnosis.allUsable());

    QVERIFY2(diagnosisText(diagnosis).contains(QStringLiteral("USB backend: simulated boards.")),
             qPrintable(diagnosisText(diagnosis)));

    // The scan opened no wheel and the node is fine for root: nothing but the
    // board itself is left to blame.
    discovery.setCredentials(Credentials());
    const BoardDiagnosis asRoot = discovery.run(&opened);
    QCOMPARE(asRoot.unusable().size(), 1);
    QCOMPARE(asRoot.unusable().first().problem, BoardProblem::NotAnswering);
    // Without a scan to compare with, an openable node is not a problem.
    QCOMPARE(discovery.run(nullptr).unusable().size(), 0);
}

void TestBoardDiscovery::fixInstallsTheRuleOnlyWhereUdevLacksIt()
{
    SimulatedBoard wheel(BOARD_PRODUCT_ID_WHEEL, DEVICE_TYPE_WHEEL);
    wheel.setRefuseOpen(true);
    Bus::plug(wheel);
    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    const QDir root(prefix.path());
    QVERIFY(root.mkpath(QStringLiteral("libexec/gravolt-setup")));
    QVERIFY(root.mkpath(QStringLiteral("share/gravolt-setup")));
    QVERIFY(root.mkpath(QStringLiteral("lib/udev/rules.d")));
    QVERIFY(root.mkpath(QStringLiteral("etc/udev/rules.d")));
    const QString shared =
        root.filePath(QStringLiteral("share/gravolt-setup/70-gravolt-setup.rules"));
    const QString unread = root.filePath(QStringLiteral("lib/udev/rules.d/70-gravolt-setup.rules"));
    const QString read = root.filePath(QStringLiteral("etc/udev/rules.d/70-gravolt-setup.rules"));
    for (const QString &path : {shared, unread})
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));

    BoardDiscovery discovery(PRODUCT_IDS, BOARD_VENDOR_ID);
    discovery.setCredentials(ordinaryUser());
    discovery.setProgramDir(root.filePath(QStringLiteral("libexec/gravolt-setup")));
    discovery.setUdevRuleDirs({root.filePath(QStringLiteral("etc/udev/rules.d"))});

    BoardDiagnosis diagnosis = discovery.run(nullptr);
    QCOMPARE(diagnosis.rule.readFrom, QString());
    QCOMPARE(diagnosis.rule.unreadCopy, unread);
    QCOMPARE(diagnosis.rule.source, shared);
    QCOMPARE(diagnosis.unusable().size(), 1);
    QCOMPARE(fixCommands(diagnosis.unusable().first(), diagnosis.rule),
             QStringList({QStringLiteral("sudo install -m 0644 %1 "
                                         "/etc/udev/rules.d/70-gravolt-setup.rules")
                              .arg(shared),
                          QStringLiteral("sudo udevadm control --reload-rules && sudo udevadm "
                                         "trigger")}));

    QVERIFY(QFile(read).open(QIODevice::WriteOnly));
    diagnosis = discovery.run(nullptr);
    QCOMPARE(diagnosis.rule.readFrom, read);
    QCOMPARE(fixCommands(diagnosis.unusable().first(), diagnosis.rule),
             QStringList{QStringLiteral("sudo udevadm control --reload-rules && sudo udevadm "
                                        "trigger")});
    QVERIFY(
        diagnosisText(diagnosis).contains(QStringLiteral("udev rule: installed (%1).").arg(read)));
}

void TestBoardDiscovery::doctorExitsOneUnlessEveryBoardIsUsable()
{
    SimulatedBoard joystick(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK);
    SimulatedBoard rudder(BOARD_PRODUCT_ID_RUDDER, DEVICE_TYPE_RUDDER);
    Bus::plug(joystick);
    Bus::plug(rudder);
    BoardDiscovery discovery(PRODUCT_IDS, BOARD_VENDOR_ID);
    discovery.setCredentials(ordinaryUser());

    QString output;
    QTextStream out(&output);
    QCOMPARE(runBoardDoctor(out, discovery, PRODUCT_IDS, BOARD_VENDOR_ID), 0);
    QVERIFY2(output.contains(QStringLiteral("Gravolt Rudder on USB port 1-2: usable")),
             qPrintable(output));
    QCOMPARE(Bus::openHandleCount(), 0);

    rudder.setRefuseOpen(true);
    output.clear();
    QCOMPARE(runBoardDoctor(out, discovery, PRODUCT_IDS, BOARD_VENDOR_ID), 1);
    QVERIFY2(output.contains(QStringLiteral("Gravolt Rudder on USB port 1-2: cannot be opened. No "
                                            "permission on /dev/hidraw1")),
             qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("sudo udevadm control --reload-rules")),
             qPrintable(output));

    rudder.setRefuseOpen(false);
    Bus::plug(SimulatedBoard(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK));
    output.clear();
    QCOMPARE(runBoardDoctor(out, discovery, PRODUCT_IDS, BOARD_VENDOR_ID), 1);
    QVERIFY2(output.contains(QStringLiteral("2 Gravolt Joysticks are connected.")),
             qPrintable(output));
    QCOMPARE(Bus::openHandleCount(), 0);
}

void TestBoardDiscovery::doctorExplainsABootloaderItCannotOpen()
{
    SimulatedBoard joystick(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK);
    Bus::plug(joystick);
    SimulatedBootloader(joystick).enter();
    joystick.setRefuseOpen(true);
    BoardDiscovery discovery(PRODUCT_IDS, BOARD_VENDOR_ID);
    discovery.setCredentials(ordinaryUser());

    QString output;
    QTextStream out(&output);
    QCOMPARE(runBoardDoctor(out, discovery, PRODUCT_IDS, BOARD_VENDOR_ID), 1);
    QVERIFY2(output.contains(QStringLiteral("DFU bootloader 0483:df11 on USB port 1-1: cannot be "
                                            "opened: no permission to open it.")),
             qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("sudo udevadm control --reload-rules")),
             qPrintable(output));
}

void TestBoardDiscovery::noticeShowsTheCauseAndGoesAwayWithIt_data()
{
    QTest::addColumn<bool>("twoJoysticks");  // else one wheel that refuses to open
    QTest::addColumn<QString>("message");    // how the notice begins
    QTest::newRow("no permission")
        << false
        << QStringLiteral("Gravolt Wheel PRO (USB port 1-1) is connected but cannot be opened. No "
                          "permission on /dev/hidraw0 (owner root, group root, mode 0600;");
    QTest::newRow("one model twice")
        << true
        << QStringLiteral("2 Gravolt Joysticks are connected. One board of each model can be "
                          "configured at a time: unplug the others.");
}

void TestBoardDiscovery::noticeShowsTheCauseAndGoesAwayWithIt()
{
    QFETCH(bool, twoJoysticks);
    QFETCH(QString, message);
    SimulatedBoard first = twoJoysticks
                               ? SimulatedBoard(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK)
                               : SimulatedBoard(BOARD_PRODUCT_ID_WHEEL, DEVICE_TYPE_WHEEL);
    SimulatedBoard second(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK);
    first.setRefuseOpen(!twoJoysticks);
    Bus::plug(first);
    if (twoJoysticks)
        Bus::plug(second);
    {
        MainWindow window;
        auto *notice = window.findChild<BoardNotice *>(QStringLiteral("board_notice"));
        QVERIFY(notice);
        notice->discovery().setCredentials(ordinaryUser());
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(notice->isVisible(), NOTICE_TIMEOUT_MS);
        const QString shown =
            notice->findChild<QLabel *>(QStringLiteral("board_notice_message"))->text();
        QVERIFY2(shown.startsWith(message), qPrintable(shown));

        // A cause with a fix offers its commands, whole, on the clipboard.
        auto *commands = notice->findChild<QLabel *>(QStringLiteral("board_notice_commands"));
        auto *copy = notice->findChild<QPushButton *>(QStringLiteral("copy_fix_commands_button"));
        QCOMPARE(commands->isVisible(), !twoJoysticks);
        QCOMPARE(copy->isVisible(), !twoJoysticks);
        if (!twoJoysticks) {
            QVERIFY2(commands->text().endsWith(QStringLiteral(
                         "sudo udevadm control --reload-rules && sudo udevadm trigger")),
                     qPrintable(commands->text()));
            QApplication::clipboard()->clear();
            QTest::mouseClick(copy, Qt::LeftButton);
            QCOMPARE(QApplication::clipboard()->text(), commands->text() + QLatin1Char('\n'));
        }

        // The rule installed, or the second board unplugged: the notice goes.
        if (twoJoysticks)
            Bus::unplug(second);
        else
            first.setRefuseOpen(false);
        QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), NOTICE_TIMEOUT_MS);
    }
    QCOMPARE(Bus::openHandleCount(), 0);
}

void TestBoardDiscovery::rebootDoesNotSwapTwoBoardsOfOneModel()
{
    // The two are told apart by a byte of their information records.
    SimulatedBoard first(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK);
    SimulatedBoard second(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK);
    FirmwareInfoTypeDef info = second.firmwareInfo();
    info.reserved_5[0] = 0x42;
    second.setFirmwareInfo(info);
    first.setRebootDuration(std::chrono::milliseconds(200));
    second.setRebootDuration(std::chrono::milliseconds(200));
    Bus::plug(first);
    Bus::plug(second);
    QCOMPARE(libusb_init(nullptr), int(LIBUSB_SUCCESS));

    const auto markerOf = [](libusb_device_handle *handle) {
        unsigned char buffer[READ_BUFFER_SIZE] = {};
        return readFeatureReport(handle, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE) ==
                       FIRMWARE_INFO_SIZE
                   ? int(buffer[5])
                   : -1;
    };
    const auto open = [] {
        return libusb_open_device_with_vid_pid(nullptr, BOARD_VENDOR_ID, BOARD_PRODUCT_ID_JOYSTICK);
    };

    libusb_device_handle *handle = open();
    QVERIFY(handle);
    QCOMPARE(markerOf(handle), 0);  // the first board by port
    QCOMPARE(sendCommand(handle, COMMAND_REBOOT), 65);
    QCOMPARE(markerOf(handle), -1);
    libusb_close(handle);  // as the scan does with a board that stopped answering
    QVERIFY(!open());      // its twin is not taken meanwhile

    // Not QTRY_VERIFY: it evaluates its expression once more after success,
    // which would open (and leak) a second handle.
    const QDeadlineTimer comeBack(5000);
    while (!(handle = open()) && !comeBack.hasExpired())
        QTest::qWait(20);
    QVERIFY(handle);
    QCOMPARE(markerOf(handle), 0);
    libusb_close(handle);
    libusb_exit(nullptr);
}

void TestBoardDiscovery::programNamesReachTheTerminalEscaped_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<QString>("shown");
    QTest::newRow("clears the screen") << QStringLiteral("x\x1b[2J") << QStringLiteral("x\\x1b[2J");
    QTest::newRow("line break") << QStringLiteral("a\nb\rc") << QStringLiteral("a\\x0ab\\x0dc");
    QTest::newRow("right-to-left override")
        << QString::fromUtf8("\u202Eexe.gnp") << QStringLiteral("\\u202eexe.gnp");
}

// A process names itself; whatever it chose reaches the terminal as text.
void TestBoardDiscovery::programNamesReachTheTerminalEscaped()
{
    QFETCH(QString, holder);
    QFETCH(QString, shown);
    BoardDiagnosis diagnosis;
    diagnosis.listingKnown = true;
    diagnosis.boards = {BoardStatus()};
    diagnosis.boards[0].problem = BoardProblem::HeldByOtherProgram;
    diagnosis.boards[0].holders = {holder};
    QVERIFY(problemText(diagnosis.boards[0]).contains(shown));
    const QString text = diagnosisText(diagnosis);
    QVERIFY2(text.contains(shown), qPrintable(text));
    QVERIFY(std::none_of(text.begin(), text.end(), [](QChar ch) {
        return ch != QLatin1Char('\n') && ch.category() == QChar::Other_Control;
    }));
}

void TestBoardDiscovery::sudoIsJudgedForTheUserWhoRanIt_data()
{
    QTest::addColumn<uint>("processUid");
    QTest::addColumn<QByteArray>("sudoUid");
    QTest::addColumn<qint64>("invoker");
    QTest::newRow("root through sudo") << 0u << QByteArray("1000") << qint64(1000);
    QTest::newRow("root without sudo") << 0u << QByteArray() << qint64(-1);
    QTest::newRow("sudo -u another user") << 1001u << QByteArray("1000") << qint64(-1);
    QTest::newRow("not a number") << 0u << QByteArray("alice") << qint64(-1);
    QTest::newRow("beyond a user id") << 0u << QByteArray("4294967296") << qint64(-1);
}

// And the report says for whom it judged.
void TestBoardDiscovery::sudoIsJudgedForTheUserWhoRanIt()
{
    QFETCH(uint, processUid);
    QFETCH(QByteArray, sudoUid);
    QFETCH(qint64, invoker);
    QCOMPARE(sudoInvoker(processUid, sudoUid), invoker);
    BoardDiagnosis diagnosis;
    diagnosis.judgedFor.uid = uint32_t(invoker);
    diagnosis.judgedFor.invokedThroughSudo = invoker >= 0;
    QCOMPARE(
        diagnosisText(diagnosis).contains(QStringLiteral("(uid 1000), who ran this through sudo")),
        invoker >= 0);
}

QTEST_MAIN(TestBoardDiscovery)
#include "tst_boarddiscovery.moc"
