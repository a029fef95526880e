#pragma once

// The board's own inputs (axes and buttons) as the operating system reports
// them to games, read beside the settings link without disturbing it.
//
// A small C-style interface, like the libusb calls: the executable links the
// implementation behind it. The product's is the Linux input event device of
// the board (or, elsewhere, one that says it is not available); the demo and
// the tests link simulated boards instead.
//
// Not thread-safe: one source is opened, read and closed on one thread.

#include <cstddef>
#include <cstdint>

enum gravolt_input_status {
    GRAVOLT_INPUT_OK = 0,
    // No implementation for this operating system.
    GRAVOLT_INPUT_UNSUPPORTED,
    // No board with these ids is attached.
    GRAVOLT_INPUT_NO_BOARD,
    // The board is attached but the system made no input device of it (its
    // HID driver is not bound, or the kernel lacks event device support).
    GRAVOLT_INPUT_NO_EVENT_DEVICE,
    // The system lists the input device but its node is not in /dev.
    GRAVOLT_INPUT_NODE_MISSING,
    // The node exists and this user may not read it.
    GRAVOLT_INPUT_ACCESS_DENIED,
    // The board went away while its source was open.
    GRAVOLT_INPUT_GONE,
    // Any other failure; `error` in the problem says which.
    GRAVOLT_INPUT_FAILED,
};

constexpr int GRAVOLT_INPUT_PATH_SIZE = 256;  // bytes, with the terminating zero
constexpr int GRAVOLT_INPUT_NAME_SIZE = 64;   // bytes, with the terminating zero

// Why a source could not be opened or stopped: enough for the user to fix it.
struct gravolt_input_problem {
    char node[GRAVOLT_INPUT_PATH_SIZE];       // device node concerned, may be empty
    uint32_t owner;                           // owner uid of the node (ACCESS_DENIED)
    uint32_t group;                           // owner gid of the node (ACCESS_DENIED)
    uint32_t mode;                            // permission bits of the node (ACCESS_DENIED)
    char ownerName[GRAVOLT_INPUT_NAME_SIZE];  // user name of `owner`, empty if unknown
    char groupName[GRAVOLT_INPUT_NAME_SIZE];  // group name of `group`, empty if unknown
    int error;                                // errno of the failing call, 0 if none
};

// Enough for every absolute axis and every button code an input device can
// have; the boards report far fewer.
constexpr int GRAVOLT_INPUT_MAX_AXES = 64;
constexpr int GRAVOLT_INPUT_MAX_BUTTONS = 160;

struct gravolt_input_axis {
    uint16_t code;  // the system's axis code (Linux ABS_*), names the axis
    int32_t minimum;
    int32_t maximum;
    int32_t value;
};

// Every input the board reports, in the order games number them: buttons
// from 1 as on the board's Buttons page.
struct gravolt_input_state {
    int axisCount;
    gravolt_input_axis axes[GRAVOLT_INPUT_MAX_AXES];
    int buttonCount;
    uint8_t buttons[GRAVOLT_INPUT_MAX_BUTTONS];  // 1 while held
};

struct gravolt_input_source;

// Opens the input device of the first attached board with these USB ids,
// read-only and shared: the system's own driver keeps serving games. On
// failure returns why, fills `problem` when given and leaves *source null.
gravolt_input_status gravolt_input_open(uint16_t vendorId, uint16_t productId,
                                        gravolt_input_source **source,
                                        gravolt_input_problem *problem);

// A descriptor that becomes readable when new input is waiting, or -1 when
// the source has none and must be read at the rate the view needs.
int gravolt_input_descriptor(const gravolt_input_source *source);

// Takes in every input waiting, without blocking, and fills `state` with the
// inputs as they stand now. GRAVOLT_INPUT_GONE once the board has gone; the
// source then stays gone and only needs closing.
gravolt_input_status gravolt_input_read(gravolt_input_source *source, gravolt_input_state *state,
                                        gravolt_input_problem *problem);

void gravolt_input_close(gravolt_input_source *source);
