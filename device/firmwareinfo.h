#pragma once

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <type_traits>

// The program's own version; a board must report exactly this firmware
// version to pass the version check. Also shown in the window title.
constexpr uint32_t SUPPORTED_FIRMWARE_VERSION = 240719;

constexpr int FIRMWARE_INFO_SIZE = 64;  // bytes

// USB identity of the boards: one vendor, one product id per device kind.
constexpr int BOARD_VENDOR_ID = 1115;               // 0x045B
constexpr int BOARD_PRODUCT_ID_GENERIC = 22000;     // 0x55F0
constexpr int BOARD_PRODUCT_ID_JOYSTICK = 22777;    // 0x58F9
constexpr int BOARD_PRODUCT_ID_RUDDER = 22888;      // 0x5968
constexpr int BOARD_PRODUCT_ID_WHEEL = 22999;       // 0x59D7
constexpr int BOARD_PRODUCT_ID_COLLECTIVE = 22001;  // 0x55F1

// Codes of FirmwareInfoTypeDef::deviceType.
constexpr int DEVICE_TYPE_GENERIC = 0;
constexpr int DEVICE_TYPE_JOYSTICK = 1;  // the only kind with two motor axes
constexpr int DEVICE_TYPE_RUDDER = 2;
constexpr int DEVICE_TYPE_WHEEL = 3;
constexpr int DEVICE_TYPE_COLLECTIVE = 4;

// Every board model this program configures, in device type order: the device
// type is also the model's row in the window's board list.
struct BoardModel {
    int deviceType;
    int productId;
    const char *key;          // backup files, the command line and the demo: "joystick"
    const char *displayName;  // the board list and messages: "Gravolt Joystick"
};

inline constexpr BoardModel BOARD_MODELS[] = {
    {DEVICE_TYPE_GENERIC, BOARD_PRODUCT_ID_GENERIC, "generic", "Gravolt Generic"},
    {DEVICE_TYPE_JOYSTICK, BOARD_PRODUCT_ID_JOYSTICK, "joystick", "Gravolt Joystick"},
    {DEVICE_TYPE_RUDDER, BOARD_PRODUCT_ID_RUDDER, "rudder", "Gravolt Rudder"},
    {DEVICE_TYPE_WHEEL, BOARD_PRODUCT_ID_WHEEL, "wheel", "Gravolt Wheel PRO"},
    {DEVICE_TYPE_COLLECTIVE, BOARD_PRODUCT_ID_COLLECTIVE, "collective", "Gravolt Collective"},
};

constexpr bool boardModelsInTypeOrder()
{
    int type = 0;
    for (const BoardModel &model : BOARD_MODELS)
        if (model.deviceType != type++)
            return false;
    return true;
}
static_assert(boardModelsInTypeOrder(), "BOARD_MODELS is indexed by device type");

// The model of a device type or product id, or nullptr for one this program
// does not know.
constexpr const BoardModel *boardModelOfType(int deviceType)
{
    return deviceType >= 0 && deviceType < int(std::size(BOARD_MODELS)) ? &BOARD_MODELS[deviceType]
                                                                        : nullptr;
}
constexpr const BoardModel *boardModelOfProduct(int productId)
{
    for (const BoardModel &model : BOARD_MODELS)
        if (model.productId == productId)
            return &model;
    return nullptr;
}

// The product ids of every model, in device type order: what the scan, the
// command line and the doctor look for.
inline QList<int> boardProductIds()
{
    QList<int> ids;
    for (const BoardModel &model : BOARD_MODELS)
        ids.append(model.productId);
    return ids;
}

// The names of the models, all taken from BOARD_MODELS.

// "generic", "joystick", "rudder", "wheel" or "collective" (the model's key);
// an empty string for any other device type.
QString modelNameForDeviceType(int deviceType);
// Every model name, for messages: "generic, joystick, ...".
QString knownModelNames();
// The inverse of modelNameForDeviceType: -1 when the name is not a model.
int deviceTypeForModelName(const QString &model);
// The model's product name ("Gravolt Joystick"), or "USB 045b:<product id>"
// for a product this program does not know.
QString boardModelName(int productId);
// The model's key as the window's reader reads it ("joystick", translated),
// or "unknown (type N)".
QString modelDisplayName(int deviceType);

#pragma pack(push, 1)

// Device information record, the first 64 bytes of feature report 0x25.
struct FirmwareInfoTypeDef {
    uint32_t firmwareVersion;
    uint8_t deviceType;
    uint8_t reserved_5[59];  // carried along, never read
};

#pragma pack(pop)

static_assert(sizeof(FirmwareInfoTypeDef) == FIRMWARE_INFO_SIZE);
static_assert(alignof(FirmwareInfoTypeDef) == 1);
static_assert(offsetof(FirmwareInfoTypeDef, firmwareVersion) == 0);
static_assert(offsetof(FirmwareInfoTypeDef, deviceType) == 4);
static_assert(offsetof(FirmwareInfoTypeDef, reserved_5) == 5);
static_assert(std::is_trivially_copyable_v<FirmwareInfoTypeDef>);

// Boards travel between threads as one map keyed by USB product id; the record
// type on its own never crosses a signal.
using FirmwareInfoMap = QMap<int, FirmwareInfoTypeDef>;
Q_DECLARE_METATYPE(FirmwareInfoMap)
