#pragma once

#include "boardsim/simulatedboard.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <memory>

class QLockFile;

namespace boardsim {

// Simulated boards that outlive the process, kept in one JSON file (named by
// GRAVOLT_DEMO_STATE in the demo programs). Entry N of the file belongs to
// board N of the demo's board list. Every transfer reads the board's entry
// again and every change is written back at once, under a lock file beside
// the state file, so that the window demo and the command-line demo running
// at the same time see one board, as they would a real one.
class DemoStateFile : public BoardStore
{
public:
    DemoStateFile(const QString &path, int slot, int productId);
    ~DemoStateFile() override;
    DemoStateFile(const DemoStateFile &) = delete;
    DemoStateFile &operator=(const DemoStateFile &) = delete;

    // Loads each board's identity and memories from the file where it holds
    // an entry for a board of that product id, adds entries for the others,
    // and binds every board to the file. Returns false and says why when the
    // file can be neither read nor written; the boards then stay unbound.
    static bool attach(const QString &path, const QList<SimulatedBoard> &boards, QString *error);

    void load(BoardImage &image) override;
    void store(const BoardImage &image, bool changed) override;

private:
    const QString path;
    const int slot;
    const int productId;
    std::unique_ptr<QLockFile> lock;
    QJsonObject document;  // as read under the current lock
};

}  // namespace boardsim
