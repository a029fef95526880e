#pragma once

#include <QStringList>

class QTextStream;

// The whole of gravoltctl after the application object exists: parses
// `arguments` (element 0 is the program), runs the command and returns the
// exit status. Data goes to `out`, messages to `err`.
int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err);
