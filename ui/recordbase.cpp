#include "recordbase.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Reserved areas are byte arrays (alignment 1), so binding them by reference
// inside a packed record is sound.
template <std::size_t N> void copyArea(uint8_t (&target)[N], const uint8_t (&source)[N])
{
    std::memcpy(target, source, N);
}

}  // namespace

EffectSettingsTypeDef withReservedBytesOf(const EffectSettingsTypeDef &base,
                                          EffectSettingsTypeDef fromForm)
{
    copyArea(fromForm.reserved_4, base.reserved_4);
    for (int axis = 0; axis < EFFECT_AXIS_COUNT; ++axis) {
        fromForm.axis[axis].reserved_13 = base.axis[axis].reserved_13;
        copyArea(fromForm.axis[axis].reserved_16, base.axis[axis].reserved_16);
    }
    return fromForm;
}

HardwareSettingsTypeDef withReservedBytesOf(const HardwareSettingsTypeDef &base,
                                            HardwareSettingsTypeDef fromForm)
{
    fromForm.reserved_2 = base.reserved_2;
    copyArea(fromForm.reserved_53, base.reserved_53);
    copyArea(fromForm.reserved_85, base.reserved_85);
    for (int axis = 0; axis < HARDWARE_AXIS_COUNT; ++axis) {
        copyArea(fromForm.axis[axis].reserved_5, base.axis[axis].reserved_5);
        copyArea(fromForm.axis[axis].reserved_15, base.axis[axis].reserved_15);
    }
    return fromForm;
}
