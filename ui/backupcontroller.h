#pragma once

#include "device/firmwareinfo.h"
#include "settings/boardbackup.h"

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class SettingsUiBackgroundThread;

// Board backups as the window offers them: "Back up board..." and
// "Restore..." in the Board menu, and the automatic backup taken before
// anything is committed to a board's flash. Backups always hold fresh reads
// from the board, never what the forms show. It talks to the window only
// through the hooks below, so the window decides what "the selected board"
// and "loading into the forms" mean.
class BackupController : public QObject
{
    Q_OBJECT

public:
    struct Hooks {
        // The selected board's product id, -1 when none is selected.
        std::function<int()> currentProductId;
        // The information record of a connected board; false when it is gone.
        std::function<bool(int productId, FirmwareInfoTypeDef &info)> boardInfo;
        // Asked before a restore replaces both forms: the unsaved-changes
        // questions of each group. False stops the restore.
        std::function<bool()> mayReplaceForms;
        // Puts a restored backup into the forms; the records become what
        // Apply and Save build on.
        std::function<void(const EffectSettingsTypeDef &, const HardwareSettingsTypeDef &)>
            loadIntoForms;
        // One line for the status bar.
        std::function<void(const QString &text, bool failure)> report;
    };

    // Backups go to board_backups/ in `dataDir`, the folder that also holds
    // the effect profiles. `window` parents the dialogs.
    BackupController(SettingsUiBackgroundThread *worker, QString dataDir, Hooks hooks,
                     QWidget *window);

    // Adds the Board menu to `menuBar`.
    QMenu *addBoardMenu(QMenuBar *menuBar);

    // Reads both records of board `productId` and writes them to the
    // automatic backups, before a save to flash or a switch to DFU mode
    // (`cause` says which). Returns whether that action may go ahead: at once
    // when the backup was written; otherwise only when the user, told that no
    // backup could be taken, agreed to go on without one. A board that is not
    // connected needs no backup: the action fails on its own.
    bool takeAutomaticBackup(int productId, const QString &cause);
    // The file the last takeAutomaticBackup wrote; empty when it wrote none.
    QString lastAutomaticBackup() const { return lastAutomatic; }

    // The menu actions without their file dialogs. backUpTo reads both
    // records of the selected board afresh and writes them to `path`;
    // restoreFrom loads the backup at `path` into the forms after the
    // questions. Both report their outcome and return whether it succeeded.
    bool backUpTo(const QString &path);
    // `differencesAccepted`: the user already chose to restore a backup of
    // another firmware (after a firmware update), so that is not asked again.
    bool restoreFrom(const QString &path, bool differencesAccepted = false);

    // What differs between a backup's board and the connected one, as
    // sentences; empty when the model and the firmware are the same.
    static QString describeBoardDifferences(const BoardIdentity &backup,
                                            const BoardIdentity &connected);

private:
    void backUpBoard();
    void restore();
    // A fresh read of both records into `backup`; on failure, `error` says why.
    bool readBoard(int productId, BoardBackup &backup, QString &error);
    QString backupDirectory() const;

    SettingsUiBackgroundThread *worker;
    QString dataDir;
    Hooks hooks;
    QWidget *window;
    QAction *backUpAction = nullptr;
    QAction *restoreAction = nullptr;
    QString lastAutomatic;
};
