#pragma once

#include <QJsonObject>
#include <QStringList>

#include <functional>

// The flasher: the DFU side of a firmware update, as a program of its own.
//
// On Linux the boards are reached through hidraw by a backend that defines
// libusb's own function names, while a bootloader (no HID device) can only
// be reached through usbfs with the real libusb. Both cannot be linked into
// one process, so the window and gravoltctl run the flasher, which links the
// real libusb and nothing of the boards, and read its events. The demo
// programs and the tests, whose simulated bus defines every libusb name
// they use, run the same flasher code in their own process instead: which
// of the two is decided at link time, like the USB backend itself.
//
// Commands (arguments as on the flasher's command line):
//   list                         one "bootloader" event per DFU device
//   flash FILE --port PORT [--board-product PID] [--yes] [--no-leave]
//   leave --port PORT
// Events, one JSON object each: {"event": "bootloader", ...},
// {"event": "plan", ...}, {"event": "progress", "step": "erase"|"write"|
// "verify", "done": n, "total": n}, and last {"event": "result", "ok": ...}.
using FlasherEvents = std::function<void(const QJsonObject &)>;

// Runs the flasher to its end; returns its exit status (0 done, 1 failed,
// 2 refused before anything was sent, 3 no such bootloader).
int runFlasher(const QStringList &arguments, const FlasherEvents &onEvent);
