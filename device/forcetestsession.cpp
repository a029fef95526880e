#include "forcetestsession.h"

ForceTestSession::~ForceTestSession()
{
    stop();
}

gravolt_force_status ForceTestSession::start(uint16_t vendorId, uint16_t productId,
                                             const gravolt_force_effect &effect,
                                             gravolt_input_problem *problem)
{
    stop();
    gravolt_force_status status = gravolt_force_open(vendorId, productId, &output, problem);
    if (status != GRAVOLT_FORCE_OK) {
        output = nullptr;
        return status;
    }
    int id = -1;
    status = gravolt_force_upload(output, &effect, &id, problem);
    if (status == GRAVOLT_FORCE_OK) {
        effectId = id;
        status = gravolt_force_play(output, effectId, 1, problem);
    }
    if (status != GRAVOLT_FORCE_OK)
        stop();
    return status;
}

void ForceTestSession::stop()
{
    if (!output)
        return;
    // Failures here change nothing: the board may be gone, and closing is
    // what ends the effect in any case.
    if (effectId >= 0) {
        gravolt_force_play(output, effectId, 0, nullptr);
        gravolt_force_erase(output, effectId, nullptr);
    }
    gravolt_force_close(output);
    output = nullptr;
    effectId = -1;
}
