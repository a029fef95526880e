#include "effectprofilefile.h"

#include "settings/jsonfields.h"
#include "settings/recordcodec.h"

#include <QJsonObject>

using namespace boardfile;

QByteArray serializeEffectProfile(const EffectSettingsTypeDef &effects, const BoardIdentity &board)
{
    QJsonObject object;
    object.insert(key(KEY_FORMAT), key(EFFECT_PROFILE_FORMAT));
    object.insert(key(KEY_VERSION), EFFECT_PROFILE_VERSION);
    object.insert(key(KEY_BOARD), encodeIdentity(board));
    object.insert(key(KEY_EFFECT_SETTINGS), encodeEffectSettings(effects));
    return fileText(object);
}

bool parseEffectProfile(const QByteArray &json, EffectSettingsTypeDef &effects,
                        BoardIdentity &board, QString *error)
{
    QJsonObject object;
    if (!openDocument(json, EFFECT_PROFILE_FORMAT, EFFECT_PROFILE_VERSION,
                      QStringLiteral("a Gravolt effect profile"), object, error))
        return false;
    BoardIdentity parsedBoard;
    if (!decodeIdentity(object.value(key(KEY_BOARD)), true, parsedBoard, error))
        return false;
    const QJsonValue value = object.value(key(KEY_EFFECT_SETTINGS));
    if (value.isUndefined())
        return failWith(error, key(KEY_EFFECT_SETTINGS) + QStringLiteral(": missing"));
    if (!value.isObject())
        return failWith(error, key(KEY_EFFECT_SETTINGS) + QStringLiteral(": expected an object"));
    EffectSettingsTypeDef parsedEffects{};
    QString fieldError;
    if (!decodeEffectSettings(value.toObject(), parsedEffects, &fieldError))
        return failWith(error, prefixed(KEY_EFFECT_SETTINGS, fieldError));
    if (!refuseUnknownKeys(
            object, {key(KEY_FORMAT), key(KEY_VERSION), key(KEY_BOARD), key(KEY_EFFECT_SETTINGS)},
            QString(), fileContainer(), error))
        return false;
    effects = parsedEffects;
    board = parsedBoard;
    return true;
}

bool writeEffectProfileFile(const QString &path, const EffectSettingsTypeDef &effects,
                            const BoardIdentity &board, QString *error)
{
    const QByteArray json = serializeEffectProfile(effects, board);
    EffectSettingsTypeDef checkEffects{};
    BoardIdentity checkBoard;
    QString reason;
    if (!parseEffectProfile(json, checkEffects, checkBoard, &reason))
        return failWith(error,
                        QStringLiteral("%1: not written, the profile would not be readable (%2)")
                            .arg(path, reason));
    return writeWholeFile(path, json, error);
}

bool readEffectProfileFile(const QString &path, EffectSettingsTypeDef &effects,
                           BoardIdentity &board, QString *error)
{
    QByteArray json;
    if (!readLimitedFile(path, json, error))
        return false;
    QString reason;
    if (!parseEffectProfile(json, effects, board, &reason))
        return failWith(error, QStringLiteral("%1: %2").arg(path, reason));
    return true;
}
