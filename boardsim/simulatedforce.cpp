#include "simulatedforce.h"

#include "boardsim/simulatedboard.h"

#include <QMap>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>

struct gravolt_force_output {
    int productId = 0;
    int presence = -1;  // the board's presence when opened
    QSet<int> ids;      // effects uploaded through this output
};

namespace boardsim {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int MOTOR_AXES = 2;
constexpr double FULL_LEVEL = 0x7FFF;
constexpr double TWO_PI = 6.283185307179586;
// A plain array: the demo reads it while static objects are still being made.
constexpr char NO_FORCE_OPTION[] = ":no-ff";

// The body's answer to forces, in axis spans (-1..1) per second squared at
// full strength: chosen so that a 25 % spring centres the stick within a
// second against the hand, a 25 % push reaches the end stop, and a damper
// visibly slows the demo's sweep.
constexpr double HAND_STIFFNESS = 4.0;
constexpr double BODY_DAMPING = 3.0;
constexpr double SPRING_STIFFNESS = 160.0;
constexpr double DAMPER_DAMPING = 40.0;
constexpr double FRICTION_FORCE = 8.0;
constexpr double PUSH_FORCE = 40.0;
// Integration step, and the most time one read may cover: a view that was
// not read for a while must not make the body leap.
constexpr double STEP = 0.001;       // s
constexpr double LONGEST_GAP = 0.1;  // s
// Once the effects end, the hand takes the stick back; when it is this close
// or this much time has passed, the stick is the hand's again.
constexpr double RELEASED_WITHIN = 0.005;  // axis spans
constexpr double LONGEST_RELEASE = 1.5;    // s

struct PlayedEffect {
    gravolt_force_effect effect{};
    bool playing = false;
    Clock::time_point started{};
};

struct Body {
    bool active = false;
    double position = 0;
    double velocity = 0;
    double releasedFor = 0;
    Clock::time_point stepped{};
    // The hand's last value, to give the body the hand's speed when it
    // takes over.
    double lastHand = 0;
    Clock::time_point lastHandAt{};
};

struct BoardForce {
    bool offered = true;
    gravolt_force_status failure = GRAVOLT_FORCE_OK;
    gravolt_input_problem problem{};
    QMap<int, PlayedEffect> effects;
    Body bodies[MOTOR_AXES];
};

struct ForceState {
    std::mutex mutex;
    QMap<int, BoardForce> boards;
    QList<SimulatedForce::Event> events;
    int nextId = 0;
    int open = 0;
};

ForceState &force()
{
    static ForceState state;
    return state;
}

void clearProblem(gravolt_input_problem *problem)
{
    if (problem)
        std::memset(problem, 0, sizeof *problem);
}

// Called with the mutex held.
void log(SimulatedForce::Event::Kind kind, int productId, int id,
         const gravolt_force_effect &effect = {})
{
    force().events.append({kind, productId, id, effect, Clock::now()});
}

bool stillPlaying(PlayedEffect &played, Clock::time_point now)
{
    // A finished replay stops by itself, as in the kernel.
    if (played.playing && now - played.started >= std::chrono::milliseconds(played.effect.length))
        played.playing = false;
    return played.playing;
}

// How much of a force along `direction` acts on this axis: the kernel's
// directions turn from down (+Y) through left (-X) and up (-Y) to right (+X).
double share(uint16_t direction, int axis)
{
    const double angle = TWO_PI * direction / 65536.0;
    return axis == 0 ? -std::sin(angle) : std::cos(angle);
}

double acceleration(const BoardForce &board, int axis, const Body &body, double hand,
                    Clock::time_point now)
{
    double a = HAND_STIFFNESS * (hand - body.position) - BODY_DAMPING * body.velocity;
    for (const PlayedEffect &played : board.effects) {
        if (!played.playing)
            continue;
        const gravolt_force_effect &e = played.effect;
        const gravolt_force_condition &c = e.condition[axis];
        const double coefficient = c.rightCoefficient / FULL_LEVEL;
        switch (e.type) {
        case GRAVOLT_FORCE_SPRING:
            a -= SPRING_STIFFNESS * coefficient * (body.position - c.center / FULL_LEVEL);
            break;
        case GRAVOLT_FORCE_DAMPER:
            a -= DAMPER_DAMPING * coefficient * body.velocity;
            break;
        case GRAVOLT_FORCE_FRICTION:
            if (body.velocity != 0)
                a -= FRICTION_FORCE * coefficient * (body.velocity > 0 ? 1 : -1);
            break;
        case GRAVOLT_FORCE_CONSTANT:
            a += PUSH_FORCE * e.level / FULL_LEVEL * share(e.direction, axis);
            break;
        case GRAVOLT_FORCE_PERIODIC: {
            const double t = std::chrono::duration<double>(now - played.started).count();
            const double period = std::max(1, int(e.period)) / 1000.0;
            a += PUSH_FORCE * e.magnitude / FULL_LEVEL * share(e.direction, axis) *
                 std::sin(TWO_PI * t / period);
            break;
        }
        default:
            break;
        }
    }
    return a;
}

}  // namespace

void SimulatedForce::setOffered(int productId, bool offered)
{
    std::lock_guard<std::mutex> lock(force().mutex);
    force().boards[productId].offered = offered;
}

void SimulatedForce::failOpen(int productId, gravolt_force_status status,
                              const gravolt_input_problem &problem)
{
    std::lock_guard<std::mutex> lock(force().mutex);
    force().boards[productId].failure = status;
    force().boards[productId].problem = problem;
}

QList<SimulatedForce::Event> SimulatedForce::events()
{
    std::lock_guard<std::mutex> lock(force().mutex);
    return force().events;
}

int SimulatedForce::openOutputs()
{
    std::lock_guard<std::mutex> lock(force().mutex);
    return force().open;
}

int SimulatedForce::uploadedEffects()
{
    std::lock_guard<std::mutex> lock(force().mutex);
    int count = 0;
    for (const BoardForce &board : force().boards)
        count += int(board.effects.size());
    return count;
}

int SimulatedForce::playingEffects(int productId)
{
    std::lock_guard<std::mutex> lock(force().mutex);
    int count = 0;
    const Clock::time_point now = Clock::now();
    for (PlayedEffect &played : force().boards[productId].effects)
        count += stillPlaying(played, now);
    return count;
}

void SimulatedForce::reset()
{
    std::lock_guard<std::mutex> lock(force().mutex);
    force().boards.clear();
    force().events.clear();
}

int SimulatedForce::respond(int productId, int axis, int handValue, int limit)
{
    if (axis < 0 || axis >= MOTOR_AXES || limit <= 0)
        return handValue;
    std::lock_guard<std::mutex> lock(force().mutex);
    const auto found = force().boards.find(productId);
    if (found == force().boards.end())
        return handValue;
    BoardForce &board = found.value();
    Body &body = board.bodies[axis];
    const Clock::time_point now = Clock::now();
    const double hand = double(handValue) / limit;

    bool playing = false;
    for (PlayedEffect &played : board.effects)
        playing = stillPlaying(played, now) || playing;
    if (playing && !body.active) {
        const double since = std::chrono::duration<double>(now - body.lastHandAt).count();
        body.active = true;
        body.position = hand;
        body.velocity = since > 0 && since < LONGEST_GAP ? (hand - body.lastHand) / since : 0;
        body.releasedFor = 0;
        body.stepped = now;
    }
    body.lastHand = hand;
    body.lastHandAt = now;
    if (!body.active)
        return handValue;

    const double elapsed =
        std::min(std::chrono::duration<double>(now - body.stepped).count(), LONGEST_GAP);
    body.stepped = now;
    for (double left = elapsed; left > 0; left -= STEP) {
        const double dt = std::min(STEP, left);
        body.velocity += acceleration(board, axis, body, hand, now) * dt;
        body.position += body.velocity * dt;
        if (body.position > 1 || body.position < -1) {
            body.position = std::clamp(body.position, -1.0, 1.0);
            body.velocity = 0;
        }
    }
    if (!playing) {
        body.releasedFor += elapsed;
        if (std::abs(body.position - hand) < RELEASED_WITHIN ||
            body.releasedFor > LONGEST_RELEASE) {
            body.active = false;
            return handValue;
        }
    }
    return int(std::lround(body.position * limit));
}

QString SimulatedForce::takeDemoOptions(const QString &boards, QList<int> *withoutForce)
{
    QStringList entries = boards.split(QLatin1Char(','));
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].trimmed().endsWith(QLatin1String(NO_FORCE_OPTION), Qt::CaseInsensitive)) {
            entries[i] = entries[i].trimmed().chopped(int(sizeof NO_FORCE_OPTION - 1));
            if (withoutForce)
                withoutForce->append(i);
        }
    }
    return entries.join(QLatin1Char(','));
}

}  // namespace boardsim

using boardsim::SimulatedForce;

namespace {

// A simulated driver and no node: nothing here is a file.
constexpr const char *SIMULATED_DRIVER = "simulated";

uint64_t simulatedCapabilities()
{
    uint64_t bits = 0;
    for (const int code : std::initializer_list<int>{
             GRAVOLT_FORCE_CONSTANT, GRAVOLT_FORCE_PERIODIC, GRAVOLT_FORCE_RAMP,
             GRAVOLT_FORCE_SPRING, GRAVOLT_FORCE_FRICTION, GRAVOLT_FORCE_DAMPER,
             GRAVOLT_FORCE_INERTIA, GRAVOLT_FORCE_SINE, GRAVOLT_FORCE_SQUARE,
             GRAVOLT_FORCE_TRIANGLE, GRAVOLT_FORCE_SAW_UP, GRAVOLT_FORCE_SAW_DOWN,
             GRAVOLT_FORCE_GAIN, GRAVOLT_FORCE_AUTOCENTER})
        bits |= gravolt_force_bit(code);
    return bits;
}

bool gone(const gravolt_force_output *output)
{
    return boardsim::Bus::presence(output->productId) != output->presence;
}

}  // namespace

gravolt_force_status gravolt_force_query(uint16_t vendorId, uint16_t productId,
                                         gravolt_force_info *info, gravolt_input_problem *problem)
{
    boardsim::clearProblem(problem);
    if (info)
        std::memset(info, 0, sizeof *info);
    if (vendorId != boardsim::VENDOR_ID || boardsim::Bus::presence(productId) < 0)
        return GRAVOLT_FORCE_NO_BOARD;
    std::lock_guard<std::mutex> lock(boardsim::force().mutex);
    const boardsim::BoardForce &board = boardsim::force().boards[productId];
    if (info)
        std::snprintf(info->driver, sizeof info->driver, "%s", SIMULATED_DRIVER);
    if (!board.offered)
        return GRAVOLT_FORCE_NOT_OFFERED;
    if (info) {
        info->capabilities = simulatedCapabilities();
        info->effectSlots = SimulatedForce::EFFECT_SLOTS;
        info->writable = board.failure != GRAVOLT_FORCE_ACCESS_DENIED;
    }
    return GRAVOLT_FORCE_OK;
}

gravolt_force_status gravolt_force_open(uint16_t vendorId, uint16_t productId,
                                        gravolt_force_output **output,
                                        gravolt_input_problem *problem)
{
    *output = nullptr;
    boardsim::clearProblem(problem);
    const int presence = boardsim::Bus::presence(productId);
    if (vendorId != boardsim::VENDOR_ID || presence < 0)
        return GRAVOLT_FORCE_NO_BOARD;
    auto &state = boardsim::force();
    std::lock_guard<std::mutex> lock(state.mutex);
    const boardsim::BoardForce &board = state.boards[productId];
    if (board.failure != GRAVOLT_FORCE_OK) {
        if (problem)
            *problem = board.problem;
        return board.failure;
    }
    if (!board.offered)
        return GRAVOLT_FORCE_NOT_OFFERED;
    *output = new gravolt_force_output{productId, presence, {}};
    ++state.open;
    boardsim::log(SimulatedForce::Event::Open, productId, -1);
    return GRAVOLT_FORCE_OK;
}

gravolt_force_status gravolt_force_upload(gravolt_force_output *output,
                                          const gravolt_force_effect *effect, int *id,
                                          gravolt_input_problem *problem)
{
    boardsim::clearProblem(problem);
    if (gone(output))
        return GRAVOLT_FORCE_GONE;
    auto &state = boardsim::force();
    std::lock_guard<std::mutex> lock(state.mutex);
    boardsim::BoardForce &board = state.boards[output->productId];
    // As the kernel checks: a known type, a finite replay, room for a new one.
    const bool known = simulatedCapabilities() & gravolt_force_bit(effect->type);
    if (!known || (*id >= 0 && !output->ids.contains(*id)) ||
        (*id < 0 && board.effects.size() >= SimulatedForce::EFFECT_SLOTS))
        return GRAVOLT_FORCE_REFUSED;
    if (*id < 0)
        *id = state.nextId++;
    board.effects[*id].effect = *effect;
    output->ids.insert(*id);
    boardsim::log(SimulatedForce::Event::Upload, output->productId, *id, *effect);
    return GRAVOLT_FORCE_OK;
}

gravolt_force_status gravolt_force_play(gravolt_force_output *output, int id, int count,
                                        gravolt_input_problem *problem)
{
    boardsim::clearProblem(problem);
    if (gone(output))
        return GRAVOLT_FORCE_GONE;
    auto &state = boardsim::force();
    std::lock_guard<std::mutex> lock(state.mutex);
    boardsim::BoardForce &board = state.boards[output->productId];
    if (!output->ids.contains(id))
        return GRAVOLT_FORCE_REFUSED;
    boardsim::PlayedEffect &played = board.effects[id];
    played.playing = count > 0;
    played.started = boardsim::Clock::now();
    boardsim::log(count > 0 ? SimulatedForce::Event::Play : SimulatedForce::Event::Stop,
                  output->productId, id);
    return GRAVOLT_FORCE_OK;
}

gravolt_force_status gravolt_force_erase(gravolt_force_output *output, int id,
                                         gravolt_input_problem *problem)
{
    boardsim::clearProblem(problem);
    if (gone(output))
        return GRAVOLT_FORCE_GONE;
    auto &state = boardsim::force();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (!output->ids.remove(id))
        return GRAVOLT_FORCE_REFUSED;
    state.boards[output->productId].effects.remove(id);
    boardsim::log(SimulatedForce::Event::Erase, output->productId, id);
    return GRAVOLT_FORCE_OK;
}

void gravolt_force_close(gravolt_force_output *output)
{
    if (!output)
        return;
    auto &state = boardsim::force();
    {
        std::lock_guard<std::mutex> lock(state.mutex);
        // What the kernel does when the file is closed.
        boardsim::BoardForce &board = state.boards[output->productId];
        for (const int id : output->ids)
            board.effects.remove(id);
        --state.open;
        boardsim::log(SimulatedForce::Event::Close, output->productId, -1);
    }
    delete output;
}
