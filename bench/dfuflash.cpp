// Flashing 256 KiB into the simulated DfuSe bootloader: the wall time of
// erase, write and read-back against the time the bootloader itself asks
// for (the sum of its poll timeouts; its transfers take microseconds). The
// ratio is what the program adds on top of the waits it must make.
#include "bench/benchsupport.h"

#include "boardsim/simulatedboard.h"
#include "boardsim/simulatedbootloader.h"
#include "dfu/dfubootloader.h"
#include "dfu/dfusession.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    constexpr int IMAGE_SIZE = 256 * 1024;  // bytes
    using namespace boardsim;
    SimulatedBoard board(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK);
    Bus::plug(board);
    SimulatedBootloader bootloader(board);
    // About a third of an F4's own figures, so that a run stays short.
    bootloader.setTimings({std::chrono::milliseconds(30), std::chrono::milliseconds(10),
                           std::chrono::milliseconds(1)});
    bootloader.enter();
    FirmwareFile file;
    FirmwareFile::parse(
        buildDfuSeFile({{BOOTLOADER_FLASH_ADDRESS, demoFirmwareImage(240720, IMAGE_SIZE)}},
                       BOOTLOADER_VENDOR_ID, BOOTLOADER_PRODUCT_ID),
        QStringLiteral("bench.dfu"), &file, nullptr);
    const QList<DfuBootloaderInfo> found = findDfuBootloaders(nullptr);
    if (found.isEmpty())
        return 1;
    DfuSession session(nullptr, found.first());
    if (!session.open(nullptr))
        return 1;
    QElapsedTimer clock;
    clock.start();
    const DfuOutcome outcome = session.flash(file, {});
    const double elapsed = double(clock.nsecsElapsed()) / 1e6;
    const double requested = double(bootloader.requestedWait().count());
    if (!outcome.ok || !outcome.verified) {
        std::fprintf(stderr, "flash failed: %s\n", qPrintable(outcome.error));
        return 1;
    }
    std::printf("RESULT dfu.flash.ms %.1f\n", elapsed);
    std::printf("RESULT dfu.requested.ms %.1f\n", requested);
    std::printf("RESULT dfu.ratio %.3f\n", elapsed / requested);
    return 0;
}
