// Force output on systems without an implementation yet: it opens nothing and
// says so.
#include "device/forceoutput.h"

#include <cstring>

gravolt_force_status gravolt_force_query(uint16_t, uint16_t, gravolt_force_info *info,
                                         gravolt_input_problem *problem)
{
    if (info)
        std::memset(info, 0, sizeof *info);
    if (problem)
        std::memset(problem, 0, sizeof *problem);
    return GRAVOLT_FORCE_UNSUPPORTED;
}

gravolt_force_status gravolt_force_open(uint16_t, uint16_t, gravolt_force_output **output,
                                        gravolt_input_problem *problem)
{
    *output = nullptr;
    if (problem)
        std::memset(problem, 0, sizeof *problem);
    return GRAVOLT_FORCE_UNSUPPORTED;
}

gravolt_force_status gravolt_force_upload(gravolt_force_output *, const gravolt_force_effect *,
                                          int *, gravolt_input_problem *)
{
    return GRAVOLT_FORCE_UNSUPPORTED;
}

gravolt_force_status gravolt_force_play(gravolt_force_output *, int, int, gravolt_input_problem *)
{
    return GRAVOLT_FORCE_UNSUPPORTED;
}

gravolt_force_status gravolt_force_erase(gravolt_force_output *, int, gravolt_input_problem *)
{
    return GRAVOLT_FORCE_UNSUPPORTED;
}

void gravolt_force_close(gravolt_force_output *)
{}
