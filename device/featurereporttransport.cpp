#include "featurereporttransport.h"

#include <libusb.h>

#include <algorithm>
#include <cstring>

namespace {

void putLittleEndian16(unsigned char *where, uint16_t value)
{
    where[0] = static_cast<unsigned char>(value & 0xFF);
    where[1] = static_cast<unsigned char>(value >> 8);
}

int writeReport(libusb_device_handle *handle, unsigned char *report)
{
    return libusb_control_transfer(handle, HID_REQUEST_TYPE_SET, HID_SET_REPORT,
                                   HID_REPORT_TYPE_FEATURE | REPORT_ID_COMMAND, 0, report,
                                   WRITE_REPORT_SIZE, USB_TRANSFER_TIMEOUT_MS);
}

}  // namespace

int reportWriteError(int transferResult)
{
    if (transferResult < 0)
        return transferResult;
    return transferResult == WRITE_REPORT_SIZE ? 0 : int(LIBUSB_ERROR_IO);
}

int sendCommand(libusb_device_handle *handle, uint8_t command)
{
    unsigned char report[WRITE_REPORT_SIZE] = {};
    report[0] = REPORT_ID_COMMAND;
    report[1] = command;
    return writeReport(handle, report);
}

int sendRecord(libusb_device_handle *handle, uint8_t recordCommand, const void *record,
               uint16_t length, int *failedReport)
{
    if (failedReport)
        *failedReport = -1;
    const auto *bytes = static_cast<const unsigned char *>(record);
    // One buffer for every report: the firmware expects the bytes past a short
    // last chunk to be whatever the previous report carried there, and the
    // terminator to repeat the last data report.
    unsigned char report[WRITE_REPORT_SIZE] = {};
    report[0] = REPORT_ID_COMMAND;
    report[1] = recordCommand;

    const int reports = length / RECORD_CHUNK_SIZE + 1;
    for (int k = 0; k < reports; ++k) {
        const int offset = RECORD_CHUNK_SIZE * k;
        const int remaining = length - offset;
        putLittleEndian16(report + 2, static_cast<uint16_t>(offset));
        putLittleEndian16(report + 4, static_cast<uint16_t>(remaining));
        const int chunk = std::min(remaining, RECORD_CHUNK_SIZE);
        if (chunk > 0)
            std::memcpy(report + RECORD_CHUNK_DATA_OFFSET, bytes + offset, size_t(chunk));
        if (const int error = reportWriteError(writeReport(handle, report))) {
            if (failedReport)
                *failedReport = k;
            return error;
        }
    }
    putLittleEndian16(report + 4, RECORD_TERMINATOR_REMAINING);
    if (const int error = reportWriteError(writeReport(handle, report))) {
        if (failedReport)
            *failedReport = reports;
        return error;
    }
    return 0;
}

int readFeatureReport(libusb_device_handle *handle, uint8_t reportId, unsigned char *buffer,
                      uint16_t length)
{
    return libusb_control_transfer(handle, HID_REQUEST_TYPE_GET, HID_GET_REPORT,
                                   HID_REPORT_TYPE_FEATURE | reportId, 0, buffer, length,
                                   USB_TRANSFER_TIMEOUT_MS);
}
