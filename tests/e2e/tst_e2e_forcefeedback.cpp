// The shipped Linux force output against a board whose event device umockdev
// emulates: what reaches the kernel for each test force, and that every test
// ends stopped, erased and closed.

#include "support/hidrawinputbus.h"

#include "device/firmwareinfo.h"
#include "device/forcetesteffect.h"
#include "device/forcetestsession.h"

#include <QCoreApplication>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(ForceTestKind)

class TestEndToEndForceFeedback : public QObject
{
    Q_OBJECT

public:
    explicit TestEndToEndForceFeedback(e2e::KernelTestbed &kernel) : kernel(kernel) {}

private:
    e2e::KernelTestbed &kernel;
    std::unique_ptr<e2e::HidrawInputBus> bus;
    std::shared_ptr<e2e::EmulatedBoard> board;

    // Play and stop events, as (code, value) pairs.
    std::vector<std::pair<int, int>> forceEvents()
    {
        std::vector<std::pair<int, int>> events;
        for (const input_event &event : bus->writtenEvents(*board))
            if (event.type == EV_FF)
                events.emplace_back(event.code, event.value);
        return events;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(kernel.preloadActive(),
                 "libumockdev-preload is not loaded: run this test through ctest");
        bus = std::make_unique<e2e::HidrawInputBus>(kernel);
    }

    void init()
    {
        board = std::make_shared<e2e::EmulatedBoard>(uint16_t(BOARD_PRODUCT_ID_JOYSTICK),
                                                     uint8_t(DEVICE_TYPE_JOYSTICK),
                                                     SUPPORTED_FIRMWARE_VERSION);
        QString error;
        QVERIFY2(bus->plug(board, &error), qPrintable(error));
    }

    void cleanup() { bus->unplugAll(); }

    void offerIsRead()
    {
        gravolt_force_info info{};
        gravolt_input_problem problem{};
        QCOMPARE(gravolt_force_query(BOARD_VENDOR_ID, BOARD_PRODUCT_ID_JOYSTICK, &info, &problem),
                 GRAVOLT_FORCE_OK);
        QCOMPARE(info.effectSlots, e2e::HidrawInputBus::EFFECT_SLOTS);
        QVERIFY(QByteArray(info.node).startsWith("/dev/input/event"));
        QCOMPARE(info.writable, 1);
        for (const ForceTestKind kind : FORCE_TEST_KINDS)
            QVERIFY(forceTestOffered(kind, info.capabilities));
        QVERIFY(!(info.capabilities & gravolt_force_bit(GRAVOLT_FORCE_AUTOCENTER)));
        QVERIFY(!(info.capabilities & gravolt_force_bit(GRAVOLT_FORCE_SQUARE)));
        QCOMPARE(bus->openEventFiles(*board), 0);

        bus->withdrawForceFeedback(*board);
        QCOMPARE(gravolt_force_query(BOARD_VENDOR_ID, BOARD_PRODUCT_ID_JOYSTICK, &info, &problem),
                 GRAVOLT_FORCE_NOT_OFFERED);
        ForceTestSession session;
        QCOMPARE(session.start(BOARD_VENDOR_ID, BOARD_PRODUCT_ID_JOYSTICK,
                               forceTestEffect(ForceTestRequest{}), &problem),
                 GRAVOLT_FORCE_NOT_OFFERED);
        QVERIFY(!session.isRunning());
        QCOMPARE(bus->openEventFiles(*board), 0);
        QVERIFY(bus->uploadedEffects(*board).empty());
    }

    void kernelGetsEachTestForce_data()
    {
        QTest::addColumn<ForceTestKind>("kind");
        QTest::addColumn<int>("axis");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("level");  // level, magnitude, or the axis's coefficients

        QTest::newRow("spring on X")
            << ForceTestKind::Spring << 0 << 25 << 2000 << FF_SPRING << 0 << 0x1FFF;
        QTest::newRow("spring on Y")
            << ForceTestKind::Spring << 1 << 100 << 10000 << FF_SPRING << 0 << 0x7FFF;
        QTest::newRow("damper") << ForceTestKind::Damper << 0 << 50 << 500 << FF_DAMPER << 0
                                << 0x3FFF;
        QTest::newRow("friction on Y")
            << ForceTestKind::Friction << 1 << 10 << 2000 << FF_FRICTION << 0 << 0x0CCC;
        QTest::newRow("push left")
            << ForceTestKind::PushMinimum << 0 << 25 << 2000 << FF_CONSTANT << 0x4000 << 0x1FFF;
        QTest::newRow("push right")
            << ForceTestKind::PushMaximum << 0 << 25 << 2000 << FF_CONSTANT << 0xC000 << 0x1FFF;
        QTest::newRow("push up") << ForceTestKind::PushMinimum << 1 << 75 << 3000 << FF_CONSTANT
                                 << 0x8000 << 0x5FFF;
        QTest::newRow("push down")
            << ForceTestKind::PushMaximum << 1 << 75 << 3000 << FF_CONSTANT << 0x0000 << 0x5FFF;
        QTest::newRow("sine") << ForceTestKind::Sine << 0 << 25 << 2000 << FF_PERIODIC << 0xC000
                              << 0x1FFF;
    }

    void kernelGetsEachTestForce()
    {
        QFETCH(ForceTestKind, kind);
        QFETCH(int, axis);
        QFETCH(int, percent);
        QFETCH(int, milliseconds);
        QFETCH(int, type);
        QFETCH(int, direction);
        QFETCH(int, level);

        ForceTestSession session;
        gravolt_input_problem problem{};
        QCOMPARE(session.start(BOARD_VENDOR_ID, BOARD_PRODUCT_ID_JOYSTICK,
                               forceTestEffect({kind, axis, percent, milliseconds}), &problem),
                 GRAVOLT_FORCE_OK);
        QCOMPARE(bus->openEventFiles(*board), 1);
        const std::vector<ff_effect> uploads = bus->uploadedEffects(*board);
        QCOMPARE(uploads.size(), size_t(1));
        const ff_effect &sent = uploads.front();
        QCOMPARE(int(sent.type), type);
        QCOMPARE(int(sent.direction), direction);
        QCOMPARE(int(sent.replay.length), milliseconds);
        QCOMPARE(int(sent.replay.delay), 0);
        QCOMPARE(int(sent.trigger.button), 0);
        if (type == FF_CONSTANT) {
            QCOMPARE(int(sent.u.constant.level), level);
        } else if (type == FF_PERIODIC) {
            QCOMPARE(int(sent.u.periodic.waveform), FF_SINE);
            QCOMPARE(int(sent.u.periodic.magnitude), level);
            QCOMPARE(int(sent.u.periodic.period), FORCE_TEST_SINE_PERIOD_MS);
        } else {
            const ff_condition_effect &on = sent.u.condition[axis];
            const ff_condition_effect &other = sent.u.condition[1 - axis];
            QCOMPARE(int(on.right_coeff), level);
            QCOMPARE(int(on.left_coeff), level);
            QCOMPARE(int(on.right_saturation), 0xFFFF * percent / 100);
            QCOMPARE(int(on.center), 0);
            QCOMPARE(int(on.deadband), 0);
            // The other axis stays free.
            QCOMPARE(int(other.right_coeff) | int(other.left_coeff) | int(other.right_saturation),
                     0);
        }
        const int id = 0;  // the first free slot
        QCOMPARE(forceEvents(), (std::vector<std::pair<int, int>>{{id, 1}}));

        session.stop();
        QCOMPARE(forceEvents(), (std::vector<std::pair<int, int>>{{id, 1}, {id, 0}}));
        QCOMPARE(bus->erasedEffects(*board), std::vector<int>{id});
        QCOMPARE(bus->openEventFiles(*board), 0);
    }

    void refusedEffectLeavesNothingOpen()
    {
        // A square wave is none of the emulated driver's wave forms.
        gravolt_force_effect square = forceTestEffect({ForceTestKind::Sine, 0, 25, 1000});
        square.waveform = GRAVOLT_FORCE_SQUARE;
        ForceTestSession session;
        gravolt_input_problem problem{};
        QCOMPARE(session.start(BOARD_VENDOR_ID, BOARD_PRODUCT_ID_JOYSTICK, square, &problem),
                 GRAVOLT_FORCE_REFUSED);
        QCOMPARE(problem.error, EINVAL);
        QVERIFY(!session.isRunning());
        QCOMPARE(bus->openEventFiles(*board), 0);
        QVERIFY(forceEvents().empty());
    }
};

int main(int argc, char *argv[])
{
    // Before anything can touch udev.
    e2e::KernelTestbed kernel;
    QCoreApplication app(argc, argv);
    TestEndToEndForceFeedback test(kernel);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e_forcefeedback.moc"
