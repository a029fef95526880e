#include "simulatedbootloader.h"

#include "boardsim/busstate.h"
#include "dfu/dfuconstants.h"

#include <libusb.h>

#include <algorithm>
#include <cstring>

namespace boardsim {

struct BootloaderState {
    QByteArray flash;
    BootloaderTimings timings;
    BootloaderFaults faults;
    int bootGeneration = -1;  // the board generation the protocol state belongs to
    DfuState state = DfuState::DfuIdle;
    DfuStatus status = DfuStatus::Ok;
    uint32_t pointer = BOOTLOADER_FLASH_ADDRESS;
    uint8_t alternate = 0;
    // The request received by DNLOAD, carried out by the next GETSTATUS.
    enum class Pending { None, Command, Data, Leave } pending = Pending::None;
    uint16_t pendingBlock = 0;
    QByteArray pendingData;
    Clock::time_point busyUntil{};
    int dataBlocks = 0;  // data blocks received since the board entered
    int leaves = 0;
    std::chrono::milliseconds requested{0};
};

namespace {

constexpr uint8_t BOOTLOADER_ATTRIBUTES =
    DFU_ATTRIBUTE_CAN_DOWNLOAD | DFU_ATTRIBUTE_CAN_UPLOAD | DFU_ATTRIBUTE_WILL_DETACH;
constexpr uint16_t BOOTLOADER_DETACH_TIMEOUT = 255;  // ms
constexpr uint16_t BOOTLOADER_DEVICE_VERSION = 0x2200;
constexpr int BOOTLOADER_ADDRESS_BASE = 100;  // device addresses, apart from the boards'
constexpr int SECTOR_UNIT = 16 * 1024;        // the erase time is given per 16 KiB
// String descriptor indexes of the two alternate settings.
constexpr uint8_t FLASH_NAME_INDEX = 4;
constexpr uint8_t OPTION_NAME_INDEX = 5;
constexpr int ALTERNATE_COUNT = 2;
constexpr uint8_t DFUSE_GET_COMMANDS_BLOCK = 0;

BootloaderState &bootloaderOf(SimulatedBoard::State &s)
{
    if (!s.bootloader) {
        s.bootloader = std::make_shared<BootloaderState>();
        s.bootloader->flash = QByteArray(BOOTLOADER_FLASH_SIZE, char(0xFF));
        const QByteArray firmware = demoFirmwareImage(s.info.firmwareVersion);
        s.bootloader->flash.replace(0, firmware.size(), firmware);
    }
    BootloaderState &b = *s.bootloader;
    if (b.bootGeneration != s.generation) {
        // A fresh start of the bootloader: its protocol state begins anew.
        b.bootGeneration = s.generation;
        b.state = DfuState::DfuIdle;
        b.status = DfuStatus::Ok;
        b.pointer = BOOTLOADER_FLASH_ADDRESS;
        b.pending = BootloaderState::Pending::None;
        b.dataBlocks = 0;
    }
    return b;
}

bool bootloaderOnBus(SimulatedBoard::State &s)
{
    settle(s);
    return s.plugged && s.dfu;
}

// The sectors of BOOTLOADER_FLASH_LAYOUT: 4 x 16 KiB, 64 KiB, 7 x 128 KiB.
bool sectorOf(uint32_t address, uint32_t *start, uint32_t *size)
{
    if (address < BOOTLOADER_FLASH_ADDRESS ||
        address >= BOOTLOADER_FLASH_ADDRESS + uint32_t(BOOTLOADER_FLASH_SIZE))
        return false;
    const uint32_t offset = address - BOOTLOADER_FLASH_ADDRESS;
    if (offset < 0x10000) {
        *start = offset & ~0x3FFFu;
        *size = 0x4000;
    } else if (offset < 0x20000) {
        *start = 0x10000;
        *size = 0x10000;
    } else {
        *start = offset & ~0x1FFFFu;
        *size = 0x20000;
    }
    *start += BOOTLOADER_FLASH_ADDRESS;
    return true;
}

void toError(BootloaderState &b, DfuStatus status)
{
    b.status = status;
    b.state = DfuState::Error;
    b.pending = BootloaderState::Pending::None;
}

// Carries out the pending request; returns the poll timeout it asks for.
std::chrono::milliseconds execute(SimulatedBoard::State &s, BootloaderState &b)
{
    const QByteArray data = b.pendingData;
    b.pending = BootloaderState::Pending::None;
    if (b.pendingBlock == DFUSE_COMMAND_BLOCK) {
        if (data.isEmpty()) {
            toError(b, DfuStatus::ErrStalledPacket);
            return {};
        }
        uint32_t address = 0;
        if (data.size() == DFUSE_COMMAND_SIZE)
            for (int i = 0; i < 4; ++i)
                address |= uint32_t(uint8_t(data.at(1 + i))) << (8 * i);
        const uint8_t command = uint8_t(data.at(0));
        uint32_t start = 0;
        uint32_t size = 0;
        if (command == DFUSE_SET_ADDRESS && data.size() == DFUSE_COMMAND_SIZE) {
            b.pointer = address;
            return b.timings.command;
        }
        if (command == DFUSE_ERASE && data.size() == DFUSE_COMMAND_SIZE) {
            if (!sectorOf(address, &start, &size)) {
                toError(b, DfuStatus::ErrTarget);
                return {};
            }
            b.flash.replace(int(start - BOOTLOADER_FLASH_ADDRESS), int(size),
                            QByteArray(int(size), char(0xFF)));
            return b.timings.erasePer16K * int(size / SECTOR_UNIT);
        }
        if (command == DFUSE_ERASE && data.size() == 1) {
            b.flash.fill(char(0xFF));
            return b.timings.erasePer16K * (BOOTLOADER_FLASH_SIZE / SECTOR_UNIT);
        }
        if (command == DFUSE_READ_UNPROTECT && data.size() == 1) {
            b.faults.readProtected = false;
            b.flash.fill(char(0xFF));
            return b.timings.erasePer16K * (BOOTLOADER_FLASH_SIZE / SECTOR_UNIT);
        }
        toError(b, DfuStatus::ErrStalledPacket);
        return {};
    }
    // Data: written at pointer + (block - 2) x transfer size, onto erased
    // flash only (programming can clear bits, never set them).
    const int block = b.dataBlocks++;
    const uint64_t address =
        uint64_t(b.pointer) +
        uint64_t(b.pendingBlock - DFUSE_FIRST_DATA_BLOCK) * BOOTLOADER_TRANSFER_SIZE;
    if (block == b.faults.refuseWriteAtBlock) {
        toError(b, DfuStatus::ErrWrite);
        return {};
    }
    if (b.alternate != 0 || address < BOOTLOADER_FLASH_ADDRESS ||
        address + uint64_t(data.size()) >
            BOOTLOADER_FLASH_ADDRESS + uint64_t(BOOTLOADER_FLASH_SIZE)) {
        toError(b, DfuStatus::ErrAddress);
        return {};
    }
    const int offset = int(address - BOOTLOADER_FLASH_ADDRESS);
    for (int i = 0; i < data.size(); ++i) {
        if (uint8_t(b.flash.at(offset + i)) != 0xFF && b.flash.at(offset + i) != data.at(i)) {
            toError(b, DfuStatus::ErrCheckErased);
            return {};
        }
        b.flash[offset + i] = data.at(i);
    }
    if (b.faults.unplugAfterBlocks >= 0 && b.dataBlocks >= b.faults.unplugAfterBlocks) {
        s.plugged = false;
        leaveBus(s);
    }
    return b.timings.writePerBlock;
}

// The bootloader starts the firmware in its flash, if it holds one.
void leave(SimulatedBoard::State &s, BootloaderState &b)
{
    uint32_t version = 0;
    ++b.leaves;
    leaveBus(s);
    if (!readFirmwareStamp(b.flash, &version))
        return;  // nothing to start: back in the bootloader at once
    s.dfu = false;
    s.rebooting = true;
    ++s.rebootCount;
    s.backOnBusAt = Clock::now() + s.rebootDuration;
    if (s.store) {
        // The stored board, not this process's copy, takes the new version.
        BoardImage image = boardImageOf(s);
        s.store->load(image);
        image.info.firmwareVersion = version;
        applyBoardImage(s, image);
        s.store->store(image, true);
    } else {
        s.info.firmwareVersion = version;
    }
}

int statusReply(BootloaderState &b, unsigned char *data, uint16_t length,
                std::chrono::milliseconds poll)
{
    if (length < DFU_STATUS_SIZE)
        return LIBUSB_ERROR_OVERFLOW;
    const auto ms = uint32_t(poll.count());
    data[0] = uint8_t(b.status);
    data[1] = uint8_t(ms & 0xFF);
    data[2] = uint8_t((ms >> 8) & 0xFF);
    data[3] = uint8_t((ms >> 16) & 0xFF);
    data[4] = uint8_t(b.state);
    data[5] = 0;
    return DFU_STATUS_SIZE;
}

int getStatus(SimulatedBoard::State &s, BootloaderState &b, unsigned char *data, uint16_t length)
{
    const auto now = Clock::now();
    std::chrono::milliseconds poll{0};
    switch (b.state) {
    case DfuState::DnloadSync:
        poll = execute(s, b);
        if (b.state != DfuState::Error) {
            b.state = DfuState::DnBusy;
            b.busyUntil = now + poll;
            b.requested += poll;
        }
        break;
    case DfuState::DnBusy:
        if (now < b.busyUntil) {
            // Asked too early: still busy, for the rest of the time.
            poll = std::chrono::ceil<std::chrono::milliseconds>(b.busyUntil - now);
        } else {
            b.state = DfuState::DnloadIdle;
        }
        break;
    case DfuState::ManifestSync: {
        b.state = DfuState::Manifest;
        const int result = statusReply(b, data, length, poll);
        leave(s, b);
        return result;
    }
    default:
        break;
    }
    return statusReply(b, data, length, poll);
}

int upload(BootloaderState &b, uint16_t block, unsigned char *data, uint16_t length)
{
    if (b.state != DfuState::DfuIdle && b.state != DfuState::UploadIdle) {
        toError(b, DfuStatus::ErrStalledPacket);
        return LIBUSB_ERROR_PIPE;
    }
    if (b.faults.readProtected) {
        toError(b, DfuStatus::ErrVendor);
        return LIBUSB_ERROR_PIPE;
    }
    if (block == DFUSE_GET_COMMANDS_BLOCK) {
        const unsigned char commands[] = {0x00, DFUSE_SET_ADDRESS, DFUSE_ERASE,
                                          DFUSE_READ_UNPROTECT};
        const int n = std::min<int>(length, int(sizeof commands));
        std::memcpy(data, commands, size_t(n));
        b.state = DfuState::DfuIdle;
        return n;
    }
    if (block < DFUSE_FIRST_DATA_BLOCK || length > BOOTLOADER_TRANSFER_SIZE || b.alternate != 0) {
        toError(b, DfuStatus::ErrStalledPacket);
        return LIBUSB_ERROR_PIPE;
    }
    const uint64_t address =
        uint64_t(b.pointer) + uint64_t(block - DFUSE_FIRST_DATA_BLOCK) * BOOTLOADER_TRANSFER_SIZE;
    const uint64_t end = BOOTLOADER_FLASH_ADDRESS + uint64_t(BOOTLOADER_FLASH_SIZE);
    if (address < BOOTLOADER_FLASH_ADDRESS || address > end) {
        toError(b, DfuStatus::ErrAddress);
        return LIBUSB_ERROR_PIPE;
    }
    const int offset = int(address - BOOTLOADER_FLASH_ADDRESS);
    const int n = int(std::min<uint64_t>(length, end - address));
    std::memcpy(data, b.flash.constData() + offset, size_t(n));
    const int altered = b.faults.verifyMismatchAt - offset;
    if (b.faults.verifyMismatchAt >= 0 && altered >= 0 && altered < n)
        data[altered] = uint8_t(data[altered] ^ 0x5A);
    // A short block ends the upload.
    b.state = n < length ? DfuState::DfuIdle : DfuState::UploadIdle;
    return n;
}

}  // namespace

int bootloaderControlTransfer(libusb_device_handle *handle, uint8_t requestType, uint8_t request,
                              uint16_t value, uint16_t index, unsigned char *data, uint16_t length)
{
    std::lock_guard<std::mutex> locker(bus().mutex);
    SimulatedBoard::State &s = *handle->board;
    Transfer t;
    t.productId = BOOTLOADER_PRODUCT_ID;
    t.requestType = requestType;
    t.request = request;
    t.value = value;
    t.index = index;
    t.length = length;
    t.timeout = 0;
    const bool write = (requestType & 0x80) == 0;
    if (write && data)
        t.data = QByteArray(reinterpret_cast<const char *>(data), length);

    int result = LIBUSB_ERROR_PIPE;
    if (handle->generation != s.generation || !bootloaderOnBus(s)) {
        result = LIBUSB_ERROR_NO_DEVICE;
    } else if (index != 0) {
        result = LIBUSB_ERROR_PIPE;
    } else {
        BootloaderState &b = bootloaderOf(s);
        if (requestType == DFU_REQUEST_TYPE_OUT && request == DFU_DNLOAD) {
            if (b.state != DfuState::DfuIdle && b.state != DfuState::DnloadIdle) {
                toError(b, DfuStatus::ErrStalledPacket);
            } else if (length == 0) {
                b.state = DfuState::ManifestSync;
                result = 0;
            } else if (length > BOOTLOADER_TRANSFER_SIZE || !data ||
                       value == DFUSE_FIRST_DATA_BLOCK - 1) {
                toError(b, DfuStatus::ErrStalledPacket);
            } else {
                b.pending = value == DFUSE_COMMAND_BLOCK ? BootloaderState::Pending::Command
                                                         : BootloaderState::Pending::Data;
                b.pendingBlock = value;
                b.pendingData = QByteArray(reinterpret_cast<const char *>(data), length);
                b.state = DfuState::DnloadSync;
                result = length;
            }
        } else if (requestType == DFU_REQUEST_TYPE_IN && request == DFU_GETSTATUS && data) {
            result = getStatus(s, b, data, length);
        } else if (requestType == DFU_REQUEST_TYPE_IN && request == DFU_GETSTATE && data &&
                   length >= 1) {
            data[0] = uint8_t(b.state);
            result = 1;
        } else if (requestType == DFU_REQUEST_TYPE_OUT && request == DFU_CLRSTATUS) {
            b.status = DfuStatus::Ok;
            b.state = DfuState::DfuIdle;
            result = 0;
        } else if (requestType == DFU_REQUEST_TYPE_OUT && request == DFU_ABORT) {
            if (b.state == DfuState::DnBusy || b.state == DfuState::Error) {
                toError(b, DfuStatus::ErrStalledPacket);
            } else {
                b.state = DfuState::DfuIdle;
                b.pending = BootloaderState::Pending::None;
                result = 0;
            }
        } else if (requestType == DFU_REQUEST_TYPE_IN && request == DFU_UPLOAD && data) {
            result = upload(b, value, data, length);
        }
        if (!write && result > 0)
            t.data = QByteArray(reinterpret_cast<const char *>(data), result);
    }
    t.result = result;
    bus().log.append(t);
    return result;
}

bool startsInBootloader(SimulatedBoard::State &s)
{
    uint32_t version = 0;
    return s.bootloader && !readFirmwareStamp(s.bootloader->flash, &version);
}

// ---------------------------------------------------------------- demo firmware

namespace {

// The stamp: magic, version, image size, and a check over the whole image
// with the check's own four bytes left out, so that a half-written image
// is not taken for a firmware.
constexpr int STAMP_VERSION_OFFSET = 16;
constexpr int STAMP_SIZE_OFFSET = 20;
constexpr int STAMP_CHECK_OFFSET = 24;
constexpr int STAMP_SIZE = 28;

uint32_t imageCheck(const QByteArray &image, int size)
{
    uint32_t hash = 2166136261u;  // FNV-1a
    for (int i = 0; i < size; ++i) {
        if (i >= FIRMWARE_STAMP_OFFSET + STAMP_CHECK_OFFSET &&
            i < FIRMWARE_STAMP_OFFSET + STAMP_SIZE)
            continue;
        hash = (hash ^ uint8_t(image.at(i))) * 16777619u;
    }
    return hash;
}

void putLe32(QByteArray &image, int offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        image[offset + i] = char((value >> (8 * i)) & 0xFF);
}

uint32_t getLe32(const QByteArray &image, int offset)
{
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= uint32_t(uint8_t(image.at(offset + i))) << (8 * i);
    return value;
}

}  // namespace

QByteArray demoFirmwareImage(uint32_t version, int size)
{
    Q_ASSERT(size >= FIRMWARE_STAMP_OFFSET + STAMP_SIZE);
    QByteArray image(size, '\0');
    // Something that looks like code: not blank, not repetitive.
    uint32_t x = 0x2000C000u ^ version;
    for (int i = 0; i < size; ++i) {
        x = x * 1664525u + 1013904223u;
        image[i] = char(x >> 24);
    }
    std::memcpy(image.data() + FIRMWARE_STAMP_OFFSET, FIRMWARE_STAMP_MAGIC,
                std::strlen(FIRMWARE_STAMP_MAGIC));
    putLe32(image, FIRMWARE_STAMP_OFFSET + STAMP_VERSION_OFFSET, version);
    putLe32(image, FIRMWARE_STAMP_OFFSET + STAMP_SIZE_OFFSET, uint32_t(size));
    putLe32(image, FIRMWARE_STAMP_OFFSET + STAMP_CHECK_OFFSET, imageCheck(image, size));
    return image;
}

bool readFirmwareStamp(const QByteArray &flash, uint32_t *version)
{
    if (flash.size() < FIRMWARE_STAMP_OFFSET + STAMP_SIZE ||
        std::memcmp(flash.constData() + FIRMWARE_STAMP_OFFSET, FIRMWARE_STAMP_MAGIC,
                    std::strlen(FIRMWARE_STAMP_MAGIC)) != 0)
        return false;
    const uint32_t size = getLe32(flash, FIRMWARE_STAMP_OFFSET + STAMP_SIZE_OFFSET);
    if (size > uint32_t(flash.size()) || size < uint32_t(FIRMWARE_STAMP_OFFSET + STAMP_SIZE) ||
        imageCheck(flash, int(size)) != getLe32(flash, FIRMWARE_STAMP_OFFSET + STAMP_CHECK_OFFSET))
        return false;
    *version = getLe32(flash, FIRMWARE_STAMP_OFFSET + STAMP_VERSION_OFFSET);
    return true;
}

// ---------------------------------------------------------------- demo faults

namespace {

// Where the demo's faults strike within a 64 KiB image: past the first
// sector, so that the progress bars have moved.
constexpr int DEMO_FAULT_BLOCK = 10;
constexpr int DEMO_MISMATCH_OFFSET = 0x5A5A;

}  // namespace

QStringList bootloaderDemoFaultNames()
{
    return {QStringLiteral("in-bootloader"), QStringLiteral("refuse-write"),
            QStringLiteral("verify-mismatch"), QStringLiteral("unplug-flash"),
            QStringLiteral("read-protected")};
}

bool applyBootloaderDemoFault(SimulatedBoard &board, const QString &fault)
{
    SimulatedBootloader bootloader(board);
    BootloaderFaults faults;
    const int index = int(bootloaderDemoFaultNames().indexOf(fault));
    switch (index) {
    case 0:
        bootloader.setFlash(QByteArray(BOOTLOADER_FLASH_SIZE, char(0xFF)));
        return true;
    case 1:
        faults.refuseWriteAtBlock = DEMO_FAULT_BLOCK;
        break;
    case 2:
        faults.verifyMismatchAt = DEMO_MISMATCH_OFFSET;
        break;
    case 3:
        faults.unplugAfterBlocks = DEMO_FAULT_BLOCK;
        break;
    case 4:
        faults.readProtected = true;
        break;
    default:
        return false;
    }
    bootloader.setFaults(faults);
    return true;
}

// ---------------------------------------------------------------- the test handle

#define LOCKED std::lock_guard<std::mutex> locker(bus().mutex)

SimulatedBootloader::SimulatedBootloader(const SimulatedBoard &board) : board(board.state)
{}

void SimulatedBootloader::setTimings(const BootloaderTimings &timings)
{
    LOCKED;
    bootloaderOf(*board).timings = timings;
}

void SimulatedBootloader::setFaults(const BootloaderFaults &faults)
{
    LOCKED;
    bootloaderOf(*board).faults = faults;
}

QByteArray SimulatedBootloader::flash() const
{
    LOCKED;
    return bootloaderOf(*board).flash;
}

void SimulatedBootloader::setFlash(const QByteArray &image)
{
    Q_ASSERT(image.size() == BOOTLOADER_FLASH_SIZE);
    LOCKED;
    bootloaderOf(*board).flash = image;
}

bool SimulatedBootloader::isPresent() const
{
    LOCKED;
    return bootloaderOnBus(*board);
}

void SimulatedBootloader::enter()
{
    LOCKED;
    bootloaderOf(*board);
    board->dfu = true;
    leaveBus(*board);
}

int SimulatedBootloader::leaveCount() const
{
    LOCKED;
    return bootloaderOf(*board).leaves;
}

std::chrono::milliseconds SimulatedBootloader::requestedWait() const
{
    LOCKED;
    return bootloaderOf(*board).requested;
}

}  // namespace boardsim

// ---------------------------------------------------------------- libusb C API

// Only bootloaders are listed: the boards themselves are reached through
// libusb_open_device_with_vid_pid, as the hidraw backend reaches them.
struct libusb_device {
    std::shared_ptr<boardsim::SimulatedBoard::State> board;
    int generation = 0;
    int port = 0;
};

namespace {

struct ConfigHolder {
    libusb_config_descriptor config{};
    libusb_interface interface {};
    libusb_interface_descriptor alternates[boardsim::ALTERNATE_COUNT]{};
    unsigned char functional[DFU_FUNCTIONAL_DESCRIPTOR_SIZE]{};
};

}  // namespace

using boardsim::bus;

extern "C" {

ssize_t LIBUSB_CALL libusb_get_device_list(libusb_context *, libusb_device ***list)
{
    LOCKED;
    QList<libusb_device *> devices;
    for (const auto &s : bus().boards) {
        if (!boardsim::bootloaderOnBus(*s))
            continue;
        auto *device = new libusb_device;
        device->board = s;
        device->generation = s->generation;
        device->port = s->port;
        devices.append(device);
    }
    *list = new libusb_device *[size_t(devices.size()) + 1];
    for (int i = 0; i < devices.size(); ++i)
        (*list)[i] = devices.at(i);
    (*list)[devices.size()] = nullptr;
    return devices.size();
}

void LIBUSB_CALL libusb_free_device_list(libusb_device **list, int unref)
{
    if (!list)
        return;
    for (libusb_device **device = list; unref && *device; ++device)
        delete *device;
    delete[] list;
}

int LIBUSB_CALL libusb_get_device_descriptor(libusb_device *, libusb_device_descriptor *desc)
{
    *desc = libusb_device_descriptor{};
    desc->bLength = LIBUSB_DT_DEVICE_SIZE;
    desc->bDescriptorType = LIBUSB_DT_DEVICE;
    desc->bcdUSB = 0x0200;
    desc->bMaxPacketSize0 = 64;
    desc->idVendor = boardsim::BOOTLOADER_VENDOR_ID;
    desc->idProduct = boardsim::BOOTLOADER_PRODUCT_ID;
    desc->bcdDevice = boardsim::BOOTLOADER_DEVICE_VERSION;
    desc->iManufacturer = 1;
    desc->iProduct = 2;
    desc->iSerialNumber = 3;
    desc->bNumConfigurations = 1;
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_get_config_descriptor(libusb_device *, uint8_t index,
                                             libusb_config_descriptor **config)
{
    if (index != 0)
        return LIBUSB_ERROR_NOT_FOUND;
    auto *holder = new ConfigHolder;
    holder->config.bLength = LIBUSB_DT_CONFIG_SIZE;
    holder->config.bDescriptorType = LIBUSB_DT_CONFIG;
    holder->config.bNumInterfaces = 1;
    holder->config.bConfigurationValue = 1;
    holder->config.interface = &holder->interface;
    holder->interface.altsetting = holder->alternates;
    holder->interface.num_altsetting = boardsim::ALTERNATE_COUNT;
    const unsigned char functional[] = {DFU_FUNCTIONAL_DESCRIPTOR_SIZE,
                                        DFU_FUNCTIONAL_DESCRIPTOR_TYPE,
                                        boardsim::BOOTLOADER_ATTRIBUTES,
                                        uint8_t(boardsim::BOOTLOADER_DETACH_TIMEOUT & 0xFF),
                                        uint8_t(boardsim::BOOTLOADER_DETACH_TIMEOUT >> 8),
                                        uint8_t(boardsim::BOOTLOADER_TRANSFER_SIZE & 0xFF),
                                        uint8_t(boardsim::BOOTLOADER_TRANSFER_SIZE >> 8),
                                        uint8_t(DFUSE_VERSION & 0xFF),
                                        uint8_t(DFUSE_VERSION >> 8)};
    std::memcpy(holder->functional, functional, sizeof functional);
    for (int a = 0; a < boardsim::ALTERNATE_COUNT; ++a) {
        libusb_interface_descriptor &alt = holder->alternates[a];
        alt.bLength = LIBUSB_DT_INTERFACE_SIZE;
        alt.bDescriptorType = LIBUSB_DT_INTERFACE;
        alt.bAlternateSetting = uint8_t(a);
        alt.bInterfaceClass = DFU_INTERFACE_CLASS;
        alt.bInterfaceSubClass = DFU_INTERFACE_SUBCLASS;
        alt.bInterfaceProtocol = DFU_INTERFACE_PROTOCOL_DFU_MODE;
        alt.iInterface = a == 0 ? boardsim::FLASH_NAME_INDEX : boardsim::OPTION_NAME_INDEX;
        alt.extra = holder->functional;
        alt.extra_length = DFU_FUNCTIONAL_DESCRIPTOR_SIZE;
    }
    *config = &holder->config;
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_get_active_config_descriptor(libusb_device *device,
                                                    libusb_config_descriptor **config)
{
    return libusb_get_config_descriptor(device, 0, config);
}

void LIBUSB_CALL libusb_free_config_descriptor(libusb_config_descriptor *config)
{
    // `config` is the first member of its holder.
    delete reinterpret_cast<ConfigHolder *>(config);
}

uint8_t LIBUSB_CALL libusb_get_bus_number(libusb_device *)
{
    return 1;
}

uint8_t LIBUSB_CALL libusb_get_device_address(libusb_device *device)
{
    return uint8_t(boardsim::BOOTLOADER_ADDRESS_BASE + device->port);
}

int LIBUSB_CALL libusb_get_port_numbers(libusb_device *device, uint8_t *port_numbers,
                                        int port_numbers_len)
{
    if (port_numbers_len < 1)
        return LIBUSB_ERROR_OVERFLOW;
    port_numbers[0] = uint8_t(device->port);
    return 1;
}

int LIBUSB_CALL libusb_open(libusb_device *device, libusb_device_handle **handle)
{
    LOCKED;
    ++bus().openAttempts;
    auto &s = *device->board;
    if (device->generation != s.generation || !boardsim::bootloaderOnBus(s))
        return LIBUSB_ERROR_NO_DEVICE;
    if (s.refuseOpen)
        return LIBUSB_ERROR_ACCESS;
    auto *opened = new libusb_device_handle;
    opened->board = device->board;
    opened->generation = s.generation;
    opened->bootloader = true;
    ++bus().openHandles;
    *handle = opened;
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_claim_interface(libusb_device_handle *handle, int interface_number)
{
    LOCKED;
    if (!handle->bootloader)
        return LIBUSB_ERROR_BUSY;  // the HID driver holds the boards' interface
    if (handle->generation != handle->board->generation)
        return LIBUSB_ERROR_NO_DEVICE;
    return interface_number == 0 ? LIBUSB_SUCCESS : LIBUSB_ERROR_NOT_FOUND;
}

int LIBUSB_CALL libusb_release_interface(libusb_device_handle *handle, int)
{
    LOCKED;
    return handle->generation == handle->board->generation ? LIBUSB_SUCCESS
                                                           : LIBUSB_ERROR_NO_DEVICE;
}

int LIBUSB_CALL libusb_set_interface_alt_setting(libusb_device_handle *handle, int interface_number,
                                                 int alternate_setting)
{
    LOCKED;
    if (!handle->bootloader || handle->generation != handle->board->generation)
        return LIBUSB_ERROR_NO_DEVICE;
    if (interface_number != 0 || alternate_setting < 0 ||
        alternate_setting >= boardsim::ALTERNATE_COUNT)
        return LIBUSB_ERROR_NOT_FOUND;
    boardsim::bootloaderOf(*handle->board).alternate = uint8_t(alternate_setting);
    return LIBUSB_SUCCESS;
}

int LIBUSB_CALL libusb_get_string_descriptor_ascii(libusb_device_handle *handle, uint8_t desc_index,
                                                   unsigned char *data, int length)
{
    {
        LOCKED;
        if (handle->generation != handle->board->generation)
            return LIBUSB_ERROR_NO_DEVICE;
    }
    const char *text = nullptr;
    switch (desc_index) {
    case 1:
        text = "STMicroelectronics";
        break;
    case 2:
        text = "STM32  BOOTLOADER";
        break;
    case 3:
        text = "3265367C3235";
        break;
    case boardsim::FLASH_NAME_INDEX:
        text = boardsim::BOOTLOADER_FLASH_LAYOUT;
        break;
    case boardsim::OPTION_NAME_INDEX:
        text = boardsim::BOOTLOADER_OPTION_LAYOUT;
        break;
    default:
        return LIBUSB_ERROR_PIPE;
    }
    const int n = std::min<int>(int(std::strlen(text)), length - 1);
    std::memcpy(data, text, size_t(n));
    data[n] = 0;
    return n;
}

}  // extern "C"
