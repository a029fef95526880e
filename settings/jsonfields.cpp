#include "jsonfields.h"

bool failWith(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

bool failAt(QString *error, const QString &path, const QString &message)
{
    return failWith(error, path + QStringLiteral(": ") + message);
}

QString fieldPath(const QString &prefix, const QString &key)
{
    return prefix.isEmpty() ? key : prefix + QLatin1Char('.') + key;
}

bool refuseUnknownKeys(const QJsonObject &object, const QSet<QString> &known, const QString &prefix,
                       const QString &container, QString *error)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!known.contains(it.key()))
            return failAt(error, fieldPath(prefix, it.key()),
                          QStringLiteral("not a field of this ") + container);
    }
    return true;
}
