#include "boardsim/simulatedboard.h"
#include "boardsim/simulatedinput.h"
#include "support/mainwindowhelpers.h"
#include "ui/liveinputview.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QtTest>

#include <cstdio>
#include <memory>

using namespace boardsim;
using namespace mainwindowtest;

namespace {

constexpr int JOYSTICK_ROW = DEVICE_TYPE_JOYSTICK;
constexpr int REPORT_TIMEOUT_MS = 5000;  // a scan a second, up to two to show a board

gravolt_input_problem problemWith(const char *node, uint32_t owner, const char *ownerName,
                                  uint32_t group, const char *groupName, uint32_t mode, int error)
{
    gravolt_input_problem p{};
    std::snprintf(p.node, sizeof p.node, "%s", node);
    std::snprintf(p.ownerName, sizeof p.ownerName, "%s", ownerName);
    std::snprintf(p.groupName, sizeof p.groupName, "%s", groupName);
    p.owner = owner;
    p.group = group;
    p.mode = mode;
    p.error = error;
    return p;
}

}  // namespace

class TestLiveInputView : public QObject
{
    Q_OBJECT

    SimulatedBoard joystick{BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK};

    static QString statusOf(const QWidget &view)
    {
        const auto *status = view.findChild<QLabel *>(QStringLiteral("live_input_status"));
        return status->isVisible() ? status->text() : QString();
    }
    static QProgressBar *axis(const QWidget &view, int number)
    {
        return view.findChild<QProgressBar *>(QStringLiteral("live_axis_%1").arg(number));
    }
    static bool lit(const QWidget &view, int number)
    {
        const auto *mark = view.findChild<QLabel *>(QStringLiteral("live_button_%1").arg(number));
        return mark && mark->property("lit").toBool();
    }

private slots:
    void init()
    {
        Bus::reset();
        SimulatedInputs::reset();
        Bus::plug(joystick);
    }

    void cleanup()
    {
        QCOMPARE(SimulatedInputs::openSources(), 0);
        Bus::reset();
    }

    void problemsAreExplained_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("node");
        QTest::addColumn<QStringList>("expected");

        const QByteArray event = "/dev/input/event7";
        QTest::newRow("other system") << int(GRAVOLT_INPUT_UNSUPPORTED) << QByteArray()
                                      << QStringList{QStringLiteral("not available")};
        QTest::newRow("no event device") << int(GRAVOLT_INPUT_NO_EVENT_DEVICE) << QByteArray()
                                         << QStringList{QStringLiteral("HID driver")};
        QTest::newRow("node missing")
            << int(GRAVOLT_INPUT_NODE_MISSING) << event
            << QStringList{QString::fromLatin1(event), QStringLiteral("does not exist")};
        QTest::newRow("access denied")
            << int(GRAVOLT_INPUT_ACCESS_DENIED) << event
            << QStringList{QString::fromLatin1(event),    QStringLiteral("owner root"),
                           QStringLiteral("group input"), QStringLiteral("mode 0660"),
                           QStringLiteral("udev rule"),   QStringLiteral("to the group input")};
        QTest::newRow("gone") << int(GRAVOLT_INPUT_GONE) << event
                              << QStringList{QStringLiteral("disconnected")};
        QTest::newRow("failed") << int(GRAVOLT_INPUT_FAILED) << event
                                << QStringList{QString::fromLatin1(event), qt_error_string(EIO)};
    }

    void problemsAreExplained()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, node);
        QFETCH(QStringList, expected);
        const gravolt_input_problem problem =
            problemWith(node.constData(), 0, "root", 105, "input", 0660, EIO);
        const QString text = LiveInputView::describeProblem(gravolt_input_status(status), problem);
        for (const QString &part : expected)
            QVERIFY2(text.contains(part), qPrintable(text + QStringLiteral(" lacks ") + part));
    }

    void accessDeniedWithoutNamesGivesNumbers()
    {
        const QString text = LiveInputView::describeProblem(
            GRAVOLT_INPUT_ACCESS_DENIED, problemWith("/dev/input/event3", 0, "", 987, "", 0600, 0));
        QVERIFY2(text.contains(QStringLiteral("owner 0, group 987, mode 0600")), qPrintable(text));
    }

    void inputsAppearAsTheyChange()
    {
        const int id = joystick.productId();
        SimulatedInputs::setAxis(id, 0, -1200);
        SimulatedInputs::setButton(id, 32, true);
        LiveInputView view;
        view.setBoard(id);
        view.show();
        QVERIFY(view.isReading());
        QCOMPARE(statusOf(view), QString());

        // Every input there is, with its range and raw value, at once.
        QVERIFY(axis(view, SimulatedInputs::AXIS_COUNT));
        QVERIFY(!axis(view, SimulatedInputs::AXIS_COUNT + 1));
        QCOMPARE(axis(view, 1)->minimum(), -SimulatedInputs::MOTOR_AXIS_LIMIT);
        QCOMPARE(axis(view, 3)->maximum(), SimulatedInputs::ANALOG_AXIS_MAXIMUM);
        QCOMPARE(axis(view, 1)->value(), -1200);
        QCOMPARE(axis(view, 1)->text(), QStringLiteral("-1200"));
        QVERIFY(lit(view, 32));
        QVERIFY(!lit(view, 1));

        SimulatedInputs::setAxis(id, 1, 30000);
        SimulatedInputs::setAxis(id, 2, SimulatedInputs::ANALOG_AXIS_MAXIMUM + 5);
        SimulatedInputs::setButton(id, 1, true);
        QTRY_COMPARE(axis(view, 2)->value(), 30000);
        // Beyond its declared range: the bar stops at its end, the text says
        // what came.
        QTRY_COMPARE(axis(view, 3)->text(),
                     QString::number(SimulatedInputs::ANALOG_AXIS_MAXIMUM + 5));
        QCOMPARE(axis(view, 3)->value(), SimulatedInputs::ANALOG_AXIS_MAXIMUM);
        QTRY_VERIFY(lit(view, 1));
        SimulatedInputs::setButton(id, 1, false);
        QTRY_VERIFY(!lit(view, 1));
        QVERIFY(lit(view, 32));
    }

    void opensNothingWhileHidden()
    {
        auto view = std::make_unique<LiveInputView>();
        view->setBoard(joystick.productId());
        QCOMPARE(SimulatedInputs::openCount(), 0);

        view->show();
        QCOMPARE(SimulatedInputs::openSources(), 1);
        view->hide();
        QCOMPARE(SimulatedInputs::openSources(), 0);
        view->setBoard(-1);
        view->show();
        QCOMPARE(SimulatedInputs::openCount(), 1);
        QVERIFY(!statusOf(*view).isEmpty());

        // In the window the page is opened only while it is the page shown.
        view.reset();
        MainWindow window;
        window.show();
        auto *devices = window.findChild<QComboBox *>(QStringLiteral("devices_combo_box"));
        QTRY_VERIFY_WITH_TIMEOUT(devices->itemText(JOYSTICK_ROW).contains(QLatin1String("Version")),
                                 REPORT_TIMEOUT_MS);
        MessageBoxAnswerer noBox(MessageBoxAnswerer::Cancel);
        pickDevice(window, JOYSTICK_ROW);
        auto *pages = window.findChild<QTabWidget *>(QStringLiteral("main_tab_widget"));
        auto *live = window.findChild<LiveInputView *>();
        QVERIFY(pages && live);
        QTRY_VERIFY(pages->isTabVisible(pages->indexOf(live)));
        QCOMPARE(SimulatedInputs::openSources(), 0);
        pages->setCurrentWidget(live);
        QCOMPARE(SimulatedInputs::openSources(), 1);
        QCOMPARE(live->board(), joystick.productId());
        pages->setCurrentIndex(0);
        QCOMPARE(SimulatedInputs::openSources(), 0);
        pages->setCurrentWidget(live);
        // Leaving the board closes its inputs even with the page on top.
        pickDevice(window, JOYSTICK_ROW);
        QCOMPARE(SimulatedInputs::openSources(), 0);
        QCOMPARE(noBox.boxesSeen, 0);
    }

    void unpluggedBoardIsReported()
    {
        // Reading stops quietly when the board goes; nothing may warn.
        // (The offscreen platform's own note about size hints aside.)
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!.*propagateSizeHints)")));
        LiveInputView view;
        view.setBoard(joystick.productId());
        view.show();
        QVERIFY(view.isReading());
        Bus::unplug(joystick);
        QTRY_COMPARE(statusOf(view), QStringLiteral("The board was disconnected."));
        QVERIFY(!view.isReading());
        QVERIFY(!view.findChild<QWidget *>(QStringLiteral("live_buttons_box"))->isVisible());

        // Shown again with the board back, it reads again.
        Bus::plug(joystick);
        view.hide();
        view.show();
        QVERIFY(view.isReading());
        QCOMPARE(statusOf(view), QString());
    }

    void failedOpenSaysWhy()
    {
        SimulatedInputs::failOpen(
            joystick.productId(), GRAVOLT_INPUT_ACCESS_DENIED,
            problemWith("/dev/input/event4", 0, "root", 105, "input", 0660, EACCES));
        LiveInputView view;
        view.setBoard(joystick.productId());
        view.show();
        QVERIFY(!view.isReading());
        QVERIFY(statusOf(view).contains(QStringLiteral("/dev/input/event4")));
        QVERIFY(!view.findChild<QWidget *>(QStringLiteral("live_axes_box"))->isVisible());
    }
};

QTEST_MAIN(TestLiveInputView)
#include "tst_liveinputview.moc"
