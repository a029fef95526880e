#include "firmwareupdatedialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The demo build writes its firmware files here, beside the programs.
constexpr char DEMO_FIRMWARE_FOLDER[] = "demo-firmware";
const QStringList STEPS{QStringLiteral("erase"), QStringLiteral("write"), QStringLiteral("verify")};

QString hex32(uint32_t value)
{
    return QStringLiteral("0x%1").arg(value, 8, 16, QLatin1Char('0'));
}

QString hex16(int value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

QLabel *wrappingLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

FirmwareUpdateDialog::FirmwareUpdateDialog(FirmwareUpdateController *controller, QWidget *parent)
    : QDialog(parent), controller(controller)
{
    setObjectName(QStringLiteral("firmware_update_dialog"));
    setWindowTitle(tr("Update firmware"));
    setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(this);

    targetLabel = wrappingLabel(QStringLiteral("firmware_target_label"), this);
    layout->addWidget(targetLabel);

    auto *fileRow = new QHBoxLayout;
    auto *fileCaption = new QLabel(tr("&File:"), this);
    fileEdit = new QLineEdit(this);
    fileEdit->setObjectName(QStringLiteral("firmware_file_edit"));
    fileEdit->setReadOnly(true);
    fileEdit->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    fileCaption->setBuddy(fileEdit);
    chooseButton = new QPushButton(tr("C&hoose file…"), this);
    chooseButton->setObjectName(QStringLiteral("choose_firmware_button"));
    fileRow->addWidget(fileCaption);
    fileRow->addWidget(fileEdit, 1);
    fileRow->addWidget(chooseButton);
    layout->addLayout(fileRow);

    contentsLabel = wrappingLabel(QStringLiteral("firmware_contents_label"), this);
    planLabel = wrappingLabel(QStringLiteral("firmware_plan_label"), this);
    layout->addWidget(contentsLabel);
    layout->addWidget(planLabel);

    // Unticked: a file that does not name this board is written only when
    // the user says it suits it.
    anyDeviceBox = new QCheckBox(this);
    anyDeviceBox->setObjectName(QStringLiteral("firmware_consent_any_device"));
    noIdsBox = new QCheckBox(this);
    noIdsBox->setObjectName(QStringLiteral("firmware_consent_no_ids"));
    addressBox = new QCheckBox(this);
    addressBox->setObjectName(QStringLiteral("firmware_consent_address"));
    for (QCheckBox *box : {anyDeviceBox, noIdsBox, addressBox}) {
        layout->addWidget(box);
        box->hide();
        connect(box, &QCheckBox::toggled, this, &FirmwareUpdateDialog::updateStartButton);
    }

    // Always in place, so that nothing moves when the update starts.
    progressArea = new QWidget(this);
    auto *grid = new QGridLayout(progressArea);
    grid->setContentsMargins(0, 0, 0, 0);
    stageLabel = wrappingLabel(QStringLiteral("firmware_stage_label"), progressArea);
    grid->addWidget(stageLabel, 0, 0, 1, 2);
    const QStringList captions{tr("Erase"), tr("Write"), tr("Verify"), tr("Total")};
    for (int row = 0; row < captions.size(); ++row) {
        auto *bar = new QProgressBar(progressArea);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setObjectName(row < 3 ? QStringLiteral("firmware_%1_bar").arg(STEPS[row])
                                   : QStringLiteral("firmware_total_bar"));
        grid->addWidget(new QLabel(captions[row], progressArea), row + 1, 0);
        grid->addWidget(bar, row + 1, 1);
        if (row < 3)
            stepBars.append(bar);
        else
            totalBar = bar;
    }
    layout->addWidget(progressArea);

    outcomeLabel = wrappingLabel(QStringLiteral("firmware_outcome_label"), this);
    restoreLabel = wrappingLabel(QStringLiteral("firmware_restore_label"), this);
    layout->addWidget(outcomeLabel);
    layout->addWidget(restoreLabel);
    layout->addStretch(1);

    // Room for what every stage shows, reserved from the start, so that the
    // dialog keeps its size and its buttons their place throughout.
    const int line = fontMetrics().lineSpacing();
    for (const auto &[label, lines] : {std::pair{contentsLabel, 4}, std::pair{planLabel, 10},
                                       std::pair{outcomeLabel, 4}, std::pair{restoreLabel, 6}}) {
        label->setMinimumHeight(lines * line);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    setMinimumWidth(fontMetrics().averageCharWidth() * 100);

    auto *buttons = new QDialogButtonBox(this);
    startButton = buttons->addButton(tr("&Start update"), QDialogButtonBox::AcceptRole);
    startButton->setObjectName(QStringLiteral("start_update_button"));
    retryButton = buttons->addButton(tr("&Try again"), QDialogButtonBox::ActionRole);
    retryButton->setObjectName(QStringLiteral("retry_update_button"));
    restoreButton = buttons->addButton(tr("&Restore settings"), QDialogButtonBox::ActionRole);
    restoreButton->setObjectName(QStringLiteral("restore_settings_button"));
    keepButton = buttons->addButton(tr("&Keep settings as they are"), QDialogButtonBox::ActionRole);
    keepButton->setObjectName(QStringLiteral("keep_settings_button"));
    closeButton = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    closeButton->setObjectName(QStringLiteral("close_update_button"));
    // The buttons' own handlers decide; the box must not accept or reject.
    for (QPushButton *button : {startButton, retryButton, restoreButton, keepButton, closeButton})
        button->setAutoDefault(false);
    layout->addWidget(buttons);

    connect(chooseButton, &QPushButton::clicked, this, &FirmwareUpdateDialog::chooseFile);
    connect(startButton, &QPushButton::clicked, this,
            [this] { this->controller->start(consentsGiven()); });
    connect(retryButton, &QPushButton::clicked, this, [this] {
        for (QProgressBar *bar : stepBars)
            bar->setValue(0);
        totalBar->setValue(0);
        this->controller->retry();
    });
    connect(restoreButton, &QPushButton::clicked, this, [this] {
        emit restoreRequested(this->controller->backupPath(), this->controller->target().productId);
        accept();
    });
    connect(keepButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(closeButton, &QPushButton::clicked, this, &FirmwareUpdateDialog::reject);
    connect(controller, &FirmwareUpdateController::stageChanged, this,
            &FirmwareUpdateDialog::showStage);
    connect(controller, &FirmwareUpdateController::progress, this,
            &FirmwareUpdateDialog::showProgress);

    const auto &target = controller->target();
    targetLabel->setText(
        target.bootloaderPort.isEmpty()
            ? tr("%1, firmware %2").arg(target.boardName).arg(target.info.firmwareVersion) +
                  (target.boardPort.isEmpty() ? QString() : tr(" (port %1)").arg(target.boardPort))
            : tr("%1, waiting in its bootloader on port %2")
                  .arg(target.boardName, target.bootloaderPort));
    showStage(controller->stage());
    chooseButton->setDefault(true);
    chooseButton->setFocus();
}

void FirmwareUpdateDialog::chooseFile()
{
    QString folder = QFileInfo(controller->filePath()).absolutePath();
    if (controller->filePath().isEmpty()) {
        const QDir demo(QDir(QCoreApplication::applicationDirPath())
                            .filePath(QLatin1String(DEMO_FIRMWARE_FOLDER)));
        folder = demo.exists() ? demo.path() : QDir::homePath();
    }
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Choose firmware file"), folder,
                                     tr("Firmware files (*.dfu *.hex *.bin);;All files (*)"));
    if (!path.isEmpty())
        setFile(path);
}

void FirmwareUpdateDialog::setFile(const QString &path)
{
    for (QCheckBox *box : {anyDeviceBox, noIdsBox, addressBox})
        box->setChecked(false);
    controller->chooseFile(path);
    showFile();
    if (startButton->isEnabled())
        startButton->setFocus();
}

void FirmwareUpdateDialog::showFile()
{
    fileEdit->setText(QDir::toNativeSeparators(controller->filePath()));
    const FirmwareFile &file = controller->file();
    const int needed = controller->consentsNeeded();
    if (!controller->fileProblem().isEmpty()) {
        contentsLabel->setText(tr("This file cannot be used: %1").arg(controller->fileProblem()));
        planLabel->clear();
    } else if (controller->stage() == FirmwareUpdateController::Stage::Ready) {
        const char *formats[] = {"DfuSe (.dfu)", "DFU (.dfu)", "Intel HEX (.hex)", "raw (.bin)"};
        QStringList lines{tr("Format: %1").arg(QLatin1String(formats[int(file.format)]))};
        lines << (!file.hasSuffix ? tr("Device: the file names none")
                  : (file.vendorId == DFU_SUFFIX_ANY_ID || file.productId == DFU_SUFFIX_ANY_ID)
                      ? tr("Device: any (%1:%2)").arg(hex16(file.vendorId), hex16(file.productId))
                      : tr("Device: %1:%2").arg(hex16(file.vendorId), hex16(file.productId)));
        for (const FirmwareTarget &target : file.targets)
            for (const MemoryChunk &element : target.elements)
                lines << (file.needsAddress
                              ? tr("Memory %1: %2 bytes, no address").arg(target.alternateSetting)
                              : tr("Memory %1%2: %3 bytes at %4")
                                    .arg(target.alternateSetting)
                                    .arg(target.name.isEmpty()
                                             ? QString()
                                             : QStringLiteral(" (%1)").arg(target.name))
                                    .arg(element.data.size())
                                    .arg(hex32(element.address)));
        contentsLabel->setText(lines.join(QLatin1Char('\n')));
        planLabel->setText(planText());
    } else {
        contentsLabel->setText(tr("Choose the firmware file to write."));
        planLabel->clear();
    }
    anyDeviceBox->setText(tr("The file says it suits any device; I have checked that it is "
                             "meant for this board"));
    noIdsBox->setText(tr("The file names no device; I have checked that it is meant for this "
                         "board"));
    uint32_t address = 0;
    addressBox->setText(
        controller->rawAddress(&address)
            ? tr("Write the raw image at %1, the first writable address").arg(hex32(address))
            : tr("Write the raw image at the first writable address the "
                 "bootloader names"));
    anyDeviceBox->setVisible(needed & FirmwareUpdateController::AnyDeviceConsent);
    noIdsBox->setVisible(needed & FirmwareUpdateController::NoIdsConsent);
    addressBox->setVisible(needed & FirmwareUpdateController::RawAddressConsent);
    updateStartButton();
}

QString FirmwareUpdateDialog::planText() const
{
    const auto &target = controller->target();
    QStringList steps;
    if (target.bootloaderPort.isEmpty())
        steps
            << tr("Both settings records of %1 go into an automatic backup.").arg(target.boardName)
            << tr("%1 is sent to its bootloader and leaves the list for a moment.")
                   .arg(target.boardName);
    steps << tr("Only the sectors the file touches are erased; the file is written and read "
                "back.")
          << (target.productId > 0
                  ? tr("The new firmware is started, and %1 is awaited and its version read.")
                        .arg(target.boardName)
                  : tr("The new firmware is started."));
    QString text = tr("What will happen:");
    for (int i = 0; i < steps.size(); ++i)
        text += QStringLiteral("\n%1. %2").arg(i + 1).arg(steps[i]);
    return text + QLatin1Char('\n') +
           tr("Until writing starts you can cancel; after that the board stays in its "
              "bootloader until the update ends.");
}

int FirmwareUpdateDialog::consentsGiven() const
{
    int given = 0;
    if (anyDeviceBox->isChecked())
        given |= FirmwareUpdateController::AnyDeviceConsent;
    if (noIdsBox->isChecked())
        given |= FirmwareUpdateController::NoIdsConsent;
    if (addressBox->isChecked())
        given |= FirmwareUpdateController::RawAddressConsent;
    return given;
}

void FirmwareUpdateDialog::updateStartButton()
{
    const bool ready =
        controller->stage() == FirmwareUpdateController::Stage::Ready &&
        (consentsGiven() & controller->consentsNeeded()) == controller->consentsNeeded();
    startButton->setEnabled(ready);
    startButton->setDefault(ready);
}

void FirmwareUpdateDialog::showProgress(const QString &step, qint64 done, qint64 total)
{
    const int index = int(STEPS.indexOf(step));
    if (index < 0)
        return;
    const int percent = total > 0 ? int(100 * done / total) : 100;
    for (int earlier = 0; earlier < index; ++earlier)
        stepBars[earlier]->setValue(100);
    stepBars[index]->setValue(percent);
    totalBar->setValue((index * 100 + percent) / int(STEPS.size()));
    stageLabel->setText(index == 0   ? tr("Erasing…")
                        : index == 1 ? tr("Writing…")
                                     : tr("Reading back and comparing…"));
}

void FirmwareUpdateDialog::showStage(FirmwareUpdateController::Stage stage)
{
    using Stage = FirmwareUpdateController::Stage;
    const auto &target = controller->target();
    const bool choosing = stage == Stage::Choosing || stage == Stage::Ready;
    const bool ended =
        stage == Stage::Succeeded || stage == Stage::Failed || stage == Stage::Cancelled;
    chooseButton->setEnabled(choosing);
    for (QCheckBox *box : {anyDeviceBox, noIdsBox, addressBox})
        box->setEnabled(choosing);
    startButton->setVisible(choosing);
    updateStartButton();
    const bool failedInBootloader =
        stage == Stage::Failed && !controller->bootloaderPort().isEmpty();
    retryButton->setVisible(failedInBootloader);
    const bool offerRestore = stage == Stage::Succeeded && controller->boardCameBack() &&
                              !controller->backupPath().isEmpty();
    restoreButton->setVisible(offerRestore);
    keepButton->setVisible(offerRestore);
    closeButton->setText(ended ? tr("&Close") : tr("&Cancel"));
    // After a success the two answers to the restore offer close the dialog.
    closeButton->setVisible(!offerRestore);
    // Cancelling is possible until writing starts; afterwards the button
    // asks first, like closing the dialog.
    closeButton->setEnabled(stage != Stage::SendingToBootloader);

    switch (stage) {
    case Stage::Choosing:
    case Stage::Ready:
        stageLabel->setText(tr("Not started."));
        break;
    case Stage::SendingToBootloader:
        stageLabel->setText(
            tr("Backing up the settings and sending %1 to its bootloader…").arg(target.boardName));
        break;
    case Stage::AwaitingBootloader:
        stageLabel->setText(
            tr("Waiting for the bootloader (at most %1 s)…").arg(BOOTLOADER_APPEARS_MS / 1000));
        break;
    case Stage::Writing:
        stageLabel->setText(tr("Erasing…"));
        break;
    case Stage::Starting:
        stageLabel->setText(tr("Starting the new firmware…"));
        break;
    case Stage::AwaitingBoard:
        stageLabel->setText(tr("Waiting for %1 to come back (at most %2 s)…")
                                .arg(target.boardName)
                                .arg(BOARD_RETURNS_MS / 1000));
        break;
    case Stage::Succeeded:
        stageLabel->setText(tr("Done."));
        for (QProgressBar *bar : stepBars)
            if (bar->value() > 0)
                bar->setValue(100);
        totalBar->setValue(100);
        break;
    case Stage::Failed:
        stageLabel->setText(tr("The update failed."));
        break;
    case Stage::Cancelled:
        stageLabel->setText(tr("Stopped."));
        break;
    }
    outcomeLabel->setText(ended ? controller->outcomeText() : QString());
    outcomeLabel->setStyleSheet(stage == Stage::Failed ? QStringLiteral("color: #b00020;")
                                                       : QString());
    if (offerRestore) {
        const bool same = controller->restoreByDefault();
        restoreLabel->setText(
            same ? tr("The firmware version is unchanged. Restore the settings from the backup "
                      "taken before the update (%1)?")
                       .arg(QDir::toNativeSeparators(controller->backupPath()))
                 : tr("The firmware changed from %1 to %2, and the layout of the settings "
                      "records may differ between versions. Restore the settings from the "
                      "backup taken before the update (%3) only if the new firmware reads them "
                      "the same way; otherwise check and set them again.")
                       .arg(controller->versionBefore())
                       .arg(controller->versionAfter())
                       .arg(QDir::toNativeSeparators(controller->backupPath())));
        (same ? restoreButton : keepButton)->setDefault(true);
        (same ? restoreButton : keepButton)->setFocus();
    } else {
        restoreLabel->clear();
        restoreButton->setDefault(false);
        keepButton->setDefault(false);
    }
    if (failedInBootloader) {
        retryButton->setDefault(true);
        retryButton->setFocus();
    }
    if (choosing)
        showFile();
}

bool FirmwareUpdateDialog::mayClose()
{
    using Stage = FirmwareUpdateController::Stage;
    switch (controller->stage()) {
    case Stage::SendingToBootloader:
        return false;
    case Stage::Choosing:
    case Stage::Ready:
    case Stage::AwaitingBootloader:
        if (controller->cancel())
            return true;
        break;  // writing started meanwhile
    case Stage::Writing:
        break;
    default:
        return true;
    }
    if (!askToLeaveInBootloader(
            this, QStringLiteral("stop_update_question"), tr("Stop following the update?"),
            tr("The board's flash is being written. The update goes on to its end, but "
               "if you close this window the new firmware is not started: the board "
               "will stay in its bootloader, listed in the board list, where its "
               "firmware can be started or updated again."),
            tr("Keep &watching")))
        return false;
    // The update may have ended while the question was open.
    if (controller->stage() == Stage::Writing)
        controller->abandon();
    return true;
}

void FirmwareUpdateDialog::reject()
{
    if (mayClose())
        QDialog::reject();
}

bool askToLeaveInBootloader(QWidget *parent, const QString &objectName, const QString &title,
                            const QString &text, const QString &stayText)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    box.setObjectName(objectName);
    QPushButton *stay = box.addButton(stayText, QMessageBox::RejectRole);
    box.addButton(FirmwareUpdateDialog::tr("&Close and leave it in its bootloader"),
                  QMessageBox::AcceptRole);
    box.setDefaultButton(stay);
    box.setEscapeButton(stay);
    box.exec();
    return box.clickedButton() && box.clickedButton() != stay;
}
