#include "fullhardwaresettingswidget.h"
#include "ui_fullhardwaresettingswidget.h"

#include "device/firmwareinfo.h"
#include "ui/widgets/widgethelpers.h"

#include <QLocale>

#include <cmath>
#include <cstring>

namespace {

struct AxisControls {
    QCheckBox *encoderDirection;
    QCheckBox *forceDirection;
    QSpinBox *encoderCpr;
    QSpinBox *polePairs;
    QLabel *pGainLabel;
    QLineEdit *pGain;
    QLabel *iGainLabel;
    QLineEdit *iGain;
};

AxisControls axisControls(const Ui::FullHardwareSettingsWidget *ui, int axis)
{
    if (axis == 0)
        return {ui->axis0_encoder_direction, ui->axis0_force_direction, ui->axis0_encoder_CPR,
                ui->axis0_pole_pair,         ui->axis0_p_gain_label,    ui->axis0_p_gain,
                ui->axis0_i_gain_label,      ui->axis0_i_gain};
    return {ui->axis1_encoder_direction, ui->axis1_force_direction, ui->axis1_encoder_CPR,
            ui->axis1_pole_pair,         ui->axis1_p_gain_label,    ui->axis1_p_gain,
            ui->axis1_i_gain_label,      ui->axis1_i_gain};
}

// The board treats exactly +1 as "inverted"; anything else it reads, and
// everything this tool writes for "not inverted", is -1.
constexpr int8_t DIRECTION_INVERTED = 1;
constexpr int8_t DIRECTION_NORMAL = -1;

int8_t directionByte(const QCheckBox *box)
{
    return box->isChecked() ? DIRECTION_INVERTED : DIRECTION_NORMAL;
}

// Nine significant digits tell any two floats apart.
constexpr int FLOAT_ROUND_TRIP_DIGITS = 9;

// Record bytes hold the low byte of a combo index or spin value, so a combo
// box without a current item (-1) is stored as 0xFF.
uint8_t lowByte(int value)
{
    return uint8_t(value & 0xFF);
}

}  // namespace

FullHardwareSettingsWidget::FullHardwareSettingsWidget(QWidget *parent)
    : QWidget(parent), ui(new Ui::FullHardwareSettingsWidget)
{
    ui->setupUi(this);
    for (int axis = 0; axis < HARDWARE_AXIS_COUNT; ++axis) {
        const AxisControls controls = axisControls(ui, axis);
        for (QLineEdit *field : {controls.pGain, controls.iGain})
            connect(field, &QLineEdit::textChanged, this, [this, field] { checkGainField(field); });
    }
    // The fields start empty, which is no number, so the page starts
    // invalid; they are marked once something has been loaded or typed.
}

QString FullHardwareSettingsWidget::gainText(float gain)
{
    // QString::number drops the sign of a negative zero, whose bytes differ.
    if (gain == 0.0f && std::signbit(gain))
        return QStringLiteral("-0");
    // In the interface language's notation, without group separators.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    float back = 0.0f;
    for (int digits = 1; digits < FLOAT_ROUND_TRIP_DIGITS; ++digits) {
        const QString text = locale.toString(double(gain), 'g', digits);
        if (parseGain(text, back) && std::memcmp(&back, &gain, sizeof gain) == 0)
            return text;
    }
    return locale.toString(double(gain), 'g', FLOAT_ROUND_TRIP_DIGITS);
}

bool FullHardwareSettingsWidget::parseGain(const QString &text, float &gain)
{
    // The point and the comma are both a decimal separator in every language
    // (a German user on an English system types "0,35"); group separators are
    // never taken, so "1,000" is one and "1.000,5" is refused, rather than
    // a thousand. Then the interface language's own notation, for a locale
    // whose separator or minus sign is another character.
    bool ok = false;
    double value =
        QLocale::c().toDouble(withDecimalSeparator(text.trimmed(), QStringLiteral(".")), &ok);
    if (!ok) {
        QLocale locale;
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        value = locale.toDouble(text.trimmed(), &ok);
    }
    // A non-finite gain would reach the motor's current loop, and a value
    // beyond the float range has no float to become. The range ends half a
    // step above the largest float, where rounding would give infinity.
    const double floatOverflow = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
    if (!ok || !std::isfinite(value) || std::fabs(value) >= floatOverflow)
        return false;
    gain = float(value);
    return true;
}

bool FullHardwareSettingsWidget::hasValidInput() const
{
    return inputValid;
}

void FullHardwareSettingsWidget::checkGainField(QLineEdit *field)
{
    float gain = 0.0f;
    const bool valid = parseGain(field->text(), gain);
    field->setProperty("invalidInput", !valid);
    field->setStyleSheet(valid ? QString() : QStringLiteral("QLineEdit { background: #ffd6d6; }"));
    field->setToolTip(valid ? QString()
                            : tr("Not a number: type a finite decimal number such as %1 "
                                 "(a point or a comma separates the decimals).")
                                  .arg(QLocale().toString(0.35)));

    bool allValid = true;
    for (int axis = 0; axis < HARDWARE_AXIS_COUNT; ++axis) {
        const AxisControls controls = axisControls(ui, axis);
        for (const QLineEdit *gainField : {controls.pGain, controls.iGain})
            allValid = allValid && parseGain(gainField->text(), gain);
    }
    if (allValid != inputValid) {
        inputValid = allValid;
        emit validityChanged(inputValid);
    }
}

FullHardwareSettingsWidget::~FullHardwareSettingsWidget()
{
    delete ui;
}

void FullHardwareSettingsWidget::setDeviceType(int deviceType, bool advanced)
{
    this->deviceType = deviceType;
    disableUnsupportedElements(advanced);
}

void FullHardwareSettingsWidget::setHardwareSettings(const HardwareSettingsTypeDef &record)
{
    // Rebuilt on every load so the translation in force and the wheel's
    // restriction apply. A wheel cannot search its centre automatically, but a
    // board that already uses mode 2 still shows it as the current item.
    ui->calibration_mode->clear();
    ui->calibration_mode->addItem(tr("None"));
    ui->calibration_mode->addItem(tr("Calibration start angle as the center"));
    ui->calibration_mode->addItem(tr("Automatic center of range search"));
    setComboRowHidden(ui->calibration_mode, CALIBRATION_AUTOMATIC_CENTER_SEARCH,
                      deviceType == DEVICE_TYPE_WHEEL);

    setAxisTabsForDevice(ui->axis_tab, deviceType);

    ui->force_enable->setChecked(record.force_enable != 0);
    ui->debug_forces->setChecked(record.debug_forces != 0);

    ui->amplifier_gain->setCurrentIndex(record.amplifier_gain);
    ui->calibration_mode->setCurrentIndex(record.calibration_mode);

    ui->power_limit->setValue(record.power_limit);
    ui->calibration_magnitude->setValue(record.calibration_magnitude);
    ui->calibration_speed->setValue(record.calibration_speed);
    ui->calibration_current->setValue(record.calibration_current);
    ui->braking_limit->setValue(record.braking_limit);
    ui->speed_sample_buffer_size->setValue(record.speed_sample_buffer_size);
    ui->position_smoothing->setValue(record.position_smoothing);

    for (int axis = 0; axis < HARDWARE_AXIS_COUNT; ++axis) {
        const HardwareAxisSettingsTypeDef &block = record.axis[axis];
        const AxisControls controls = axisControls(ui, axis);
        controls.encoderDirection->setChecked(block.encoder_direction == DIRECTION_INVERTED);
        controls.forceDirection->setChecked(block.force_direction == DIRECTION_INVERTED);
        controls.encoderCpr->setValue(block.encoder_cpr);
        controls.polePairs->setValue(block.pole_pairs);
        controls.pGain->setText(gainText(block.p_gain));
        controls.iGain->setText(gainText(block.i_gain));
    }

    // Built over the record itself, so that only this page's fields can differ.
    HardwareSettingsTypeDef shown = record;
    getHardwareSettings(shown);
    const auto fields = pageFields();
    unshowable = UnshowableValues::find(fields, record, shown);
    UnshowableValues::mark(UnshowableValues::controlsOf(fields), unshowable);
}

void FullHardwareSettingsWidget::clearUnshowableValues()
{
    unshowable.clear();
    UnshowableValues::mark(UnshowableValues::controlsOf(pageFields()), unshowable);
}

QList<UnshowableValues::Field<HardwareSettingsTypeDef>>
FullHardwareSettingsWidget::pageFields() const
{
    using Record = HardwareSettingsTypeDef;
    // Fields are read through the packed record, never through a pointer,
    // and copied out by value before they are formatted.
    const auto number = [](auto value) { return QString::number(value); };
    QList<UnshowableValues::Field<Record>> fields = {
        {ui->force_enable, [number](const Record &r) { return number(r.force_enable); }},
        {ui->debug_forces, [number](const Record &r) { return number(r.debug_forces); }},
        {ui->amplifier_gain, [number](const Record &r) { return number(r.amplifier_gain); }},
        {ui->calibration_mode, [number](const Record &r) { return number(r.calibration_mode); }},
        {ui->power_limit, [number](const Record &r) { return number(r.power_limit); }},
        {ui->calibration_magnitude,
         [number](const Record &r) { return number(r.calibration_magnitude); }},
        {ui->calibration_speed, [number](const Record &r) { return number(r.calibration_speed); }},
        {ui->calibration_current,
         [number](const Record &r) { return number(r.calibration_current); }},
        {ui->braking_limit, [number](const Record &r) { return number(r.braking_limit); }},
        {ui->speed_sample_buffer_size,
         [number](const Record &r) { return number(r.speed_sample_buffer_size); }},
        {ui->position_smoothing,
         [number](const Record &r) { return number(r.position_smoothing); }},
    };
    // As the gain fields show it: the shortest text that reads back as the
    // same float, in the window language's notation.
    const auto gain = [](float value) { return gainText(value); };
    for (int a = 0; a < HARDWARE_AXIS_COUNT; ++a) {
        const AxisControls c = axisControls(ui, a);
        fields.append({c.encoderDirection, [a, number](const Record &r) {
                           return number(r.axis[a].encoder_direction);
                       }});
        fields.append({c.forceDirection,
                       [a, number](const Record &r) { return number(r.axis[a].force_direction); }});
        fields.append(
            {c.encoderCpr, [a, number](const Record &r) { return number(r.axis[a].encoder_cpr); }});
        fields.append(
            {c.polePairs, [a, number](const Record &r) { return number(r.axis[a].pole_pairs); }});
        fields.append({c.pGain, [a, gain](const Record &r) { return gain(r.axis[a].p_gain); }});
        fields.append({c.iGain, [a, gain](const Record &r) { return gain(r.axis[a].i_gain); }});
    }
    return fields;
}

void FullHardwareSettingsWidget::getHardwareSettings(HardwareSettingsTypeDef &record) const
{
    // Hidden controls are read like visible ones: a field this device does not
    // use goes back to the board as it was loaded.
    record.force_enable = ui->force_enable->isChecked() ? 1 : 0;
    record.debug_forces = ui->debug_forces->isChecked() ? 1 : 0;
    record.amplifier_gain = lowByte(ui->amplifier_gain->currentIndex());
    record.calibration_mode = lowByte(ui->calibration_mode->currentIndex());
    record.power_limit = lowByte(ui->power_limit->value());
    record.calibration_magnitude = lowByte(ui->calibration_magnitude->value());
    record.calibration_speed = lowByte(ui->calibration_speed->value());
    record.calibration_current = lowByte(ui->calibration_current->value());
    record.braking_limit = lowByte(ui->braking_limit->value());
    record.position_smoothing = lowByte(ui->position_smoothing->value());
    record.speed_sample_buffer_size = lowByte(ui->speed_sample_buffer_size->value());

    for (int axis = 0; axis < HARDWARE_AXIS_COUNT; ++axis) {
        HardwareAxisSettingsTypeDef &block = record.axis[axis];
        const AxisControls controls = axisControls(ui, axis);
        block.encoder_direction = directionByte(controls.encoderDirection);
        block.force_direction = directionByte(controls.forceDirection);
        // The spin box stops at 65535, so the value always fits the field.
        block.encoder_cpr = uint16_t(controls.encoderCpr->value());
        block.pole_pairs = lowByte(controls.polePairs->value());
        // A field without a usable number leaves the record's gain as it
        // was; the window sends nothing while one is invalid anyway.
        float gain = 0.0f;
        if (parseGain(controls.pGain->text(), gain))
            block.p_gain = gain;
        if (parseGain(controls.iGain->text(), gain))
            block.i_gain = gain;
    }
}

void FullHardwareSettingsWidget::disableUnsupportedElements(bool advanced)
{
    const bool wheel = deviceType == DEVICE_TYPE_WHEEL;

    // A wheel does not use the calibration speed. The calibration stop current
    // is offered on no device; the value loaded from the board goes back as it
    // came.
    ui->calibration_speed->setVisible(!wheel);
    ui->calibration_speed_label->setVisible(!wheel);
    ui->calibration_speed_slider->setVisible(!wheel);
    ui->calibration_current->setVisible(false);
    ui->calibration_current_label->setVisible(false);
    ui->calibration_current_slider->setVisible(false);

    ui->speed_sample_buffer_size->setVisible(true);
    ui->speed_sample_buffer_size_label->setVisible(true);
    ui->speed_sample_buffer_size_slider->setVisible(true);
    ui->position_smoothing->setVisible(true);
    ui->position_smoothing_label->setVisible(true);
    ui->position_smoothing_slider->setVisible(true);

    for (int axis = 0; axis < HARDWARE_AXIS_COUNT; ++axis) {
        const AxisControls controls = axisControls(ui, axis);
        controls.pGainLabel->setVisible(true);
        controls.pGain->setVisible(true);
        controls.iGainLabel->setVisible(true);
        controls.iGain->setVisible(true);
    }

    // A wrong current-sense gain makes the board misread its motor current,
    // so the setting is offered only in advanced mode.
    ui->amplifier_gain->setVisible(advanced);
    ui->amplifier_gain_label->setVisible(advanced);
}
