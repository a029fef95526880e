#include "simulatedinput.h"

#include "boardsim/simulatedboard.h"
#include "boardsim/simulatedforce.h"

#include <QMap>

#include <chrono>
#include <cmath>
#include <cstring>
#include <mutex>

struct gravolt_input_source {
    int productId = 0;
    int presence = -1;  // the board's presence when opened
};

namespace boardsim {

namespace {

using Clock = std::chrono::steady_clock;

// The axis codes the system gives these axes (X, Y, Rx, Ry, Rz); the view
// names axes by them.
constexpr uint16_t AXIS_CODES[SimulatedInputs::AXIS_COUNT] = {0x00, 0x01, 0x03, 0x04, 0x05};
constexpr int MOTOR_AXES = 2;

// The demo's motion: one full sweep of an axis, and how long each button
// stays lit before the next one takes over.
constexpr double SWEEP_SECONDS = 6.0;
constexpr auto BUTTON_STEP = std::chrono::milliseconds(400);

struct BoardInputs {
    int axes[SimulatedInputs::AXIS_COUNT] = {};
    bool buttons[SimulatedInputs::BUTTON_COUNT] = {};
    gravolt_input_status failure = GRAVOLT_INPUT_OK;
    gravolt_input_problem problem{};
};

struct InputsState {
    std::mutex mutex;
    QMap<int, BoardInputs> boards;
    bool moving = false;
    Clock::time_point movingSince{};
    int open = 0;
    int opened = 0;
};

InputsState &inputs()
{
    static InputsState state;
    return state;
}

int axisMinimum(int axis)
{
    return axis < MOTOR_AXES ? -SimulatedInputs::MOTOR_AXIS_LIMIT : 0;
}

int axisMaximum(int axis)
{
    return axis < MOTOR_AXES ? SimulatedInputs::MOTOR_AXIS_LIMIT
                             : SimulatedInputs::ANALOG_AXIS_MAXIMUM;
}

// Called with the mutex held.
void fillMoving(gravolt_input_state *state, Clock::time_point since)
{
    const auto elapsed = Clock::now() - since;
    const double seconds = std::chrono::duration<double>(elapsed).count();
    constexpr double TWO_PI = 6.283185307179586;
    for (int axis = 0; axis < SimulatedInputs::AXIS_COUNT; ++axis) {
        // Each axis a fifth of a sweep behind the one before, so they never
        // move in step.
        const double phase = TWO_PI * (seconds / SWEEP_SECONDS + axis / 5.0);
        const double middle = (axisMinimum(axis) + axisMaximum(axis)) / 2.0;
        const double half = (axisMaximum(axis) - axisMinimum(axis)) / 2.0;
        state->axes[axis].value = int32_t(std::lround(middle + half * std::sin(phase)));
    }
    const auto step = elapsed / BUTTON_STEP;
    for (int button = 0; button < SimulatedInputs::BUTTON_COUNT; ++button)
        state->buttons[button] = button == int(step % SimulatedInputs::BUTTON_COUNT);
}

}  // namespace

void SimulatedInputs::setAxis(int productId, int axis, int value)
{
    std::lock_guard<std::mutex> lock(inputs().mutex);
    if (axis >= 0 && axis < AXIS_COUNT)
        inputs().boards[productId].axes[axis] = value;
}

void SimulatedInputs::setButton(int productId, int number, bool pressed)
{
    std::lock_guard<std::mutex> lock(inputs().mutex);
    if (number >= 1 && number <= BUTTON_COUNT)
        inputs().boards[productId].buttons[number - 1] = pressed;
}

void SimulatedInputs::setMoving(bool moving)
{
    std::lock_guard<std::mutex> lock(inputs().mutex);
    inputs().moving = moving;
    inputs().movingSince = Clock::now();
}

void SimulatedInputs::failOpen(int productId, gravolt_input_status status,
                               const gravolt_input_problem &problem)
{
    std::lock_guard<std::mutex> lock(inputs().mutex);
    inputs().boards[productId].failure = status;
    inputs().boards[productId].problem = problem;
}

int SimulatedInputs::openSources()
{
    std::lock_guard<std::mutex> lock(inputs().mutex);
    return inputs().open;
}

int SimulatedInputs::openCount()
{
    std::lock_guard<std::mutex> lock(inputs().mutex);
    return inputs().opened;
}

void SimulatedInputs::reset()
{
    std::lock_guard<std::mutex> lock(inputs().mutex);
    inputs().boards.clear();
    inputs().moving = false;
    inputs().opened = 0;
}

}  // namespace boardsim

using boardsim::SimulatedInputs;

gravolt_input_status gravolt_input_open(uint16_t vendorId, uint16_t productId,
                                        gravolt_input_source **source,
                                        gravolt_input_problem *problem)
{
    *source = nullptr;
    if (problem)
        std::memset(problem, 0, sizeof *problem);
    const int presence = boardsim::Bus::presence(productId);
    if (vendorId != boardsim::VENDOR_ID || presence < 0)
        return GRAVOLT_INPUT_NO_BOARD;

    auto &state = boardsim::inputs();
    std::lock_guard<std::mutex> lock(state.mutex);
    const boardsim::BoardInputs &board = state.boards[productId];
    if (board.failure != GRAVOLT_INPUT_OK) {
        if (problem)
            *problem = board.problem;
        return board.failure;
    }
    *source = new gravolt_input_source{productId, presence};
    ++state.open;
    ++state.opened;
    return GRAVOLT_INPUT_OK;
}

int gravolt_input_descriptor(const gravolt_input_source *)
{
    // Nothing to wait on: the view reads at its own refresh rate.
    return -1;
}

gravolt_input_status gravolt_input_read(gravolt_input_source *source, gravolt_input_state *state,
                                        gravolt_input_problem *problem)
{
    if (problem)
        std::memset(problem, 0, sizeof *problem);
    if (boardsim::Bus::presence(source->productId) != source->presence) {
        // Gone for good, as a re-enumerated board is a new device.
        source->presence = -2;
        return GRAVOLT_INPUT_GONE;
    }

    auto &all = boardsim::inputs();
    std::lock_guard<std::mutex> lock(all.mutex);
    const boardsim::BoardInputs &board = all.boards[source->productId];
    state->axisCount = SimulatedInputs::AXIS_COUNT;
    for (int axis = 0; axis < SimulatedInputs::AXIS_COUNT; ++axis) {
        state->axes[axis].code = boardsim::AXIS_CODES[axis];
        state->axes[axis].minimum = boardsim::axisMinimum(axis);
        state->axes[axis].maximum = boardsim::axisMaximum(axis);
        state->axes[axis].value = board.axes[axis];
    }
    state->buttonCount = SimulatedInputs::BUTTON_COUNT;
    for (int button = 0; button < SimulatedInputs::BUTTON_COUNT; ++button)
        state->buttons[button] = board.buttons[button] ? 1 : 0;
    if (all.moving)
        boardsim::fillMoving(state, all.movingSince);
    // The hand holds the stick where it would be; playing forces move it.
    for (int axis = 0; axis < boardsim::MOTOR_AXES; ++axis)
        state->axes[axis].value = boardsim::SimulatedForce::respond(
            source->productId, axis, state->axes[axis].value, SimulatedInputs::MOTOR_AXIS_LIMIT);
    return GRAVOLT_INPUT_OK;
}

void gravolt_input_close(gravolt_input_source *source)
{
    if (!source)
        return;
    auto &state = boardsim::inputs();
    {
        std::lock_guard<std::mutex> lock(state.mutex);
        --state.open;
    }
    delete source;
}
