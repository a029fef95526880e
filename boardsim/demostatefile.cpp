#include "demostatefile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>
#include <QSaveFile>

#include <cstdio>
#include <cstring>

namespace boardsim {

namespace {

// Plain literals: the demo installs its boards before main(), possibly before
// this file's static objects exist.
constexpr QLatin1String FORMAT_NAME("gravolt-demo-boards");
// A transfer waits at most this long for the other process's transfer; a real
// board answers within a second, and the lock is only held around one.
constexpr int LOCK_TIMEOUT_MS = 5000;
// The state file is a few kilobytes per board.
constexpr qint64 MAX_STATE_FILE_SIZE = 4 * 1024 * 1024;  // bytes

constexpr QLatin1String KEY_FORMAT("format");
constexpr QLatin1String KEY_BOARDS("boards");
constexpr QLatin1String KEY_PRODUCT_ID("product_id");
constexpr QLatin1String KEY_DEVICE_TYPE("device_type");
constexpr QLatin1String KEY_FIRMWARE_VERSION("firmware_version");
constexpr QLatin1String KEY_DEVICE_INFORMATION("device_information");
constexpr QLatin1String KEY_WORKING_EFFECTS("working_effect_settings");
constexpr QLatin1String KEY_WORKING_HARDWARE("working_hardware_settings");
constexpr QLatin1String KEY_PERMANENT_EFFECTS("permanent_effect_settings");
constexpr QLatin1String KEY_PERMANENT_HARDWARE("permanent_hardware_settings");

QString lockPathFor(const QString &path)
{
    return path + QStringLiteral(".lock");
}

// An absent or empty file is an empty state; anything unreadable is an error,
// so that a damaged file is never overwritten with fresh boards.
bool readDocument(const QString &path, QJsonObject *document, QString *error)
{
    QFile file(path);
    if (!file.exists()) {
        *document = QJsonObject();
        return true;
    }
    // A pipe would block every transfer and a device such as /dev/zero would
    // be read without end.
    if (!QFileInfo(path).isFile()) {
        *error = QStringLiteral("%1 is not a regular file").arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    if (file.size() > MAX_STATE_FILE_SIZE) {
        *error = QStringLiteral("%1 is too large to be a demo state file").arg(path);
        return false;
    }
    const QByteArray bytes = file.read(MAX_STATE_FILE_SIZE);
    if (bytes.trimmed().isEmpty()) {
        *document = QJsonObject();
        return true;
    }
    QJsonParseError parseError;
    const QJsonDocument parsed = QJsonDocument::fromJson(bytes, &parseError);
    if (!parsed.isObject() || parsed.object().value(KEY_FORMAT).toString() != FORMAT_NAME) {
        *error = QStringLiteral("%1 is not a demo state file%2")
                     .arg(path, parseError.error == QJsonParseError::NoError
                                    ? QString()
                                    : QStringLiteral(" (%1)").arg(parseError.errorString()));
        return false;
    }
    *document = parsed.object();
    return true;
}

bool writeDocument(const QString &path, const QJsonObject &document, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(document).toJson()) < 0 ||
        !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

QJsonObject encodeImage(int productId, const BoardImage &image)
{
    QJsonObject entry;
    entry.insert(KEY_PRODUCT_ID, productId);
    // Written out on their own so that a person can change a board's model or
    // firmware version in an editor; they win over the information bytes.
    entry.insert(KEY_DEVICE_TYPE, int(image.info.deviceType));
    entry.insert(KEY_FIRMWARE_VERSION, qint64(image.info.firmwareVersion));
    const QByteArray info(reinterpret_cast<const char *>(&image.info), int(sizeof image.info));
    entry.insert(KEY_DEVICE_INFORMATION, QString::fromLatin1(info.toBase64()));
    entry.insert(KEY_WORKING_EFFECTS, QString::fromLatin1(image.workingEffects.toBase64()));
    entry.insert(KEY_WORKING_HARDWARE, QString::fromLatin1(image.workingHardware.toBase64()));
    entry.insert(KEY_PERMANENT_EFFECTS, QString::fromLatin1(image.permanentEffects.toBase64()));
    entry.insert(KEY_PERMANENT_HARDWARE, QString::fromLatin1(image.permanentHardware.toBase64()));
    return entry;
}

bool decodeMemory(const QJsonObject &entry, const QString &key, int size, QByteArray *out)
{
    const auto decoded = QByteArray::fromBase64Encoding(entry.value(key).toString().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != size)
        return false;
    *out = decoded.decoded;
    return true;
}

// False when the entry is not a complete image of a board of `productId`.
bool decodeImage(const QJsonValue &value, int productId, BoardImage *image)
{
    const QJsonObject entry = value.toObject();
    if (entry.value(KEY_PRODUCT_ID).toInt(-1) != productId)
        return false;
    BoardImage decoded;
    QByteArray info;
    if (!decodeMemory(entry, KEY_DEVICE_INFORMATION, FIRMWARE_INFO_SIZE, &info) ||
        !decodeMemory(entry, KEY_WORKING_EFFECTS, EFFECT_SETTINGS_SIZE, &decoded.workingEffects) ||
        !decodeMemory(entry, KEY_WORKING_HARDWARE, HARDWARE_SETTINGS_SIZE,
                      &decoded.workingHardware) ||
        !decodeMemory(entry, KEY_PERMANENT_EFFECTS, EFFECT_SETTINGS_SIZE,
                      &decoded.permanentEffects) ||
        !decodeMemory(entry, KEY_PERMANENT_HARDWARE, HARDWARE_SETTINGS_SIZE,
                      &decoded.permanentHardware))
        return false;
    std::memcpy(&decoded.info, info.constData(), sizeof decoded.info);
    const QJsonValue deviceType = entry.value(KEY_DEVICE_TYPE);
    if (deviceType.isDouble())
        decoded.info.deviceType = uint8_t(deviceType.toInt());
    const QJsonValue version = entry.value(KEY_FIRMWARE_VERSION);
    if (version.isDouble())
        decoded.info.firmwareVersion = uint32_t(version.toInteger());
    *image = decoded;
    return true;
}

}  // namespace

DemoStateFile::DemoStateFile(const QString &path, int slot, int productId)
    : path(path), slot(slot), productId(productId)
{}

DemoStateFile::~DemoStateFile() = default;

bool DemoStateFile::attach(const QString &path, const QList<SimulatedBoard> &boards, QString *error)
{
    QString why;
    QLockFile lock(lockPathFor(path));
    if (!lock.tryLock(LOCK_TIMEOUT_MS)) {
        why = QStringLiteral("cannot lock %1").arg(lockPathFor(path));
    } else {
        QJsonObject document;
        if (readDocument(path, &document, &why)) {
            QJsonArray entries = document.value(KEY_BOARDS).toArray();
            bool dirty = !QFile::exists(path);
            for (int slot = 0; slot < boards.size(); ++slot) {
                SimulatedBoard board = boards.at(slot);
                BoardImage image;
                if (slot < entries.size() &&
                    decodeImage(entries.at(slot), board.productId(), &image)) {
                    board.setImage(image);
                    continue;
                }
                const QJsonObject entry = encodeImage(board.productId(), board.image());
                if (slot < entries.size())
                    entries[slot] = entry;
                else
                    entries.append(entry);
                dirty = true;
            }
            document.insert(KEY_FORMAT, FORMAT_NAME);
            document.insert(KEY_BOARDS, entries);
            if (!dirty || writeDocument(path, document, &why)) {
                for (int slot = 0; slot < boards.size(); ++slot) {
                    SimulatedBoard board = boards.at(slot);
                    board.setStore(std::make_shared<DemoStateFile>(path, slot, board.productId()));
                }
                return true;
            }
        }
    }
    if (error)
        *error = why;
    return false;
}

void DemoStateFile::load(BoardImage &image)
{
    lock = std::make_unique<QLockFile>(lockPathFor(path));
    QString error;
    if (!lock->tryLock(LOCK_TIMEOUT_MS)) {
        // The board then works from what this process last knew; better than
        // a demo that stops answering.
        std::fprintf(stderr, "demo state: cannot lock %s\n", qPrintable(lockPathFor(path)));
        lock.reset();
        return;
    }
    if (!readDocument(path, &document, &error)) {
        std::fprintf(stderr, "demo state: %s\n", qPrintable(error));
        document = QJsonObject();
        return;
    }
    const QJsonArray entries = document.value(KEY_BOARDS).toArray();
    if (slot < entries.size())
        decodeImage(entries.at(slot), productId, &image);
}

void DemoStateFile::store(const BoardImage &image, bool changed)
{
    if (!lock)
        return;
    if (changed && document.value(KEY_FORMAT).toString() == FORMAT_NAME) {
        QJsonArray entries = document.value(KEY_BOARDS).toArray();
        while (entries.size() <= slot)
            entries.append(QJsonObject());
        entries[slot] = encodeImage(productId, image);
        document.insert(KEY_BOARDS, entries);
        QString error;
        if (!writeDocument(path, document, &error))
            std::fprintf(stderr, "demo state: %s\n", qPrintable(error));
    }
    document = QJsonObject();
    lock.reset();
}

}  // namespace boardsim
