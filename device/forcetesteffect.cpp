#include "forcetesteffect.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The largest level or coefficient the kernel takes, and the largest
// saturation (unsigned there).
constexpr int FULL_LEVEL = 0x7FFF;
constexpr int FULL_SATURATION = 0xFFFF;

struct CapabilityName {
    int code;
    const char *name;
};
constexpr CapabilityName CAPABILITY_NAMES[] = {
    {GRAVOLT_FORCE_CONSTANT, QT_TRANSLATE_NOOP("ForceFeedback", "constant")},
    {GRAVOLT_FORCE_SPRING, QT_TRANSLATE_NOOP("ForceFeedback", "spring")},
    {GRAVOLT_FORCE_DAMPER, QT_TRANSLATE_NOOP("ForceFeedback", "damper")},
    {GRAVOLT_FORCE_FRICTION, QT_TRANSLATE_NOOP("ForceFeedback", "friction")},
    {GRAVOLT_FORCE_INERTIA, QT_TRANSLATE_NOOP("ForceFeedback", "inertia")},
    {GRAVOLT_FORCE_RAMP, QT_TRANSLATE_NOOP("ForceFeedback", "ramp")},
    {GRAVOLT_FORCE_PERIODIC, QT_TRANSLATE_NOOP("ForceFeedback", "periodic")},
    {GRAVOLT_FORCE_RUMBLE, QT_TRANSLATE_NOOP("ForceFeedback", "rumble")},
    {GRAVOLT_FORCE_SINE, QT_TRANSLATE_NOOP("ForceFeedback", "sine")},
    {GRAVOLT_FORCE_SQUARE, QT_TRANSLATE_NOOP("ForceFeedback", "square")},
    {GRAVOLT_FORCE_TRIANGLE, QT_TRANSLATE_NOOP("ForceFeedback", "triangle")},
    {GRAVOLT_FORCE_SAW_UP, QT_TRANSLATE_NOOP("ForceFeedback", "saw up")},
    {GRAVOLT_FORCE_SAW_DOWN, QT_TRANSLATE_NOOP("ForceFeedback", "saw down")},
    {GRAVOLT_FORCE_GAIN, QT_TRANSLATE_NOOP("ForceFeedback", "gain")},
    {GRAVOLT_FORCE_AUTOCENTER, QT_TRANSLATE_NOOP("ForceFeedback", "autocentre")},
};

struct KindName {
    ForceTestKind kind;
    const char *name;
};
constexpr KindName KIND_NAMES[] = {
    {ForceTestKind::Spring, "spring"},        {ForceTestKind::Damper, "damper"},
    {ForceTestKind::Friction, "friction"},    {ForceTestKind::PushMinimum, "push-min"},
    {ForceTestKind::PushMaximum, "push-max"}, {ForceTestKind::Sine, "sine"},
};

gravolt_force_condition condition(int percent)
{
    gravolt_force_condition c{};
    c.rightCoefficient = c.leftCoefficient = int16_t(FULL_LEVEL * percent / 100);
    c.rightSaturation = c.leftSaturation = uint16_t(FULL_SATURATION * percent / 100);
    return c;
}

}  // namespace

gravolt_force_effect forceTestEffect(const ForceTestRequest &request)
{
    const int percent = std::clamp(request.strengthPercent, 0, 100);
    const int axis = std::clamp(request.axis, 0, FORCE_TEST_AXES - 1);
    gravolt_force_effect effect{};
    effect.length =
        uint16_t(std::clamp(request.milliseconds, FORCE_TEST_MINIMUM_MS, FORCE_TEST_MAXIMUM_MS));
    // Towards an axis's minimum is left on the first axis and up (away from
    // the user) on the second, as the kernel's directions count.
    const uint16_t towardsMinimum =
        axis == 0 ? GRAVOLT_FORCE_DIRECTION_LEFT : GRAVOLT_FORCE_DIRECTION_UP;
    const uint16_t towardsMaximum =
        axis == 0 ? GRAVOLT_FORCE_DIRECTION_RIGHT : GRAVOLT_FORCE_DIRECTION_DOWN;
    switch (request.kind) {
    case ForceTestKind::Spring:
    case ForceTestKind::Damper:
    case ForceTestKind::Friction:
        effect.type = request.kind == ForceTestKind::Spring   ? GRAVOLT_FORCE_SPRING
                      : request.kind == ForceTestKind::Damper ? GRAVOLT_FORCE_DAMPER
                                                              : GRAVOLT_FORCE_FRICTION;
        // Only the chosen axis: the other stays free to move by hand.
        effect.condition[axis] = condition(percent);
        break;
    case ForceTestKind::PushMinimum:
    case ForceTestKind::PushMaximum:
        effect.type = GRAVOLT_FORCE_CONSTANT;
        effect.direction =
            request.kind == ForceTestKind::PushMinimum ? towardsMinimum : towardsMaximum;
        effect.level = int16_t(FULL_LEVEL * percent / 100);
        break;
    case ForceTestKind::Sine:
        effect.type = GRAVOLT_FORCE_PERIODIC;
        effect.direction = towardsMaximum;
        effect.waveform = GRAVOLT_FORCE_SINE;
        effect.period = FORCE_TEST_SINE_PERIOD_MS;
        effect.magnitude = int16_t(FULL_LEVEL * percent / 100);
        break;
    }
    return effect;
}

bool forceTestOffered(ForceTestKind kind, uint64_t capabilities)
{
    const gravolt_force_effect effect = forceTestEffect({kind, 0, 0, 0});
    if (!(capabilities & gravolt_force_bit(effect.type)))
        return false;
    return effect.type != GRAVOLT_FORCE_PERIODIC ||
           (capabilities & gravolt_force_bit(effect.waveform));
}

QString forceTestName(ForceTestKind kind)
{
    for (const KindName &entry : KIND_NAMES)
        if (entry.kind == kind)
            return QString::fromLatin1(entry.name);
    return QString();
}

int forceTestKindForName(const QString &name)
{
    for (const KindName &entry : KIND_NAMES)
        if (name == QLatin1String(entry.name))
            return int(entry.kind);
    return -1;
}

QStringList forceCapabilityNames(uint64_t capabilities, bool translated)
{
    QStringList names;
    for (const CapabilityName &entry : CAPABILITY_NAMES)
        if (capabilities & gravolt_force_bit(entry.code))
            names << (translated ? QCoreApplication::translate("ForceFeedback", entry.name)
                                 : QString::fromLatin1(entry.name));
    return names;
}
