#pragma once

#include "settings/boardfile.h"
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

struct BoardBackup {
    QDateTime created;  // written as ISO 8601 in UTC
    BoardIdentity board;
    EffectSettingsTypeDef effects{};
    HardwareSettingsTypeDef hardware{};
};

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
