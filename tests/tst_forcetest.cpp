#include "boardsim/simulatedboard.h"
#include "boardsim/simulatedforce.h"
#include "boardsim/simulatedinput.h"
#include "device/forcetesteffect.h"
#include "support/mainwindowhelpers.h"
#include "support/questionanswerer.h"
#include "ui/forcetestpanel.h"
#include "ui/liveinputview.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>

#include <functional>
#include <memory>

using namespace boardsim;
using namespace mainwindowtest;
using Event = SimulatedForce::Event;

namespace {

constexpr int JOYSTICK_ROW = DEVICE_TYPE_JOYSTICK;
constexpr int REPORT_TIMEOUT_MS = 5000;  // a scan a second, up to two to show a board

QList<Event::Kind> kinds()
{
    QList<Event::Kind> list;
    for (const Event &event : SimulatedForce::events())
        list << event.kind;
    return list;
}

QPushButton *button(const QWidget &view, const char *name)
{
    return view.findChild<QPushButton *>(QString::fromLatin1(name));
}

int axisValue(const QWidget &view, int number)
{
    return view.findChild<QProgressBar *>(QStringLiteral("live_axis_%1").arg(number))->value();
}

}  // namespace

class TestForceTest : public QObject
{
    Q_OBJECT

    SimulatedBoard joystick{BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK};
    SimulatedBoard wheel{BOARD_PRODUCT_ID_WHEEL, DEVICE_TYPE_WHEEL};

    // A live page on the joystick, its hold question answered once.
    static void startSpring(LiveInputView &view, QuestionAnswerer &answers)
    {
        button(view, "force_spring_button")->click();
        QTRY_COMPARE(SimulatedForce::playingEffects(BOARD_PRODUCT_ID_JOYSTICK), 1);
        QCOMPARE(answers.seen, QStringList{QStringLiteral("force_hold_question")});
    }

private slots:
    void init()
    {
        Bus::reset();
        SimulatedInputs::reset();
        SimulatedForce::reset();
        Bus::plug(joystick);
        Bus::plug(wheel);
    }

    void cleanup()
    {
        QCOMPARE(SimulatedForce::openOutputs(), 0);
        QCOMPARE(SimulatedForce::uploadedEffects(), 0);
        Bus::reset();
    }

    void requestsAreBounded_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("axis");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<int>("level");   // level, magnitude or coefficient on the axis
        QTest::addColumn<int>("length");  // ms

        QTest::newRow("over 100 %")
            << int(ForceTestKind::PushMaximum) << 0 << 250 << 2000 << 0x7FFF << 2000;
        QTest::newRow("below 0 %") << int(ForceTestKind::Spring) << 0 << -5 << 2000 << 0 << 2000;
        QTest::newRow("longer than 10 s")
            << int(ForceTestKind::Sine) << 1 << 25 << 60000 << 0x1FFF << FORCE_TEST_MAXIMUM_MS;
        // 0 would be "forever" to the kernel.
        QTest::newRow("no time") << int(ForceTestKind::Damper) << 1 << 50 << 0 << 0x3FFF
                                 << FORCE_TEST_MINIMUM_MS;
        QTest::newRow("third axis")
            << int(ForceTestKind::Friction) << 2 << 100 << 1000 << 0x7FFF << 1000;
    }

    void requestsAreBounded()
    {
        QFETCH(int, kind);
        QFETCH(int, axis);
        QFETCH(int, percent);
        QFETCH(int, milliseconds);
        QFETCH(int, level);
        QFETCH(int, length);
        const gravolt_force_effect e =
            forceTestEffect({ForceTestKind(kind), axis, percent, milliseconds});
        QCOMPARE(int(e.length), length);
        const int onAxis = std::min(axis, FORCE_TEST_AXES - 1);
        const int strength = e.type == GRAVOLT_FORCE_CONSTANT ? e.level
                             : e.type == GRAVOLT_FORCE_PERIODIC
                                 ? e.magnitude
                                 : e.condition[onAxis].leftCoefficient;
        QCOMPARE(strength, level);
    }

    void nothingPlaysWithoutAClick()
    {
        QuestionAnswerer answers(QMessageBox::RejectRole);
        auto view = std::make_unique<LiveInputView>();
        view->setBoard(joystick.productId());
        view->show();
        view->setBoard(wheel.productId());
        view->hide();
        view->show();
        // The offer is read, nothing opened for writing.
        QVERIFY(view->findChild<QLabel *>(QStringLiteral("force_offer_label"))
                    ->text()
                    .contains(QStringLiteral("spring")));
        QVERIFY(button(*view, "force_spring_button")->isEnabled());

        // The question's default is Cancel, and Cancel plays nothing.
        button(*view, "force_push_max_button")->click();
        QTRY_COMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.defaultRoles, QList<QMessageBox::ButtonRole>{QMessageBox::RejectRole});
        QCOMPARE(kinds(), QList<Event::Kind>());

        // A board without force feedback says why and offers no test.
        SimulatedForce::setOffered(wheel.productId(), false);
        view->hide();
        view->show();
        QVERIFY(view->findChild<QLabel *>(QStringLiteral("force_offer_label"))
                    ->text()
                    .contains(QStringLiteral("no force-feedback driver")));
        QVERIFY(!button(*view, "force_spring_button")->isEnabled());
        view.reset();
        QCOMPARE(kinds(), QList<Event::Kind>());
    }

    void everyStopPathErasesAndCloses_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *path : {"stop button", "escape", "time up", "page hidden", "minimised",
                                 "board switched", "board gone", "panel destroyed"})
            QTest::newRow(path) << QString::fromLatin1(path);
    }

    void everyStopPathErasesAndCloses()
    {
        QFETCH(QString, path);
        QuestionAnswerer answers(QMessageBox::AcceptRole);
        auto view = std::make_unique<LiveInputView>();
        view->setBoard(joystick.productId());
        view->show();
        // Escape is a shortcut of the active window.
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        if (path == QLatin1String("time up"))
            view->findChild<QDoubleSpinBox *>(QStringLiteral("force_seconds_spin"))
                ->setValue(FORCE_TEST_MINIMUM_MS / 1000.0);
        startSpring(*view, answers);
        const int id = SimulatedForce::events().at(1).id;

        if (path == QLatin1String("stop button"))
            button(*view, "force_stop_button")->click();
        else if (path == QLatin1String("escape"))
            QTest::keyClick(view.get(), Qt::Key_Escape);
        else if (path == QLatin1String("page hidden"))
            view->hide();
        else if (path == QLatin1String("minimised"))
            view->setWindowState(Qt::WindowMinimized);
        else if (path == QLatin1String("board switched"))
            view->setBoard(wheel.productId());
        else if (path == QLatin1String("board gone")) {
            Bus::unplug(joystick);
            button(*view, "force_stop_button")->click();
        } else if (path == QLatin1String("panel destroyed"))
            view.reset();
        QTRY_COMPARE(SimulatedForce::openOutputs(), 0);

        QList<Event::Kind> expected{Event::Open, Event::Upload, Event::Play};
        if (path != QLatin1String("board gone"))
            expected << Event::Stop << Event::Erase;
        expected << Event::Close;
        QCOMPARE(kinds(), expected);
        for (const Event &event : SimulatedForce::events())
            QVERIFY(event.id == id || event.id == -1);
        QCOMPARE(SimulatedForce::playingEffects(joystick.productId()), 0);
    }

    void everyOperationStopsFirst()
    {
        QuestionAnswerer answers(QMessageBox::AcceptRole);
        MainWindow window;
        window.show();
        auto *devices = window.findChild<QComboBox *>(QStringLiteral("devices_combo_box"));
        QTRY_VERIFY_WITH_TIMEOUT(devices->itemText(JOYSTICK_ROW).contains(QLatin1String("Version")),
                                 REPORT_TIMEOUT_MS);
        pickDevice(window, JOYSTICK_ROW);
        auto *pages = window.findChild<QTabWidget *>(QStringLiteral("main_tab_widget"));
        auto *live = window.findChild<LiveInputView *>();
        QTRY_VERIFY(pages->isTabVisible(pages->indexOf(live)));
        pages->setCurrentWidget(live);
        startSpring(*live, answers);
        // The reboot button stays beside the page; a reboot is an operation.
        window.findChild<QPushButton *>(QStringLiteral("reboot_button"))->click();
        QCOMPARE(SimulatedForce::openOutputs(), 0);
        QCOMPARE(kinds().mid(3), (QList<Event::Kind>{Event::Stop, Event::Erase, Event::Close}));
    }

    void simulatedStickFollowsTheForce_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("start");    // where the hand holds the X axis
        QTest::addColumn<int>("minimum");  // where the stick ends up, within these
        QTest::addColumn<int>("maximum");

        QTest::newRow("spring centres") << int(ForceTestKind::Spring) << 24000 << -4000 << 4000;
        QTest::newRow("push to maximum")
            << int(ForceTestKind::PushMaximum) << 0 << 30000 << SimulatedInputs::MOTOR_AXIS_LIMIT;
        QTest::newRow("push to minimum")
            << int(ForceTestKind::PushMinimum) << 0 << -SimulatedInputs::MOTOR_AXIS_LIMIT << -30000;
    }

    void simulatedStickFollowsTheForce()
    {
        QFETCH(int, kind);
        QFETCH(int, start);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        SimulatedInputs::setAxis(joystick.productId(), 0, start);
        QuestionAnswerer answers(QMessageBox::AcceptRole);
        LiveInputView view;
        view.setBoard(joystick.productId());
        view.show();
        view.findChild<QSlider *>(QStringLiteral("force_strength_slider"))->setValue(100);
        const QString name =
            forceTestName(ForceTestKind(kind)).replace(QLatin1Char('-'), QLatin1Char('_'));
        view.findChild<QPushButton *>(QStringLiteral("force_%1_button").arg(name))->click();
        QTRY_VERIFY(axisValue(view, 1) >= minimum && axisValue(view, 1) <= maximum);
        // The other axis was not asked to move.
        QCOMPARE(axisValue(view, 2), 0);
        QTest::keyClick(&view, Qt::Key_Escape);
        QTRY_COMPARE(axisValue(view, 1), start);
    }
};

QTEST_MAIN(TestForceTest)
#include "tst_forcetest.moc"
