// The commands about boards themselves: which are connected, reboot, DFU.
#include "boarddoctor.h"
#include "command.h"
#include "commandrun.h"
#include "exitstatus.h"

#include "device/firmwareinfo.h"
#include "device/rebootwatch.h"
#include "device/settingsuibackgroundthread.h"
#include "settings/automaticbackups.h"
#include "settings/boardbackup.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QThread>

namespace {

const QString OPTION_JSON = QStringLiteral("json");
const QString OPTION_YES = QStringLiteral("yes");
const QString OPTION_NO_BACKUP = QStringLiteral("no-backup");
// A quarter of the window's scan interval: the time a reboot took is told
// to that precision.
constexpr unsigned long REBOOT_SCAN_INTERVAL_MS = 250;  // ms

int listBoards(CommandRun &run)
{
    const bool json = run.isSet(OPTION_JSON);
    const int wantedType =
        run.boardModel().isEmpty() ? -1 : deviceTypeForModelName(run.boardModel());
    QJsonArray array;
    int listed = 0;
    const FirmwareInfoMap &boards = run.connectedBoards();
    for (auto it = boards.cbegin(); it != boards.cend(); ++it) {
        const FirmwareInfoTypeDef &info = it.value();
        if (wantedType >= 0 && info.deviceType != wantedType)
            continue;
        ++listed;
        const QString model = modelNameForDeviceType(info.deviceType);
        const bool supported = info.firmwareVersion == SUPPORTED_FIRMWARE_VERSION;
        if (json) {
            QJsonObject board;
            board.insert(QStringLiteral("model"), model);
            board.insert(QStringLiteral("product_id"), it.key());
            board.insert(QStringLiteral("firmware_version"), qint64(info.firmwareVersion));
            board.insert(QStringLiteral("device_type"), int(info.deviceType));
            board.insert(QStringLiteral("supported"), supported);
            array.append(board);
        } else {
            run.out << QStringLiteral("%1  product id %2 (0x%3)  firmware %4  %5")
                           .arg(model.isEmpty() ? QStringLiteral("unknown") : model, -10)
                           .arg(it.key())
                           .arg(QString::number(it.key(), 16)
                                    .toUpper()
                                    .rightJustified(4, QLatin1Char('0')))
                           .arg(info.firmwareVersion)
                           .arg(supported ? QStringLiteral("supported")
                                          : QStringLiteral("not supported (made for %1)")
                                                .arg(SUPPORTED_FIRMWARE_VERSION))
                    << Qt::endl;
        }
    }
    if (json)
        run.out << QJsonDocument(array).toJson(QJsonDocument::Indented);
    if (listed == 0 && !run.boardModel().isEmpty())
        return run.fail(EXIT_NO_BOARD, QStringLiteral("no %1 is connected").arg(run.boardModel()));
    if (listed == 0)
        run.note(QStringLiteral("no board is connected"));
    return EXIT_DONE;
}

int rebootBoard(CommandRun &run)
{
    SelectedBoard board;
    int status = EXIT_DONE;
    if (!run.selectBoard(board, status))
        return status;
    const OperationOutcome outcome = run.worker().reboot(board.productId);
    if (!outcome.succeeded())
        return run.failOutcome(board, QStringLiteral("rebooting"), outcome);
    run.note(QStringLiteral("the %1 was told to reboot; waiting for it to come back (at most %2 s)")
                 .arg(board.model)
                 .arg(REBOOT_RETURN_TIMEOUT_MS / 1000));
    RebootWatch watch;
    watch.start(board.productId, RebootWatch::Kind::Reboot);
    while (watch.update(run.rescanBoards()) == RebootWatch::State::Waiting)
        QThread::msleep(REBOOT_SCAN_INTERVAL_MS);
    const QString seconds = QString::number(double(watch.elapsedMs()) / 1000.0, 'f', 1);
    switch (watch.update(run.rescanBoards())) {
    case RebootWatch::State::CameBack:
        run.note(QStringLiteral("the %1 is back after %2 s, with the settings of its permanent "
                                "memory")
                     .arg(board.model, seconds));
        return EXIT_DONE;
    case RebootWatch::State::NeverLeft:
        return run.fail(EXIT_OPERATION_FAILED,
                        QStringLiteral("the %1 did not restart: it kept answering for %2 s")
                            .arg(board.model, seconds));
    default:
        return run.fail(EXIT_OPERATION_FAILED,
                        QStringLiteral("the %1 did not come back within %2 s; check its cable and "
                                       "power, and whether it waits in DFU mode")
                            .arg(board.model, seconds));
    }
}

int switchToDfu(CommandRun &run)
{
    if (!run.isSet(OPTION_YES))
        return run.fail(EXIT_REFUSED,
                        QStringLiteral("DFU mode hands the board to its bootloader for a firmware "
                                       "update: it leaves the bus and does nothing else until a "
                                       "DFU flashing tool has written a firmware to it. Run "
                                       "\"gravoltctl dfu --yes\" to do that."));
    SelectedBoard board;
    int status = EXIT_DONE;
    if (!run.selectBoard(board, status))
        return status;
    if (!run.isSet(OPTION_NO_BACKUP) &&
        !run.takeAutomaticBackup(board, QString::fromLatin1(BACKUP_CAUSE_DFU), status))
        return status;
    const OperationOutcome outcome = run.worker().switchToDfu(board.productId);
    if (!outcome.succeeded())
        return run.failOutcome(board, QStringLiteral("switching to DFU mode"), outcome);
    run.note(QStringLiteral("the %1 now waits for a firmware update in DFU mode").arg(board.model));
    return EXIT_DONE;
}

// Exit status 0 when every attached board is usable, 1 otherwise: the
// report itself is the diagnosis, so nothing goes to the error stream.
int doctor(CommandRun &run)
{
    const int status = runBoardDoctor(run.out) == 0 ? EXIT_DONE : EXIT_OPERATION_FAILED;
    printForceDoctor(run.out);
    return status;
}

}  // namespace

QList<Command> boardCommands()
{
    const QCommandLineOption json(OPTION_JSON, QStringLiteral("Print JSON."));
    const QCommandLineOption yes(OPTION_YES, QStringLiteral("Really switch to DFU mode."));
    const QCommandLineOption noBackup(OPTION_NO_BACKUP,
                                      QStringLiteral("Go ahead without an automatic backup."));
    return {
        {QStringLiteral("list"),
         QStringLiteral("[--json]"),
         QStringLiteral("The connected boards: model, product id, firmware version and whether "
                        "this program supports it."),
         {json},
         0,
         0,
         listBoards},
        {QStringLiteral("reboot"),
         QString(),
         QStringLiteral("Restart the board and wait (at most 15 s) until it is back, with its "
                        "permanent memory."),
         {},
         0,
         0,
         rebootBoard},
        {QStringLiteral("dfu"),
         QStringLiteral("--yes [--no-backup]"),
         QStringLiteral("Back the board up, then hand it to its bootloader for a firmware "
                        "update."),
         {yes, noBackup},
         0,
         0,
         switchToDfu},
        {QStringLiteral("doctor"),
         QString(),
         QStringLiteral("Why an attached board cannot be used and how to fix it; whether the "
                        "udev rule is installed; the USB backend of this build; what the "
                        "system offers for each board's force feedback."),
         {},
         0,
         0,
         doctor},
    };
}
