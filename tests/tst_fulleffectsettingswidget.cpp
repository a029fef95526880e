#include "support/captions.h"
#include "support/effectformhelpers.h"
#include "ui/fulleffectsettingswidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <cstring>
#include <limits>

namespace {

QByteArray le16(int value)
{
    QByteArray bytes(2, '\0');
    bytes[0] = char(value & 0xFF);
    bytes[1] = char((value >> 8) & 0xFF);
    return bytes;
}

QByteArray floatBytes(float value)
{
    QByteArray bytes(4, '\0');
    std::memcpy(bytes.data(), &value, 4);  // the record is little-endian, as is this machine
    return bytes;
}

QByteArray freshFormBytes()
{
    QByteArray bytes(EFFECT_SETTINGS_SIZE, '\0');
    bytes[0] = char(0xFF);
    bytes[130] = 1;
    bytes[258] = 1;
    return bytes;
}

// Reserved ranges of the record: general block 4..127, then per axis block
// offset 13 and 16..127.
bool isReservedByte(int offset)
{
    if (offset < 128)
        return offset >= 4;
    const int inBlock = offset % 128;
    return inBlock == 13 || inBlock >= 16;
}

// The rows of the form: label, slider and spin box side by side.
struct FormRow {
    const char *page;
    int gridRow;
    const char *label;
    const char *text;
    const char *slider;
    int sliderMin;
    int sliderMax;
    const char *spinBox;
    int spinMax;
    bool wide;  // spin box at least 80 pixels wide
};

QList<FormRow> formRows()
{
    QList<FormRow> rows;
    static const int axis0GridRows[] = {1, 3, 5, 6, 7, 8, 9, 10};
    static const char *names[2][24] = {
        {"motion_range_label_axis0",
         "motion_range_slider_axis0",
         "motion_range_axis0",
         "label_2",
         "horizontalSlider_2",
         "total_effect_scale_axis0",
         "soft_stop_strength_label_axis0",
         "soft_stop_strength_slider_axis0",
         "soft_stop_strength_axis0",
         "soft_stop_range_label_axis0",
         "soft_stop_range_slider_axis0",
         "soft_stop_range_axis0",
         "static_dampening_label_axis0",
         "static_dampening_slider_axis0",
         "static_dampening_axis0",
         "dynamic_dampening_label_axis0",
         "dynamic_dampening_slider_axis0",
         "dynamic_dampening_axis0",
         "soft_stop_dampening_label_axis0",
         "soft_stop_dampening_slider_axis0",
         "soft_stop_dampening_axis0",
         "max_force_label_axis0",
         "max_force_slider_axis0",
         "max_force_axis0"},
        {"motion_range_label_axis1",
         "motion_range_slider_axis1",
         "motion_range_axis1",
         "label_3",
         "horizontalSlider_3",
         "total_effect_scale_axis1",
         "soft_stop_strength_label_axis1",
         "soft_stop_strength_slider_axis1",
         "soft_stop_strength_axis1",
         "soft_stop_range_label_axis1",
         "soft_stop_range_slider_axis1",
         "soft_stop_range_axis1",
         "static_dampening_label_axis1",
         "static_dampening_slider_axis1",
         "static_dampening_axis1",
         "dynamic_dampening_label_axis1",
         "dynamic_dampening_slider_axis1",
         "dynamic_dampening_axis1",
         "soft_stop_dampening_label_axis1",
         "soft_stop_dampening_slider_axis1",
         "soft_stop_dampening_axis1",
         "max_force_label_axis1",
         "max_force_slider_axis1",
         "max_force_axis1"},
    };
    struct Kind {
        const char *text;
        int sliderMin, sliderMax, spinMax;
        bool wide;
    };
    static const Kind kinds[8] = {
        {"Motion range (degrees)", 0, 1080, 9999, true},
        {"Total effect strength (%)", 0, 100, 100, true},
        {"Soft stop strength (%)", 0, 100, 100, true},
        {"Soft stop range (degrees)", 1, 45, 45, true},
        {"Static dampening (%)", 0, 100, 999, true},
        {"Dynamic dampening (%)", 0, 100, 999, false},
        {"Soft stop dampening (%)", 0, 100, 999, false},
        {"Max force available (kg)", 0, 100, 100, false},
    };
    for (int axis = 0; axis < 2; ++axis) {
        for (int i = 0; i < 8; ++i) {
            const Kind &k = kinds[i];
            rows.append({axis == 0 ? "axis0Tab" : "axis1Tab", axis == 0 ? axis0GridRows[i] : i,
                         names[axis][3 * i], k.text, names[axis][3 * i + 1], k.sliderMin,
                         k.sliderMax, names[axis][3 * i + 2], k.spinMax, k.wide});
        }
    }
    rows.append({"direct_x_group_box", 1, "direct_x_spring_label",
                 "DirectX spring forces strength (%)", "direct_x_spring_slider", 0, 100,
                 "direct_x_spring_strength", 100, true});
    rows.append({"direct_x_group_box", 2, "direct_x_constant_strength_label",
                 "DirectX constant forces strength (%)", "direct_x_constant_strength_slider", 0,
                 100, "direct_x_constant_strength", 100, true});
    rows.append({"direct_x_group_box", 3, "direct_x_periodic_strength_label",
                 "DirectX periodic forces strength (%)", "direct_x_periodic_strength_slider", 0,
                 100, "direct_x_periodic_strength", 100, true});
    return rows;
}

void typeInto(QSpinBox *spinBox, const QString &text)
{
    spinBox->selectAll();
    QTest::keyClicks(spinBox, text);
}

}  // namespace

class TestFullEffectSettingsWidget : public QObject
{
    Q_OBJECT

    FullEffectSettingsWidget *widget = nullptr;
    QTemporaryDir workDir;  // the widget makes its profile directory in the working directory

    template <typename T> T *control(const char *name)
    {
        T *found = widget->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qWarning("no control %s", name);
        return found;
    }

    QSpinBox *spinBox(const QString &name) { return control<QSpinBox>(qPrintable(name)); }
    QSlider *slider(const QString &name) { return control<QSlider>(qPrintable(name)); }

private slots:
    void initTestCase()
    {
        QVERIFY(workDir.isValid());
        QVERIFY(QDir::setCurrent(workDir.path()));
    }

    void init()
    {
        // A misspelt on_ slot is only reported as a warning while the form is built.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal for")));
        widget = new FullEffectSettingsWidget;
    }

    void cleanup()
    {
        delete widget;
        widget = nullptr;
    }

    void slotsKeepTheirMetaObjectOrder()
    {
        const QStringList expected = {
            "profileApplied()",
            "statusMessage(QString,bool)",
            "disableUnsupportedElements()",
            "on_profile_combo_box_activated(int)",
            "on_profile_save_button_clicked()",
            "on_profile_delete_button_clicked()",
            "applyProfile(QString)",
            "readProfiles()",
            "on_motion_range_axis0_valueChanged(int)",
            "on_motion_range_axis1_valueChanged(int)",
            "on_motion_range_slider_axis0_valueChanged(int)",
            "on_motion_range_slider_axis1_valueChanged(int)",
            "on_static_dampening_axis0_valueChanged(int)",
            "on_dynamic_dampening_axis0_valueChanged(int)",
            "on_soft_stop_dampening_axis0_valueChanged(int)",
            "on_static_dampening_slider_axis0_valueChanged(int)",
            "on_dynamic_dampening_slider_axis0_valueChanged(int)",
            "on_soft_stop_dampening_slider_axis0_valueChanged(int)",
            "on_static_dampening_axis1_valueChanged(int)",
            "on_dynamic_dampening_axis1_valueChanged(int)",
            "on_soft_stop_dampening_axis1_valueChanged(int)",
            "on_static_dampening_slider_axis1_valueChanged(int)",
            "on_dynamic_dampening_slider_axis1_valueChanged(int)",
            "on_soft_stop_dampening_slider_axis1_valueChanged(int)",
        };
        const QMetaObject &meta = FullEffectSettingsWidget::staticMetaObject;
        QStringList actual;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            actual << QString::fromLatin1(meta.method(i).methodSignature());
        QCOMPARE(actual, expected);
        QCOMPARE(meta.method(meta.methodOffset()).methodType(), QMetaMethod::Signal);
        QCOMPARE(meta.method(meta.methodOffset() + 1).methodType(), QMetaMethod::Signal);
        for (int i = meta.methodOffset() + 2; i < meta.methodCount(); ++i)
            QCOMPARE(meta.method(i).access(), QMetaMethod::Private);
    }

    void topLevelLayout()
    {
        QCOMPARE(widget->objectName(), QStringLiteral("FullEffectSettingsWidget"));
        QCOMPARE(widget->windowTitle(), QStringLiteral("Form"));
        QCOMPARE(widget->size(), QSize(448, 684));

        auto *vertical = control<QVBoxLayout>("verticalLayout");
        QVERIFY(vertical);
        QCOMPARE(vertical->contentsMargins(), QMargins(0, 0, 0, 0));
        QCOMPARE(vertical->count(), 4);
        QCOMPARE(vertical->itemAt(0)->widget(), control<QGroupBox>("profiles_group_box"));
        QCOMPARE(vertical->itemAt(1)->widget(), control<QTabWidget>("axis_tab"));
        QCOMPARE(vertical->itemAt(2)->widget(), control<QGroupBox>("direct_x_group_box"));
        QSpacerItem *spacer = vertical->itemAt(3)->spacerItem();
        QVERIFY(spacer);
        QCOMPARE(spacer->sizeHint(), QSize(20, 40));
        QCOMPARE(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
        QCOMPARE(spacer->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);

        auto *profiles = control<QGroupBox>("profiles_group_box");
        QVERIFY(profiles->title().isEmpty());
        auto *profileGrid = control<QGridLayout>("gridLayout_4");
        QCOMPARE(profiles->layout(), profileGrid);
        QCOMPARE(profileGrid->contentsMargins(), QMargins(9, 9, 9, 9));
        auto *combo = control<QComboBox>("profile_combo_box");
        QVERIFY(combo->isEditable());
        QCOMPARE(profileGrid->indexOf(combo),
                 profileGrid->indexOf(profileGrid->itemAtPosition(0, 0)));
        const QList<QPair<const char *, QString>> buttons = {{"profile_save_button", "Save"},
                                                             {"profile_delete_button", "Delete"}};
        for (int column = 1; column <= 2; ++column) {
            auto *button = control<QPushButton>(buttons[column - 1].first);
            QVERIFY(button);
            QCOMPARE(shownText(button), buttons[column - 1].second);
            QCOMPARE(profileGrid->itemAtPosition(0, column)->widget(), button);
            QCOMPARE(button->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
            QCOMPARE(button->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
            QCOMPARE(button->maximumWidth(), 100);
        }

        auto *tabs = control<QTabWidget>("axis_tab");
        QCOMPARE(tabs->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(tabs->sizePolicy().verticalPolicy(), QSizePolicy::Maximum);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Axis 0"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Axis 1"));
        QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("axis0Tab"));
        QCOMPARE(tabs->widget(1)->objectName(), QStringLiteral("axis1Tab"));
        QCOMPARE(tabs->widget(0)->layout()->objectName(), QStringLiteral("gridLayout"));
        QCOMPARE(tabs->widget(1)->layout()->objectName(), QStringLiteral("gridLayout_2"));
        QVERIFY(Qt::mightBeRichText(tabs->toolTip()));
        QVERIFY(tabs->toolTip().contains(QStringLiteral("font-size:10pt")));
        QTextDocument tip;
        tip.setHtml(tabs->toolTip());
        QCOMPARE(tip.toPlainText(),
                 QStringLiteral("Strength of all effects combined for corresponding axis. In "
                                "percents to what device can produce depending on other "
                                "settings."));

        auto *directX = control<QGroupBox>("direct_x_group_box");
        QCOMPARE(directX->title(), QStringLiteral("DirectX FFB"));
        QCOMPARE(directX->layout()->objectName(), QStringLiteral("gridLayout_3"));
        auto *invert = control<QCheckBox>("invert_constant_force");
        QCOMPARE(invert->text(), QStringLiteral("Invert constant force"));
        QVERIFY(!invert->isChecked());
        QCOMPARE(static_cast<QGridLayout *>(directX->layout())->itemAtPosition(0, 0)->widget(),
                 invert);
    }

    void settingsRows_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("gridRow");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("sliderMin");
        QTest::addColumn<int>("sliderMax");
        QTest::addColumn<QString>("spinBox");
        QTest::addColumn<int>("spinMax");
        QTest::addColumn<bool>("wide");
        for (const FormRow &row : formRows())
            QTest::addRow("%s", row.spinBox)
                << row.page << row.gridRow << row.label << row.text << row.slider << row.sliderMin
                << row.sliderMax << row.spinBox << row.spinMax << row.wide;
    }

    void settingsRows()
    {
        QFETCH(QString, page);
        QFETCH(int, gridRow);
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QString, slider);
        QFETCH(int, sliderMin);
        QFETCH(int, sliderMax);
        QFETCH(QString, spinBox);
        QFETCH(int, spinMax);
        QFETCH(bool, wide);

        auto *container = widget->findChild<QWidget *>(page);
        QVERIFY(container);
        auto *grid = qobject_cast<QGridLayout *>(container->layout());
        QVERIFY(grid);
        auto *labelWidget = widget->findChild<QLabel *>(label);
        auto *sliderWidget = this->slider(slider);
        auto *spin = this->spinBox(spinBox);
        QVERIFY(labelWidget && sliderWidget && spin);

        QCOMPARE(labelWidget->text(), text);
        QCOMPARE(grid->itemAtPosition(gridRow, 0)->widget(), labelWidget);
        QCOMPARE(grid->itemAtPosition(gridRow, 1)->widget(), sliderWidget);
        QCOMPARE(grid->itemAtPosition(gridRow, 2)->widget(), spin);

        QCOMPARE(sliderWidget->orientation(), Qt::Horizontal);
        QCOMPARE(sliderWidget->minimum(), sliderMin);
        QCOMPARE(sliderWidget->maximum(), sliderMax);
        QCOMPARE(sliderWidget->value(), sliderMin);
        QCOMPARE(sliderWidget->singleStep(), 1);
        QCOMPARE(spin->minimum(), sliderMin);
        QCOMPARE(spin->maximum(), spinMax);
        QCOMPARE(spin->value(), sliderMin);
        QCOMPARE(spin->singleStep(), 1);
        QCOMPARE(spin->minimumWidth(), wide ? 80 : 0);
    }

    void freshFormBuildsMinimumRecord()
    {
        QCOMPARE(effectRecordBytes(widget->getEffectSettings()), freshFormBytes());
    }

    // Each control stores exactly its own bytes, little-endian, and nothing else.
    void fieldEncoding_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("max force 25, axis 1") << "max_force_axis1" << 25 << 265 << floatBytes(25);
        QTest::newRow("max force slider 37, axis 0")
            << "max_force_slider_axis0" << 37 << 137 << floatBytes(37);
        QTest::newRow("max force 100, axis 0")
            << "max_force_axis0" << 100 << 137 << floatBytes(100);
        QTest::newRow("motion range 900, axis 0")
            << "motion_range_axis0" << 900 << 135 << le16(900);
        QTest::newRow("motion range 9999, axis 1")
            << "motion_range_axis1" << 9999 << 263 << le16(9999);
        QTest::newRow("motion range slider 1080, axis 1")
            << "motion_range_slider_axis1" << 1080 << 263 << le16(1080);
        QTest::newRow("static dampening 999, axis 0")
            << "static_dampening_axis0" << 999 << 131 << le16(999);
        QTest::newRow("dynamic dampening 513, axis 1")
            << "dynamic_dampening_axis1" << 513 << 261 << le16(513);
        QTest::newRow("soft stop dampening 300, axis 0")
            << "soft_stop_dampening_axis0" << 300 << 142 << le16(300);
        QTest::newRow("soft stop dampening slider 70, axis 1")
            << "soft_stop_dampening_slider_axis1" << 70 << 270 << le16(70);
        QTest::newRow("total effect 100, axis 1")
            << "total_effect_scale_axis1" << 100 << 256 << QByteArray(1, 100);
        QTest::newRow("total effect slider 55, axis 0")
            << "horizontalSlider_2" << 55 << 128 << QByteArray(1, 55);
        QTest::newRow("soft stop strength 77, axis 0")
            << "soft_stop_strength_axis0" << 77 << 129 << QByteArray(1, 77);
        QTest::newRow("soft stop range 45, axis 1")
            << "soft_stop_range_axis1" << 45 << 258 << QByteArray(1, 45);
        QTest::newRow("DirectX spring 10")
            << "direct_x_spring_strength" << 10 << 1 << QByteArray(1, 10);
        QTest::newRow("DirectX constant slider 20")
            << "direct_x_constant_strength_slider" << 20 << 2 << QByteArray(1, 20);
        QTest::newRow("DirectX periodic 30")
            << "direct_x_periodic_strength" << 30 << 3 << QByteArray(1, 30);
        QTest::newRow("invert checked") << "invert_constant_force" << 1 << 0 << QByteArray(1, 1);
    }

    void fieldEncoding()
    {
        QFETCH(QString, control);
        QFETCH(int, value);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);

        QObject *target = widget->findChild<QObject *>(control);
        QVERIFY(target);
        if (auto *spin = qobject_cast<QSpinBox *>(target))
            spin->setValue(value);
        else if (auto *sliderWidget = qobject_cast<QSlider *>(target))
            sliderWidget->setValue(value);
        else
            qobject_cast<QCheckBox *>(target)->setChecked(value != 0);

        QByteArray expected = freshFormBytes();
        expected.replace(offset, bytes.size(), bytes);
        QCOMPARE(effectRecordBytes(widget->getEffectSettings()), expected);
    }

    void receivedValuesAreClamped_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("spinBox");
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("shown");

        QTest::newRow("soft stop range 0") << 130 << QByteArray(1, 0) << "soft_stop_range_axis0"
                                           << "soft_stop_range_slider_axis0" << 1;
        QTest::newRow("soft stop range 200")
            << 258 << QByteArray(1, char(200)) << "soft_stop_range_axis1"
            << "soft_stop_range_slider_axis1" << 45;
        QTest::newRow("motion range 20000") << 135 << le16(20000) << "motion_range_axis0"
                                            << "motion_range_slider_axis0" << 9999;
        QTest::newRow("total effect 255")
            << 128 << QByteArray(1, char(255)) << "total_effect_scale_axis0"
            << "horizontalSlider_2" << 100;
        QTest::newRow("static dampening 65535") << 259 << le16(65535) << "static_dampening_axis1"
                                                << "static_dampening_slider_axis1" << 999;
        QTest::newRow("DirectX spring 200")
            << 1 << QByteArray(1, char(200)) << "direct_x_spring_strength"
            << "direct_x_spring_slider" << 100;

        const auto maxForce = [](const char *name, float value, int shown) {
            QTest::newRow(name) << 137 << floatBytes(value) << "max_force_axis0"
                                << "max_force_slider_axis0" << shown;
        };
        maxForce("max force 150.0", 150.0f, 100);
        maxForce("max force 12.7", 12.7f, 12);
        maxForce("max force 99.99", 99.99f, 99);
        maxForce("max force -0.7", -0.7f, 0);
        maxForce("max force -55.0", -55.0f, 0);
        maxForce("max force 3.0e9", 3.0e9f, 0);
        maxForce("max force -3.0e9", -3.0e9f, 0);
        maxForce("max force 2^31", 2147483648.0f, 0);
        maxForce("max force just below 2^31", 2147483520.0f, 100);
        maxForce("max force NaN", std::numeric_limits<float>::quiet_NaN(), 0);
        maxForce("max force +inf", std::numeric_limits<float>::infinity(), 0);
        maxForce("max force -inf", -std::numeric_limits<float>::infinity(), 0);
    }

    void receivedValuesAreClamped()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, spinBox);
        QFETCH(QString, slider);
        QFETCH(int, shown);

        QSpinBox *spin = this->spinBox(spinBox);
        QSlider *sliderWidget = this->slider(slider);
        QVERIFY(spin && sliderWidget);
        // Start away from the expected value so that "left unchanged" cannot pass.
        spin->setValue(shown == spin->minimum() ? spin->minimum() + 1 : spin->minimum());

        QByteArray received(EFFECT_SETTINGS_SIZE, '\0');
        received.replace(offset, bytes.size(), bytes);
        widget->setEffectSettings(effectRecordFromBytes(received));

        QCOMPARE(spin->value(), shown);
        QCOMPARE(sliderWidget->value(), shown);
    }

    void invertConstantForce_data()
    {
        QTest::addColumn<int>("received");
        QTest::addColumn<bool>("checked");
        QTest::newRow("0") << 0x00 << false;
        QTest::newRow("0x80 (-128)") << 0x80 << false;
        QTest::newRow("0xFF (-1)") << 0xFF << false;
        QTest::newRow("1") << 0x01 << true;
        QTest::newRow("2") << 0x02 << true;
        QTest::newRow("0x7F (127)") << 0x7F << true;
    }

    void invertConstantForce()
    {
        QFETCH(int, received);
        QFETCH(bool, checked);

        auto *box = control<QCheckBox>("invert_constant_force");
        box->setChecked(!checked);
        QByteArray bytes(EFFECT_SETTINGS_SIZE, '\0');
        bytes[0] = char(received);
        widget->setEffectSettings(effectRecordFromBytes(bytes));

        QCOMPARE(box->isChecked(), checked);
        // Left alone, the board's byte goes back as it came; once the box is
        // used, it writes one of its two values.
        QCOMPARE(widget->getEffectSettings().invert_constant_force, int8_t(received));
        box->toggle();
        QCOMPARE(widget->getEffectSettings().invert_constant_force, int8_t(checked ? -1 : 1));
    }

    void mirroredPairs_data()
    {
        QTest::addColumn<QString>("spinBox");
        QTest::addColumn<QString>("slider");
        for (const FormRow &row : formRows())
            QTest::addRow("%s", row.spinBox) << row.spinBox << row.slider;
    }

    void mirroredPairs()
    {
        QFETCH(QString, spinBox);
        QFETCH(QString, slider);
        QSpinBox *spin = this->spinBox(spinBox);
        QSlider *sliderWidget = this->slider(slider);
        QVERIFY(spin && sliderWidget);

        const int high = sliderWidget->maximum();
        const int middle = (sliderWidget->minimum() + high) / 2;
        sliderWidget->setValue(high);
        QCOMPARE(spin->value(), high);
        sliderWidget->setValue(middle);
        QCOMPARE(spin->value(), middle);

        typeInto(spin, QString::number(high));
        QCOMPARE(spin->value(), high);
        QCOMPARE(sliderWidget->value(), high);
        spin->setValue(sliderWidget->minimum());
        QCOMPARE(sliderWidget->value(), sliderWidget->minimum());
    }

    void spinBoxStretchesItsSlider_data()
    {
        QTest::addColumn<QString>("spinBox");
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("sliderMax");

        QTest::newRow("static dampening 500") << "static_dampening_axis0"
                                              << "static_dampening_slider_axis0"
                                              << "500" << 500;
        QTest::newRow("dynamic dampening 999") << "dynamic_dampening_axis0"
                                               << "dynamic_dampening_slider_axis0"
                                               << "999" << 999;
        QTest::newRow("soft stop dampening 250") << "soft_stop_dampening_axis0"
                                                 << "soft_stop_dampening_slider_axis0"
                                                 << "250" << 250;
        QTest::newRow("static dampening 101, axis 1") << "static_dampening_axis1"
                                                      << "static_dampening_slider_axis1"
                                                      << "101" << 101;
        QTest::newRow("dynamic dampening 640, axis 1") << "dynamic_dampening_axis1"
                                                       << "dynamic_dampening_slider_axis1"
                                                       << "640" << 640;
        QTest::newRow("soft stop dampening 999, axis 1") << "soft_stop_dampening_axis1"
                                                         << "soft_stop_dampening_slider_axis1"
                                                         << "999" << 999;
        QTest::newRow("motion range 2000") << "motion_range_axis0"
                                           << "motion_range_slider_axis0"
                                           << "2000" << 2000;
        QTest::newRow("motion range 9999, axis 1") << "motion_range_axis1"
                                                   << "motion_range_slider_axis1"
                                                   << "9999" << 9999;
        QTest::newRow("motion range 900 fits") << "motion_range_axis0"
                                               << "motion_range_slider_axis0"
                                               << "900" << 1080;
        QTest::newRow("static dampening 60 fits") << "static_dampening_axis0"
                                                  << "static_dampening_slider_axis0"
                                                  << "60" << 100;
    }

    void spinBoxStretchesItsSlider()
    {
        QFETCH(QString, spinBox);
        QFETCH(QString, slider);
        QFETCH(QString, typed);
        QFETCH(int, sliderMax);
        QSpinBox *spin = this->spinBox(spinBox);
        QSlider *sliderWidget = this->slider(slider);
        QVERIFY(spin && sliderWidget);

        typeInto(spin, typed);
        QCOMPARE(spin->value(), typed.toInt());
        QCOMPARE(sliderWidget->value(), typed.toInt());
        QCOMPARE(sliderWidget->maximum(), sliderMax);

        // The stretched slider now sweeps the whole widened range.
        sliderWidget->setValue(0);
        QCOMPARE(spin->value(), 0);
        QCOMPARE(sliderWidget->maximum(), sliderMax);
        sliderWidget->setValue(sliderMax);
        QCOMPARE(spin->value(), sliderMax);
    }

    void deviceTypePullsMotionRangeBack()
    {
        QSpinBox *spin = spinBox("motion_range_axis1");
        QSlider *sliderWidget = slider("motion_range_slider_axis1");
        typeInto(spin, "2000");
        QCOMPARE(sliderWidget->maximum(), 2000);

        widget->setDeviceType(DEVICE_TYPE_JOYSTICK);
        QCOMPARE(sliderWidget->maximum(), 1080);
        QCOMPARE(sliderWidget->value(), 1080);
        QCOMPARE(spin->value(), 1080);
        QCOMPARE(spin->maximum(), 9999);
        QCOMPARE(uint16_t(widget->getEffectSettings().axis[1].motion_range), uint16_t(1080));
    }

    void receivedMotionRangeStretchesSlider()
    {
        EffectSettingsTypeDef settings{};
        settings.axis[0].motion_range = 3000;
        settings.axis[1].motion_range = 1500;
        widget->setEffectSettings(settings);
        QCOMPARE(spinBox("motion_range_axis0")->value(), 3000);
        QCOMPARE(slider("motion_range_slider_axis0")->value(), 3000);
        QCOMPARE(slider("motion_range_slider_axis0")->maximum(), 3000);
        QCOMPARE(slider("motion_range_slider_axis1")->value(), 1500);
        QCOMPARE(slider("motion_range_slider_axis1")->maximum(), 1500);
    }

    // A force the form rounds is listed as read in the window language's
    // notation, not in the C locale's.
    void roundedForceListedInTheWindowLanguage()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        EffectSettingsTypeDef settings{};
        settings.axis[0].max_force = 7.5f;
        widget->setEffectSettings(settings);
        QLocale::setDefault(before);
        QStringList forces;
        for (const UnshowableValue &value : widget->unshowableValues())
            if (value.control == spinBox("max_force_axis0"))
                forces << value.readValue + QStringLiteral(" → ") + value.sentValue;
        QCOMPARE(forces, QStringList{QStringLiteral("7,5 → 7")});
    }

    void deviceTypeVisibility_data()
    {
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<bool>("secondTab");
        QTest::addColumn<bool>("maxForce");

        QTest::newRow("never set") << QList<int>{} << true << true;
        QTest::newRow("joystick") << QList<int>{1} << true << true;
        QTest::newRow("rudder") << QList<int>{2} << false << true;
        QTest::newRow("wheel") << QList<int>{3} << false << false;
        QTest::newRow("collective") << QList<int>{4} << false << true;
        QTest::newRow("joystick after wheel") << QList<int>{3, 1} << true << true;
        QTest::newRow("generic on a fresh form") << QList<int>{0} << true << true;
        QTest::newRow("generic after wheel") << QList<int>{3, 0} << false << true;
        QTest::newRow("unknown 7 after wheel") << QList<int>{3, 7} << false << true;
        QTest::newRow("unknown 7 after joystick") << QList<int>{1, 7} << true << true;
        QTest::newRow("wheel after unknown -1") << QList<int>{-1, 3} << false << false;
    }

    void deviceTypeVisibility()
    {
        QFETCH(QList<int>, types);
        QFETCH(bool, secondTab);
        QFETCH(bool, maxForce);

        for (int type : types)
            widget->setDeviceType(type);

        auto *tabs = control<QTabWidget>("axis_tab");
        QVERIFY(tabs->isTabVisible(0));
        QCOMPARE(tabs->isTabVisible(1), secondTab);

        for (const char *name :
             {"max_force_label_axis0", "max_force_slider_axis0", "max_force_axis0",
              "max_force_label_axis1", "max_force_slider_axis1", "max_force_axis1"})
            QVERIFY2(control<QWidget>(name)->isHidden() != maxForce, name);

        QVERIFY(!control<QWidget>("direct_x_group_box")->isHidden());
        QVERIFY(!control<QWidget>("profiles_group_box")->isHidden());
        QVERIFY(!control<QWidget>("invert_constant_force")->isHidden());
        for (const FormRow &row : formRows()) {
            if (QByteArray(row.spinBox).startsWith("max_force"))
                continue;
            for (const char *name : {row.label, row.slider, row.spinBox})
                QVERIFY2(!control<QWidget>(name)->isHidden(), name);
        }
    }

    void hiddenMaxForceStillRecorded()
    {
        widget->setDeviceType(DEVICE_TYPE_WHEEL);
        slider("max_force_slider_axis0")->setValue(37);
        spinBox("max_force_axis1")->setValue(80);
        QVERIFY(spinBox("max_force_axis0")->isHidden());

        const EffectSettingsTypeDef settings = widget->getEffectSettings();
        QCOMPARE(float(settings.axis[0].max_force), 37.0f);
        QCOMPARE(float(settings.axis[1].max_force), 80.0f);
    }

    void reservedBytesDoNotComeBack()
    {
        QRandomGenerator random(20240719);
        const EffectSettingsTypeDef expected = randomInRangeEffectRecord(random);
        QByteArray received = effectRecordBytes(expected);
        for (int i = 0; i < received.size(); ++i)
            if (isReservedByte(i))
                received[i] = char(0xA5 ^ i);

        widget->setEffectSettings(effectRecordFromBytes(received));
        const QByteArray sent = effectRecordBytes(widget->getEffectSettings());
        QCOMPARE(sent, effectRecordBytes(expected));
        for (int i = 0; i < sent.size(); ++i)
            if (isReservedByte(i))
                QCOMPARE(sent[i], '\0');
    }

    void roundTripOfInRangeRecords()
    {
        QRandomGenerator random(4711);
        widget->setDeviceType(DEVICE_TYPE_JOYSTICK);
        for (int i = 0; i < 200; ++i) {
            const EffectSettingsTypeDef record = randomInRangeEffectRecord(random);
            widget->setEffectSettings(record);
            const QByteArray back = effectRecordBytes(widget->getEffectSettings());
            if (back != effectRecordBytes(record))
                QFAIL(qPrintable(
                    QStringLiteral("record %1 changed on its way through the form").arg(i)));
        }
    }
};

QTEST_MAIN(TestFullEffectSettingsWidget)
#include "tst_fulleffectsettingswidget.moc"
