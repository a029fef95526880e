#pragma once

// What gravoltctl tells the shell. Scripts test these numbers, so they never
// change meaning.
enum ExitStatus : int {
    EXIT_DONE = 0,
    // The board was asked and the operation failed there; the message names
    // the outcome.
    EXIT_OPERATION_FAILED = 1,
    // Usage, file or validation error; nothing was sent to any board.
    EXIT_REFUSED = 2,
    // No board of the asked model, or several boards and none chosen.
    EXIT_NO_BOARD = 3,
};
