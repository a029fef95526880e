#pragma once

#include <QString>

// Puts at `path` what a file picker or a script can hand the program in place
// of a file: "fifo" a named pipe, "folder" a folder, or a link to the device
// `kind` names ("/dev/zero").
bool makeNonRegularFile(const QString &kind, const QString &path);
