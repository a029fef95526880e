#include "firmwareupdatecontroller.h"

#include "device/operationoutcome.h"
#include "device/settingsuibackgroundthread.h"
#include "dfu/flasher.h"
#include "dfu/flashercommands.h"
#include "dfu/memorylayout.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QThread>

namespace {

const QString EVENT = QStringLiteral("event");
// Events of the DFU thread itself, beside the flasher's own.
const QString FOUND_NONE = QStringLiteral("_no_bootloader");
const QString CANCELLED = QStringLiteral("_cancelled");
const QString WRITING = QStringLiteral("_writing");
const QString STARTING = QStringLiteral("_starting");
const QString FLASHED = QStringLiteral("_flashed");
const QString LEFT = QStringLiteral("_left");

}  // namespace

FirmwareUpdateController::FirmwareUpdateController(SettingsUiBackgroundThread *worker, Hooks hooks,
                                                   QObject *parent)
    : QObject(parent), worker(worker), hooks(std::move(hooks))
{
    boardDeadline.setSingleShot(true);
    connect(&boardDeadline, &QTimer::timeout, this, [this] {
        disconnect(scans);
        finish(Stage::Failed,
               tr("The firmware was written, but %1 did not come back within %2 seconds. If it "
                  "waits in its bootloader, it is listed in the board list.")
                   .arg(current.boardName)
                   .arg(BOARD_RETURNS_MS / 1000));
    });
}

FirmwareUpdateController::~FirmwareUpdateController()
{
    if (thread)
        thread->wait();
}

void FirmwareUpdateController::setTarget(const Target &target)
{
    if (isBusy())
        return;
    current = target;
    path.clear();
    firmware = FirmwareFile();
    problem.clear();
    needed = 0;
    leftInBootloader.clear();
    outcome.clear();
    setStage(Stage::Choosing);
}

bool FirmwareUpdateController::chooseFile(const QString &filePath)
{
    if (isBusy())
        return false;
    path = filePath;
    needed = 0;
    problem.clear();
    firmware = FirmwareFile();
    if (!FirmwareFile::load(filePath, &firmware, &problem)) {
        setStage(Stage::Choosing);
        return false;
    }
    const uint16_t boardProduct = uint16_t(qMax(0, current.productId));
    switch (firmware.matchIds(uint16_t(current.bootloaderVendor),
                              uint16_t(current.bootloaderProduct), BOARD_VENDOR_ID, boardProduct)) {
    case FirmwareFile::IdMatch::Matches:
        break;
    case FirmwareFile::IdMatch::AnyDevice:
        needed |= AnyDeviceConsent;
        break;
    case FirmwareFile::IdMatch::NoIds:
        needed |= NoIdsConsent;
        break;
    case FirmwareFile::IdMatch::OtherDevice:
        problem = tr("The file is meant for another device (%1:%2), not %3 or its bootloader; "
                     "nothing will be sent.")
                      .arg(firmware.vendorId, 4, 16, QLatin1Char('0'))
                      .arg(firmware.productId, 4, 16, QLatin1Char('0'))
                      .arg(current.boardName);
        setStage(Stage::Choosing);
        return false;
    }
    if (firmware.needsAddress)
        needed |= RawAddressConsent;
    setStage(Stage::Ready);
    return true;
}

bool FirmwareUpdateController::rawAddress(uint32_t *address) const
{
    MemoryLayout layout;
    QString error;
    return !current.memories.isEmpty() &&
           MemoryLayout::parse(current.memories.first(), &layout, &error) &&
           layout.firstWritableAddress(address);
}

bool FirmwareUpdateController::isBusy() const
{
    switch (now) {
    case Stage::SendingToBootloader:
    case Stage::AwaitingBootloader:
    case Stage::Writing:
    case Stage::Starting:
    case Stage::AwaitingBoard:
        return true;
    default:
        return thread && thread->isRunning();
    }
}

QStringList FirmwareUpdateController::flashArguments(int consentsGiven) const
{
    // The consents were asked for above; --yes hands them to the flasher,
    // which checks the file again against the bootloader's real ids.
    QStringList arguments{QStringLiteral("--no-leave")};
    if ((consentsGiven & needed) == needed)
        arguments << QStringLiteral("--yes");
    if (current.productId > 0)
        arguments << QStringLiteral("--board-product") << QString::number(current.productId);
    return arguments;
}

void FirmwareUpdateController::start(int consentsGiven)
{
    if (now != Stage::Ready || (consentsGiven & needed) != needed || isBusy())
        return;
    consents = consentsGiven;
    outcome.clear();
    notVerifiedReason.clear();
    wasVerified = wasUnplugged = cameBack = false;
    after = 0;
    phase = 0;
    abandoned = false;
    const QStringList arguments = flashArguments(consentsGiven);
    if (!current.bootloaderPort.isEmpty()) {
        leftInBootloader = current.bootloaderPort;
        setStage(Stage::AwaitingBootloader);
        const QString port = current.bootloaderPort;
        runOnThread(
            [this, file = path, port, arguments] { dfuSide(file, QString(), port, arguments); });
        return;
    }
    setStage(Stage::SendingToBootloader);
    backup.clear();
    if (hooks.takeBackup && !hooks.takeBackup(current.productId)) {
        finish(Stage::Cancelled, tr("Stopped before anything was sent: no backup could be taken."));
        return;
    }
    if (hooks.lastBackupPath)
        backup = hooks.lastBackupPath();
    const OperationOutcome sent = worker->switchToDfu(current.productId);
    if (!sent.succeeded()) {
        finish(Stage::Failed, tr("%1 could not be sent to its bootloader: %2. Nothing was "
                                 "written; the board runs its firmware as before.")
                                  .arg(current.boardName, describeOutcome(sent)));
        return;
    }
    setStage(Stage::AwaitingBootloader);
    const QString boardPort = current.boardPort;
    runOnThread([this, file = path, boardPort, arguments] {
        dfuSide(file, boardPort, QString(), arguments);
    });
}

bool FirmwareUpdateController::cancel()
{
    if (now == Stage::Ready || now == Stage::Choosing) {
        finish(Stage::Cancelled, tr("Cancelled: nothing was sent."));
        return true;
    }
    int waiting = 0;
    if (now != Stage::AwaitingBootloader || !phase.compare_exchange_strong(waiting, 2))
        return false;
    finish(Stage::Cancelled,
           tr("Cancelled before anything was written. The board waits in its bootloader: it "
              "is listed in the board list, where its firmware can be started as it is."));
    return true;
}

void FirmwareUpdateController::abandon()
{
    abandoned = true;
}

void FirmwareUpdateController::retry()
{
    if (leftInBootloader.isEmpty() || isBusy())
        return;
    current.bootloaderPort = leftInBootloader;
    setStage(Stage::Ready);
    start(consents);
}

void FirmwareUpdateController::startFirmware(const QString &port)
{
    if (isBusy())
        return;
    runOnThread([this, port] {
        QString error;
        const bool ok = leaveBootloader(port, &error);
        post({{EVENT, LEFT},
              {QStringLiteral("port"), port},
              {QStringLiteral("ok"), ok},
              {QStringLiteral("error"), error}});
    });
}

void FirmwareUpdateController::runOnThread(std::function<void()> job)
{
    if (thread)
        thread->wait();
    thread.reset(QThread::create(std::move(job)));
    thread->start();
}

void FirmwareUpdateController::post(const QJsonObject &event)
{
    // Dropped by Qt once the controller is gone; the destructor waits for
    // the thread, so `this` outlives every call that gets through.
    QMetaObject::invokeMethod(
        this, [this, event] { onEvent(event); }, Qt::QueuedConnection);
}

// On the DFU thread.
void FirmwareUpdateController::dfuSide(const QString &file, const QString &boardPort,
                                       const QString &bootloaderPort, QStringList flashArgs)
{
    QString port = bootloaderPort;
    if (port.isEmpty()) {
        QDeadlineTimer deadline(BOOTLOADER_APPEARS_MS);
        QStringList ports;
        for (;;) {
            if (phase == 2)
                return;
            QString error;
            ports.clear();
            for (const BootloaderEntry &entry : listBootloaderEntries(&error))
                ports.append(entry.port);
            port = bootloaderOfBoard(ports, boardPort);
            if (!port.isEmpty())
                break;
            if (deadline.hasExpired()) {
                post({{EVENT, FOUND_NONE},
                      {QStringLiteral("ports"), QJsonArray::fromStringList(ports)}});
                return;
            }
            QThread::msleep(LOOK_AGAIN_MS);
        }
    }
    int waiting = 0;
    if (!phase.compare_exchange_strong(waiting, 1)) {
        post({{EVENT, CANCELLED}, {QStringLiteral("port"), port}});
        return;
    }
    post({{EVENT, WRITING}, {QStringLiteral("port"), port}});
    QJsonObject result;
    const int status = runFlasher(
        QStringList{QStringLiteral("flash"), file, QStringLiteral("--port"), port} + flashArgs,
        [&](const QJsonObject &event) {
            if (event.value(EVENT).toString() == QLatin1String("result"))
                result = event;
            else
                post(event);
        });
    QJsonObject done{{EVENT, FLASHED},
                     {QStringLiteral("status"), status},
                     {QStringLiteral("result"), result},
                     {QStringLiteral("port"), port}};
    if (status == FLASHER_DONE && !abandoned) {
        post({{EVENT, STARTING}});
        QString error;
        done.insert(QStringLiteral("left"), leaveBootloader(port, &error));
        done.insert(QStringLiteral("leave_error"), error);
    }
    post(done);
}

void FirmwareUpdateController::onEvent(const QJsonObject &event)
{
    const QString kind = event.value(EVENT).toString();
    const QString port = event.value(QStringLiteral("port")).toString();
    if (kind == QLatin1String("progress")) {
        emit progress(event.value(QStringLiteral("step")).toString(),
                      qint64(event.value(QStringLiteral("done")).toDouble()),
                      qint64(event.value(QStringLiteral("total")).toDouble()));
    } else if (kind == WRITING) {
        leftInBootloader = port;
        setStage(Stage::Writing);
    } else if (kind == STARTING) {
        setStage(Stage::Starting);
    } else if (kind == CANCELLED) {
        leftInBootloader = port;
    } else if (kind == LEFT) {
        emit firmwareStartFinished(port, event.value(QStringLiteral("ok")).toBool(),
                                   event.value(QStringLiteral("error")).toString());
    } else if (kind == FOUND_NONE) {
        const QStringList ports = event.value(QStringLiteral("ports")).toVariant().toStringList();
        finish(Stage::Failed,
               ports.size() > 1
                   ? tr("%1 went to its bootloader, but %2 bootloaders wait (ports %3). Pick "
                        "its entry in the board list and update it from there.")
                         .arg(current.boardName)
                         .arg(ports.size())
                         .arg(ports.join(QStringLiteral(", ")))
                   : tr("%1 left for its bootloader, but no bootloader appeared within %2 "
                        "seconds. Nothing was written. Check the cable; a board waiting in its "
                        "bootloader is listed in the board list.")
                         .arg(current.boardName)
                         .arg(BOOTLOADER_APPEARS_MS / 1000));
    } else if (kind == FLASHED) {
        const QJsonObject result = event.value(QStringLiteral("result")).toObject();
        const int status = event.value(QStringLiteral("status")).toInt();
        wasUnplugged = result.value(QStringLiteral("unplugged")).toBool();
        if (status != FLASHER_DONE) {
            if (wasUnplugged)
                leftInBootloader.clear();
            finish(Stage::Failed, failureText(result));
            return;
        }
        wasVerified = result.value(QStringLiteral("verified")).toBool();
        notVerifiedReason =
            wasVerified ? QString() : result.value(QStringLiteral("error")).toString();
        if (abandoned) {
            finish(Stage::Cancelled,
                   tr("The firmware was written, and the board waits in its bootloader on port "
                      "%1 as you chose; start its firmware from the board list.")
                       .arg(port));
            return;
        }
        if (!event.value(QStringLiteral("left")).toBool()) {
            finish(Stage::Failed,
                   tr("The firmware was written, but the bootloader did not start it: %1 The "
                      "board waits in its bootloader on port %2; start its firmware from the "
                      "board list.")
                       .arg(event.value(QStringLiteral("leave_error")).toString(), port));
            return;
        }
        leftInBootloader.clear();
        if (current.productId <= 0) {
            finish(Stage::Succeeded,
                   tr("The firmware was written and started on port %1; the board is listed "
                      "once it runs.")
                       .arg(port));
            return;
        }
        setStage(Stage::AwaitingBoard);
        scans = connect(worker, &SettingsUiBackgroundThread::connectedDevices, this,
                        &FirmwareUpdateController::onBoards);
        boardDeadline.start(BOARD_RETURNS_MS);
    }
}

QString FirmwareUpdateController::failureText(const QJsonObject &result) const
{
    QString error = result.value(QStringLiteral("error")).toString();
    if (!error.isEmpty() && !QStringLiteral(".!?").contains(error.back()))
        error += QLatin1Char('.');
    if (wasUnplugged)
        return error + QLatin1Char(' ') +
               tr("Plugged in again, the board comes up in its bootloader and is listed in the "
                  "board list, where the update can be tried again.");
    return error + QLatin1Char(' ') +
           tr("The board stays in its bootloader on port %1. It is listed in the board list, "
              "where its firmware can be updated again or started as it is.")
               .arg(leftInBootloader);
}

void FirmwareUpdateController::onBoards(const FirmwareInfoMap &boards)
{
    const auto found = boards.constFind(current.productId);
    if (now != Stage::AwaitingBoard || found == boards.cend())
        return;
    disconnect(scans);
    boardDeadline.stop();
    cameBack = true;
    after = found->firmwareVersion;
    // The flasher's own sentence says why it could not read back.
    const QString verification =
        wasVerified ? tr("Every byte was written and read back equal.") : notVerifiedReason;
    finish(Stage::Succeeded, tr("%1 runs firmware %2 (was %3). %4")
                                 .arg(current.boardName)
                                 .arg(after)
                                 .arg(versionBefore())
                                 .arg(verification));
}

void FirmwareUpdateController::finish(Stage stage, const QString &text)
{
    outcome = text;
    setStage(stage);
}

void FirmwareUpdateController::setStage(Stage stage)
{
    now = stage;
    emit stageChanged(stage);
}
