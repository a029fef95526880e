// Linked into the demo programs only: plugs in the simulated boards that
// GRAVOLT_DEMO_BOARDS names before main() runs ("none" for an empty bus), and
// keeps them in the file GRAVOLT_DEMO_STATE names, if any.
#include "boardsim/demostatefile.h"
#include "boardsim/simulatedboard.h"
#include "boardsim/simulatedinput.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// The command-line tool's status for a file that cannot be used.
constexpr int DEMO_STATE_UNUSABLE = 2;

QList<boardsim::SimulatedBoard> &demoBoards()
{
    static QList<boardsim::SimulatedBoard> boards;
    return boards;
}

const bool demoBoardsInstalled = [] {
    const char *raw = std::getenv("GRAVOLT_DEMO_BOARDS");
    const QString value = raw ? QString::fromLocal8Bit(raw).trimmed() : QString();
    const QString fallback = QStringLiteral("joystick,wheel");
    QString error;
    if (value == QLatin1String("none")) {
        // Still a valid list; nothing to plug in.
    } else if (value.isEmpty() || !boardsim::parseDemoBoards(value, demoBoards(), &error)) {
        if (!value.isEmpty())
            std::fprintf(stderr, "GRAVOLT_DEMO_BOARDS=\"%s\" ignored: %s; using \"%s\" instead\n",
                         qPrintable(value), qPrintable(error), qPrintable(fallback));
        boardsim::parseDemoBoards(fallback, demoBoards(), nullptr);
    }
    for (auto &board : demoBoards()) {
        // Long enough that the wait cursor of a write is visible, as with a
        // real board writing its flash.
        board.setBusyDuration(std::chrono::milliseconds(150));
        board.setRebootDuration(std::chrono::milliseconds(2000));
        boardsim::Bus::plug(board);
    }
    // A living live-input page: sticks swept, buttons pressed in turn.
    boardsim::SimulatedInputs::setMoving(true);
    const char *statePath = std::getenv("GRAVOLT_DEMO_STATE");
    // Boards other than the ones the state file was asked for would answer
    // with settings nobody expects; better to stop at once and say why. No
    // destructors: the boards are plugged into the bus already.
    if (statePath && *statePath &&
        !boardsim::DemoStateFile::attach(QString::fromLocal8Bit(statePath), demoBoards(), &error)) {
        std::fprintf(stderr, "GRAVOLT_DEMO_STATE: %s\n", qPrintable(error));
        std::_Exit(DEMO_STATE_UNUSABLE);
    }
    return true;
}();

}  // namespace
