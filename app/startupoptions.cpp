#include "startupoptions.h"

#include "device/firmwareinfo.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

StartupOptions readStartupOptions(const QStringList &arguments)
{
    StartupOptions options;
    if (arguments.size() > 1) {
        options.advanced = arguments.at(1) == ADVANCED_MODE_ARGUMENT;
        return options;
    }
    const QSettings config(QDir::currentPath() + QLatin1Char('/') + CONFIG_FILE_NAME,
                           QSettings::IniFormat);
    options.language = config.value(CONFIG_LANGUAGE_KEY, QString()).toString();
    return options;
}

namespace {

const QString HELP_OPTION = QStringLiteral("help");
const QString VERSION_OPTION = QStringLiteral("version");

// Names the launcher, not the program behind it: that is what the user types.
const QString USAGE_TEXT = QStringLiteral(
    "Usage: gravolt-setup [advanced]\n"
    "       gravolt-setup --help | --version\n"
    "\n"
    "Configures Gravolt force-feedback controller boards connected over USB:\n"
    "effects, hardware, GPIO, buttons and analog axes.\n"
    "\n"
    "Arguments:\n"
    "  advanced   Also show the current-sense amplifier gain on the Hardware page.\n"
    "             Only change it if you know the board's current-sense circuit.\n"
    "             With any argument the window is in English: config.ini is not read.\n"
    "  --help     Show this text and exit.\n"
    "  --version  Show the version and exit.\n"
    "\n"
    "Files, all looked up in the working directory:\n"
    "  config.ini                the interface language, e.g. [UI] lang=de\n"
    "                            (de German, ru Russian, en or nothing English)\n"
    "  i18n/                     the translation catalogues\n"
    "  device_effects_profiles/  the effect profiles saved from the Effects page\n"
    "\n"
    "The installed launcher runs the program in a folder of the user's own,\n"
    "$XDG_DATA_HOME/gravolt-setup (by default ~/.local/share/gravolt-setup), and\n"
    "writes config.ini there on the first start, in the language of the locale.\n");

}  // namespace

std::optional<QString> informationRequested(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Only these two, spelled out in full: "-h", "-v" or "-?" are ordinary
    // arguments as before and simply start the window.
    const QCommandLineOption help(HELP_OPTION);
    const QCommandLineOption version(VERSION_OPTION);
    parser.addOption(help);
    parser.addOption(version);
    // Unknown options make parse() report an error, but the known ones are
    // still found; the error itself does not matter here.
    (void)parser.parse(arguments);
    if (parser.isSet(help))
        return USAGE_TEXT;
    if (parser.isSet(version))
        return QStringLiteral("Gravolt Setup %1\n").arg(SUPPORTED_FIRMWARE_VERSION);
    return std::nullopt;
}

bool installTranslation(const QString &language, QTranslator &translator)
{
    if (language.isEmpty() || language == QLatin1String("en"))
        return false;
    // A missing catalogue is not an error: the translator stays empty and
    // every text keeps its English source.
    (void)translator.load(TRANSLATION_FILE_PREFIX + language);
    QCoreApplication::installTranslator(&translator);
    return true;
}

bool installQtTranslation(const QString &language, QTranslator &translator)
{
    if (language.isEmpty() || language == QLatin1String("en"))
        return false;
    const QString name = QStringLiteral("qtbase_") + language;
    if (!translator.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        !translator.load(name, QStringLiteral("i18n")))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

void useInterfaceLanguageForNumbers(const QString &language)
{
    QLocale locale(language.isEmpty() ? QStringLiteral("en") : language);
    // Group separators are neither shown nor taken: "1.000" must never be
    // read as a thousand in one language and as one in another.
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    QLocale::setDefault(locale);
}

bool runStartupConfiguration(QTranslator &translator, QTranslator &qtTranslator)
{
    const StartupOptions options = readStartupOptions(QCoreApplication::arguments());
    if (installTranslation(options.language, translator))
        installQtTranslation(options.language, qtTranslator);
    useInterfaceLanguageForNumbers(options.language);
    return options.advanced;
}

QString applicationWindowTitle()
{
    return QStringLiteral("Gravolt Setup (%1)").arg(SUPPORTED_FIRMWARE_VERSION);
}
