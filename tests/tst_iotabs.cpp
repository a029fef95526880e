#include "boardsim/simulatedboard.h"
#include "device/featurereporttransport.h"
#include "support/mainwindowhelpers.h"
#include "ui/mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

using namespace boardsim;
using namespace mainwindowtest;

namespace {

constexpr int JOYSTICK_PID = 22777;
constexpr int REPORT_TIMEOUT_MS = 5000;

const QStringList GPIO_MODE_CAPTIONS{QStringLiteral("Disabled"),
                                     QStringLiteral("Generic button"),
                                     QStringLiteral("Analog"),
                                     QStringLiteral("SPI CS"),
                                     QStringLiteral("SPI SCK"),
                                     QStringLiteral("SPI MISO"),
                                     QStringLiteral("Enable effects switch"),
                                     QStringLiteral("Reset center button"),
                                     QStringLiteral("Reboot button"),
                                     QStringLiteral("Braking PWM")};

// Every named field at a random value the form can show, every reserved byte
// random as well.
HardwareSettingsTypeDef randomRecord(quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray image(HARDWARE_SETTINGS_SIZE, '\0');
    for (char &byte : image)
        byte = char(random.bounded(256));
    auto record = recordFrom<HardwareSettingsTypeDef>(image);
    const auto in = [&random](int low, int high) { return random.bounded(low, high + 1); };

    record.force_enable = uint8_t(in(0, 1));
    record.debug_forces = uint8_t(in(0, 1));
    record.calibration_mode = uint8_t(in(0, 2));
    record.amplifier_gain = uint8_t(in(0, 3));
    record.spi_mode = uint8_t(in(0, SPI_MODE_COUNT - 1));
    for (uint8_t &mode : record.gpio_mode)
        mode = uint8_t(in(0, GPIO_MODE_COUNT - 1));
    for (uint8_t &mode : record.button_mode)
        mode = uint8_t(in(0, BUTTON_MODE_COUNT - 1));
    record.power_limit = uint8_t(in(0, 100));
    record.braking_limit = uint8_t(in(0, 100));
    record.calibration_magnitude = uint8_t(in(0, 100));
    record.calibration_speed = uint8_t(in(0, 100));
    record.calibration_current = uint8_t(in(0, 100));
    record.position_smoothing = uint8_t(in(0, 100));
    record.speed_sample_buffer_size = uint8_t(in(2, 32));
    for (int i = 0; i < ANALOG_AXIS_COUNT; ++i) {
        record.analog_button_low[i] = uint8_t(in(0, 100));
        record.analog_button_high[i] = uint8_t(in(0, 100));
        record.analog_lower_dead_zone[i] = uint16_t(in(0, 32767));
        record.analog_upper_dead_zone[i] = uint16_t(in(0, 32767));
        record.analog_smoothing[i] = uint8_t(in(0, 100));
        record.analog_invert[i] = uint8_t(in(0, 1));
    }
    for (auto &axis : record.axis) {
        axis.encoder_direction = int8_t(in(0, 1) ? 1 : -1);
        axis.force_direction = int8_t(in(0, 1) ? 1 : -1);
        axis.pole_pairs = uint8_t(in(0, 99));
        axis.encoder_cpr = uint16_t(in(0, 65535));
        axis.p_gain = float(random.generateDouble() * 10.0);
        axis.i_gain = float(random.generateDouble() / 100.0);
    }
    return record;
}

// Offsets of the bytes no field names.
QList<int> reservedOffsets()
{
    QList<int> offsets{2};
    for (int i = 53; i < 59; ++i)
        offsets << i;
    for (int i = 85; i < 256; ++i)
        offsets << i;
    for (int block : {256, 384}) {
        offsets << block + 5 << block + 6;
        for (int i = 15; i < 128; ++i)
            offsets << block + i;
    }
    return offsets;
}

}  // namespace

class TestIoTabs : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    SimulatedBoard joystick{JOYSTICK_PID, DEVICE_TYPE_JOYSTICK};

    template <typename T> T *control(const QString &name) const
    {
        auto *found = window->findChild<T *>(name);
        if (!found)
            qWarning("no control %s", qPrintable(name));
        return found;
    }
    QComboBox *gpio(int pin) const
    {
        return control<QComboBox>(QStringLiteral("gpioModeCombo_%1").arg(pin));
    }
    QComboBox *spiMode() const { return control<QComboBox>(QStringLiteral("spiModeCombo")); }
    QGroupBox *recommendations() const
    {
        return control<QGroupBox>(QStringLiteral("spi_recommendations"));
    }

    static QList<int> pickableRows(QComboBox *combo)
    {
        auto *view = qobject_cast<QListView *>(combo->view());
        auto *model = qobject_cast<QStandardItemModel *>(combo->model());
        QList<int> rows;
        for (int row = 0; row < combo->count(); ++row) {
            if (!view->isRowHidden(row) && model->item(row)->isEnabled())
                rows << row;
        }
        return rows;
    }

    static void pick(QComboBox *combo, int row)
    {
        combo->setCurrentIndex(row);
        emit combo->activated(row);
    }

    static int hardwareReads()
    {
        int n = 0;
        for (const Transfer &t : Bus::transfersFor(JOYSTICK_PID))
            n += !t.isWrite() && t.reportId() == REPORT_ID_HARDWARE_SETTINGS;
        return n;
    }

    // Opens the window on the joystick holding `hardware` and selects it;
    // returns once the hardware record has been read into the form.
    void openOnBoard(const HardwareSettingsTypeDef &hardware)
    {
        joystick.setWorkingHardware(bytesOf(hardware));
        Bus::plug(joystick);
        window = std::make_unique<MainWindow>();
        window->show();
        auto *devices = control<QComboBox>(QStringLiteral("devices_combo_box"));
        QTRY_COMPARE_WITH_TIMEOUT(devices->placeholderText(),
                                  QStringLiteral("Select compatible device (1 connected)"),
                                  REPORT_TIMEOUT_MS);
        MessageBoxAnswerer guard(MessageBoxAnswerer::Cancel);
        pickDevice(*window, DEVICE_TYPE_JOYSTICK);
        QTRY_COMPARE(hardwareReads(), 1);
        QCOMPARE(guard.boxesSeen, 0);
    }

    // Clicks `buttonName` and returns the hardware record the board received.
    QByteArray sendWith(const QString &buttonName)
    {
        Bus::clearTransfers();
        control<QPushButton>(buttonName)->click();
        if (!QTest::qWaitFor(
                [] {
                    return !recordsWritten(JOYSTICK_PID, COMMAND_WRITE_HARDWARE_SETTINGS)
                                .isEmpty() &&
                           conversation(JOYSTICK_PID).endsWith(REPORT_ID_BUSY_STATUS);
                },
                REPORT_TIMEOUT_MS))
            return {};
        const QList<QByteArray> records =
            recordsWritten(JOYSTICK_PID, COMMAND_WRITE_HARDWARE_SETTINGS);
        return records.size() == 1 ? records.first() : QByteArray();
    }

    QByteArray apply() { return sendWith(QStringLiteral("apply_hardware_settings_button_1")); }

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal|no control")));
        Bus::reset();
        joystick = SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
    }

    void cleanup()
    {
        window.reset();
        QCOMPARE(Bus::openHandleCount(), 0);
        Bus::reset();
    }

    void listsAtStart()
    {
        window = std::make_unique<MainWindow>();
        window->ensurePages();
        for (int pin = 1; pin <= GPIO_PIN_COUNT; ++pin) {
            QStringList items;
            for (int i = 0; i < gpio(pin)->count(); ++i)
                items << gpio(pin)->itemText(i);
            QCOMPARE(items, GPIO_MODE_CAPTIONS);
        }
        for (int b = 1; b <= BUTTON_COUNT; ++b) {
            auto *combo = control<QComboBox>(QStringLiteral("buttonMode_%1").arg(b));
            QCOMPARE(combo->count(), 3);
            QCOMPARE(combo->itemText(0), QStringLiteral("Disabled"));
            QCOMPARE(combo->itemText(1), QStringLiteral("Normal"));
            QCOMPARE(combo->itemText(2), QStringLiteral("Inverted"));
            QCOMPARE(pickableRows(combo), (QList<int>{0, 1, 2}));
        }
        QStringList spiItems;
        for (int i = 0; i < spiMode()->count(); ++i)
            spiItems << spiMode()->itemText(i);
        QCOMPARE(spiItems,
                 (QStringList{QStringLiteral("Disabled"), QStringLiteral("SN74HC165N x 3"),
                              QStringLiteral("C4021 x 3"), QStringLiteral("Thrustmaster"),
                              QStringLiteral("VPC Flnkr (WIP)"),
                              QStringLiteral("VPC Alpha Prime R (WIP)"),
                              QStringLiteral("VPC MongoosT (DEBUG)"),
                              QStringLiteral("VPC MongoosT CM2 (DEBUG)"),
                              QStringLiteral("VPC VFX (DEBUG)")}));
        QVERIFY(recommendations()->isHidden());
    }

    void gpioModesOfferedPerPin_data()
    {
        QTest::addColumn<int>("pin");
        QTest::addColumn<QList<int>>("offered");
        const QList<int> lowPins{0, 1, 2, 3, 4, 5, 6, 7, 8};
        const QList<int> plainPins{0, 1, 3, 4, 5, 6, 7, 8};
        const QList<int> pin8{0, 1, 3, 4, 5, 6, 7, 8, 9};
        const QList<int> encoderIndex{0, 3, 4, 5, 6, 7, 8};
        for (int pin = 1; pin <= 3; ++pin)
            QTest::addRow("Pin %d", pin) << pin << lowPins;
        for (int pin = 4; pin <= 7; ++pin)
            QTest::addRow("Pin %d", pin) << pin << plainPins;
        QTest::newRow("Pin 8") << 8 << pin8;
        QTest::newRow("Encoder Z0") << 9 << encoderIndex;
        QTest::newRow("Encoder Z1") << 10 << encoderIndex;
    }

    void gpioModesOfferedPerPin()
    {
        QFETCH(int, pin);
        QFETCH(QList<int>, offered);
        window = std::make_unique<MainWindow>();
        window->ensurePages();
        QCOMPARE(pickableRows(gpio(pin)), offered);
    }

    void unofferedModeReportedByBoard()
    {
        HardwareSettingsTypeDef hardware = randomRecord(1);
        hardware.gpio_mode[3] = GPIO_MODE_ANALOG;
        hardware.gpio_mode[9] = GPIO_MODE_GENERIC_BUTTON;
        openOnBoard(hardware);

        QCOMPARE(gpio(4)->currentIndex(), int(GPIO_MODE_ANALOG));
        QCOMPARE(gpio(4)->currentText(), QStringLiteral("Analog"));
        QCOMPARE(gpio(10)->currentText(), QStringLiteral("Generic button"));
        QVERIFY(!pickableRows(gpio(4)).contains(GPIO_MODE_ANALOG));
        auto sent = recordFrom<HardwareSettingsTypeDef>(apply());
        QCOMPARE(sent.gpio_mode[3], uint8_t(GPIO_MODE_ANALOG));
        QCOMPARE(sent.gpio_mode[9], uint8_t(GPIO_MODE_GENERIC_BUTTON));

        // Once the user moves away from it, it cannot be picked again.
        pick(gpio(4), GPIO_MODE_SPI_MISO);
        QVERIFY(!pickableRows(gpio(4)).contains(GPIO_MODE_ANALOG));
        sent = recordFrom<HardwareSettingsTypeDef>(apply());
        QCOMPARE(sent.gpio_mode[3], uint8_t(GPIO_MODE_SPI_MISO));
    }

    void spiRecommendations_data()
    {
        QTest::addColumn<int>("spiModeCode");
        QTest::addColumn<int>("shownIndex");
        QTest::addColumn<bool>("hintShown");
        QTest::addColumn<int>("sentBack");

        QTest::newRow("disabled") << 0 << 0 << false << 0;
        QTest::newRow("shift registers") << 1 << 1 << true << 1;
        QTest::newRow("last grip") << 8 << 8 << true << 8;
        // A code with no row goes back as the board reported it.
        QTest::newRow("unknown code 9") << 9 << -1 << true << 9;
        QTest::newRow("unknown code 200") << 200 << -1 << true << 200;
    }

    void spiRecommendations()
    {
        QFETCH(int, spiModeCode);
        QFETCH(int, shownIndex);
        QFETCH(bool, hintShown);
        QFETCH(int, sentBack);

        // Start from the opposite visibility to see the read change it.
        HardwareSettingsTypeDef hardware = randomRecord(2);
        hardware.spi_mode = uint8_t(spiModeCode);
        openOnBoard(hardware);
        QCOMPARE(spiMode()->currentIndex(), shownIndex);
        QCOMPARE(recommendations()->isHidden(), !hintShown);
        QCOMPARE(recordFrom<HardwareSettingsTypeDef>(apply()).spi_mode, uint8_t(sentBack));

        pick(spiMode(), SPI_MODE_GRIP_THRUSTMASTER);
        QVERIFY(!recommendations()->isHidden());
        pick(spiMode(), SPI_MODE_DISABLED);
        QVERIFY(recommendations()->isHidden());
        QCOMPARE(recordFrom<HardwareSettingsTypeDef>(apply()).spi_mode, uint8_t(0));
    }

    void readFollowsSpiModeBothWays()
    {
        HardwareSettingsTypeDef hardware = randomRecord(3);
        hardware.spi_mode = SPI_MODE_C4021_X3;
        openOnBoard(hardware);
        QVERIFY(!recommendations()->isHidden());

        hardware.spi_mode = SPI_MODE_DISABLED;
        joystick.setWorkingHardware(bytesOf(hardware));
        control<QPushButton>(QStringLiteral("read_hardware_settings_button_2"))->click();
        QTRY_VERIFY(recommendations()->isHidden());
        QCOMPARE(spiMode()->currentIndex(), 0);
    }

    void valuesBeyondTheControls_data()
    {
        QTest::addColumn<int>("deadZone");
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("shownDeadZone");
        QTest::addColumn<int>("shownPercent");
        QTest::newRow("in range") << 32767 << 100 << 32767 << 100;
        QTest::newRow("dead zone 40000") << 40000 << 100 << 32767 << 100;
        QTest::newRow("largest field values") << 65535 << 255 << 32767 << 100;
    }

    void valuesBeyondTheControls()
    {
        QFETCH(int, deadZone);
        QFETCH(int, percent);
        QFETCH(int, shownDeadZone);
        QFETCH(int, shownPercent);

        HardwareSettingsTypeDef hardware = randomRecord(4);
        for (int i = 0; i < ANALOG_AXIS_COUNT; ++i) {
            hardware.analog_lower_dead_zone[i] = uint16_t(deadZone);
            hardware.analog_upper_dead_zone[i] = uint16_t(deadZone);
            hardware.analog_smoothing[i] = uint8_t(percent);
            hardware.analog_button_low[i] = uint8_t(percent);
            hardware.analog_button_high[i] = uint8_t(percent);
        }
        openOnBoard(hardware);
        for (int axis = 1; axis <= 3; ++axis) {
            for (const char *name : {"lowerDeadZoneSpinBox_%1", "upperDeadZoneSpinBox_%1"})
                QCOMPARE(control<QSpinBox>(QString::fromLatin1(name).arg(axis))->value(),
                         shownDeadZone);
            for (const char *name : {"analogSmoothingSpinBox_%1", "analogButtonLowSpinBox_%1",
                                     "analogButtonHighSpinBox_%1"})
                QCOMPARE(control<QSpinBox>(QString::fromLatin1(name).arg(axis))->value(),
                         shownPercent);
        }
        // Untouched, a value beyond its control goes back as read.
        const auto sent = recordFrom<HardwareSettingsTypeDef>(apply());
        for (int i = 0; i < ANALOG_AXIS_COUNT; ++i) {
            QCOMPARE(int(sent.analog_lower_dead_zone[i]), deadZone);
            QCOMPARE(int(sent.analog_upper_dead_zone[i]), deadZone);
            QCOMPARE(int(sent.analog_smoothing[i]), percent);
            QCOMPARE(int(sent.analog_button_low[i]), percent);
            QCOMPARE(int(sent.analog_button_high[i]), percent);
        }
    }

    void unknownCodesGoBackAsRead()
    {
        HardwareSettingsTypeDef hardware = randomRecord(5);
        hardware.gpio_mode[0] = 10;
        hardware.button_mode[31] = 3;
        hardware.analog_invert[1] = 0x80;
        openOnBoard(hardware);
        QCOMPARE(gpio(1)->currentIndex(), -1);
        QCOMPARE(control<QComboBox>(QStringLiteral("buttonMode_32"))->currentIndex(), -1);
        QVERIFY(control<QCheckBox>(QStringLiteral("analogAxisInvert_2"))->isChecked());
        const auto sent = recordFrom<HardwareSettingsTypeDef>(apply());
        QCOMPARE(sent.gpio_mode[0], uint8_t(10));
        QCOMPARE(sent.button_mode[31], uint8_t(3));
        QCOMPARE(sent.analog_invert[1], uint8_t(0x80));
    }

    void readThenWriteBackIsFaithful_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<QString>("buttonName");
        const char *buttons[] = {
            "apply_hardware_settings_button_1", "apply_hardware_settings_button_2",
            "apply_hardware_settings_button_3", "apply_hardware_settings_button_4",
            "save_hardware_settings_button_1",  "save_hardware_settings_button_2",
            "save_hardware_settings_button_3",  "save_hardware_settings_button_4"};
        quint32 seed = 100;
        for (const char *button : buttons)
            QTest::addRow("%s", button) << seed++ << QString::fromLatin1(button);
    }

    void readThenWriteBackIsFaithful()
    {
        QFETCH(quint32, seed);
        QFETCH(QString, buttonName);
        const HardwareSettingsTypeDef original = randomRecord(seed);
        openOnBoard(original);

        const QByteArray sent = sendWith(buttonName);
        QCOMPARE(sent.size(), HARDWARE_SETTINGS_SIZE);
        // Every byte as read: named fields through the form (gains
        // included), reserved bytes from the board.
        QCOMPARE(sent, bytesOf(original));
        for (int offset : reservedOffsets())
            QCOMPARE(sent[offset], bytesOf(original)[offset]);
        QCOMPARE(reservedOffsets().size(), 408);
        QCOMPARE(joystick.workingHardware(), sent);
        const bool save = buttonName.startsWith(QLatin1String("save"));
        QCOMPARE(joystick.permanentHardware() == sent, save);
        QCOMPARE(conversation(JOYSTICK_PID).contains(COMMAND_STORE_PERMANENTLY), save);
    }

    void readButtonsRefillEveryTab_data()
    {
        QTest::addColumn<int>("page");
        for (int page = 1; page <= 4; ++page)
            QTest::addRow("page %d", page) << page;
    }

    void readButtonsRefillEveryTab()
    {
        QFETCH(int, page);
        openOnBoard(randomRecord(7));
        const HardwareSettingsTypeDef changed = randomRecord(8);
        joystick.setWorkingHardware(bytesOf(changed));

        control<QPushButton>(QStringLiteral("read_hardware_settings_button_%1").arg(page))->click();
        QTRY_COMPARE(hardwareReads(), 2);
        QCOMPARE(apply(), bytesOf(changed));
    }

    void sendsValuesOfTheClick()
    {
        openOnBoard(randomRecord(9));
        auto *deadZone = control<QSpinBox>(QStringLiteral("lowerDeadZoneSpinBox_2"));
        deadZone->setValue(1234);
        pick(gpio(1), GPIO_MODE_SPI_CS);
        Bus::clearTransfers();
        control<QPushButton>(QStringLiteral("save_hardware_settings_button_4"))->click();
        deadZone->setValue(4321);
        pick(gpio(1), GPIO_MODE_DISABLED);
        QTRY_COMPARE(recordsWritten(JOYSTICK_PID, COMMAND_WRITE_HARDWARE_SETTINGS).size(), 1);
        const auto sent = recordFrom<HardwareSettingsTypeDef>(
            recordsWritten(JOYSTICK_PID, COMMAND_WRITE_HARDWARE_SETTINGS).first());
        QCOMPARE(int(sent.analog_lower_dead_zone[1]), 1234);
        QCOMPARE(sent.gpio_mode[0], uint8_t(GPIO_MODE_SPI_CS));
    }
};

QTEST_MAIN(TestIoTabs)
#include "tst_iotabs.moc"
