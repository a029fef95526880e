#pragma once

#include <QJsonObject>
#include <QSet>
#include <QString>

// What every reader of the program's JSON files (the record codec, backups,
// effect profiles) does alike when a file is wrong: say which field, and
// refuse keys it does not know.

// Sets `*error` (when given) to `message` and returns false, so that a check
// ends in `return failWith(error, ...)`.
bool failWith(QString *error, const QString &message);
// The same for a message about one field: "<path>: <message>".
bool failAt(QString *error, const QString &path, const QString &message);

// How messages name a field inside an object: "prefix.key", or "key" at the
// top level (empty prefix).
QString fieldPath(const QString &prefix, const QString &key);

// Any key not in `known` is refused rather than dropped: a typo in a
// hand-edited name would otherwise vanish and the field keep its old value.
// The message is "<path>: not a field of this <container>".
bool refuseUnknownKeys(const QJsonObject &object, const QSet<QString> &known, const QString &prefix,
                       const QString &container, QString *error);
