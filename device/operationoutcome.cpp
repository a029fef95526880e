#include "operationoutcome.h"

#include "device/featurereporttransport.h"
#include "settings/effectsettings.h"
#include "settings/hardwaresettings.h"

#include <libusb.h>

#include <QCoreApplication>

namespace {

int recordLength(DeviceOperation operation)
{
    switch (operation) {
    case DeviceOperation::ApplyEffectSettings:
    case DeviceOperation::SaveEffectSettings:
        return EFFECT_SETTINGS_SIZE;
    case DeviceOperation::ApplyHardwareSettings:
    case DeviceOperation::SaveHardwareSettings:
        return HARDWARE_SETTINGS_SIZE;
    default:
        return 0;
    }
}

}  // namespace

// Each text is a literal translate() call, so that lupdate finds it; the
// reasons are quoted inside the window's translated sentences.
QString describeOutcome(const OperationOutcome &outcome)
{
    switch (outcome.status) {
    case OutcomeStatus::Succeeded:
        return QString();
    case OutcomeStatus::NoSuchBoard:
        return QCoreApplication::translate("OperationOutcome", "the board is not connected");
    case OutcomeStatus::BoardLeft:
        return QCoreApplication::translate("OperationOutcome",
                                           "the board left the USB bus during the operation");
    case OutcomeStatus::TransferFailed: {
        const QString error = QString::fromUtf8(libusb_error_name(outcome.libusbError));
        const int length = recordLength(outcome.operation);
        if (outcome.failedReport >= 0 && length > 0)
            return QCoreApplication::translate(
                       "OperationOutcome",
                       "report %1 of %2 of the record was not accepted (%3); nothing more "
                       "was sent")
                .arg(outcome.failedReport + 1)
                .arg(recordReportCount(length))
                .arg(error);
        return QCoreApplication::translate("OperationOutcome", "a USB transfer failed (%1)")
            .arg(error);
    }
    case OutcomeStatus::StayedBusy:
        return QCoreApplication::translate(
            "OperationOutcome", "the board stayed busy and never confirmed that it had finished");
    case OutcomeStatus::ShortReply:
        return QCoreApplication::translate(
                   "OperationOutcome", "the board answered with %1 of the %2 bytes of the record")
            .arg(outcome.bytesReceived)
            .arg(outcome.bytesExpected);
    case OutcomeStatus::BoardInUse:
        return QCoreApplication::translate(
                   "OperationOutcome",
                   "the board is in use by %1; nothing was sent, try again when it has "
                   "finished")
            .arg(outcome.holder);
    }
    return QString();
}
