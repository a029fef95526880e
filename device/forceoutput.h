#pragma once

// Forces played on the board through the same interface games use, so that
// what the user feels in a test is what a game would produce; and what that
// interface offers for the board.
//
// A small C-style interface beside the input source: the executable links the
// implementation behind it. The product's is the Linux input event device of
// the board (its force-feedback calls), or, elsewhere, one that says it is not
// available; the demo and the tests link simulated boards instead.
//
// The effect description is the kernel's own (Linux struct ff_effect) in
// portable types, so that what the program decides is exactly what reaches
// the driver, and tests can check it without a kernel.
//
// Not thread-safe: one output is opened, used and closed on one thread.

#include "device/inputsource.h"

#include <cstdint>

enum gravolt_force_status {
    GRAVOLT_FORCE_OK = 0,
    // No implementation for this operating system.
    GRAVOLT_FORCE_UNSUPPORTED,
    // No board with these ids is attached.
    GRAVOLT_FORCE_NO_BOARD,
    // The board is attached but the system made no input device of it.
    GRAVOLT_FORCE_NO_EVENT_DEVICE,
    // The system lists the input device but its node is not in /dev.
    GRAVOLT_FORCE_NODE_MISSING,
    // The input device exists but its driver registered no force feedback.
    GRAVOLT_FORCE_NOT_OFFERED,
    // This user may not open the node for writing (opening), or not even
    // for reading (query).
    GRAVOLT_FORCE_ACCESS_DENIED,
    // The device refused the effect (type it does not offer, no room left).
    GRAVOLT_FORCE_REFUSED,
    // The board went away while its output was open.
    GRAVOLT_FORCE_GONE,
    // Any other failure; `error` in the problem says which.
    GRAVOLT_FORCE_FAILED,
};

// The effect types and wave forms, numbered as the kernel numbers them (FF_*)
// so that the capability bits below are the kernel's bits.
enum gravolt_force_type : uint16_t {
    GRAVOLT_FORCE_RUMBLE = 0x50,
    GRAVOLT_FORCE_PERIODIC = 0x51,
    GRAVOLT_FORCE_CONSTANT = 0x52,
    GRAVOLT_FORCE_SPRING = 0x53,
    GRAVOLT_FORCE_FRICTION = 0x54,
    GRAVOLT_FORCE_DAMPER = 0x55,
    GRAVOLT_FORCE_INERTIA = 0x56,
    GRAVOLT_FORCE_RAMP = 0x57,
};
enum gravolt_force_wave : uint16_t {
    GRAVOLT_FORCE_SQUARE = 0x58,
    GRAVOLT_FORCE_TRIANGLE = 0x59,
    GRAVOLT_FORCE_SINE = 0x5a,
    GRAVOLT_FORCE_SAW_UP = 0x5b,
    GRAVOLT_FORCE_SAW_DOWN = 0x5c,
};
// Device settings the kernel knows besides effects.
constexpr int GRAVOLT_FORCE_GAIN = 0x60;
constexpr int GRAVOLT_FORCE_AUTOCENTER = 0x61;
// Capability bits cover the codes from here on; 64 bits reach past autocentre.
constexpr int GRAVOLT_FORCE_FIRST_CODE = 0x50;
constexpr uint64_t gravolt_force_bit(int code)
{
    return uint64_t(1) << (code - GRAVOLT_FORCE_FIRST_CODE);
}

// Directions as the kernel counts them, a full turn in 0..0xFFFF: the two
// sides of the first axis, and of the second.
constexpr uint16_t GRAVOLT_FORCE_DIRECTION_DOWN = 0x0000;
constexpr uint16_t GRAVOLT_FORCE_DIRECTION_LEFT = 0x4000;
constexpr uint16_t GRAVOLT_FORCE_DIRECTION_UP = 0x8000;
constexpr uint16_t GRAVOLT_FORCE_DIRECTION_RIGHT = 0xC000;

// One axis of a condition effect (spring, damper, friction, inertia).
struct gravolt_force_condition {
    uint16_t rightSaturation;
    uint16_t leftSaturation;
    int16_t rightCoefficient;
    int16_t leftCoefficient;
    uint16_t deadband;
    int16_t center;
};

// The kernel's struct ff_effect without its envelopes (no attack, no fade:
// the test's forces are flat from start to end).
struct gravolt_force_effect {
    uint16_t type;                         // gravolt_force_type
    uint16_t direction;                    // kernel angle, see above
    uint16_t length;                       // ms; never 0, which the kernel takes as "forever"
    uint16_t delay;                        // ms
    int16_t level;                         // constant
    uint16_t waveform;                     // periodic: gravolt_force_wave
    uint16_t period;                       // periodic, ms
    int16_t magnitude;                     // periodic
    int16_t offset;                        // periodic
    uint16_t phase;                        // periodic
    int16_t startLevel;                    // ramp
    int16_t endLevel;                      // ramp
    gravolt_force_condition condition[2];  // condition effects: the first axis, the second
};

constexpr int GRAVOLT_FORCE_DRIVER_SIZE = 64;  // bytes, with the terminating zero

// What the system offers for the board.
struct gravolt_force_info {
    char node[GRAVOLT_INPUT_PATH_SIZE];      // the event device, may be empty
    char driver[GRAVOLT_FORCE_DRIVER_SIZE];  // kernel driver bound to it, may be empty
    uint64_t capabilities;                   // gravolt_force_bit() of every code offered
    int effectSlots;                         // effects it holds at once
    int writable;                            // 1 when this user may open it for writing
};

struct gravolt_force_output;

// What the board's input device offers for force feedback, read without
// opening it for writing. OK when it offers force feedback (the info is then
// complete); NOT_OFFERED with the node and driver filled in when it offers
// none; otherwise why it could not be asked, in `problem` when given.
gravolt_force_status gravolt_force_query(uint16_t vendorId, uint16_t productId,
                                         gravolt_force_info *info, gravolt_input_problem *problem);

// Opens the board's input device for writing, for one test. Closing it makes
// the system stop and erase every effect uploaded through it.
gravolt_force_status gravolt_force_open(uint16_t vendorId, uint16_t productId,
                                        gravolt_force_output **output,
                                        gravolt_input_problem *problem);

// Uploads an effect; *id -1 for a new one (the device's id is written back),
// an id of this output to change that effect.
gravolt_force_status gravolt_force_upload(gravolt_force_output *output,
                                          const gravolt_force_effect *effect, int *id,
                                          gravolt_input_problem *problem);
// Plays the effect `count` times; 0 stops it.
gravolt_force_status gravolt_force_play(gravolt_force_output *output, int id, int count,
                                        gravolt_input_problem *problem);
gravolt_force_status gravolt_force_erase(gravolt_force_output *output, int id,
                                         gravolt_input_problem *problem);

void gravolt_force_close(gravolt_force_output *output);
