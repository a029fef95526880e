#include "backupcontroller.h"

#include "device/firmwareinfo.h"
#include "device/operationoutcome.h"
#include "device/settingsuibackgroundthread.h"
#include "settings/automaticbackups.h"
#include "ui/backupcausetext.h"
#include "ui/restorebackupdialog.h"
#include "ui/widgets/widgethelpers.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace {

// The stem of a backup file name the user is offered: model and local time.
constexpr char SUGGESTED_NAME_TIME_FORMAT[] = "yyyyMMdd-HHmmss";

QString fileFilter()
{
    return BackupController::tr("Board backups (*%1)").arg(QLatin1String(BOARD_BACKUP_EXTENSION));
}

}  // namespace

BackupController::BackupController(SettingsUiBackgroundThread *worker, QString dataDir, Hooks hooks,
                                   QWidget *window)
    : QObject(window), worker(worker), dataDir(std::move(dataDir)), hooks(std::move(hooks)),
      window(window)
{}

QMenu *BackupController::addBoardMenu(QMenuBar *menuBar)
{
    QMenu *menu = menuBar->addMenu(tr("&Board"));
    menu->setObjectName(QStringLiteral("board_menu"));
    backUpAction = menu->addAction(tr("&Back up board..."));
    backUpAction->setObjectName(QStringLiteral("back_up_board_action"));
    backUpAction->setStatusTip(tr("Read both settings records from the board and save them to "
                                  "a file"));
    restoreAction = menu->addAction(tr("&Restore..."));
    restoreAction->setObjectName(QStringLiteral("restore_backup_action"));
    restoreAction->setStatusTip(tr("Load a backup into the forms; apply or save it afterwards"));

    // Both need a selected board: a backup is read from it, and a restore is
    // loaded into forms that exist only for it.
    connect(menu, &QMenu::aboutToShow, this, [this] {
        const bool selected = hooks.currentProductId() >= 0;
        backUpAction->setEnabled(selected);
        restoreAction->setEnabled(selected);
    });
    connect(backUpAction, &QAction::triggered, this, &BackupController::backUpBoard);
    connect(restoreAction, &QAction::triggered, this, &BackupController::restore);
    return menu;
}

QString BackupController::backupDirectory() const
{
    return QDir(dataDir).absoluteFilePath(QLatin1String(BOARD_BACKUPS_DIRECTORY));
}

bool BackupController::readBoard(int productId, BoardBackup &backup, QString &error)
{
    FirmwareInfoTypeDef info{};
    if (productId < 0 || !hooks.boardInfo(productId, info)) {
        error = tr("the board is not connected");
        return false;
    }
    BoardBackup fresh;
    fresh.created = QDateTime::currentDateTimeUtc();
    fresh.board = boardIdentityFor(productId, info.deviceType, info.firmwareVersion);
    const OperationOutcome effects = worker->fetchEffectSettings(productId, fresh.effects);
    if (!effects.succeeded()) {
        error = tr("reading the effect settings failed: %1").arg(describeOutcome(effects));
        return false;
    }
    const OperationOutcome hardware = worker->fetchHardwareSettings(productId, fresh.hardware);
    if (!hardware.succeeded()) {
        error = tr("reading the hardware settings failed: %1").arg(describeOutcome(hardware));
        return false;
    }
    backup = fresh;
    return true;
}

bool BackupController::takeAutomaticBackup(int productId, const QString &cause)
{
    // Without a connected board the action itself finds nothing to write
    // to and says so; there is nothing a backup could protect.
    lastAutomatic.clear();
    FirmwareInfoTypeDef info{};
    if (productId < 0 || !hooks.boardInfo(productId, info))
        return true;
    BoardBackup backup;
    QString error;
    if (readBoard(productId, backup, error)) {
        const QString path = writeAutomaticBackup(dataDir, backup, cause, &error);
        if (!path.isEmpty()) {
            lastAutomatic = path;
            hooks.report(tr("Automatic backup written to %1").arg(QDir::toNativeSeparators(path)),
                         false);
            return true;
        }
    }

    if (askToGoAhead(window, QMessageBox::Warning, QStringLiteral("no_backup_question"),
                     tr("No backup taken"),
                     tr("No backup of the board could be taken before %1:\n%2\n\nGo ahead "
                        "without a backup?")
                         .arg(backupCauseText(cause, BackupCauseWording::Action), error),
                     tr("&Go ahead without backup")))
        return true;
    hooks.report(tr("Stopped before %1: no backup could be taken")
                     .arg(backupCauseText(cause, BackupCauseWording::Action)),
                 true);
    return false;
}

void BackupController::backUpBoard()
{
    const int productId = hooks.currentProductId();
    FirmwareInfoTypeDef info{};
    if (productId < 0 || !hooks.boardInfo(productId, info)) {
        hooks.report(tr("Select a connected board to back up"), true);
        return;
    }
    // Offered in board_backups/, which is made here so the dialog can open in
    // it; the user may pick any other folder.
    QDir().mkpath(backupDirectory());
    const QString suggested =
        QDir(backupDirectory())
            .absoluteFilePath(
                modelNameForDeviceType(info.deviceType) + QLatin1Char('-') +
                QDateTime::currentDateTime().toString(QLatin1String(SUGGESTED_NAME_TIME_FORMAT)) +
                QLatin1String(BOARD_BACKUP_EXTENSION));
    QString path =
        QFileDialog::getSaveFileName(window, tr("Back up board"), suggested, fileFilter());
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(BOARD_BACKUP_EXTENSION)))
        path += QLatin1String(BOARD_BACKUP_EXTENSION);
    backUpTo(path);
}

bool BackupController::backUpTo(const QString &path)
{
    BoardBackup backup;
    QString error;
    if (!readBoard(hooks.currentProductId(), backup, error) ||
        !writeBoardBackup(path, backup, &error)) {
        hooks.report(tr("Backup failed: %1").arg(error), true);
        return false;
    }
    hooks.report(tr("Board backed up to %1").arg(QDir::toNativeSeparators(path)), false);
    return true;
}

void BackupController::restore()
{
    if (hooks.currentProductId() < 0) {
        hooks.report(tr("Select the board to restore to first"), true);
        return;
    }
    RestoreBackupDialog dialog(listAutomaticBackups(dataDir), backupDirectory(), window);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedPath().isEmpty())
        return;
    restoreFrom(dialog.selectedPath());
}

QString BackupController::describeBoardDifferences(const BoardIdentity &backup,
                                                   const BoardIdentity &connected)
{
    QStringList differences;
    if (backup.deviceType != connected.deviceType)
        differences << tr("The backup was taken from a %1 board; the selected board is a %2.")
                           .arg(modelDisplayName(backup.deviceType),
                                modelDisplayName(connected.deviceType));
    if (backup.firmwareVersion != connected.firmwareVersion)
        differences << tr("The backup was taken on firmware version %1; the selected board runs "
                          "version %2.")
                           .arg(backup.firmwareVersion)
                           .arg(connected.firmwareVersion);
    return differences.join(QLatin1Char('\n'));
}

bool BackupController::restoreFrom(const QString &path, bool differencesAccepted)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    BoardBackup backup;
    QString error;
    if (!readBoardBackup(path, backup, &error)) {
        QMessageBox box(QMessageBox::Warning, tr("Cannot restore"),
                        tr("%1 cannot be restored:\n%2").arg(shownPath, error), QMessageBox::Ok,
                        window);
        box.setObjectName(QStringLiteral("restore_failed_message"));
        box.exec();
        hooks.report(tr("Nothing restored: %1").arg(error), true);
        return false;
    }

    const int productId = hooks.currentProductId();
    FirmwareInfoTypeDef info{};
    if (productId < 0 || !hooks.boardInfo(productId, info)) {
        hooks.report(tr("Nothing restored: the board is not connected"), true);
        return false;
    }
    const QString differences = describeBoardDifferences(
        backup.board, boardIdentityFor(productId, info.deviceType, info.firmwareVersion));
    if (!differences.isEmpty() && !differencesAccepted) {
        if (!askToGoAhead(window, QMessageBox::Question,
                          QStringLiteral("restore_mismatch_question"),
                          tr("Restore a backup of another board?"),
                          differences + QStringLiteral("\n\n") +
                              tr("Settings made for another model or firmware may not suit "
                                 "this board. Load the backup into the forms anyway?"),
                          tr("&Load anyway"))) {
            hooks.report(tr("Nothing restored"), false);
            return false;
        }
    }

    if (hooks.mayReplaceForms && !hooks.mayReplaceForms()) {
        hooks.report(tr("Nothing restored"), false);
        return false;
    }
    hooks.loadIntoForms(backup.effects, backup.hardware);
    hooks.report(
        tr("Loaded %1 into the forms; apply or save to send it to the board").arg(shownPath),
        false);
    return true;
}
