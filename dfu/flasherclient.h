#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

// What the window and gravoltctl share around the flasher (flasher.h): the
// bootloaders it lists, which of them a board became, and the bounds of the
// waits around an update.

// How long a board may take to become a bootloader, and a bootloader to
// start the new firmware, before the update is reported as stuck.
constexpr int BOOTLOADER_APPEARS_MS = 10000;
constexpr int BOARD_RETURNS_MS = 20000;
constexpr int LOOK_AGAIN_MS = 100;  // between two looks at the bus
// The ids of the boards' ROM bootloader, which a board's file may name
// instead of the board itself.
constexpr uint16_t ROM_BOOTLOADER_VENDOR = 0x0483;
constexpr uint16_t ROM_BOOTLOADER_PRODUCT = 0xDF11;

// One "bootloader" event of the flasher's list, as the callers use it.
struct BootloaderEntry {
    QString port;
    int vendorId = 0;
    int productId = 0;
    bool dfuse = false;
    bool openable = false;
    QString openError;
    QStringList memories;  // the alternate settings' names (DfuSe: layout strings)

    static BootloaderEntry fromEvent(const QJsonObject &event);
    bool operator==(const BootloaderEntry &other) const;
    bool operator!=(const BootloaderEntry &other) const { return !(*this == other); }
};

// Every bootloader on the bus, as "bootloader" events; `error` is set when
// the flasher could not look.
QList<QJsonObject> listBootloaders(QString *error);
QList<BootloaderEntry> listBootloaderEntries(QString *error);

// Tells the bootloader on `port` to start the firmware it holds. False, with
// the flasher's reason in `error`, when that failed.
bool leaveBootloader(const QString &port, QString *error);

// The port of the bootloader a board on `boardPort` became: that port when a
// bootloader waits there; where the backend knows no ports (`boardPort`
// empty), the only bootloader waiting. Empty otherwise.
QString bootloaderOfBoard(const QStringList &bootloaderPorts, const QString &boardPort);
