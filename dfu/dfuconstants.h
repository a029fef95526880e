#pragma once

#include <chrono>
#include <cstdint>

// USB Device Firmware Upgrade 1.1 and the DfuSe extensions of ST's ROM
// bootloaders, as they appear on the wire.

// A DFU-mode interface.
constexpr uint8_t DFU_INTERFACE_CLASS = 0xFE;
constexpr uint8_t DFU_INTERFACE_SUBCLASS = 0x01;
constexpr uint8_t DFU_INTERFACE_PROTOCOL_DFU_MODE = 0x02;
constexpr uint8_t DFU_FUNCTIONAL_DESCRIPTOR_TYPE = 0x21;
constexpr int DFU_FUNCTIONAL_DESCRIPTOR_SIZE = 9;  // bytes
constexpr uint16_t DFUSE_VERSION = 0x011A;         // bcdDFUVersion of a DfuSe bootloader

// bmAttributes of the functional descriptor.
constexpr uint8_t DFU_ATTRIBUTE_CAN_DOWNLOAD = 0x01;
constexpr uint8_t DFU_ATTRIBUTE_CAN_UPLOAD = 0x02;
constexpr uint8_t DFU_ATTRIBUTE_MANIFESTATION_TOLERANT = 0x04;
constexpr uint8_t DFU_ATTRIBUTE_WILL_DETACH = 0x08;

// The STM32 system bootloader.
constexpr uint16_t STM_BOOTLOADER_VENDOR_ID = 0x0483;
constexpr uint16_t STM_BOOTLOADER_PRODUCT_ID = 0xDF11;

// Class requests on the DFU interface (wIndex = interface number).
constexpr uint8_t DFU_REQUEST_TYPE_OUT = 0x21;  // host to device, class, interface
constexpr uint8_t DFU_REQUEST_TYPE_IN = 0xA1;   // device to host, class, interface
constexpr uint8_t DFU_DETACH = 0;
constexpr uint8_t DFU_DNLOAD = 1;
constexpr uint8_t DFU_UPLOAD = 2;
constexpr uint8_t DFU_GETSTATUS = 3;
constexpr uint8_t DFU_CLRSTATUS = 4;
constexpr uint8_t DFU_GETSTATE = 5;
constexpr uint8_t DFU_ABORT = 6;
constexpr int DFU_STATUS_SIZE = 6;  // bytes of a GETSTATUS answer

// bState.
enum class DfuState : uint8_t {
    AppIdle = 0,
    AppDetach = 1,
    DfuIdle = 2,
    DnloadSync = 3,
    DnBusy = 4,
    DnloadIdle = 5,
    ManifestSync = 6,
    Manifest = 7,
    ManifestWaitReset = 8,
    UploadIdle = 9,
    Error = 10,
};

// bStatus.
enum class DfuStatus : uint8_t {
    Ok = 0x00,
    ErrTarget = 0x01,
    ErrFile = 0x02,
    ErrWrite = 0x03,
    ErrErase = 0x04,
    ErrCheckErased = 0x05,
    ErrProg = 0x06,
    ErrVerify = 0x07,
    ErrAddress = 0x08,
    ErrNotDone = 0x09,
    ErrFirmware = 0x0A,
    ErrVendor = 0x0B,
    ErrUsbReset = 0x0C,
    ErrPowerOnReset = 0x0D,
    ErrUnknown = 0x0E,
    ErrStalledPacket = 0x0F,
};

// DfuSe commands, sent as DNLOAD block 0 and carried out during the next
// GETSTATUS.
constexpr uint16_t DFUSE_COMMAND_BLOCK = 0;
constexpr uint16_t DFUSE_FIRST_DATA_BLOCK = 2;  // block 1 is not used
constexpr uint8_t DFUSE_SET_ADDRESS = 0x21;
constexpr uint8_t DFUSE_ERASE = 0x41;
constexpr uint8_t DFUSE_READ_UNPROTECT = 0x92;
constexpr int DFUSE_COMMAND_SIZE = 5;  // command byte and a 32-bit address

// Bounds of every wait. A 128 KiB sector of an F4 takes up to 2 s to erase;
// a mass erase tens of seconds. Past these the bootloader is taken for hung.
constexpr std::chrono::milliseconds DFU_CONTROL_TIMEOUT{5000};
constexpr std::chrono::milliseconds DFU_BUSY_BOUND{60000};  // one command or block, in total
// A poll timeout above this is a malformed answer, not a request to wait.
constexpr std::chrono::milliseconds DFU_LONGEST_POLL{30000};
