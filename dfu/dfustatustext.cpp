#include "dfustatustext.h"

#include <QCoreApplication>

namespace {}  // namespace

QString dfuStatusText(DfuStatus status, bool dfuSe, bool readingBack)
{
    switch (status) {
    case DfuStatus::Ok:
        return QCoreApplication::translate("DfuStatus", "No error.");
    case DfuStatus::ErrTarget:
        return QCoreApplication::translate("DfuStatus",
                                           "The firmware file is meant for another device.");
    case DfuStatus::ErrFile:
        return QCoreApplication::translate(
            "DfuStatus", "The bootloader rejected the firmware file as not meant for this device.");
    case DfuStatus::ErrWrite:
        return QCoreApplication::translate("DfuStatus",
                                           "The bootloader could not write the memory.");
    case DfuStatus::ErrErase:
        return QCoreApplication::translate("DfuStatus",
                                           "The bootloader could not erase the memory.");
    case DfuStatus::ErrCheckErased:
        return QCoreApplication::translate("DfuStatus", "The memory was not blank after erasing.");
    case DfuStatus::ErrProg:
        return QCoreApplication::translate("DfuStatus", "Programming the memory failed.");
    case DfuStatus::ErrVerify:
        return QCoreApplication::translate(
            "DfuStatus", "The bootloader read back different bytes than it wrote.");
    case DfuStatus::ErrAddress:
        return QCoreApplication::translate(
            "DfuStatus", "The firmware holds bytes for an address outside the device's memory.");
    case DfuStatus::ErrNotDone:
        return QCoreApplication::translate(
            "DfuStatus",
            "The bootloader received the end of the firmware before it had all of it.");
    case DfuStatus::ErrFirmware:
        return QCoreApplication::translate(
            "DfuStatus", "The device's firmware is corrupt and cannot be started; it stays in its "
                         "bootloader until a firmware is written.");
    case DfuStatus::ErrVendor:
        if (dfuSe && readingBack)
            return QCoreApplication::translate(
                "DfuStatus",
                "The board's memory is read-protected: the bootloader refuses to read it "
                "back.");
        return QCoreApplication::translate("DfuStatus",
                                           "The bootloader reported an error of its maker's own.");
    case DfuStatus::ErrUsbReset:
        return QCoreApplication::translate("DfuStatus", "The device saw an unexpected USB reset.");
    case DfuStatus::ErrPowerOnReset:
        return QCoreApplication::translate("DfuStatus",
                                           "The device saw an unexpected power-on reset.");
    case DfuStatus::ErrUnknown:
        return QCoreApplication::translate("DfuStatus",
                                           "The bootloader reported an unknown error.");
    case DfuStatus::ErrStalledPacket:
        return QCoreApplication::translate("DfuStatus",
                                           "The bootloader refused a request it did not expect.");
    }
    return QCoreApplication::translate(
               "DfuStatus",
               "The bootloader reported error code %1, which the DFU standard does not define.")
        .arg(int(status));
}

QString dfuStateName(DfuState state)
{
    static const char *const names[] = {"appIDLE",          "appDETACH",   "dfuIDLE",
                                        "dfuDNLOAD-SYNC",   "dfuDNBUSY",   "dfuDNLOAD-IDLE",
                                        "dfuMANIFEST-SYNC", "dfuMANIFEST", "dfuMANIFEST-WAIT-RESET",
                                        "dfuUPLOAD-IDLE",   "dfuERROR"};
    const int index = int(state);
    if (index < int(std::size(names)))
        return QLatin1String(names[index]);
    return QStringLiteral("state %1").arg(index);
}
