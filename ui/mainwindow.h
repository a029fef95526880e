#pragma once

#include "device/firmwareinfo.h"
#include "settings/effectsettings.h"
#include "settings/hardwaresettings.h"

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QString>
#include <QTranslator>

#include <cstdint>
#include <memory>

class BackupController;
class QCheckBox;
class QComboBox;
class QSpinBox;
class QThread;
class QTimer;
class SettingsUiBackgroundThread;

namespace Ui {
class MainWindow;
}

// Opened from the version warning so that the user can fetch the firmware
// and the program of one release.
inline const QString DOWNLOADS_PAGE_URL =
    QStringLiteral("https://gravolt.com/docs/en/downloads.html");

// Vendor id shared by every supported board.

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    bool isAdvancedMode() const { return advanced; }
    int currentDevice() const { return currentProductId; }

private slots:
    void on_devices_combo_box_activated(int index);
    void on_spiModeCombo_activated(int index);
    void updateConnectedDevices(const QMap<int, FirmwareInfoTypeDef> &devices);
    void on_dfu_mode_button_clicked();

private:
    void resetDeviceSelection();
    void applyDeviceInfo(FirmwareInfoTypeDef info);
    void hideSettingsPages();
    void showVersionMismatch(FirmwareInfoTypeDef info);

    void onReadEffectSettings();
    void onReadHardwareSettings();
    void onApplyEffectSettings();
    void onSaveEffectSettings();
    void onReboot();
    void onEffectSettingsObtained(EffectSettingsTypeDef record);

    void initGpioModeCombos();
    void initButtonModeCombos();
    void initAnalogAxisLists();
    void collectHardwareSettings(HardwareSettingsTypeDef &record) const;
    void onApplyHardwareSettings();
    void onSaveHardwareSettings();
    void onHardwareSettingsObtained(HardwareSettingsTypeDef record);

    // Board backups: the Board menu, automatic backups, restore into the forms.
    void initBackups();
    void loadRestoredRecords(const EffectSettingsTypeDef &effects,
                             const HardwareSettingsTypeDef &hardware);

    // Runs `request` at the next turn of the GUI event loop, after the click
    // handler has returned; the window is the context, so nothing runs once
    // it is gone.
    template <typename Request> void post(Request &&request);

    void stopWorker();

    Ui::MainWindow *ui;
    QMap<int, int> productIdByType;
    QMap<int, QString> deviceNames;
    std::unique_ptr<SettingsUiBackgroundThread> worker;
    QMap<int, FirmwareInfoTypeDef> deviceList;
    int32_t currentProductId = -1;
    QIcon windowIconImage;
    QString windowTitleText;
    bool advanced = false;
    // Controls of the GPIO, buttons and analog-axes pages in record order:
    // element i edits element i of the record field of the same name.
    QList<QComboBox *> gpioModeCombos;
    QList<QComboBox *> buttonModeCombos;
    QList<QSpinBox *> upperDeadZoneSpinBoxes;
    QList<QSpinBox *> lowerDeadZoneSpinBoxes;
    QList<QSpinBox *> analogSmoothingSpinBoxes;
    QList<QSpinBox *> analogButtonLowSpinBoxes;
    QList<QSpinBox *> analogButtonHighSpinBoxes;
    QList<QCheckBox *> analogAxisInvertBoxes;
    // What Apply and Save build on for the bytes no control shows: a restored
    // backup's records; all zero after a read, as before backups existed.
    EffectSettingsTypeDef effectBase{};
    HardwareSettingsTypeDef hardwareBase{};
    BackupController *backups = nullptr;
    QTranslator translator;
    std::unique_ptr<QTimer> startTimer;
    std::unique_ptr<QThread> workerThread;
};
