// The live input view's source on systems without an implementation yet: it
// opens nothing and says so.
#include "device/inputsource.h"

#include <cstring>

gravolt_input_status gravolt_input_open(uint16_t, uint16_t, gravolt_input_source **source,
                                        gravolt_input_problem *problem)
{
    *source = nullptr;
    if (problem)
        std::memset(problem, 0, sizeof *problem);
    return GRAVOLT_INPUT_UNSUPPORTED;
}

int gravolt_input_descriptor(const gravolt_input_source *)
{
    return -1;
}

gravolt_input_status gravolt_input_read(gravolt_input_source *, gravolt_input_state *,
                                        gravolt_input_problem *problem)
{
    if (problem)
        std::memset(problem, 0, sizeof *problem);
    return GRAVOLT_INPUT_UNSUPPORTED;
}

void gravolt_input_close(gravolt_input_source *)
{}
