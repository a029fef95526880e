// The live input page while it is shown, with a simulated joystick whose
// axes and buttons move all the time: what watching the inputs costs.
//
//   bench_liveinput --seconds S
//       prints the process's CPU time over S seconds as a share of one core,
//       and how often a second the page updated what it shows.
#include "bench/benchsupport.h"

#include "boardsim/simulatedboard.h"
#include "boardsim/simulatedinput.h"
#include "ui/liveinputview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTimer>

namespace {

// Lets the first layout and paint pass before the window opens.
constexpr int SETTLE_MS = 500;

// Counts the paints of one bar: one per refresh that moved it.
class PaintCounter : public QObject
{
public:
    using QObject::QObject;
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char *argv[])
{
    bench::defaultToOffscreen();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int at = int(args.indexOf(QStringLiteral("--seconds")));
    const int seconds = at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : 10;

    boardsim::SimulatedBoard joystick(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK);
    boardsim::Bus::plug(joystick);
    boardsim::SimulatedInputs::setMoving(true);

    LiveInputView view;
    view.setBoard(joystick.productId());
    view.resize(640, 480);
    view.show();

    PaintCounter counter;
    double cpuAtStart = 0;
    QElapsedTimer wall;
    QTimer::singleShot(SETTLE_MS, &app, [&] {
        if (auto *bar = view.findChild<QProgressBar *>(QStringLiteral("live_axis_1")))
            bar->installEventFilter(&counter);
        cpuAtStart = bench::processCpuSeconds();
        wall.start();
        QTimer::singleShot(seconds * 1000, &app, [&] {
            const double cpu = bench::processCpuSeconds() - cpuAtStart;
            const double elapsed = wall.nsecsElapsed() / 1e9;
            bench::printResult("live.shown.cpu_percent", 100 * cpu / elapsed);
            bench::printResult("live.shown.refreshes_per_s", counter.paints / elapsed);
            app.quit();
        });
    });
    return app.exec();
}
