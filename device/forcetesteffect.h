#pragma once

#include "device/forceoutput.h"

#include <QString>
#include <QStringList>

// The forces of the force test, as the kernel receives them. Each is a flat
// effect of finite length on one axis, scaled by the test's own strength: the
// device's gain is left as the user or a game set it.

enum class ForceTestKind {
    Spring,       // pulls towards the centre
    Damper,       // resists motion
    Friction,     // resists motion, whatever its speed
    PushMinimum,  // constant force towards the axis's minimum
    PushMaximum,  // constant force towards the axis's maximum
    Sine,         // swings to and fro
};
constexpr ForceTestKind FORCE_TEST_KINDS[] = {
    ForceTestKind::Spring,      ForceTestKind::Damper,      ForceTestKind::Friction,
    ForceTestKind::PushMinimum, ForceTestKind::PushMaximum, ForceTestKind::Sine};

constexpr int FORCE_TEST_DEFAULT_MS = 2000;
// Long enough to feel a force settle, short enough that a forgotten test ends
// on its own.
constexpr int FORCE_TEST_MAXIMUM_MS = 10000;
constexpr int FORCE_TEST_MINIMUM_MS = 100;
constexpr int FORCE_TEST_DEFAULT_STRENGTH = 25;  // percent
constexpr int FORCE_TEST_AXES = 2;               // the kernel's condition effects carry two
// Slow enough to follow by hand, fast enough to feel as a vibration's cousin.
constexpr int FORCE_TEST_SINE_PERIOD_MS = 500;

struct ForceTestRequest {
    ForceTestKind kind = ForceTestKind::Spring;
    int axis = 0;  // 0 the first (X), 1 the second (Y)
    int strengthPercent = FORCE_TEST_DEFAULT_STRENGTH;
    int milliseconds = FORCE_TEST_DEFAULT_MS;
};

// The effect for a request; strength, time and axis are brought into range
// first, so that no request can ask for an endless or over-strong force.
gravolt_force_effect forceTestEffect(const ForceTestRequest &request);
// The effect type (and for a sine the wave form) the device must offer.
bool forceTestOffered(ForceTestKind kind, uint64_t capabilities);

// The command line's name of each test ("spring", "push-max", ...); -1 when
// the name is none of them.
QString forceTestName(ForceTestKind kind);
int forceTestKindForName(const QString &name);

// Names of what the device offers, effect types first, then the wave forms,
// then gain and autocentre: untranslated (the command line's), or in the
// user's language.
QStringList forceCapabilityNames(uint64_t capabilities, bool translated);
