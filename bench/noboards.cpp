// Linked into the benchmark copy of the demo only: with
// GRAVOLT_BENCH_NO_BOARDS=1 it pulls every demo board off the simulated bus
// before the main window exists, so the program scans an empty bus.
#include "boardsim/simulatedboard.h"

#include <QCoreApplication>

namespace {

void unplugDemoBoards()
{
    if (qEnvironmentVariableIntValue("GRAVOLT_BENCH_NO_BOARDS") == 1)
        boardsim::Bus::reset();
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(unplugDemoBoards)
