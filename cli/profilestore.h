#pragma once

#include "settings/effectsettings.h"

#include <QString>
#include <QStringList>

// The window's effect profiles as the command-line tool reaches them: the
// same folder, the same raw 384-byte files, the same origins index, the same
// rule for names.
class ProfileStore
{
public:
    explicit ProfileStore(const QString &dataDir);

    QString folder() const { return profileDir; }
    QString filePath(const QString &name) const;

    // Why a name cannot be a profile's, or nothing.
    static QString nameProblem(const QString &name);

    // As the window lists them: visible files only, sorted ignoring case.
    QStringList names() const;
    bool exists(const QString &name) const;
    // Refuses any file that is not exactly one record.
    bool read(const QString &name, EffectSettingsTypeDef &record, QString *error) const;
    // Atomic. `originDeviceType` -1 leaves the profile without a known origin
    // (and forgets the origin of a profile it replaces).
    bool write(const QString &name, const EffectSettingsTypeDef &record, int originDeviceType,
               QString *error) const;
    bool remove(const QString &name, QString *error) const;
    // -1 when not known.
    int originOf(const QString &name) const;

private:
    QString profileDir;
};
