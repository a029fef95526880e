#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/startupoptions.h"
#include "device/settingsuibackgroundthread.h"
#include "settings/recordmetatypes.h"
#include "ui/widgethelpers.h"

#include <libusb.h>

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace {

// Every board model this program configures; the device type is also the row
// of the model in the device list.
struct DeviceModel {
    int deviceType;
    int productId;
    const char *name;
};

constexpr DeviceModel DEVICE_MODELS[] = {
    {DEVICE_TYPE_GENERIC, 22000, "Gravolt Generic"},        // 0x55F0
    {DEVICE_TYPE_JOYSTICK, 22777, "Gravolt Joystick"},      // 0x58F9
    {DEVICE_TYPE_RUDDER, 22888, "Gravolt Rudder"},          // 0x5968
    {DEVICE_TYPE_WHEEL, 22999, "Gravolt Wheel PRO"},        // 0x59D7
    {DEVICE_TYPE_COLLECTIVE, 22001, "Gravolt Collective"},  // 0x55F1
};

// Shown untranslated on purpose: the warning must stay readable whatever
// catalogue is installed.
const QString VERSION_MISMATCH_TITLE = QStringLiteral("Version mismatch!");
const QString VERSION_MISMATCH_TEXT = QStringLiteral(
    "Device firmware and Gravolt Setup have different versions. Changing settings with not "
    "compatible software can cause unexpected device behaviour.\n"
    " **Consider using matching versions of Gravolt Setup firmware.**");

}  // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    for (const DeviceModel &model : DEVICE_MODELS) {
        productIdByType.insert(model.deviceType, model.productId);
        deviceNames.insert(model.deviceType, QString::fromUtf8(model.name));
    }

    registerRecordMetaTypes();
    worker = std::make_unique<SettingsUiBackgroundThread>(productIdByType.values(),
                                                          GRAVOLT_VENDOR_ID, nullptr);

    windowIconImage = QIcon(WINDOW_ICON_FILE);
    windowTitleText = applicationWindowTitle();

    // A failed initialisation leaves the scans finding no board, which is all
    // the user could be told anyway.
    (void)libusb_init(nullptr);

    // The translation must be installed before the form looks up its texts.
    advanced = runStartupConfiguration(translator);

    ui->setupUi(this);
    setWindowIcon(windowIconImage);
    setWindowTitle(windowTitleText);

    hideSettingsPages();

    for (int row = 0; row < productIdByType.size(); ++row) {
        ui->devices_combo_box->addItem(QString());
        setComboRowHidden(ui->devices_combo_box, row, true);
    }

    connect(ui->read_effects_settings_button, &QPushButton::clicked, this,
            &MainWindow::onReadEffectSettings);
    connect(ui->apply_effect_settings_button, &QPushButton::clicked, this,
            &MainWindow::onApplyEffectSettings);
    connect(ui->save_effects_settings_button, &QPushButton::clicked, this,
            &MainWindow::onSaveEffectSettings);
    for (QPushButton *read :
         {ui->read_hardware_settings_button_1, ui->read_hardware_settings_button_2,
          ui->read_hardware_settings_button_3, ui->read_hardware_settings_button_4}) {
        connect(read, &QPushButton::clicked, this, &MainWindow::onReadHardwareSettings);
    }
    connect(ui->reboot_button, &QPushButton::clicked, this, &MainWindow::onReboot);

    connect(worker.get(), &SettingsUiBackgroundThread::connectedDevices, this,
            &MainWindow::updateConnectedDevices);
    connect(worker.get(), &SettingsUiBackgroundThread::effectSettingsObtained, this,
            &MainWindow::onEffectSettingsObtained);

    // Fires once the event loop runs; by then the worker lives on its thread,
    // so `start` arrives there as a queued call and the scans run there.
    startTimer = std::make_unique<QTimer>();
    connect(startTimer.get(), &QTimer::timeout, worker.get(), &SettingsUiBackgroundThread::start);
    startTimer->setSingleShot(true);
    startTimer->start(0);

    workerThread = std::make_unique<QThread>();
    workerThread->start(QThread::InheritPriority);
    worker->moveToThread(workerThread.get());

    QTimer::singleShot(0, this, [this] { resize(minimumSizeHint()); });

    ui->reboot_button->hide();
    ui->dfu_mode_button->hide();
}

MainWindow::~MainWindow()
{
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

template <typename Request> void MainWindow::post(Request &&request)
{
    QTimer::singleShot(0, this, std::forward<Request>(request));
}

void MainWindow::hideSettingsPages()
{
    for (int page = 0; page < ui->main_tab_widget->count(); ++page)
        ui->main_tab_widget->setTabVisible(page, false);
}

void MainWindow::resetDeviceSelection()
{
    currentProductId = -1;
    hideSettingsPages();
    ui->reboot_button->hide();
    ui->dfu_mode_button->hide();
}

void MainWindow::updateConnectedDevices(const QMap<int, FirmwareInfoTypeDef> &devices)
{
    deviceList = devices;

    if (!deviceList.contains(currentProductId)) {
        currentProductId = -1;
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
            setComboRowHidden(ui->devices_combo_box, row, false);
        } else {
            setComboRowHidden(ui->devices_combo_box, row, true);
        }
    }
}

void MainWindow::on_devices_combo_box_activated(int index)
{
    const auto type = productIdByType.constFind(index);
    if (type == productIdByType.cend() || type.value() == currentProductId) {
        resetDeviceSelection();
        return;
    }

    currentProductId = type.value();
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
    QPushButton *latestVersion = box.addButton(tr("Latest version"), QMessageBox::ActionRole);
    box.setIcon(QMessageBox::Warning);
    box.setDefaultButton(latestVersion);  // also gives it the keyboard focus
    box.exec();

    const QAbstractButton *answer = box.clickedButton();
    if (answer == latestVersion) {
        // A desktop without a browser simply shows nothing; there is no one
        // better placed to report that than the desktop itself.
        (void)QDesktopServices::openUrl(QUrl(DOWNLOADS_PAGE_URL));
        resetDeviceSelection();
    } else if (answer == box.button(QMessageBox::Ok)) {
        // Reports keep arriving while the box is open. If one of them found
        // the board gone, the selection is already reset and must stay so:
        // showing pages now would offer requests to a board that is not there.
        if (currentProductId == pickedProductId)
            applyDeviceInfo(info);
    } else {
        resetDeviceSelection();
    }
}

void MainWindow::applyDeviceInfo(FirmwareInfoTypeDef info)
{
    const int deviceType = info.deviceType;
    if (deviceType == DEVICE_TYPE_GENERIC) {
        hideSettingsPages();
    } else {
        for (int page = 0; page < ui->main_tab_widget->count(); ++page)
            ui->main_tab_widget->setTabVisible(page, true);
        ui->effects_settings_widget->setDeviceType(deviceType);
        ui->hardware_settings_widget->setDeviceType(deviceType, advanced);
    }

    // Reads the selection when the request runs, not now: a selection reset
    // in between must not read a board the user has left.
    post([this] {
        worker->readEffectSettings(currentProductId);
        worker->readHardwareSettings(currentProductId);
    });

    ui->reboot_button->show();
    ui->dfu_mode_button->show();
}

void MainWindow::onReadEffectSettings()
{
    const int pid = currentProductId;
    post([this, pid] { worker->readEffectSettings(pid); });
}

void MainWindow::onReadHardwareSettings()
{
    const int pid = currentProductId;
    post([this, pid] { worker->readHardwareSettings(pid); });
}

void MainWindow::onApplyEffectSettings()
{
    const int pid = currentProductId;
    const EffectSettingsTypeDef record = ui->effects_settings_widget->getEffectSettings();
    post([this, pid, record] { worker->applyEffectSettings(pid, record); });
}

void MainWindow::onSaveEffectSettings()
{
    const int pid = currentProductId;
    const EffectSettingsTypeDef record = ui->effects_settings_widget->getEffectSettings();
    post([this, pid, record] { worker->saveEffectsSettings(pid, record); });
}

void MainWindow::onReboot()
{
    const int pid = currentProductId;
    post([this, pid] { worker->rebootControllerRequest(pid); });
}

void MainWindow::on_dfu_mode_button_clicked()
{
    const int pid = currentProductId;
    post([this, pid] { worker->switchtoDfuRequest(pid); });
}

void MainWindow::onEffectSettingsObtained(EffectSettingsTypeDef record)
{
    ui->effects_settings_widget->setEffectSettings(record);
}
