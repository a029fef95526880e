// The game watcher against a made-up process list and simulated boards.
#include "cli/boardconnection.h"
#include "cli/gamewatcher.h"
#include "cli/processlist.h"
#include "cli/profilestore.h"
#include "settings/gamelinks.h"
#include "support/devicetestsupport.h"

#include <QtTest>

using boardsim::Bus;
using boardsim::SimulatedBoard;

namespace {

class FakeProcessList : public ProcessList
{
public:
    QList<ProcessInfo> processes() override
    {
        ++looks;
        return running;
    }
    QList<ProcessInfo> running;
    int looks = 0;
};

QByteArray bytesOf(const EffectSettingsTypeDef &record)
{
    return devicetest::bytesOf(record);
}

}  // namespace

class TestGameWatcher : public QObject
{
    Q_OBJECT

private slots:
    void init() { Bus::reset(); }
    void cleanup() { Bus::reset(); }

    void matchesProgramNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("commandLine");
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("matches");
        const QByteArray wine("C:\\Program Files\\Rally\\Game.exe\0-windowed\0", 41);
        QTest::newRow("by path") << "rallygame" << QByteArray("/opt/rally/rallygame\0-f\0", 24)
                                 << "rallygame" << true;
        QTest::newRow("renamed process, by command line")
            << "Main Thread" << QByteArray("/opt/rally/rallygame\0", 21) << "rallygame" << true;
        QTest::newRow("rewritten command line")
            << "x" << QByteArray("rallygame --fast") << "rallygame" << true;
        QTest::newRow("Wine path with spaces") << "wine64-preload" << wine << "Game.exe" << true;
        QTest::newRow("Windows names ignore case")
            << "wine64-preload" << wine << "game.EXE" << true;
        QTest::newRow("Linux names do not")
            << "rallygame" << QByteArray("/opt/rallygame\0", 15) << "RallyGame" << false;
        QTest::newRow("argument is no program")
            << "bash" << QByteArray("/bin/bash\0rallygame\0", 20) << "rallygame" << false;
        QTest::newRow("longer name, cut by the kernel, no command line")
            << "verylonggamenam" << QByteArray() << "verylonggamename" << true;
        QTest::newRow("prefix is no match")
            << "rally" << QByteArray("/bin/rally\0", 11) << "rallygame" << false;
    }

    void matchesProgramNames()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, commandLine);
        QFETCH(QString, program);
        QFETCH(bool, matches);
        const ProcessInfo process{1, name, commandLineProgram(commandLine)};
        QCOMPARE(runsProgram(process, program), matches);
    }

    void readsTheRealProcessList()
    {
        ProcFsProcessList list;
        const QList<ProcessInfo> first = list.processes();
        const auto self = std::find_if(first.cbegin(), first.cend(), [](const ProcessInfo &p) {
            return p.pid == QCoreApplication::applicationPid();
        });
        QVERIFY(self != first.cend());
        QCOMPARE(self->firstWord, QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        // A process that starts is seen at the next look, and gone at the one
        // after it ends, whether that look lists /proc or only asks the
        // kernel about the processes it knows.
        QProcess child;
        child.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(child.waitForStarted());
        const auto has = [](const QList<ProcessInfo> &processes, qint64 pid) {
            return std::any_of(processes.cbegin(), processes.cend(),
                               [pid](const ProcessInfo &p) { return p.pid == pid; });
        };
        const QList<ProcessInfo> second = list.processes();
        QVERIFY(has(second, child.processId()));
        QVERIFY(std::any_of(second.cbegin(), second.cend(), [&](const ProcessInfo &p) {
            return p.pid == child.processId() && runsProgram(p, QStringLiteral("sleep"));
        }));
        child.kill();
        QVERIFY(child.waitForFinished());
        for (int look = 0; look < 6; ++look) {
            const QList<ProcessInfo> later = list.processes();
            QVERIFY(!has(later, child.processId()));
            QVERIFY(has(later, self->pid));
        }
    }

    // Steps: "start P" and "end P" change the process list, "unplug" and
    // "plug" the board, "look" polls once; "=NAME" checks the board's working
    // memory holds the profile NAME ("=base" for the settings before).
    void followsTheGames_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("writes");  // effect records written to the board in all
        QTest::newRow("start and exit")
            << QStringList{"look",          "=base", "start rallygame", "look", "=Rally", "look",
                           "end rallygame", "look",  "=base",           "look"}
            << 2;
        QTest::newRow("last started wins, exits in reverse") << QStringList{"start rallygame",
                                                                            "look",
                                                                            "start flightsim",
                                                                            "look",
                                                                            "=Fly",
                                                                            "end flightsim",
                                                                            "look",
                                                                            "=Rally",
                                                                            "end rallygame",
                                                                            "look",
                                                                            "=base"}
                                                             << 4;
        QTest::newRow("first started ends first") << QStringList{"start rallygame",
                                                                 "look",
                                                                 "start flightsim",
                                                                 "look",
                                                                 "end rallygame",
                                                                 "look",
                                                                 "=Fly",
                                                                 "end flightsim",
                                                                 "look",
                                                                 "=base"}
                                                  << 3;
        QTest::newRow("board absent, then present")
            << QStringList{"unplug", "start rallygame", "look",          "look", "plug",
                           "look",   "=Rally",          "end rallygame", "look", "=base"}
            << 2;
        QTest::newRow("board away when the game ends") << QStringList{"start rallygame",
                                                                      "look",
                                                                      "unplug",
                                                                      "end rallygame",
                                                                      "look",
                                                                      "plug",
                                                                      "look",
                                                                      "=base"}
                                                       << 2;
        // Back with its permanent memory: the game's profile goes to it again.
        QTest::newRow("board replugged during the game")
            << QStringList{"start rallygame", "look", "unplug",        "look", "plug", "look",
                           "=Rally",          "look", "end rallygame", "look", "=base"}
            << 3;
        QTest::newRow("game over before the board came") << QStringList{"unplug", "start rallygame",
                                                                        "look",   "end rallygame",
                                                                        "look",   "plug",
                                                                        "look",   "=base"}
                                                         << 0;
        QTest::newRow("Wine game") << QStringList{"start C:\\Games\\Game.exe", "look", "=Wine",
                                                  "end C:\\Games\\Game.exe",   "look", "=base"}
                                   << 2;
    }

    void followsTheGames()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, writes);
        QTemporaryDir data;
        QVERIFY(data.isValid());
        const QMap<QString, EffectSettingsTypeDef> profiles{
            {"base", devicetest::patternRecord<EffectSettingsTypeDef>(1)},
            {"Rally", devicetest::patternRecord<EffectSettingsTypeDef>(2)},
            {"Fly", devicetest::patternRecord<EffectSettingsTypeDef>(3)},
            {"Wine", devicetest::patternRecord<EffectSettingsTypeDef>(4)}};
        const ProfileStore store(data.path());
        QString error;
        for (const char *name : {"Rally", "Fly", "Wine"})
            QVERIFY2(store.write(QLatin1String(name), profiles[QLatin1String(name)],
                                 DEVICE_TYPE_JOYSTICK, &error),
                     qPrintable(error));
        GameLinks links(data.path());
        QVERIFY(links.link({"rallygame", "Rally"}, &error));
        QVERIFY(links.link({"flightsim", "Fly"}, &error));
        QVERIFY(links.link({"game.exe", "Wine"}, &error));

        SimulatedBoard board(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK);
        board.setWorkingEffects(bytesOf(profiles["base"]));
        const QByteArray permanent = board.permanentEffects();
        // Another board beside it, of another model, is never touched.
        SimulatedBoard wheel(BOARD_PRODUCT_ID_WHEEL, DEVICE_TYPE_WHEEL);
        const QByteArray wheelEffects = wheel.workingEffects();
        Bus::plug(board);
        Bus::plug(wheel);

        FakeProcessList processes;
        QString log;
        QTextStream logStream(&log);
        BoardConnection connection;
        GameWatcher watcher(
            processes, connection.worker(), [&connection] { return connection.rescan(); },
            data.path(), QString(), logStream);
        QSignalSpy switched(&watcher, &GameWatcher::switched);
        Bus::clearTransfers();
        qint64 pid = 100;
        for (const QString &step : steps) {
            const QString what = step.section(QLatin1Char(' '), 1);
            if (step == QLatin1String("look")) {
                watcher.poll();
            } else if (step.startsWith(QLatin1String("start "))) {
                const QByteArray commandLine = what.toUtf8() + '\0';
                processes.running.append(
                    {++pid, what.section(QLatin1Char('\\'), -1), commandLineProgram(commandLine)});
            } else if (step.startsWith(QLatin1String("end "))) {
                processes.running.removeIf([&what](const ProcessInfo &p) {
                    return p.name == what.section(QLatin1Char('\\'), -1);
                });
            } else if (step == QLatin1String("unplug")) {
                Bus::unplug(board);
            } else if (step == QLatin1String("plug")) {
                Bus::plug(board);
            } else {
                QVERIFY(step.startsWith(QLatin1Char('=')));
                QVERIFY2(board.workingEffects() == bytesOf(profiles[step.mid(1)]),
                         qPrintable(step + QStringLiteral(" after:\n") + log));
            }
        }
        // Working memory only: the store command (0x02) never goes out.
        for (const boardsim::Transfer &transfer : Bus::transfersFor(BOARD_PRODUCT_ID_JOYSTICK))
            QVERIFY(devicetest::describe({transfer}) != QStringList{QStringLiteral("W02")});
        QCOMPARE(switched.count(), writes);
        QCOMPARE(board.permanentEffects(), permanent);
        QCOMPARE(wheel.workingEffects(), wheelEffects);
        QVERIFY(watcher.activeGames().isEmpty());
        // Every switch is logged and left for the window.
        if (writes > 0) {
            GameSwitchNotice notice;
            QVERIFY(readGameSwitchNotice(
                QDir(data.path()).filePath(QLatin1String(GAME_SWITCH_NOTICE_FILE)), notice));
            QCOMPARE(notice.productId, BOARD_PRODUCT_ID_JOYSTICK);
            QVERIFY(log.contains(notice.text));
        }
    }

    void stoppingPutsBack()
    {
        QTemporaryDir data;
        const ProfileStore store(data.path());
        QString error;
        QVERIFY(
            store.write("Rally", devicetest::patternRecord<EffectSettingsTypeDef>(2), -1, &error));
        QVERIFY(GameLinks(data.path()).link({"rallygame", "Rally"}, &error));
        SimulatedBoard board(BOARD_PRODUCT_ID_RUDDER, DEVICE_TYPE_RUDDER);
        const QByteArray before = board.workingEffects();
        Bus::plug(board);
        FakeProcessList processes;
        processes.running.append({7, "rallygame", "rallygame"});
        QString log;
        QTextStream logStream(&log);
        BoardConnection connection;
        GameWatcher watcher(
            processes, connection.worker(), [&connection] { return connection.rescan(); },
            data.path(), QString(), logStream);
        watcher.poll();
        QVERIFY(board.workingEffects() != before);
        watcher.putBackAll();
        QCOMPARE(board.workingEffects(), before);
    }
};

QTEST_GUILESS_MAIN(TestGameWatcher)
#include "tst_gamewatcher.moc"
