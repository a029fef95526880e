#include "app/startupoptions.h"
#include "ui/mainwindow.h"

#include <QtTest>

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>

#include <memory>

// Start-up options are read relative to the working directory, so every case
// runs in a fresh temporary directory.
class TestStartupOptions : public QObject
{
    Q_OBJECT

    // A new directory per case: QSettings caches a file's content by path.
    std::unique_ptr<QTemporaryDir> current;
    QString previousDir;

    void writeConfig(const QString &text)
    {
        QFile file(current->filePath(QStringLiteral("config.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

private slots:
    void init()
    {
        current = std::make_unique<QTemporaryDir>();
        QVERIFY(current->isValid());
        previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(current->path()));
    }

    void cleanup() { QDir::setCurrent(previousDir); }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("advanced");
        QTest::addColumn<QString>("language");

        const QString program = QStringLiteral("/usr/bin/gravolt-setup");
        QTest::newRow("no argument reads config.ini") << QStringList{program} << false << "de";
        QTest::newRow("exact word") << QStringList{program, "advanced"} << true << "";
        QTest::newRow("extra arguments ignored")
            << QStringList{program, "advanced", "x", "--y"} << true << "";
        QTest::newRow("different case") << QStringList{program, "Advanced"} << false << "";
        QTest::newRow("leading dashes") << QStringList{program, "--advanced"} << false << "";
        QTest::newRow("advanced not first") << QStringList{program, "x", "advanced"} << false << "";
        QTest::newRow("empty argument") << QStringList{program, ""} << false << "";
    }

    // Any argument, recognised or not, keeps config.ini unread.
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, advanced);
        QFETCH(QString, language);
        writeConfig(QStringLiteral("[UI]\nlang=de\n"));
        const StartupOptions options = readStartupOptions(arguments);
        QCOMPARE(options.advanced, advanced);
        QCOMPARE(options.language, language);
    }

    void configFile_data()
    {
        QTest::addColumn<QString>("content");  // null: no file at all
        QTest::addColumn<QString>("language");
        QTest::newRow("absent") << QString() << "";
        QTest::newRow("no key") << "[Other]\nlang=de\n"
                                << "";
        QTest::newRow("english") << "[UI]\nlang=en\n"
                                 << "en";
        QTest::newRow("german") << "[UI]\nlang=de\n"
                                << "de";
        QTest::newRow("garbage") << "\x01\x02 not an ini file"
                                 << "";
    }

    void configFile()
    {
        QFETCH(QString, content);
        QFETCH(QString, language);
        if (!content.isNull())
            writeConfig(content);
        const StartupOptions options = readStartupOptions({QStringLiteral("prog")});
        QCOMPARE(options.advanced, false);
        QCOMPARE(options.language, language);
    }

    void translationInstall_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("installed");
        QTest::newRow("none") << "" << false;
        QTest::newRow("en") << "en" << false;
        QTest::newRow("EN is not en") << "EN" << true;
        QTest::newRow("missing catalogue still installed") << "xx" << true;
    }

    void translationInstall()
    {
        QFETCH(QString, language);
        QFETCH(bool, installed);
        QTranslator translator;
        QCOMPARE(installTranslation(language, translator), installed);
        QCOMPARE(translator.isEmpty(), true);
        // Installing posts a LanguageChange event; removing it again keeps the
        // cases independent.
        QCoreApplication::removeTranslator(&translator);
    }

    void catalogueLookedUpInWorkingDirectory()
    {
        QVERIFY(QDir(current->path()).mkpath(QStringLiteral("i18n")));
        QVERIFY(QFile::copy(QFINDTESTDATA("data/sample_catalogue.qm"),
                            current->filePath(QStringLiteral("i18n/hardware_settings_ui_xx.qm"))));
        writeConfig(QStringLiteral("[UI]\nlang=xx\n"));
        QTranslator translator;
        QTranslator qtTranslator;
        runStartupConfiguration(translator, qtTranslator);
        QVERIFY(!translator.isEmpty());
        QCOMPARE(QCoreApplication::translate("MainWindow", "Read"), QStringLiteral("Lesen"));
        QCoreApplication::removeTranslator(&translator);
    }

    // Standard buttons and numbers speak the window's language, whatever the
    // system's locale is.
    void qtCatalogueAndNumbersFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("number");  // 0.35 as shown
        QTest::newRow("German") << "de"
                                << "Abbrechen"
                                << "0,35";
        QTest::newRow("Russian") << "ru"
                                 << "Отмена"
                                 << "0,35";
        QTest::newRow("English") << "en"
                                 << "Cancel"
                                 << "0.35";
        QTest::newRow("none") << ""
                              << "Cancel"
                              << "0.35";
    }

    void qtCatalogueAndNumbersFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, cancel);
        QFETCH(QString, number);
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        writeConfig(QStringLiteral("[UI]\nlang=%1\n").arg(language));
        QTranslator translator;
        QTranslator qtTranslator;
        runStartupConfiguration(translator, qtTranslator);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
        QCOMPARE(QLocale().toString(0.35), number);
        QCoreApplication::removeTranslator(&qtTranslator);
        QCoreApplication::removeTranslator(&translator);
        QLocale::setDefault(before);
    }

    // The window's decimal fields follow its language too, not the locale the
    // system had when the window was made, and take a point or a comma.
    void windowDecimalsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("before");  // the force test's default 2 s
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("after");
        QTest::newRow("German, comma") << "de"
                                       << "2,0 s"
                                       << "3,5" << 3.5 << "3,5 s";
        QTest::newRow("German, point") << "de"
                                       << "2,0 s"
                                       << "4.5" << 4.5 << "4,5 s";
        QTest::newRow("Russian, point") << "ru"
                                        << "2,0 s"
                                        << "1.5" << 1.5 << "1,5 s";
        QTest::newRow("English, comma") << "en"
                                        << "2.0 s"
                                        << "3,5" << 3.5 << "3.5 s";
        QTest::newRow("English, point") << "en"
                                        << "2.0 s"
                                        << "2.5" << 2.5 << "2.5 s";
    }

    void windowDecimalsFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(double, value);
        QFETCH(QString, after);
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        writeConfig(QStringLiteral("[UI]\nlang=%1\n").arg(language));
        {
            MainWindow window;
            window.ensurePages();
            auto *seconds =
                window.findChild<QDoubleSpinBox *>(QStringLiteral("force_seconds_spin"));
            QVERIFY(seconds);
            QCOMPARE(seconds->text(), before);
            // Disabled while no board offers force feedback.
            seconds->setEnabled(true);
            seconds->findChild<QLineEdit *>()->selectAll();
            QTest::keyClicks(seconds, typed);
            QTest::keyClick(seconds, Qt::Key_Return);
            QCOMPARE(seconds->value(), value);
            QCOMPARE(seconds->text(), after);
        }
        QLocale::setDefault(previous);
    }

    void informationRequests_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("answer");  // "help", "version" or "" for the window
        const QString program = QStringLiteral("/usr/bin/gravolt-setup");
        QTest::newRow("nothing") << QStringList{program} << "";
        QTest::newRow("help") << QStringList{program, "--help"} << "help";
        QTest::newRow("version") << QStringList{program, "--version"} << "version";
        QTest::newRow("help wins") << QStringList{program, "--version", "--help"} << "help";
        QTest::newRow("after advanced") << QStringList{program, "advanced", "--help"} << "help";
        QTest::newRow("among unknown options") << QStringList{program, "--x", "--help"} << "help";
        QTest::newRow("advanced") << QStringList{program, "advanced"} << "";
        QTest::newRow("short h is an argument") << QStringList{program, "-h"} << "";
        QTest::newRow("short v is an argument") << QStringList{program, "-v"} << "";
        QTest::newRow("question mark") << QStringList{program, "-?"} << "";
        QTest::newRow("other word") << QStringList{program, "help"} << "";
        QTest::newRow("after --") << QStringList{program, "--", "--help"} << "";
        QTest::newRow("unknown option") << QStringList{program, "--y"} << "";
    }

    // Only --help and --version are answered; every other command line
    // starts the window as readStartupOptions describes.
    void informationRequests()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, answer);
        const std::optional<QString> text = informationRequested(arguments);
        QCOMPARE(text.has_value(), !answer.isEmpty());
        if (answer == QLatin1String("help")) {
            QVERIFY(text->startsWith(QLatin1String("Usage: gravolt-setup [advanced]\n")));
            for (const char *topic : {"advanced", "config.ini", "device_effects_profiles/",
                                      "working directory", ".local/share/gravolt-setup"})
                QVERIFY2(text->contains(QLatin1String(topic)), topic);
        } else if (answer == QLatin1String("version")) {
            QCOMPARE(*text, QStringLiteral("Gravolt Setup 240719\n"));
        }
    }

    void programAnswersWithoutDisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("help") << "--help"
                              << "Usage: gravolt-setup [advanced]";
        QTest::newRow("version") << "--version"
                                 << "Gravolt Setup 240719";
    }

    // The program prints the text and exits 0, also where no window could
    // open at all.
    void programAnswersWithoutDisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, firstLine);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(GRAVOLT_DEMO_PROGRAM), {option});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
        QCOMPARE(output.section(QLatin1Char('\n'), 0, 0), firstLine);
        QVERIFY(output.endsWith(QLatin1Char('\n')));
        QCOMPARE(program.readAllStandardError(), QByteArray());
    }

    void titleIsNeverTranslated()
    {
        QCOMPARE(applicationWindowTitle(), QStringLiteral("Gravolt Setup (240719)"));
    }
};

QTEST_MAIN(TestStartupOptions)
#include "tst_startupoptions.moc"
