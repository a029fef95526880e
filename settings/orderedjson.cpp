#include "orderedjson.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace {

constexpr int INDENT_WIDTH = 4;  // spaces, as QJsonDocument::Indented

// Qt's own text for a single value: escaping and number format stay its own.
QByteArray scalarText(const QJsonValue &value)
{
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return text.mid(1, text.size() - 2);
}

bool isScalar(const QJsonValue &value)
{
    return !value.isArray() && !value.isObject();
}

void write(QByteArray &out, const QJsonValue &value, const QStringList &keyOrder, int depth)
{
    const QByteArray inner((depth + 1) * INDENT_WIDTH, ' ');
    const QByteArray outer(depth * INDENT_WIDTH, ' ');
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        const QStringList keys = keysInOrder(object, keyOrder);
        out += '{';
        for (qsizetype i = 0; i < keys.size(); ++i) {
            out += (i == 0 ? "\n" : ",\n") + inner + scalarText(keys[i]) + ": ";
            write(out, object.value(keys[i]), keyOrder, depth + 1);
        }
        out += keys.isEmpty() ? QByteArray("}") : "\n" + outer + '}';
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        const bool flat = std::all_of(array.begin(), array.end(), isScalar);
        out += '[';
        for (qsizetype i = 0; i < array.size(); ++i) {
            if (flat) {
                out += i == 0 ? "" : ", ";
            } else {
                out += (i == 0 ? "\n" : ",\n") + inner;
            }
            write(out, array.at(i), keyOrder, depth + 1);
        }
        out += flat || array.isEmpty() ? QByteArray("]") : "\n" + outer + ']';
    } else {
        out += scalarText(value);
    }
}

}  // namespace

QStringList keysInOrder(const QJsonObject &object, const QStringList &keyOrder)
{
    QStringList keys = object.keys();
    const auto rank = [&keyOrder](const QString &key) {
        const qsizetype index = keyOrder.indexOf(key);
        return index < 0 ? keyOrder.size() : index;
    };
    std::stable_sort(keys.begin(), keys.end(),
                     [&rank](const QString &a, const QString &b) { return rank(a) < rank(b); });
    return keys;
}

QByteArray orderedJson(const QJsonObject &object, const QStringList &keyOrder)
{
    QByteArray out;
    write(out, object, keyOrder, 0);
    out += '\n';
    return out;
}
