#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

// What the window and gravoltctl share around the flasher (flasher.h): the
// bootloaders it lists.

// Every bootloader on the bus, as "bootloader" events; `error` is set when
// the flasher could not look.
QList<QJsonObject> listBootloaders(QString *error);
