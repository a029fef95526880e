#include "dfusession.h"

#include "dfu/dfustatustext.h"

#include <libusb.h>

#include <QCoreApplication>

#include <algorithm>
#include <thread>

using Clock = std::chrono::steady_clock;

namespace {

// DfuSe numbers data blocks from 2 in a 16-bit field: past the last one the
// address pointer is set anew.
constexpr int DFUSE_LAST_BLOCK = 0xFFFF;

QString hex32(uint32_t value)
{
    return QStringLiteral("0x%1").arg(value, 8, 16, QLatin1Char('0'));
}

QString stepName(DfuStep step)
{
    switch (step) {
    case DfuStep::Erase:
        return QCoreApplication::translate("DfuSession", "erasing");
    case DfuStep::Write:
        return QCoreApplication::translate("DfuSession", "writing");
    case DfuStep::Verify:
        return QCoreApplication::translate("DfuSession", "verifying");
    }
    return QString();
}

}  // namespace

DfuSession::DfuSession(libusb_context *context, const DfuBootloaderInfo &bootloader)
    : context(context), info(bootloader)
{}

DfuSession::~DfuSession()
{
    close();
}

bool DfuSession::open(QString *error)
{
    close();
    libusb_device **list = nullptr;
    const ssize_t count = libusb_get_device_list(context, &list);
    libusb_device *match = nullptr;
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device_descriptor descriptor{};
        if (libusb_get_device_descriptor(list[i], &descriptor) == LIBUSB_SUCCESS &&
            descriptor.idVendor == info.vendorId && descriptor.idProduct == info.productId &&
            libusb_get_bus_number(list[i]) == info.busNumber &&
            libusb_get_device_address(list[i]) == info.deviceAddress)
            match = list[i];
    }
    int result = match ? libusb_open(match, &handle) : LIBUSB_ERROR_NO_DEVICE;
    if (count >= 0)
        libusb_free_device_list(list, 1);
    if (result == LIBUSB_SUCCESS) {
        result = libusb_claim_interface(handle, info.interfaceNumber);
        claimed = result == LIBUSB_SUCCESS;
    }
    if (result != LIBUSB_SUCCESS) {
        if (error)
            *error = result == LIBUSB_ERROR_NO_DEVICE
                         ? QCoreApplication::translate("DfuSession",
                                                       "The bootloader is no longer on port %1.")
                               .arg(info.port)
                     : result == LIBUSB_ERROR_ACCESS
                         ? QCoreApplication::translate(
                               "DfuSession", "No permission to open the bootloader on port %1.")
                               .arg(info.port)
                         : QCoreApplication::translate(
                               "DfuSession", "The bootloader on port %1 cannot be opened (%2).")
                               .arg(info.port, QLatin1String(libusb_error_name(result)));
        close();
        return false;
    }
    currentAlternate = -1;
    waited = std::chrono::milliseconds(0);
    return true;
}

void DfuSession::close()
{
    if (!handle)
        return;
    if (claimed)
        libusb_release_interface(handle, info.interfaceNumber);
    claimed = false;
    libusb_close(handle);
    handle = nullptr;
}

bool DfuSession::getStatus(DfuStatusReply *reply)
{
    unsigned char answer[DFU_STATUS_SIZE] = {};
    const int result =
        libusb_control_transfer(handle, DFU_REQUEST_TYPE_IN, DFU_GETSTATUS, 0, info.interfaceNumber,
                                answer, DFU_STATUS_SIZE, unsigned(DFU_CONTROL_TIMEOUT.count()));
    if (result != DFU_STATUS_SIZE) {
        outcome.unplugged = outcome.unplugged || result == LIBUSB_ERROR_NO_DEVICE;
        lastUsbResult = result < 0 ? result : LIBUSB_ERROR_IO;
        return false;
    }
    reply->status = DfuStatus(answer[0]);
    reply->pollTimeout =
        std::chrono::milliseconds(answer[1] | (answer[2] << 8) | (answer[3] << 16));
    reply->state = DfuState(answer[4]);
    return true;
}

bool DfuSession::request(uint8_t request, uint16_t value)
{
    const int result =
        libusb_control_transfer(handle, DFU_REQUEST_TYPE_OUT, request, value, info.interfaceNumber,
                                nullptr, 0, unsigned(DFU_CONTROL_TIMEOUT.count()));
    if (result < 0) {
        outcome.unplugged = outcome.unplugged || result == LIBUSB_ERROR_NO_DEVICE;
        lastUsbResult = result;
        return false;
    }
    return true;
}

bool DfuSession::clearStatus()
{
    return request(DFU_CLRSTATUS, 0);
}

bool DfuSession::abort()
{
    return request(DFU_ABORT, 0);
}

bool DfuSession::toIdle()
{
    DfuStatusReply reply;
    // Two rounds at most: out of dfuERROR, then out of an idle state.
    for (int round = 0; round < 3; ++round) {
        if (!getStatus(&reply))
            return false;
        switch (reply.state) {
        case DfuState::DfuIdle:
            return true;
        case DfuState::Error:
            if (!clearStatus())
                return false;
            break;
        case DfuState::DnloadIdle:
        case DfuState::UploadIdle:
        case DfuState::DnloadSync:
        case DfuState::ManifestSync:
            if (!abort())
                return false;
            break;
        default:
            lastUsbResult = LIBUSB_SUCCESS;
            return false;
        }
    }
    return false;
}

bool DfuSession::fail(DfuStep step, const QString &what, const uint32_t *address)
{
    outcome.ok = false;
    outcome.step = step;
    if (address) {
        outcome.hasAddress = true;
        outcome.address = *address;
    }
    if (outcome.unplugged)
        outcome.error =
            address ? QCoreApplication::translate(
                          "DfuSession", "The bootloader left the USB bus while %1 at address %2: "
                                        "the board was unplugged or lost power.")
                          .arg(stepName(step), hex32(*address))
                    : QCoreApplication::translate(
                          "DfuSession", "The bootloader left the USB bus while %1: the board was "
                                        "unplugged or lost power.")
                          .arg(stepName(step));
    else
        outcome.error = what;
    return false;
}

bool DfuSession::failUsb(DfuStep step, const uint32_t *address)
{
    const QString where =
        address ? QCoreApplication::translate("DfuSession", " at address %1").arg(hex32(*address))
                : QString();
    const QString why =
        lastUsbResult == LIBUSB_SUCCESS
            ? QCoreApplication::translate(
                  "DfuSession", "the bootloader is in a state this program did not expect")
            : QLatin1String(libusb_error_name(lastUsbResult));
    return fail(step,
                QCoreApplication::translate("DfuSession",
                                            "The bootloader stopped answering while %1%2 (%3).")
                    .arg(stepName(step), where, why),
                address);
}

bool DfuSession::failStatus(DfuStep step, const DfuStatusReply &reply, const uint32_t *address)
{
    outcome.status = reply.status;
    const QString sentence = dfuStatusText(reply.status, info.isDfuSe(), step == DfuStep::Verify);
    fail(step,
         address ? QCoreApplication::translate("DfuSession", "Failed while %1 at address %2: %3")
                       .arg(stepName(step), hex32(*address), sentence)
                 : QCoreApplication::translate("DfuSession", "Failed while %1: %2")
                       .arg(stepName(step), sentence),
         address);
    // Out of dfuERROR, so that the bootloader can be tried again or left.
    if (reply.state == DfuState::Error)
        clearStatus();
    return false;
}

bool DfuSession::download(uint16_t block, const QByteArray &data)
{
    const int result = libusb_control_transfer(
        handle, DFU_REQUEST_TYPE_OUT, DFU_DNLOAD, block, info.interfaceNumber,
        reinterpret_cast<unsigned char *>(const_cast<char *>(data.constData())),
        uint16_t(data.size()), unsigned(DFU_CONTROL_TIMEOUT.count()));
    if (result != data.size()) {
        outcome.unplugged = outcome.unplugged || result == LIBUSB_ERROR_NO_DEVICE;
        lastUsbResult = result < 0 ? result : LIBUSB_ERROR_IO;
        return false;
    }
    return true;
}

bool DfuSession::awaitDownload(DfuStep step, const uint32_t *address, DfuStatusReply *last)
{
    const auto start = Clock::now();
    for (;;) {
        DfuStatusReply reply;
        if (!getStatus(&reply)) {
            // A refused request shows in the status that follows.
            if (lastUsbResult == LIBUSB_ERROR_PIPE && getStatus(&reply) &&
                reply.status != DfuStatus::Ok)
                return failStatus(step, reply, address);
            return failUsb(step, address);
        }
        if (reply.status != DfuStatus::Ok)
            return failStatus(step, reply, address);
        if (reply.state != DfuState::DnBusy && reply.state != DfuState::DnloadSync) {
            *last = reply;
            return true;
        }
        if (reply.pollTimeout > DFU_LONGEST_POLL ||
            Clock::now() - start + reply.pollTimeout > DFU_BUSY_BOUND)
            return fail(
                step,
                QCoreApplication::translate(
                    "DfuSession",
                    "The bootloader was still busy %1 at address %2 after %3 seconds; "
                    "it is taken for hung.")
                    .arg(stepName(step), hex32(address ? *address : 0))
                    .arg(std::chrono::duration_cast<std::chrono::seconds>(DFU_BUSY_BOUND).count()),
                address);
        // Exactly what the bootloader asks for: it ignores requests sooner.
        std::this_thread::sleep_for(reply.pollTimeout);
        waited += reply.pollTimeout;
    }
}

bool DfuSession::dfuseCommand(DfuStep step, uint8_t command, uint32_t address)
{
    QByteArray data(DFUSE_COMMAND_SIZE, '\0');
    data[0] = char(command);
    for (int i = 0; i < 4; ++i)
        data[1 + i] = char((address >> (8 * i)) & 0xFF);
    DfuStatusReply reply;
    if (!download(DFUSE_COMMAND_BLOCK, data))
        return failUsb(step, &address);
    if (!awaitDownload(step, &address, &reply))
        return false;
    if (reply.state != DfuState::DnloadIdle) {
        lastUsbResult = LIBUSB_SUCCESS;
        return failUsb(step, &address);
    }
    return true;
}

bool DfuSession::selectAlternate(uint8_t setting)
{
    if (currentAlternate == setting)
        return true;
    const int result = libusb_set_interface_alt_setting(handle, info.interfaceNumber, setting);
    if (result != LIBUSB_SUCCESS) {
        outcome.unplugged = outcome.unplugged || result == LIBUSB_ERROR_NO_DEVICE;
        lastUsbResult = result;
        return false;
    }
    currentAlternate = setting;
    return true;
}

bool DfuSession::eraseAll(const QList<MemorySector> &sectors, const Progress &progress,
                          qint64 total)
{
    qint64 done = 0;
    for (const MemorySector &sector : sectors) {
        if (!dfuseCommand(DfuStep::Erase, DFUSE_ERASE, sector.address))
            return false;
        done += sector.size;
        if (progress)
            progress(DfuStep::Erase, done, total);
    }
    return true;
}

bool DfuSession::writeElement(const MemoryChunk &element, const Progress &progress, qint64 *done,
                              qint64 total)
{
    const int size = int(element.data.size());
    int offset = 0;
    while (offset < size) {
        if (!dfuseCommand(DfuStep::Write, DFUSE_SET_ADDRESS, element.address + uint32_t(offset)))
            return false;
        for (int block = DFUSE_FIRST_DATA_BLOCK; offset < size && block <= DFUSE_LAST_BLOCK;
             ++block) {
            const uint32_t address = element.address + uint32_t(offset);
            const QByteArray chunk = element.data.mid(offset, info.transferSize);
            DfuStatusReply reply;
            if (!download(uint16_t(block), chunk))
                return failUsb(DfuStep::Write, &address);
            if (!awaitDownload(DfuStep::Write, &address, &reply))
                return false;
            offset += int(chunk.size());
            *done += chunk.size();
            if (progress)
                progress(DfuStep::Write, *done, total);
        }
    }
    return true;
}

bool DfuSession::verifyElement(const MemoryChunk &element, const Progress &progress, qint64 *done,
                               qint64 total, bool *protectedRead)
{
    const int size = int(element.data.size());
    int offset = 0;
    QByteArray buffer(info.transferSize, '\0');
    while (offset < size) {
        // UPLOAD starts from dfuIDLE: set the pointer, then ABORT.
        const uint32_t start = element.address + uint32_t(offset);
        if (!dfuseCommand(DfuStep::Verify, DFUSE_SET_ADDRESS, start))
            return false;
        if (!abort())
            return failUsb(DfuStep::Verify, &start);
        for (int block = DFUSE_FIRST_DATA_BLOCK; offset < size && block <= DFUSE_LAST_BLOCK;
             ++block) {
            const uint32_t address = element.address + uint32_t(offset);
            const int wanted = std::min<int>(info.transferSize, size - offset);
            const int result = libusb_control_transfer(
                handle, DFU_REQUEST_TYPE_IN, DFU_UPLOAD, uint16_t(block), info.interfaceNumber,
                reinterpret_cast<unsigned char *>(buffer.data()), uint16_t(wanted),
                unsigned(DFU_CONTROL_TIMEOUT.count()));
            if (result < 0) {
                outcome.unplugged = outcome.unplugged || result == LIBUSB_ERROR_NO_DEVICE;
                lastUsbResult = result;
                DfuStatusReply reply;
                if (result == LIBUSB_ERROR_PIPE && getStatus(&reply) &&
                    reply.status != DfuStatus::Ok) {
                    if (reply.status == DfuStatus::ErrVendor && info.isDfuSe()) {
                        *protectedRead = true;
                        outcome.status = reply.status;
                        if (reply.state == DfuState::Error)
                            clearStatus();
                        return false;
                    }
                    return failStatus(DfuStep::Verify, reply, &address);
                }
                return failUsb(DfuStep::Verify, &address);
            }
            const QByteArray expected = element.data.mid(offset, wanted);
            for (int i = 0; i < wanted; ++i) {
                if (i >= result || buffer.at(i) != expected.at(i)) {
                    const uint32_t at = address + uint32_t(i);
                    outcome.status = DfuStatus::ErrVerify;
                    return fail(DfuStep::Verify,
                                i >= result
                                    ? QCoreApplication::translate(
                                          "DfuSession",
                                          "Verifying failed at address %1: the bootloader's "
                                          "memory ends there.")
                                          .arg(hex32(at))
                                    : QCoreApplication::translate(
                                          "DfuSession",
                                          "Verifying failed at address %1: the board holds 0x%2 "
                                          "where the file has 0x%3.")
                                          .arg(hex32(at))
                                          .arg(uint8_t(buffer.at(i)), 2, 16, QLatin1Char('0'))
                                          .arg(uint8_t(expected.at(i)), 2, 16, QLatin1Char('0')),
                                &at);
                }
            }
            offset += wanted;
            *done += wanted;
            if (progress)
                progress(DfuStep::Verify, *done, total);
        }
        if (!abort())
            return failUsb(DfuStep::Verify, &start);
    }
    return true;
}

DfuOutcome DfuSession::flash(const FirmwareFile &file, const Progress &progress,
                             const std::atomic<bool> *cancel)
{
    outcome = DfuOutcome();
    if (!handle) {
        fail(DfuStep::Erase,
             QCoreApplication::translate("DfuSession", "The bootloader is not open."));
        return outcome;
    }
    if (file.needsAddress && info.isDfuSe()) {
        fail(DfuStep::Erase, QCoreApplication::translate(
                                 "DfuSession", "The raw image has not been given an address."));
        return outcome;
    }
    if (info.transferSize == 0) {
        fail(DfuStep::Erase,
             QCoreApplication::translate("DfuSession", "The bootloader names no transfer size."));
        return outcome;
    }
    // Everything is checked before the first byte is sent.
    QList<ErasePlan> plans;
    qint64 eraseTotal = 0;
    for (const FirmwareTarget &target : file.targets) {
        const DfuAlternate *alt = info.alternate(target.alternateSetting);
        if (!alt) {
            fail(DfuStep::Erase,
                 QCoreApplication::translate("DfuSession",
                                             "The file holds firmware for memory %1, which the "
                                             "bootloader does not have.")
                     .arg(target.alternateSetting));
            return outcome;
        }
        ErasePlan plan;
        if (info.isDfuSe()) {
            if (alt->layout.isEmpty()) {
                fail(DfuStep::Erase,
                     QCoreApplication::translate(
                         "DfuSession", "The bootloader does not describe its memory \"%1\".")
                         .arg(alt->name));
                return outcome;
            }
            plan = planErase(alt->layout, target.elements);
            if (!plan.ok) {
                fail(DfuStep::Erase, plan.error, &plan.failedAddress);
                return outcome;
            }
            for (const MemorySector &sector : plan.sectors)
                eraseTotal += sector.size;
        }
        plans.append(plan);
    }
    if (cancel && cancel->load()) {
        outcome.cancelled = true;
        outcome.error =
            QCoreApplication::translate("DfuSession", "Cancelled before anything was written.");
        return outcome;
    }
    const qint64 byteTotal = file.byteCount();
    qint64 written = 0;
    for (int t = 0; t < file.targets.size(); ++t) {
        const FirmwareTarget &target = file.targets.at(t);
        if (!selectAlternate(target.alternateSetting) || !toIdle()) {
            failUsb(DfuStep::Erase);
            return outcome;
        }
        if (info.isDfuSe()) {
            if (!eraseAll(plans.at(t).sectors, progress, eraseTotal))
                return outcome;
            for (const MemoryChunk &element : target.elements)
                if (!writeElement(element, progress, &written, byteTotal))
                    return outcome;
        } else if (!writePlain(target, progress, &written, byteTotal)) {
            return outcome;
        }
    }
    if (!info.canUpload() || !info.isDfuSe()) {
        outcome.ok = true;
        outcome.error = QCoreApplication::translate(
            "DfuSession", "Written, not verified: the bootloader cannot read its memory back.");
        return outcome;
    }
    qint64 verified = 0;
    bool protectedRead = false;
    for (const FirmwareTarget &target : file.targets) {
        if (!selectAlternate(target.alternateSetting)) {
            failUsb(DfuStep::Verify);
            return outcome;
        }
        for (const MemoryChunk &element : target.elements) {
            if (!verifyElement(element, progress, &verified, byteTotal, &protectedRead)) {
                if (protectedRead) {
                    outcome = DfuOutcome();
                    outcome.ok = true;
                    outcome.step = DfuStep::Verify;
                    outcome.status = DfuStatus::ErrVendor;
                    outcome.error =
                        QCoreApplication::translate("DfuSession", "Written, not verified: %1")
                            .arg(dfuStatusText(DfuStatus::ErrVendor, true, true));
                }
                return outcome;
            }
        }
    }
    outcome.ok = true;
    outcome.verified = true;
    return outcome;
}

bool DfuSession::writePlain(const FirmwareTarget &target, const Progress &progress, qint64 *done,
                            qint64 total)
{
    // DFU 1.1: blocks from 0 (wrapping), then a zero-length block starts
    // manifestation.
    QByteArray payload;
    for (const MemoryChunk &element : target.elements)
        payload += element.data;
    uint16_t block = 0;
    for (int offset = 0; offset < payload.size(); offset += info.transferSize, ++block) {
        const uint32_t address = uint32_t(offset);
        const QByteArray chunk = payload.mid(offset, info.transferSize);
        DfuStatusReply reply;
        if (!download(block, chunk))
            return failUsb(DfuStep::Write, &address);
        if (!awaitDownload(DfuStep::Write, &address, &reply))
            return false;
        *done += chunk.size();
        if (progress)
            progress(DfuStep::Write, *done, total);
    }
    return true;
}

DfuOutcome DfuSession::leave(const uint32_t *startAddress)
{
    outcome = DfuOutcome();
    if (!handle) {
        fail(DfuStep::Write,
             QCoreApplication::translate("DfuSession", "The bootloader is not open."));
        return outcome;
    }
    if (!selectAlternate(currentAlternate < 0 ? 0 : uint8_t(currentAlternate)) || !toIdle()) {
        failUsb(DfuStep::Write);
        return outcome;
    }
    if (info.isDfuSe() && startAddress &&
        !dfuseCommand(DfuStep::Write, DFUSE_SET_ADDRESS, *startAddress))
        return outcome;
    // The zero-length DNLOAD; the GETSTATUS after it makes a DfuSe bootloader
    // (or a DFU 1.1 device through manifestation) start the firmware, and it
    // may leave the bus before it answers.
    const uint16_t block = info.isDfuSe() ? DFUSE_FIRST_DATA_BLOCK : 0;
    if (!download(block, QByteArray())) {
        failUsb(DfuStep::Write);
        return outcome;
    }
    DfuStatusReply reply;
    if (getStatus(&reply) && reply.status != DfuStatus::Ok) {
        failStatus(DfuStep::Write, reply, nullptr);
        return outcome;
    }
    outcome = DfuOutcome();
    outcome.ok = true;
    close();
    return outcome;
}
