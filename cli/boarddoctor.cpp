#include "boarddoctor.h"

#include "device/boarddiscovery.h"
#include "device/firmwareinfo.h"

#include <libusb.h>

#include <QTextStream>

int runBoardDoctor(QTextStream &out, const BoardDiscovery &discovery, const QList<int> &productIds,
                   int vendorId)
{
    // Opened and closed again at once: whether the library can open a board
    // is the one thing the system's own description cannot tell.
    QList<int> opened;
    if (libusb_init(nullptr) == LIBUSB_SUCCESS) {
        for (const int productId : productIds) {
            if (libusb_device_handle *handle = libusb_open_device_with_vid_pid(
                    nullptr, uint16_t(vendorId), uint16_t(productId))) {
                opened.append(productId);
                libusb_close(handle);
            }
        }
        libusb_exit(nullptr);
    }
    const BoardDiagnosis diagnosis = discovery.run(&opened);
    out << diagnosisText(diagnosis);
    out.flush();
    return diagnosis.allUsable() ? 0 : 1;
}

int runBoardDoctor(QTextStream &out)
{
    BoardDiscovery discovery(boardProductIds(), BOARD_VENDOR_ID);
    discovery.setCredentials(Credentials::ofInvokingUser());
    return runBoardDoctor(out, discovery, boardProductIds(), BOARD_VENDOR_ID);
}
