#pragma once

#include <QMetaType>

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Effect settings as the board keeps them. The memory image of this struct is
// the wire image (feature report 0x22 / record command 0x12) and the content of
// a profile file, so nothing here may be reordered, padded or converted.

constexpr int EFFECT_SETTINGS_SIZE = 384;    // bytes
constexpr int EFFECT_AXIS_BLOCK_SIZE = 128;  // bytes, one per motor axis
constexpr int EFFECT_AXIS_COUNT = 2;

#pragma pack(push, 1)

struct EffectAxisSettingsTypeDef {
    uint8_t total_effect_scale;  // percent
    uint8_t soft_stop_strength;  // percent
    uint8_t soft_stop_range;     // degrees
    uint16_t static_dampening;   // percent
    uint16_t dynamic_dampening;  // percent
    uint16_t motion_range;       // degrees
    float max_force;             // kilograms
    uint8_t reserved_13;
    uint16_t soft_stop_dampening;  // percent
    uint8_t reserved_16[112];
};

struct EffectSettingsTypeDef {
    int8_t invert_constant_force;        // +1 inverted, -1 not inverted
    uint8_t direct_x_spring_strength;    // percent
    uint8_t direct_x_constant_strength;  // percent
    uint8_t direct_x_periodic_strength;  // percent
    uint8_t reserved_4[124];
    EffectAxisSettingsTypeDef axis[EFFECT_AXIS_COUNT];
};

#pragma pack(pop)

static_assert(sizeof(EffectAxisSettingsTypeDef) == EFFECT_AXIS_BLOCK_SIZE);
static_assert(offsetof(EffectAxisSettingsTypeDef, total_effect_scale) == 0);
static_assert(offsetof(EffectAxisSettingsTypeDef, soft_stop_strength) == 1);
static_assert(offsetof(EffectAxisSettingsTypeDef, soft_stop_range) == 2);
static_assert(offsetof(EffectAxisSettingsTypeDef, static_dampening) == 3);
static_assert(offsetof(EffectAxisSettingsTypeDef, dynamic_dampening) == 5);
static_assert(offsetof(EffectAxisSettingsTypeDef, motion_range) == 7);
static_assert(offsetof(EffectAxisSettingsTypeDef, max_force) == 9);
static_assert(offsetof(EffectAxisSettingsTypeDef, reserved_13) == 13);
static_assert(offsetof(EffectAxisSettingsTypeDef, soft_stop_dampening) == 14);
static_assert(offsetof(EffectAxisSettingsTypeDef, reserved_16) == 16);
static_assert(std::is_trivially_copyable_v<EffectAxisSettingsTypeDef>);

static_assert(sizeof(EffectSettingsTypeDef) == EFFECT_SETTINGS_SIZE);
static_assert(alignof(EffectSettingsTypeDef) == 1);
static_assert(offsetof(EffectSettingsTypeDef, invert_constant_force) == 0);
static_assert(offsetof(EffectSettingsTypeDef, direct_x_spring_strength) == 1);
static_assert(offsetof(EffectSettingsTypeDef, direct_x_constant_strength) == 2);
static_assert(offsetof(EffectSettingsTypeDef, direct_x_periodic_strength) == 3);
static_assert(offsetof(EffectSettingsTypeDef, reserved_4) == 4);
static_assert(offsetof(EffectSettingsTypeDef, axis) == 128);
static_assert(std::is_trivially_copyable_v<EffectSettingsTypeDef>);
static_assert(sizeof(float) == 4, "max_force travels as IEEE-754 single precision");

Q_DECLARE_METATYPE(EffectSettingsTypeDef)
