#include "effectformhelpers.h"

#include <QRandomGenerator>

#include <cstring>

QByteArray effectRecordBytes(const EffectSettingsTypeDef &settings)
{
    QByteArray bytes(int(sizeof settings), '\0');
    std::memcpy(bytes.data(), &settings, sizeof settings);
    return bytes;
}

EffectSettingsTypeDef effectRecordFromBytes(const QByteArray &bytes)
{
    // A short image leaves the rest zero instead of reading past its end.
    EffectSettingsTypeDef settings{};
    std::memcpy(&settings, bytes.constData(), qMin(size_t(bytes.size()), sizeof settings));
    return settings;
}

EffectSettingsTypeDef randomInRangeEffectRecord(QRandomGenerator &random)
{
    EffectSettingsTypeDef settings{};
    settings.invert_constant_force = random.bounded(2) ? 1 : -1;
    settings.direct_x_spring_strength = uint8_t(random.bounded(101));
    settings.direct_x_constant_strength = uint8_t(random.bounded(101));
    settings.direct_x_periodic_strength = uint8_t(random.bounded(101));
    for (EffectAxisSettingsTypeDef &axis : settings.axis) {
        axis.total_effect_scale = uint8_t(random.bounded(101));
        axis.soft_stop_strength = uint8_t(random.bounded(101));
        axis.soft_stop_range = uint8_t(1 + random.bounded(45));
        axis.static_dampening = uint16_t(random.bounded(1000));
        axis.dynamic_dampening = uint16_t(random.bounded(1000));
        axis.motion_range = uint16_t(random.bounded(10000));
        axis.max_force = float(random.bounded(101));
        axis.soft_stop_dampening = uint16_t(random.bounded(1000));
    }
    return settings;
}
