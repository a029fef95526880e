// The firmware commands: update a board's firmware, list the bootloaders
// waiting on the bus, start the firmware of a board left in its bootloader.
// The DFU side runs in the flasher (dfu/flasher.h); this side backs the
// board up, sends it to its bootloader and waits for it to come back.
#include "command.h"
#include "commandrun.h"
#include "exitstatus.h"

#include "device/attachedboards.h"
#include "device/settingsuibackgroundthread.h"
#include "dfu/firmwarefile.h"
#include "dfu/flasher.h"
#include "dfu/flasherclient.h"
#include "dfu/flashercommands.h"
#include "settings/automaticbackups.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

#include <optional>

namespace {

const QString OPTION_JSON = QStringLiteral("json");
const QString OPTION_YES = QStringLiteral("yes");
const QString OPTION_PORT = QStringLiteral("port");

QString memoriesOf(const QJsonObject &bootloader)
{
    QStringList names;
    for (const QJsonValue &memory : bootloader.value(QStringLiteral("memories")).toArray())
        names.append(memory.toObject().value(QStringLiteral("name")).toString());
    return names.join(QStringLiteral("; "));
}

int bootloaders(CommandRun &run)
{
    QString error;
    const QList<QJsonObject> found = listBootloaders(&error);
    if (!error.isEmpty())
        return run.fail(EXIT_OPERATION_FAILED, error);
    if (run.isSet(OPTION_JSON)) {
        QJsonArray array;
        for (QJsonObject bootloader : found) {
            bootloader.remove(QStringLiteral("event"));
            array.append(bootloader);
        }
        run.out << QJsonDocument(array).toJson(QJsonDocument::Indented);
    }
    for (const QJsonObject &b : found) {
        if (run.isSet(OPTION_JSON))
            break;
        run.out << QStringLiteral("port %1  %2:%3  %4  %5")
                       .arg(b.value(QStringLiteral("port")).toString())
                       .arg(b.value(QStringLiteral("vendor_id")).toInt(), 4, 16, QLatin1Char('0'))
                       .arg(b.value(QStringLiteral("product_id")).toInt(), 4, 16, QLatin1Char('0'))
                       .arg(b.value(QStringLiteral("dfuse")).toBool() ? QStringLiteral("DfuSe")
                                                                      : QStringLiteral("DFU 1.1"))
                       .arg(b.value(QStringLiteral("openable")).toBool()
                                ? memoriesOf(b)
                                : QStringLiteral("cannot be opened: %1")
                                      .arg(b.value(QStringLiteral("open_error")).toString()))
                << Qt::endl;
    }
    if (found.isEmpty())
        run.note(QStringLiteral("no bootloader is waiting"));
    return EXIT_DONE;
}

// The port of the only bootloader, or of --port; empty (after saying why,
// with `status` set) when there is none or several.
QString pickBootloader(CommandRun &run, int &status)
{
    QString error;
    const QList<QJsonObject> found = listBootloaders(&error);
    if (!error.isEmpty()) {
        status = run.fail(EXIT_OPERATION_FAILED, error);
        return QString();
    }
    QStringList ports;
    for (const QJsonObject &b : found)
        ports.append(b.value(QStringLiteral("port")).toString());
    const QString wanted = run.value(OPTION_PORT);
    if (!wanted.isEmpty() && ports.contains(wanted))
        return wanted;
    if (wanted.isEmpty() && ports.size() == 1)
        return ports.first();
    status = run.fail(EXIT_NO_BOARD,
                      ports.isEmpty() ? QStringLiteral("no bootloader is waiting")
                      : wanted.isEmpty()
                          ? QStringLiteral("%1 bootloaders are waiting (ports %2); choose one "
                                           "with --port")
                                .arg(ports.size())
                                .arg(ports.join(QStringLiteral(", ")))
                          : QStringLiteral("no bootloader is waiting on port %1").arg(wanted));
    return QString();
}

// Waits for the board of `productId` to be back; its firmware information.
std::optional<FirmwareInfoTypeDef> awaitBoard(CommandRun &run, int productId)
{
    QDeadlineTimer deadline(BOARD_RETURNS_MS);
    for (;;) {
        const FirmwareInfoMap &boards = run.rescanBoards();
        if (boards.contains(productId))
            return boards.value(productId);
        if (deadline.hasExpired())
            return std::nullopt;
        QThread::msleep(LOOK_AGAIN_MS);
    }
}

int leave(CommandRun &run)
{
    int status = EXIT_DONE;
    const QString port = pickBootloader(run, status);
    if (port.isEmpty())
        return status;
    QString error;
    if (!leaveBootloader(port, &error))
        return run.fail(
            EXIT_OPERATION_FAILED,
            QStringLiteral("starting the firmware on port %1 failed: %2").arg(port, error));
    run.note(QStringLiteral("the bootloader on port %1 starts the board's firmware").arg(port));
    return EXIT_DONE;
}

class FlashRun
{
public:
    explicit FlashRun(CommandRun &run) : run(run), json(run.isSet(OPTION_JSON)) {}

    int exec()
    {
        const QString path = run.arguments().at(0);
        FirmwareFile file;
        QString error;
        if (!FirmwareFile::load(path, &file, &error))
            return run.fail(EXIT_REFUSED,
                            QStringLiteral("%1: %2; nothing was sent").arg(path, error));
        describe(path, file);

        // A board that is running goes to its bootloader first; one already
        // waiting there is flashed as it is.
        SelectedBoard board;
        if (!run.connectedBoards().isEmpty()) {
            int status = EXIT_DONE;
            if (!run.selectBoard(board, status))
                return status;
        }
        const bool running = board.productId > 0;
        if (running &&
            file.matchIds(ROM_BOOTLOADER_VENDOR, ROM_BOOTLOADER_PRODUCT, BOARD_VENDOR_ID,
                          uint16_t(board.productId)) == FirmwareFile::IdMatch::OtherDevice)
            return run.fail(EXIT_REFUSED,
                            QStringLiteral("%1 is meant for another device (%2:%3), not the %4 "
                                           "or its bootloader; nothing was sent")
                                .arg(path)
                                .arg(file.vendorId, 4, 16, QLatin1Char('0'))
                                .arg(file.productId, 4, 16, QLatin1Char('0'))
                                .arg(board.model));
        if (!run.isSet(OPTION_YES))
            return run.fail(EXIT_REFUSED,
                            QStringLiteral("a firmware update erases and rewrites the board's "
                                           "flash; run \"gravoltctl flash FILE --yes\" to do it "
                                           "(--yes also agrees to a file that names no device "
                                           "and to a raw image's address)"));
        QString port;
        if (running) {
            int status = EXIT_DONE;
            if (!run.takeAutomaticBackup(board, QString::fromLatin1(BACKUP_CAUSE_DFU), status))
                return status;
            bool known = false;
            const QList<AttachedBoard> attached =
                enumerateAttachedBoards(BOARD_VENDOR_ID, {board.productId}, &known);
            const QString boardPort =
                known && attached.size() == 1 ? attached.first().port : QString();
            const OperationOutcome outcome = run.worker().switchToDfu(board.productId);
            if (!outcome.succeeded())
                return run.failOutcome(board, QStringLiteral("switching to the bootloader"),
                                       outcome);
            port = awaitBootloader(boardPort, &status);
            if (port.isEmpty())
                return status;
        } else {
            int status = EXIT_DONE;
            port = pickBootloader(run, status);
            if (port.isEmpty())
                return status;
        }
        return flash(path, port, running ? &board : nullptr);
    }

private:
    void event(const QJsonObject &object)
    {
        if (json)
            run.out << QJsonDocument(object).toJson(QJsonDocument::Compact) << Qt::endl;
    }

    void describe(const QString &path, const FirmwareFile &file)
    {
        QJsonArray elements;
        for (const FirmwareTarget &target : file.targets)
            for (const MemoryChunk &element : target.elements) {
                elements.append(QJsonObject{{QStringLiteral("alternate"), target.alternateSetting},
                                            {QStringLiteral("address"),
                                             file.needsAddress
                                                 ? QJsonValue()
                                                 : QJsonValue(QStringLiteral("0x%1").arg(
                                                       element.address, 8, 16, QLatin1Char('0')))},
                                            {QStringLiteral("size"), element.data.size()}});
                if (!json)
                    run.note(QStringLiteral("%1: memory %2, %3 bytes at %4")
                                 .arg(path)
                                 .arg(target.alternateSetting)
                                 .arg(element.data.size())
                                 .arg(file.needsAddress
                                          ? QStringLiteral("the first writable address")
                                          : QStringLiteral("0x%1").arg(element.address, 8, 16,
                                                                       QLatin1Char('0'))));
            }
        event({{QStringLiteral("event"), QStringLiteral("file")},
               {QStringLiteral("path"), path},
               {QStringLiteral("vendor_id"),
                file.hasSuffix ? QJsonValue(file.vendorId) : QJsonValue()},
               {QStringLiteral("product_id"),
                file.hasSuffix ? QJsonValue(file.productId) : QJsonValue()},
               {QStringLiteral("elements"), elements}});
    }

    // The bootloader on the board's port, or (where the backend knows no
    // ports) the only one on the bus.
    QString awaitBootloader(const QString &boardPort, int *status)
    {
        QDeadlineTimer deadline(BOOTLOADER_APPEARS_MS);
        QStringList ports;
        for (;;) {
            QString error;
            ports.clear();
            for (const QJsonObject &b : listBootloaders(&error))
                ports.append(b.value(QStringLiteral("port")).toString());
            const QString port = bootloaderOfBoard(ports, boardPort);
            if (!port.isEmpty())
                return port;
            if (deadline.hasExpired())
                break;
            QThread::msleep(LOOK_AGAIN_MS);
        }
        *status = run.fail(EXIT_OPERATION_FAILED,
                           ports.size() > 1
                               ? QStringLiteral("the board went to its bootloader, but %1 "
                                                "bootloaders are waiting (ports %2); choose one "
                                                "with \"gravoltctl flash FILE --yes --port PORT\"")
                                     .arg(ports.size())
                                     .arg(ports.join(QStringLiteral(", ")))
                               : QStringLiteral("the board left for its bootloader, but no "
                                                "bootloader appeared within %1 seconds")
                                     .arg(BOOTLOADER_APPEARS_MS / 1000));
        return QString();
    }

    int flash(const QString &path, const QString &port, const SelectedBoard *board)
    {
        QStringList arguments = {QStringLiteral("flash"), path, QStringLiteral("--port"), port,
                                 QStringLiteral("--yes")};
        if (board)
            arguments << QStringLiteral("--board-product") << QString::number(board->productId);
        QJsonObject result;
        QString lastStep;
        int lastPercent = -1;
        const int status = runFlasher(arguments, [&](const QJsonObject &object) {
            event(object);
            const QString kind = object.value(QStringLiteral("event")).toString();
            if (kind == QLatin1String("result"))
                result = object;
            if (kind != QLatin1String("progress") || json)
                return;
            const QString step = object.value(QStringLiteral("step")).toString();
            const int percent = int(100 * object.value(QStringLiteral("done")).toDouble() /
                                    qMax(1.0, object.value(QStringLiteral("total")).toDouble()));
            // One line per step and tenth, enough to see it move.
            if (step != lastStep || percent / 10 != lastPercent / 10)
                run.note(QStringLiteral("%1 %2%").arg(step).arg(percent));
            lastStep = step;
            lastPercent = percent;
        });
        QString error = result.value(QStringLiteral("error")).toString();
        // The flasher's sentences end in a full stop; here they go inside one.
        if (status != FLASHER_DONE && error.endsWith(QLatin1Char('.')) &&
            !error.endsWith(QLatin1String("nothing was sent.")))
            error.chop(1);
        if (status == FLASHER_REFUSED)
            return run.fail(EXIT_REFUSED, error.contains(QLatin1String("nothing was sent"))
                                              ? error
                                              : QStringLiteral("%1; nothing was sent").arg(error));
        if (status != FLASHER_DONE)
            return run.fail(EXIT_OPERATION_FAILED,
                            QStringLiteral("the firmware update failed: %1; the board stays in its "
                                           "bootloader on port %2 (\"gravoltctl flash\" tries "
                                           "again, \"gravoltctl leave\" starts the old firmware "
                                           "if it is whole)")
                                .arg(error, port));
        if (!error.isEmpty())
            run.note(error);  // written, not verified
        if (!board) {
            run.note(QStringLiteral("written and started on port %1").arg(port));
            return EXIT_DONE;
        }
        const std::optional<FirmwareInfoTypeDef> back = awaitBoard(run, board->productId);
        if (!back)
            return run.fail(EXIT_OPERATION_FAILED,
                            QStringLiteral("the firmware was written, but the %1 did not come "
                                           "back within %2 seconds")
                                .arg(board->model)
                                .arg(BOARD_RETURNS_MS / 1000));
        const uint32_t before = board->info.firmwareVersion;
        const uint32_t after = back->firmwareVersion;
        event({{QStringLiteral("event"), QStringLiteral("done")},
               {QStringLiteral("firmware_before"), qint64(before)},
               {QStringLiteral("firmware_after"), qint64(after)}});
        run.note(QStringLiteral("the %1 runs firmware %2 (was %3)%4")
                     .arg(board->model)
                     .arg(after)
                     .arg(before)
                     .arg(after == before
                              ? QStringLiteral("; its settings are unchanged, or restore them "
                                               "from the automatic backup")
                              : QStringLiteral("; record layouts may differ between versions: "
                                               "check its settings before restoring the "
                                               "automatic backup")));
        return EXIT_DONE;
    }

    CommandRun &run;
    const bool json;
};

}  // namespace

QList<Command> firmwareCommands()
{
    const QCommandLineOption json(OPTION_JSON, QStringLiteral("Print JSON (lines for flash)."));
    const QCommandLineOption yes(OPTION_YES,
                                 QStringLiteral("Really erase and rewrite the board's firmware."));
    const QCommandLineOption port(OPTION_PORT,
                                  QStringLiteral("The bootloader's USB port, when several wait."),
                                  QStringLiteral("PORT"));
    return {
        {QStringLiteral("flash"),
         QStringLiteral("FILE [--yes] [--json] [--port PORT]"),
         QStringLiteral("Update the board's firmware from a .dfu, .hex or .bin file: back the "
                        "board up, hand it to its bootloader, erase, write and verify, start the "
                        "new firmware."),
         {yes, json, port},
         1,
         1,
         [](CommandRun &run) { return FlashRun(run).exec(); }},
        {QStringLiteral("bootloaders"),
         QStringLiteral("[--json]"),
         QStringLiteral("The DFU bootloaders waiting on the bus: port, ids and memory layout."),
         {json},
         0,
         0,
         bootloaders},
        {QStringLiteral("leave"),
         QStringLiteral("[--port PORT]"),
         QStringLiteral("Start the firmware of a board waiting in its bootloader."),
         {port},
         0,
         0,
         leave},
    };
}
