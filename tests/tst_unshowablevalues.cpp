#include "boardsim/simulatedboard.h"
#include "device/featurereporttransport.h"
#include "support/effectformhelpers.h"
#include "support/mainwindowhelpers.h"
#include "support/questionanswerer.h"
#include "ui/mainwindow.h"
#include "ui/unshowablevalues.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QtTest>

#include <memory>

using namespace boardsim;
using namespace mainwindowtest;

namespace {

constexpr int REPORT_TIMEOUT_MS = 5000;

// A hardware record every field of which its control can hold.
HardwareSettingsTypeDef inRangeHardware()
{
    HardwareSettingsTypeDef record;
    std::memset(&record, 0, sizeof record);
    record.force_enable = 1;
    record.speed_sample_buffer_size = 2;
    record.gpio_mode[2] = GPIO_MODE_ANALOG;
    for (auto &axis : record.axis) {
        axis.encoder_direction = -1;
        axis.force_direction = 1;
        axis.pole_pairs = 7;
        axis.encoder_cpr = 4096;
        axis.p_gain = 0.35f;
    }
    return record;
}

EffectSettingsTypeDef inRangeEffects()
{
    QRandomGenerator random(1507);
    return randomInRangeEffectRecord(random);
}

}  // namespace

class TestUnshowableValues : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;

    QStringList marked() const
    {
        QStringList names;
        for (const QWidget *widget : window->findChildren<QWidget *>())
            if (UnshowableValues::isMarked(widget))
                names << widget->objectName();
        names.sort();
        return names;
    }

    QLabel *notice(const QString &name) const { return window->findChild<QLabel *>(name); }

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal")));
        Bus::reset();
    }

    void cleanup()
    {
        window.reset();
        Bus::reset();
    }

    // Values a board may hold that the form cannot show are marked, exactly
    // those, and listed with what a write would send instead; a later read
    // of values the form can show takes every mark away.
    void marksExactlyTheFieldsTheFormCannotHold_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<QByteArray>("effects");
        QTest::addColumn<QByteArray>("hardware");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("listed");  // a line the page notice must hold

        const EffectSettingsTypeDef e0 = inRangeEffects();
        const HardwareSettingsTypeDef h0 = inRangeHardware();
        QTest::newRow("everything in range")
            << int(DEVICE_TYPE_JOYSTICK) << bytesOf(e0) << bytesOf(h0) << QStringList() << "";

        EffectSettingsTypeDef e = e0;
        e.axis[0].soft_stop_range = 139;
        e.axis[1].static_dampening = 54704;
        e.axis[0].motion_range = 28233;
        QTest::newRow("effect values beyond the controls' limits")
            << int(DEVICE_TYPE_JOYSTICK) << bytesOf(e) << bytesOf(h0)
            << QStringList{"motion_range_axis0", "soft_stop_range_axis0", "static_dampening_axis1"}
            << QString::fromUtf8("Axis 0 › Soft stop range (degrees): 139 → 45");

        e = e0;
        e.invert_constant_force = 0;
        e.axis[1].max_force = 150.0f;
        QTest::newRow("effect bytes the controls round")
            << int(DEVICE_TYPE_JOYSTICK) << bytesOf(e) << bytesOf(h0)
            << QStringList{"invert_constant_force", "max_force_axis1"}
            << QString::fromUtf8("150 → 100");

        HardwareSettingsTypeDef h = h0;
        h.calibration_mode = 3;
        h.speed_sample_buffer_size = 40;
        h.force_enable = 2;
        h.axis[0].encoder_direction = 0;
        QTest::newRow("hardware page")
            << int(DEVICE_TYPE_JOYSTICK) << bytesOf(e0) << bytesOf(h)
            << QStringList{"axis0_encoder_direction", "calibration_mode", "force_enable",
                           "speed_sample_buffer_size"}
            << QString::fromUtf8("Hardware › Calibration (requires reboot): 3 → 255");

        h = h0;
        h.gpio_mode[0] = 12;
        h.button_mode[31] = 3;
        h.analog_lower_dead_zone[1] = 40000;
        h.spi_mode = SPI_MODE_COUNT;
        QTest::newRow("I/O pages") << int(DEVICE_TYPE_JOYSTICK) << bytesOf(e0) << bytesOf(h)
                                   << QStringList{"buttonMode_32", "gpioModeCombo_1",
                                                  "lowerDeadZoneSpinBox_2", "spiModeCombo"}
                                   << QString::fromUtf8("GPIO › Pin 1: 12 → 255");

        // A row the user may not pick still holds the board's code.
        h = h0;
        h.gpio_mode[0] = GPIO_MODE_BRAKING_PWM;
        h.gpio_mode[9] = GPIO_MODE_GENERIC_BUTTON;
        h.calibration_mode = CALIBRATION_AUTOMATIC_CENTER_SEARCH;
        QTest::newRow("hidden rows")
            << int(DEVICE_TYPE_WHEEL) << bytesOf(e0) << bytesOf(h) << QStringList() << "";
    }

    void marksExactlyTheFieldsTheFormCannotHold()
    {
        QFETCH(int, deviceType);
        QFETCH(QByteArray, effects);
        QFETCH(QByteArray, hardware);
        QFETCH(QStringList, expected);
        QFETCH(QString, listed);

        const int productId =
            deviceType == DEVICE_TYPE_WHEEL ? BOARD_PRODUCT_ID_WHEEL : BOARD_PRODUCT_ID_JOYSTICK;
        SimulatedBoard board(productId, deviceType);
        board.setWorkingEffects(effects);
        board.setWorkingHardware(hardware);
        Bus::plug(board);
        window = std::make_unique<MainWindow>();
        window->show();
        auto *devices = window->findChild<QComboBox *>(QStringLiteral("devices_combo_box"));
        QTRY_VERIFY_WITH_TIMEOUT(devices->placeholderText().contains(QLatin1String("1 connected")),
                                 REPORT_TIMEOUT_MS);
        {
            MessageBoxAnswerer guard(MessageBoxAnswerer::Cancel);
            pickDevice(*window, deviceType);
            QTRY_COMPARE(marked(), expected);
            QCOMPARE(guard.boxesSeen, 0);
        }

        const bool effectMarks = expected.join(' ').contains(
            QRegularExpression(QStringLiteral("axis\\d$|invert_constant|direct_x")));
        const bool hardwareMarks = !expected.isEmpty() && !effectMarks;
        QCOMPARE(!notice(QStringLiteral("effects_unshowable_notice"))->isHidden(), effectMarks);
        for (int page = 1; page <= 4; ++page) {
            QLabel *pageNotice = notice(QStringLiteral("hardware_unshowable_notice_%1").arg(page));
            QCOMPARE(!pageNotice->isHidden(), hardwareMarks);
        }
        if (!listed.isEmpty()) {
            const QString text =
                notice(effectMarks ? QStringLiteral("effects_unshowable_notice")
                                   : QStringLiteral("hardware_unshowable_notice_3"))
                    ->text();
            QVERIFY2(text.contains(listed), qPrintable(text));
            const auto *first = window->findChild<QWidget *>(expected.first());
            QVERIFY(first->toolTip().contains(QLatin1String("cannot be shown")));
        }

        // Such a value goes back as read, so it is no change and reading
        // over it asks nothing. Values the form can show, read again: no
        // mark, no notice.
        board.setWorkingEffects(bytesOf(inRangeEffects()));
        board.setWorkingHardware(bytesOf(inRangeHardware()));
        QuestionAnswerer answerer(QMessageBox::DestructiveRole);
        window->findChild<QPushButton *>(QStringLiteral("read_effects_settings_button"))->click();
        window->findChild<QPushButton *>(QStringLiteral("read_hardware_settings_button_2"))
            ->click();
        QTRY_COMPARE_WITH_TIMEOUT(marked(), QStringList(), REPORT_TIMEOUT_MS);
        QCOMPARE(answerer.seen, QStringList());
        QVERIFY(notice(QStringLiteral("effects_unshowable_notice"))->isHidden());
        QVERIFY(notice(QStringLiteral("hardware_unshowable_notice_1"))->isHidden());
    }

    // A write changes only what the user changed: codes with no row, a value
    // beyond its range and a fraction of a kilogram go back byte for byte
    // after an edit elsewhere in the same record.
    void untouchedValuesGoBackAsRead_data()
    {
        QTest::addColumn<bool>("effects");
        QTest::newRow("effect settings") << true;
        QTest::newRow("hardware settings") << false;
    }

    void untouchedValuesGoBackAsRead()
    {
        QFETCH(bool, effects);
        EffectSettingsTypeDef e = inRangeEffects();
        e.axis[0].max_force = 7.5f;
        e.axis[1].motion_range = 28233;
        HardwareSettingsTypeDef h = inRangeHardware();
        h.gpio_mode[0] = 10;
        h.button_mode[3] = 7;
        h.spi_mode = 200;
        h.calibration_mode = 3;
        h.analog_lower_dead_zone[1] = 40000;
        SimulatedBoard board(BOARD_PRODUCT_ID_JOYSTICK, DEVICE_TYPE_JOYSTICK);
        board.setWorkingEffects(bytesOf(e));
        board.setWorkingHardware(bytesOf(h));
        Bus::plug(board);
        window = std::make_unique<MainWindow>();
        window->show();
        auto *devices = window->findChild<QComboBox *>(QStringLiteral("devices_combo_box"));
        QTRY_VERIFY_WITH_TIMEOUT(devices->placeholderText().contains(QLatin1String("1 connected")),
                                 REPORT_TIMEOUT_MS);
        pickDevice(*window, DEVICE_TYPE_JOYSTICK);
        auto *apply = window->findChild<QPushButton *>(
            effects ? QStringLiteral("apply_effect_settings_button")
                    : QStringLiteral("apply_hardware_settings_button_1"));
        QTRY_VERIFY_WITH_TIMEOUT(apply->isEnabled(), REPORT_TIMEOUT_MS);
        QVERIFY(!marked().isEmpty());

        auto *edited =
            window->findChild<QSpinBox *>(effects ? QStringLiteral("total_effect_scale_axis0")
                                                  : QStringLiteral("lowerDeadZoneSpinBox_1"));
        edited->setValue(edited->value() + 1);
        if (effects)
            ++e.axis[0].total_effect_scale;
        else
            ++h.analog_lower_dead_zone[0];
        apply->click();
        const uint8_t command =
            effects ? COMMAND_WRITE_EFFECT_SETTINGS : COMMAND_WRITE_HARDWARE_SETTINGS;
        QTRY_COMPARE_WITH_TIMEOUT(recordsWritten(BOARD_PRODUCT_ID_JOYSTICK, command).size(), 1,
                                  REPORT_TIMEOUT_MS);
        QCOMPARE(recordsWritten(BOARD_PRODUCT_ID_JOYSTICK, command).first(),
                 effects ? bytesOf(e) : bytesOf(h));
        // Still not shown, so still marked.
        QVERIFY(!marked().isEmpty());
    }
};

QTEST_MAIN(TestUnshowableValues)
#include "tst_unshowablevalues.moc"
