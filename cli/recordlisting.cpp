#include "recordlisting.h"

#include "settings/orderedjson.h"
#include "settings/recordcodec.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

void listValue(const QString &name, const QJsonValue &value, const QStringList &order,
               QStringList &lines)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (const QString &key : keysInOrder(object, order))
            listValue(name.isEmpty() ? key : name + QLatin1Char('.') + key, object.value(key),
                      order, lines);
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (int i = 0; i < array.size(); ++i)
            listValue(QStringLiteral("%1[%2]").arg(name).arg(i), array.at(i), order, lines);
    } else {
        // The codec's own spelling of the value: its numbers are already the
        // shortest exact ones, and strings (hex) are shown without quotes.
        QString text;
        if (value.isString())
            text = value.toString();
        else if (value.isBool())
            text = value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        else if (value.isNull())
            text = QStringLiteral("null");
        else
            text =
                QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
                    .mid(1)
                    .chopped(1);
        lines.append(name + QStringLiteral(" = ") + text);
    }
}

}  // namespace

QStringList listRecord(const QJsonObject &record)
{
    QStringList lines;
    listValue(QString(), record, recordFieldOrder(), lines);
    return lines;
}
