// gravoltctl's profile, link, set and diff commands as a shell sees them:
// gravoltctl-demo run as a process against simulated boards in a state file.
#include <QtTest>

namespace {

constexpr int PROCESS_TIMEOUT_MS = 30000;  // ms

struct Result {
    int status = -1;
    QString out;
    QString err;
};

}  // namespace

class TestGameCommands : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString statePath;

    Result run(const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("GRAVOLT_DEMO_BOARDS"), QStringLiteral("joystick"));
        environment.insert(QStringLiteral("GRAVOLT_DEMO_STATE"), statePath);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(GRAVOLTCTL_DEMO), arguments);
        Result result;
        if (!process.waitForFinished(PROCESS_TIMEOUT_MS)) {
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.status = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QByteArray state() const
    {
        QFile file(statePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        statePath = dir.filePath(QStringLiteral("boards.json"));
        QFile::remove(statePath);
        QDir(dir.filePath(QStringLiteral("device_effects_profiles"))).removeRecursively();
        QFile::remove(dir.filePath(QStringLiteral("game_links.json")));
        QCOMPARE(run({QStringLiteral("list")}).status, 0);  // creates the state file
    }

    // Each step of a session, in order: the command, its exit status, and a
    // line its output must hold (or nothing to check).
    void session_data()
    {
        QTest::addColumn<QList<QStringList>>("commands");
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<QStringList>("outputs");

        QTest::newRow("set, then read and diff")
            << QList<QStringList>{{"profile", "save", "Before"},
                                  {"set", "axis[0].max_force=8.5", "direct_x_spring_strength=40"},
                                  {"read", "effects"},
                                  {"diff", "Before", "board:effects"},
                                  {"diff", "board:effects", "board:effects"},
                                  {"--board", "Joystick", "diff", "board:hardware",
                                   "board:hardware"}}
            << QList<int>{0, 0, 0, 1, 0, 0}
            << QStringList{"",
                           "axis[0].max_force: 8 -> 8.5",
                           "axis[0].max_force = 8.5 kg",
                           "direct_x_spring_strength: 100 % -> 40 %",
                           "",
                           ""};
        QTest::newRow("refused before the board")
            << QList<QStringList>{{"set", "axis[0].max_force=8.5", "axis[0].max_force=200"},
                                  {"set", "axis[0].max_forse=1"},
                                  {"set", "max_force"},
                                  {"diff", "board:effects", "board:hardware"},
                                  {"diff", "NoSuchProfile", "board:effects"}}
            << QList<int>{2, 2, 2, 2, 2} << QStringList{"", "", "", "", ""};
        QTest::newRow("profiles and links")
            << QList<QStringList>{{"profile", "save", "Rally"},
                                  {"profile", "save", "Rally"},
                                  {"profile", "export", "Rally", "rally"},
                                  {"profile", "import", "rally.gravolt.json", "Rally 2"},
                                  {"profile", "list"},
                                  {"diff", "Rally", "Rally 2"},
                                  {"link", "Rally 2", "Game.exe"},
                                  {"link", "Missing", "rallygame"},
                                  {"link", "Rally", "/usr/bin/rallygame"},
                                  {"links"},
                                  {"profile", "delete", "Rally 2"},
                                  {"profile", "show", "Rally 2"}}
            << QList<int>{0, 2, 0, 0, 0, 0, 0, 2, 2, 0, 0, 2}
            << QStringList{"", "", "", "", "Rally 2 (joystick)",
                           "", "", "", "", "Game.exe -> Rally 2",
                           "", ""};
        // The names the window refuses are refused here too, before any file
        // or board is touched.
        QTest::newRow("names the window refuses")
            << QList<QStringList>{{"profile", "save", ".hidden"},
                                  {"profile", "save", "a/b"},
                                  {"profile", "save", "tab\there"},
                                  {"profile", "show", "../boards.json"},
                                  {"link", ".origins.json", "rallygame"}}
            << QList<int>{2, 2, 2, 2, 2} << QStringList{"", "", "", "", ""};
    }

    void session()
    {
        QFETCH(QList<QStringList>, commands);
        QFETCH(QList<int>, statuses);
        QFETCH(QStringList, outputs);
        for (int i = 0; i < commands.size(); ++i) {
            const QByteArray before = state();
            const Result result = run(commands.at(i));
            const QString shown = commands.at(i).join(QLatin1Char(' '));
            QVERIFY2(result.status == statuses.at(i), qPrintable(QStringLiteral("%1: status %2, %3")
                                                                     .arg(shown)
                                                                     .arg(result.status)
                                                                     .arg(result.err)));
            if (!outputs.at(i).isEmpty())
                QVERIFY2(result.out.split(QLatin1Char('\n')).contains(outputs.at(i)),
                         qPrintable(shown + QStringLiteral(":\n") + result.out));
            // A refused command never writes to the board.
            if (result.status == 2)
                QCOMPARE(state(), before);
        }
        QVERIFY(
            !QFileInfo::exists(dir.filePath(QStringLiteral("device_effects_profiles/.hidden"))));
    }
};

QTEST_GUILESS_MAIN(TestGameCommands)
#include "tst_gamecommands.moc"
