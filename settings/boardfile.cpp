#include "boardfile.h"

#include "device/firmwareinfo.h"
#include "settings/jsonfields.h"
#include "settings/orderedjson.h"
#include "settings/recordcodec.h"
#include "settings/regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>
#include <QStringList>

#include <cmath>
#include <limits>

namespace {

constexpr int MAX_PRODUCT_ID = 0xFFFF;

}  // namespace

namespace boardfile {

QString key(const char *name)
{
    return QLatin1String(name);
}

QString fileContainer()
{
    return QStringLiteral("file");
}

namespace {

bool readWholeNumber(const QJsonObject &object, const char *name, double maximum, double &out,
                     const QString &prefix, QString *error)
{
    const QString path = prefix + key(name);
    const QJsonValue value = object.value(key(name));
    if (value.isUndefined())
        return failWith(error, path + QStringLiteral(": missing"));
    if (!value.isDouble())
        return failWith(error, path + QStringLiteral(": expected a number"));
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::floor(number) != number || number < 0 || number > maximum)
        return failWith(error, path + QStringLiteral(": %1 is out of range (0 to %2)")
                                          .arg(number)
                                          .arg(maximum, 0, 'f', 0));
    out = number;
    return true;
}
}  // namespace

QJsonValue encodeIdentity(const BoardIdentity &board)
{
    if (board.deviceType < 0)
        return QJsonValue(QJsonValue::Null);
    QJsonObject object;
    object.insert(key(KEY_MODEL), board.model);
    object.insert(key(KEY_PRODUCT_ID), board.productId);
    object.insert(key(KEY_DEVICE_TYPE), board.deviceType);
    object.insert(key(KEY_FIRMWARE_VERSION), static_cast<qint64>(board.firmwareVersion));
    return object;
}

bool decodeIdentity(const QJsonValue &value, bool unknownAllowed, BoardIdentity &out,
                    QString *error)
{
    const QString prefix = key(KEY_BOARD) + QLatin1Char('.');
    if (value.isUndefined())
        return failWith(error, key(KEY_BOARD) + QStringLiteral(": missing"));
    if (value.isNull() && unknownAllowed) {
        out = BoardIdentity();
        return true;
    }
    if (!value.isObject())
        return failWith(error, key(KEY_BOARD) + QStringLiteral(": expected an object"));
    const QJsonObject object = value.toObject();

    const QJsonValue model = object.value(key(KEY_MODEL));
    if (model.isUndefined())
        return failWith(error, prefix + key(KEY_MODEL) + QStringLiteral(": missing"));
    if (!model.isString())
        return failWith(error, prefix + key(KEY_MODEL) + QStringLiteral(": expected a string"));
    const int modelType = deviceTypeForModelName(model.toString());
    if (modelType < 0)
        return failWith(error, prefix + key(KEY_MODEL) +
                                   QStringLiteral(": \"%1\" is not one of %2")
                                       .arg(model.toString(), knownModelNames()));
    double productId = 0;
    double deviceType = 0;
    double firmwareVersion = 0;
    if (!readWholeNumber(object, KEY_PRODUCT_ID, MAX_PRODUCT_ID, productId, prefix, error) ||
        !readWholeNumber(object, KEY_DEVICE_TYPE, std::numeric_limits<uint8_t>::max(), deviceType,
                         prefix, error) ||
        !readWholeNumber(object, KEY_FIRMWARE_VERSION, std::numeric_limits<quint32>::max(),
                         firmwareVersion, prefix, error))
        return false;
    // Two names for one thing: if they disagree the file was edited by hand
    // and it is not clear which board was meant.
    if (static_cast<int>(deviceType) != modelType)
        return failWith(error,
                        prefix + key(KEY_DEVICE_TYPE) +
                            QStringLiteral(": %1 does not match the model \"%2\" (device type %3)")
                                .arg(deviceType)
                                .arg(model.toString())
                                .arg(modelType));
    if (!refuseUnknownKeys(
            object,
            {key(KEY_MODEL), key(KEY_PRODUCT_ID), key(KEY_DEVICE_TYPE), key(KEY_FIRMWARE_VERSION)},
            key(KEY_BOARD), fileContainer(), error))
        return false;
    out.model = model.toString();
    out.productId = static_cast<int>(productId);
    out.deviceType = modelType;
    out.firmwareVersion = static_cast<quint32>(firmwareVersion);
    return true;
}

bool openDocument(const QByteArray &json, const char *format, int newestVersion,
                  const QString &what, QJsonObject &out, QString *error)
{
    if (json.size() > BOARD_BACKUP_MAX_FILE_SIZE)
        return failWith(error, QStringLiteral("too large for %1 (%2 bytes; the limit is %3)")
                                   .arg(what)
                                   .arg(json.size())
                                   .arg(BOARD_BACKUP_MAX_FILE_SIZE));
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return failWith(error, QStringLiteral("not valid JSON (%1 at byte %2)")
                                   .arg(parseError.errorString())
                                   .arg(parseError.offset));
    if (!document.isObject())
        return failWith(error, QStringLiteral("not %1: the file holds no JSON object").arg(what));
    const QJsonObject object = document.object();

    const QJsonValue formatValue = object.value(key(KEY_FORMAT));
    if (!formatValue.isString() || formatValue.toString() != key(format)) {
        QString found = formatValue.isString()
                            ? QStringLiteral("\"%1\"").arg(formatValue.toString())
                            : QStringLiteral("no format name");
        return failWith(error, QStringLiteral("not %1: format: expected \"%2\", found %3")
                                   .arg(what, key(format), found));
    }
    const QJsonValue versionValue = object.value(key(KEY_VERSION));
    if (versionValue.isUndefined())
        return failWith(error, QStringLiteral("version: missing"));
    const double version = versionValue.toDouble(-1);
    if (!versionValue.isDouble() || std::floor(version) != version || version < 1)
        return failWith(error, QStringLiteral("version: expected a whole number from 1"));
    if (version > newestVersion)
        return failWith(
            error, QStringLiteral("written by a newer version of Gravolt Setup (file version %1; "
                                  "this version reads up to %2): update Gravolt Setup to use it")
                       .arg(version)
                       .arg(newestVersion));
    out = object;
    return true;
}

bool readLimitedFile(const QString &path, QByteArray &out, QString *error)
{
    QFile file(path);
    QString reason;
    if (!openRegularFileForReading(file, &reason))
        return failWith(error, QStringLiteral("%1: %2").arg(path, reason));
    // Checked before reading and again after: the file may grow meanwhile.
    if (file.size() > BOARD_BACKUP_MAX_FILE_SIZE)
        return failWith(error, QStringLiteral("%1: too large (%2 bytes; a backup is at most %3)")
                                   .arg(path)
                                   .arg(file.size())
                                   .arg(BOARD_BACKUP_MAX_FILE_SIZE));
    out = file.read(BOARD_BACKUP_MAX_FILE_SIZE + 1);
    if (file.error() != QFileDevice::NoError)
        return failWith(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
    if (out.size() > BOARD_BACKUP_MAX_FILE_SIZE)
        return failWith(error, QStringLiteral("%1: too large (a backup is at most %2 bytes)")
                                   .arg(path)
                                   .arg(BOARD_BACKUP_MAX_FILE_SIZE));
    return true;
}

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    // The new file is renamed over the old one: a pipe or a device of that
    // name (/dev/null, picked by mistake or run as root) would be replaced.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile())
        return failWith(error, QStringLiteral("%1: not a regular file").arg(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failWith(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failWith(error, QStringLiteral("%1: %2").arg(path, reason));
    }
    if (!file.commit())
        return failWith(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
    return true;
}

// So that the file reads like the forms and a diff of two files lines up
// field by field.
QByteArray fileText(const QJsonObject &object)
{
    static const QStringList order =
        QStringList{key(KEY_FORMAT),          key(KEY_VERSION),
                    key(KEY_CREATED),         key(KEY_BOARD),
                    key(KEY_MODEL),           key(KEY_PRODUCT_ID),
                    key(KEY_DEVICE_TYPE),     key(KEY_FIRMWARE_VERSION),
                    key(KEY_EFFECT_SETTINGS), key(KEY_HARDWARE_SETTINGS)} +
        recordFieldOrder();
    return orderedJson(object, order);
}

QString prefixed(const char *name, const QString &message)
{
    return key(name) + QLatin1Char('.') + message;
}

}  // namespace boardfile

BoardIdentity boardIdentityFor(int productId, int deviceType, quint32 firmwareVersion)
{
    return BoardIdentity{modelNameForDeviceType(deviceType), productId, deviceType,
                         firmwareVersion};
}
