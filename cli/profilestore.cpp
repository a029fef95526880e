#include "profilestore.h"

#include "settings/effectprofilefile.h"
#include "settings/profilename.h"
#include "settings/profileorigins.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

ProfileStore::ProfileStore(const QString &dataDir)
    : profileDir(QDir(dataDir).absoluteFilePath(QLatin1String(EFFECT_PROFILE_DIRECTORY)))
{}

QString ProfileStore::filePath(const QString &name) const
{
    return QDir(profileDir).absoluteFilePath(name);
}

QString ProfileStore::nameProblem(const QString &name)
{
    const ProfileNameProblem problem = profileNameProblem(name);
    return problem == ProfileNameProblem::None ? QString() : profileNameProblemText(problem);
}

QStringList ProfileStore::names() const
{
    QStringList names = QDir(profileDir).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    names.removeIf([](const QString &name) { return !nameProblem(name).isEmpty(); });
    return names;
}

bool ProfileStore::exists(const QString &name) const
{
    return nameProblem(name).isEmpty() && QFileInfo(filePath(name)).isFile();
}

bool ProfileStore::read(const QString &name, EffectSettingsTypeDef &record, QString *error) const
{
    const QString problem = nameProblem(name);
    if (!problem.isEmpty()) {
        *error = problem;
        return false;
    }
    QFile file(filePath(name));
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("no profile \"%1\" in %2").arg(name, profileDir);
        return false;
    }
    const QByteArray image = file.read(EFFECT_SETTINGS_SIZE + 1);
    if (image.size() != EFFECT_SETTINGS_SIZE) {
        *error = QStringLiteral("%1 is not an effect profile (%2 bytes instead of %3)")
                     .arg(file.fileName())
                     .arg(file.size())
                     .arg(EFFECT_SETTINGS_SIZE);
        return false;
    }
    std::memcpy(&record, image.constData(), sizeof record);
    return true;
}

bool ProfileStore::write(const QString &name, const EffectSettingsTypeDef &record,
                         int originDeviceType, QString *error) const
{
    const QString problem = nameProblem(name);
    if (!problem.isEmpty()) {
        *error = problem;
        return false;
    }
    if (!QDir().mkpath(profileDir)) {
        *error = QStringLiteral("the folder %1 cannot be created").arg(profileDir);
        return false;
    }
    QByteArray image(int(sizeof record), '\0');
    std::memcpy(image.data(), &record, sizeof record);
    // Unbuffered, so that a short write shows in write()'s count rather than
    // being taken for success by the flush inside commit().
    QSaveFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(image) != image.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    ProfileOrigins origins(profileDir);
    if (originDeviceType >= 0)
        origins.remember(name, originDeviceType);
    else
        origins.forget(name);
    return true;
}

bool ProfileStore::remove(const QString &name, QString *error) const
{
    if (!exists(name)) {
        *error = nameProblem(name).isEmpty()
                     ? QStringLiteral("no profile \"%1\" in %2").arg(name, profileDir)
                     : nameProblem(name);
        return false;
    }
    QFile file(filePath(name));
    if (!file.remove()) {
        *error = file.errorString();
        return false;
    }
    ProfileOrigins(profileDir).forget(name);
    return true;
}

int ProfileStore::originOf(const QString &name) const
{
    return ProfileOrigins(profileDir).deviceTypeOf(name);
}
