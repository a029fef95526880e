#include "device/firmwareinfo.h"
#include "support/hardwareformhelpers.h"
#include "ui/fullhardwaresettingswidget.h"

#include <QRandomGenerator>
#include <QtTest>
#include <QtWidgets>

#include <cmath>
#include <cstring>

namespace {

constexpr int AXIS0 = 256;  // record offset of the axis 0 block
constexpr int AXIS1 = 384;

const char *const CALIBRATION_MODES[] = {"None", "Calibration start angle as the center",
                                         "Automatic center of range search"};

void putLe(QByteArray &bytes, int at, int width, qint64 value)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

qint64 getLe(const QByteArray &bytes, int at, int width)
{
    qint64 value = 0;
    for (int i = 0; i < width; ++i)
        value |= qint64(uint8_t(bytes[at + i])) << (8 * i);
    return value;
}

// Marks every text it translates, to prove a caption went through the
// translation catalogue under this widget's context.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "FullHardwareSettingsWidget") != 0)
            return QString();
        return QStringLiteral("~") + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

class TestFullHardwareSettingsWidget : public QObject
{
    Q_OBJECT

    FullHardwareSettingsWidget *widget = nullptr;

    // A missing control means a broken form: controlPlacement() names it, and
    // the run stops here rather than dereferencing null.
    template <typename T> T *control(const QString &name) const
    {
        T *found = widget->findChild<T *>(name);
        if (!found)
            qFatal("no control %s of the expected class", qPrintable(name));
        return found;
    }

    HardwareSettingsTypeDef collect(const HardwareSettingsTypeDef &start = {}) const
    {
        HardwareSettingsTypeDef record = start;
        widget->getHardwareSettings(record);
        return record;
    }

    const QStringList gainEdits{"axis0_p_gain", "axis0_i_gain", "axis1_p_gain", "axis1_i_gain"};
    const QList<int> gainOffsets{AXIS0 + 7, AXIS0 + 11, AXIS1 + 7, AXIS1 + 11};

private slots:
    void init()
    {
        // A slot misnamed for connectSlotsByName only produces this warning.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal for")));
        widget = new FullHardwareSettingsWidget;
    }

    void cleanup()
    {
        delete widget;
        widget = nullptr;
    }

    void metaObjectDeclaresOnlyTheSlot()
    {
        const QMetaObject *meta = widget->metaObject();
        QCOMPARE(meta->methodCount() - meta->methodOffset(), 2);
        QCOMPARE(meta->method(meta->methodOffset()).methodSignature(),
                 QByteArray("validityChanged(bool)"));
        const QMetaMethod slot = meta->method(meta->methodOffset() + 1);
        QCOMPARE(slot.methodSignature(), QByteArray("disableUnsupportedElements(bool)"));
        QCOMPARE(slot.methodType(), QMetaMethod::Slot);
        QCOMPARE(meta->propertyCount(), meta->propertyOffset());
        QCOMPARE(widget->objectName(), QStringLiteral("FullHardwareSettingsWidget"));
        QCOMPARE(widget->windowTitle(), QStringLiteral("Form"));
        QCOMPARE(widget->size(), QSize(404, 514));
    }

    void controlPlacement_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("caption");
        auto add = [](const char *name, const char *cls, const char *layout, int row, int col,
                      const char *caption) {
            QTest::newRow(name) << cls << layout << row << col << caption;
        };
        add("debug_forces", "QCheckBox", "verticalLayout", 0, 0, "Debug forces");
        add("force_enable", "QCheckBox", "verticalLayout", 1, 0, "Enable forces (requires reboot)");
        add("axis_tab", "QTabWidget", "verticalLayout", 3, 0, "");
        add("amplifier_gain_label", "QLabel", "gridLayout", 0, 0,
            "Current sense gain (requires reboot)");
        add("amplifier_gain", "QComboBox", "gridLayout", 0, 1, "");
        add("label_74", "QLabel", "gridLayout", 1, 0, "Calibration (requires reboot)");
        add("calibration_mode", "QComboBox", "gridLayout", 1, 1, "");
        const struct {
            const char *layout, *cprLabel, *poleLabel;
            int rows[6];
        } pages[] = {{"gridLayout_23", "label_27", "label_28", {0, 1, 2, 3, 4, 6}},
                     {"gridLayout_24", "label_36", "label_37", {0, 1, 3, 4, 6, 7}}};
        for (int n = 0; n < 2; ++n) {
            const auto &p = pages[n];
            const QByteArray a = "axis" + QByteArray::number(n);
            add(a + "_encoder_direction", "QCheckBox", p.layout, p.rows[0], 0,
                "Invert joystick output");
            add(a + "_force_direction", "QCheckBox", p.layout, p.rows[1], 0, "Invert force output");
            add(p.cprLabel, "QLabel", p.layout, p.rows[2], 0, "Encoder CPR");
            add(a + "_encoder_CPR", "QSpinBox", p.layout, p.rows[2], 1, "");
            add(p.poleLabel, "QLabel", p.layout, p.rows[3], 0, "Pole pairs");
            add(a + "_pole_pair", "QSpinBox", p.layout, p.rows[3], 1, "");
            add(a + "_p_gain_label", "QLabel", p.layout, p.rows[4], 0, "P gain");
            add(a + "_p_gain", "QLineEdit", p.layout, p.rows[4], 1, "");
            add(a + "_i_gain_label", "QLabel", p.layout, p.rows[5], 0, "I gain");
            add(a + "_i_gain", "QLineEdit", p.layout, p.rows[5], 1, "");
        }
        const char *const settings[][4] = {
            {"label_32", "Power limit (%)", "horizontalSlider_11", "power_limit"},
            {"label_34", "Calibration magnitude (%)", "horizontalSlider_15",
             "calibration_magnitude"},
            {"calibration_speed_label", "Calibration speed (%)", "calibration_speed_slider",
             "calibration_speed"},
            {"calibration_current_label", "Calibration stop current (%)",
             "calibration_current_slider", "calibration_current"},
            {"label_33", "Braking resistor limit (%)", "braking_slider", "braking_limit"},
            {"speed_sample_buffer_size_label", "Speed sample buffer size",
             "speed_sample_buffer_size_slider", "speed_sample_buffer_size"},
            {"position_smoothing_label", "Position smoothing (%)", "position_smoothing_slider",
             "position_smoothing"},
        };
        for (int row = 0; row < 7; ++row) {
            add(settings[row][0], "QLabel", "gridLayout_11", row, 0, settings[row][1]);
            add(settings[row][2], "QSlider", "gridLayout_11", row, 1, "");
            add(settings[row][3], "QSpinBox", "gridLayout_11", row, 2, "");
        }
    }

    void controlPlacement()
    {
        QFETCH(QString, className);
        QFETCH(QString, layout);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, caption);

        auto *w = widget->findChild<QWidget *>(QString::fromUtf8(QTest::currentDataTag()));
        QVERIFY(w);
        QCOMPARE(QString::fromUtf8(w->metaObject()->className()), className);
        // Every control and caption explains itself; the axis tabs only group.
        QCOMPARE(w->toolTip().isEmpty(), className == QLatin1String("QTabWidget"));
        if (!caption.isEmpty())
            QCOMPARE(w->property("text").toString(), caption);

        auto *box = widget->findChild<QLayout *>(layout);
        QVERIFY(box);
        const int index = box->indexOf(w);
        QVERIFY(index >= 0);
        int r = index, c = 0, rowSpan = 1, columnSpan = 1;
        if (auto *grid = qobject_cast<QGridLayout *>(box))
            grid->getItemPosition(index, &r, &c, &rowSpan, &columnSpan);
        QCOMPARE(r, row);
        QCOMPARE(c, column);

        // Axis page captions line up in a column of bounded width.
        if (layout.startsWith("gridLayout_2") && className == "QLabel") {
            QCOMPARE(w->minimumWidth(), 100);
            QCOMPARE(w->maximumWidth(), 200);
        }
    }

    void formFrame()
    {
        auto *vbox = widget->findChild<QVBoxLayout *>("verticalLayout");
        QVERIFY(vbox);
        QCOMPARE(vbox->count(), 5);
        QCOMPARE(vbox->itemAt(2)->layout()->objectName(), QStringLiteral("gridLayout"));
        QCOMPARE(vbox->itemAt(4)->layout()->objectName(), QStringLiteral("gridLayout_11"));
        for (const char *name : {"verticalLayout", "gridLayout", "gridLayout_11"})
            QCOMPARE(widget->findChild<QLayout *>(name)->contentsMargins(), QMargins());

        auto *tabs = control<QTabWidget>("axis_tab");
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("axis0Tab"));
        QCOMPARE(tabs->widget(1)->objectName(), QStringLiteral("axis1Tab"));
        QCOMPARE(tabs->tabText(0), QStringLiteral("Axis 0"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Axis 1"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
        QCOMPARE(tabs->sizePolicy().verticalPolicy(), QSizePolicy::Maximum);

        auto *gain = control<QComboBox>("amplifier_gain");
        QCOMPARE(gain->count(), 4);
        const char *const gains[] = {"80V/V", "40V/V", "20V/V", "10V/V"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(gain->itemText(i), QString::fromUtf8(gains[i]));
        QCOMPARE(gain->currentIndex(), 0);
        QCOMPARE(control<QComboBox>("calibration_mode")->count(), 0);
        for (const QString &name : gainEdits)
            QVERIFY(control<QLineEdit>(name)->text().isEmpty());
    }

    void ranges_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("start");
        for (const char *name :
             {"power_limit", "horizontalSlider_11", "calibration_magnitude", "horizontalSlider_15",
              "calibration_speed", "calibration_speed_slider", "calibration_current",
              "calibration_current_slider", "braking_limit", "braking_slider", "position_smoothing",
              "position_smoothing_slider"})
            QTest::newRow(name) << 0 << 100 << 0;
        QTest::newRow("speed_sample_buffer_size") << 2 << 32 << 2;
        QTest::newRow("speed_sample_buffer_size_slider") << 2 << 32 << 2;
        // encoder_cpr is a 16-bit field: a larger value could not reach the board.
        QTest::newRow("axis0_encoder_CPR") << 0 << 65535 << 0;
        QTest::newRow("axis1_encoder_CPR") << 0 << 65535 << 0;
        QTest::newRow("axis0_pole_pair") << 0 << 99 << 0;
        QTest::newRow("axis1_pole_pair") << 0 << 99 << 0;
    }

    void ranges()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, start);
        auto *w = control<QWidget>(QString::fromUtf8(QTest::currentDataTag()));
        if (auto *slider = qobject_cast<QSlider *>(w)) {
            QCOMPARE(slider->orientation(), Qt::Horizontal);
            QCOMPARE(slider->singleStep(), 1);
            QCOMPARE(slider->minimum(), minimum);
            QCOMPARE(slider->maximum(), maximum);
            QCOMPARE(slider->value(), start);
        } else {
            auto *spin = qobject_cast<QSpinBox *>(w);
            QVERIFY(spin);
            QCOMPARE(spin->singleStep(), 1);
            QVERIFY(spin->prefix().isEmpty());
            QVERIFY(spin->suffix().isEmpty());
            QCOMPARE(spin->minimum(), minimum);
            QCOMPARE(spin->maximum(), maximum);
            QCOMPARE(spin->value(), start);
        }
    }

    void sliderPairs_data()
    {
        QTest::addColumn<QString>("spinName");
        QTest::addColumn<QString>("sliderName");
        QTest::addColumn<bool>("fromSlider");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected");
        const char *const pairs[][2] = {{"power_limit", "horizontalSlider_11"},
                                        {"calibration_magnitude", "horizontalSlider_15"},
                                        {"calibration_speed", "calibration_speed_slider"},
                                        {"calibration_current", "calibration_current_slider"},
                                        {"braking_limit", "braking_slider"},
                                        {"position_smoothing", "position_smoothing_slider"}};
        for (const auto &pair : pairs) {
            QTest::addRow("%s slider 37", pair[0]) << pair[0] << pair[1] << true << 37 << 37;
            QTest::addRow("%s spin 80", pair[0]) << pair[0] << pair[1] << false << 80 << 80;
        }
        const char *spin = "speed_sample_buffer_size", *slider = "speed_sample_buffer_size_slider";
        QTest::newRow("buffer slider 37") << spin << slider << true << 37 << 32;
        QTest::newRow("buffer slider 17") << spin << slider << true << 17 << 17;
        QTest::newRow("buffer spin 1") << spin << slider << false << 1 << 2;
        QTest::newRow("buffer spin 33") << spin << slider << false << 33 << 32;
    }

    void sliderPairs()
    {
        QFETCH(QString, spinName);
        QFETCH(QString, sliderName);
        QFETCH(bool, fromSlider);
        QFETCH(int, value);
        QFETCH(int, expected);
        auto *spin = control<QSpinBox>(spinName);
        auto *slider = control<QSlider>(sliderName);
        const int before = spin->value();
        QSignalSpy spinChanges(spin, &QSpinBox::valueChanged);
        if (fromSlider)
            slider->setValue(value);
        else
            spin->setValue(value);
        QCOMPARE(spin->value(), expected);
        QCOMPARE(slider->value(), expected);
        // At most one change, not an echo loop between the two.
        QCOMPARE(spinChanges.count(), expected == before ? 0 : 1);
    }

    void typedValueMovesSlider()
    {
        auto *spin = control<QSpinBox>("power_limit");
        spin->selectAll();
        QTest::keyClicks(spin, "80");
        QCOMPARE(control<QSlider>("horizontalSlider_11")->value(), 80);
        auto *slider = control<QSlider>("horizontalSlider_11");
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(spin->value(), 81);
    }

    void allZeroRecord()
    {
        widget->setDeviceType(DEVICE_TYPE_JOYSTICK, true);
        control<QCheckBox>("force_enable")->setChecked(true);
        control<QSpinBox>("power_limit")->setValue(50);
        widget->setHardwareSettings(HardwareSettingsTypeDef{});

        QVERIFY(!control<QCheckBox>("force_enable")->isChecked());
        QVERIFY(!control<QCheckBox>("debug_forces")->isChecked());
        QCOMPARE(control<QComboBox>("calibration_mode")->currentText(), QStringLiteral("None"));
        QCOMPARE(control<QComboBox>("amplifier_gain")->currentText(), QStringLiteral("80V/V"));
        QCOMPARE(control<QSpinBox>("power_limit")->value(), 0);
        QCOMPARE(control<QSlider>("horizontalSlider_11")->value(), 0);
        QCOMPARE(control<QSpinBox>("speed_sample_buffer_size")->value(), 2);
        for (const char *axis : {"axis0", "axis1"}) {
            const QString a = QString::fromUtf8(axis);
            QVERIFY(!control<QCheckBox>(a + "_encoder_direction")->isChecked());
            QVERIFY(!control<QCheckBox>(a + "_force_direction")->isChecked());
            QCOMPARE(control<QSpinBox>(a + "_encoder_CPR")->value(), 0);
            QCOMPARE(control<QSpinBox>(a + "_pole_pair")->value(), 0);
        }
        for (const QString &name : gainEdits)
            QCOMPARE(control<QLineEdit>(name)->text(), QStringLiteral("0"));

        QByteArray expected(HARDWARE_SETTINGS_SIZE, '\0');
        expected[66] = 2;  // the spin box minimum
        for (int block : {AXIS0, AXIS1})
            expected[block] = expected[block + 1] = char(0xFF);
        QCOMPARE(hardwareRecordBytes(collect()), expected);
    }

    void directionBytes_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<bool>("checked");
        QTest::newRow("0") << 0 << false;
        QTest::newRow("1") << 1 << true;
        QTest::newRow("2") << 2 << false;
        QTest::newRow("0x7F") << 0x7F << false;
        QTest::newRow("0x81") << 0x81 << false;
        QTest::newRow("0xFF") << 0xFF << false;
    }

    void directionBytes()
    {
        QFETCH(int, byte);
        QFETCH(bool, checked);
        const QStringList boxes{"axis0_encoder_direction", "axis0_force_direction",
                                "axis1_encoder_direction", "axis1_force_direction"};
        const QList<int> offsets{AXIS0, AXIS0 + 1, AXIS1, AXIS1 + 1};
        for (int field = 0; field < boxes.size(); ++field) {
            // The other three direction bytes hold the opposite state, so a box
            // reading the wrong byte shows up.
            QByteArray bytes(HARDWARE_SETTINGS_SIZE, '\0');
            for (int other : offsets)
                bytes[other] = char(checked ? 0xFF : 1);
            bytes[offsets[field]] = char(byte);
            widget->setHardwareSettings(hardwareRecordFromBytes(bytes));
            for (int i = 0; i < boxes.size(); ++i)
                QCOMPARE(control<QCheckBox>(boxes[i])->isChecked(),
                         i == field ? checked : !checked);
            const QByteArray written = hardwareRecordBytes(collect());
            for (int i = 0; i < offsets.size(); ++i)
                QCOMPARE(uint8_t(written[offsets[i]]),
                         uint8_t((i == field) == checked ? 0x01 : 0xFF));
        }
    }

    void numericFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("width");
        QTest::addColumn<qint64>("loaded");
        QTest::addColumn<int>("shown");
        auto add = [](const char *tag, const char *name, int offset, int width, qint64 loaded,
                      int shown) {
            QTest::newRow(tag) << name << offset << width << loaded << shown;
        };
        add("power_limit", "power_limit", 48, 1, 11, 11);
        add("power_limit over 100", "power_limit", 48, 1, 255, 100);
        add("braking_limit", "braking_limit", 49, 1, 12, 12);
        add("calibration_magnitude", "calibration_magnitude", 50, 1, 13, 13);
        add("calibration_speed", "calibration_speed", 51, 1, 14, 14);
        add("calibration_current", "calibration_current", 52, 1, 15, 15);
        add("position_smoothing", "position_smoothing", 65, 1, 16, 16);
        add("buffer 0", "speed_sample_buffer_size", 66, 1, 0, 2);
        add("buffer 17", "speed_sample_buffer_size", 66, 1, 17, 17);
        add("buffer 200", "speed_sample_buffer_size", 66, 1, 200, 32);
        add("axis0 pole pairs", "axis0_pole_pair", AXIS0 + 2, 1, 7, 7);
        add("axis0 pole pairs 200", "axis0_pole_pair", AXIS0 + 2, 1, 200, 99);
        add("axis1 pole pairs", "axis1_pole_pair", AXIS1 + 2, 1, 21, 21);
        add("axis0 CPR 4096", "axis0_encoder_CPR", AXIS0 + 3, 2, 4096, 4096);
        add("axis0 CPR 65535", "axis0_encoder_CPR", AXIS0 + 3, 2, 65535, 65535);
        add("axis1 CPR 65535", "axis1_encoder_CPR", AXIS1 + 3, 2, 65535, 65535);
        add("axis1 CPR 0x1234", "axis1_encoder_CPR", AXIS1 + 3, 2, 0x1234, 0x1234);
    }

    void numericFields()
    {
        QFETCH(QString, name);
        QFETCH(int, offset);
        QFETCH(int, width);
        QFETCH(qint64, loaded);
        QFETCH(int, shown);
        QByteArray bytes(HARDWARE_SETTINGS_SIZE, '\0');
        putLe(bytes, offset, width, loaded);
        widget->setHardwareSettings(hardwareRecordFromBytes(bytes));
        QCOMPARE(control<QSpinBox>(name)->value(), shown);

        const QByteArray written = hardwareRecordBytes(collect());
        QCOMPARE(getLe(written, offset, width), qint64(shown));
    }

    void comboAndFlagCodes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("state");  // current index, or 1 / 0 for a check box
        QTest::addColumn<int>("written");
        for (int code = 0; code < 4; ++code)
            QTest::addRow("amplifier_gain %d", code)
                << "amplifier_gain" << 4 << code << code << code;
        QTest::newRow("amplifier_gain 4") << "amplifier_gain" << 4 << 4 << -1 << 0xFF;
        QTest::newRow("amplifier_gain 0xFF") << "amplifier_gain" << 4 << 0xFF << -1 << 0xFF;
        for (int code = 0; code < 3; ++code)
            QTest::addRow("calibration_mode %d", code)
                << "calibration_mode" << 3 << code << code << code;
        QTest::newRow("calibration_mode 3") << "calibration_mode" << 3 << 3 << -1 << 0xFF;
        QTest::newRow("force_enable 0") << "force_enable" << 0 << 0 << 0 << 0;
        QTest::newRow("force_enable 1") << "force_enable" << 0 << 1 << 1 << 1;
        QTest::newRow("force_enable 0x80") << "force_enable" << 0 << 0x80 << 1 << 1;
        QTest::newRow("debug_forces 1") << "debug_forces" << 1 << 1 << 1 << 1;
        QTest::newRow("debug_forces 0xFF") << "debug_forces" << 1 << 0xFF << 1 << 1;
    }

    void comboAndFlagCodes()
    {
        QFETCH(QString, name);
        QFETCH(int, offset);
        QFETCH(int, code);
        QFETCH(int, state);
        QFETCH(int, written);
        QByteArray bytes(HARDWARE_SETTINGS_SIZE, '\0');
        bytes[offset] = char(code);
        // Outside advanced mode the gain row is hidden but still carries its code.
        widget->setDeviceType(DEVICE_TYPE_JOYSTICK, false);
        widget->setHardwareSettings(hardwareRecordFromBytes(bytes));
        if (auto *box = widget->findChild<QCheckBox *>(name))
            QCOMPARE(int(box->isChecked()), state);
        else
            QCOMPARE(control<QComboBox>(name)->currentIndex(), state);
        QCOMPARE(int(uint8_t(hardwareRecordBytes(collect())[offset])), written);
    }

    void gainsLoadAndStorePerAxis()
    {
        HardwareSettingsTypeDef record{};
        record.axis[0].p_gain = 1.5f;
        record.axis[0].i_gain = 0.001f;
        record.axis[1].p_gain = -2.25f;
        record.axis[1].i_gain = 123456789.0f;
        widget->setHardwareSettings(record);
        const QStringList shown{"1.5", "0.001", "-2.25", "1.2345679e+08"};
        for (int i = 0; i < gainEdits.size(); ++i)
            QCOMPARE(control<QLineEdit>(gainEdits[i])->text(), shown[i]);

        // Copied out of the packed record: QCOMPARE binds references, and the
        // gains sit at unaligned offsets.
        const HardwareSettingsTypeDef out = collect();
        const float written[] = {out.axis[0].p_gain, out.axis[0].i_gain, out.axis[1].p_gain,
                                 out.axis[1].i_gain};
        QCOMPARE(written[0], 1.5f);
        QCOMPARE(written[1], 0.001f);  // the float nearest to 0.001
        QCOMPARE(written[2], -2.25f);
        // The field shows as many digits as the float needs to come back whole.
        QCOMPARE(written[3], 123456789.0f);
    }

    void gainText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("gain");
        QTest::newRow("1e-3") << "1e-3" << 0.001f;
        QTest::newRow("0.001") << "0.001" << 0.001f;
        QTest::newRow("negative") << "-0.5" << -0.5f;
        QTest::newRow("spaces") << " 2.5 " << 2.5f;
        QTest::newRow("float max") << "3.4e38" << 3.4e38f;
        QTest::newRow("empty") << "" << 0.0f;
        QTest::newRow("words") << "fast" << 0.0f;
        QTest::newRow("comma") << "1,5" << 1.5f;
        QTest::newRow("comma and point") << "1,000.5" << 0.0f;
        QTest::newRow("nan") << "nan" << 0.0f;
        QTest::newRow("inf") << "inf" << 0.0f;
        QTest::newRow("-inf") << "-inf" << 0.0f;
        QTest::newRow("beyond float") << "1e39" << 0.0f;
    }

    void gainText()
    {
        QFETCH(QString, text);
        QFETCH(float, gain);
        for (int i = 0; i < gainEdits.size(); ++i) {
            for (const QString &name : gainEdits)
                control<QLineEdit>(name)->setText(QStringLiteral("7"));
            control<QLineEdit>(gainEdits[i])->setText(text);
            const QByteArray written = hardwareRecordBytes(collect());
            for (int j = 0; j < gainOffsets.size(); ++j) {
                float value;
                std::memcpy(&value, written.constData() + gainOffsets[j], sizeof value);
                QCOMPARE(value, i == j ? gain : 7.0f);
            }
        }
    }

    void gainFieldsInAGermanLocale_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<float>("gain");  // what goes out when valid
        QTest::newRow("decimal comma") << "0,35" << true << 0.35f;
        QTest::newRow("decimal point") << "0.35" << true << 0.35f;
        QTest::newRow("exponent") << "2,5e-3" << true << 0.0025f;
        QTest::newRow("negative zero") << "-0" << true << -0.0f;
        QTest::newRow("words") << "abc" << false << 0.0f;
        QTest::newRow("empty") << "" << false << 0.0f;
        QTest::newRow("nan") << "nan" << false << 0.0f;
        QTest::newRow("infinity") << "inf" << false << 0.0f;
        QTest::newRow("beyond float") << "1e40" << false << 0.0f;
        QTest::newRow("grouped thousands") << "1.000,5" << false << 0.0f;
    }

    // A refused text marks its field, says why, disables the page, and
    // leaves the record's gain as it was instead of sending 0.
    void gainFieldsInAGermanLocale()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(float, gain);
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        HardwareSettingsTypeDef loaded{};
        for (auto &axis : loaded.axis) {
            axis.p_gain = 7.0f;
            axis.i_gain = 7.0f;
        }
        widget->setHardwareSettings(loaded);
        QVERIFY(widget->hasValidInput());
        QSignalSpy validity(widget, &FullHardwareSettingsWidget::validityChanged);

        auto *field = control<QLineEdit>(QStringLiteral("axis1_i_gain"));
        field->setText(text);
        QCOMPARE(widget->hasValidInput(), valid);
        QCOMPARE(validity.count(), valid ? 0 : 1);
        QCOMPARE(field->property("invalidInput").toBool(), !valid);
        QCOMPARE(field->toolTip().isEmpty(), valid);
        const HardwareSettingsTypeDef out = collect(loaded);
        const float sent = out.axis[1].i_gain;
        const float expected = valid ? gain : 7.0f;
        QCOMPARE(std::memcmp(&sent, &expected, sizeof sent), 0);

        field->setText(QStringLiteral("7"));
        QVERIFY(widget->hasValidInput());
        QCOMPARE(validity.count(), valid ? 0 : 2);
        QVERIFY(field->toolTip().isEmpty());
        QLocale::setDefault(before);
    }

    // Whatever a board holds in a gain, reading and applying it writes back
    // the very same bytes.
    void everyFiniteGainSurvivesTheField()
    {
        QRandomGenerator random(20240719);
        QList<quint32> patterns = {0x00000000, 0x80000000, 0x00000001, 0x807FFFFF, 0x00800000,
                                   0x7F7FFFFF, 0xFF7FFFFF, 0x3EB33333, 0x3A83126F, 0x4CEB79A3};
        while (patterns.size() < 5000)
            patterns << random.generate();
        for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
            const QLocale before;
            QLocale::setDefault(locale);
            for (const quint32 bits : std::as_const(patterns)) {
                float gain;
                std::memcpy(&gain, &bits, sizeof gain);
                if (!std::isfinite(gain))
                    continue;
                HardwareSettingsTypeDef in{};
                in.axis[0].p_gain = gain;
                widget->setHardwareSettings(in);
                const HardwareSettingsTypeDef out = collect();
                const float back = out.axis[0].p_gain;
                quint32 backBits;
                std::memcpy(&backBits, &back, sizeof backBits);
                QVERIFY2(backBits == bits,
                         qPrintable(
                             QStringLiteral("%1 shown as %2")
                                 .arg(bits, 8, 16, QLatin1Char('0'))
                                 .arg(control<QLineEdit>(QStringLiteral("axis0_p_gain"))->text())));
            }
            QLocale::setDefault(before);
        }
    }

    void calibrationModeTwoOnWheel()
    {
        widget->setDeviceType(DEVICE_TYPE_WHEEL, false);
        HardwareSettingsTypeDef record{};
        record.calibration_mode = CALIBRATION_AUTOMATIC_CENTER_SEARCH;
        widget->setHardwareSettings(record);

        auto *combo = control<QComboBox>("calibration_mode");
        QCOMPARE(combo->count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(combo->itemText(i), QString::fromUtf8(CALIBRATION_MODES[i]));
        QCOMPARE(combo->currentIndex(), 2);
        auto *view = qobject_cast<QListView *>(combo->view());
        QVERIFY(view);
        QVERIFY(view->isRowHidden(2));
        QVERIFY(!view->isRowHidden(1));
        QCOMPARE(collect().calibration_mode, uint8_t(2));

        // Once the user leaves mode 2, neither the keys nor the wheel bring it back.
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(combo->currentIndex(), 1);
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentIndex(), 1);
        QWheelEvent down(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(),
                         QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &down);
        QCOMPARE(combo->currentIndex(), 1);
        QCOMPARE(collect().calibration_mode, uint8_t(1));

        // The next load for another device offers mode 2 again.
        widget->setDeviceType(DEVICE_TYPE_JOYSTICK, false);
        widget->setHardwareSettings(record);
        QCOMPARE(combo->count(), 3);
        QVERIFY(!view->isRowHidden(2));
        QTest::keyClick(combo, Qt::Key_Up);
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentIndex(), 2);
    }

    void visibility_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<bool>("advanced");
        QTest::addColumn<bool>("calibrationSpeedShown");
        for (int type : {DEVICE_TYPE_GENERIC, DEVICE_TYPE_JOYSTICK, DEVICE_TYPE_RUDDER,
                         DEVICE_TYPE_WHEEL, DEVICE_TYPE_COLLECTIVE, 5, 255}) {
            for (bool advanced : {false, true})
                QTest::addRow("type %d %s", type, advanced ? "advanced" : "normal")
                    << type << advanced << (type != DEVICE_TYPE_WHEEL);
        }
    }

    void visibility()
    {
        QFETCH(int, deviceType);
        QFETCH(bool, advanced);
        QFETCH(bool, calibrationSpeedShown);
        // Start from the opposite state so that both showing and hiding count.
        widget->setDeviceType(
            deviceType == DEVICE_TYPE_WHEEL ? DEVICE_TYPE_JOYSTICK : DEVICE_TYPE_WHEEL, !advanced);
        widget->setDeviceType(deviceType, advanced);

        const QStringList always{"debug_forces",
                                 "force_enable",
                                 "label_74",
                                 "calibration_mode",
                                 "axis_tab",
                                 "label_32",
                                 "horizontalSlider_11",
                                 "power_limit",
                                 "label_34",
                                 "horizontalSlider_15",
                                 "calibration_magnitude",
                                 "label_33",
                                 "braking_slider",
                                 "braking_limit",
                                 "speed_sample_buffer_size_label",
                                 "speed_sample_buffer_size_slider",
                                 "speed_sample_buffer_size",
                                 "position_smoothing_label",
                                 "position_smoothing_slider",
                                 "position_smoothing",
                                 "axis0_p_gain_label",
                                 "axis0_p_gain",
                                 "axis0_i_gain_label",
                                 "axis0_i_gain",
                                 "axis1_p_gain_label",
                                 "axis1_p_gain",
                                 "axis1_i_gain_label",
                                 "axis1_i_gain"};
        for (const QString &name : always)
            QVERIFY2(!control<QWidget>(name)->isHidden(), qPrintable(name));
        for (const char *name :
             {"calibration_current_label", "calibration_current_slider", "calibration_current"})
            QVERIFY2(control<QWidget>(name)->isHidden(), name);
        for (const char *name :
             {"calibration_speed_label", "calibration_speed_slider", "calibration_speed"})
            QCOMPARE(!control<QWidget>(name)->isHidden(), calibrationSpeedShown);
        for (const char *name : {"amplifier_gain_label", "amplifier_gain"})
            QCOMPARE(!control<QWidget>(name)->isHidden(), advanced);

        // The slot alone applies the same rules for the stored device type.
        QVERIFY(QMetaObject::invokeMethod(widget, "disableUnsupportedElements",
                                          Q_ARG(bool, !advanced)));
        QCOMPARE(!control<QWidget>("amplifier_gain")->isHidden(), !advanced);
        QCOMPARE(!control<QWidget>("calibration_speed")->isHidden(), calibrationSpeedShown);
    }

    void axisTabsFollowLoadedDevice_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<bool>("secondTabShown");
        QTest::newRow("rudder to joystick") << 2 << 1 << true;
        QTest::newRow("joystick to rudder") << 1 << 2 << false;
        QTest::newRow("joystick to wheel") << 1 << 3 << false;
        QTest::newRow("joystick to collective") << 1 << 4 << false;
        QTest::newRow("joystick to generic") << 1 << 0 << true;
        QTest::newRow("rudder to generic") << 2 << 0 << false;
        QTest::newRow("joystick to 5") << 1 << 5 << true;
        QTest::newRow("wheel to 5") << 3 << 5 << false;
    }

    void axisTabsFollowLoadedDevice()
    {
        QFETCH(int, before);
        QFETCH(int, deviceType);
        QFETCH(bool, secondTabShown);
        auto *tabs = control<QTabWidget>("axis_tab");
        widget->setDeviceType(before, true);
        widget->setHardwareSettings({});
        widget->setDeviceType(deviceType, true);
        widget->setHardwareSettings({});
        QVERIFY(tabs->isTabVisible(0));
        QCOMPARE(tabs->isTabVisible(1), secondTabShown);
    }

    void onlyPanelBytesAreWritten()
    {
        // Load a record with sensible values in the panel's fields and noise
        // everywhere else.
        QByteArray loaded = hardwareRecordBytes(patternedHardwareRecord(0x11));
        const int values[][3] = {{0, 1, 1},   {1, 1, 1},   {3, 1, 1},   {4, 1, 2},
                                 {48, 1, 90}, {49, 1, 80}, {50, 1, 70}, {51, 1, 60},
                                 {52, 1, 50}, {65, 1, 40}, {66, 1, 30}};
        for (const auto &v : values)
            putLe(loaded, v[0], v[1], v[2]);
        for (int block : {AXIS0, AXIS1}) {
            putLe(loaded, block, 1, 1);
            putLe(loaded, block + 1, 1, 0xFF);
            putLe(loaded, block + 2, 1, 9);
            putLe(loaded, block + 3, 2, 40000);
            const float gains[] = {0.25f, 3.5f};
            std::memcpy(loaded.data() + block + 7, gains, sizeof gains);
        }
        widget->setDeviceType(DEVICE_TYPE_JOYSTICK, true);
        widget->setHardwareSettings(hardwareRecordFromBytes(loaded));

        const HardwareSettingsTypeDef fromZero = collect();
        const QByteArray target = hardwareRecordBytes(patternedHardwareRecord(0xC3));
        const QByteArray written = hardwareRecordBytes(collect(hardwareRecordFromBytes(target)));
        const QList<int> owned = hardwarePanelOffsets();
        for (int at = 0; at < HARDWARE_SETTINGS_SIZE; ++at) {
            const char expected =
                owned.contains(at) ? hardwareRecordBytes(fromZero)[at] : target[at];
            QVERIFY2(written[at] == expected, qPrintable(QString("byte %1").arg(at)));
        }
        // A read followed by a write hands the panel's fields back unchanged.
        for (int at : owned)
            QVERIFY2(written[at] == loaded[at], qPrintable(QString("byte %1").arg(at)));

        // Bytes outside the panel's fields do not influence what it shows.
        QByteArray otherNoise = hardwareRecordBytes(patternedHardwareRecord(0x77));
        for (int at : owned)
            otherNoise[at] = loaded[at];
        widget->setHardwareSettings(hardwareRecordFromBytes(otherNoise));
        QCOMPARE(hardwareRecordBytes(collect()), hardwareRecordBytes(fromZero));
    }

    void captionsAreTranslated()
    {
        MarkingTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        FullHardwareSettingsWidget translated;
        translated.setHardwareSettings({});
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(translated.findChild<QCheckBox *>("force_enable")->text(),
                 QStringLiteral("~Enable forces (requires reboot)"));
        QCOMPARE(translated.findChild<QTabWidget *>("axis_tab")->tabText(1),
                 QStringLiteral("~Axis 1"));
        QCOMPARE(translated.findChild<QComboBox *>("amplifier_gain")->itemText(3),
                 QStringLiteral("~10V/V"));
        auto *modes = translated.findChild<QComboBox *>("calibration_mode");
        for (int i = 0; i < 3; ++i)
            QCOMPARE(modes->itemText(i), "~" + QString::fromUtf8(CALIBRATION_MODES[i]));
    }
};

QTEST_MAIN(TestFullHardwareSettingsWidget)
#include "tst_fullhardwaresettingswidget.moc"
