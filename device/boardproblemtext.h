#pragma once

#include "device/boarddiscovery.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// How a person is told about a board the discovery found unusable, in the
// words the window's notice and `gravoltctl doctor` both show: the sentence on
// the cause (translated where a catalogue is loaded) and the shell commands
// that remove it. The discovery itself hands over data only.

// One sentence on why the board cannot be used.
QString problemText(const BoardStatus &status);

// Shell commands that remove the cause of `status`; empty when no command can.
QStringList fixCommands(const BoardStatus &status, const UdevRuleStatus &rule);
// The commands that install the udev rule where udev reads it (unless it is
// there already) and make udev apply it to the attached devices.
QStringList udevRuleCommands(const UdevRuleStatus &rule);

// The user's login name, or the number when it has none.
QString userName(uint32_t uid);

// Text from outside the program with every control and bidirectional
// character shown as an escape (\x1b, \u202e), so that it cannot act on the
// terminal it is printed to.
QString printableText(const QString &text);
