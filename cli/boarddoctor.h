#pragma once

#include <QList>
#include <QString>

class BoardDiscovery;
struct BoardDiagnosis;
class QTextStream;

// The command line's "doctor": tries to open every supported board through
// the USB library, then writes why the others cannot be opened, which DFU
// bootloaders wait on the bus and whether they can be opened, whether the
// udev rule is installed and which USB backend this build uses. Returns the
// exit status: 0 when every attached board and bootloader is usable, 1
// otherwise.
// Initialises and releases the USB library itself.
int runBoardDoctor(QTextStream &out, const BoardDiscovery &discovery, const QList<int> &productIds,
                   int vendorId);
// The same for this program's boards and the user running it; under sudo,
// for the user who ran sudo.
int runBoardDoctor(QTextStream &out);

// A DFU bootloader waiting on the bus (the ROM's 0483:df11 or any device of
// the DFU class), as the flasher found it.
struct WaitingBootloader {
    QString port;
    int vendorId = 0;
    int productId = 0;
    bool openable = false;
    QString openError;          // why not, when it cannot be opened
    bool accessDenied = false;  // the udev rule is the fix
};

struct WaitingBootloaders {
    QList<WaitingBootloader> found;
    QString error;  // the flasher could not look; then `found` is not all there is
};

// The doctor's report in English: one line per board and per bootloader with
// its cause, the commands that fix it, the rule's installation and the
// backend.
QString diagnosisText(const BoardDiagnosis &diagnosis, const WaitingBootloaders &bootloaders = {});
