#pragma once

#include <QString>

// How the window names the cause an automatic backup carries: as the action
// the backup went before, inside a sentence ("No backup of the board could be
// taken before saving the effect settings to permanent memory"), or as the
// restore list's entry ("Saving effect settings"). A cause without a text of
// that kind is shown as the word it is.
enum class BackupCauseWording { Action, ListEntry };

QString backupCauseText(const QString &cause, BackupCauseWording wording);
