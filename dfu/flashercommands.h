#pragma once

#include "dfu/flasher.h"

// The flasher's commands proper (see flasher.h), on whatever libusb the
// program is linked with; the same code in the flasher program and in the
// processes that run it in-process.
int flasherMain(const QStringList &arguments, const FlasherEvents &emitEvent);

// The flasher's exit statuses.
constexpr int FLASHER_DONE = 0;
constexpr int FLASHER_FAILED = 1;
constexpr int FLASHER_REFUSED = 2;
constexpr int FLASHER_NO_BOOTLOADER = 3;
