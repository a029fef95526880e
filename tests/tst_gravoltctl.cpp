// gravoltctl as a shell sees it: gravoltctl-demo run as a process against
// simulated boards kept in a state file, so that each command is a fresh
// process that finds what the previous one left on the board.
#include "device/boardlock.h"
#include "settings/boardbackup.h"
#include "settings/profileorigins.h"
#include "support/devicetestsupport.h"
#include "support/nonregularfile.h"
#include "support/processresult.h"

#include <QtTest>

#include <csignal>

namespace {

constexpr int PROCESS_TIMEOUT_MS = 60000;  // ms; a restore with --save takes about 2 s

using Result = ProcessResult;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray backupOf(int productId, int deviceType, int seed)
{
    BoardBackup backup;
    backup.created = QDateTime(QDate(2026, 5, 4), QTime(3, 2, 1), Qt::UTC);
    backup.board = boardIdentityFor(productId, deviceType, SUPPORTED_FIRMWARE_VERSION);
    backup.effects = devicetest::patternRecord<EffectSettingsTypeDef>(seed);
    backup.hardware = devicetest::patternRecord<HardwareSettingsTypeDef>(seed);
    return serializeBoardBackup(backup);
}

}  // namespace

class TestGravoltctl : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString statePath;
    QString dataDir;

    // `redirect` is a shell redirection of the program's standard output.
    Result run(const QString &boards, const QStringList &arguments,
               const QString &program = QStringLiteral(GRAVOLTCTL_DEMO),
               const QString &redirect = QString())
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // A command-line tool must not need a display of any kind.
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("GRAVOLT_DEMO_BOARDS"), boards);
        environment.insert(QStringLiteral("GRAVOLT_DEMO_STATE"), statePath);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        if (redirect.isEmpty())
            process.start(program, arguments);
        else
            process.start(QStringLiteral("/bin/sh"),
                          QStringList{QStringLiteral("-c"),
                                      QStringLiteral("exec \"$0\" \"$@\" ") + redirect, program} +
                              arguments);
        return finishProcess(process, PROCESS_TIMEOUT_MS);
    }

    QJsonObject readJson(const QString &boards, const QString &which)
    {
        const Result r = run(boards, {QStringLiteral("read"), which, QStringLiteral("--json")});
        return r.status == 0 ? QJsonDocument::fromJson(r.out).object() : QJsonObject();
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        statePath = dir.filePath(QStringLiteral("boards-%1.json").arg(QTest::currentDataTag()));
        statePath.replace(QLatin1Char(' '), QLatin1Char('_'));
        QFile::remove(statePath);
        dataDir = dir.filePath(QStringLiteral("data"));
        QDir(dataDir).removeRecursively();
        QDir().mkpath(dataDir + QStringLiteral("/device_effects_profiles"));
    }

    void listsTheConnectedBoards_data()
    {
        QTest::addColumn<QString>("boards");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("none") << QStringLiteral("none") << QByteArray("[]");
        QTest::newRow("joystick and old wheel")
            << QStringLiteral("wheel@240718,joystick")
            << QByteArray(R"([{"model": "joystick", "product_id": 22777, "firmware_version": 240719,
                               "device_type": 1, "supported": true},
                              {"model": "wheel", "product_id": 22999, "firmware_version": 240718,
                               "device_type": 3, "supported": false}])");
    }

    void listsTheConnectedBoards()
    {
        QFETCH(QString, boards);
        QFETCH(QByteArray, expected);
        const Result json = run(boards, {QStringLiteral("list"), QStringLiteral("--json")});
        QCOMPARE(json.status, 0);
        QCOMPARE(QJsonDocument::fromJson(json.out), QJsonDocument::fromJson(expected));

        const Result text = run(boards, {QStringLiteral("list")});
        QCOMPARE(text.status, 0);
        const QStringList lines =
            QString::fromUtf8(text.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const QJsonArray array = QJsonDocument::fromJson(expected).array();
        QCOMPARE(lines.size(), array.size());
        for (int i = 0; i < lines.size(); ++i) {
            const QJsonObject board = array.at(i).toObject();
            QVERIFY(lines.at(i).startsWith(board.value(QStringLiteral("model")).toString()));
            QVERIFY(lines.at(i).contains(
                QString::number(board.value(QStringLiteral("firmware_version")).toInt())));
            QCOMPARE(lines.at(i).contains(QStringLiteral("not supported")),
                     !board.value(QStringLiteral("supported")).toBool());
        }
    }

    // The whole round a user makes: back up, edit one field by hand, restore
    // permanently, and find the edit in a new process, also after a reboot.
    void editedBackupRestoresPermanently()
    {
        const QString boards = QStringLiteral("joystick");
        const QString file = dir.filePath(QStringLiteral("joystick.gravolt.json"));
        QCOMPARE(run(boards, {QStringLiteral("backup"), file}).status, 0);
        QJsonObject backup = QJsonDocument::fromJson(fileBytes(file)).object();
        QJsonObject effects = backup.value(QStringLiteral("effect_settings")).toObject();
        QJsonArray axes = effects.value(QStringLiteral("axis")).toArray();
        QJsonObject axis = axes.at(0).toObject();
        const QJsonValue original = axis.value(QStringLiteral("total_effect_scale"));
        QVERIFY(original.isDouble() && original.toInt() != 33);
        axis.insert(QStringLiteral("total_effect_scale"), 33);
        axes.replace(0, axis);
        effects.insert(QStringLiteral("axis"), axes);
        backup.insert(QStringLiteral("effect_settings"), effects);
        writeFile(file, QJsonDocument(backup).toJson());
        const QJsonObject hardwareBefore = readJson(boards, QStringLiteral("hardware"));

        const Result restore =
            run(boards, {QStringLiteral("--data-dir"), dataDir, QStringLiteral("restore"), file,
                         QStringLiteral("--save")});
        QCOMPARE(restore.status, 0);
        QCOMPARE(run(boards, {QStringLiteral("reboot")}).status, 0);

        QJsonObject expected = backup.value(QStringLiteral("effect_settings")).toObject();
        QCOMPARE(readJson(boards, QStringLiteral("effects")), expected);
        QCOMPARE(readJson(boards, QStringLiteral("hardware")), hardwareBefore);
        // The board as it was before the restore was kept first.
        const QStringList automatic = QDir(dataDir + QStringLiteral("/board_backups/auto"))
                                          .entryList({QStringLiteral("*.gravolt.json")});
        QCOMPARE(automatic.size(), 1);
        QVERIFY(automatic.constFirst().contains(QStringLiteral("restore")));
        const QByteArray kept =
            fileBytes(dataDir + QStringLiteral("/board_backups/auto/") + automatic.constFirst());
        const QJsonObject keptEffects = QJsonDocument::fromJson(kept)
                                            .object()
                                            .value(QStringLiteral("effect_settings"))
                                            .toObject();
        QCOMPARE(keptEffects.value(QStringLiteral("axis"))
                     .toArray()
                     .at(0)
                     .toObject()
                     .value(QStringLiteral("total_effect_scale")),
                 original);
    }

    void appliesAProfile_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("to working memory") << false;
        QTest::newRow("to permanent memory") << true;
    }

    void appliesAProfile()
    {
        QFETCH(bool, save);
        const QString boards = QStringLiteral("wheel");
        auto profile = devicetest::patternRecord<EffectSettingsTypeDef>(9);
        writeFile(dataDir + QStringLiteral("/device_effects_profiles/Rally"),
                  devicetest::bytesOf(profile));
        QStringList arguments = {QStringLiteral("--data-dir"), dataDir,
                                 QStringLiteral("apply-profile"), QStringLiteral("Rally")};
        if (save)
            arguments.append(QStringLiteral("--save"));
        const Result r = run(boards, arguments);
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.isEmpty());

        const QJsonObject applied = readJson(boards, QStringLiteral("effects"));
        QVERIFY(!applied.isEmpty());
        QCOMPARE(run(boards, {QStringLiteral("reboot")}).status, 0);
        const QJsonObject afterReboot = readJson(boards, QStringLiteral("effects"));
        QCOMPARE(afterReboot == applied, save);
        // Only a save takes an automatic backup.
        QCOMPARE(QDir(dataDir + QStringLiteral("/board_backups/auto")).exists(), save);
    }

    // Every failure class ends in its own exit status, with a message and no
    // data, and leaves the boards' memories byte for byte as they were.
    void failuresEndInTheirExitStatus_data()
    {
        QTest::addColumn<QString>("boards");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("fileContent");
        QTest::addColumn<int>("status");

        const QString joystick = QStringLiteral("joystick");
        const QString profiles = QStringLiteral("data/device_effects_profiles/");
        const QByteArray profile =
            devicetest::bytesOf(devicetest::patternRecord<EffectSettingsTypeDef>(4));
        const QByteArray joystickBackup =
            backupOf(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK, 6);
        QByteArray damaged = joystickBackup;
        damaged.replace("\"total_effect_scale\"", "\"total_effect_scal\"");

        QTest::newRow("no board") << QStringLiteral("none")
                                  << QStringList{QStringLiteral("read"), QStringLiteral("effects")}
                                  << QString() << QByteArray() << 3;
        QTest::newRow("two boards, none chosen")
            << QStringLiteral("joystick,wheel")
            << QStringList{QStringLiteral("restore"), QStringLiteral("b.gravolt.json")}
            << QStringLiteral("b.gravolt.json") << joystickBackup << 3;
        QTest::newRow("chosen board not connected")
            << joystick
            << QStringList{QStringLiteral("--board"), QStringLiteral("rudder"),
                           QStringLiteral("reboot")}
            << QString() << QByteArray() << 3;
        QTest::newRow("unknown command")
            << joystick << QStringList{QStringLiteral("flash")} << QString() << QByteArray() << 2;
        QTest::newRow("unknown model")
            << joystick
            << QStringList{QStringLiteral("--board"), QStringLiteral("plane"),
                           QStringLiteral("reboot")}
            << QString() << QByteArray() << 2;
        QTest::newRow("unknown option")
            << joystick << QStringList{QStringLiteral("reboot"), QStringLiteral("--now")}
            << QString() << QByteArray() << 2;
        QTest::newRow("read of nothing known")
            << joystick << QStringList{QStringLiteral("read"), QStringLiteral("all")} << QString()
            << QByteArray() << 2;
        QTest::newRow("dfu without --yes")
            << joystick << QStringList{QStringLiteral("dfu")} << QString() << QByteArray() << 2;
        QTest::newRow("damaged backup")
            << joystick
            << QStringList{QStringLiteral("restore"), QStringLiteral("d.gravolt.json"),
                           QStringLiteral("--save")}
            << QStringLiteral("d.gravolt.json") << damaged << 2;
        QTest::newRow("truncated backup")
            << joystick << QStringList{QStringLiteral("restore"), QStringLiteral("t.gravolt.json")}
            << QStringLiteral("t.gravolt.json") << joystickBackup.left(joystickBackup.size() / 2)
            << 2;
        QTest::newRow("missing backup")
            << joystick << QStringList{QStringLiteral("restore"), QStringLiteral("no.gravolt.json")}
            << QString() << QByteArray() << 2;
        QTest::newRow("backup of another model")
            << joystick
            << QStringList{QStringLiteral("restore"), QStringLiteral("w.gravolt.json"),
                           QStringLiteral("--save")}
            << QStringLiteral("w.gravolt.json")
            << backupOf(BOARD_PRODUCT_ID_WHEEL, DEVICE_TYPE_WHEEL, 7) << 2;
        QTest::newRow("missing profile")
            << joystick
            << QStringList{QStringLiteral("--data-dir"), QStringLiteral("data"),
                           QStringLiteral("apply-profile"), QStringLiteral("Rally")}
            << QString() << QByteArray() << 2;
        QTest::newRow("profile name leaving the folder")
            << joystick
            << QStringList{QStringLiteral("--data-dir"), QStringLiteral("data"),
                           QStringLiteral("apply-profile"), QStringLiteral("../Rally")}
            << QStringLiteral("data/Rally") << profile << 2;
        // Stored by hand: no way of storing a profile accepts the name.
        QTest::newRow("profile name with a tab")
            << joystick
            << QStringList{QStringLiteral("--data-dir"), QStringLiteral("data"),
                           QStringLiteral("apply-profile"), QStringLiteral("a\tb")}
            << profiles + QStringLiteral("a\tb") << profile << 2;
        QTest::newRow("profile of the wrong size")
            << joystick
            << QStringList{QStringLiteral("--data-dir"), QStringLiteral("data"),
                           QStringLiteral("apply-profile"), QStringLiteral("Short")}
            << profiles + QStringLiteral("Short") << profile.left(383) << 2;
        QTest::newRow("profile of another model")
            << joystick
            << QStringList{QStringLiteral("--data-dir"), QStringLiteral("data"),
                           QStringLiteral("apply-profile"), QStringLiteral("Wheel")}
            << profiles + QStringLiteral("Wheel") << profile << 2;
        QTest::newRow("board failing writes")
            << QStringLiteral("joystick:fail-writes")
            << QStringList{QStringLiteral("--data-dir"), QStringLiteral("data"),
                           QStringLiteral("restore"), QStringLiteral("j.gravolt.json"),
                           QStringLiteral("--save")}
            << QStringLiteral("j.gravolt.json") << joystickBackup << 1;
        // A test force is checked in full before any board is asked.
        QTest::newRow("unknown test force")
            << joystick << QStringList{QStringLiteral("ff-test"), QStringLiteral("rumble")}
            << QString() << QByteArray() << 2;
        QTest::newRow("test force on a third axis")
            << joystick
            << QStringList{QStringLiteral("ff-test"), QStringLiteral("spring"),
                           QStringLiteral("--axis"), QStringLiteral("3")}
            << QString() << QByteArray() << 2;
        QTest::newRow("test force too long")
            << joystick
            << QStringList{QStringLiteral("ff-test"), QStringLiteral("sine"),
                           QStringLiteral("--seconds"), QStringLiteral("10.5")}
            << QString() << QByteArray() << 2;
        QTest::newRow("test force too strong")
            << joystick
            << QStringList{QStringLiteral("ff-test"), QStringLiteral("push-max"),
                           QStringLiteral("--strength"), QStringLiteral("101")}
            << QString() << QByteArray() << 2;
        QTest::newRow("second axis of a wheel")
            << QStringLiteral("wheel")
            << QStringList{QStringLiteral("ff-test"), QStringLiteral("spring"),
                           QStringLiteral("--axis"), QStringLiteral("2")}
            << QString() << QByteArray() << 2;
        QTest::newRow("test force without force feedback")
            << QStringLiteral("wheel:no-ff")
            << QStringList{QStringLiteral("ff-test"), QStringLiteral("spring")} << QString()
            << QByteArray() << 1;
    }

    void failuresEndInTheirExitStatus()
    {
        QFETCH(QString, boards);
        QFETCH(QStringList, arguments);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, fileContent);
        QFETCH(int, status);

        if (!fileName.isEmpty())
            writeFile(dir.filePath(fileName), fileContent);
        if (fileName.endsWith(QStringLiteral("/Wheel")))
            QVERIFY(ProfileOrigins(dataDir + QStringLiteral("/device_effects_profiles"))
                        .remember(QStringLiteral("Wheel"), DEVICE_TYPE_WHEEL));
        // Creates the state file: every board as it starts.
        QCOMPARE(run(boards, {QStringLiteral("list")}).status, 0);
        const QByteArray before = fileBytes(statePath);
        QVERIFY(boards == QStringLiteral("none") || !before.isEmpty());

        const Result r = run(boards, arguments);
        QCOMPARE(r.status, status);
        QVERIFY(r.out.isEmpty());
        QVERIFY2(r.err.startsWith("gravoltctl: "), r.err.constData());
        QCOMPARE(fileBytes(statePath), before);
    }

    void nonRegularFilesEndAtOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("command");  // "state" stands for GRAVOLT_DEMO_STATE
        QTest::newRow("state the zero device") << "/dev/zero"
                                               << "state";
        QTest::newRow("restore a named pipe") << "fifo"
                                              << "restore";
        QTest::newRow("restore a folder") << "folder"
                                          << "restore";
        QTest::newRow("backup to a named pipe") << "fifo"
                                                << "backup";
        QTest::newRow("apply a named pipe") << "fifo"
                                            << "apply-profile";
    }

    // Nothing blocks or reads without end, and the special file stays.
    void nonRegularFilesEndAtOnce()
    {
        QFETCH(QString, kind);
        QFETCH(QString, command);
        const QString path = dataDir + QStringLiteral("/device_effects_profiles/Rally");
        QVERIFY(makeNonRegularFile(kind, path));
        QStringList arguments = {
            QStringLiteral("--data-dir"), dataDir, command,
            command == QStringLiteral("apply-profile") ? QStringLiteral("Rally") : path};
        if (command == QStringLiteral("state")) {
            statePath = path;
            arguments = QStringList{QStringLiteral("list")};
        }
        const Result r = run(QStringLiteral("joystick"), arguments);
        QVERIFY(!QFileInfo(path).isFile());
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains("not a regular file"), r.err.constData());
    }

    void failedStandardOutputIsAFailure_data()
    {
        QTest::addColumn<QString>("redirect");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("backup to a full disk") << ">/dev/full" << QStringList{"backup", "-"};
        QTest::newRow("backup to a closed output") << ">&-" << QStringList{"backup", "-"};
        QTest::newRow("list to a closed output") << ">&-" << QStringList{"list"};
    }

    // A script must not take half a backup for a whole one.
    void failedStandardOutputIsAFailure()
    {
        QFETCH(QString, redirect);
        QFETCH(QStringList, arguments);
        const Result r =
            run(QStringLiteral("joystick"), arguments, QStringLiteral(GRAVOLTCTL_DEMO), redirect);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains("standard output"), r.err.constData());
        QCOMPARE(run(QStringLiteral("joystick"), arguments).status, 0);
    }

    // The window and a launcher's gravoltctl on one board: while another
    // process of the program holds the board, a write waits, then gives up
    // naming the holder and leaves the board as it was; once free it goes.
    void waitsForTheProgramHoldingTheBoard()
    {
        const QString boards = QStringLiteral("joystick");
        writeFile(dataDir + QStringLiteral("/device_effects_profiles/Rally"),
                  devicetest::bytesOf(devicetest::patternRecord<EffectSettingsTypeDef>(5)));
        const QStringList apply = {QStringLiteral("--data-dir"), dataDir,
                                   QStringLiteral("apply-profile"), QStringLiteral("Rally")};
        QCOMPARE(run(boards, {QStringLiteral("list")}).status, 0);
        const QByteArray before = fileBytes(statePath);

        BoardLock held(BOARD_VENDOR_ID, BOARD_PRODUCT_ID_JOYSTICK);
        QCOMPARE(held.tryLock(0), BoardLock::Result::Locked);
        const Result refused = run(boards, apply);
        QCOMPARE(refused.status, 1);
        const QByteArray holder = QStringLiteral("%1 (process %2)")
                                      .arg(QCoreApplication::applicationName())
                                      .arg(QCoreApplication::applicationPid())
                                      .toUtf8();
        QVERIFY2(refused.err.contains(holder), refused.err.constData());
        QCOMPARE(fileBytes(statePath), before);

        held.unlock();
        QCOMPARE(run(boards, apply).status, 0);
        QVERIFY(fileBytes(statePath) != before);
    }

    void forceFeedbackIsDiagnosedAndTested()
    {
        const Result info =
            run(QStringLiteral("joystick"), {QStringLiteral("ff-info"), QStringLiteral("--json")});
        QCOMPARE(info.status, 0);
        const QJsonObject offer = QJsonDocument::fromJson(info.out).object();
        QVERIFY(offer.value(QStringLiteral("force_feedback")).toBool());
        QVERIFY(
            offer.value(QStringLiteral("effects")).toArray().contains(QStringLiteral("spring")));
        QVERIFY(
            offer.value(QStringLiteral("waveforms")).toArray().contains(QStringLiteral("sine")));
        QVERIFY(offer.value(QStringLiteral("effects_at_once")).toInt() > 0);

        const Result none =
            run(QStringLiteral("joystick,wheel:no-ff"),
                {QStringLiteral("--board"), QStringLiteral("wheel"), QStringLiteral("ff-info")});
        QCOMPARE(none.status, 1);
        QVERIFY2(none.out.contains("no force feedback") &&
                     none.out.contains("no force-feedback driver is bound"),
                 none.out.constData());
        const Result doctor =
            run(QStringLiteral("joystick,wheel:no-ff"), {QStringLiteral("doctor")});
        QVERIFY2(doctor.out.contains("Gravolt Joystick: offered by") &&
                     doctor.out.contains("Gravolt Wheel PRO: none:"),
                 doctor.out.constData());

        const Result played =
            run(QStringLiteral("joystick"), {QStringLiteral("ff-test"), QStringLiteral("spring"),
                                             QStringLiteral("--seconds"), QStringLiteral("0.1")});
        QCOMPARE(played.status, 0);
        QVERIFY2(played.err.contains("finished; every test force is erased"),
                 played.err.constData());
    }

    void forceTestStopsOnHangUp_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("Ctrl+C") << int(SIGINT);
        QTest::newRow("terminal hang-up") << int(SIGHUP);
    }

    void forceTestStopsOnHangUp()
    {
        QFETCH(int, signal);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("GRAVOLT_DEMO_BOARDS"), QStringLiteral("joystick"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(GRAVOLTCTL_DEMO),
                      {QStringLiteral("ff-test"), QStringLiteral("sine"),
                       QStringLiteral("--seconds"), QStringLiteral("10")});
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += process.readAllStandardError()).contains("playing"),
                                 PROCESS_TIMEOUT_MS);
        ::kill(pid_t(process.processId()), signal);
        // Far sooner than the 10 s the force was to play.
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        err += process.readAllStandardError();
        QVERIFY2(err.contains("stopped; every test force is erased"), err.constData());
    }

    void helpNeedsNoDisplay()
    {
        const Result r =
            run(QStringLiteral("none"), {QStringLiteral("--help")}, QStringLiteral(GRAVOLTCTL));
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.isEmpty());
        for (const char *command : {"list", "read", "backup", "restore", "apply-profile", "reboot",
                                    "dfu", "--board", "--data-dir"})
            QVERIFY2(r.out.contains(command), command);
        const Result version =
            run(QStringLiteral("none"), {QStringLiteral("--version")}, QStringLiteral(GRAVOLTCTL));
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.contains(QByteArray::number(SUPPORTED_FIRMWARE_VERSION)));
    }
};

QTEST_GUILESS_MAIN(TestGravoltctl)
#include "tst_gravoltctl.moc"
