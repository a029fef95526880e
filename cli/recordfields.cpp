#include "recordfields.h"

#include "settings/recordcodec.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

struct Meaning {
    int code;
    const char *text;
};

// What the window allows for a field, and how it shows it. A field without
// a rule takes whatever its type holds.
struct FieldRule {
    double minimum;
    double maximum;
    const char *unit;  // appended after a space; empty for none
    bool fractional;   // a float the window edits with decimals
    QList<Meaning> meanings;
};

const QHash<QString, FieldRule> &fieldRules()
{
    static const QHash<QString, FieldRule> rules = [] {
        const QList<Meaning> onOff{{0, "off"}, {1, "on"}};
        // The board's own convention for directions: -1 normal, +1 inverted.
        const QList<Meaning> direction{{-1, "normal"}, {1, "inverted"}};
        const FieldRule percent{0, 100, "%", false, {}};
        const FieldRule dampening{0, 999, "%", false, {}};
        const FieldRule deadZone{0, 32767, "", false, {}};
        QHash<QString, FieldRule> r;
        // Effect settings, with the ranges of the window's spin boxes.
        r.insert(QStringLiteral("invert_constant_force"),
                 {-1, 1, "", false, {{-1, "not inverted"}, {1, "inverted"}}});
        for (const char *name :
             {"direct_x_spring_strength", "direct_x_constant_strength",
              "direct_x_periodic_strength", "total_effect_scale", "soft_stop_strength"})
            r.insert(QLatin1String(name), percent);
        r.insert(QStringLiteral("soft_stop_range"), {1, 45, "°", false, {}});
        for (const char *name : {"static_dampening", "dynamic_dampening", "soft_stop_dampening"})
            r.insert(QLatin1String(name), dampening);
        r.insert(QStringLiteral("motion_range"), {0, 9999, "°", false, {}});
        r.insert(QStringLiteral("max_force"), {0, 100, "kg", true, {}});
        // Hardware settings.
        r.insert(QStringLiteral("force_enable"), {0, 1, "", false, onOff});
        r.insert(QStringLiteral("debug_forces"), {0, 1, "", false, onOff});
        r.insert(QStringLiteral("calibration_mode"),
                 {0,
                  2,
                  "",
                  false,
                  {{0, "none"},
                   {1, "start angle as the centre"},
                   {2, "automatic search for the centre of the range"}}});
        r.insert(QStringLiteral("amplifier_gain"),
                 {0, 3, "", false, {{0, "80 V/V"}, {1, "40 V/V"}, {2, "20 V/V"}, {3, "10 V/V"}}});
        r.insert(QStringLiteral("spi_mode"), {0,
                                              8,
                                              "",
                                              false,
                                              {{0, "disabled"},
                                               {1, "SN74HC165N x 3"},
                                               {2, "C4021 x 3"},
                                               {3, "Thrustmaster grip"},
                                               {4, "VPC Flnkr grip"},
                                               {5, "VPC Alpha Prime R grip"},
                                               {6, "VPC MongoosT grip"},
                                               {7, "VPC MongoosT CM2 grip"},
                                               {8, "VPC VFX grip"}}});
        r.insert(QStringLiteral("gpio_mode"), {0,
                                               9,
                                               "",
                                               false,
                                               {{0, "disabled"},
                                                {1, "generic button"},
                                                {2, "analog"},
                                                {3, "SPI CS"},
                                                {4, "SPI SCK"},
                                                {5, "SPI MISO"},
                                                {6, "enable effects switch"},
                                                {7, "reset centre button"},
                                                {8, "reboot button"},
                                                {9, "braking PWM"}}});
        r.insert(QStringLiteral("button_mode"),
                 {0, 2, "", false, {{0, "disabled"}, {1, "normal"}, {2, "inverted"}}});
        for (const char *name : {"power_limit", "braking_limit", "calibration_magnitude",
                                 "calibration_speed", "calibration_current", "analog_button_low",
                                 "analog_button_high", "position_smoothing", "analog_smoothing"})
            r.insert(QLatin1String(name), percent);
        r.insert(QStringLiteral("speed_sample_buffer_size"), {2, 32, "samples", false, {}});
        r.insert(QStringLiteral("analog_lower_dead_zone"), deadZone);
        r.insert(QStringLiteral("analog_upper_dead_zone"), deadZone);
        r.insert(QStringLiteral("analog_invert"),
                 {0, 1, "", false, {{0, "normal"}, {1, "inverted"}}});
        r.insert(QStringLiteral("encoder_direction"), {-1, 1, "", false, direction});
        r.insert(QStringLiteral("force_direction"), {-1, 1, "", false, direction});
        r.insert(QStringLiteral("pole_pairs"), {0, 99, "", false, {}});
        r.insert(QStringLiteral("encoder_cpr"), {0, 65535, "", false, {}});
        // The gains take any finite float, as in the window.
        const double largest = double(std::numeric_limits<float>::max());
        r.insert(QStringLiteral("p_gain"), {-largest, largest, "", true, {}});
        r.insert(QStringLiteral("i_gain"), {-largest, largest, "", true, {}});
        return r;
    }();
    return rules;
}

bool isReserved(const QString &baseName)
{
    return baseName.startsWith(QLatin1String("reserved_"));
}

QString numberText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    // The codec's numbers are already the shortest exact ones; print them as
    // JSON does, without a trailing ".0" or an exponent for small integers.
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
        .mid(1)
        .chopped(1);
}

void collect(const QString &path, const QString &baseName, const QJsonValue &value,
             const QStringList &order, QList<RecordField> &fields)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        QStringList keys = object.keys();
        std::stable_sort(keys.begin(), keys.end(), [&order](const QString &a, const QString &b) {
            const qsizetype ia = order.indexOf(a);
            const qsizetype ib = order.indexOf(b);
            return (ia < 0 ? order.size() : ia) < (ib < 0 ? order.size() : ib);
        });
        for (const QString &key : keys)
            collect(path.isEmpty() ? key : path + QLatin1Char('.') + key, key, object.value(key),
                    order, fields);
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (int i = 0; i < array.size(); ++i)
            collect(QStringLiteral("%1[%2]").arg(path).arg(i), baseName, array.at(i), order,
                    fields);
    } else {
        fields.append({path, baseName, value, isReserved(baseName)});
    }
}

// One step of a field path: a key, and an index when the key names an array.
struct PathStep {
    QString key;
    int index = -1;
};

bool parsePath(const QString &path, QList<PathStep> &steps)
{
    static const QRegularExpression step(QStringLiteral("^([a-z0-9_]+)(?:\\[([0-9]{1,3})\\])?$"));
    for (const QString &part : path.split(QLatin1Char('.'))) {
        const QRegularExpressionMatch match = step.match(part);
        if (!match.hasMatch())
            return false;
        steps.append(
            {match.captured(1), match.captured(2).isEmpty() ? -1 : match.captured(2).toInt()});
    }
    return !steps.isEmpty();
}

// Replaces the value at the path; the path is known to exist.
QJsonValue replaced(const QJsonValue &node, const QList<PathStep> &steps, int at,
                    const QJsonValue &value)
{
    if (at == steps.size())
        return value;
    QJsonObject object = node.toObject();
    const PathStep &step = steps.at(at);
    if (step.index < 0) {
        object.insert(step.key, replaced(object.value(step.key), steps, at + 1, value));
    } else {
        QJsonArray array = object.value(step.key).toArray();
        array.replace(step.index, replaced(array.at(step.index), steps, at + 1, value));
        object.insert(step.key, array);
    }
    return object;
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

// Not every pin can carry every function, which is why the window's lists
// hide these modes on the other pins: analog input exists on pins 1 to 3
// only, the braking PWM output on pin 8 only, and the encoder index inputs Z0
// and Z1 cannot serve as plain buttons.
QString gpioModeProblem(const QString &path, int mode)
{
    static const QRegularExpression pin(QStringLiteral("^gpio_mode\\[([0-9]+)\\]$"));
    const QRegularExpressionMatch match = pin.match(path);
    if (!match.hasMatch())
        return QString();
    const int index = match.captured(1).toInt();
    constexpr int LAST_ANALOG_PIN = 2;  // index of pin 3
    constexpr int BRAKING_PIN = 7;      // index of pin 8
    constexpr int FIRST_INDEX_INPUT = 8;
    if (mode == GPIO_MODE_ANALOG && index > LAST_ANALOG_PIN)
        return QStringLiteral("%1: only pins 1 to 3 (gpio_mode[0] to [2]) read analog input")
            .arg(path);
    if (mode == GPIO_MODE_BRAKING_PWM && index != BRAKING_PIN)
        return QStringLiteral("%1: only pin 8 (gpio_mode[7]) drives the braking PWM").arg(path);
    if (mode == GPIO_MODE_GENERIC_BUTTON && index >= FIRST_INDEX_INPUT)
        return QStringLiteral("%1: the encoder index inputs Z0 and Z1 are no buttons").arg(path);
    return QString();
}

bool decodes(const QJsonObject &record, QString *error)
{
    if (record.contains(QLatin1String("direct_x_spring_strength"))) {
        EffectSettingsTypeDef effects{};
        return decodeEffectSettings(record, effects, error);
    }
    HardwareSettingsTypeDef hardware{};
    return decodeHardwareSettings(record, hardware, error);
}

}  // namespace

QList<RecordField> recordFields(const QJsonObject &record)
{
    QList<RecordField> fields;
    collect(QString(), QString(), record, recordFieldOrder(), fields);
    return fields;
}

QString readableValue(const RecordField &field)
{
    const QString text = numberText(field.value);
    const auto rule = fieldRules().constFind(field.baseName);
    if (field.reserved || rule == fieldRules().cend() || field.value.isString())
        return text;
    for (const Meaning &meaning : rule->meanings)
        if (field.value.toDouble() == meaning.code)
            return QStringLiteral("%1 (%2)").arg(text, QString::fromUtf8(meaning.text));
    if (!rule->meanings.isEmpty())
        return QStringLiteral("%1 (unknown code)").arg(text);
    if (*rule->unit == '\0')
        return text;
    // Degrees stick to the number, as the window writes them.
    const QString unit = QString::fromUtf8(rule->unit);
    return unit == QStringLiteral("°") ? text + unit : text + QLatin1Char(' ') + unit;
}

QStringList readableListing(const QJsonObject &record, bool all)
{
    QStringList lines;
    for (const RecordField &field : recordFields(record))
        if (all || !field.reserved)
            lines.append(field.path + QStringLiteral(" = ") + readableValue(field));
    return lines;
}

bool setRecordField(QJsonObject &record, const QString &path, const QString &text, QJsonValue &old,
                    QString *error)
{
    const QList<RecordField> fields = recordFields(record);
    const auto found = std::find_if(fields.cbegin(), fields.cend(),
                                    [&path](const RecordField &f) { return f.path == path; });
    QList<PathStep> steps;
    if (found == fields.cend() || !parsePath(path, steps))
        return fail(error, QStringLiteral("%1: no such field").arg(path));
    if (found->reserved)
        return fail(error, QStringLiteral("%1: a reserved area is not set").arg(path));

    const FieldRule rule = fieldRules().value(found->baseName, {0, 0, "", false, {}});
    bool ok = false;
    const double number = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(number))
        return fail(error, QStringLiteral("%1: \"%2\" is not a number").arg(path, text));
    if (!rule.fractional && std::floor(number) != number)
        return fail(error, QStringLiteral("%1: \"%2\" is not a whole number").arg(path, text));
    if (!rule.meanings.isEmpty()) {
        const bool known =
            std::any_of(rule.meanings.cbegin(), rule.meanings.cend(),
                        [number](const Meaning &m) { return double(m.code) == number; });
        if (!known) {
            QStringList codes;
            for (const Meaning &m : rule.meanings)
                codes.append(QStringLiteral("%1 (%2)").arg(m.code).arg(QString::fromUtf8(m.text)));
            return fail(error, QStringLiteral("%1: %2 is not one of %3")
                                   .arg(path, text.trimmed(), codes.join(QStringLiteral(", "))));
        }
    } else if (number < rule.minimum || number > rule.maximum) {
        return fail(error, QStringLiteral("%1: %2 is out of range (%3 to %4)")
                               .arg(path, text.trimmed())
                               .arg(rule.minimum)
                               .arg(rule.maximum));
    }

    const QString pinProblem = gpioModeProblem(path, int(number));
    if (!pinProblem.isEmpty())
        return fail(error, pinProblem);

    QJsonValue value(number);
    if (rule.fractional) {
        // Stored as the board stores it: the nearest float, written back in
        // the codec's shortest form.
        const float single = float(number);
        EffectSettingsTypeDef probe{};
        probe.axis[0].max_force = single;
        value = encodeEffectSettings(probe)
                    .value(QLatin1String("axis"))
                    .toArray()
                    .at(0)
                    .toObject()
                    .value(QLatin1String("max_force"));
    }
    QJsonObject changed = replaced(record, steps, 0, value).toObject();
    // The codec has the last word on what the record can hold.
    if (!decodes(changed, error))
        return false;
    old = found->value;
    record = changed;
    return true;
}

QList<QPair<RecordField, RecordField>> differingFields(const QJsonObject &a, const QJsonObject &b,
                                                       bool all)
{
    QList<QPair<RecordField, RecordField>> differing;
    const QList<RecordField> left = recordFields(a);
    const QList<RecordField> right = recordFields(b);
    // Both records are of one kind, so their fields line up one to one.
    for (int i = 0; i < left.size() && i < right.size(); ++i) {
        if ((all || !left.at(i).reserved) && left.at(i).value != right.at(i).value)
            differing.append({left.at(i), right.at(i)});
    }
    return differing;
}
