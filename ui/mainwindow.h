#pragma once

#include "device/firmwareinfo.h"
#include "device/operationoutcome.h"
#include "device/rebootwatch.h"
#include "dfu/flasherclient.h"
#include "settings/effectsettings.h"
#include "settings/hardwaresettings.h"
#include "ui/changetracker.h"
#include "ui/unshowablevalues.h"

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QString>
#include <QTranslator>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class BackupController;
class BlockedInput;
class BootloaderWatch;
class FirmwareNotice;
class FirmwareUpdateController;
class QCheckBox;
class QCloseEvent;
class QComboBox;
class LiveInputView;
class QLabel;
class QMenu;
class QPushButton;
class QSpacerItem;
class QSpinBox;
class QTabWidget;
class StatusLine;
class QThread;
class QTimer;
class SettingsUiBackgroundThread;
class UnreadGroupNotice;

namespace Ui {
class MainWindow;
class MainWindowPages;
}  // namespace Ui

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
    // Builds the pages on their first use: the settings pages, the live
    // input page and all that watches them (change tracking, notices). They
    // stay hidden until a board is picked, which builds them too; until then
    // the window has no pages to update.
    Q_INVOKABLE void ensurePages();

protected:
    // Asks first when leaving would lose edits or applied-but-unsaved settings.
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_devices_combo_box_activated(int index);
    void updateConnectedDevices(const QMap<int, FirmwareInfoTypeDef> &devices);
    void on_dfu_mode_button_clicked();

private:
    // Connected when the pages are built, after the frame's connections by
    // name; a slot would have no control to match when the frame is built.
    void on_spiModeCombo_activated(int index);

    // A reboot or DFU switch ends in what the board did: came back (and is
    // picked and read again), left, or neither.
    void finishRebootWatch(RebootWatch::State state);
    void resetDeviceSelection();
    void applyDeviceInfo(FirmwareInfoTypeDef info);
    void hideSettingsPages();
    void showVersionMismatch(FirmwareInfoTypeDef info);
    // The downloads page's address, for a desktop that opened no browser.
    void showDownloadsAddress();
    // Marks row `row` of the board list when its firmware is not the one
    // this program is made for.
    void markFirmwareMismatch(int row, uint32_t firmwareVersion);

    void onReadEffectSettings();
    void onReadHardwareSettings();
    void onApplyEffectSettings();
    void onSaveEffectSettings();
    void onReboot();
    // Before a Save of `saved`: true when the other group has nothing applied
    // but unsaved, or the user agreed to store it too.
    bool confirmSaveStoresAll(SettingsGroup saved);
    void onEffectSettingsObtained(EffectSettingsTypeDef record);

    void initGpioModeCombos();
    void initButtonModeCombos();
    void initAnalogAxisLists();
    void collectHardwareSettings(HardwareSettingsTypeDef &record) const;
    void onApplyHardwareSettings();
    void onSaveHardwareSettings();
    void onHardwareSettingsObtained(HardwareSettingsTypeDef record);

    // Values read that the GPIO, buttons and analog-axes pages cannot hold.
    QList<UnshowableValues::Field<HardwareSettingsTypeDef>> ioPageFields() const;
    void showUnshowableNotices();

    // Change tracking: what an action would lose, asked before it is lost.
    void trackOutcome(const OperationOutcome &outcome);
    void loadWrittenRecord(SettingsGroup group);
    // True when the selected board may be left: nothing at risk, or the user
    // discarded it, or saved every group at risk successfully.
    bool confirmLeavingBoard(bool closing);
    bool saveBeforeLeaving(const QList<SettingsGroup> &groups);

    // Outcomes. Every operation ends in the status bar; a failed Save also
    // opens a message box, because the settings may be gone at power-off.
    void onOperationFinished(const OperationOutcome &outcome);
    void showStatus(const QString &text, bool failure);
    QString boardName(int productId) const;

    // Group state: a group (effect settings; hardware settings, shared by
    // the four hardware pages) may be sent only once its record has been
    // read from the selected board, so that every byte the user did not edit
    // comes from that board. Cleared whenever the selection changes.
    void forgetBoardRecords();
    void updateWriteButtons();
    // Pages whose group was not read from the selected board show why
    // instead of values.
    void updateUnreadNotices();
    bool canWriteEffectSettings() const;
    bool canWriteHardwareSettings() const;
    // The records sent: the last record read from the board with the form's
    // fields over it (reserved bytes stay the board's).
    EffectSettingsTypeDef effectSettingsToSend() const;
    HardwareSettingsTypeDef hardwareSettingsToSend() const;

    // Board backups: the Board menu, automatic backups, restore into the forms.
    void initBackups();
    void loadRestoredRecords(const EffectSettingsTypeDef &effects,
                             const HardwareSettingsTypeDef &hardware);

    // Runs `request` at the next turn of the GUI event loop, after the click
    // handler has returned; the window is the context, so nothing runs once
    // it is gone. `busyText` is on screen while it blocks the window.
    template <typename Request> void post(const QString &busyText, Request &&request);
    // Shows `busyText`, runs `operation` and drops the clicks and keys given
    // while it blocked the event loop.
    void runBlocking(const QString &busyText, const std::function<void()> &operation);

    void stopWorker();

    // Firmware updates and boards waiting in their bootloader
    // (mainwindowfirmware.cpp): the update dialog, the bootloader entries
    // after the board rows of the list, and the notice in place of the pages.
    void initFirmwareUpdates();
    // Board > Update firmware…: the picked board or bootloader entry, else
    // the only one listed.
    void openFirmwareUpdate();
    void onFirmwareUpdateStage();
    void restoreAfterUpdate(const QString &backupPath, int productId);
    void startBootloaderFirmware();
    void updateBootloaderRows(const QList<BootloaderEntry> &entries);
    bool isBootloaderRow(int row) const;
    // The entry of the picked bootloader; null when none is picked or listed.
    const BootloaderEntry *pickedBootloaderEntry() const;
    // The board last seen on `port`, or "The board" when none is known.
    QString boardNameOnPort(const QString &port) const;
    void pickBootloaderRow(int row);
    // The notice for the picked bootloader entry or the board whose firmware
    // did not match; hidden otherwise.
    void showFirmwareNotice();
    // Remembers the port of each board on the bus, so that the bootloader a
    // board became can be named after it.
    void rememberBoardPorts();
    QString bootloaderRowText(const BootloaderEntry &entry) const;
    // True when the window may close although an update still runs.
    bool confirmCloseDuringUpdate();
    void checkFirmwareStarted(const QString &port);

    // The menu bar around the Board menu of the backups.
    void initMenus(QMenu *boardMenu);
    enum class PageButton { Read, Apply, Save };
    // Each page with its three buttons: the effects page, then the four
    // hardware pages. Empty until the pages are built.
    struct PageButtons {
        QWidget *page;
        QPushButton *read, *apply, *save;
    };
    QList<PageButtons> onPage;
    // The button of the page on screen; null without one (no board, or the
    // live input page).
    QPushButton *pageButton(PageButton which) const;

    Ui::MainWindow *ui;
    Ui::MainWindowPages *pages = nullptr;  // null until ensurePages()
    QTabWidget *pageTabs = nullptr;        // the pages' tab widget, main_tab_widget
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
    BackupController *backups = nullptr;
    QList<UnshowableValue> ioUnshowable;
    ChangeTracker *changeTracker = nullptr;
    // The records of the last apply or save of each group, which the board
    // holds once the outcome says that it went through.
    QByteArray effectSettingsSent;
    QByteArray hardwareSettingsSent;
    // One notice per page: the effects page, then the four hardware pages.
    QLabel *effectsUnshowableNotice = nullptr;
    QList<QLabel *> hardwareUnshowableNotices;
    QTranslator translator;
    QTranslator qtTranslator;                // Qt's own texts: standard buttons, dialogs
    LiveInputView *liveInputView = nullptr;  // a page of its own, owned by the page stack
    StatusLine *operationStatusLabel = nullptr;
    BlockedInput *blockedInput = nullptr;
    QSpacerItem *emptyRoom = nullptr;  // owned by the central layout
    RebootWatch rebootWatch;
    UnreadGroupNotice *effectsUnreadNotice = nullptr;
    QList<UnreadGroupNotice *> hardwareUnreadNotices;
    QList<QWidget *> hardwareValueAreas;  // the four pages' contents, in page order
    // Why the last read of each group from the selected board failed; empty
    // before the first answer.
    QString effectsReadFailure;
    QString hardwareReadFailure;

    // Group state of the selected board (see forgetBoardRecords).
    bool effectSettingsReadOk = false;
    bool effectProfileLoaded = false;  // a profile filled the form instead
    bool hardwareSettingsReadOk = false;
    EffectSettingsTypeDef lastReadEffectSettings{};
    HardwareSettingsTypeDef lastReadHardwareSettings{};
    // A record signal comes just before its read's outcome; it becomes the
    // last read record only once the outcome says it came from the selected
    // board.
    // The hardware record last loaded into the pages and what they built
    // from it right after: fields still built so go back as loaded.
    std::optional<HardwareSettingsTypeDef> hardwareLoaded;
    HardwareSettingsTypeDef hardwareShownAtLoad{};
    EffectSettingsTypeDef pendingEffectSettings{};
    HardwareSettingsTypeDef pendingHardwareSettings{};
    FirmwareUpdateController *firmwareUpdate = nullptr;
    BootloaderWatch *bootloaderWatch = nullptr;
    FirmwareNotice *firmwareNotice = nullptr;
    QList<BootloaderEntry> bootloaders;  // listed after the board rows, in this order
    QString pickedBootloader;            // port of the picked bootloader entry
    // The board whose version warning was left without picking it: the
    // notice offers its firmware update.
    int mismatchedProductId = -1;
    QMap<QString, int> boardOnPort;  // last board seen on each port
    std::unique_ptr<QTimer> startTimer;
    std::unique_ptr<QThread> workerThread;
};
