#pragma once

#include "settings/boardbackup.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QtGlobal>

// Backups the program takes on its own before it commits anything to a board's
// flash. They live in <dataDir>/board_backups/auto/, dataDir being the folder
// that also holds device_effects_profiles/. Only that folder is ever pruned;
// backups the user saves elsewhere are never touched.

constexpr char BOARD_BACKUPS_DIRECTORY[] = "board_backups";
constexpr char AUTOMATIC_BACKUPS_SUBDIRECTORY[] = "auto";
constexpr int AUTOMATIC_BACKUPS_KEPT_PER_MODEL = 50;

// Causes the window and the command line pass; any short word works.
constexpr char BACKUP_CAUSE_SAVE_EFFECTS[] = "save-effects";
constexpr char BACKUP_CAUSE_SAVE_HARDWARE[] = "save-hardware";
constexpr char BACKUP_CAUSE_DFU[] = "dfu";
constexpr char BACKUP_CAUSE_RESTORE[] = "restore";

// <dataDir>/board_backups/auto
QString automaticBackupDirectory(const QString &dataDir);

// Writes the backup as <model>-<yyyyMMdd>-<HHmmss>-<cause>.gravolt.json (a
// counter after the time keeps names unique within one second), then deletes
// the oldest automatic backups of the same model beyond
// AUTOMATIC_BACKUPS_KEPT_PER_MODEL. Returns the new file's path, or an empty
// string with `error` set when nothing could be written.
QString writeAutomaticBackup(const QString &dataDir, const BoardBackup &backup,
                             const QString &cause, QString *error);

struct AutomaticBackupEntry {
    QString path;
    QDateTime created;
    QString model;
    quint32 firmwareVersion = 0;
    QString cause;
};

// Every readable automatic backup, newest first. Files that do not parse as
// backups are left out (and left alone).
QList<AutomaticBackupEntry> listAutomaticBackups(const QString &dataDir);
