// Cost of one board-discovery look-up on this machine's own sysfs, through
// libudev as the product does it: the window repeats it after every device
// scan, once a second, on the GUI thread.
//
//   bench_discovery --lookups N
//       prints the CPU time of one look-up and the share of a core it takes
//       at one look-up a second.
#include "bench/benchsupport.h"

#include "device/boarddiscovery.h"
#include "device/firmwareinfo.h"

#include <QCoreApplication>

namespace {

const QList<int> PRODUCT_IDS = {BOARD_PRODUCT_ID_GENERIC, BOARD_PRODUCT_ID_JOYSTICK,
                                BOARD_PRODUCT_ID_RUDDER, BOARD_PRODUCT_ID_WHEEL,
                                BOARD_PRODUCT_ID_COLLECTIVE};
constexpr int DEFAULT_LOOKUPS = 2000;
constexpr double LOOKUPS_PER_SECOND = 1.0;  // one per device scan
constexpr double PERCENT = 100.0;
constexpr double MICROSECONDS = 1e6;

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int at = int(args.indexOf(QStringLiteral("--lookups")));
    const int lookups = at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : DEFAULT_LOOKUPS;

    const BoardDiscovery discovery(PRODUCT_IDS, BOARD_VENDOR_ID);
    // The idle state: every attached board is open.
    const QList<int> opened = PRODUCT_IDS;
    int boards = 0;
    const double before = bench::processCpuSeconds();
    for (int i = 0; i < lookups; ++i)
        boards += int(discovery.run(&opened).boards.size());
    const double perLookup = (bench::processCpuSeconds() - before) / lookups;

    bench::printResult("discovery.lookup_us", perLookup * MICROSECONDS);
    bench::printResult("discovery.cpu_percent", perLookup * LOOKUPS_PER_SECOND * PERCENT);
    bench::printResult("discovery.boards", double(boards) / lookups);
    return 0;
}
