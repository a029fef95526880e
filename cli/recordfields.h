#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

// The settings records field by field, under the codec's names
// ("axis[0].max_force", "gpio_mode[3]"), with what the window knows about
// each: its range, its unit and the meaning of its codes.

struct RecordField {
    QString path;      // "axis[1].encoder_cpr"
    QString baseName;  // "encoder_cpr"
    QJsonValue value;  // as the codec encodes it
    bool reserved = false;
};

// Every field of an encoded record, in record order.
QList<RecordField> recordFields(const QJsonObject &record);

// "8.5 kg", "1 (start angle as the centre)", "00ff..." for a reserved area.
QString readableValue(const RecordField &field);

// One "name = value" line per field in the window's units; reserved areas
// only with `all`.
QStringList readableListing(const QJsonObject &record, bool all);

// Sets the field at `path` from the text a person typed. Refuses a name the
// record does not have, a reserved area, text that is not a value of the
// field, and values outside the range the window allows. `old` receives the
// value the field had. On failure the record is unchanged and `error` says
// why, naming the field.
bool setRecordField(QJsonObject &record, const QString &path, const QString &text, QJsonValue &old,
                    QString *error);

// Fields whose values differ, in record order; reserved areas only with `all`.
QList<QPair<RecordField, RecordField>> differingFields(const QJsonObject &a, const QJsonObject &b,
                                                       bool all);
