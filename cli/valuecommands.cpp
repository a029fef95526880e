// The commands about single values: set, diff.
#include "command.h"
#include "commandrun.h"
#include "exitstatus.h"
#include "profilestore.h"
#include "recordfields.h"

#include "device/settingsuibackgroundthread.h"
#include "settings/automaticbackups.h"
#include "settings/boardbackup.h"
#include "settings/effectprofilefile.h"
#include "settings/recordcodec.h"

#include <QFileInfo>
#include <QTextStream>

#include <optional>

namespace {

const QString OPTION_SAVE = QStringLiteral("save");
const QString OPTION_NO_BACKUP = QStringLiteral("no-backup");
const QString OPTION_ALL = QStringLiteral("all");
const QString BOARD_EFFECTS = QStringLiteral("board:effects");
const QString BOARD_HARDWARE = QStringLiteral("board:hardware");

enum class Group { Effects, Hardware };

// Which record a field path belongs to; none for a name neither record has.
std::optional<Group> groupOf(const QString &path)
{
    const auto has = [&path](const QJsonObject &record) {
        const QList<RecordField> fields = recordFields(record);
        return std::any_of(fields.cbegin(), fields.cend(),
                           [&path](const RecordField &f) { return f.path == path; });
    };
    if (has(encodeEffectSettings(EffectSettingsTypeDef{})))
        return Group::Effects;
    if (has(encodeHardwareSettings(HardwareSettingsTypeDef{})))
        return Group::Hardware;
    return std::nullopt;
}

struct Assignment {
    QString path;
    QString text;
    Group group;
};

QString plainValue(const QJsonValue &value)
{
    RecordField field;
    field.value = value;
    field.reserved = true;  // no unit, no meaning: the bare value a script can compare
    return readableValue(field);
}

QJsonValue valueAt(const QJsonObject &record, const QString &path)
{
    for (const RecordField &field : recordFields(record))
        if (field.path == path)
            return field.value;
    return QJsonValue();
}

int setValues(CommandRun &run)
{
    // Every assignment is checked against the record's names and the window's
    // ranges before the board is asked anything.
    QList<Assignment> assignments;
    for (const QString &argument : run.arguments()) {
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return run.fail(EXIT_REFUSED, QStringLiteral("\"%1\" is no FIELD=VALUE").arg(argument));
        const QString path = argument.left(equals).trimmed();
        const QString text = argument.mid(equals + 1);
        const std::optional<Group> group = groupOf(path);
        if (!group)
            return run.fail(EXIT_REFUSED,
                            QStringLiteral("%1: no such field in the effect or hardware settings; "
                                           "nothing was sent")
                                .arg(path));
        QJsonObject probe = *group == Group::Effects
                                ? encodeEffectSettings(EffectSettingsTypeDef{})
                                : encodeHardwareSettings(HardwareSettingsTypeDef{});
        QJsonValue old;
        QString error;
        if (!setRecordField(probe, path, text, old, &error))
            return run.fail(EXIT_REFUSED, error + QStringLiteral("; nothing was sent"));
        assignments.append({path, text, *group});
    }

    SelectedBoard board;
    int status = EXIT_DONE;
    if (!run.selectBoard(board, status))
        return status;
    const bool permanently = run.isSet(OPTION_SAVE);
    const bool hardwareTouched =
        std::any_of(assignments.cbegin(), assignments.cend(),
                    [](const Assignment &a) { return a.group == Group::Hardware; });
    const char *cause = hardwareTouched ? BACKUP_CAUSE_SAVE_HARDWARE : BACKUP_CAUSE_SAVE_EFFECTS;
    if (permanently && !run.isSet(OPTION_NO_BACKUP) &&
        !run.takeAutomaticBackup(board, QString::fromLatin1(cause), status))
        return status;

    for (const Group group : {Group::Effects, Group::Hardware}) {
        const bool touched = std::any_of(assignments.cbegin(), assignments.cend(),
                                         [group](const Assignment &a) { return a.group == group; });
        if (!touched)
            continue;
        const bool effects = group == Group::Effects;
        const QString what = effects ? QStringLiteral("the effect settings")
                                     : QStringLiteral("the hardware settings");
        EffectSettingsTypeDef effectRecord{};
        HardwareSettingsTypeDef hardwareRecord{};
        OperationOutcome outcome =
            effects ? run.worker().fetchEffectSettings(board.productId, effectRecord)
                    : run.worker().fetchHardwareSettings(board.productId, hardwareRecord);
        if (!outcome.succeeded())
            return run.failOutcome(board, QStringLiteral("reading ") + what, outcome);
        QJsonObject record =
            effects ? encodeEffectSettings(effectRecord) : encodeHardwareSettings(hardwareRecord);
        QStringList changes;
        for (const Assignment &a : assignments) {
            if (a.group != group)
                continue;
            QJsonValue old;
            QString error;
            // Checked above on an empty record; the board's record has the
            // same fields, so only a value the codec refuses can fail here.
            if (!setRecordField(record, a.path, a.text, old, &error))
                return run.fail(EXIT_REFUSED, error + QStringLiteral("; nothing was sent"));
            const QString now = plainValue(valueAt(record, a.path));
            changes.append(QStringLiteral("%1: %2 -> %3").arg(a.path, plainValue(old), now));
        }
        QString error;
        if (effects)
            decodeEffectSettings(record, effectRecord, &error);
        else
            decodeHardwareSettings(record, hardwareRecord, &error);
        outcome =
            effects
                ? run.worker().writeEffectSettings(board.productId, effectRecord, permanently)
                : run.worker().writeHardwareSettings(board.productId, hardwareRecord, permanently);
        if (!outcome.succeeded())
            return run.failOutcome(board, QStringLiteral("writing ") + what, outcome);
        for (const QString &line : changes)
            run.out << line << Qt::endl;
    }
    run.note(QStringLiteral("written to the %1 of the %2")
                 .arg(permanently ? QStringLiteral("permanent memory")
                                  : QStringLiteral("working memory"),
                      board.model));
    return EXIT_DONE;
}

// One side of a comparison: the records it holds.
struct Side {
    QString label;
    std::optional<QJsonObject> effects;
    std::optional<QJsonObject> hardware;
};

// Files and profiles are read before any board is asked, so that a
// mistyped name costs no transfer.
bool loadSide(CommandRun &run, const QString &what, Side &side, QString *error)
{
    side.label = what;
    if (what == BOARD_EFFECTS || what == BOARD_HARDWARE)
        return true;
    if (QFileInfo(what).isFile()) {
        BoardBackup backup;
        QString backupError;
        if (readBoardBackup(what, backup, &backupError)) {
            side.effects = encodeEffectSettings(backup.effects);
            side.hardware = encodeHardwareSettings(backup.hardware);
            return true;
        }
        EffectSettingsTypeDef effects{};
        BoardIdentity origin;
        QString profileError;
        if (readEffectProfileFile(what, effects, origin, &profileError)) {
            side.effects = encodeEffectSettings(effects);
            return true;
        }
        *error = backupError;
        return false;
    }
    const ProfileStore profiles(run.dataDir());
    EffectSettingsTypeDef effects{};
    if (!profiles.read(what, effects, error)) {
        *error = QStringLiteral("\"%1\" is neither %2, %3, a file nor a profile (%4)")
                     .arg(what, BOARD_EFFECTS, BOARD_HARDWARE, *error);
        return false;
    }
    side.effects = encodeEffectSettings(effects);
    return true;
}

bool readBoardSide(CommandRun &run, SelectedBoard &board, Side &side, int &status)
{
    if (side.label != BOARD_EFFECTS && side.label != BOARD_HARDWARE)
        return true;
    if (board.productId < 0 && !run.selectBoard(board, status))
        return false;
    if (side.label == BOARD_EFFECTS) {
        EffectSettingsTypeDef record{};
        const OperationOutcome outcome = run.worker().fetchEffectSettings(board.productId, record);
        if (!outcome.succeeded()) {
            status = run.failOutcome(board, QStringLiteral("reading the effect settings"), outcome);
            return false;
        }
        side.effects = encodeEffectSettings(record);
    } else {
        HardwareSettingsTypeDef record{};
        const OperationOutcome outcome =
            run.worker().fetchHardwareSettings(board.productId, record);
        if (!outcome.succeeded()) {
            status =
                run.failOutcome(board, QStringLiteral("reading the hardware settings"), outcome);
            return false;
        }
        side.hardware = encodeHardwareSettings(record);
    }
    return true;
}

int diffSettings(CommandRun &run)
{
    Side a;
    Side b;
    QString error;
    if (!loadSide(run, run.arguments().value(0), a, &error) ||
        !loadSide(run, run.arguments().value(1), b, &error))
        return run.fail(EXIT_REFUSED, error);
    const auto sharesGroup = [](const Side &x, const Side &y, bool effects) {
        const bool xHas = effects ? (x.effects || x.label == BOARD_EFFECTS)
                                  : (x.hardware || x.label == BOARD_HARDWARE);
        const bool yHas = effects ? (y.effects || y.label == BOARD_EFFECTS)
                                  : (y.hardware || y.label == BOARD_HARDWARE);
        return xHas && yHas;
    };
    const bool effects = sharesGroup(a, b, true);
    const bool hardware = sharesGroup(a, b, false);
    if (!effects && !hardware)
        return run.fail(
            EXIT_REFUSED,
            QStringLiteral("%1 and %2 hold no settings of one kind").arg(a.label, b.label));

    SelectedBoard board;
    int status = EXIT_DONE;
    if (!readBoardSide(run, board, a, status) || !readBoardSide(run, board, b, status))
        return status;

    const bool all = run.isSet(OPTION_ALL);
    int differences = 0;
    const auto compare = [&](const QJsonObject &x, const QJsonObject &y) {
        for (const auto &[left, right] : differingFields(x, y, all)) {
            run.out << left.path << ": " << readableValue(left) << " -> " << readableValue(right)
                    << Qt::endl;
            ++differences;
        }
    };
    if (effects)
        compare(*a.effects, *b.effects);
    if (hardware)
        compare(*a.hardware, *b.hardware);
    return differences == 0 ? EXIT_DONE : EXIT_OPERATION_FAILED;
}

}  // namespace

QList<Command> valueCommands()
{
    const QCommandLineOption save(OPTION_SAVE,
                                  QStringLiteral("Also store in the board's permanent memory."));
    const QCommandLineOption noBackup(
        OPTION_NO_BACKUP, QStringLiteral("With --save: go ahead without an automatic backup."));
    const QCommandLineOption all(OPTION_ALL, QStringLiteral("Also compare the reserved areas."));
    return {
        {QStringLiteral("set"),
         QStringLiteral("FIELD=VALUE... [--save] [--no-backup]"),
         QStringLiteral("Change single fields of the board's settings, named as \"read\" lists "
                        "them (axis[0].max_force=8.5, gpio_mode[2]=2), and print each change. "
                        "Unknown names and values the window would not allow are refused "
                        "before anything is sent."),
         {save, noBackup},
         1,
         64,
         setValues},
        {QStringLiteral("diff"),
         QStringLiteral("A B [--all]"),
         QStringLiteral("Compare two of board:effects, board:hardware, a backup or profile file "
                        "and a profile name, field by field; print what differs. Exit status 0 "
                        "when equal, 1 when not."),
         {all},
         2,
         2,
         diffSettings},
    };
}
