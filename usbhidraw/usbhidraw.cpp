// The libusb calls the program makes, carried out on Linux hidraw through
// hidapi's hidraw backend.
//
// On Linux the kernel's HID driver is bound to every board's interface, and
// usbfs refuses a class request to an interface the process has not claimed
// while another driver holds it. Claiming would mean detaching the HID driver,
// and the joystick would vanish from every game each time the scan touches
// the board. hidraw's feature-report ioctls make the kernel send the very same
// GET_REPORT and SET_REPORT requests itself, with its driver left in place:
//
//   SET_REPORT, wValue 0x03nn: HIDIOCSFEATURE(len) with the whole buffer; the
//     kernel takes the report id from byte 0 and, for a non-zero id, sends all
//     len bytes, id included, as the data stage.
//   GET_REPORT, wValue 0x03nn: HIDIOCGFEATURE(len) with the report id in byte
//     0; the device's bytes land from byte 0 on and the ioctl returns their
//     number, exactly what a control transfer delivers.
//
// Anything that cannot be expressed this way fails with
// LIBUSB_ERROR_NOT_SUPPORTED rather than being approximated.

#include "device/libusberrorname.h"
#include "device/usbbackendinfo.h"

#include <hidapi.h>
#include <libudev.h>
#include <libusb.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

// Contexts only exist so that libusb_init(&ctx) and libusb_exit(ctx) pair up
// as they do with the real library; every context reaches the same nodes.
struct libusb_context {
    int unused = 0;
};

struct libusb_device_handle {
    hid_device *device = nullptr;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::string port;  // USB port path of the board, empty when unknown
    // The kernel addresses the interface the node belongs to; wIndex must
    // name that one.
    int interfaceNumber = 0;
    // hidapi keeps a per-device error text that concurrent calls would race on.
    std::mutex mutex;
};

namespace {

constexpr uint8_t REQUEST_TYPE_CLASS_INTERFACE_OUT = 0x21;  // host to device, class, interface
constexpr uint8_t REQUEST_TYPE_CLASS_INTERFACE_IN = 0xA1;   // device to host, class, interface
constexpr uint8_t HID_REQUEST_GET_REPORT = 0x01;
constexpr uint8_t HID_REQUEST_SET_REPORT = 0x09;
constexpr uint8_t HID_REPORT_TYPE_FEATURE = 0x03;  // high byte of wValue
// hidraw rejects feature buffers shorter than the report id plus one byte.
constexpr uint16_t HIDRAW_MIN_FEATURE_LENGTH = 2;  // bytes

// hid_init/hid_exit are process-wide while libusb contexts nest: the first
// init and the last exit decide. Opening is serialised too, because hidapi
// keeps the error text of enumeration and opening in one unguarded global.
std::mutex libraryMutex;
int contextCount = 0;

int libusbErrorFromErrno(int error)
{
    switch (error) {
    case ENODEV:
    case ENOENT:
    case ESHUTDOWN:
        // hidraw answers ENODEV once the board is gone; usbhid gives ESHUTDOWN
        // for a request cut off by the disconnect.
        return LIBUSB_ERROR_NO_DEVICE;
    case EPIPE:
        return LIBUSB_ERROR_PIPE;
    case ETIMEDOUT:
        return LIBUSB_ERROR_TIMEOUT;
    case EACCES:
    case EPERM:
        return LIBUSB_ERROR_ACCESS;
    case EBUSY:
        return LIBUSB_ERROR_BUSY;
    case EOVERFLOW:
        return LIBUSB_ERROR_OVERFLOW;
    case EINTR:
        return LIBUSB_ERROR_INTERRUPTED;
    case ENOMEM:
        return LIBUSB_ERROR_NO_MEM;
    case EINVAL:
        return LIBUSB_ERROR_INVALID_PARAM;
    default:
        return LIBUSB_ERROR_IO;
    }
}

// One attached board as hidapi lists it: the node that stands for it is the
// first USB entry of interface 0, where the feature reports live, else its
// first USB entry at all.
struct Candidate {
    std::string port;
    std::string path;
    int interfaceNumber = 0;
};

// The USB port path ("1-4.2") of the board behind a hidraw node: the kernel
// keeps it across the board's reboots, while the node's number and the USB
// address change.
std::string portOfNode(udev *context, const char *path)
{
    const char *slash = context && path ? std::strrchr(path, '/') : nullptr;
    if (!slash)
        return {};
    udev_device *node = udev_device_new_from_subsystem_sysname(context, "hidraw", slash + 1);
    if (!node)
        return {};
    udev_device *usb = udev_device_get_parent_with_subsystem_devtype(node, "usb", "usb_device");
    std::string port = usb && udev_device_get_sysname(usb) ? udev_device_get_sysname(usb) : "";
    udev_device_unref(node);
    return port;
}

// Every board in the list, in port order: the choice among boards of one
// model then stays the same from one start of the program to the next.
std::vector<Candidate> boardsIn(const hid_device_info *list)
{
    udev *context = udev_new();
    std::map<std::string, Candidate> byPort;
    std::vector<Candidate> unplaced;  // port unknown: kept in hidapi's order
    for (const hid_device_info *d = list; d; d = d->next) {
        if (d->bus_type != HID_API_BUS_USB || !d->path)
            continue;
        Candidate candidate;
        candidate.port = portOfNode(context, d->path);
        candidate.path = d->path;
        candidate.interfaceNumber = d->interface_number < 0 ? 0 : d->interface_number;
        if (candidate.port.empty()) {
            unplaced.push_back(candidate);
            continue;
        }
        auto known = byPort.find(candidate.port);
        if (known == byPort.end())
            byPort.emplace(candidate.port, candidate);
        else if (d->interface_number == 0 && known->second.interfaceNumber != 0)
            known->second = candidate;
    }
    if (context)
        udev_unref(context);
    std::vector<Candidate> boards;
    for (auto &entry : byPort)
        boards.push_back(std::move(entry.second));
    boards.insert(boards.end(), unplaced.begin(), unplaced.end());
    return boards;
}

// A board that reboots leaves the bus for a few seconds. If another board of
// the same model is attached meanwhile, a scan would open that one instead,
// and from then on the program would configure the other board without the
// user noticing. So when a handle is closed while other boards of its model
// are attached, its port is kept for a while, and within that time only the
// board on that port is opened. A board unplugged for good gives way to the
// others once the time is up.
constexpr auto REBOOT_GRACE = std::chrono::seconds(10);

struct AwaitedBoard {
    std::string port;
    std::chrono::steady_clock::time_point until;
};
// Keyed by vendor and product id; guarded by libraryMutex.
std::map<std::pair<uint16_t, uint16_t>, AwaitedBoard> awaitedBoards;

// Which of the attached boards to open; null when the board awaited back
// from a reboot must be waited for.
const Candidate *boardToOpen(const std::vector<Candidate> &boards, uint16_t vendorId,
                             uint16_t productId)
{
    if (boards.empty())
        return nullptr;
    const auto awaited = awaitedBoards.find({vendorId, productId});
    if (awaited == awaitedBoards.end())
        return &boards.front();
    for (const Candidate &board : boards)
        if (board.port == awaited->second.port)
            return &board;
    if (std::chrono::steady_clock::now() < awaited->second.until)
        return nullptr;
    awaitedBoards.erase(awaited);
    return &boards.front();
}

// Runs one hidapi feature-report call and puts its outcome in libusb's terms.
// errno is taken right after the call: hidapi reports failures only as text,
// and the ioctl's errno is what tells a vanished board from a stall.
template <typename Call> int featureTransfer(libusb_device_handle *handle, Call call)
{
    std::lock_guard<std::mutex> lock(handle->mutex);
    errno = 0;
    const int result = call(handle->device);
    const int error = errno;
    return result >= 0 ? result : libusbErrorFromErrno(error);
}

}  // namespace

UsbBackendInfo usbBackendInfo()
{
    return {"hidraw (hidapi)", BoardNodeKind::Hidraw};
}

extern "C" {

int LIBUSB_CALL libusb_init(libusb_context **ctx)
{
    std::lock_guard<std::mutex> lock(libraryMutex);
    if (contextCount == 0 && hid_init() != 0)
        return LIBUSB_ERROR_OTHER;
    ++contextCount;
    if (ctx)
        *ctx = new libusb_context;
    return LIBUSB_SUCCESS;
}

void LIBUSB_CALL libusb_exit(libusb_context *ctx)
{
    std::lock_guard<std::mutex> lock(libraryMutex);
    delete ctx;
    if (contextCount > 0 && --contextCount == 0)
        hid_exit();
}

libusb_device_handle *LIBUSB_CALL libusb_open_device_with_vid_pid(libusb_context *,
                                                                  uint16_t vendor_id,
                                                                  uint16_t product_id)
{
    std::lock_guard<std::mutex> lock(libraryMutex);
    // hidapi reads 0 as "any"; libusb matches the numbers literally.
    if (vendor_id == 0 || product_id == 0)
        return nullptr;
    hid_device_info *list = hid_enumerate(vendor_id, product_id);
    const std::vector<Candidate> boards = boardsIn(list);
    hid_free_enumeration(list);
    const Candidate *board = boardToOpen(boards, vendor_id, product_id);
    if (!board)
        return nullptr;
    // Fails without access rights to the node, as libusb_open does; the udev
    // rule that comes with the program grants them to the user at the seat.
    hid_device *device = hid_open_path(board->path.c_str());
    if (!device)
        return nullptr;
    awaitedBoards.erase({vendor_id, product_id});
    auto *handle = new libusb_device_handle;
    handle->device = device;
    handle->vendorId = vendor_id;
    handle->productId = product_id;
    handle->port = board->port;
    handle->interfaceNumber = board->interfaceNumber;
    return handle;
}

void LIBUSB_CALL libusb_close(libusb_device_handle *dev_handle)
{
    if (!dev_handle)
        return;
    hid_close(dev_handle->device);
    if (!dev_handle->port.empty()) {
        std::lock_guard<std::mutex> lock(libraryMutex);
        hid_device_info *list = hid_enumerate(dev_handle->vendorId, dev_handle->productId);
        const std::vector<Candidate> boards = boardsIn(list);
        hid_free_enumeration(list);
        bool othersAttached = false;
        for (const Candidate &board : boards)
            othersAttached = othersAttached || board.port != dev_handle->port;
        if (othersAttached)
            awaitedBoards[{dev_handle->vendorId, dev_handle->productId}] = {
                dev_handle->port, std::chrono::steady_clock::now() + REBOOT_GRACE};
    }
    delete dev_handle;
}

// The timeout cannot be passed on: the kernel bounds every feature-report
// request itself (five seconds in usbhid).
int LIBUSB_CALL libusb_control_transfer(libusb_device_handle *dev_handle, uint8_t request_type,
                                        uint8_t bRequest, uint16_t wValue, uint16_t wIndex,
                                        unsigned char *data, uint16_t wLength,
                                        unsigned int /*timeout*/)
{
    if (!dev_handle || (!data && wLength > 0))
        return LIBUSB_ERROR_INVALID_PARAM;

    const uint8_t reportType = uint8_t(wValue >> 8);
    const uint8_t reportId = uint8_t(wValue & 0xFF);
    // hidraw names the report by the id in byte 0 and leaves that byte out of
    // the transfer when the id is 0, so only numbered reports keep the bytes
    // of the request unchanged.
    if (reportType != HID_REPORT_TYPE_FEATURE || reportId == 0 ||
        wIndex != dev_handle->interfaceNumber || wLength < HIDRAW_MIN_FEATURE_LENGTH)
        return LIBUSB_ERROR_NOT_SUPPORTED;

    if (request_type == REQUEST_TYPE_CLASS_INTERFACE_OUT && bRequest == HID_REQUEST_SET_REPORT) {
        // The kernel takes the id from the data; a buffer that names another
        // report than wValue cannot be sent as asked.
        if (data[0] != reportId)
            return LIBUSB_ERROR_NOT_SUPPORTED;
        return featureTransfer(dev_handle, [&](hid_device *device) {
            return hid_send_feature_report(device, data, wLength);
        });
    }
    if (request_type == REQUEST_TYPE_CLASS_INTERFACE_IN && bRequest == HID_REQUEST_GET_REPORT) {
        // The id travels in byte 0, where the device's first byte lands. A
        // failed request must leave the buffer as it was, as libusb does: the
        // busy poll relies on it.
        const unsigned char firstByte = data[0];
        data[0] = reportId;
        const int result = featureTransfer(dev_handle, [&](hid_device *device) {
            return hid_get_feature_report(device, data, wLength);
        });
        if (result < 0)
            data[0] = firstByte;
        return result;
    }
    return LIBUSB_ERROR_NOT_SUPPORTED;
}

// Named as the real library names them, so that messages read the same
// whichever library the program runs on.
const char *LIBUSB_CALL libusb_error_name(int errcode)
{
    return libusbErrorName(errcode);
}

}  // extern "C"
