#pragma once

#include <QMetaType>
#include <QString>

// What the worker did with one request to a board. Every settings operation,
// reboot and DFU switch ends in exactly one of these, so that nothing that
// failed can look like something that worked.

enum class DeviceOperation {
    ReadEffectSettings,
    ApplyEffectSettings,
    SaveEffectSettings,
    ReadHardwareSettings,
    ApplyHardwareSettings,
    SaveHardwareSettings,
    Reboot,
    SwitchToDfu,
};

enum class OutcomeStatus {
    Succeeded,
    NoSuchBoard,     // no open board under that product id
    BoardLeft,       // the board went off the bus during the operation
    TransferFailed,  // a control transfer failed; `libusbError` says how
    StayedBusy,      // the board never reported idle within the poll bound
    ShortReply,      // a read returned fewer bytes than the record holds
    BoardInUse,      // another program of this project kept the board; `holder` says which
};

struct OperationOutcome {
    int productId = -1;
    DeviceOperation operation = DeviceOperation::ReadEffectSettings;
    OutcomeStatus status = OutcomeStatus::Succeeded;
    // TransferFailed: libusb's error code (negative); 0 otherwise.
    int libusbError = 0;
    // Record writes: the 0-based index of the report that failed, where the
    // terminator is the report after the last chunk; -1 when no report failed
    // or the failure was not in the record's reports (the store command, a
    // busy poll).
    int failedReport = -1;
    // ShortReply: bytes received and bytes expected.
    int bytesReceived = 0;
    int bytesExpected = 0;
    // BoardInUse: the program holding the board, e.g. "gravoltctl (process 4711)".
    QString holder;

    bool succeeded() const { return status == OutcomeStatus::Succeeded; }
};

Q_DECLARE_METATYPE(OperationOutcome)

class QString;

// Why an operation failed, as one clause for the user ("the board stayed
// busy ..."), translated in the context "OperationOutcome"; empty for an
// outcome that succeeded. Transfer errors carry libusb's own error name, so
// that a report from the field can be matched to the library's code.
QString describeOutcome(const OperationOutcome &outcome);
