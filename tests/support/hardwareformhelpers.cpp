#include "hardwareformhelpers.h"

#include <cstring>

QByteArray hardwareRecordBytes(const HardwareSettingsTypeDef &record)
{
    QByteArray bytes(int(sizeof record), '\0');
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

HardwareSettingsTypeDef hardwareRecordFromBytes(const QByteArray &bytes)
{
    HardwareSettingsTypeDef record{};
    std::memcpy(&record, bytes.constData(), qMin(size_t(bytes.size()), sizeof record));
    return record;
}

HardwareSettingsTypeDef patternedHardwareRecord(uint8_t seed)
{
    QByteArray bytes(HARDWARE_SETTINGS_SIZE, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 37 + seed) & 0xFF);
    return hardwareRecordFromBytes(bytes);
}

QList<int> hardwarePanelOffsets()
{
    QList<int> offsets;
    for (size_t at : {offsetof(HardwareSettingsTypeDef, force_enable),
                      offsetof(HardwareSettingsTypeDef, debug_forces),
                      offsetof(HardwareSettingsTypeDef, calibration_mode),
                      offsetof(HardwareSettingsTypeDef, amplifier_gain),
                      offsetof(HardwareSettingsTypeDef, power_limit),
                      offsetof(HardwareSettingsTypeDef, braking_limit),
                      offsetof(HardwareSettingsTypeDef, calibration_magnitude),
                      offsetof(HardwareSettingsTypeDef, calibration_speed),
                      offsetof(HardwareSettingsTypeDef, calibration_current),
                      offsetof(HardwareSettingsTypeDef, position_smoothing),
                      offsetof(HardwareSettingsTypeDef, speed_sample_buffer_size)})
        offsets << int(at);
    for (int axis = 0; axis < HARDWARE_AXIS_COUNT; ++axis) {
        const int block =
            int(offsetof(HardwareSettingsTypeDef, axis)) + axis * HARDWARE_AXIS_BLOCK_SIZE;
        const int fields[][2] = {
            {int(offsetof(HardwareAxisSettingsTypeDef, encoder_direction)), 1},
            {int(offsetof(HardwareAxisSettingsTypeDef, force_direction)), 1},
            {int(offsetof(HardwareAxisSettingsTypeDef, pole_pairs)), 1},
            {int(offsetof(HardwareAxisSettingsTypeDef, encoder_cpr)), 2},
            {int(offsetof(HardwareAxisSettingsTypeDef, p_gain)), 4},
            {int(offsetof(HardwareAxisSettingsTypeDef, i_gain)), 4},
        };
        for (const auto &field : fields)
            for (int i = 0; i < field[1]; ++i)
                offsets << block + field[0] + i;
    }
    return offsets;
}
