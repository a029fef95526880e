#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QtGlobal>

// What the program's two kinds of board file (backups and effect profiles)
// have in common: the identity of the board a record came from, the header
// with the format name and version, the size limit, and how a file is read
// and written. The file kinds themselves are in boardbackup and
// effectprofilefile.

// A backup is a few kilobytes, a profile less. Anything far larger is not one,
// and reading it whole into memory would only let a wrong file choice hang the
// program.
constexpr qint64 BOARD_BACKUP_MAX_FILE_SIZE = 1024 * 1024;  // bytes

// Which board a record came from. A default-constructed identity stands for
// "unknown" (deviceType -1); only effect profiles may carry an unknown board.
struct BoardIdentity {
    QString model;        // modelNameForDeviceType(deviceType)
    int productId = -1;   // USB product id, 0 to 65535
    int deviceType = -1;  // FirmwareInfoTypeDef::deviceType code
    quint32 firmwareVersion = 0;
};

// The identity of a connected board as the files record it.
BoardIdentity boardIdentityFor(int productId, int deviceType, quint32 firmwareVersion);

// The parts the file kinds are written from; not for other callers.
namespace boardfile {

constexpr char KEY_FORMAT[] = "format";
constexpr char KEY_VERSION[] = "version";
constexpr char KEY_CREATED[] = "created";
constexpr char KEY_BOARD[] = "board";
constexpr char KEY_EFFECT_SETTINGS[] = "effect_settings";
constexpr char KEY_HARDWARE_SETTINGS[] = "hardware_settings";
constexpr char KEY_MODEL[] = "model";
constexpr char KEY_PRODUCT_ID[] = "product_id";
constexpr char KEY_DEVICE_TYPE[] = "device_type";
constexpr char KEY_FIRMWARE_VERSION[] = "firmware_version";

QString key(const char *name);
// What an unknown key is said not to be a field of.
QString fileContainer();
// "<name>.<message>": a record codec message placed under its key.
QString prefixed(const char *name, const QString &message);

// The "board" value: an object, or null for an unknown board.
QJsonValue encodeIdentity(const BoardIdentity &board);
// Refuses null unless `unknownAllowed`.
bool decodeIdentity(const QJsonValue &value, bool unknownAllowed, BoardIdentity &out,
                    QString *error);
// A JSON object of the expected format and a version this program can read;
// `what` names the file kind in messages ("a Gravolt board backup").
bool openDocument(const QByteArray &json, const char *format, int newestVersion,
                  const QString &what, QJsonObject &out, QString *error);
// Refuses files over BOARD_BACKUP_MAX_FILE_SIZE without reading them.
bool readLimitedFile(const QString &path, QByteArray &out, QString *error);
// Atomic: the file is replaced only when it has been written completely.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error);
// Indented JSON with the identity first, then the records in their own order.
QByteArray fileText(const QJsonObject &object);

}  // namespace boardfile
