// gravoltctl, the product build, run as a process on the real USB path
// against a board the kernel testbed of this process emulates: the child
// inherits the preload and the testbed's location, and its ioctls are
// answered here.
#include "support/emulatedboard.h"
#include "support/hidrawbus.h"
#include "support/kerneltestbed.h"
#include "support/processresult.h"
#include "support/usbfsbus.h"

#include <QtTest>

#include <memory>

namespace {

constexpr uint16_t JOYSTICK_PID = 22777;
constexpr uint8_t JOYSTICK_TYPE = 1;
constexpr uint32_t FIRMWARE_VERSION = 240719;
constexpr int PROCESS_TIMEOUT_MS = 60000;  // ms
constexpr int VISIBLE_WITHIN_MS = 5000;    // ms for a new board to be listed

using Result = ProcessResult;

Result runGravoltctl(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(GRAVOLTCTL), arguments);
    return finishProcess(process, PROCESS_TIMEOUT_MS);
}

}  // namespace

class TestEndToEndGravoltctl : public QObject
{
    Q_OBJECT

public:
    explicit TestEndToEndGravoltctl(e2e::KernelTestbed &kernel) : kernel(kernel) {}

private:
    e2e::KernelTestbed &kernel;
    std::unique_ptr<e2e::EmulatedBus> bus;

private slots:
    void initTestCase()
    {
        QVERIFY2(kernel.preloadActive(),
                 "libumockdev-preload is not loaded: run this test through ctest");
#ifdef GRAVOLTCTL_USES_HIDRAW
        bus = std::make_unique<e2e::HidrawBus>(kernel);
#else
        bus = std::make_unique<e2e::UsbfsBus>(kernel);
#endif
    }

    void cleanupTestCase()
    {
        bus.reset();
    }

    // Listed, backed up, changed behind the tool's back, restored: the
    // restore puts exactly the bytes read by the backup on the wire, and the
    // board ends up with them.
    void backupAndRestoreCrossTheWire()
    {
        auto board =
            std::make_shared<e2e::EmulatedBoard>(JOYSTICK_PID, JOYSTICK_TYPE, FIRMWARE_VERSION);
        QString error;
        QVERIFY2(bus->plug(board, &error), qPrintable(error));

        QJsonArray listed;
        QDeadlineTimer visible(VISIBLE_WITHIN_MS);
        do {
            const Result list = runGravoltctl({QStringLiteral("list"), QStringLiteral("--json")});
            QCOMPARE(list.status, 0);
            listed = QJsonDocument::fromJson(list.out).array();
        } while (listed.isEmpty() && !visible.hasExpired());
        QCOMPARE(listed.size(), 1);
        const QJsonObject entry = listed.at(0).toObject();
        QCOMPARE(entry.value(QStringLiteral("model")).toString(), QStringLiteral("joystick"));
        QCOMPARE(entry.value(QStringLiteral("product_id")).toInt(), int(JOYSTICK_PID));
        QCOMPARE(entry.value(QStringLiteral("supported")).toBool(), true);

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("joystick.gravolt.json"));
        const QByteArray effects = board->workingEffects();
        const QByteArray hardware = board->workingHardware();
        const Result backup = runGravoltctl({QStringLiteral("backup"), file});
        QVERIFY2(backup.status == 0, backup.err.constData());

        board->setWorkingEffects(QByteArray(e2e::EmulatedBoard::EFFECTS_SIZE, '\x11'));
        board->setWorkingHardware(QByteArray(e2e::EmulatedBoard::HARDWARE_SIZE, '\x22'));
        board->clearRequests();
        const Result restore = runGravoltctl({QStringLiteral("restore"), file});
        QVERIFY2(restore.status == 0, restore.err.constData());
        QCOMPARE(board->workingEffects(), effects);
        QCOMPARE(board->workingHardware(), hardware);
        bool stored = false;
        for (const e2e::WireRequest &request : board->requests())
            stored = stored ||
                     (request.isWrite() && request.data.size() > 1 && request.data.at(1) == '\x02');
        QVERIFY(!stored);
        bus->unplugAll();
    }
};

int main(int argc, char *argv[])
{
    // Before anything can touch udev.
    e2e::KernelTestbed kernel;
    QCoreApplication app(argc, argv);
    TestEndToEndGravoltctl test(kernel);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e_gravoltctl.moc"
