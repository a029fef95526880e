#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

#include <functional>

class CommandRun;

// One gravoltctl command. Each group of commands contributes a list of these
// to the table; a new command is one more entry there.
struct Command {
    QString name;
    QString synopsis;  // what follows the name in the usage, e.g. "FILE [--save]"
    QString summary;   // one line for --help
    QList<QCommandLineOption> options;
    int minArguments = 0;
    int maxArguments = 0;
    // Returns the exit status (see exitstatus.h).
    std::function<int(CommandRun &)> run;
};

// board commands: list, reboot, dfu
QList<Command> boardCommands();
// settings commands: read, backup, restore, apply-profile
QList<Command> settingsCommands();
// firmware commands: flash, bootloaders, leave
QList<Command> firmwareCommands();
