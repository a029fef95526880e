#pragma once

#include "settings/effectsettings.h"
#include "settings/hardwaresettings.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// Both settings records as JSON objects a person can read, edit and diff, and
// back. Every byte of the record image has a place in the object: named fields
// under their record names, per-axis blocks and per-pin/button/axis fields as
// arrays, codes as plain numbers, reserved areas as hex strings. The round trip
// is exact for any image, including what a faulty or future firmware reports.
//
// Floats are JSON numbers in the shortest form that reads back to the same
// float; a float that is not finite is a string of its 8 hex digits (the bit
// pattern as the host reads it).

QJsonObject encodeEffectSettings(const EffectSettingsTypeDef &settings);
QJsonObject encodeHardwareSettings(const HardwareSettingsTypeDef &settings);

// Decoding accepts only a complete object: a missing field, a field of the
// wrong type, a number outside its field's range or not a whole number, a hex
// string of the wrong length and any key the record does not have are all
// refused, and the message names the field ("axis[1].encoder_cpr: ..."). No
// default is ever filled in. On failure `out` is left as it was and, when
// `error` is given, it receives the message.
bool decodeEffectSettings(const QJsonObject &object, EffectSettingsTypeDef &out, QString *error);
bool decodeHardwareSettings(const QJsonObject &object, HardwareSettingsTypeDef &out,
                            QString *error);

// The field names of both records in the order the records hold them (each
// record's own fields, then its axis block's, "axis" last), for writers that
// keep a file in record order.
QStringList recordFieldOrder();

// One element of a value field of a record: its byte offset and width.
// Reserved areas have none.
struct RecordFieldSpan {
    int offset;
    int size;
};

// Every element of every value field (each array element, each axis block's
// field) in record order.
QList<RecordFieldSpan> effectSettingsFieldSpans();
QList<RecordFieldSpan> hardwareSettingsFieldSpans();
