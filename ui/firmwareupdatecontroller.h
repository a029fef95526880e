#pragma once

#include "device/firmwareinfo.h"
#include "dfu/firmwarefile.h"
#include "dfu/flasherclient.h"

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class QThread;
class SettingsUiBackgroundThread;

// The firmware update as the window runs it, without the dialog: the file
// and what it needs agreed, then backup, command 0x03, the bootloader
// awaited on the board's port, erase / write / verify, start, the board
// awaited and its version read. The DFU side runs on a thread of its own
// (the flasher blocks for seconds), the rest on the GUI thread; everything
// the dialog shows comes through the signals, so that tests can run the
// whole flow without a dialog.
class FirmwareUpdateController : public QObject
{
    Q_OBJECT

public:
    enum class Stage {
        Choosing,             // no usable file yet
        Ready,                // file described; waits for Start
        SendingToBootloader,  // backup and command 0x03 (GUI thread)
        AwaitingBootloader,   // the board left; its bootloader not seen yet
        Writing,              // the flasher erases, writes, verifies
        Starting,             // the bootloader starts the new firmware
        AwaitingBoard,        // ... and the board is awaited on the bus
        Succeeded,
        Failed,
        Cancelled,
    };
    Q_ENUM(Stage)

    // What is updated: a running board (productId set), or a board waiting
    // in its bootloader (bootloaderPort set, productId -1 unless known).
    struct Target {
        int productId = -1;
        FirmwareInfoTypeDef info{};
        QString boardName;
        QString boardPort;       // empty where the backend knows no ports
        QString bootloaderPort;  // set: already in its bootloader
        QStringList memories;    // the bootloader's layout strings, when known
        // Its ids, which the file may name; the ROM bootloader's until seen.
        int bootloaderVendor = ROM_BOOTLOADER_VENDOR;
        int bootloaderProduct = ROM_BOOTLOADER_PRODUCT;
    };
    // Consents a file may need before it is written; safe default: none given.
    enum Consent { AnyDeviceConsent = 1, NoIdsConsent = 2, RawAddressConsent = 4 };

    struct Hooks {
        // The automatic backup (cause dfu) of the board; false stops the
        // update before anything is sent.
        std::function<bool(int productId)> takeBackup;
        // The path of the backup just taken; empty when none was written.
        std::function<QString()> lastBackupPath;
    };

    FirmwareUpdateController(SettingsUiBackgroundThread *worker, Hooks hooks,
                             QObject *parent = nullptr);
    // Waits for the DFU thread: the flasher bounds every wait of its own.
    ~FirmwareUpdateController() override;

    // A new update; only while not busy.
    void setTarget(const Target &target);
    const Target &target() const { return current; }
    // Loads and checks the file; Ready when it may be written (with the
    // consents of consentsNeeded()), else Choosing with fileProblem() set.
    bool chooseFile(const QString &path);
    QString filePath() const { return path; }
    const FirmwareFile &file() const { return firmware; }
    QString fileProblem() const { return problem; }
    int consentsNeeded() const { return needed; }
    // The address a raw image goes to, when the bootloader is known.
    bool rawAddress(uint32_t *address) const;

    // Starts the update with the consents given (every needed one).
    void start(int consentsGiven);
    // Before writing starts: stops the update. False once the flasher writes.
    bool cancel();
    // The dialog closed while writing: the update goes on to its end, but the
    // new firmware is not started, as the user was told.
    void abandon();
    // Tries the write again on the bootloader the board is left in.
    void retry();
    // Starts the firmware of the bootloader on `port` without flashing.
    void startFirmware(const QString &port);

    Stage stage() const { return now; }
    bool isBusy() const;
    bool isWriting() const { return now == Stage::Writing; }
    // After Failed or Cancelled: the port of the bootloader the board waits
    // in, empty when it is not in one (or unplugged).
    QString bootloaderPort() const { return leftInBootloader; }

    // The outcome, once Succeeded / Failed / Cancelled.
    QString outcomeText() const { return outcome; }
    bool verified() const { return wasVerified; }
    bool unplugged() const { return wasUnplugged; }
    uint32_t versionBefore() const { return current.info.firmwareVersion; }
    uint32_t versionAfter() const { return after; }
    bool boardCameBack() const { return cameBack; }
    QString backupPath() const { return backup; }
    // Restore the backup by default only when the firmware did not change:
    // record layouts may differ between versions.
    bool restoreByDefault() const { return cameBack && after == versionBefore(); }

signals:
    void stageChanged(FirmwareUpdateController::Stage stage);
    // step: "erase", "write", "verify".
    void progress(const QString &step, qint64 done, qint64 total);
    void firmwareStartFinished(const QString &port, bool ok, const QString &error);

private:
    void setStage(Stage stage);
    void finish(Stage stage, const QString &text);
    // Runs `job` on the DFU thread; its events come back through onEvent.
    void runOnThread(std::function<void()> job);
    void post(const QJsonObject &event);
    void onEvent(const QJsonObject &event);
    // On the DFU thread; everything it needs is passed by value, so that
    // the GUI thread's members are never read there.
    void dfuSide(const QString &file, const QString &boardPort, const QString &bootloaderPort,
                 QStringList flashArgs);
    void onBoards(const FirmwareInfoMap &boards);
    QStringList flashArguments(int consentsGiven) const;
    QString failureText(const QJsonObject &result) const;

    SettingsUiBackgroundThread *worker;
    Hooks hooks;
    Target current;
    QString path;
    FirmwareFile firmware;
    QString problem;
    int needed = 0;
    int consents = 0;
    Stage now = Stage::Choosing;
    std::unique_ptr<QThread> thread;
    QString leftInBootloader;
    QString outcome;
    bool wasVerified = false;
    bool wasUnplugged = false;
    bool cameBack = false;
    uint32_t after = 0;
    QString backup;
    QString notVerifiedReason;
    QTimer boardDeadline;
    // 0 the DFU thread may still be cancelled, 1 it writes, 2 cancelled:
    // whoever changes it first from 0 decides.
    std::atomic<int> phase{0};
    std::atomic<bool> abandoned{false};
    QMetaObject::Connection scans;
};
