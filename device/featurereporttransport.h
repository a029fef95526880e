#pragma once

#include <cstdint>

struct libusb_device_handle;

// Everything between the program and a board is a HID feature report on the
// control endpoint. These numbers are the board's protocol and must not drift.

// Control-transfer parameters.
constexpr uint8_t HID_REQUEST_TYPE_SET = 0x21;  // host to device, class, interface
constexpr uint8_t HID_REQUEST_TYPE_GET = 0xA1;  // device to host, class, interface
constexpr uint8_t HID_SET_REPORT = 0x09;
constexpr uint8_t HID_GET_REPORT = 0x01;
constexpr uint16_t HID_REPORT_TYPE_FEATURE = 0x0300;    // ORed with the report id into wValue
constexpr unsigned int USB_TRANSFER_TIMEOUT_MS = 1000;  // ms, per control transfer

// Report ids.
constexpr uint8_t REPORT_ID_COMMAND = 0x20;            // write; every write goes here
constexpr uint8_t REPORT_ID_HARDWARE_SETTINGS = 0x21;  // read, 512-byte record
constexpr uint8_t REPORT_ID_EFFECT_SETTINGS = 0x22;    // read, 384-byte record
constexpr uint8_t REPORT_ID_BUSY_STATUS = 0x24;        // read, byte 0: 0 idle
constexpr uint8_t REPORT_ID_DEVICE_INFO = 0x25;        // read, 64-byte record

// Command codes, byte 1 of every report 0x20.
constexpr uint8_t COMMAND_REBOOT = 0x01;
constexpr uint8_t COMMAND_STORE_PERMANENTLY = 0x02;
constexpr uint8_t COMMAND_SWITCH_TO_DFU = 0x03;
constexpr uint8_t COMMAND_WRITE_HARDWARE_SETTINGS = 0x11;
constexpr uint8_t COMMAND_WRITE_EFFECT_SETTINGS = 0x12;

// Report framing.
constexpr int WRITE_REPORT_SIZE = 65;        // bytes, report id included
constexpr int READ_BUFFER_SIZE = 1024;       // bytes; a board may answer up to this much
constexpr int RECORD_CHUNK_SIZE = 58;        // bytes of record data per report
constexpr int RECORD_CHUNK_DATA_OFFSET = 6;  // first data byte within a report
constexpr uint16_t RECORD_TERMINATOR_REMAINING = 0xFFFF;  // "remaining" of the closing report

// One SET_REPORT carrying a bare command. Returns libusb's result.
int sendCommand(libusb_device_handle *handle, uint8_t command);

// 0 for a write report that went out whole (libusb's result is its length),
// else a negative libusb error code: a report cut short is as good as lost,
// so it counts as LIBUSB_ERROR_IO.
int reportWriteError(int transferResult);

// Writes a whole record as consecutive 58-byte chunks followed by a
// terminator. Stops at the first report that does not go out whole: the
// terminator makes the board apply what it holds, and a record with a chunk
// missing is made of new and old bytes. Returns 0 when every report went out,
// otherwise libusb's error code for the failed one (a short write counts as
// LIBUSB_ERROR_IO); `failedReport`, when given, receives its 0-based index
// (the terminator follows the last chunk) or -1.
int sendRecord(libusb_device_handle *handle, uint8_t recordCommand, const void *record,
               uint16_t length, int *failedReport = nullptr);

// The number of reports sendRecord sends for a record of `length` bytes,
// terminator included.
constexpr int recordReportCount(int length)
{
    return length / RECORD_CHUNK_SIZE + 2;
}

// One GET_REPORT of `length` bytes into `buffer`. Returns the number of bytes
// received or a negative libusb error code.
int readFeatureReport(libusb_device_handle *handle, uint8_t reportId, unsigned char *buffer,
                      uint16_t length);
