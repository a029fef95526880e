#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTranslator;

// The command-line word that switches advanced mode on.
inline const QString ADVANCED_MODE_ARGUMENT = QStringLiteral("advanced");
// Looked up relative to the working directory, not the executable, so that a
// user can keep several set-ups side by side.
inline const QString CONFIG_FILE_NAME = QStringLiteral("config.ini");
inline const QString CONFIG_LANGUAGE_KEY = QStringLiteral("UI/lang");
inline const QString TRANSLATION_FILE_PREFIX = QStringLiteral("i18n/hardware_settings_ui_");
inline const QString WINDOW_ICON_FILE = QStringLiteral("gravolt_hardware_icon.png");
constexpr int APPLICATION_FONT_PIXEL_SIZE = 11;  // px

struct StartupOptions {
    bool advanced = false;
    QString language;  // empty: built-in English
};

// Evaluates the argument list (element 0 is the program path). With any
// argument the settings file is not read; without one, "UI/lang" comes from
// config.ini in the current working directory.
StartupOptions readStartupOptions(const QStringList &arguments);

// `--help` and `--version` anywhere before a lone `--`: the text to print to
// standard output before exiting with 0. Any other argument list gives
// nothing and starts the window, with the meaning readStartupOptions gives it.
// Needs no QCoreApplication, so it answers without a display.
std::optional<QString> informationRequested(const QStringList &arguments);

// Loads the catalogue of `language` into `translator` and installs it into the
// application, also when the load fails (it then translates nothing). An empty
// language or "en" installs nothing. Returns whether the translator was
// installed.
bool installTranslation(const QString &language, QTranslator &translator);

// Qt's own catalogue of `language` (the texts of standard buttons and
// dialogs) into `translator`, installed when it loads: from Qt's installation,
// else from i18n/ in the working directory (where a bundled program keeps it).
bool installQtTranslation(const QString &language, QTranslator &translator);

// Numbers are shown and read in the interface language (a German window on an
// English system shows and takes "0,35"), not in the system's.
void useInterfaceLanguageForNumbers(const QString &language);

// The whole start-up configuration step, run by the main window before it
// builds its form: returns the advanced flag. `qtTranslator` takes Qt's own
// catalogue for the same language.
bool runStartupConfiguration(QTranslator &translator, QTranslator &qtTranslator);

// "Gravolt Setup (240719)"; deliberately never translated.
QString applicationWindowTitle();
