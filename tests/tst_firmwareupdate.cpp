// A firmware update as a shell runs it: gravoltctl-demo against a simulated
// board and its bootloader, for success and for each fault, with what it
// says, its exit status and the version the board comes back with.
#include "support/processresult.h"

#include <QtTest>

namespace {

constexpr int PROCESS_TIMEOUT_MS = 60000;

using Result = ProcessResult;

}  // namespace

class TestFirmwareUpdate : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    Result run(const QString &boards, const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("GRAVOLT_DEMO_BOARDS"), boards);
        environment.insert(QStringLiteral("GRAVOLT_DEMO_STATE"), dir.filePath("state.json"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(GRAVOLTCTL_DEMO),
                      arguments + QStringList{QStringLiteral("--data-dir"), dir.filePath("data")});
        return finishProcess(process, PROCESS_TIMEOUT_MS);
    }

    static QString firmware(const char *name)
    {
        return QStringLiteral(GRAVOLT_DEMO_FIRMWARE_DIR "/") + QLatin1String(name);
    }

    int listedVersion(const QString &boards)
    {
        const Result list = run(boards, {QStringLiteral("list"), QStringLiteral("--json")});
        const QJsonArray array = QJsonDocument::fromJson(list.out).array();
        return array.isEmpty() ? -1 : array.first().toObject().value("firmware_version").toInt();
    }

    int automaticBackups()
    {
        int files = 0;
        for (QDirIterator it(dir.filePath("data"), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext(); it.next())
            ++files;
        return files;
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        QFile::remove(dir.filePath("state.json"));
        QDir(dir.filePath("data")).removeRecursively();
    }

    void flash_data()
    {
        QTest::addColumn<QString>("boards");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::addColumn<int>("versionAfter");  // -1: the board is not back

        const QStringList yes{QStringLiteral("--yes")};
        QTest::newRow("update") << "joystick@240718" << firmware("240719.dfu") << yes << 0
                                << "the joystick runs firmware 240719 (was 240718)" << 240719;
        QTest::newRow("same version") << "joystick" << firmware("240719.dfu") << yes << 0
                                      << "its settings are unchanged" << 240719;
        QTest::newRow("read protection")
            << "joystick@240718:read-protected" << firmware("240720.dfu") << yes << 0
            << "Written, not verified: The board's memory is read-protected" << 240720;
        QTest::newRow("write refused")
            << "joystick@240718:refuse-write" << firmware("240719.dfu") << yes << 1
            << "Failed while writing at address 0x08005000: The bootloader could not write" << -1;
        QTest::newRow("verify mismatch")
            << "joystick@240718:verify-mismatch" << firmware("240719.dfu") << yes << 1
            << "Verifying failed at address 0x08005a5a" << -1;
        QTest::newRow("unplugged") << "joystick@240718:unplug-flash" << firmware("240719.dfu")
                                   << yes << 1 << "left the USB bus while writing at address" << -1;
        QTest::newRow("without --yes") << "joystick@240718" << firmware("240719.dfu")
                                       << QStringList() << 2 << "--yes" << 240718;
        QTest::newRow("another device's file")
            << "joystick@240718" << dir.filePath("other.dfu") << yes << 2
            << "meant for another device (1209:0001)" << 240718;
        QTest::newRow("damaged file")
            << "joystick@240718" << dir.filePath("damaged.dfu") << yes << 2 << "checksum" << 240718;
        QTest::newRow("board waiting in its bootloader")
            << "joystick@240718:in-bootloader" << firmware("240720.dfu") << yes << 0
            << "written and started on port 1-1" << -1;
    }

    void flash()
    {
        QFETCH(QString, boards);
        QFETCH(QString, file);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, says);
        QFETCH(int, versionAfter);
        QFile demo(firmware("240720.dfu"));
        QVERIFY(demo.open(QIODevice::ReadOnly));
        QByteArray other = demo.readAll();
        {
            // A whole file whose suffix names another device.
            QFile out(dir.filePath("other.dfu"));
            QVERIFY(out.open(QIODevice::WriteOnly));
            QByteArray damaged = other;
            damaged[1000] = char(damaged[1000] ^ 0x10);
            QFile bad(dir.filePath("damaged.dfu"));
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write(damaged);
            other.replace(other.size() - 14, 4, QByteArray::fromHex("01000912"));
            out.write(other);
        }
        reseal(dir.filePath("other.dfu"));

        const Result r = run(boards, QStringList{QStringLiteral("flash"), file} + options);
        QVERIFY2(r.err.contains(says.toUtf8()), r.err.constData());
        QCOMPARE(r.status, status);
        if (status == 2)
            QCOMPARE(automaticBackups(), 0);  // nothing was sent, not even a backup read
        if (status == 1)
            QVERIFY2(r.err.contains("stays in its bootloader"), r.err.constData());
        if (versionAfter > 0)
            QCOMPARE(listedVersion(boards.section(':', 0, 0)), versionAfter);
    }

    void jsonLinesAndBootloaderCommands()
    {
        const Result r =
            run("joystick@240718", {QStringLiteral("flash"), firmware("240719.dfu"),
                                    QStringLiteral("--yes"), QStringLiteral("--json")});
        QCOMPARE(r.status, 0);
        QStringList events;
        qint64 lastDone = 0;
        for (const QByteArray &line : r.out.split('\n')) {
            if (line.isEmpty())
                continue;
            const QJsonObject event = QJsonDocument::fromJson(line).object();
            QVERIFY2(!event.isEmpty(), line.constData());
            const QString kind = event.value("event").toString();
            if (kind == QLatin1String("progress")) {
                const qint64 done = event.value("done").toInteger();
                QVERIFY(done > 0 && done <= event.value("total").toInteger());
                lastDone = done;
                kind == events.value(events.size() - 1) ? void() : events.append(kind);
                continue;
            }
            events.append(kind);
        }
        QCOMPARE(events, (QStringList{"file", "plan", "progress", "result", "done"}));
        QCOMPARE(lastDone, 64 * 1024);

        const Result waiting = run("joystick:in-bootloader",
                                   {QStringLiteral("bootloaders"), QStringLiteral("--json")});
        QCOMPARE(waiting.status, 0);
        const QJsonArray list = QJsonDocument::fromJson(waiting.out).array();
        QCOMPARE(list.size(), 1);
        QCOMPARE(list[0].toObject().value("port").toString(), QStringLiteral("1-1"));
        QVERIFY(list[0]
                    .toObject()
                    .value("memories")
                    .toArray()[0]
                    .toObject()
                    .value("name")
                    .toString()
                    .startsWith("@Internal Flash  /0x08000000/04*016Kg"));
        // Leaving with no firmware in the flash: the bootloader comes back.
        const Result leave = run("joystick:in-bootloader", {QStringLiteral("leave")});
        QCOMPARE(leave.status, 0);
        QVERIFY(leave.err.contains("starts the board's firmware"));
        const Result none = run("joystick", {QStringLiteral("leave")});
        QCOMPARE(none.status, 3);
    }

private:
    static void reseal(const QString &path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        uint32_t crc = 0xFFFFFFFF;
        for (int i = 0; i < bytes.size() - 4; ++i) {
            crc ^= uint8_t(bytes[i]);
            for (int k = 0; k < 8; ++k)
                crc = (crc & 1) ? 0xEDB88320 ^ (crc >> 1) : crc >> 1;
        }
        for (int i = 0; i < 4; ++i)
            bytes[bytes.size() - 4 + i] = char((crc >> (8 * i)) & 0xFF);
        file.seek(0);
        file.write(bytes);
    }
};

QTEST_GUILESS_MAIN(TestFirmwareUpdate)
#include "tst_firmwareupdate.moc"
