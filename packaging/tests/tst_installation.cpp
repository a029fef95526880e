// The catalogues, and the program as a user gets it from `cmake --install`:
// started through bin/gravolt-setup from an unrelated directory, it must run
// in the per-user working directory, speak the configured language, show its
// icon and leave the user's files alone.
//
// The installed program is inspected from the inside by a preloaded probe
// (installprobe.cpp); its texts are compared one by one with those of the same
// window built here without a translation, looked up in the compiled
// catalogue of the language.
#include "widgettexts.h"

#include "app/startupoptions.h"
#include "ui/mainwindow.h"

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdlib>

namespace {

const QStringList CONTEXTS{QStringLiteral("MainWindow"),
                           QStringLiteral("FullEffectSettingsWidget"),
                           QStringLiteral("FullHardwareSettingsWidget"),
                           QStringLiteral("LiveInputView"),
                           QStringLiteral("ForceTestPanel"),
                           QStringLiteral("BoardNotice"),
                           QStringLiteral("FirmwareNotice")};
const QStringList LANGUAGES{QStringLiteral("de"), QStringLiteral("ru")};
const QString PROFILE_NAME = QStringLiteral("Heavy stick");
constexpr int PROFILE_FILE_SIZE = 384;  // bytes, one raw effect settings record
constexpr int LAUNCH_TIMEOUT_MS = 60000;

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty
};

QList<Message> readCatalogue(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("context"))
                context.clear();
            else if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("message"))
                message = Message{context, {}, {}, {}};
            else if (xml.name() == QLatin1String("source"))
                message.source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                message.translation = xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages.append(message);
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

// Where a text of the main window is translated: in the context of the
// innermost form it belongs to.
QString contextOf(const QWidget *window, const QString &key)
{
    QString path = key.section(QLatin1Char('#'), 0, 0);
    const QStringList names = path.split(QLatin1Char('/'));
    const QObject *object = window;
    QString context = QStringLiteral("MainWindow");
    for (int i = 1; i < names.size() && object; ++i) {
        const QObject *next = nullptr;
        for (const QObject *child : object->children()) {
            const QString name = child->objectName().isEmpty()
                                     ? QString::fromLatin1(child->metaObject()->className())
                                     : child->objectName();
            if (name == names.at(i) && child->isWidgetType()) {
                next = child;
                break;
            }
        }
        object = next;
        if (object && CONTEXTS.contains(QString::fromLatin1(object->metaObject()->className())))
            context = QString::fromLatin1(object->metaObject()->className());
    }
    return context;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The window's icon went through a premultiplied pixmap, which rounds the
// colour of translucent pixels.
bool sameImage(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    constexpr int tolerance = 2;  // colour steps
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            if (std::abs(qRed(p) - qRed(q)) > tolerance ||
                std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                std::abs(qBlue(p) - qBlue(q)) > tolerance ||
                std::abs(qAlpha(p) - qAlpha(q)) > tolerance)
                return false;
        }
    }
    return true;
}

}  // namespace

class TestInstallation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void catalogueIsComplete_data();
    void catalogueIsComplete();

    void launcherRunsInstalledProgram_data();
    void launcherRunsInstalledProgram();

    void firstStartTakesLanguageFromLocale_data();
    void firstStartTakesLanguageFromLocale();

    void launcherReplacesStaleLinksOnly();
    void installedToolUsesTheLaunchersFolder();

private:
    QJsonObject launch(const QString &dataHome, const QStringList &arguments,
                       const QString &locale = QStringLiteral("C"));
    // The texts of the window as this process builds it: no translation.
    QMap<QString, QString> englishTexts();
    void compareTexts(const QJsonObject &shown, const QString &language);

    QTemporaryDir prefix;
    QTemporaryDir unrelatedDir;
    QString launcher;
    QMap<QString, QString> english;
    QMap<QString, QString> contexts;
    QSet<QString> untranslatedKeys;
};

void TestInstallation::initTestCase()
{
    QVERIFY(prefix.isValid());
    QVERIFY(unrelatedDir.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(GRAVOLT_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(GRAVOLT_BUILD_DIR),
                   QStringLiteral("--prefix"), prefix.path()});
    QVERIFY(install.waitForFinished(LAUNCH_TIMEOUT_MS));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    launcher = prefix.filePath(QStringLiteral("bin/gravolt-setup"));
    QVERIFY(QFileInfo(launcher).isExecutable());
    for (const QString &installed :
         {QStringLiteral("share/applications/com.gravolt.GravoltSetup.desktop"),
          QStringLiteral("share/metainfo/com.gravolt.GravoltSetup.metainfo.xml"),
          QStringLiteral("share/icons/hicolor/256x256/apps/com.gravolt.GravoltSetup.png"),
          QStringLiteral("share/icons/hicolor/scalable/apps/com.gravolt.GravoltSetup.svg")})
        QVERIFY2(QFileInfo::exists(prefix.filePath(installed)),
                 qPrintable(installed + " is missing"));
    if (QFileInfo::exists(
            QStringLiteral(GRAVOLT_SOURCE_DIR "/packaging/linux/70-gravolt-setup.rules")))
        QVERIFY(QFileInfo::exists(
            prefix.filePath(QStringLiteral("lib/udev/rules.d/70-gravolt-setup.rules"))));

    // The reference window, built in a directory of its own so that no
    // config.ini or profile around the test leaks into it.
    QTemporaryDir referenceDir;
    const QString testDir = QDir::currentPath();
    QDir::setCurrent(referenceDir.path());
    {
        MainWindow window;
        window.ensurePages();
        const QMap<QString, QString> texts = widgettexts::collect(&window);
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            english.insert(it.key(), it.value());
            contexts.insert(it.key(), contextOf(&window, it.key()));
            // Texts that are not the program's to translate: the title with
            // the version, the product names and the extension names.
            const QString path = it.key().section(QLatin1Char('#'), 0, 0);
            const QString kind = it.key().section(QLatin1Char('#'), 1);
            if ((path == window.objectName() && kind == QLatin1String("windowTitle")) ||
                (path.endsWith(QLatin1String("/devices_combo_box")) &&
                 kind.startsWith(QLatin1String("item"))) ||
                (path.endsWith(QLatin1String("/spiModeCombo")) &&
                 kind.startsWith(QLatin1String("item")) && kind != QLatin1String("item0")))
                untranslatedKeys.insert(it.key());
        }
        QCOMPARE(window.windowTitle(), applicationWindowTitle());
    }
    QDir::setCurrent(testDir);
    QVERIFY2(english.size() > 100, "the main window shows hardly any text");
}

void TestInstallation::catalogueIsComplete_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : LANGUAGES)
        QTest::newRow(qPrintable(language)) << language;
}

void TestInstallation::catalogueIsComplete()
{
    QFETCH(QString, language);
    const QList<Message> messages = readCatalogue(
        QStringLiteral(GRAVOLT_SOURCE_DIR "/i18n/hardware_settings_ui_%1.ts").arg(language));
    QVERIFY(!messages.isEmpty());

    QSet<QString> rebootMarkers;
    for (const Message &m : messages) {
        if (!CONTEXTS.contains(m.context) || m.type == QLatin1String("vanished") ||
            m.type == QLatin1String("obsolete"))
            continue;
        const QString where = m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
        QVERIFY2(m.type.isEmpty() && !m.translation.trimmed().isEmpty(),
                 qPrintable(where + " is not translated"));
        QVERIFY2(m.source.count(QLatin1Char('%')) == m.translation.count(QLatin1Char('%')),
                 qPrintable(where + " lost or gained a percent sign"));
        for (const QString &unit : {QStringLiteral("V/V")})
            QVERIFY2(m.source.contains(unit) == m.translation.contains(unit),
                     qPrintable(where + " lost its unit"));
        if (m.source.endsWith(QLatin1String("(requires reboot)"))) {
            const qsizetype open = m.translation.lastIndexOf(QLatin1Char('('));
            QVERIFY2(open > 0 && m.translation.endsWith(QLatin1Char(')')),
                     qPrintable(where + " lost its reboot marker"));
            rebootMarkers.insert(m.translation.mid(open));
        }
    }
    // Settings that need a restart must read the same everywhere.
    QCOMPARE(rebootMarkers.size(), 1);

    // Every text of the window is in the catalogue, unless it is one of the
    // texts that stay as they are.
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        if (untranslatedKeys.contains(it.key()))
            continue;
        const bool found = std::any_of(messages.cbegin(), messages.cend(), [&](const Message &m) {
            return m.context == contexts.value(it.key()) && m.source == it.value();
        });
        QVERIFY2(found, qPrintable(QStringLiteral("%1 \"%2\" (%3) is missing from the catalogue")
                                       .arg(contexts.value(it.key()), it.value(), it.key())));
    }
}

QJsonObject TestInstallation::launch(const QString &dataHome, const QStringList &arguments,
                                     const QString &locale)
{
    const QString report = QDir(dataHome).filePath(QStringLiteral("probe.json"));
    QFile::remove(report);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(GRAVOLT_PROBE_LIBRARY));
    env.insert(QStringLiteral("GRAVOLT_PROBE_OUTPUT"), report);
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.insert(QStringLiteral("LANG"), locale);
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(unrelatedDir.path());
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(launcher, arguments);
    if (!program.waitForFinished(LAUNCH_TIMEOUT_MS)) {
        program.kill();
        program.waitForFinished();
        qWarning("the installed program did not end");
        return {};
    }
    if (program.exitStatus() != QProcess::NormalExit || program.exitCode() != 0) {
        qWarning("the installed program ended with code %d", program.exitCode());
        return {};
    }
    return QJsonDocument::fromJson(readFile(report)).object();
}

void TestInstallation::compareTexts(const QJsonObject &shown, const QString &language)
{
    QTranslator translator;
    if (!language.isEmpty())
        QVERIFY(translator.load(QStringLiteral(GRAVOLT_BUILD_DIR "/i18n/hardware_settings_ui_") +
                                language));
    const QJsonObject texts = shown.value(QStringLiteral("texts")).toObject();
    QVERIFY(!texts.isEmpty());
    int translated = 0;
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        QString expected =
            translator.translate(qPrintable(contexts.value(it.key())), qPrintable(it.value()));
        if (expected.isEmpty() || untranslatedKeys.contains(it.key()))
            expected = it.value();
        translated += expected != it.value();
        QVERIFY2(texts.contains(it.key()), qPrintable(it.key() + QStringLiteral(" is not shown")));
        QCOMPARE(texts.value(it.key()).toString(), expected);
    }
    if (!language.isEmpty())
        QVERIFY2(translated > english.size() / 2, "most of the window is still in English");
}

void TestInstallation::launcherRunsInstalledProgram_data()
{
    QTest::addColumn<QString>("configuredLanguage");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("shownLanguage");

    for (const QString &language : LANGUAGES)
        QTest::newRow(qPrintable(language)) << language << QStringList() << language;
    QTest::newRow("en") << QStringLiteral("en") << QStringList() << QString();
    // Any argument reaches the program and makes it skip config.ini.
    QTest::newRow("de, advanced") << QStringLiteral("de") << QStringList{QStringLiteral("advanced")}
                                  << QString();
    QTest::newRow("de, two arguments")
        << QStringLiteral("de")
        << QStringList{QStringLiteral("advanced"), QStringLiteral("two words")} << QString();
}

void TestInstallation::launcherRunsInstalledProgram()
{
    QFETCH(QString, configuredLanguage);
    QFETCH(QStringList, arguments);
    QFETCH(QString, shownLanguage);

    QTemporaryDir dataHome;
    const QString workDir = dataHome.filePath(QStringLiteral("gravolt-setup"));
    QVERIFY(QDir().mkpath(workDir + QStringLiteral("/device_effects_profiles")));
    const QByteArray config = "[UI]\nlang=" + configuredLanguage.toUtf8() + "\n";
    const QByteArray profile(PROFILE_FILE_SIZE, '\x2a');
    const QString profilePath =
        workDir + QStringLiteral("/device_effects_profiles/") + PROFILE_NAME;
    QVERIFY(writeFile(workDir + QStringLiteral("/config.ini"), config));
    QVERIFY(writeFile(profilePath, profile));

    const QJsonObject shown = launch(dataHome.path(), arguments);
    QVERIFY(!shown.isEmpty());
    QCOMPARE(
        QFileInfo(shown.value(QStringLiteral("workingDirectory")).toString()).canonicalFilePath(),
        QFileInfo(workDir).canonicalFilePath());
    QCOMPARE(shown.value(QStringLiteral("arguments")).toVariant().toStringList().mid(1), arguments);

    compareTexts(shown, shownLanguage);
    if (QTest::currentTestFailed())
        return;

    const QImage icon(shown.value(QStringLiteral("icon")).toString());
    const QImage installedIcon(GRAVOLT_SOURCE_DIR "/packaging/gravolt_hardware_icon.png");
    QVERIFY(!icon.isNull());
    QVERIFY2(sameImage(icon, installedIcon), "the window shows another icon");

    // The working directory above is where the program keeps its profiles;
    // the user's profile and config.ini are untouched.
    QCOMPARE(readFile(profilePath), profile);
    QCOMPARE(readFile(workDir + QStringLiteral("/config.ini")), config);
}

void TestInstallation::firstStartTakesLanguageFromLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");

    QTest::newRow("de_DE.UTF-8") << QStringLiteral("de_DE.UTF-8") << QStringLiteral("de");
    QTest::newRow("ru_RU.UTF-8") << QStringLiteral("ru_RU.UTF-8") << QStringLiteral("ru");
    QTest::newRow("ru") << QStringLiteral("ru") << QStringLiteral("ru");
    QTest::newRow("no catalogue") << QStringLiteral("fr_FR.UTF-8") << QString();
    QTest::newRow("C") << QStringLiteral("C") << QString();
}

void TestInstallation::firstStartTakesLanguageFromLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);

    QTemporaryDir dataHome;
    const QJsonObject shown = launch(dataHome.path(), {}, locale);
    QVERIFY(!shown.isEmpty());
    compareTexts(shown, language);

    // The language stays the user's choice once written down.
    const QString config = dataHome.filePath(QStringLiteral("gravolt-setup/config.ini"));
    QVERIFY(writeFile(config, "[UI]\nlang=en\n"));
    compareTexts(launch(dataHome.path(), {}, locale), QString());
}

void TestInstallation::launcherReplacesStaleLinksOnly()
{
    QTemporaryDir dataHome;
    const QString workDir = dataHome.filePath(QStringLiteral("gravolt-setup"));
    QVERIFY(QDir().mkpath(workDir + QStringLiteral("/i18n")));
    QVERIFY(writeFile(workDir + QStringLiteral("/config.ini"), "[UI]\nlang=de\n"));
    // A link left by an installation that has since moved away.
    QVERIFY(QFile::link(dataHome.filePath(QStringLiteral("gone.png")),
                        workDir + QStringLiteral("/gravolt_hardware_icon.png")));

    const QJsonObject shown = launch(dataHome.path(), {});
    QVERIFY(!shown.isEmpty());
    QVERIFY(QFileInfo::exists(shown.value(QStringLiteral("icon")).toString()));
    // The user's own (empty) i18n folder wins over the installed catalogues.
    QVERIFY(!QFileInfo(workDir + QStringLiteral("/i18n")).isSymLink());
    compareTexts(shown, QString());
}

// gravoltctl installed beside the launcher reads the profiles of the folder
// the launcher runs the window in, wherever it is started from. A profile
// that is not there stops it before it looks for a board.
void TestInstallation::installedToolUsesTheLaunchersFolder()
{
    QTemporaryDir dataHome;
    const QString profileDir =
        dataHome.filePath(QStringLiteral("gravolt-setup/device_effects_profiles"));
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.path());
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    tool.setProcessEnvironment(environment);
    tool.setWorkingDirectory(unrelatedDir.path());
    tool.start(prefix.filePath(QStringLiteral("bin/gravoltctl")),
               {QStringLiteral("apply-profile"), QStringLiteral("Rally")});
    QVERIFY(tool.waitForFinished(LAUNCH_TIMEOUT_MS));
    QCOMPARE(tool.exitCode(), 2);
    const QString message = QString::fromLocal8Bit(tool.readAllStandardError());
    QVERIFY2(message.contains(profileDir), qPrintable(message));
}

QTEST_MAIN(TestInstallation)
#include "tst_installation.moc"
