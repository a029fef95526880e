#include "app/startupoptions.h"

#include <QtTest>

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
        runStartupConfiguration(translator);
        QVERIFY(!translator.isEmpty());
        QCOMPARE(QCoreApplication::translate("MainWindow", "Read"), QStringLiteral("Lesen"));
        QCoreApplication::removeTranslator(&translator);
    }

    void titleIsNeverTranslated()
    {
        QCOMPARE(applicationWindowTitle(), QStringLiteral("Gravolt Setup (240719)"));
    }
};

QTEST_MAIN(TestStartupOptions)
#include "tst_startupoptions.moc"
