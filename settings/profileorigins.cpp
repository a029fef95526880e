#include "profileorigins.h"

#include "settings/profilename.h"
#include "settings/regularfile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>

#include <cmath>
#include <utility>

namespace {

constexpr char INDEX_FILE_NAME[] = ".origins.json";
constexpr char LOCK_FILE_SUFFIX[] = ".lock";
constexpr char KEY_PROFILES[] = "profiles";
constexpr char KEY_DEVICE_TYPE[] = "device_type";
constexpr int MAX_DEVICE_TYPE = 255;   // FirmwareInfoTypeDef::deviceType is one byte
constexpr int LOCK_TIMEOUT_MS = 2000;  // the index is tiny; a longer wait means a stuck process
constexpr qint64 MAX_INDEX_SIZE = 1024 * 1024;  // bytes

}  // namespace

ProfileOrigins::ProfileOrigins(QString profileDir) : profileDir(std::move(profileDir))
{}

QString ProfileOrigins::indexFilePath() const
{
    return QDir(profileDir).absoluteFilePath(QLatin1String(INDEX_FILE_NAME));
}

int ProfileOrigins::deviceTypeOf(const QString &profileName) const
{
    return load().value(profileName, -1);
}

bool ProfileOrigins::remember(const QString &profileName, int deviceType)
{
    if (!isProfileName(profileName) || deviceType < 0 || deviceType > MAX_DEVICE_TYPE)
        return false;
    if (!QDir().mkpath(profileDir))
        return false;
    // Read, change and write under one lock so that the window and the command
    // line tool remembering at the same moment do not drop each other's entry.
    QLockFile lock(indexFilePath() + QLatin1String(LOCK_FILE_SUFFIX));
    if (!lock.tryLock(LOCK_TIMEOUT_MS))
        return false;
    QHash<QString, int> origins = load();
    origins.insert(profileName, deviceType);
    return store(origins);
}

bool ProfileOrigins::forget(const QString &profileName)
{
    if (!QFile::exists(indexFilePath()))
        return true;
    QLockFile lock(indexFilePath() + QLatin1String(LOCK_FILE_SUFFIX));
    if (!lock.tryLock(LOCK_TIMEOUT_MS))
        return false;
    QHash<QString, int> origins = load();
    if (!origins.remove(profileName))
        return true;
    return store(origins);
}

// A missing or damaged index means no origin is known: profiles then load as
// they always did, which is the safe side. Entries that are not a device type
// are skipped one by one rather than losing the whole index.
QHash<QString, int> ProfileOrigins::load() const
{
    QHash<QString, int> origins;
    QFile file(indexFilePath());
    if (!openRegularFileForReading(file, nullptr) || file.size() > MAX_INDEX_SIZE)
        return origins;
    const QJsonObject profiles = QJsonDocument::fromJson(file.read(MAX_INDEX_SIZE))
                                     .object()
                                     .value(QLatin1String(KEY_PROFILES))
                                     .toObject();
    for (auto it = profiles.begin(); it != profiles.end(); ++it) {
        const double type =
            it.value().toObject().value(QLatin1String(KEY_DEVICE_TYPE)).toDouble(-1);
        if (isProfileName(it.key()) && type >= 0 && type <= MAX_DEVICE_TYPE &&
            std::floor(type) == type)
            origins.insert(it.key(), static_cast<int>(type));
    }
    return origins;
}

bool ProfileOrigins::store(const QHash<QString, int> &origins) const
{
    QJsonObject profiles;
    for (auto it = origins.begin(); it != origins.end(); ++it)
        profiles.insert(it.key(), QJsonObject{{QLatin1String(KEY_DEVICE_TYPE), it.value()}});
    const QByteArray json = QJsonDocument(QJsonObject{{QLatin1String(KEY_PROFILES), profiles}})
                                .toJson(QJsonDocument::Indented);
    QSaveFile file(indexFilePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
