#pragma once

#include <QString>

class QFile;

// Opens `file` (by its fileName()) for reading only when it is a regular file
// or a symbolic link to one. Backups, profiles and state files are picked by
// people and by scripts, and a wrong pick must not hang the program: opening a
// named pipe blocks until another program writes to it, a device such as
// /dev/zero never ends, and merely opening some devices changes them. Those
// are refused before they are opened. False, with `error` saying why in
// English (without the path), when the file is not opened.
bool openRegularFileForReading(QFile &file, QString *error);
