#include "commandrun.h"

#include "boardconnection.h"
#include "exitstatus.h"

#include "device/firmwareinfo.h"
#include "device/settingsuibackgroundthread.h"
#include "settings/automaticbackups.h"
#include "settings/boardbackup.h"

#include <QDateTime>
#include <QTextStream>

namespace {

QString describeBoards(const FirmwareInfoMap &boards)
{
    QStringList models;
    for (const FirmwareInfoTypeDef &info : boards)
        models.append(modelNameForDeviceType(info.deviceType));
    return models.join(QStringLiteral(", "));
}

}  // namespace

CommandRun::CommandRun(const QCommandLineParser &parser, QString boardModel, QString dataDir,
                       QTextStream &out, QTextStream &err)
    : out(out), err(err), parser(parser), model(std::move(boardModel)),
      dataFolder(std::move(dataDir))
{}

CommandRun::~CommandRun() = default;

QStringList CommandRun::arguments() const
{
    return parser.positionalArguments().mid(1);
}

BoardConnection &CommandRun::connection()
{
    if (!boards)
        boards = std::make_unique<BoardConnection>();
    return *boards;
}

const FirmwareInfoMap &CommandRun::connectedBoards()
{
    return connection().boards();
}

const FirmwareInfoMap &CommandRun::rescanBoards()
{
    return connection().rescan();
}

SettingsUiBackgroundThread &CommandRun::worker()
{
    return connection().worker();
}

bool CommandRun::selectBoard(SelectedBoard &board, int &status)
{
    const FirmwareInfoMap &found = connectedBoards();
    FirmwareInfoMap candidates;
    for (auto it = found.cbegin(); it != found.cend(); ++it)
        if (model.isEmpty() || it.value().deviceType == deviceTypeForModelName(model))
            candidates.insert(it.key(), it.value());

    if (candidates.size() != 1) {
        if (found.isEmpty())
            status = fail(EXIT_NO_BOARD, QStringLiteral("no board is connected"));
        else if (candidates.isEmpty())
            status = fail(EXIT_NO_BOARD, QStringLiteral("no %1 is connected (connected: %2)")
                                             .arg(model, describeBoards(found)));
        else if (model.isEmpty())
            status = fail(EXIT_NO_BOARD,
                          QStringLiteral("%1 boards are connected (%2); choose one with --board")
                              .arg(candidates.size())
                              .arg(describeBoards(candidates)));
        else
            // Two boards that report the same model under different product
            // ids: --board cannot tell them apart.
            status = fail(
                EXIT_NO_BOARD,
                QStringLiteral("%1 boards report the model %2").arg(candidates.size()).arg(model));
        return false;
    }

    board.productId = candidates.firstKey();
    board.info = candidates.first();
    board.model = modelNameForDeviceType(board.info.deviceType);
    if (board.model.isEmpty())
        board.model = QStringLiteral("board of device type %1").arg(board.info.deviceType);
    if (board.info.firmwareVersion != SUPPORTED_FIRMWARE_VERSION)
        note(QStringLiteral("warning: the %1 runs firmware %2, this program is made for %3; "
                            "settings may not mean the same on it")
                 .arg(board.model)
                 .arg(board.info.firmwareVersion)
                 .arg(SUPPORTED_FIRMWARE_VERSION));
    return true;
}

int CommandRun::fail(int status, const QString &message)
{
    note(message);
    return status;
}

int CommandRun::failOutcome(const SelectedBoard &board, const QString &what,
                            const OperationOutcome &outcome)
{
    return fail(
        EXIT_OPERATION_FAILED,
        QStringLiteral("%1 on the %2 failed: %3").arg(what, board.model, describeOutcome(outcome)));
}

void CommandRun::note(const QString &message)
{
    err << QStringLiteral("gravoltctl: ") << message << Qt::endl;
}

bool CommandRun::takeAutomaticBackup(const SelectedBoard &board, const QString &cause, int &status)
{
    BoardBackup backup;
    backup.created = QDateTime::currentDateTimeUtc();
    backup.board =
        boardIdentityFor(board.productId, board.info.deviceType, board.info.firmwareVersion);
    OperationOutcome outcome = worker().fetchEffectSettings(board.productId, backup.effects);
    if (outcome.succeeded())
        outcome = worker().fetchHardwareSettings(board.productId, backup.hardware);
    if (!outcome.succeeded()) {
        status = failOutcome(board, QStringLiteral("reading the settings for an automatic backup"),
                             outcome);
        note(QStringLiteral("nothing was changed; add --no-backup to go ahead without a backup"));
        return false;
    }
    QString error;
    const QString path = writeAutomaticBackup(dataFolder, backup, cause, &error);
    if (path.isEmpty()) {
        status = fail(EXIT_REFUSED,
                      QStringLiteral("no automatic backup could be written (%1); nothing was "
                                     "changed; add --no-backup to go ahead without a backup")
                          .arg(error));
        return false;
    }
    note(QStringLiteral("automatic backup of the %1: %2").arg(board.model, path));
    return true;
}
