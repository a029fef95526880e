#pragma once

#include "device/forceoutput.h"

#include <QList>
#include <QString>

#include <chrono>

// The simulated boards' force output, behind the force output C API: this
// library defines gravolt_force_query, _open, _upload, _play, _erase and
// _close. Effects play on the board's two motor axes: the simulated stick is
// a body held loosely by a hand (the demo's sweep, or the value a test set),
// which a spring pulls to the centre, a constant force pushes, a damper and
// friction slow. Like the kernel, closing an output stops and erases its
// effects. Thread-safe.

namespace boardsim {

class SimulatedForce
{
public:
    static constexpr int EFFECT_SLOTS = 16;

    struct Event {
        enum Kind { Open, Upload, Play, Stop, Erase, Close };
        Kind kind;
        int productId;
        int id;                       // the effect's, -1 for Open and Close
        gravolt_force_effect effect;  // Upload
        std::chrono::steady_clock::time_point at;
    };

    // A board whose driver registered no force feedback.
    static void setOffered(int productId, bool offered);
    // Opening fails this way from now on; OK lets it succeed again.
    static void failOpen(int productId, gravolt_force_status status,
                         const gravolt_input_problem &problem);

    static QList<Event> events();
    static int openOutputs();
    // Effects uploaded and not erased, over every board.
    static int uploadedEffects();
    // Effects playing on this board now.
    static int playingEffects(int productId);
    // Forgets effects, settings, failures and the log; outputs still open
    // stay counted.
    static void reset();

    // Where the stick of this motor axis (0 or 1) is now, given where the
    // hand holds it; the hand's value itself while no effect has moved it.
    // Called by the simulated inputs each time they are read.
    static int respond(int productId, int axis, int handValue, int limit);

    // Takes ":no-ff" off the entries of a GRAVOLT_DEMO_BOARDS value and
    // returns the rest; `withoutForce` gets the positions of those entries.
    static QString takeDemoOptions(const QString &boards, QList<int> *withoutForce);
};

}  // namespace boardsim
