#include "backupcausetext.h"

#include "settings/automaticbackups.h"

#include <QCoreApplication>

namespace {

// The texts keep the translation contexts of the window parts that show them.
constexpr char ACTION_CONTEXT[] = "BackupController";
constexpr char LIST_ENTRY_CONTEXT[] = "RestoreBackupDialog";

struct CauseTexts {
    const char *cause;
    const char *action;     // nullptr: no action text
    const char *listEntry;  // nullptr: no list text
};

constexpr CauseTexts CAUSE_TEXTS[] = {
    {BACKUP_CAUSE_SAVE_EFFECTS,
     QT_TRANSLATE_NOOP("BackupController", "saving the effect settings to permanent memory"),
     QT_TRANSLATE_NOOP("RestoreBackupDialog", "Saving effect settings")},
    {BACKUP_CAUSE_SAVE_HARDWARE,
     QT_TRANSLATE_NOOP("BackupController", "saving the hardware settings to permanent memory"),
     QT_TRANSLATE_NOOP("RestoreBackupDialog", "Saving hardware settings")},
    {BACKUP_CAUSE_DFU, QT_TRANSLATE_NOOP("BackupController", "switching to DFU mode"),
     QT_TRANSLATE_NOOP("RestoreBackupDialog", "Switching to DFU mode")},
    // A restore is only ever listed; no action waits on a backup before it
    // in the window.
    {BACKUP_CAUSE_RESTORE, nullptr, QT_TRANSLATE_NOOP("RestoreBackupDialog", "Restoring a backup")},
};

}  // namespace

QString backupCauseText(const QString &cause, BackupCauseWording wording)
{
    for (const CauseTexts &texts : CAUSE_TEXTS) {
        if (cause != QLatin1String(texts.cause))
            continue;
        const bool action = wording == BackupCauseWording::Action;
        const char *text = action ? texts.action : texts.listEntry;
        if (text)
            return QCoreApplication::translate(action ? ACTION_CONTEXT : LIST_ENTRY_CONTEXT, text);
        break;
    }
    return cause;
}
