#pragma once

#include "device/inputsource.h"

// The simulated boards' own inputs, behind the input source C API the live
// input view reads: this library defines gravolt_input_open, _descriptor,
// _read and _close. A board's inputs can be opened while it is on the bus and
// report gone once it has left it. Thread-safe.

namespace boardsim {

class SimulatedInputs
{
public:
    // What every simulated board reports: two motor axes, three analog axes
    // and the 32 button inputs.
    static constexpr int AXIS_COUNT = 5;
    static constexpr int BUTTON_COUNT = 32;
    static constexpr int MOTOR_AXIS_LIMIT = 32767;    // motor axes span -limit..limit
    static constexpr int ANALOG_AXIS_MAXIMUM = 4095;  // analog axes span 0..maximum

    static void setAxis(int productId, int axis, int value);
    static void setButton(int productId, int number, bool pressed);  // number from 1
    // Every board's axes sweep to and fro and its buttons light one after the
    // other, slowly enough to follow by eye: what the demo shows.
    static void setMoving(bool moving);

    // Opening this board's inputs fails this way from now on; OK lets it
    // succeed again.
    static void failOpen(int productId, gravolt_input_status status,
                         const gravolt_input_problem &problem);

    static int openSources();  // open now
    static int openCount();    // opened so far
    // Forgets every value, failure and count; sources still open stay counted.
    static void reset();
};

}  // namespace boardsim
