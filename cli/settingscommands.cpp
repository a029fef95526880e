// The commands that move settings between the board and files: read, backup,
// restore, apply-profile.
#include "command.h"
#include "commandrun.h"
#include "exitstatus.h"
#include "recordfields.h"
#include "recordlisting.h"

#include "device/firmwareinfo.h"
#include "device/settingsuibackgroundthread.h"
#include "settings/automaticbackups.h"
#include "settings/boardbackup.h"
#include "settings/effectprofilefile.h"
#include "settings/orderedjson.h"
#include "settings/profilename.h"
#include "settings/profileorigins.h"
#include "settings/recordcodec.h"
#include "settings/regularfile.h"
#include "settings/untouchedfields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTextStream>

#include <cstdio>
#include <cstring>

namespace {

const QString OPTION_JSON = QStringLiteral("json");
const QString OPTION_SAVE = QStringLiteral("save");
const QString OPTION_FORCE = QStringLiteral("force");
const QString OPTION_NO_BACKUP = QStringLiteral("no-backup");
const QString OPTION_ALL = QStringLiteral("all");

const QString RECORD_EFFECTS = QStringLiteral("effects");
const QString RECORD_HARDWARE = QStringLiteral("hardware");
// The FILE argument that means standard input or output.
const QString STANDARD_STREAM = QStringLiteral("-");

void printRecord(CommandRun &run, const QJsonObject &record)
{
    if (run.isSet(OPTION_JSON))
        run.out << QString::fromUtf8(orderedJson(record, recordFieldOrder()));
    else
        for (const QString &line : readableListing(record, run.isSet(OPTION_ALL)))
            run.out << line << Qt::endl;
}

int readSettings(CommandRun &run)
{
    const QString which = run.arguments().value(0);
    if (which != RECORD_EFFECTS && which != RECORD_HARDWARE)
        return run.fail(
            EXIT_REFUSED,
            QStringLiteral("read takes \"effects\" or \"hardware\", not \"%1\"").arg(which));
    SelectedBoard board;
    int status = EXIT_DONE;
    if (!run.selectBoard(board, status))
        return status;
    if (which == RECORD_EFFECTS) {
        EffectSettingsTypeDef record{};
        const OperationOutcome outcome = run.worker().fetchEffectSettings(board.productId, record);
        if (!outcome.succeeded())
            return run.failOutcome(board, QStringLiteral("reading the effect settings"), outcome);
        printRecord(run, encodeEffectSettings(record));
    } else {
        HardwareSettingsTypeDef record{};
        const OperationOutcome outcome =
            run.worker().fetchHardwareSettings(board.productId, record);
        if (!outcome.succeeded())
            return run.failOutcome(board, QStringLiteral("reading the hardware settings"), outcome);
        printRecord(run, encodeHardwareSettings(record));
    }
    return EXIT_DONE;
}

int backUpBoard(CommandRun &run)
{
    const QString path = run.arguments().value(0);
    if (path != STANDARD_STREAM) {
        // Checked first, so that a mistyped folder costs no board reads.
        const QFileInfo target(path);
        if (!target.absoluteDir().exists())
            return run.fail(
                EXIT_REFUSED,
                QStringLiteral("the folder %1 does not exist").arg(target.absolutePath()));
        if (target.isDir())
            return run.fail(EXIT_REFUSED, QStringLiteral("%1 is a folder").arg(path));
        if (target.exists() && !target.isFile())
            return run.fail(EXIT_REFUSED, QStringLiteral("%1 is not a regular file").arg(path));
    }
    SelectedBoard board;
    int status = EXIT_DONE;
    if (!run.selectBoard(board, status))
        return status;
    BoardBackup backup;
    backup.created = QDateTime::currentDateTimeUtc();
    backup.board =
        boardIdentityFor(board.productId, board.info.deviceType, board.info.firmwareVersion);
    OperationOutcome outcome = run.worker().fetchEffectSettings(board.productId, backup.effects);
    if (!outcome.succeeded())
        return run.failOutcome(board, QStringLiteral("reading the effect settings"), outcome);
    outcome = run.worker().fetchHardwareSettings(board.productId, backup.hardware);
    if (!outcome.succeeded())
        return run.failOutcome(board, QStringLiteral("reading the hardware settings"), outcome);

    if (path == STANDARD_STREAM) {
        run.out << QString::fromUtf8(serializeBoardBackup(backup));
        return EXIT_DONE;
    }
    QString error;
    if (!writeBoardBackup(path, backup, &error))
        return run.fail(EXIT_REFUSED,
                        QStringLiteral("cannot write the backup to %1: %2").arg(path, error));
    run.note(QStringLiteral("the %1 is backed up in %2").arg(board.model, path));
    return EXIT_DONE;
}

// Standard input gets the same size limit and checks as a file.
bool readBackupArgument(const QString &path, BoardBackup &backup, QString *error)
{
    if (path != STANDARD_STREAM)
        return readBoardBackup(path, backup, error);
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        *error = input.errorString();
        return false;
    }
    const QByteArray bytes = input.read(BOARD_BACKUP_MAX_FILE_SIZE + 1);
    if (bytes.size() > BOARD_BACKUP_MAX_FILE_SIZE) {
        *error = QStringLiteral("standard input holds more than %1 bytes, too much for a backup")
                     .arg(BOARD_BACKUP_MAX_FILE_SIZE);
        return false;
    }
    return parseBoardBackup(bytes, backup, error);
}

int restoreBoard(CommandRun &run)
{
    const QString path = run.arguments().value(0);
    const QString shown = path == STANDARD_STREAM ? QStringLiteral("standard input") : path;
    const bool permanently = run.isSet(OPTION_SAVE);
    BoardBackup backup;
    QString error;
    if (!readBackupArgument(path, backup, &error))
        return run.fail(EXIT_REFUSED, QStringLiteral("%1: %2").arg(shown, error));

    SelectedBoard board;
    int status = EXIT_DONE;
    if (!run.selectBoard(board, status))
        return status;
    if (backup.board.deviceType != board.info.deviceType) {
        if (!run.isSet(OPTION_FORCE))
            return run.fail(EXIT_REFUSED,
                            QStringLiteral("%1 is a backup of a %2, not of a %3; nothing was "
                                           "sent (--force restores it anyway)")
                                .arg(shown, backup.board.model, board.model));
        run.note(QStringLiteral("restoring a backup of a %1 on a %2")
                     .arg(backup.board.model, board.model));
    }
    if (backup.board.firmwareVersion != board.info.firmwareVersion)
        run.note(QStringLiteral("the backup was taken on firmware %1, the %2 runs %3")
                     .arg(backup.board.firmwareVersion)
                     .arg(board.model)
                     .arg(board.info.firmwareVersion));
    if (permanently && !run.isSet(OPTION_NO_BACKUP) &&
        !run.takeAutomaticBackup(board, QString::fromLatin1(BACKUP_CAUSE_RESTORE), status))
        return status;

    const QString where =
        permanently ? QStringLiteral("permanent memory") : QStringLiteral("working memory");
    OperationOutcome outcome =
        run.worker().writeHardwareSettings(board.productId, backup.hardware, permanently);
    if (!outcome.succeeded())
        return run.failOutcome(board, QStringLiteral("restoring the hardware settings"), outcome);
    outcome = run.worker().writeEffectSettings(board.productId, backup.effects, permanently);
    if (!outcome.succeeded()) {
        if (permanently)
            // The store command keeps everything in effect, so the board's
            // permanent memory now holds the backup's hardware settings and
            // the effect settings its working memory had before.
            run.note(QStringLiteral("the hardware settings were restored and the %1 stored "
                                    "everything then in effect in its permanent memory; the "
                                    "backup's effect settings were not restored")
                         .arg(board.model));
        else
            run.note(QStringLiteral("the hardware settings were restored to the %1's %2, the "
                                    "effect settings were not")
                         .arg(board.model, where));
        return run.failOutcome(board, QStringLiteral("restoring the effect settings"), outcome);
    }
    run.note(QStringLiteral("%1 restored to the %2 of the %3").arg(shown, where, board.model));
    return EXIT_DONE;
}

int applyProfile(CommandRun &run)
{
    const QString name = run.arguments().value(0);
    const bool permanently = run.isSet(OPTION_SAVE);
    const ProfileNameProblem problem = profileNameProblem(name);
    if (problem != ProfileNameProblem::None)
        return run.fail(EXIT_REFUSED, profileNameProblemText(problem));
    const QString profileDir =
        QDir(run.dataDir()).filePath(QLatin1String(EFFECT_PROFILE_DIRECTORY));
    QFile file(QDir(profileDir).filePath(name));
    QString error;
    if (!openRegularFileForReading(file, &error))
        return run.fail(
            EXIT_REFUSED,
            QStringLiteral("no profile \"%1\" in %2 (%3)").arg(name, profileDir, error));
    // A profile is exactly one record; anything else is not one of ours.
    const QByteArray image = file.read(EFFECT_SETTINGS_SIZE + 1);
    if (image.size() != EFFECT_SETTINGS_SIZE)
        return run.fail(EXIT_REFUSED,
                        QStringLiteral("%1 is not an effect profile (%2 bytes instead of %3)")
                            .arg(file.fileName())
                            .arg(file.size())
                            .arg(EFFECT_SETTINGS_SIZE));
    EffectSettingsTypeDef record;
    std::memcpy(&record, image.constData(), sizeof record);

    SelectedBoard board;
    int status = EXIT_DONE;
    if (!run.selectBoard(board, status))
        return status;
    const int origin = ProfileOrigins(profileDir).deviceTypeOf(name);
    if (origin >= 0 && origin != board.info.deviceType) {
        if (!run.isSet(OPTION_FORCE))
            return run.fail(EXIT_REFUSED,
                            QStringLiteral("the profile \"%1\" was made on a %2, not on a %3; "
                                           "nothing was sent (--force applies it anyway)")
                                .arg(name, modelNameForDeviceType(origin), board.model));
        run.note(QStringLiteral("applying a profile of a %1 on a %2")
                     .arg(modelNameForDeviceType(origin), board.model));
    }
    if (permanently && !run.isSet(OPTION_NO_BACKUP) &&
        !run.takeAutomaticBackup(board, QString::fromLatin1(BACKUP_CAUSE_SAVE_EFFECTS), status))
        return status;
    // The profile's values go over the board's own reserved bytes, exactly
    // as the window sends a profile it loaded.
    EffectSettingsTypeDef current{};
    OperationOutcome outcome = run.worker().fetchEffectSettings(board.productId, current);
    if (!outcome.succeeded())
        return run.failOutcome(
            board, QStringLiteral("reading the effect settings the profile goes over"), outcome);
    record = withValueFieldsOf(current, record);
    outcome = run.worker().writeEffectSettings(board.productId, record, permanently);
    if (!outcome.succeeded())
        return run.failOutcome(board, QStringLiteral("applying the profile \"%1\"").arg(name),
                               outcome);
    if (permanently)
        run.note(QStringLiteral("profile \"%1\" applied to the %2, which then stored everything "
                                "in effect on it in its permanent memory")
                     .arg(name, board.model));
    else
        run.note(QStringLiteral("profile \"%1\" applied to the %2").arg(name, board.model));
    return EXIT_DONE;
}

}  // namespace

QList<Command> settingsCommands()
{
    const QCommandLineOption json(OPTION_JSON, QStringLiteral("Print the codec's JSON object."));
    const QCommandLineOption save(
        OPTION_SAVE,
        QStringLiteral("Then have the board store everything now in effect on it in its "
                       "permanent memory (hardware and effect settings alike)."));
    const QCommandLineOption force(OPTION_FORCE,
                                   QStringLiteral("Go ahead although the model differs."));
    const QCommandLineOption noBackup(
        OPTION_NO_BACKUP, QStringLiteral("With --save: go ahead without an automatic backup."));
    return {
        {QStringLiteral("read"),
         QStringLiteral("effects|hardware [--json] [--all]"),
         QStringLiteral("Print the board's effect or hardware settings, coded values with their "
                        "meaning and in the window's units; reserved areas only with --all."),
         {json, QCommandLineOption(OPTION_ALL, QStringLiteral("Also list the reserved areas."))},
         1,
         1,
         readSettings},
        {QStringLiteral("backup"),
         QStringLiteral("FILE"),
         QStringLiteral("Write both settings records and the board's identity to a backup file "
                        "(- for standard output)."),
         {},
         1,
         1,
         backUpBoard},
        {QStringLiteral("restore"),
         QStringLiteral("FILE [--save] [--force] [--no-backup]"),
         QStringLiteral("Send both records of a backup file (- for standard input) to the "
                        "board's working memory; with --save also to its permanent memory, "
                        "after an automatic backup. A backup of another model needs --force."),
         {save, force, noBackup},
         1,
         1,
         restoreBoard},
        {QStringLiteral("apply-profile"),
         QStringLiteral("NAME [--save] [--force] [--no-backup]"),
         QStringLiteral("Send an effect profile of the profile folder to the board; with --save "
                        "also to its permanent memory, after an automatic backup. A profile "
                        "made on another model needs --force."),
         {save, force, noBackup},
         1,
         1,
         applyProfile},
    };
}
