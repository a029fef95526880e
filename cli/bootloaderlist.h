#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

// Every DFU bootloader on the bus, as the flasher's "bootloader" events
// describe them (port, ids, whether it could be opened and why not). On
// failure `error` says why and the list is what was found before it.
QList<QJsonObject> listBootloaders(QString *error);
