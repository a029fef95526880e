// The shipped flasher (gravolt-flash, on the real libusb) run as a process
// against a DfuSe bootloader emulated at usbfs: it finds the bootloader and
// its memory layout, and an update puts exactly the DFU requests on the wire
// that erase, write, read back and start a 64 KiB image, honouring every
// poll timeout.
#include "support/dfuusbfsbus.h"
#include "support/emulatedbootloader.h"
#include "support/kerneltestbed.h"
#include "support/processresult.h"

#include <QtTest>

#include <memory>

namespace {

constexpr int PROCESS_TIMEOUT_MS = 60000;
constexpr int VISIBLE_WITHIN_MS = 5000;
// The demo file: one DfuSe element at the flash's start, after the file
// prefix (11 bytes), the target prefix (274) and the element header (8).
constexpr int IMAGE_OFFSET = 11 + 274 + 8;
constexpr int IMAGE_SIZE = 64 * 1024;
constexpr int SUFFIX_SIZE = 16;

struct Result {
    int status = -1;
    QList<QJsonObject> events;
};

Result runFlasher(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(GRAVOLT_FLASH), arguments);
    const ProcessResult finished = finishProcess(process, PROCESS_TIMEOUT_MS);
    Result result;
    result.status = finished.status;
    for (const QByteArray &line : finished.out.split('\n'))
        if (!line.isEmpty())
            result.events.append(QJsonDocument::fromJson(line).object());
    return result;
}

// A DfuSe command's five bytes as the log shows them: command, LE32 address.
QString command(int code, uint32_t address)
{
    QByteArray bytes(1, char(code));
    for (int i = 0; i < 4; ++i)
        bytes.append(char((address >> (8 * i)) & 0xFF));
    return QString::fromLatin1(bytes.toHex());
}

QString describe(const e2e::WireRequest &r)
{
    switch (r.request) {
    case 1:
        return QStringLiteral("DNLOAD %1 %2")
            .arg(r.value)
            .arg(r.length == 5 ? QString::fromLatin1(r.data.toHex()) : QString::number(r.length));
    case 2:
        return QStringLiteral("UPLOAD %1 %2").arg(r.value).arg(r.length);
    case 3:
        return QStringLiteral("GETSTATUS");
    case 4:
        return QStringLiteral("CLRSTATUS");
    case 6:
        return QStringLiteral("ABORT");
    default:
        return QStringLiteral("request %1").arg(r.request);
    }
}

}  // namespace

class TestEndToEndFlasher : public QObject
{
    Q_OBJECT

public:
    explicit TestEndToEndFlasher(e2e::KernelTestbed &kernel) : kernel(kernel) {}

private:
    e2e::KernelTestbed &kernel;
    std::unique_ptr<e2e::DfuUsbfsBus> bus;

private slots:
    void initTestCase()
    {
        QVERIFY2(kernel.preloadActive(),
                 "libumockdev-preload is not loaded: run this test through ctest");
        bus = std::make_unique<e2e::DfuUsbfsBus>(kernel);
    }

    void cleanupTestCase() { bus.reset(); }

    void updateCrossesTheWireExactly()
    {
        auto bootloader = std::make_shared<e2e::EmulatedBootloader>();
        QString error;
        QVERIFY2(bus->plug(bootloader, &error), qPrintable(error));
        const QString port = bus->lastPort();

        QJsonObject found;
        QDeadlineTimer visible(VISIBLE_WITHIN_MS);
        do {
            const Result list = runFlasher({QStringLiteral("list")});
            QCOMPARE(list.status, 0);
            for (const QJsonObject &event : list.events)
                if (event.value("event").toString() == QLatin1String("bootloader"))
                    found = event;
        } while (found.isEmpty() && !visible.hasExpired());
        QCOMPARE(found.value("port").toString(), port);
        QCOMPARE(found.value("vendor_id").toInt(), 0x0483);
        QCOMPARE(found.value("dfuse").toBool(), true);
        QCOMPARE(found.value("transfer_size").toInt(), 1024);
        QCOMPARE(found.value("memories").toArray().at(0).toObject().value("name").toString(),
                 QString::fromLatin1(e2e::EmulatedBootloader::layout()));

        QFile file(QStringLiteral(DEMO_FIRMWARE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), IMAGE_OFFSET + IMAGE_SIZE + SUFFIX_SIZE);
        const QByteArray image = bytes.mid(IMAGE_OFFSET, IMAGE_SIZE);

        const int before = int(bootloader->wireLog().size());
        const Result flash =
            runFlasher({QStringLiteral("flash"), file.fileName(), QStringLiteral("--port"), port});
        QVERIFY(!flash.events.isEmpty());
        const QJsonObject result = flash.events.last();
        QVERIFY2(flash.status == 0, qPrintable(result.value("error").toString()));
        QCOMPARE(result.value("verified").toBool(), true);
        QCOMPARE(result.value("left").toBool(), true);
        QCOMPARE(bootloader->flash().left(IMAGE_SIZE), image);
        QCOMPARE(bootloader->flash().at(IMAGE_SIZE), char(0xFF));
        QCOMPARE(bootloader->earlyPolls(), 0);

        const uint32_t base = e2e::EmulatedBootloader::FLASH_ADDRESS;
        const int blocks = IMAGE_SIZE / e2e::EmulatedBootloader::TRANSFER_SIZE;
        const QStringList busyAndIdle = {QStringLiteral("GETSTATUS"), QStringLiteral("GETSTATUS")};
        QStringList expected = {QStringLiteral("GETSTATUS")};
        for (uint32_t sector = 0; sector < 4; ++sector)
            expected << QStringLiteral("DNLOAD 0 ") + command(0x41, base + sector * 0x4000)
                     << busyAndIdle;
        expected << QStringLiteral("DNLOAD 0 ") + command(0x21, base) << busyAndIdle;
        for (int block = 0; block < blocks; ++block)
            expected << QStringLiteral("DNLOAD %1 1024").arg(block + 2) << busyAndIdle;
        expected << QStringLiteral("DNLOAD 0 ") + command(0x21, base) << busyAndIdle
                 << QStringLiteral("ABORT");
        for (int block = 0; block < blocks; ++block)
            expected << QStringLiteral("UPLOAD %1 1024").arg(block + 2);
        expected << QStringLiteral("ABORT") << QStringLiteral("GETSTATUS")
                 << QStringLiteral("DNLOAD 0 ") + command(0x21, base) << busyAndIdle
                 << QStringLiteral("DNLOAD 2 0") << QStringLiteral("GETSTATUS");
        QStringList actual;
        const QList<e2e::WireRequest> wire = bootloader->wireLog().mid(before);
        for (const e2e::WireRequest &request : wire)
            if ((request.requestType & 0x60) == 0x20)  // class requests; descriptors aside
                actual << describe(request);
        QCOMPARE(actual, expected);
        bus->unplugAll();
    }

    // A general DFU client sees the emulated bootloader as this program does
    // and reads back what the flasher wrote: the emulation behaves like a
    // real bootloader, not only like what this program expects.
    void aSecondClientAgrees()
    {
        auto bootloader = std::make_shared<e2e::EmulatedBootloader>();
        QString error;
        QVERIFY2(bus->plug(bootloader, &error), qPrintable(error));
        const QString port = bus->lastPort();
        Result flash;
        QDeadlineTimer visible(VISIBLE_WITHIN_MS);
        do {
            flash = runFlasher({QStringLiteral("flash"), QStringLiteral(DEMO_FIRMWARE),
                                QStringLiteral("--port"), port, QStringLiteral("--no-leave")});
        } while (flash.status == 3 && !visible.hasExpired());
        QCOMPARE(flash.status, 0);

        // dfu-util is not this program's code: in the sanitizer pass it
        // inherits the preloaded ASan runtime, and its own small leaks at exit
        // are not for this test to judge.
        QProcessEnvironment secondClient = QProcessEnvironment::systemEnvironment();
        const QString asan = secondClient.value(QStringLiteral("ASAN_OPTIONS"));
        secondClient.insert(QStringLiteral("ASAN_OPTIONS"),
                            asan.isEmpty() ? QStringLiteral("detect_leaks=0")
                                           : asan + QStringLiteral(":detect_leaks=0"));
        QProcess list;
        list.setProcessEnvironment(secondClient);
        list.start(QStringLiteral("dfu-util"), {QStringLiteral("-l")});
        QVERIFY2(list.waitForFinished(PROCESS_TIMEOUT_MS), "dfu-util is missing or hangs");
        const QByteArray listed = list.readAllStandardOutput();
        QVERIFY2(listed.contains("Found DFU: [0483:df11]") &&
                     listed.contains("path=\"" + port.toLatin1() + "\"") &&
                     listed.contains("name=\"" + e2e::EmulatedBootloader::layout() + "\""),
                 listed.constData());

        QTemporaryDir dir;
        const QString readBack = dir.filePath(QStringLiteral("read.bin"));
        QProcess upload;
        upload.setProcessEnvironment(secondClient);
        upload.start(QStringLiteral("dfu-util"),
                     {QStringLiteral("-a"), QStringLiteral("0"), QStringLiteral("-s"),
                      QStringLiteral("0x08000000:4096"), QStringLiteral("-U"), readBack});
        QVERIFY(upload.waitForFinished(PROCESS_TIMEOUT_MS));
        QVERIFY2(upload.exitCode() == 0, upload.readAllStandardError().constData());
        QFile file(readBack);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bootloader->flash().left(4096));
        bus->unplugAll();
    }
};

int main(int argc, char *argv[])
{
    // Before anything can touch udev.
    e2e::KernelTestbed kernel;
    QCoreApplication app(argc, argv);
    TestEndToEndFlasher test(kernel);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e_flasher.moc"
