#include "mainwindow.h"
#include "ui_mainwindow.h"
#include "ui_mainwindowpages.h"

#include "app/startupoptions.h"
#include "device/settingsuibackgroundthread.h"
#include "settings/automaticbackups.h"
#include "settings/recordmetatypes.h"
#include "settings/untouchedfields.h"
#include "ui/backupcontroller.h"
#include "ui/blockedinput.h"
#include "ui/boardnotice.h"
#include "ui/bootloaderwatch.h"
#include "ui/firmwarenotice.h"
#include "ui/firmwareupdatecontroller.h"
#include "ui/gameswitchnotices.h"
#include "ui/liveinputview.h"
#include "ui/profileexchange.h"
#include "ui/statusline.h"
#include "ui/unreadgroupnotice.h"
#include "ui/widgets/lazyfileicon.h"
#include "ui/widgets/pagescrollarea.h"
#include "ui/widgets/wheelguard.h"
#include "ui/widgets/widgethelpers.h"

#include <libusb.h>

#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <QUrl>

#include <cstring>
#include <iterator>
#include <utility>

namespace {

// Shown untranslated on purpose: the warning must stay readable whatever
// catalogue is installed.
const QString VERSION_MISMATCH_TITLE = QStringLiteral("Version mismatch!");
const QString VERSION_MISMATCH_TEXT = QStringLiteral(
    "Device firmware and Gravolt Setup have different versions. Changing settings with "
    "incompatible software can cause unexpected device behaviour.\n\n"
    "**Consider using matching versions of Gravolt Setup and firmware.**");

// Extensions on the SPI pins, in spi_mode code order after "Disabled". They
// are part numbers and product names, the same in every language.
constexpr const char *SPI_EXTENSION_NAMES[] = {
    "SN74HC165N x 3",
    "C4021 x 3",
    "Thrustmaster",
    "VPC Flnkr (WIP)",
    "VPC Alpha Prime R (WIP)",
    "VPC MongoosT (DEBUG)",
    "VPC MongoosT CM2 (DEBUG)",
    "VPC VFX (DEBUG)",
};
static_assert(std::size(SPI_EXTENSION_NAMES) + 1 == SPI_MODE_COUNT);

}  // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    for (const BoardModel &model : BOARD_MODELS) {
        productIdByType.insert(model.deviceType, model.productId);
        deviceNames.insert(model.deviceType, QString::fromUtf8(model.displayName));
    }

    registerRecordMetaTypes();
    worker = std::make_unique<SettingsUiBackgroundThread>(productIdByType.values(), BOARD_VENDOR_ID,
                                                          nullptr);

    windowIconImage = lazyFileIcon(WINDOW_ICON_FILE);
    windowTitleText = applicationWindowTitle();

    // A failed initialisation leaves the scans finding no board, which is all
    // the user could be told anyway.
    (void)libusb_init(nullptr);

    // The translation must be installed before the form looks up its texts.
    advanced = runStartupConfiguration(translator, qtTranslator);
    // The window took the system's locale when it was constructed, before the
    // language was known; its controls (a decimal spin box's separator) take
    // the window's.
    setLocale(QLocale());

    // Before any control exists, so that it sees every one being polished.
    QCoreApplication::instance()->installEventFilter(new WheelGuard(this));
    // The frame: the board list with the DFU and reboot buttons. The pages,
    // hundreds of controls that stay hidden until a board is picked, are
    // built when they are first needed (ensurePages), so that the window's
    // first frame waits for none of them.
    ui->setupUi(this);
    setWindowIcon(windowIconImage);
    setWindowTitle(windowTitleText);

    // Takes the room of the pages while they are hidden.
    emptyRoom = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
    ui->verticalLayout_6->insertItem(ui->verticalLayout_6->indexOf(ui->devices_combo_box) + 1,
                                     emptyRoom);

    initBackups();
    initFirmwareUpdates();

    for (int row = 0; row < productIdByType.size(); ++row) {
        ui->devices_combo_box->addItem(QString());
        setComboRowHidden(ui->devices_combo_box, row, true);
    }
    connect(ui->reboot_button, &QPushButton::clicked, this, &MainWindow::onReboot);

    // Says why a board that is plugged in is missing from the list below it.
    auto *boardNotice = new BoardNotice(productIdByType.values(), ui->centralWidget);
    ui->verticalLayout_6->insertWidget(0, boardNotice);
    connect(worker.get(), &SettingsUiBackgroundThread::connectedDevices, boardNotice,
            &BoardNotice::updateFromScan);

    connect(worker.get(), &SettingsUiBackgroundThread::connectedDevices, this,
            &MainWindow::updateConnectedDevices);
    connect(worker.get(), &SettingsUiBackgroundThread::effectSettingsObtained, this,
            &MainWindow::onEffectSettingsObtained);
    connect(worker.get(), &SettingsUiBackgroundThread::hardwareSettingsObtained, this,
            &MainWindow::onHardwareSettingsObtained);
    connect(worker.get(), &SettingsUiBackgroundThread::operationFinished, this,
            &MainWindow::onOperationFinished);

    // Under the pages, in code so that the form stays as designed.
    operationStatusLabel = new StatusLine(this);
    operationStatusLabel->setObjectName(QStringLiteral("operation_status_label"));
    blockedInput = new BlockedInput(this);
    statusBar()->setObjectName(QStringLiteral("operation_status_bar"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(operationStatusLabel, 1);

    // The game watcher, another process, changed a board's effect settings:
    // the form would show the old ones, so they are read again (asking first
    // when the form holds edits).
    connect(new GameSwitchNotices(QDir::currentPath(), this), &GameSwitchNotices::boardSwitched,
            this, [this](int productId) {
                // Not before the pages exist: a board being picked (its
                // version question still open) is read once it is accepted.
                if (productId != currentProductId || !pages)
                    return;
                onReadEffectSettings();
                // After the read's own report, so that this one stays in view.
                post(tr("Reading effect settings from %1…").arg(boardName(productId)), [this,
                                                                                        productId] {
                    showStatus(tr("A game started or ended: the game watcher changed the effect "
                                  "settings of %1.")
                                   .arg(boardName(productId)),
                               false);
                });
            });

    // Fires once the event loop runs; by then the worker lives on its thread,
    // so `start` arrives there as a queued call and the scans run there.
    startTimer = std::make_unique<QTimer>();
    connect(startTimer.get(), &QTimer::timeout, worker.get(), &SettingsUiBackgroundThread::start);
    startTimer->setSingleShot(true);
    startTimer->start(0);

    workerThread = std::make_unique<QThread>();
    workerThread->start(QThread::InheritPriority);
    worker->moveToThread(workerThread.get());

    ui->reboot_button->hide();
    ui->dfu_mode_button->hide();
    // Picking a board is the first thing to do.
    ui->devices_combo_box->setFocus();

    // The smallest size that shows everything, rather than the form's design
    // size; the program's start then gives the window the size and place it
    // was left at. The second pass, once the event loop runs, follows
    // whatever polishing changed, without undoing a larger size.
    resize(minimumSizeHint());
    QTimer::singleShot(0, this, [this] { resize(size().expandedTo(minimumSizeHint())); });
}

void MainWindow::ensurePages()
{
    if (pages)
        return;
    pages = new Ui::MainWindowPages;
    // Built in place, hidden: the form builds each page apart and then moves
    // it into the tab widget. The pages carry the window's font in the form,
    // so the move changes no font and sends no font change through their
    // controls (each combo box would build its popup list for it).
    auto *tabs = new QTabWidget(ui->centralWidget);
    tabs->hide();
    pages->setupUi(tabs);
    pageTabs = tabs;
    ui->verticalLayout_6->insertWidget(ui->verticalLayout_6->indexOf(ui->devices_combo_box) + 1,
                                       tabs);
    // By hand: the by-name connections were made when the frame was built.
    connect(pages->spiModeCombo, &QComboBox::activated, this,
            &MainWindow::on_spiModeCombo_activated);

    initGpioModeCombos();
    initButtonModeCombos();
    initAnalogAxisLists();

    liveInputView = new LiveInputView(tabs);
    tabs->addTab(liveInputView, tr("Live input"));
    hideSettingsPages();

    onPage = {
        {pages->tab, pages->read_effects_settings_button, pages->apply_effect_settings_button,
         pages->save_effects_settings_button},
        {pages->hardware_tab, pages->read_hardware_settings_button_1,
         pages->apply_hardware_settings_button_1, pages->save_hardware_settings_button_1},
        {pages->gpio_tab, pages->read_hardware_settings_button_2,
         pages->apply_hardware_settings_button_2, pages->save_hardware_settings_button_2},
        {pages->buttons_tab, pages->read_hardware_settings_button_3,
         pages->apply_hardware_settings_button_3, pages->save_hardware_settings_button_3},
        {pages->analog_axes_tab, pages->read_hardware_settings_button_4,
         pages->apply_hardware_settings_button_4, pages->save_hardware_settings_button_4},
    };
    const PageButtons &effects = onPage.first();
    const QList<PageButtons> hardwarePages = onPage.mid(1);
    connect(effects.read, &QPushButton::clicked, this, &MainWindow::onReadEffectSettings);
    connect(effects.apply, &QPushButton::clicked, this, &MainWindow::onApplyEffectSettings);
    connect(effects.save, &QPushButton::clicked, this, &MainWindow::onSaveEffectSettings);
    for (const PageButtons &trio : hardwarePages) {
        connect(trio.read, &QPushButton::clicked, this, &MainWindow::onReadHardwareSettings);
        connect(trio.apply, &QPushButton::clicked, this, &MainWindow::onApplyHardwareSettings);
        connect(trio.save, &QPushButton::clicked, this, &MainWindow::onSaveHardwareSettings);
    }

    effectsUnshowableNotice =
        insertNoticeAbove(effects.read, QStringLiteral("effects_unshowable_notice"));
    for (int page = 0; page < hardwarePages.size(); ++page)
        hardwareUnshowableNotices << insertNoticeAbove(
            hardwarePages[page].read,
            QStringLiteral("hardware_unshowable_notice_%1").arg(page + 1));
    connect(pages->effects_settings_widget, &FullEffectSettingsWidget::profileApplied, this,
            &MainWindow::showUnshowableNotices);

    // In each page's place until its group is read from the selected board.
    const auto addUnreadNotice = [this](QWidget *values, const QString &name,
                                        void (MainWindow::*read)(), int offset = 0) {
        auto *notice = new UnreadGroupNotice(name, values->parentWidget());
        if (auto *layout = qobject_cast<QBoxLayout *>(values->parentWidget()->layout()))
            layout->insertWidget(layout->indexOf(values) + offset, notice);
        connect(notice, &UnreadGroupNotice::readRequested, this, read);
        return notice;
    };
    effectsUnreadNotice =
        addUnreadNotice(pages->effects_scroll_area, QStringLiteral("effects_unread_notice"),
                        &MainWindow::onReadEffectSettings, 1);
    // The effects page keeps its profiles in view, where they were: the
    // notice takes its room from the emptied page below them, not above.
    effectsUnreadNotice->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    hardwareValueAreas = {pages->hardware_scroll_area, pages->gpio_scroll_area,
                          pages->buttons_scroll_area, pages->analog_axes_scroll_area};
    for (int page = 0; page < hardwareValueAreas.size(); ++page)
        hardwareUnreadNotices << addUnreadNotice(
            hardwareValueAreas[page], QStringLiteral("hardware_unread_notice_%1").arg(page + 1),
            &MainWindow::onReadHardwareSettings);

    changeTracker = new ChangeTracker(tabs);
    changeTracker->addGroup(SettingsGroup::Effects, {effects.page}, {effects.read},
                            [this] { return recordBytes(effectSettingsToSend()); });
    QList<QWidget *> hardwareTabs, hardwareReads;
    for (const PageButtons &trio : hardwarePages) {
        hardwareTabs << trio.page;
        hardwareReads << trio.read;
    }
    changeTracker->addGroup(SettingsGroup::Hardware, hardwareTabs, hardwareReads,
                            [this] { return recordBytes(hardwareSettingsToSend()); });
    changeTracker->setInvalidInputCheck(SettingsGroup::Hardware, [this] {
        return !pages->hardware_settings_widget->hasValidInput();
    });
    changeTracker->setCurrentBoard(currentProductId, boardName(currentProductId));
    pages->effects_settings_widget->setUnsavedEditsCheck(
        [this] { return changeTracker->hasEdits(SettingsGroup::Effects); });

    connect(pages->effects_settings_widget, &FullEffectSettingsWidget::statusMessage, this,
            &MainWindow::showStatus);
    connect(pages->effects_settings_widget, &FullEffectSettingsWidget::profileApplied, this,
            [this] {
                effectProfileLoaded = true;
                updateWriteButtons();
            });
    connect(pages->hardware_settings_widget, &FullHardwareSettingsWidget::validityChanged, this,
            &MainWindow::updateWriteButtons);
    connect(pages->effects_settings_widget->profileExchange(), &ProfileExchange::restoreRequested,
            backups, [this](const QString &path) { backups->restoreFrom(path); });
    updateWriteButtons();
}

MainWindow::~MainWindow()
{
    // Both wait for their DFU thread, which uses libusb too.
    delete firmwareUpdate;
    delete bootloaderWatch;
    delete pages;
    pages = nullptr;
    delete ui;
    ui = nullptr;
    // libusb must outlive every use of it: the scans on the worker thread and
    // the handles the worker holds.
    stopWorker();
    libusb_exit(nullptr);
}

void MainWindow::stopWorker()
{
    if (!worker)
        return;
    // The start timer may not have fired yet; it must not start a worker
    // that is being taken down.
    startTimer.reset();
    SettingsUiBackgroundThread::stopAndDelete(worker.release(), workerThread.get());
    workerThread.reset();
}

template <typename Request> void MainWindow::post(const QString &busyText, Request &&request)
{
    // Every operation on the board starts here: no test force may play
    // through a read, a write, a reboot or the switch to DFU mode.
    if (liveInputView)
        liveInputView->stopForceTest();
    QTimer::singleShot(0, this, [this, busyText, request = std::forward<Request>(request)] {
        runBlocking(busyText, request);
    });
}

void MainWindow::runBlocking(const QString &busyText, const std::function<void()> &operation)
{
    // Requests keep their order: one posted while the input of the one before
    // is dropped runs at the next turn instead, after the drop.
    if (blockedInput->isDraining()) {
        QTimer::singleShot(0, this,
                           [this, busyText, operation] { runBlocking(busyText, operation); });
        return;
    }
    // Painted now: the event loop paints nothing until the board answers. The
    // previous outcome, a failure too, goes with it.
    operationStatusLabel->showMessage(busyText, StatusLine::Kind::Busy);
    operationStatusLabel->repaint();
    blockedInput->run([this, &busyText, &operation] {
        operation();
        // A request the worker dropped (its board gone) reports nothing; the
        // line must not go on saying that it runs.
        if (operationStatusLabel->kind() == StatusLine::Kind::Busy &&
            operationStatusLabel->text() == busyText)
            operationStatusLabel->showMessage(QString(), StatusLine::Kind::Success);
    });
}

void MainWindow::hideSettingsPages()
{
    // Without a board the room of the pages stays empty.
    emptyRoom->changeSize(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
    ui->verticalLayout_6->invalidate();
    if (!pages)
        return;
    // Whatever hides the pages leaves no board to watch.
    liveInputView->setBoard(-1);
    // Runs on every device report while nothing is selected: hiding a tab
    // that is already hidden still relayouts and repaints the whole window.
    // The current tab goes last. Hiding it moves the selection on to the
    // next visible tab, and each move turns the stack's updates off and on
    // again through every control of every page.
    QTabWidget *tabs = pageTabs;
    const int current = tabs->currentIndex();
    for (int page = 0; page < tabs->count(); ++page)
        if (page != current && tabs->isTabVisible(page))
            tabs->setTabVisible(page, false);
    if (current >= 0 && tabs->isTabVisible(current))
        tabs->setTabVisible(current, false);
    // Without a page the tab frame is an empty box; the board list stays at
    // the top of a window that keeps its size.
    tabs->hide();
}

void MainWindow::resetDeviceSelection()
{
    currentProductId = -1;
    pickedBootloader.clear();
    if (firmwareNotice)
        firmwareNotice->hide();
    forgetBoardRecords();
    hideSettingsPages();
    ui->reboot_button->hide();
    ui->dfu_mode_button->hide();
}

void MainWindow::updateConnectedDevices(const QMap<int, FirmwareInfoTypeDef> &devices)
{
    const bool boardsChanged = deviceList.keys() != devices.keys();
    deviceList = devices;
    if (boardsChanged)
        rememberBoardPorts();
    const RebootWatch::State rebootState =
        rebootWatch.isWaiting() ? rebootWatch.update(devices) : RebootWatch::State::Idle;
    // A board off the bus has lost its working memory.
    if (changeTracker)
        changeTracker->keepBoards(deviceList.keys());

    if (!deviceList.contains(currentProductId)) {
        currentProductId = -1;
        forgetBoardRecords();
        // A picked bootloader entry stays picked.
        if (pickedBootloader.isEmpty())
            ui->devices_combo_box->setCurrentIndex(-1);
        if (deviceList.isEmpty()) {
            ui->devices_combo_box->setPlaceholderText(tr("No compatible devices connected"));
        } else {
            ui->devices_combo_box->setPlaceholderText(tr("Select compatible device (") +
                                                      QString::number(deviceList.size()) +
                                                      tr(" connected)"));
        }
        hideSettingsPages();
        ui->reboot_button->hide();
        ui->dfu_mode_button->hide();
    }

    for (auto it = productIdByType.cbegin(); it != productIdByType.cend(); ++it) {
        const int row = it.key();
        const auto device = deviceList.constFind(it.value());
        if (device != deviceList.cend()) {
            ui->devices_combo_box->setItemText(
                row, deviceNames.value(row) + QStringLiteral(" (Version ") +
                         QString::number(device->firmwareVersion) + QLatin1Char(')'));
            markFirmwareMismatch(row, device->firmwareVersion);
            setComboRowHidden(ui->devices_combo_box, row, false);
        } else {
            setComboRowHidden(ui->devices_combo_box, row, true);
        }
    }
    if (rebootState != RebootWatch::State::Idle && rebootState != RebootWatch::State::Waiting)
        finishRebootWatch(rebootState);
    if (boardsChanged)
        showFirmwareNotice();
}

void MainWindow::finishRebootWatch(RebootWatch::State state)
{
    const int pid = rebootWatch.productId();
    const QString board = boardName(pid);
    const QString seconds = QLocale().toString(double(rebootWatch.elapsedMs()) / 1000.0, 'f', 1);
    rebootWatch.stop();
    switch (state) {
    case RebootWatch::State::CameBack: {
        // Picked again only when the user has not chosen another board since.
        const int row = productIdByType.key(pid, -1);
        if (currentProductId != -1 || row < 0) {
            showStatus(tr("%1 is back after %2 s.").arg(board, seconds), false);
            return;
        }
        ui->devices_combo_box->setCurrentIndex(row);
        on_devices_combo_box_activated(row);
        // After the reads that picking the board posted.
        post(tr("Reading the settings of %1…").arg(board), [this, pid, board, seconds] {
            if (currentProductId != pid)
                return;
            if (effectSettingsReadOk && hardwareSettingsReadOk)
                showStatus(
                    tr("%1 is back after %2 s; its settings were read again.").arg(board, seconds),
                    false);
            else
                showStatus(tr("%1 is back after %2 s, but its settings could not all be read; "
                              "the pages say which.")
                               .arg(board, seconds),
                           true);
        });
        return;
    }
    case RebootWatch::State::Left:
        showStatus(tr("%1 now waits for a firmware update in its bootloader, and is listed as "
                      "such once it is seen there.")
                       .arg(board),
                   false);
        bootloaderWatch->lookNow();
        return;
    case RebootWatch::State::NeverLeft:
        showStatus(
            rebootWatch.kind() == RebootWatch::Kind::Reboot
                ? tr("%1 did not restart: it kept answering for %2 s.").arg(board, seconds)
                : tr("%1 did not switch to DFU mode: it still answers as a controller.").arg(board),
            true);
        return;
    default:
        showStatus(tr("%1 did not come back within %2 s. Check its cable and power, and whether "
                      "it waits in DFU mode.")
                       .arg(board, seconds),
                   true);
        return;
    }
}

void MainWindow::markFirmwareMismatch(int row, uint32_t firmwareVersion)
{
    // Told before the board is picked, not only by the warning after it.
    const QString note =
        firmwareVersion == SUPPORTED_FIRMWARE_VERSION
            ? QString()
            : tr("Firmware %1 differs from %2, the version this program is made for.")
                  .arg(firmwareVersion)
                  .arg(SUPPORTED_FIRMWARE_VERSION);
    // Reports come every second; the icon is looked up only on a change.
    if (ui->devices_combo_box->itemData(row, Qt::ToolTipRole).toString() == note)
        return;
    ui->devices_combo_box->setItemData(row, note, Qt::ToolTipRole);
    ui->devices_combo_box->setItemIcon(
        row, note.isEmpty() ? QIcon() : style()->standardIcon(QStyle::SP_MessageBoxWarning));
}

void MainWindow::on_devices_combo_box_activated(int index)
{
    if (isBootloaderRow(index)) {
        pickBootloaderRow(index);
        return;
    }
    // A board row: the notice of a bootloader entry or a warned board goes.
    mismatchedProductId = -1;
    pickedBootloader.clear();
    firmwareNotice->hide();
    if (currentProductId != -1 && !confirmLeavingBoard(false)) {
        // The list shows the board the window still works with.
        ui->devices_combo_box->setCurrentIndex(
            currentProductId == -1 ? -1 : productIdByType.key(currentProductId, -1));
        return;
    }
    const auto type = productIdByType.constFind(index);
    if (type == productIdByType.cend() || type.value() == currentProductId) {
        resetDeviceSelection();
        return;
    }

    currentProductId = type.value();
    forgetBoardRecords();
    // A row not in the last report gives an all-zero record, so its version
    // check fails and the user is warned before anything is sent.
    const FirmwareInfoTypeDef info = deviceList.value(currentProductId, FirmwareInfoTypeDef{});
    if (info.firmwareVersion == SUPPORTED_FIRMWARE_VERSION) {
        applyDeviceInfo(info);
        return;
    }
    showVersionMismatch(info);
}

void MainWindow::showVersionMismatch(FirmwareInfoTypeDef info)
{
    const int pickedProductId = currentProductId;

    QMessageBox box;
    box.setTextFormat(Qt::MarkdownText);
    box.setWindowTitle(VERSION_MISMATCH_TITLE);
    box.setText(VERSION_MISMATCH_TEXT);
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    // Qt names its standard buttons from its own catalogue, which is not
    // always installed; these two follow the window's language either way.
    box.button(QMessageBox::Ok)->setText(tr("&OK"));
    box.button(QMessageBox::Cancel)->setText(tr("&Cancel"));
    QPushButton *latestVersion = box.addButton(tr("&Latest version"), QMessageBox::ActionRole);
    box.setIcon(QMessageBox::Warning);
    box.setDefaultButton(latestVersion);  // also gives it the keyboard focus
    box.exec();

    const QAbstractButton *answer = box.clickedButton();
    if (answer == latestVersion) {
        // Without a browser the address is shown instead, ready to copy.
        if (!QDesktopServices::openUrl(QUrl(DOWNLOADS_PAGE_URL)))
            showDownloadsAddress();
        resetDeviceSelection();
        mismatchedProductId = pickedProductId;
        showFirmwareNotice();
    } else if (answer == box.button(QMessageBox::Ok)) {
        // Reports keep arriving while the box is open. If one of them found
        // the board gone, the selection is already reset and must stay so:
        // showing pages now would offer requests to a board that is not there.
        if (currentProductId == pickedProductId)
            applyDeviceInfo(info);
    } else {
        resetDeviceSelection();
        // The way to the firmware the warning asks for.
        mismatchedProductId = pickedProductId;
        showFirmwareNotice();
    }
}

void MainWindow::showDownloadsAddress()
{
    QMessageBox box(QMessageBox::Information, tr("Latest version"),
                    tr("No web browser could be started. The downloads page is at:\n\n%1")
                        .arg(DOWNLOADS_PAGE_URL),
                    QMessageBox::Close, this);
    box.setObjectName(QStringLiteral("downloads_address_box"));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton *copy = box.addButton(tr("&Copy address"), QMessageBox::ActionRole);
    // Copying must not close the box before the user has seen it worked.
    disconnect(copy, &QPushButton::clicked, nullptr, nullptr);
    connect(copy, &QPushButton::clicked, &box, [copy] {
        QGuiApplication::clipboard()->setText(DOWNLOADS_PAGE_URL);
        copy->setText(tr("&Copied"));
    });
    box.setDefaultButton(copy);
    box.exec();
}

void MainWindow::applyDeviceInfo(FirmwareInfoTypeDef info)
{
    ensurePages();
    const int deviceType = info.deviceType;
    if (deviceType == DEVICE_TYPE_GENERIC) {
        hideSettingsPages();
    } else {
        // Every page, shown or not, counts towards the window's size.
        for (PageScrollArea *area : pageTabs->findChildren<PageScrollArea *>())
            area->layOutPage();
        emptyRoom->changeSize(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
        pageTabs->show();
        for (int page = 0; page < pageTabs->count(); ++page)
            pageTabs->setTabVisible(page, true);
        pages->effects_settings_widget->setDeviceType(deviceType);
        pages->hardware_settings_widget->setDeviceType(deviceType, advanced);
        liveInputView->setBoard(currentProductId);
    }
    pages->effects_settings_widget->setBoardIdentity(
        boardIdentityFor(currentProductId, deviceType, info.firmwareVersion));

    // Reads the selection when the request runs, not now: a selection reset
    // in between must not read a board the user has left.
    post(tr("Reading the settings of %1…").arg(boardName(currentProductId)), [this] {
        worker->readEffectSettings(currentProductId);
        worker->readHardwareSettings(currentProductId);
    });
    // The pages just shown, filled by the reads, may need more room than the
    // window had.
    QTimer::singleShot(0, this, [this] { growWindowToNaturalSize(this); });

    ui->reboot_button->show();
    ui->dfu_mode_button->show();
}

void MainWindow::onReadEffectSettings()
{
    if (changeTracker->hasEdits(SettingsGroup::Effects) &&
        !changeTracker->askReadOverEdits(SettingsGroup::Effects))
        return;
    const int pid = currentProductId;
    post(tr("Reading effect settings from %1…").arg(boardName(pid)),
         [this, pid] { worker->readEffectSettings(pid); });
}

void MainWindow::onReadHardwareSettings()
{
    if (changeTracker->hasEdits(SettingsGroup::Hardware) &&
        !changeTracker->askReadOverEdits(SettingsGroup::Hardware))
        return;
    const int pid = currentProductId;
    post(tr("Reading hardware settings from %1…").arg(boardName(pid)),
         [this, pid] { worker->readHardwareSettings(pid); });
}

void MainWindow::onApplyEffectSettings()
{
    if (!canWriteEffectSettings())
        return;
    const int pid = currentProductId;
    const EffectSettingsTypeDef record = effectSettingsToSend();
    effectSettingsSent = recordBytes(record);
    post(tr("Applying effect settings to %1…").arg(boardName(pid)),
         [this, pid, record] { worker->applyEffectSettings(pid, record); });
}

void MainWindow::onSaveEffectSettings()
{
    if (!canWriteEffectSettings() || !confirmSaveStoresAll(SettingsGroup::Effects))
        return;
    const int pid = currentProductId;
    const EffectSettingsTypeDef record = effectSettingsToSend();
    effectSettingsSent = recordBytes(record);
    // The backup is read when the save runs, so that it holds what the board
    // had right before; the record is the one of the click.
    post(tr("Saving effect settings to %1…").arg(boardName(pid)), [this, pid, record] {
        if (backups->takeAutomaticBackup(pid, QLatin1String(BACKUP_CAUSE_SAVE_EFFECTS)))
            worker->saveEffectsSettings(pid, record);
    });
}

bool MainWindow::confirmSaveStoresAll(SettingsGroup saved)
{
    return !changeTracker->isAppliedNotSaved(ChangeTracker::otherGroup(saved)) ||
           changeTracker->askSaveStoresOtherGroup(saved);
}

void MainWindow::onReboot()
{
    if (!changeTracker->groupsAtRisk().isEmpty()) {
        switch (changeTracker->askReboot()) {
        case ChangeTracker::LeaveChoice::Save:
            if (!saveBeforeLeaving(changeTracker->groupsAtRisk()))
                return;
            break;
        case ChangeTracker::LeaveChoice::Discard:
            break;
        case ChangeTracker::LeaveChoice::Cancel:
            return;
        }
    }
    const int pid = currentProductId;
    post(tr("Rebooting %1…").arg(boardName(pid)),
         [this, pid] { worker->rebootControllerRequest(pid); });
}

void MainWindow::on_dfu_mode_button_clicked()
{
    // Asked whenever a board is selected: DFU mode takes it away until it is
    // flashed or power-cycled, whatever the form holds.
    if (currentProductId != -1 && !changeTracker->askSwitchToDfu())
        return;
    const int pid = currentProductId;
    post(tr("Switching %1 to DFU mode…").arg(boardName(pid)), [this, pid] {
        if (backups->takeAutomaticBackup(pid, QLatin1String(BACKUP_CAUSE_DFU)))
            worker->switchtoDfuRequest(pid);
    });
}

void MainWindow::onEffectSettingsObtained(EffectSettingsTypeDef record)
{
    ensurePages();
    pendingEffectSettings = record;
    pages->effects_settings_widget->setEffectSettings(record);
    showUnshowableNotices();
}

void MainWindow::showUnshowableNotices()
{
    const auto show = [](QLabel *notice, const QList<UnshowableValue> &values) {
        notice->setText(UnshowableValues::notice(values));
        notice->setVisible(!values.isEmpty());
    };
    show(effectsUnshowableNotice, pages->effects_settings_widget->unshowableValues());
    // The four hardware pages share one record and are written together, so
    // each lists every value of the record that would change.
    const QList<UnshowableValue> hardware =
        pages->hardware_settings_widget->unshowableValues() + ioUnshowable;
    for (QLabel *notice : std::as_const(hardwareUnshowableNotices))
        show(notice, hardware);
}

EffectSettingsTypeDef MainWindow::effectSettingsToSend() const
{
    // Without a read (a profile loaded instead) the reserved bytes go out
    // as 0, as the profile file holds no board's bytes for them.
    EffectSettingsTypeDef record{};
    if (effectSettingsReadOk)
        record = lastReadEffectSettings;
    pages->effects_settings_widget->getEffectSettings(record);
    return record;
}

HardwareSettingsTypeDef MainWindow::hardwareSettingsToSend() const
{
    HardwareSettingsTypeDef record = lastReadHardwareSettings;
    collectHardwareSettings(record);
    // A code or number the controls cannot hold goes back as the board
    // reported it unless the user changed its control.
    if (hardwareLoaded)
        record = keepUntouchedFields(*hardwareLoaded, hardwareShownAtLoad, record);
    return record;
}

void MainWindow::forgetBoardRecords()
{
    effectSettingsReadOk = false;
    effectProfileLoaded = false;
    hardwareSettingsReadOk = false;
    std::memset(&lastReadEffectSettings, 0, sizeof lastReadEffectSettings);
    std::memset(&lastReadHardwareSettings, 0, sizeof lastReadHardwareSettings);
    hardwareLoaded.reset();
    effectsReadFailure.clear();
    hardwareReadFailure.clear();
    // Without the pages there is no form to clear yet; they take the board
    // when they are built.
    if (!pages)
        return;
    pages->effects_settings_widget->clearProfileName();
    changeTracker->setCurrentBoard(currentProductId, boardName(currentProductId));
    updateWriteButtons();
}

bool MainWindow::canWriteEffectSettings() const
{
    return currentProductId != -1 && (effectSettingsReadOk || effectProfileLoaded);
}

bool MainWindow::canWriteHardwareSettings() const
{
    return currentProductId != -1 && hardwareSettingsReadOk &&
           pages->hardware_settings_widget->hasValidInput();
}

void MainWindow::updateWriteButtons()
{
    if (!pages)
        return;
    // The effects page writes its own group; the four others share one.
    const bool effects = canWriteEffectSettings();
    const bool hardware = canWriteHardwareSettings();
    for (const PageButtons &trio : std::as_const(onPage)) {
        const bool enabled = trio.page == onPage.first().page ? effects : hardware;
        trio.apply->setEnabled(enabled);
        trio.save->setEnabled(enabled);
    }
    updateUnreadNotices();
}

void MainWindow::updateUnreadNotices()
{
    if (!effectsUnreadNotice)
        return;
    // Without a board the notices are hidden and hold no text.
    const bool picked = currentProductId != -1;
    const QString board = boardName(currentProductId);
    const bool effects = currentProductId == -1 || effectSettingsReadOk || effectProfileLoaded;
    pages->effects_settings_widget->setValuesShown(effects);
    effectsUnreadNotice->setText(
        !picked ? QString()
        : effectsReadFailure.isEmpty()
            ? tr("Reading the effect settings of %1…").arg(board)
            : tr("The effect settings of %1 could not be read: %2. None are shown until a read "
                 "succeeds; a profile can still be loaded.")
                  .arg(board, effectsReadFailure));
    if (effectsUnreadNotice->isHidden() == !effects)
        effectsUnreadNotice->setVisible(!effects);

    const bool hardware = currentProductId == -1 || hardwareSettingsReadOk;
    const QString hardwareText =
        !picked ? QString()
        : hardwareReadFailure.isEmpty()
            ? tr("Reading the hardware settings of %1…").arg(board)
            : tr("The hardware settings of %1 could not be read: %2. None are shown until a "
                 "read succeeds.")
                  .arg(board, hardwareReadFailure);
    for (int page = 0; page < hardwareUnreadNotices.size(); ++page) {
        hardwareUnreadNotices[page]->setText(hardwareText);
        if (hardwareUnreadNotices[page]->isHidden() == !hardware)
            hardwareUnreadNotices[page]->setVisible(!hardware);
        if (hardwareValueAreas[page]->isHidden() == hardware)
            hardwareValueAreas[page]->setVisible(hardware);
    }
}

QString MainWindow::boardName(int productId) const
{
    for (auto it = productIdByType.cbegin(); it != productIdByType.cend(); ++it)
        if (it.value() == productId)
            return deviceNames.value(it.key());
    return tr("the board");
}

void MainWindow::showStatus(const QString &text, bool failure)
{
    const QString time = QLocale().toString(QTime::currentTime(), QStringLiteral("HH:mm:ss"));
    QString shown = failure ? tr("Failed: %1").arg(text) : text;
    // Messages come from several places; on the line they all end alike.
    if (!shown.isEmpty() && !QStringLiteral(".…!?").contains(shown.back()))
        shown += QLatin1Char('.');
    // Red behind an icon, so that a failure is not taken for the success
    // before it.
    operationStatusLabel->showMessage(time + QStringLiteral("  ") + shown,
                                      failure ? StatusLine::Kind::Failure
                                              : StatusLine::Kind::Success);
}

void MainWindow::onOperationFinished(const OperationOutcome &outcome)
{
    const QString board = boardName(outcome.productId);
    const QString reason = describeOutcome(outcome);
    const bool ok = outcome.succeeded();
    const bool selected = outcome.productId == currentProductId && currentProductId != -1;
    QString text;
    bool saveFailed = false;
    QString savedWhat;
    switch (outcome.operation) {
    case DeviceOperation::ReadEffectSettings:
        if (selected) {
            effectSettingsReadOk = ok;
            effectsReadFailure = ok ? QString() : reason;
            if (ok) {
                lastReadEffectSettings = pendingEffectSettings;
                pages->effects_settings_widget->clearProfileName();
            } else
                effectProfileLoaded = false;
        }
        text = ok ? tr("Effect settings read from %1.").arg(board)
                  : tr("Effect settings could not be read from %1: %2. Apply and Save stay "
                       "disabled until a read succeeds.")
                        .arg(board, reason);
        break;
    case DeviceOperation::ReadHardwareSettings:
        if (selected) {
            hardwareSettingsReadOk = ok;
            hardwareReadFailure = ok ? QString() : reason;
            if (ok)
                lastReadHardwareSettings = pendingHardwareSettings;
        }
        text = ok ? tr("Hardware settings read from %1.").arg(board)
                  : tr("Hardware settings could not be read from %1: %2. Apply and Save stay "
                       "disabled until a read succeeds.")
                        .arg(board, reason);
        break;
    case DeviceOperation::ApplyEffectSettings:
        text = ok ? tr("Effect settings applied to the working memory of %1.").arg(board)
                  : tr("Effect settings could not be applied to %1: %2.").arg(board, reason);
        break;
    case DeviceOperation::ApplyHardwareSettings:
        text = ok ? tr("Hardware settings applied to the working memory of %1.").arg(board)
                  : tr("Hardware settings could not be applied to %1: %2.").arg(board, reason);
        break;
    case DeviceOperation::SaveEffectSettings:
        text = ok ? tr("Effect settings saved to the permanent memory of %1.").arg(board)
                  : tr("Effect settings could not be saved to %1: %2.").arg(board, reason);
        saveFailed = !ok;
        savedWhat = tr("The effect settings");
        break;
    case DeviceOperation::SaveHardwareSettings:
        text = ok ? tr("Hardware settings saved to the permanent memory of %1.").arg(board)
                  : tr("Hardware settings could not be saved to %1: %2.").arg(board, reason);
        saveFailed = !ok;
        savedWhat = tr("The hardware settings");
        break;
    case DeviceOperation::Reboot:
        text = ok ? tr("%1 is rebooting; waiting for it to come back (at most %2 s)…")
                        .arg(board)
                        .arg(REBOOT_RETURN_TIMEOUT_MS / 1000)
                  : tr("%1 could not be told to reboot: %2.").arg(board, reason);
        if (ok)
            rebootWatch.start(outcome.productId, RebootWatch::Kind::Reboot);
        break;
    case DeviceOperation::SwitchToDfu:
        text = ok ? tr("%1 was told to switch to DFU mode; waiting for it to leave the list…")
                        .arg(board)
                  : tr("%1 could not be switched to DFU mode: %2.").arg(board, reason);
        if (ok)
            rebootWatch.start(outcome.productId, RebootWatch::Kind::Dfu);
        break;
    }
    trackOutcome(outcome);
    updateWriteButtons();
    showStatus(text, !ok);

    if (saveFailed) {
        auto *box = new QMessageBox(QMessageBox::Warning, tr("Settings not saved"),
                                    tr("%1 may not be stored on %2: %3.\n\nThe board may lose "
                                       "them when it is switched off. Check the connection and "
                                       "save again.")
                                        .arg(savedWhat, board, reason),
                                    QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("save_failed_message_box"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
}

void MainWindow::initGpioModeCombos()
{
    gpioModeCombos = {pages->gpioModeCombo_1, pages->gpioModeCombo_2, pages->gpioModeCombo_3,
                      pages->gpioModeCombo_4, pages->gpioModeCombo_5, pages->gpioModeCombo_6,
                      pages->gpioModeCombo_7, pages->gpioModeCombo_8, pages->gpioModeCombo_9,
                      pages->gpioModeCombo_10};

    const QStringList modes{tr("Disabled"),
                            tr("Generic button"),
                            tr("Analog"),
                            tr("SPI CS"),
                            tr("SPI SCK"),
                            tr("SPI MISO"),
                            tr("Enable effects switch"),
                            tr("Reset center button"),
                            tr("Reboot button"),
                            tr("Braking PWM")};
    Q_ASSERT(modes.size() == GPIO_MODE_COUNT);

    // Not every pin can carry every function: analog input exists on pins 1
    // to 3 only, the braking PWM output on pin 8 only, and the encoder index
    // inputs Z0 and Z1 cannot serve as plain buttons. Such a mode stays in the
    // list, so a board that reports it still shows it, but cannot be picked.
    for (int pin = 0; pin < gpioModeCombos.size(); ++pin) {
        QComboBox *combo = gpioModeCombos[pin];
        combo->addItems(modes);
        if (pin <= 6)
            setComboRowHidden(combo, GPIO_MODE_BRAKING_PWM, true);
        if (pin >= 3)
            setComboRowHidden(combo, GPIO_MODE_ANALOG, true);
        if (pin >= 8) {
            setComboRowHidden(combo, GPIO_MODE_BRAKING_PWM, true);
            setComboRowHidden(combo, GPIO_MODE_GENERIC_BUTTON, true);
        }
    }

    pages->spi_recommendations->hide();

    pages->spiModeCombo->addItem(tr("Disabled"));
    for (const char *name : SPI_EXTENSION_NAMES)
        pages->spiModeCombo->addItem(QString::fromUtf8(name));
}

void MainWindow::initButtonModeCombos()
{
    buttonModeCombos = {
        pages->buttonMode_1,  pages->buttonMode_2,  pages->buttonMode_3,  pages->buttonMode_4,
        pages->buttonMode_5,  pages->buttonMode_6,  pages->buttonMode_7,  pages->buttonMode_8,
        pages->buttonMode_9,  pages->buttonMode_10, pages->buttonMode_11, pages->buttonMode_12,
        pages->buttonMode_13, pages->buttonMode_14, pages->buttonMode_15, pages->buttonMode_16,
        pages->buttonMode_17, pages->buttonMode_18, pages->buttonMode_19, pages->buttonMode_20,
        pages->buttonMode_21, pages->buttonMode_22, pages->buttonMode_23, pages->buttonMode_24,
        pages->buttonMode_25, pages->buttonMode_26, pages->buttonMode_27, pages->buttonMode_28,
        pages->buttonMode_29, pages->buttonMode_30, pages->buttonMode_31, pages->buttonMode_32,
    };
    Q_ASSERT(buttonModeCombos.size() == BUTTON_COUNT);
    for (QComboBox *combo : std::as_const(buttonModeCombos))
        combo->addItems({tr("Disabled"), tr("Normal"), tr("Inverted")});
}

void MainWindow::initAnalogAxisLists()
{
    upperDeadZoneSpinBoxes = {pages->upperDeadZoneSpinBox_1, pages->upperDeadZoneSpinBox_2,
                              pages->upperDeadZoneSpinBox_3};
    lowerDeadZoneSpinBoxes = {pages->lowerDeadZoneSpinBox_1, pages->lowerDeadZoneSpinBox_2,
                              pages->lowerDeadZoneSpinBox_3};
    analogSmoothingSpinBoxes = {pages->analogSmoothingSpinBox_1, pages->analogSmoothingSpinBox_2,
                                pages->analogSmoothingSpinBox_3};
    analogButtonLowSpinBoxes = {pages->analogButtonLowSpinBox_1, pages->analogButtonLowSpinBox_2,
                                pages->analogButtonLowSpinBox_3};
    analogButtonHighSpinBoxes = {pages->analogButtonHighSpinBox_1, pages->analogButtonHighSpinBox_2,
                                 pages->analogButtonHighSpinBox_3};
    analogAxisInvertBoxes = {pages->analogAxisInvert_1, pages->analogAxisInvert_2,
                             pages->analogAxisInvert_3};
}

void MainWindow::collectHardwareSettings(HardwareSettingsTypeDef &record) const
{
    pages->hardware_settings_widget->getHardwareSettings(record);

    // A combo box without a current item gives index -1, which goes out as
    // 0xFF: the board then keeps its own idea of an unknown code.
    for (int i = 0; i < GPIO_PIN_COUNT; ++i)
        record.gpio_mode[i] = uint8_t(gpioModeCombos[i]->currentIndex());
    for (int i = 0; i < BUTTON_COUNT; ++i)
        record.button_mode[i] = uint8_t(buttonModeCombos[i]->currentIndex());

    for (int i = 0; i < ANALOG_AXIS_COUNT; ++i) {
        record.analog_lower_dead_zone[i] = uint16_t(lowerDeadZoneSpinBoxes[i]->value());
        record.analog_upper_dead_zone[i] = uint16_t(upperDeadZoneSpinBoxes[i]->value());
        record.analog_smoothing[i] = uint8_t(analogSmoothingSpinBoxes[i]->value());
        record.analog_button_high[i] = uint8_t(analogButtonHighSpinBoxes[i]->value());
        record.analog_button_low[i] = uint8_t(analogButtonLowSpinBoxes[i]->value());
        record.analog_invert[i] = analogAxisInvertBoxes[i]->isChecked() ? 1 : 0;
    }

    record.spi_mode = uint8_t(pages->spiModeCombo->currentIndex());
}

void MainWindow::onApplyHardwareSettings()
{
    if (!canWriteHardwareSettings())
        return;
    const int pid = currentProductId;
    const HardwareSettingsTypeDef record = hardwareSettingsToSend();
    hardwareSettingsSent = recordBytes(record);
    post(tr("Applying hardware settings to %1…").arg(boardName(pid)),
         [this, pid, record] { worker->applyHardwareSettings(pid, record); });
}

void MainWindow::onSaveHardwareSettings()
{
    if (!canWriteHardwareSettings() || !confirmSaveStoresAll(SettingsGroup::Hardware))
        return;
    const int pid = currentProductId;
    const HardwareSettingsTypeDef record = hardwareSettingsToSend();
    hardwareSettingsSent = recordBytes(record);
    post(tr("Saving hardware settings to %1…").arg(boardName(pid)), [this, pid, record] {
        if (backups->takeAutomaticBackup(pid, QLatin1String(BACKUP_CAUSE_SAVE_HARDWARE)))
            worker->saveHardwareSettings(pid, record);
    });
}

void MainWindow::onHardwareSettingsObtained(HardwareSettingsTypeDef record)
{
    ensurePages();
    pendingHardwareSettings = record;
    // A code outside a list leaves its combo box without a current item.
    for (int i = 0; i < GPIO_PIN_COUNT; ++i)
        gpioModeCombos[i]->setCurrentIndex(record.gpio_mode[i]);
    for (int i = 0; i < BUTTON_COUNT; ++i)
        buttonModeCombos[i]->setCurrentIndex(record.button_mode[i]);

    for (int i = 0; i < ANALOG_AXIS_COUNT; ++i) {
        lowerDeadZoneSpinBoxes[i]->setValue(record.analog_lower_dead_zone[i]);
        upperDeadZoneSpinBoxes[i]->setValue(record.analog_upper_dead_zone[i]);
        analogSmoothingSpinBoxes[i]->setValue(record.analog_smoothing[i]);
        analogButtonHighSpinBoxes[i]->setValue(record.analog_button_high[i]);
        analogButtonLowSpinBoxes[i]->setValue(record.analog_button_low[i]);
    }
    for (int i = 0; i < ANALOG_AXIS_COUNT; ++i)
        analogAxisInvertBoxes[i]->setChecked(record.analog_invert[i] != 0);

    // Setting the index from code emits no `activated`, so the hint follows
    // the record here.
    pages->spiModeCombo->setCurrentIndex(record.spi_mode);
    pages->spi_recommendations->setVisible(record.spi_mode != SPI_MODE_DISABLED);

    pages->hardware_settings_widget->setHardwareSettings(record);

    HardwareSettingsTypeDef shown = record;
    collectHardwareSettings(shown);
    hardwareLoaded = record;
    hardwareShownAtLoad = shown;
    const auto fields = ioPageFields();
    ioUnshowable = UnshowableValues::find(fields, record, shown);
    UnshowableValues::mark(UnshowableValues::controlsOf(fields), ioUnshowable);
    showUnshowableNotices();
}

QList<UnshowableValues::Field<HardwareSettingsTypeDef>> MainWindow::ioPageFields() const
{
    using Record = HardwareSettingsTypeDef;
    // Element i of a list of controls shows element i of the record's array.
    // Fields are read through the packed record, never through a pointer.
    QList<UnshowableValues::Field<Record>> fields;
    const auto add = [&fields](const auto &controls, auto element) {
        for (int i = 0; i < controls.size(); ++i)
            fields.append({controls[i], [i, element](const Record &r) {
                               return QString::number(element(r, i));
                           }});
    };
    add(gpioModeCombos, [](const Record &r, int i) { return r.gpio_mode[i]; });
    add(buttonModeCombos, [](const Record &r, int i) { return r.button_mode[i]; });
    add(lowerDeadZoneSpinBoxes, [](const Record &r, int i) { return r.analog_lower_dead_zone[i]; });
    add(upperDeadZoneSpinBoxes, [](const Record &r, int i) { return r.analog_upper_dead_zone[i]; });
    add(analogSmoothingSpinBoxes, [](const Record &r, int i) { return r.analog_smoothing[i]; });
    add(analogButtonLowSpinBoxes, [](const Record &r, int i) { return r.analog_button_low[i]; });
    add(analogButtonHighSpinBoxes, [](const Record &r, int i) { return r.analog_button_high[i]; });
    add(analogAxisInvertBoxes, [](const Record &r, int i) { return r.analog_invert[i]; });
    fields.append(
        {pages->spiModeCombo, [](const Record &r) { return QString::number(r.spi_mode); }});
    return fields;
}

void MainWindow::on_spiModeCombo_activated(int index)
{
    pages->spi_recommendations->setVisible(index >= 1);
}

void MainWindow::initBackups()
{
    BackupController::Hooks hooks;
    hooks.currentProductId = [this] { return currentProductId; };
    hooks.boardInfo = [this](int productId, FirmwareInfoTypeDef &info) {
        const auto found = deviceList.constFind(productId);
        if (found == deviceList.cend())
            return false;
        info = found.value();
        return true;
    };
    hooks.loadIntoForms = [this](const EffectSettingsTypeDef &effects,
                                 const HardwareSettingsTypeDef &hardware) {
        loadRestoredRecords(effects, hardware);
    };
    // A restore is a load like any other: each group with edits asks first.
    hooks.mayReplaceForms = [this] {
        for (const SettingsGroup group : {SettingsGroup::Effects, SettingsGroup::Hardware})
            if (changeTracker && changeTracker->hasEdits(group) &&
                !changeTracker->askReadOverEdits(group))
                return false;
        return true;
    };
    hooks.report = [this](const QString &text, bool failure) { showStatus(text, failure); };
    // Backups sit beside the effect profiles, in the working directory.
    backups = new BackupController(worker.get(), QDir::currentPath(), std::move(hooks), this);
    backups->setObjectName(QStringLiteral("backup_controller"));
    QMenu *boardMenu = backups->addBoardMenu(menuBar());
    // A backup reads the board too.
    connect(boardMenu, &QMenu::aboutToShow, this, [this] {
        if (liveInputView)
            liveInputView->stopForceTest();
    });
    initMenus(boardMenu);
}

void MainWindow::loadRestoredRecords(const EffectSettingsTypeDef &effects,
                                     const HardwareSettingsTypeDef &hardware)
{
    ensurePages();
    pages->effects_settings_widget->setEffectSettings(effects);
    pages->effects_settings_widget->clearProfileName();
    onHardwareSettingsObtained(hardware);
    // The restored records take the place of the last read: Apply and Save
    // then send the file's bytes, reserved ones included, with only the
    // user's later edits over them.
    lastReadEffectSettings = effects;
    lastReadHardwareSettings = hardware;
    effectSettingsReadOk = true;
    effectProfileLoaded = false;
    hardwareSettingsReadOk = true;
    updateWriteButtons();
}

void MainWindow::trackOutcome(const OperationOutcome &outcome)
{
    // Without the pages no group was ever read, applied or edited.
    if (!outcome.succeeded() || !changeTracker)
        return;
    if (outcome.operation == DeviceOperation::Reboot ||
        outcome.operation == DeviceOperation::SwitchToDfu) {
        changeTracker->boardLostWorkingMemory(outcome.productId);
        return;
    }
    if (outcome.productId != currentProductId || currentProductId == -1)
        return;
    switch (outcome.operation) {
    case DeviceOperation::ReadEffectSettings:
        changeTracker->setBoardRecord(SettingsGroup::Effects, recordBytes(lastReadEffectSettings));
        break;
    case DeviceOperation::ReadHardwareSettings:
        changeTracker->setBoardRecord(SettingsGroup::Hardware,
                                      recordBytes(lastReadHardwareSettings));
        break;
    case DeviceOperation::ApplyEffectSettings:
    case DeviceOperation::SaveEffectSettings:
        changeTracker->setBoardRecord(SettingsGroup::Effects, effectSettingsSent);
        changeTracker->setAppliedNotSaved(
            SettingsGroup::Effects, outcome.operation == DeviceOperation::ApplyEffectSettings);
        // The board's store command keeps everything in effect.
        if (outcome.operation == DeviceOperation::SaveEffectSettings)
            changeTracker->setAppliedNotSaved(SettingsGroup::Hardware, false);
        loadWrittenRecord(SettingsGroup::Effects);
        break;
    case DeviceOperation::ApplyHardwareSettings:
    case DeviceOperation::SaveHardwareSettings:
        changeTracker->setBoardRecord(SettingsGroup::Hardware, hardwareSettingsSent);
        changeTracker->setAppliedNotSaved(
            SettingsGroup::Hardware, outcome.operation == DeviceOperation::ApplyHardwareSettings);
        if (outcome.operation == DeviceOperation::SaveHardwareSettings)
            changeTracker->setAppliedNotSaved(SettingsGroup::Effects, false);
        loadWrittenRecord(SettingsGroup::Hardware);
        break;
    default:
        break;
    }
}

void MainWindow::loadWrittenRecord(SettingsGroup group)
{
    // Once written, the board holds the record sent: the form's values with
    // every value it cannot hold kept as it was, which stays marked.
    if (group == SettingsGroup::Effects) {
        EffectSettingsTypeDef sent{};
        if (effectSettingsSent.size() == int(sizeof sent))
            std::memcpy(&sent, effectSettingsSent.constData(), sizeof sent);
        pages->effects_settings_widget->setEffectSettings(sent);
    } else {
        HardwareSettingsTypeDef sent{};
        if (hardwareSettingsSent.size() == int(sizeof sent))
            std::memcpy(&sent, hardwareSettingsSent.constData(), sizeof sent);
        onHardwareSettingsObtained(sent);
    }
    showUnshowableNotices();
}

bool MainWindow::confirmLeavingBoard(bool closing)
{
    if (!changeTracker || changeTracker->groupsAtRisk().isEmpty())
        return true;
    const int pid = currentProductId;
    switch (changeTracker->askBeforeLeavingBoard(closing)) {
    case ChangeTracker::LeaveChoice::Save:
        // Scan reports arrive while the question is open. A board that left
        // the list meanwhile took its unsaved settings with it; nothing was
        // saved, and the user says again what is to happen.
        if (currentProductId != pid) {
            showStatus(tr("Nothing was saved: %1 left the list while the question was open.")
                           .arg(boardName(pid)),
                       true);
            return false;
        }
        // Asked again: an answer from the board may have changed what is at risk.
        return saveBeforeLeaving(changeTracker->groupsAtRisk());
    case ChangeTracker::LeaveChoice::Discard:
        return true;
    case ChangeTracker::LeaveChoice::Cancel:
        break;
    }
    return false;
}

bool MainWindow::saveBeforeLeaving(const QList<SettingsGroup> &groups)
{
    // Run here and now rather than posted: leaving goes on only once every
    // save is known to have succeeded.
    const int pid = currentProductId;
    // Every group is checked before any is sent: a save of one stores the
    // other's applied settings too, so stopping half-way would leave more
    // stored than the message says.
    for (const SettingsGroup group : groups) {
        const bool effects = group == SettingsGroup::Effects;
        if (pid == -1 || !(effects ? canWriteEffectSettings() : canWriteHardwareSettings())) {
            showStatus(tr("Nothing was saved and %1 stays selected: the settings in the form "
                          "cannot be sent as they are.")
                           .arg(boardName(pid)),
                       true);
            return false;
        }
    }
    for (const SettingsGroup group : groups) {
        const bool effects = group == SettingsGroup::Effects;
        // The same backup as the Save buttons take, read right before.
        if (!backups->takeAutomaticBackup(pid, QLatin1String(effects ? BACKUP_CAUSE_SAVE_EFFECTS
                                                                     : BACKUP_CAUSE_SAVE_HARDWARE)))
            return false;
        if (currentProductId != pid)
            return false;
        operationStatusLabel->showMessage(
            (effects ? tr("Saving effect settings to %1…") : tr("Saving hardware settings to %1…"))
                .arg(boardName(pid)),
            StatusLine::Kind::Busy);
        operationStatusLabel->repaint();
        OperationOutcome outcome;
        if (effects) {
            const EffectSettingsTypeDef record = effectSettingsToSend();
            effectSettingsSent = recordBytes(record);
            outcome = worker->writeEffectSettings(pid, record, true);
        } else {
            const HardwareSettingsTypeDef record = hardwareSettingsToSend();
            hardwareSettingsSent = recordBytes(record);
            outcome = worker->writeHardwareSettings(pid, record, true);
        }
        onOperationFinished(outcome);
        if (!outcome.succeeded() || currentProductId != pid)
            return false;
    }
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!confirmCloseDuringUpdate() || (currentProductId != -1 && !confirmLeavingBoard(true))) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
