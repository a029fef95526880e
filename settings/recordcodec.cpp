#include "recordcodec.h"

#include "settings/jsonfields.h"

#include <QJsonArray>
#include <QJsonValue>
#include <QSet>
#include <QStringList>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

enum class FieldKind { Unsigned8, Signed8, Unsigned16, Float32, Reserved };

// One named member of a record. `count` is the number of elements of an array
// member (0 for a plain member), or the byte length of a reserved area.
struct FieldSpec {
    const char *name;
    std::size_t offset;
    FieldKind kind;
    int count;
};

constexpr int SCALAR = 0;

constexpr std::size_t elementSize(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Unsigned8:
    case FieldKind::Signed8:
    case FieldKind::Reserved:
        return 1;
    case FieldKind::Unsigned16:
        return 2;
    case FieldKind::Float32:
        return 4;
    }
    return 0;
}

constexpr std::size_t fieldSize(const FieldSpec &field)
{
    return elementSize(field.kind) *
           static_cast<std::size_t>(field.count == SCALAR ? 1 : field.count);
}

// True when the fields follow each other without a gap or overlap and end at
// `end`: then every byte of the record has exactly one place in the JSON.
template <std::size_t N> constexpr bool coversExactly(const FieldSpec (&fields)[N], std::size_t end)
{
    std::size_t next = 0;
    for (const FieldSpec &field : fields) {
        if (field.offset != next)
            return false;
        next += fieldSize(field);
    }
    return next == end;
}

constexpr char AXIS_KEY[] = "axis";

constexpr FieldSpec EFFECT_FIELDS[] = {
    {"invert_constant_force", offsetof(EffectSettingsTypeDef, invert_constant_force),
     FieldKind::Signed8, SCALAR},
    {"direct_x_spring_strength", offsetof(EffectSettingsTypeDef, direct_x_spring_strength),
     FieldKind::Unsigned8, SCALAR},
    {"direct_x_constant_strength", offsetof(EffectSettingsTypeDef, direct_x_constant_strength),
     FieldKind::Unsigned8, SCALAR},
    {"direct_x_periodic_strength", offsetof(EffectSettingsTypeDef, direct_x_periodic_strength),
     FieldKind::Unsigned8, SCALAR},
    {"reserved_4", offsetof(EffectSettingsTypeDef, reserved_4), FieldKind::Reserved,
     sizeof(EffectSettingsTypeDef::reserved_4)},
};
static_assert(coversExactly(EFFECT_FIELDS, offsetof(EffectSettingsTypeDef, axis)));

constexpr FieldSpec EFFECT_AXIS_FIELDS[] = {
    {"total_effect_scale", offsetof(EffectAxisSettingsTypeDef, total_effect_scale),
     FieldKind::Unsigned8, SCALAR},
    {"soft_stop_strength", offsetof(EffectAxisSettingsTypeDef, soft_stop_strength),
     FieldKind::Unsigned8, SCALAR},
    {"soft_stop_range", offsetof(EffectAxisSettingsTypeDef, soft_stop_range), FieldKind::Unsigned8,
     SCALAR},
    {"static_dampening", offsetof(EffectAxisSettingsTypeDef, static_dampening),
     FieldKind::Unsigned16, SCALAR},
    {"dynamic_dampening", offsetof(EffectAxisSettingsTypeDef, dynamic_dampening),
     FieldKind::Unsigned16, SCALAR},
    {"motion_range", offsetof(EffectAxisSettingsTypeDef, motion_range), FieldKind::Unsigned16,
     SCALAR},
    {"max_force", offsetof(EffectAxisSettingsTypeDef, max_force), FieldKind::Float32, SCALAR},
    {"reserved_13", offsetof(EffectAxisSettingsTypeDef, reserved_13), FieldKind::Reserved,
     sizeof(EffectAxisSettingsTypeDef::reserved_13)},
    {"soft_stop_dampening", offsetof(EffectAxisSettingsTypeDef, soft_stop_dampening),
     FieldKind::Unsigned16, SCALAR},
    {"reserved_16", offsetof(EffectAxisSettingsTypeDef, reserved_16), FieldKind::Reserved,
     sizeof(EffectAxisSettingsTypeDef::reserved_16)},
};
static_assert(coversExactly(EFFECT_AXIS_FIELDS, sizeof(EffectAxisSettingsTypeDef)));

constexpr FieldSpec HARDWARE_FIELDS[] = {
    {"force_enable", offsetof(HardwareSettingsTypeDef, force_enable), FieldKind::Unsigned8, SCALAR},
    {"debug_forces", offsetof(HardwareSettingsTypeDef, debug_forces), FieldKind::Unsigned8, SCALAR},
    {"reserved_2", offsetof(HardwareSettingsTypeDef, reserved_2), FieldKind::Reserved,
     sizeof(HardwareSettingsTypeDef::reserved_2)},
    {"calibration_mode", offsetof(HardwareSettingsTypeDef, calibration_mode), FieldKind::Unsigned8,
     SCALAR},
    {"amplifier_gain", offsetof(HardwareSettingsTypeDef, amplifier_gain), FieldKind::Unsigned8,
     SCALAR},
    {"spi_mode", offsetof(HardwareSettingsTypeDef, spi_mode), FieldKind::Unsigned8, SCALAR},
    {"gpio_mode", offsetof(HardwareSettingsTypeDef, gpio_mode), FieldKind::Unsigned8,
     GPIO_PIN_COUNT},
    {"button_mode", offsetof(HardwareSettingsTypeDef, button_mode), FieldKind::Unsigned8,
     BUTTON_COUNT},
    {"power_limit", offsetof(HardwareSettingsTypeDef, power_limit), FieldKind::Unsigned8, SCALAR},
    {"braking_limit", offsetof(HardwareSettingsTypeDef, braking_limit), FieldKind::Unsigned8,
     SCALAR},
    {"calibration_magnitude", offsetof(HardwareSettingsTypeDef, calibration_magnitude),
     FieldKind::Unsigned8, SCALAR},
    {"calibration_speed", offsetof(HardwareSettingsTypeDef, calibration_speed),
     FieldKind::Unsigned8, SCALAR},
    {"calibration_current", offsetof(HardwareSettingsTypeDef, calibration_current),
     FieldKind::Unsigned8, SCALAR},
    {"reserved_53", offsetof(HardwareSettingsTypeDef, reserved_53), FieldKind::Reserved,
     sizeof(HardwareSettingsTypeDef::reserved_53)},
    {"analog_button_low", offsetof(HardwareSettingsTypeDef, analog_button_low),
     FieldKind::Unsigned8, ANALOG_AXIS_COUNT},
    {"analog_button_high", offsetof(HardwareSettingsTypeDef, analog_button_high),
     FieldKind::Unsigned8, ANALOG_AXIS_COUNT},
    {"position_smoothing", offsetof(HardwareSettingsTypeDef, position_smoothing),
     FieldKind::Unsigned8, SCALAR},
    {"speed_sample_buffer_size", offsetof(HardwareSettingsTypeDef, speed_sample_buffer_size),
     FieldKind::Unsigned8, SCALAR},
    {"analog_lower_dead_zone", offsetof(HardwareSettingsTypeDef, analog_lower_dead_zone),
     FieldKind::Unsigned16, ANALOG_AXIS_COUNT},
    {"analog_upper_dead_zone", offsetof(HardwareSettingsTypeDef, analog_upper_dead_zone),
     FieldKind::Unsigned16, ANALOG_AXIS_COUNT},
    {"analog_smoothing", offsetof(HardwareSettingsTypeDef, analog_smoothing), FieldKind::Unsigned8,
     ANALOG_AXIS_COUNT},
    {"analog_invert", offsetof(HardwareSettingsTypeDef, analog_invert), FieldKind::Unsigned8,
     ANALOG_AXIS_COUNT},
    {"reserved_85", offsetof(HardwareSettingsTypeDef, reserved_85), FieldKind::Reserved,
     sizeof(HardwareSettingsTypeDef::reserved_85)},
};
static_assert(coversExactly(HARDWARE_FIELDS, offsetof(HardwareSettingsTypeDef, axis)));

constexpr FieldSpec HARDWARE_AXIS_FIELDS[] = {
    {"encoder_direction", offsetof(HardwareAxisSettingsTypeDef, encoder_direction),
     FieldKind::Signed8, SCALAR},
    {"force_direction", offsetof(HardwareAxisSettingsTypeDef, force_direction), FieldKind::Signed8,
     SCALAR},
    {"pole_pairs", offsetof(HardwareAxisSettingsTypeDef, pole_pairs), FieldKind::Unsigned8, SCALAR},
    {"encoder_cpr", offsetof(HardwareAxisSettingsTypeDef, encoder_cpr), FieldKind::Unsigned16,
     SCALAR},
    {"reserved_5", offsetof(HardwareAxisSettingsTypeDef, reserved_5), FieldKind::Reserved,
     sizeof(HardwareAxisSettingsTypeDef::reserved_5)},
    {"p_gain", offsetof(HardwareAxisSettingsTypeDef, p_gain), FieldKind::Float32, SCALAR},
    {"i_gain", offsetof(HardwareAxisSettingsTypeDef, i_gain), FieldKind::Float32, SCALAR},
    {"reserved_15", offsetof(HardwareAxisSettingsTypeDef, reserved_15), FieldKind::Reserved,
     sizeof(HardwareAxisSettingsTypeDef::reserved_15)},
};
static_assert(coversExactly(HARDWARE_AXIS_FIELDS, sizeof(HardwareAxisSettingsTypeDef)));

constexpr int FLOAT_HEX_DIGITS = 8;
// Halfway between the largest float and 2^128: 2^128 - 2^103.
constexpr double FLOAT_ROUNDS_TO_INFINITY = 340282356779733661637539395458142568448.0;

// ---- encoding ---------------------------------------------------------------

QJsonValue encodeFloat(const unsigned char *bytes)
{
    float value;
    std::memcpy(&value, bytes, sizeof value);
    uint32_t bits;
    std::memcpy(&bits, bytes, sizeof bits);
    // JSON has no NaN or infinity, and Qt writes -0.0 as 0: those keep their
    // exact bit pattern as a hex string instead.
    if (!std::isfinite(value) || (value == 0.0f && std::signbit(value)))
        return QString::fromLatin1(
            QByteArray::number(bits, 16).rightJustified(FLOAT_HEX_DIGITS, '0'));

    // The shortest decimal that reads back as this float ("0.1", not the
    // double 0.100000001490116...), which is what a person wants to edit.
    // Both conversions ignore the locale: strtod would read "0.1" as 0 under a
    // German or Russian one, and backups would then differ between locales.
    char text[32];
    const std::to_chars_result result = std::to_chars(text, text + sizeof text, value);
    double shortest = 0;
    std::from_chars(text, result.ptr, shortest);
    float back = static_cast<float>(shortest);
    uint32_t backBits;
    std::memcpy(&backBits, &back, sizeof backBits);
    if (backBits == bits)
        return shortest;
    // Rounding twice (decimal to double to float) can in principle miss; the
    // double holding the float exactly never does.
    return static_cast<double>(value);
}

QJsonValue encodeElement(FieldKind kind, const unsigned char *bytes)
{
    switch (kind) {
    case FieldKind::Unsigned8:
        return int{bytes[0]};
    case FieldKind::Signed8: {
        int8_t value;
        std::memcpy(&value, bytes, sizeof value);
        return int{value};
    }
    case FieldKind::Unsigned16: {
        uint16_t value;
        std::memcpy(&value, bytes, sizeof value);
        return int{value};
    }
    case FieldKind::Float32:
        return encodeFloat(bytes);
    case FieldKind::Reserved:
        break;
    }
    return QJsonValue();
}

template <std::size_t N>
void encodeFields(const FieldSpec (&fields)[N], const unsigned char *record, QJsonObject &object)
{
    for (const FieldSpec &field : fields) {
        const unsigned char *bytes = record + field.offset;
        const QString key = QLatin1String(field.name);
        if (field.kind == FieldKind::Reserved) {
            object.insert(
                key, QString::fromLatin1(
                         QByteArray(reinterpret_cast<const char *>(bytes), field.count).toHex()));
        } else if (field.count == SCALAR) {
            object.insert(key, encodeElement(field.kind, bytes));
        } else {
            QJsonArray array;
            for (int i = 0; i < field.count; ++i)
                array.append(encodeElement(field.kind, bytes + i * elementSize(field.kind)));
            object.insert(key, array);
        }
    }
}

template <std::size_t N, std::size_t M>
QJsonObject encodeRecord(const unsigned char *record, const FieldSpec (&fields)[N],
                         std::size_t axisOffset, const FieldSpec (&axisFields)[M],
                         std::size_t axisSize, int axisCount)
{
    QJsonObject object;
    encodeFields(fields, record, object);
    QJsonArray axes;
    for (int i = 0; i < axisCount; ++i) {
        QJsonObject axis;
        encodeFields(axisFields, record + axisOffset + i * axisSize, axis);
        axes.append(axis);
    }
    object.insert(QLatin1String(AXIS_KEY), axes);
    return object;
}

// ---- decoding ---------------------------------------------------------------

QString typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("true/false");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a string");
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nothing");
}

// Exactly `byteCount` bytes as 2 * byteCount hex digits (either case).
// QByteArray::fromHex would skip stray characters silently, so check first.
bool decodeHex(const QJsonValue &value, int byteCount, unsigned char *out, const QString &path,
               QString *error)
{
    if (!value.isString())
        return failAt(error, path,
                      QStringLiteral("expected a hex string, found %1").arg(typeName(value)));
    const QString text = value.toString();
    if (text.size() != 2 * byteCount)
        return failAt(error, path,
                      QStringLiteral("expected %1 hex digits, found %2 characters")
                          .arg(2 * byteCount)
                          .arg(text.size()));
    for (const QChar c : text) {
        const bool hexDigit = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                              (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
                              (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
        if (!hexDigit)
            return failAt(error, path, QStringLiteral("'%1' is not a hex digit").arg(c));
    }
    const QByteArray bytes = QByteArray::fromHex(text.toLatin1());
    std::memcpy(out, bytes.constData(), static_cast<std::size_t>(byteCount));
    return true;
}

bool decodeInteger(const QJsonValue &value, double minimum, double maximum, double &out,
                   const QString &path, QString *error)
{
    if (!value.isDouble())
        return failAt(error, path,
                      QStringLiteral("expected a number, found %1").arg(typeName(value)));
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::floor(number) != number)
        return failAt(error, path, QStringLiteral("expected a whole number, found %1").arg(number));
    if (number < minimum || number > maximum)
        return failAt(
            error, path,
            QStringLiteral("%1 is out of range (%2 to %3)").arg(number).arg(minimum).arg(maximum));
    out = number;
    return true;
}

bool decodeFloat(const QJsonValue &value, unsigned char *out, const QString &path, QString *error)
{
    if (value.isString()) {
        unsigned char bits[sizeof(uint32_t)];
        if (!decodeHex(value, sizeof bits, bits, path, error))
            return false;
        // The string is the number as one 32-bit hex value, most significant
        // digit first; the record holds it in the host's byte order.
        const uint32_t pattern = (uint32_t{bits[0]} << 24) | (uint32_t{bits[1]} << 16) |
                                 (uint32_t{bits[2]} << 8) | uint32_t{bits[3]};
        std::memcpy(out, &pattern, sizeof pattern);
        return true;
    }
    if (!value.isDouble())
        return failAt(
            error, path,
            QStringLiteral("expected a number or 8 hex digits, found %1").arg(typeName(value)));
    const double number = value.toDouble();
    // The shortest text of the largest float reads back as a double slightly
    // above it, which still rounds to it; from half a step above on, the
    // number would round to infinity and is not a float the board can hold.
    if (!std::isfinite(number) || std::fabs(number) >= FLOAT_ROUNDS_TO_INFINITY)
        return failAt(error, path, QStringLiteral("%1 is out of range for a float").arg(number));
    // Clamped by hand: converting a double beyond the float range is undefined.
    constexpr float largest = std::numeric_limits<float>::max();
    const float single = number > largest    ? largest
                         : number < -largest ? -largest
                                             : static_cast<float>(number);
    std::memcpy(out, &single, sizeof single);
    return true;
}

bool decodeElement(FieldKind kind, const QJsonValue &value, unsigned char *out, const QString &path,
                   QString *error)
{
    double number = 0;
    switch (kind) {
    case FieldKind::Unsigned8: {
        if (!decodeInteger(value, 0, std::numeric_limits<uint8_t>::max(), number, path, error))
            return false;
        const auto narrow = static_cast<uint8_t>(number);
        std::memcpy(out, &narrow, sizeof narrow);
        return true;
    }
    case FieldKind::Signed8: {
        if (!decodeInteger(value, std::numeric_limits<int8_t>::min(),
                           std::numeric_limits<int8_t>::max(), number, path, error))
            return false;
        const auto narrow = static_cast<int8_t>(number);
        std::memcpy(out, &narrow, sizeof narrow);
        return true;
    }
    case FieldKind::Unsigned16: {
        if (!decodeInteger(value, 0, std::numeric_limits<uint16_t>::max(), number, path, error))
            return false;
        const auto narrow = static_cast<uint16_t>(number);
        std::memcpy(out, &narrow, sizeof narrow);
        return true;
    }
    case FieldKind::Float32:
        return decodeFloat(value, out, path, error);
    case FieldKind::Reserved:
        break;
    }
    return failAt(error, path, QStringLiteral("unsupported field"));
}

template <std::size_t N>
bool decodeFields(const QJsonObject &object, const FieldSpec (&fields)[N], unsigned char *record,
                  const QString &prefix, QSet<QString> &known, QString *error)
{
    for (const FieldSpec &field : fields) {
        const QString key = QLatin1String(field.name);
        const QString path = fieldPath(prefix, key);
        known.insert(key);
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return failAt(error, path, QStringLiteral("missing"));
        unsigned char *bytes = record + field.offset;
        if (field.kind == FieldKind::Reserved) {
            if (!decodeHex(value, field.count, bytes, path, error))
                return false;
        } else if (field.count == SCALAR) {
            if (!decodeElement(field.kind, value, bytes, path, error))
                return false;
        } else {
            if (!value.isArray())
                return failAt(error, path,
                              QStringLiteral("expected an array of %1, found %2")
                                  .arg(field.count)
                                  .arg(typeName(value)));
            const QJsonArray array = value.toArray();
            if (array.size() != field.count)
                return failAt(error, path,
                              QStringLiteral("expected %1 entries, found %2")
                                  .arg(field.count)
                                  .arg(array.size()));
            for (int i = 0; i < field.count; ++i) {
                if (!decodeElement(field.kind, array.at(i), bytes + i * elementSize(field.kind),
                                   path + QStringLiteral("[%1]").arg(i), error))
                    return false;
            }
        }
    }
    return refuseUnknownKeys(object, known, prefix, QStringLiteral("record"), error);
}

template <std::size_t N, std::size_t M>
bool decodeRecord(const QJsonObject &object, const FieldSpec (&fields)[N], std::size_t axisOffset,
                  const FieldSpec (&axisFields)[M], std::size_t axisSize, int axisCount,
                  unsigned char *record, QString *error)
{
    const QString axisKey = QLatin1String(AXIS_KEY);
    QSet<QString> known{axisKey};
    if (!decodeFields(object, fields, record, QString(), known, error))
        return false;
    const QJsonValue axesValue = object.value(axisKey);
    if (axesValue.isUndefined())
        return failAt(error, axisKey, QStringLiteral("missing"));
    if (!axesValue.isArray())
        return failAt(error, axisKey,
                      QStringLiteral("expected an array of %1 axis objects, found %2")
                          .arg(axisCount)
                          .arg(typeName(axesValue)));
    const QJsonArray axes = axesValue.toArray();
    if (axes.size() != axisCount)
        return failAt(
            error, axisKey,
            QStringLiteral("expected %1 entries, found %2").arg(axisCount).arg(axes.size()));
    for (int i = 0; i < axisCount; ++i) {
        const QString path = axisKey + QStringLiteral("[%1]").arg(i);
        if (!axes.at(i).isObject())
            return failAt(error, path,
                          QStringLiteral("expected an object, found %1").arg(typeName(axes.at(i))));
        QSet<QString> axisKnown;
        if (!decodeFields(axes.at(i).toObject(), axisFields, record + axisOffset + i * axisSize,
                          path, axisKnown, error))
            return false;
    }
    return true;
}

}  // namespace

QJsonObject encodeEffectSettings(const EffectSettingsTypeDef &settings)
{
    unsigned char record[sizeof settings];
    std::memcpy(record, &settings, sizeof settings);
    return encodeRecord(record, EFFECT_FIELDS, offsetof(EffectSettingsTypeDef, axis),
                        EFFECT_AXIS_FIELDS, sizeof(EffectAxisSettingsTypeDef), EFFECT_AXIS_COUNT);
}

QJsonObject encodeHardwareSettings(const HardwareSettingsTypeDef &settings)
{
    unsigned char record[sizeof settings];
    std::memcpy(record, &settings, sizeof settings);
    return encodeRecord(record, HARDWARE_FIELDS, offsetof(HardwareSettingsTypeDef, axis),
                        HARDWARE_AXIS_FIELDS, sizeof(HardwareAxisSettingsTypeDef),
                        HARDWARE_AXIS_COUNT);
}

bool decodeEffectSettings(const QJsonObject &object, EffectSettingsTypeDef &out, QString *error)
{
    unsigned char record[sizeof out] = {};
    if (!decodeRecord(object, EFFECT_FIELDS, offsetof(EffectSettingsTypeDef, axis),
                      EFFECT_AXIS_FIELDS, sizeof(EffectAxisSettingsTypeDef), EFFECT_AXIS_COUNT,
                      record, error))
        return false;
    std::memcpy(&out, record, sizeof out);
    return true;
}

bool decodeHardwareSettings(const QJsonObject &object, HardwareSettingsTypeDef &out, QString *error)
{
    unsigned char record[sizeof out] = {};
    if (!decodeRecord(object, HARDWARE_FIELDS, offsetof(HardwareSettingsTypeDef, axis),
                      HARDWARE_AXIS_FIELDS, sizeof(HardwareAxisSettingsTypeDef),
                      HARDWARE_AXIS_COUNT, record, error))
        return false;
    std::memcpy(&out, record, sizeof out);
    return true;
}

QStringList recordFieldOrder()
{
    QStringList names;
    const auto append = [&names](const auto &fields) {
        for (const FieldSpec &field : fields)
            names.append(QLatin1String(field.name));
    };
    append(EFFECT_FIELDS);
    append(EFFECT_AXIS_FIELDS);
    append(HARDWARE_FIELDS);
    append(HARDWARE_AXIS_FIELDS);
    names.append(QLatin1String(AXIS_KEY));
    return names;
}

namespace {

template <std::size_t N, std::size_t M>
QList<RecordFieldSpan> valueFieldSpans(const FieldSpec (&fields)[N], std::size_t axisOffset,
                                       const FieldSpec (&axisFields)[M], std::size_t axisSize,
                                       int axisCount)
{
    QList<RecordFieldSpan> spans;
    const auto add = [&spans](const FieldSpec &field, std::size_t base) {
        if (field.kind == FieldKind::Reserved)
            return;
        const int count = field.count == SCALAR ? 1 : field.count;
        const std::size_t size = elementSize(field.kind);
        for (int i = 0; i < count; ++i)
            spans.append({int(base + field.offset + std::size_t(i) * size), int(size)});
    };
    for (const FieldSpec &field : fields)
        add(field, 0);
    for (int axis = 0; axis < axisCount; ++axis)
        for (const FieldSpec &field : axisFields)
            add(field, axisOffset + std::size_t(axis) * axisSize);
    return spans;
}

}  // namespace

QList<RecordFieldSpan> effectSettingsFieldSpans()
{
    return valueFieldSpans(EFFECT_FIELDS, offsetof(EffectSettingsTypeDef, axis), EFFECT_AXIS_FIELDS,
                           sizeof(EffectAxisSettingsTypeDef), EFFECT_AXIS_COUNT);
}

QList<RecordFieldSpan> hardwareSettingsFieldSpans()
{
    return valueFieldSpans(HARDWARE_FIELDS, offsetof(HardwareSettingsTypeDef, axis),
                           HARDWARE_AXIS_FIELDS, sizeof(HardwareAxisSettingsTypeDef),
                           HARDWARE_AXIS_COUNT);
}
