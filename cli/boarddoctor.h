#pragma once

#include <QList>
#include <QString>

class BoardDiscovery;
struct BoardDiagnosis;
class QTextStream;

// The command line's "doctor": tries to open every supported board through
// the USB library, then writes why the others cannot be opened, whether the
// udev rule is installed and which USB backend this build uses. Returns the
// exit status: 0 when every attached board is usable, 1 otherwise.
// Initialises and releases the USB library itself.
int runBoardDoctor(QTextStream &out, const BoardDiscovery &discovery, const QList<int> &productIds,
                   int vendorId);
// The same for this program's boards and the user running it; under sudo,
// for the user who ran sudo.
int runBoardDoctor(QTextStream &out);

// The doctor's report in English: one line per board with its cause, the
// commands that fix it, the rule's installation and the backend.
QString diagnosisText(const BoardDiagnosis &diagnosis);
