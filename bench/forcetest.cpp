// The force test on the Live input page with a simulated joystick: how soon
// a click reaches the board, and what a test costs while it plays.
//
//   bench_forcetest --rounds N --seconds S
//       prints the median time from a test button's click to the play event
//       written and from the Stop click to the stop written, over N rounds,
//       and the process's CPU time while one S-second test plays, as a share
//       of one core.
#include "bench/benchsupport.h"

#include "boardsim/simulatedboard.h"
#include "boardsim/simulatedforce.h"
#include "boardsim/simulatedinput.h"
#include "ui/liveinputview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Event = boardsim::SimulatedForce::Event;

// Lets the first layout and paint pass before anything is measured.
constexpr int SETTLE_MS = 500;

double millisecondsSince(Clock::time_point from, Event::Kind kind)
{
    const QList<Event> events = boardsim::SimulatedForce::events();
    for (auto it = events.crbegin(); it != events.crend(); ++it)
        if (it->kind == kind)
            return std::chrono::duration<double, std::milli>(it->at - from).count();
    return -1;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int argument(const QStringList &args, const QString &name, int fallback)
{
    const int at = int(args.indexOf(name));
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
}

}  // namespace

int main(int argc, char *argv[])
{
    bench::defaultToOffscreen();
    QApplication app(argc, argv);
    const int rounds = argument(app.arguments(), QStringLiteral("--rounds"), 50);
    const int seconds = argument(app.arguments(), QStringLiteral("--seconds"), 10);

    boardsim::SimulatedBoard joystick(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK);
    boardsim::Bus::plug(joystick);
    boardsim::SimulatedInputs::setMoving(true);

    LiveInputView view;
    view.setBoard(joystick.productId());
    view.resize(700, 700);
    view.show();
    auto *spring = view.findChild<QPushButton *>(QStringLiteral("force_spring_button"));
    auto *stop = view.findChild<QPushButton *>(QStringLiteral("force_stop_button"));

    QTimer::singleShot(SETTLE_MS, &app, [&] {
        // The hold question comes once; it is answered before any timing.
        QTimer::singleShot(0, &app, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            // The question's buttons are its own, not standard ones: the one
            // that goes ahead is the first that does not cancel.
            for (QAbstractButton *button : box->buttons()) {
                if (box->buttonRole(button) != QMessageBox::RejectRole) {
                    button->click();
                    return;
                }
            }
        });
        spring->click();
        stop->click();

        std::vector<double> toPlay, toStop;
        for (int i = 0; i < rounds; ++i) {
            const Clock::time_point clicked = Clock::now();
            spring->click();
            toPlay.push_back(millisecondsSince(clicked, Event::Play));
            QApplication::processEvents();
            const Clock::time_point stopped = Clock::now();
            stop->click();
            toStop.push_back(millisecondsSince(stopped, Event::Stop));
            QApplication::processEvents();
        }
        bench::printResult("force.click_to_play_ms", median(toPlay));
        bench::printResult("force.stop_to_stop_ms", median(toStop));

        // One long test, with the page showing the axes it moves.
        view.findChild<QObject *>(QStringLiteral("force_seconds_spin"))
            ->setProperty("value", double(seconds));
        spring->click();
        const double cpuAtStart = bench::processCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QTimer::singleShot(seconds * 1000, &app, [&app, cpuAtStart, wall] {
            const double cpu = bench::processCpuSeconds() - cpuAtStart;
            bench::printResult("force.playing.cpu_percent",
                               100 * cpu / (wall.nsecsElapsed() / 1e9));
            app.quit();
        });
    });
    return app.exec();
}
