#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

// Indented JSON for files people read and diff. QJsonDocument sorts keys
// alphabetically and puts every array element on a line of its own, which
// scatters a record's fields and turns ten pin codes into ten lines. This
// writer puts keys in the given order (keys not listed follow, sorted) and
// keeps arrays of plain values on one line. Values are written exactly as
// QJsonDocument writes them, so QJsonDocument reads the result back unchanged.
QByteArray orderedJson(const QJsonObject &object, const QStringList &keyOrder);

// The object's keys in the given order; keys not listed follow, sorted.
QStringList keysInOrder(const QJsonObject &object, const QStringList &keyOrder);
