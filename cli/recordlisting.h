#pragma once

#include <QJsonObject>
#include <QStringList>

// A record as the codec encodes it, one "name = value" line per field, with
// axis blocks and per-pin fields spelled out ("axis[1].encoder_cpr = 4096"),
// so that a listing can be searched with grep and two listings compared with
// diff.
QStringList listRecord(const QJsonObject &record);
