// The flasher run in the calling process: for the demo programs and the
// tests, whose simulated bus defines every libusb name the flasher uses.
#include "dfu/flashercommands.h"

int runFlasher(const QStringList &arguments, const FlasherEvents &onEvent)
{
    return flasherMain(arguments, onEvent);
}
