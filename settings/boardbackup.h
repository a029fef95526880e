#pragma once

#include "settings/effectsettings.h"
#include "settings/hardwaresettings.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

// A whole board in one JSON file: its identity and both settings records as
// the record codec writes them.

constexpr char BOARD_BACKUP_EXTENSION[] = ".gravolt.json";
constexpr char BOARD_BACKUP_FORMAT[] = "gravolt-board-backup";
constexpr int BOARD_BACKUP_VERSION = 1;  // the newest file version this program reads and writes
constexpr char EFFECT_PROFILE_FORMAT[] = "gravolt-effect-profile";
constexpr int EFFECT_PROFILE_VERSION = 1;
// A backup is a few kilobytes. Anything far larger is not one, and reading it
// whole into memory would only let a wrong file choice hang the program.
constexpr qint64 BOARD_BACKUP_MAX_FILE_SIZE = 1024 * 1024;  // bytes

// Which board a record came from. A default-constructed identity stands for
// "unknown" (deviceType -1); only effect profiles may carry an unknown board.
struct BoardIdentity {
    QString model;        // modelNameForDeviceType(deviceType)
    int productId = -1;   // USB product id, 0 to 65535
    int deviceType = -1;  // FirmwareInfoTypeDef::deviceType code
    quint32 firmwareVersion = 0;
};

struct BoardBackup {
    QDateTime created;  // written as ISO 8601 in UTC
    BoardIdentity board;
    EffectSettingsTypeDef effects{};
    HardwareSettingsTypeDef hardware{};
};

// The identity of a connected board as the backup file records it.
BoardIdentity boardIdentityFor(int productId, int deviceType, quint32 firmwareVersion);

// Indented JSON. Refused by parseBoardBackup when the identity is not a
// known model or `created` is not a valid time; writeBoardBackup checks that
// before writing anything.
QByteArray serializeBoardBackup(const BoardBackup &backup);
// Checks every field before returning true; on failure `backup` is untouched
// and `error` (when given) says what is wrong, naming the field.
bool parseBoardBackup(const QByteArray &json, BoardBackup &backup, QString *error);
// Atomic: the file is replaced only when it has been written completely.
bool writeBoardBackup(const QString &path, const BoardBackup &backup, QString *error);
// Refuses files over BOARD_BACKUP_MAX_FILE_SIZE without reading them.
bool readBoardBackup(const QString &path, BoardBackup &backup, QString *error);

// Effect-profile exchange file: only "effect_settings" and the "board" the
// profile came from ("board": null when that is not known).
QByteArray serializeEffectProfile(const EffectSettingsTypeDef &effects, const BoardIdentity &board);
bool parseEffectProfile(const QByteArray &json, EffectSettingsTypeDef &effects,
                        BoardIdentity &board, QString *error);
bool writeEffectProfileFile(const QString &path, const EffectSettingsTypeDef &effects,
                            const BoardIdentity &board, QString *error);
bool readEffectProfileFile(const QString &path, EffectSettingsTypeDef &effects,
                           BoardIdentity &board, QString *error);
