// The DFU / DfuSe protocol against the simulated bootloader: the exact
// requests of an update, the poll timeouts honoured, and every fault ending
// in a failure that says where, with the bootloader left usable.
#include "boardsim/simulatedboard.h"
#include "boardsim/simulatedbootloader.h"
#include "dfu/dfubootloader.h"
#include "dfu/dfusession.h"

#include <QTest>

using namespace boardsim;

Q_DECLARE_METATYPE(BootloaderFaults)

namespace {

constexpr BootloaderTimings FAST{std::chrono::milliseconds(1), std::chrono::milliseconds(1),
                                 std::chrono::milliseconds(0)};

QString describe(const Transfer &t)
{
    static const char *const names[] = {"DETACH",    "DNLOAD",   "UPLOAD", "GETSTATUS",
                                        "CLRSTATUS", "GETSTATE", "ABORT"};
    QString text = QLatin1String(t.request < 7 ? names[t.request] : "?");
    if (t.request == DFU_DNLOAD)
        text += QStringLiteral(" %1 %2").arg(t.value).arg(t.data.size() <= DFUSE_COMMAND_SIZE
                                                              ? QString::fromLatin1(t.data.toHex())
                                                              : QString::number(t.data.size()));
    else if (t.request == DFU_UPLOAD)
        text += QStringLiteral(" %1 %2").arg(t.value).arg(t.length);
    return text;
}

QStringList bootloaderRequests()
{
    QStringList requests;
    for (const Transfer &t : Bus::transfersFor(BOOTLOADER_PRODUCT_ID))
        requests.append(describe(t));
    return requests;
}

FirmwareFile fileOf(const QList<MemoryChunk> &chunks)
{
    FirmwareFile file;
    QString error;
    const bool ok =
        FirmwareFile::parse(buildDfuSeFile(chunks, BOOTLOADER_VENDOR_ID, BOOTLOADER_PRODUCT_ID),
                            "x.dfu", &file, &error);
    Q_ASSERT(ok);
    return file;
}

}  // namespace

class TestDfuSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void bootloaderIsFoundOnTheBoardsPort();
    void exactRequestsOfAnUpdateAndALeave();
    void pollTimeoutsAreHonouredExactly();
    void faults_data();
    void faults();

private:
    SimulatedBoard board{BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK, 240718};
};

void TestDfuSession::init()
{
    Bus::reset();
    board = SimulatedBoard(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK, 240718);
    board.setRebootDuration(std::chrono::milliseconds(0));
    Bus::plug(board);
    SimulatedBootloader bootloader(board);
    bootloader.setTimings(FAST);
    bootloader.enter();
}

void TestDfuSession::cleanup()
{
    QCOMPARE(Bus::openHandleCount(), 0);
}

void TestDfuSession::bootloaderIsFoundOnTheBoardsPort()
{
    const QList<DfuBootloaderInfo> found = findDfuBootloaders(nullptr);
    QCOMPARE(found.size(), 1);
    const DfuBootloaderInfo &info = found.first();
    QCOMPARE(info.port, board.port());
    QCOMPARE(info.vendorId, BOOTLOADER_VENDOR_ID);
    QVERIFY(info.isDfuSe() && info.canUpload() && info.openable);
    QCOMPARE(info.transferSize, BOOTLOADER_TRANSFER_SIZE);
    QCOMPARE(info.alternates.size(), 2);
    QCOMPARE(info.alternates[0].layout.sectors.size(), 12);
    QCOMPARE(info.alternates[1].layout.sectors.first().address, 0x1FFFC000u);

    board.setRefuseOpen(true);
    const DfuBootloaderInfo refused = findDfuBootloaders(nullptr).first();
    QVERIFY(!refused.openable);
    QVERIFY(refused.openError.contains(QLatin1String("permission")));
}

void TestDfuSession::exactRequestsOfAnUpdateAndALeave()
{
    const QByteArray image = demoFirmwareImage(240720, 3000);
    const FirmwareFile file = fileOf({{0x08000000, image}});
    DfuSession session(nullptr, findDfuBootloaders(nullptr).first());
    QVERIFY(session.open(nullptr));
    Bus::clearTransfers();
    const DfuOutcome outcome = session.flash(file, {});
    QVERIFY2(outcome.ok && outcome.verified, qPrintable(outcome.error));
    const QStringList expected = {"GETSTATUS",
                                  "DNLOAD 0 4100000008",
                                  "GETSTATUS",
                                  "GETSTATUS",  // erase, busy, idle
                                  "DNLOAD 0 2100000008",
                                  "GETSTATUS",
                                  "GETSTATUS",  // address pointer
                                  "DNLOAD 2 2048",
                                  "GETSTATUS",
                                  "GETSTATUS",
                                  "DNLOAD 3 952",
                                  "GETSTATUS",
                                  "GETSTATUS",
                                  "DNLOAD 0 2100000008",
                                  "GETSTATUS",
                                  "GETSTATUS",
                                  "ABORT",  // read back
                                  "UPLOAD 2 2048",
                                  "UPLOAD 3 952",
                                  "ABORT"};
    QCOMPARE(bootloaderRequests(), expected);
    QCOMPARE(SimulatedBootloader(board).flash().left(image.size()), image);

    Bus::clearTransfers();
    const uint32_t start = 0x08000000;
    QVERIFY(session.leave(&start).ok);
    QCOMPARE(bootloaderRequests(), (QStringList{"GETSTATUS", "DNLOAD 0 2100000008", "GETSTATUS",
                                                "GETSTATUS", "DNLOAD 2 ", "GETSTATUS"}));
    QTRY_VERIFY(Bus::isPlugged(board));
    QCOMPARE(board.firmwareInfo().firmwareVersion, 240720u);
}

void TestDfuSession::pollTimeoutsAreHonouredExactly()
{
    // Every busy answer is followed by a wait of exactly its poll timeout, so
    // the bootloader never answers "still busy" a second time.
    SimulatedBootloader bootloader(board);
    bootloader.setTimings(
        {std::chrono::milliseconds(3), std::chrono::milliseconds(2), std::chrono::milliseconds(1)});
    DfuSession session(nullptr, findDfuBootloaders(nullptr).first());
    QVERIFY(session.open(nullptr));
    const DfuOutcome outcome = session.flash(fileOf({{0x08003000, QByteArray(9000, 'x')}}), {});
    QVERIFY2(outcome.ok, qPrintable(outcome.error));
    QCOMPARE(session.requestedWait(), bootloader.requestedWait());
    QVERIFY(session.requestedWait() > std::chrono::milliseconds(0));
    int consecutiveBusy = 0;
    for (const Transfer &t : Bus::transfersFor(BOOTLOADER_PRODUCT_ID)) {
        const bool busy = t.request == DFU_GETSTATUS && t.data.at(4) == char(DfuState::DnBusy);
        consecutiveBusy = busy ? consecutiveBusy + 1 : 0;
        QVERIFY(consecutiveBusy < 2);
    }
}

void TestDfuSession::faults_data()
{
    QTest::addColumn<BootloaderFaults>("faults");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("verified");
    QTest::addColumn<bool>("unplugged");
    QTest::addColumn<quint32>("address");  // where it failed; 0 none
    QTest::addColumn<QString>("says");

    BootloaderFaults refused;
    refused.refuseWriteAtBlock = 2;
    BootloaderFaults mismatch;
    mismatch.verifyMismatchAt = 0x1234;
    BootloaderFaults unplug;
    unplug.unplugAfterBlocks = 3;
    BootloaderFaults readProtected;
    readProtected.readProtected = true;
    QTest::newRow("none") << BootloaderFaults() << true << true << false << 0u << "";
    QTest::newRow("write refused")
        << refused << false << false << false << 0x08001000u << "could not write";
    QTest::newRow("verify mismatch") << mismatch << false << false << false << 0x08001234u
                                     << "Verifying failed at address 0x08001234";
    QTest::newRow("unplugged") << unplug << false << false << true << 0x08001000u
                               << "left the USB bus while writing";
    QTest::newRow("read protection") << readProtected << true << false << false << 0u
                                     << "Written, not verified: the board's memory is "
                                        "read-protected";
}

void TestDfuSession::faults()
{
    QFETCH(BootloaderFaults, faults);
    QFETCH(bool, ok);
    QFETCH(bool, verified);
    QFETCH(bool, unplugged);
    QFETCH(quint32, address);
    QFETCH(QString, says);
    SimulatedBootloader bootloader(board);
    bootloader.setFaults(faults);
    DfuSession session(nullptr, findDfuBootloaders(nullptr).first());
    QVERIFY(session.open(nullptr));
    QList<DfuStep> steps;
    const DfuOutcome outcome =
        session.flash(fileOf({{0x08000000, demoFirmwareImage(240720, 10000)}}),
                      [&](DfuStep step, qint64 done, qint64 total) {
                          QVERIFY(done > 0 && done <= total);
                          if (steps.isEmpty() || steps.last() != step)
                              steps.append(step);
                      });
    QCOMPARE(outcome.ok, ok);
    QCOMPARE(outcome.verified, verified);
    QCOMPARE(outcome.unplugged, unplugged);
    QCOMPARE(outcome.hasAddress, address != 0);
    QCOMPARE(outcome.address, address);
    QVERIFY2(outcome.error.contains(says, Qt::CaseInsensitive), qPrintable(outcome.error));
    QCOMPARE(steps.first(), DfuStep::Erase);
    QVERIFY(steps.contains(DfuStep::Write));
    session.close();
    if (unplugged) {
        QVERIFY(findDfuBootloaders(nullptr).isEmpty());
        Bus::plug(board);  // back with a half-written flash: in its bootloader
    }
    // Whatever happened, the bootloader is listed and can be tried again.
    QCOMPARE(findDfuBootloaders(nullptr).size(), 1);
    DfuSession again(nullptr, findDfuBootloaders(nullptr).first());
    QVERIFY(again.open(nullptr));
    QVERIFY(again.toIdle());
}

QTEST_GUILESS_MAIN(TestDfuSession)
#include "tst_dfusession.moc"
