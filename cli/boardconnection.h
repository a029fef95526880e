#pragma once

#include "device/firmwareinfo.h"

#include <memory>

class SettingsUiBackgroundThread;

// The window's worker, run on the calling thread for one command: the USB
// library is initialised, the boards are found by one scan, and everything is
// closed again in the window's shutdown order when this object goes away.
class BoardConnection
{
public:
    BoardConnection();
    ~BoardConnection();
    BoardConnection(const BoardConnection &) = delete;
    BoardConnection &operator=(const BoardConnection &) = delete;

    // Keyed by USB product id, as the worker's scan reports them.
    const FirmwareInfoMap &boards() const { return found; }
    // Scans the bus again.
    void rescan();
    SettingsUiBackgroundThread &worker() { return *device; }

private:
    std::unique_ptr<SettingsUiBackgroundThread> device;
    FirmwareInfoMap found;
};
