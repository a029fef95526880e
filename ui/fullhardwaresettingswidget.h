#pragma once

#include "settings/hardwaresettings.h"
#include "ui/unshowablevalues.h"

#include <QString>
#include <QWidget>

class QLineEdit;

namespace Ui {
class FullHardwareSettingsWidget;
}

// The "Hardware" page: the motor-side fields of HardwareSettingsTypeDef. The
// GPIO, button, SPI extension and analog-axis fields of the same record are
// the main window's I/O tabs; this widget never touches them.
class FullHardwareSettingsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit FullHardwareSettingsWidget(QWidget *parent = nullptr);
    ~FullHardwareSettingsWidget() override;

    // Remembers the board's device type (FirmwareInfoTypeDef::deviceType) and
    // shows the controls that suit it and the tool's mode.
    void setDeviceType(int deviceType, bool advanced);

    void setHardwareSettings(const HardwareSettingsTypeDef &record);
    // Writes only this page's fields; every other byte of the record is left
    // as the caller had it.
    void getHardwareSettings(HardwareSettingsTypeDef &record) const;

    // This page's fields of the last record loaded that its controls could
    // not hold, and so would send changed.
    QList<UnshowableValue> unshowableValues() const { return unshowable; }
    // After the record was written, the board holds what the form shows.
    void clearUnshowableValues();

    // False while a gain field holds anything but a finite number; the
    // hardware settings must not be sent then.
    bool hasValidInput() const;

    // The text a gain field shows for `gain`: the shortest that reads back
    // as the very same float, so that reading and applying changes nothing.
    static QString gainText(float gain);
    // A gain typed by the user, with a point or the decimal separator of the
    // user's locale; false for anything that is not a finite float.
    static bool parseGain(const QString &text, float &gain);

signals:
    void validityChanged(bool valid);

public slots:
    void disableUnsupportedElements(bool advanced);

private:
    // Marks a gain field that holds no usable number and says why in its
    // tooltip, then tells listeners when the page as a whole turned valid or
    // invalid.
    void checkGainField(QLineEdit *field);

    bool inputValid = false;

    QList<UnshowableValues::Field<HardwareSettingsTypeDef>> pageFields() const;

    Ui::FullHardwareSettingsWidget *ui;
    QList<UnshowableValue> unshowable;
    // No board is known before the first setDeviceType; 0 (generic) shows the
    // full single-axis set of controls.
    int deviceType = 0;
};
