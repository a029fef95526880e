#pragma once

#include <QHash>
#include <QString>

// Which device type each stored effect profile was saved on or imported from,
// so the window can ask before a joystick's motion range lands on a wheel.
// Kept in an index file beside the profiles (".origins.json": profile names
// never start with '.', so it cannot clash with one), leaving the raw profile
// files exactly as they are. Every call reads the index afresh, so a change
// made by another process (the command line tool) is seen at once.
class ProfileOrigins
{
public:
    explicit ProfileOrigins(QString profileDir);

    // -1 when the profile's origin is not known.
    int deviceTypeOf(const QString &profileName) const;
    // Both write the index atomically; false when it could not be written or
    // the name cannot be a profile name.
    bool remember(const QString &profileName, int deviceType);
    bool forget(const QString &profileName);

    QString indexFilePath() const;

private:
    QHash<QString, int> load() const;
    bool store(const QHash<QString, int> &origins) const;

    QString profileDir;
};
