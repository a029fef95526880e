#include "startupoptions.h"

#include "device/firmwareinfo.h"

#include <QCoreApplication>
#include <QDir>
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

bool runStartupConfiguration(QTranslator &translator)
{
    const StartupOptions options = readStartupOptions(QCoreApplication::arguments());
    installTranslation(options.language, translator);
    return options.advanced;
}

QString applicationWindowTitle()
{
    return QStringLiteral("Gravolt Setup (%1)").arg(SUPPORTED_FIRMWARE_VERSION);
}
