#include "boardbackup.h"

#include "settings/jsonfields.h"
#include "settings/recordcodec.h"

#include <QJsonObject>

using namespace boardfile;

QByteArray serializeBoardBackup(const BoardBackup &backup)
{
    QJsonObject object;
    object.insert(key(KEY_FORMAT), key(BOARD_BACKUP_FORMAT));
    object.insert(key(KEY_VERSION), BOARD_BACKUP_VERSION);
    object.insert(key(KEY_CREATED), backup.created.toUTC().toString(Qt::ISODateWithMs));
    object.insert(key(KEY_BOARD), encodeIdentity(backup.board));
    object.insert(key(KEY_EFFECT_SETTINGS), encodeEffectSettings(backup.effects));
    object.insert(key(KEY_HARDWARE_SETTINGS), encodeHardwareSettings(backup.hardware));
    return fileText(object);
}

bool parseBoardBackup(const QByteArray &json, BoardBackup &backup, QString *error)
{
    QJsonObject object;
    if (!openDocument(json, BOARD_BACKUP_FORMAT, BOARD_BACKUP_VERSION,
                      QStringLiteral("a Gravolt board backup"), object, error))
        return false;

    BoardBackup parsed;
    const QJsonValue created = object.value(key(KEY_CREATED));
    if (created.isUndefined())
        return failWith(error, QStringLiteral("created: missing"));
    if (!created.isString())
        return failWith(error, QStringLiteral("created: expected a date and time as text"));
    parsed.created = QDateTime::fromString(created.toString(), Qt::ISODateWithMs);
    if (!parsed.created.isValid())
        return failWith(error, QStringLiteral("created: \"%1\" is not an ISO 8601 date and time")
                                   .arg(created.toString()));
    // Without a zone the time would be read in whatever zone this computer is
    // in, and the list of backups could come out in the wrong order.
    if (parsed.created.timeSpec() == Qt::LocalTime)
        return failWith(error, QStringLiteral("created: \"%1\" has no time zone (UTC ends in Z)")
                                   .arg(created.toString()));
    parsed.created = parsed.created.toUTC();

    if (!decodeIdentity(object.value(key(KEY_BOARD)), false, parsed.board, error))
        return false;

    QString fieldError;
    for (const char *name : {KEY_EFFECT_SETTINGS, KEY_HARDWARE_SETTINGS}) {
        const QJsonValue value = object.value(key(name));
        if (value.isUndefined())
            return failWith(error, key(name) + QStringLiteral(": missing"));
        if (!value.isObject())
            return failWith(error, key(name) + QStringLiteral(": expected an object"));
    }
    if (!decodeEffectSettings(object.value(key(KEY_EFFECT_SETTINGS)).toObject(), parsed.effects,
                              &fieldError))
        return failWith(error, prefixed(KEY_EFFECT_SETTINGS, fieldError));
    if (!decodeHardwareSettings(object.value(key(KEY_HARDWARE_SETTINGS)).toObject(),
                                parsed.hardware, &fieldError))
        return failWith(error, prefixed(KEY_HARDWARE_SETTINGS, fieldError));

    if (!refuseUnknownKeys(object,
                           {key(KEY_FORMAT), key(KEY_VERSION), key(KEY_CREATED), key(KEY_BOARD),
                            key(KEY_EFFECT_SETTINGS), key(KEY_HARDWARE_SETTINGS)},
                           QString(), fileContainer(), error))
        return false;
    backup = parsed;
    return true;
}

bool writeBoardBackup(const QString &path, const BoardBackup &backup, QString *error)
{
    const QByteArray json = serializeBoardBackup(backup);
    // A backup that could not be read back is worse than none: it would only
    // be found out when it is needed.
    BoardBackup check;
    QString reason;
    if (!parseBoardBackup(json, check, &reason))
        return failWith(error,
                        QStringLiteral("%1: not written, the backup would not be readable (%2)")
                            .arg(path, reason));
    return writeWholeFile(path, json, error);
}

bool readBoardBackup(const QString &path, BoardBackup &backup, QString *error)
{
    QByteArray json;
    if (!readLimitedFile(path, json, error))
        return false;
    QString reason;
    if (!parseBoardBackup(json, backup, &reason))
        return failWith(error, QStringLiteral("%1: %2").arg(path, reason));
    return true;
}
