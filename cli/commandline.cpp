#include "commandline.h"

#include "command.h"
#include "commandrun.h"
#include "datafolder.h"
#include "exitstatus.h"
#include "standardoutput.h"

#include "device/firmwareinfo.h"
#include "settings/boardbackup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <algorithm>

namespace {

const QString PROGRAM = QStringLiteral("gravoltctl");
const QString OPTION_BOARD = QStringLiteral("board");
const QString OPTION_DATA_DIR = QStringLiteral("data-dir");
const QString OPTION_HELP = QStringLiteral("help");
const QString OPTION_VERSION = QStringLiteral("version");

QList<Command> commandTable()
{
    return boardCommands() + settingsCommands() + firmwareCommands();
}

// Accepted before the command and after it alike.
QList<QCommandLineOption> globalOptions()
{
    return {
        {OPTION_BOARD,
         QStringLiteral("The board to work on: %1. May be left out when one board is "
                        "connected.")
             .arg(knownModelNames()),
         QStringLiteral("MODEL")},
        {OPTION_DATA_DIR,
         QStringLiteral("The folder of the effect profiles and automatic backups."),
         QStringLiteral("DIR")},
    };
}

// Help lines fit a standard terminal.
constexpr int HELP_WIDTH = 79;         // characters
constexpr int HELP_TEXT_INDENT = 6;    // characters before a description
constexpr int HELP_OPTION_INDENT = 8;  // characters before an option's description

QString wrapped(const QString &text, int indent)
{
    QString result;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > HELP_WIDTH) {
            result += QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        result += QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
    return result;
}

QString usage(const QList<Command> &commands)
{
    QString text;
    QTextStream s(&text);
    s << "Usage: " << PROGRAM << " [--board MODEL] [--data-dir DIR] COMMAND [ARGUMENTS]\n"
      << "Reads, backs up, restores and configures Gravolt force-feedback boards without\n"
         "a window, with the same worker, transport and record codec as Gravolt Setup.\n\n"
      << "Commands:\n";
    for (const Command &command : commands) {
        s << "  " << command.name;
        if (!command.synopsis.isEmpty())
            s << ' ' << command.synopsis;
        s << '\n' << wrapped(command.summary, HELP_TEXT_INDENT);
        for (const QCommandLineOption &option : command.options)
            s << QString(HELP_TEXT_INDENT, QLatin1Char(' ')) << "--" << option.names().constFirst()
              << '\n'
              << wrapped(option.description(), HELP_OPTION_INDENT);
    }
    s << "\nOptions:\n";
    for (const QCommandLineOption &option : globalOptions())
        s << "  --" << option.names().constFirst() << ' ' << option.valueName() << '\n'
          << wrapped(option.description(), HELP_TEXT_INDENT);
    s << "  --help\n      This text.\n"
      << "  --version\n      The program's version and the firmware version it is made for.\n\n"
      << "FILE arguments are relative to the current folder. Profiles are read from\n"
      << "DIR/device_effects_profiles/, automatic backups written to DIR/board_backups/auto/;\n"
      << "DIR is the window's per-user folder when gravoltctl is installed beside it, the\n"
      << "current folder otherwise.\n\n"
      << "Exit status:\n"
      << "  0  done\n"
      << "  1  the operation failed on the board (the message says how)\n"
      << "  2  usage, file or validation error; nothing was sent to any board\n"
      << "  3  no such board, or several boards and no --board\n";
    return text;
}

int refuseUsage(QTextStream &err, const QString &message)
{
    err << PROGRAM << ": " << message << Qt::endl
        << "Run \"" << PROGRAM << " --help\" for the usage." << Qt::endl;
    return EXIT_REFUSED;
}

int runCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QList<Command> commands = commandTable();

    // The options before the command; the command's own words, and any
    // option after it, are left for the command's parser.
    QCommandLineParser global;
    global.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    global.addOptions(globalOptions());
    global.addOption(QCommandLineOption(OPTION_HELP));
    global.addOption(QCommandLineOption(OPTION_VERSION));
    if (!global.parse(arguments))
        return refuseUsage(err, global.errorText());
    if (global.isSet(OPTION_HELP)) {
        out << usage(commands);
        return EXIT_DONE;
    }
    if (global.isSet(OPTION_VERSION)) {
        out << PROGRAM << ' ' << QStringLiteral(GRAVOLT_VERSION) << " (for board firmware "
            << SUPPORTED_FIRMWARE_VERSION << ')' << Qt::endl;
        return EXIT_DONE;
    }
    const QStringList rest = global.positionalArguments();
    if (rest.isEmpty())
        return refuseUsage(err, QStringLiteral("no command given"));

    const QString name = rest.constFirst();
    const auto found = std::find_if(commands.cbegin(), commands.cend(),
                                    [&name](const Command &c) { return c.name == name; });
    if (found == commands.cend())
        return refuseUsage(err, QStringLiteral("unknown command \"%1\"").arg(name));
    const Command &command = *found;

    QCommandLineParser parser;
    parser.addOptions(command.options);
    parser.addOptions(globalOptions());
    parser.addOption(QCommandLineOption(OPTION_HELP));
    if (!parser.parse(QStringList{arguments.constFirst()} + rest))
        return refuseUsage(err, QStringLiteral("%1: %2").arg(name, parser.errorText()));
    if (parser.isSet(OPTION_HELP)) {
        out << usage(commands);
        return EXIT_DONE;
    }
    const int count = int(parser.positionalArguments().size()) - 1;
    if (count < command.minArguments || count > command.maxArguments)
        return refuseUsage(err, QStringLiteral("usage: %1 %2 %3")
                                    .arg(PROGRAM, command.name, command.synopsis)
                                    .trimmed());

    const QString model =
        parser.isSet(OPTION_BOARD) ? parser.value(OPTION_BOARD) : global.value(OPTION_BOARD);
    if (!model.isEmpty() && deviceTypeForModelName(model) < 0)
        return refuseUsage(
            err,
            QStringLiteral("unknown board model \"%1\" (known: %2)").arg(model, knownModelNames()));
    QString dataDir = parser.isSet(OPTION_DATA_DIR) ? parser.value(OPTION_DATA_DIR)
                                                    : global.value(OPTION_DATA_DIR);
    dataDir = dataDir.isEmpty() ? defaultDataFolder() : QDir(dataDir).absolutePath();

    CommandRun run(parser, model, dataDir, out, err);
    return command.run(run);
}

}  // namespace

int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    return finishStandardOutput(out, err, runCommand(arguments, out, err));
}
