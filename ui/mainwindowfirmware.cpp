// Firmware updates in the window: Board > Update firmware…, the boards
// waiting in their bootloader listed after the board rows, and the notice
// with the firmware actions in place of the settings pages.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "device/attachedboards.h"
#include "settings/automaticbackups.h"
#include "ui/backupcontroller.h"
#include "ui/bootloaderwatch.h"
#include "ui/firmwarenotice.h"
#include "ui/firmwareupdatecontroller.h"
#include "ui/firmwareupdatedialog.h"
#include "ui/liveinputview.h"

#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// How long after a bootloader was told to start the firmware it may still be
// listed: a real one leaves the bus at once and, finding no whole firmware,
// is back within about a second; the list is looked at every 2 s.
constexpr int FIRMWARE_START_CHECK_MS = 5000;

}  // namespace

void MainWindow::initFirmwareUpdates()
{
    FirmwareUpdateController::Hooks hooks;
    hooks.takeBackup = [this](int productId) {
        return backups->takeAutomaticBackup(productId, QLatin1String(BACKUP_CAUSE_DFU));
    };
    hooks.lastBackupPath = [this] { return backups->lastAutomaticBackup(); };
    firmwareUpdate = new FirmwareUpdateController(worker.get(), std::move(hooks), this);
    firmwareUpdate->setObjectName(QStringLiteral("firmware_update_controller"));
    connect(firmwareUpdate, &FirmwareUpdateController::stageChanged, this,
            &MainWindow::onFirmwareUpdateStage);
    connect(firmwareUpdate, &FirmwareUpdateController::firmwareStartFinished, this,
            [this](const QString &port, bool ok, const QString &error) {
                showStatus(
                    ok ? tr("The bootloader on port %1 starts the board's firmware; the "
                            "board is listed again once it runs.")
                             .arg(port)
                       : tr("The firmware on port %1 could not be started: %2").arg(port, error),
                    !ok);
                bootloaderWatch->lookNow();
                if (ok)
                    QTimer::singleShot(FIRMWARE_START_CHECK_MS, this,
                                       [this, port] { checkFirmwareStarted(port); });
            });

    bootloaderWatch = new BootloaderWatch(this);
    bootloaderWatch->setObjectName(QStringLiteral("bootloader_watch"));
    connect(bootloaderWatch, &BootloaderWatch::changed, this, &MainWindow::updateBootloaderRows);

    // Where the pages are, which are hidden whenever it shows: the board
    // list above it stays where it is.
    firmwareNotice = new FirmwareNotice(ui->centralWidget);
    ui->verticalLayout_6->insertWidget(ui->verticalLayout_6->indexOf(ui->devices_combo_box) + 1,
                                       firmwareNotice);
    connect(firmwareNotice, &FirmwareNotice::updateRequested, this,
            &MainWindow::openFirmwareUpdate);
    connect(firmwareNotice, &FirmwareNotice::startRequested, this,
            &MainWindow::startBootloaderFirmware);
}

void MainWindow::openFirmwareUpdate()
{
    if (firmwareUpdate->isBusy()) {
        showStatus(tr("A firmware update is still running"), true);
        return;
    }
    FirmwareUpdateController::Target target;
    const auto boardTarget = [this, &target](int productId) {
        target.productId = productId;
        target.info = deviceList.value(productId);
        target.boardName = boardName(productId);
        bool known = false;
        const QList<AttachedBoard> attached =
            enumerateAttachedBoards(BOARD_VENDOR_ID, {productId}, &known);
        if (known && attached.size() == 1)
            target.boardPort = attached.first().port;
    };
    const auto bootloaderTarget = [this, &target](const BootloaderEntry &entry) {
        target.bootloaderPort = entry.port;
        target.productId = boardOnPort.value(entry.port, -1);
        target.boardName = boardNameOnPort(entry.port);
        target.memories = entry.memories;
        target.bootloaderVendor = entry.vendorId;
        target.bootloaderProduct = entry.productId;
    };
    if (const BootloaderEntry *picked = pickedBootloaderEntry()) {
        if (!picked->openable) {
            showFirmwareNotice();
            return;
        }
        bootloaderTarget(*picked);
    } else if (currentProductId != -1) {
        // The board leaves for its bootloader: what it holds unsaved is lost.
        if (!confirmLeavingBoard(false))
            return;
        boardTarget(currentProductId);
    } else if (deviceList.contains(mismatchedProductId)) {
        boardTarget(mismatchedProductId);
    } else if (deviceList.size() == 1 && bootloaders.isEmpty()) {
        boardTarget(deviceList.firstKey());
    } else if (deviceList.isEmpty() && bootloaders.size() == 1 && bootloaders.first().openable) {
        bootloaderTarget(bootloaders.first());
    } else {
        showStatus(tr("Pick the board to update in the board list first"), true);
        return;
    }
    if (liveInputView)
        liveInputView->stopForceTest();
    firmwareUpdate->setTarget(target);
    auto *dialog = new FirmwareUpdateDialog(firmwareUpdate, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &FirmwareUpdateDialog::restoreRequested, this, &MainWindow::restoreAfterUpdate);
    dialog->open();
}

void MainWindow::onFirmwareUpdateStage()
{
    using Stage = FirmwareUpdateController::Stage;
    const Stage stage = firmwareUpdate->stage();
    // The bootloader is the update's alone while it runs (by its stage: the
    // thread may still be ending when the last stage arrives).
    bootloaderWatch->setPaused(stage == Stage::SendingToBootloader ||
                               stage == Stage::AwaitingBootloader || stage == Stage::Writing ||
                               stage == Stage::Starting);
    const int pid = firmwareUpdate->target().productId;
    switch (stage) {
    case Stage::AwaitingBootloader:
        if (pid > 0 && changeTracker)
            changeTracker->boardLostWorkingMemory(pid);
        if (pid == currentProductId && pid != -1) {
            // Its pages would offer requests to a board that has left.
            ui->devices_combo_box->setCurrentIndex(-1);
            resetDeviceSelection();
        }
        break;
    case Stage::Succeeded:
        showStatus(firmwareUpdate->outcomeText(), false);
        mismatchedProductId = -1;
        showFirmwareNotice();
        // Picked again when nothing else is, and straight into its pages
        // when its firmware is now the one this program is made for.
        if (firmwareUpdate->boardCameBack() && currentProductId == -1 &&
            pickedBootloader.isEmpty() &&
            firmwareUpdate->versionAfter() == SUPPORTED_FIRMWARE_VERSION) {
            const int row = productIdByType.key(pid, -1);
            if (row >= 0) {
                ui->devices_combo_box->setCurrentIndex(row);
                on_devices_combo_box_activated(row);
            }
        }
        bootloaderWatch->lookNow();
        break;
    case Stage::Failed:
    case Stage::Cancelled:
        showStatus(firmwareUpdate->outcomeText(), stage == Stage::Failed);
        bootloaderWatch->lookNow();
        break;
    default:
        break;
    }
}

void MainWindow::restoreAfterUpdate(const QString &backupPath, int productId)
{
    if (productId != currentProductId) {
        const int row = productIdByType.key(productId, -1);
        if (row < 0 || !deviceList.contains(productId)) {
            showStatus(tr("Nothing restored: %1 is not connected").arg(boardName(productId)), true);
            return;
        }
        ui->devices_combo_box->setCurrentIndex(row);
        on_devices_combo_box_activated(row);
        if (currentProductId != productId)
            return;
    }
    // After the reads that picking the board posted, so that they do not
    // overwrite the restored records.
    // (What post() does; its template lives with the window's requests.)
    const QString busy = tr("Restoring the settings of %1…").arg(boardName(productId));
    QTimer::singleShot(0, this, [this, busy, backupPath] {
        runBlocking(busy, [this, backupPath] { backups->restoreFrom(backupPath, true); });
    });
}

void MainWindow::startBootloaderFirmware()
{
    if (pickedBootloader.isEmpty() || firmwareUpdate->isBusy())
        return;
    showStatus(tr("Starting the firmware of the board on port %1…").arg(pickedBootloader), false);
    firmwareUpdate->startFirmware(pickedBootloader);
}

void MainWindow::checkFirmwareStarted(const QString &port)
{
    // A bootloader that finds no whole firmware to start stays on the bus (or
    // comes back at once): the board would otherwise never be listed again,
    // with nothing said.
    const bool stayed = std::any_of(bootloaders.cbegin(), bootloaders.cend(),
                                    [&port](const BootloaderEntry &e) { return e.port == port; });
    if (stayed)
        showStatus(tr("The board on port %1 stayed in its bootloader: the firmware it holds did "
                      "not start, it may be missing or damaged. Update its firmware.")
                       .arg(port),
                   true);
}

const BootloaderEntry *MainWindow::pickedBootloaderEntry() const
{
    for (const BootloaderEntry &entry : bootloaders)
        if (entry.port == pickedBootloader)
            return &entry;
    return nullptr;
}

QString MainWindow::boardNameOnPort(const QString &port) const
{
    const int pid = boardOnPort.value(port, -1);
    return pid > 0 ? boardName(pid) : tr("The board");
}

bool MainWindow::isBootloaderRow(int row) const
{
    return row >= productIdByType.size() && row < productIdByType.size() + bootloaders.size();
}

QString MainWindow::bootloaderRowText(const BootloaderEntry &entry) const
{
    const int pid = boardOnPort.value(entry.port, -1);
    QString text =
        pid > 0 ? tr("%1 — waiting in its bootloader (port %2)").arg(boardName(pid), entry.port)
                : tr("Board waiting in its bootloader (port %1)").arg(entry.port);
    if (!entry.openable)
        text += tr(" — cannot be opened");
    return text;
}

void MainWindow::updateBootloaderRows(const QList<BootloaderEntry> &entries)
{
    QComboBox *list = ui->devices_combo_box;
    const int base = int(productIdByType.size());
    int picked = -1;
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].port == pickedBootloader)
            picked = i;
    // The picked entry left: nothing is picked any more. Cleared before the
    // rows go, so that the list does not move its selection onto another.
    if (!pickedBootloader.isEmpty() && picked < 0) {
        pickedBootloader.clear();
        list->setCurrentIndex(-1);
    }
    bootloaders = entries;
    while (list->count() > base + entries.size())
        list->removeItem(list->count() - 1);
    for (int i = 0; i < entries.size(); ++i) {
        const QString text = bootloaderRowText(entries[i]);
        if (base + i < list->count())
            list->setItemText(base + i, text);
        else
            list->addItem(style()->standardIcon(QStyle::SP_BrowserReload), text);
        list->setItemData(base + i,
                          entries[i].openable
                              ? tr("Ids %1:%2; memory: %3")
                                    .arg(entries[i].vendorId, 4, 16, QLatin1Char('0'))
                                    .arg(entries[i].productId, 4, 16, QLatin1Char('0'))
                                    .arg(entries[i].memories.join(QStringLiteral("; ")))
                              : entries[i].openError,
                          Qt::ToolTipRole);
    }
    if (picked >= 0)
        list->setCurrentIndex(base + picked);
    showFirmwareNotice();
}

void MainWindow::pickBootloaderRow(int row)
{
    if (currentProductId != -1 && !confirmLeavingBoard(false)) {
        ui->devices_combo_box->setCurrentIndex(productIdByType.key(currentProductId, -1));
        return;
    }
    const QString port = bootloaders.at(row - int(productIdByType.size())).port;
    resetDeviceSelection();
    mismatchedProductId = -1;
    pickedBootloader = port;
    ui->devices_combo_box->setCurrentIndex(row);
    showFirmwareNotice();
}

void MainWindow::showFirmwareNotice()
{
    if (const BootloaderEntry *picked = pickedBootloaderEntry()) {
        const QString board = boardNameOnPort(picked->port);
        if (picked->openable)
            firmwareNotice->showNotice(
                tr("%1 waits in its bootloader on port %2: it has no settings to show until "
                   "its firmware runs. Update its firmware, or start the firmware it holds.")
                    .arg(board, picked->port),
                true, true);
        else
            firmwareNotice->showNotice(
                tr("A bootloader waits on port %1 but cannot be opened: %2. Install the udev "
                   "rule that comes with this program (see Troubleshooting in the manual), "
                   "then unplug the board and plug it in again.")
                    .arg(picked->port, picked->openError),
                true, false);
        return;
    }
    if (currentProductId == -1 && deviceList.contains(mismatchedProductId)) {
        firmwareNotice->showNotice(
            tr("%1 runs firmware %2; this program is made for %3. Update its firmware with a "
               "file of version %3, or pick it anyway to work with it as it is.")
                .arg(boardName(mismatchedProductId))
                .arg(deviceList.value(mismatchedProductId).firmwareVersion)
                .arg(SUPPORTED_FIRMWARE_VERSION),
            false, true);
        return;
    }
    firmwareNotice->hide();
}

void MainWindow::rememberBoardPorts()
{
    bool known = false;
    for (const AttachedBoard &board :
         enumerateAttachedBoards(BOARD_VENDOR_ID, productIdByType.values(), &known))
        if (!board.port.isEmpty())
            boardOnPort.insert(board.port, board.productId);
}

bool MainWindow::confirmCloseDuringUpdate()
{
    // Before writing starts the update simply stops; once the new firmware
    // is being started, it starts whether the window stays or not.
    if (!firmwareUpdate || !firmwareUpdate->isBusy() || firmwareUpdate->cancel() ||
        !firmwareUpdate->isWriting())
        return true;
    if (!askToLeaveInBootloader(
            this, QStringLiteral("close_during_update_question"), tr("Firmware update running"),
            tr("A firmware update is still running. If you close the program now, it "
               "waits for the flash to be written, but the new firmware is not started: "
               "the board will stay in its bootloader."),
            tr("&Keep the program open")))
        return false;
    firmwareUpdate->abandon();
    return true;
}
