#pragma once

#include <QMetaType>

#include <cstddef>
#include <cstdint>
#include <type_traits>

// Hardware configuration as the board keeps it. The memory image of this
// struct is the wire image (feature report 0x21 / record command 0x11). Every
// byte not named here is reserved: read as anything, always sent as 0.

constexpr int HARDWARE_SETTINGS_SIZE = 512;    // bytes
constexpr int HARDWARE_AXIS_BLOCK_SIZE = 128;  // bytes, one per motor axis
constexpr int HARDWARE_AXIS_COUNT = 2;
constexpr int GPIO_PIN_COUNT = 10;  // pins 1 to 8, then encoder index inputs Z0 and Z1
constexpr int BUTTON_COUNT = 32;
constexpr int ANALOG_AXIS_COUNT = 3;  // Rx, Ry, Rz

#pragma pack(push, 1)

struct HardwareAxisSettingsTypeDef {
    int8_t encoder_direction;  // +1 inverted output, -1 normal
    int8_t force_direction;    // +1 inverted force, -1 normal
    uint8_t pole_pairs;
    uint16_t encoder_cpr;  // counts per revolution
    uint8_t reserved_5[2];
    float p_gain;
    float i_gain;
    uint8_t reserved_15[113];
};

struct HardwareSettingsTypeDef {
    uint8_t force_enable;  // 1 on, 0 off
    uint8_t debug_forces;  // 1 on, 0 off
    uint8_t reserved_2;
    uint8_t calibration_mode;           // CalibrationMode
    uint8_t amplifier_gain;             // AmplifierGain
    uint8_t spi_mode;                   // SpiMode
    uint8_t gpio_mode[GPIO_PIN_COUNT];  // GpioMode
    uint8_t button_mode[BUTTON_COUNT];  // ButtonMode
    uint8_t power_limit;                // percent
    uint8_t braking_limit;              // percent
    uint8_t calibration_magnitude;      // percent
    uint8_t calibration_speed;          // percent
    uint8_t calibration_current;        // percent
    uint8_t reserved_53[6];
    uint8_t analog_button_low[ANALOG_AXIS_COUNT];        // percent
    uint8_t analog_button_high[ANALOG_AXIS_COUNT];       // percent
    uint8_t position_smoothing;                          // percent
    uint8_t speed_sample_buffer_size;                    // samples, 2 to 32
    uint16_t analog_lower_dead_zone[ANALOG_AXIS_COUNT];  // 0 to 32767
    uint16_t analog_upper_dead_zone[ANALOG_AXIS_COUNT];  // 0 to 32767
    uint8_t analog_smoothing[ANALOG_AXIS_COUNT];         // percent
    uint8_t analog_invert[ANALOG_AXIS_COUNT];            // 1 inverted, 0 normal
    uint8_t reserved_85[171];
    HardwareAxisSettingsTypeDef axis[HARDWARE_AXIS_COUNT];
};

#pragma pack(pop)

static_assert(sizeof(HardwareAxisSettingsTypeDef) == HARDWARE_AXIS_BLOCK_SIZE);
static_assert(offsetof(HardwareAxisSettingsTypeDef, encoder_direction) == 0);
static_assert(offsetof(HardwareAxisSettingsTypeDef, force_direction) == 1);
static_assert(offsetof(HardwareAxisSettingsTypeDef, pole_pairs) == 2);
static_assert(offsetof(HardwareAxisSettingsTypeDef, encoder_cpr) == 3);
static_assert(offsetof(HardwareAxisSettingsTypeDef, reserved_5) == 5);
static_assert(offsetof(HardwareAxisSettingsTypeDef, p_gain) == 7);
static_assert(offsetof(HardwareAxisSettingsTypeDef, i_gain) == 11);
static_assert(offsetof(HardwareAxisSettingsTypeDef, reserved_15) == 15);
static_assert(std::is_trivially_copyable_v<HardwareAxisSettingsTypeDef>);

static_assert(sizeof(HardwareSettingsTypeDef) == HARDWARE_SETTINGS_SIZE);
static_assert(alignof(HardwareSettingsTypeDef) == 1);
static_assert(offsetof(HardwareSettingsTypeDef, force_enable) == 0);
static_assert(offsetof(HardwareSettingsTypeDef, debug_forces) == 1);
static_assert(offsetof(HardwareSettingsTypeDef, reserved_2) == 2);
static_assert(offsetof(HardwareSettingsTypeDef, calibration_mode) == 3);
static_assert(offsetof(HardwareSettingsTypeDef, amplifier_gain) == 4);
static_assert(offsetof(HardwareSettingsTypeDef, spi_mode) == 5);
static_assert(offsetof(HardwareSettingsTypeDef, gpio_mode) == 6);
static_assert(offsetof(HardwareSettingsTypeDef, button_mode) == 16);
static_assert(offsetof(HardwareSettingsTypeDef, power_limit) == 48);
static_assert(offsetof(HardwareSettingsTypeDef, braking_limit) == 49);
static_assert(offsetof(HardwareSettingsTypeDef, calibration_magnitude) == 50);
static_assert(offsetof(HardwareSettingsTypeDef, calibration_speed) == 51);
static_assert(offsetof(HardwareSettingsTypeDef, calibration_current) == 52);
static_assert(offsetof(HardwareSettingsTypeDef, reserved_53) == 53);
static_assert(offsetof(HardwareSettingsTypeDef, analog_button_low) == 59);
static_assert(offsetof(HardwareSettingsTypeDef, analog_button_high) == 62);
static_assert(offsetof(HardwareSettingsTypeDef, position_smoothing) == 65);
static_assert(offsetof(HardwareSettingsTypeDef, speed_sample_buffer_size) == 66);
static_assert(offsetof(HardwareSettingsTypeDef, analog_lower_dead_zone) == 67);
static_assert(offsetof(HardwareSettingsTypeDef, analog_upper_dead_zone) == 73);
static_assert(offsetof(HardwareSettingsTypeDef, analog_smoothing) == 79);
static_assert(offsetof(HardwareSettingsTypeDef, analog_invert) == 82);
static_assert(offsetof(HardwareSettingsTypeDef, reserved_85) == 85);
static_assert(offsetof(HardwareSettingsTypeDef, axis) == 256);
static_assert(std::is_trivially_copyable_v<HardwareSettingsTypeDef>);

// Code tables. The value of each code is also the row of its caption in the
// form's combo box, which is why the forms fill their lists in code order.

enum CalibrationMode : uint8_t {
    CALIBRATION_NONE = 0,
    CALIBRATION_START_ANGLE_AS_CENTER = 1,
    CALIBRATION_AUTOMATIC_CENTER_SEARCH = 2,
};

enum AmplifierGain : uint8_t {
    AMPLIFIER_GAIN_80 = 0,  // V/V
    AMPLIFIER_GAIN_40 = 1,
    AMPLIFIER_GAIN_20 = 2,
    AMPLIFIER_GAIN_10 = 3,
};

enum SpiMode : uint8_t {
    SPI_MODE_DISABLED = 0,
    SPI_MODE_SN74HC165N_X3 = 1,  // shift register chain, buttons 9 to 32
    SPI_MODE_C4021_X3 = 2,       // shift register chain, buttons 9 to 32
    SPI_MODE_GRIP_THRUSTMASTER = 3,
    SPI_MODE_GRIP_VPC_FLNKR = 4,
    SPI_MODE_GRIP_VPC_ALPHA_PRIME_R = 5,
    SPI_MODE_GRIP_VPC_MONGOOST = 6,
    SPI_MODE_GRIP_VPC_MONGOOST_CM2 = 7,
    SPI_MODE_GRIP_VPC_VFX = 8,
};
constexpr int SPI_MODE_COUNT = 9;

enum GpioMode : uint8_t {
    GPIO_MODE_DISABLED = 0,
    GPIO_MODE_GENERIC_BUTTON = 1,
    GPIO_MODE_ANALOG = 2,
    GPIO_MODE_SPI_CS = 3,
    GPIO_MODE_SPI_SCK = 4,
    GPIO_MODE_SPI_MISO = 5,
    GPIO_MODE_ENABLE_EFFECTS_SWITCH = 6,
    GPIO_MODE_RESET_CENTER_BUTTON = 7,
    GPIO_MODE_REBOOT_BUTTON = 8,
    GPIO_MODE_BRAKING_PWM = 9,
};
constexpr int GPIO_MODE_COUNT = 10;

enum ButtonMode : uint8_t {
    BUTTON_MODE_DISABLED = 0,
    BUTTON_MODE_NORMAL = 1,
    BUTTON_MODE_INVERTED = 2,
};
constexpr int BUTTON_MODE_COUNT = 3;

Q_DECLARE_METATYPE(HardwareSettingsTypeDef)
