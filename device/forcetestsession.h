#pragma once

#include "device/forceoutput.h"

// One force test on one board: the device opened for writing, one effect
// uploaded and played; and the way back, which every stop path takes: stop
// the effect, erase it, close the device (closing alone would make the
// system stop and erase it too, but a board whose driver ignores that must
// not keep pushing). Not thread-safe, like the output it holds.
class ForceTestSession
{
public:
    ForceTestSession() = default;
    ~ForceTestSession();
    ForceTestSession(const ForceTestSession &) = delete;
    ForceTestSession &operator=(const ForceTestSession &) = delete;

    // Stops any test still running, then opens, uploads and plays once. On
    // failure nothing stays open and `problem` (when given) says why.
    gravolt_force_status start(uint16_t vendorId, uint16_t productId,
                               const gravolt_force_effect &effect, gravolt_input_problem *problem);
    // Safe to call at any time, any number of times.
    void stop();
    bool isRunning() const { return output != nullptr; }

private:
    gravolt_force_output *output = nullptr;
    int effectId = -1;
};
