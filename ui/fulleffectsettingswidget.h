#pragma once

#include "device/firmwareinfo.h"
#include "settings/boardbackup.h"
#include "settings/effectsettings.h"
#include "ui/unshowablevalues.h"

#include <QDir>
#include <QString>
#include <QWidget>

class ProfileExchange;
#include <functional>
#include <optional>

namespace Ui {
class FullEffectSettingsWidget;
}

// The "Effects" panel: shows an effect settings record, builds one back from
// the form, adapts the form to the board's device type and keeps named effect
// profiles on disk. It never talks to a board itself.
class FullEffectSettingsWidget : public QWidget
{
    Q_OBJECT

public:
    explicit FullEffectSettingsWidget(QWidget *parent = nullptr);
    ~FullEffectSettingsWidget() override;

    void setDeviceType(int deviceType);
    void setEffectSettings(const EffectSettingsTypeDef &settings);
    EffectSettingsTypeDef getEffectSettings() const;
    // Writes the form's fields into `record` and leaves every other byte
    // (the reserved ones) as the caller had it. A field the user left as it
    // was shown keeps the exact value of the record last loaded.
    void getEffectSettings(EffectSettingsTypeDef &record) const;

    // Hides the settings and leaves the profiles: until the board's record
    // (or a profile) is loaded, the form holds values of no known source.
    void setValuesShown(bool shown);

    // The board profiles are saved from and exported for.
    void setBoardIdentity(const BoardIdentity &board);
    // Profile import, export and origins; its status messages are the
    // window's to show.
    ProfileExchange *profileExchange() const { return exchange; }
    // Asked before a profile replaces the form: true when the form holds
    // effect edits that were never sent to the board. Unset, the form counts
    // as holding none.
    void setUnsavedEditsCheck(std::function<bool()> check);

    // The fields of the last record loaded (from a board or a profile) that
    // the form could not hold, and so would send changed.
    QList<UnshowableValue> unshowableValues() const { return unshowable; }
    // After the form's record was written, the board holds what the form
    // shows: the marks go.
    void clearUnshowableValues();
    // The form no longer shows the profile named in the box (a read, a
    // restore, another board): the box is emptied, so that Save, Delete and
    // Export cannot be taken to act on that profile.
    void clearProfileName();

signals:
    void profileApplied();
    // What a profile action did, or why it did nothing, for the window's
    // status bar.
    void statusMessage(const QString &text, bool failure);

    // The order of these slots is the widget's meta-object layout; keep it.
private slots:
    void disableUnsupportedElements();
    void on_profile_combo_box_activated(int index);
    void on_profile_save_button_clicked();
    void on_profile_delete_button_clicked();
    void applyProfile(const QString &name);
    void readProfiles();

    void on_motion_range_axis0_valueChanged(int value);
    void on_motion_range_axis1_valueChanged(int value);
    void on_motion_range_slider_axis0_valueChanged(int value);
    void on_motion_range_slider_axis1_valueChanged(int value);

    void on_static_dampening_axis0_valueChanged(int value);
    void on_dynamic_dampening_axis0_valueChanged(int value);
    void on_soft_stop_dampening_axis0_valueChanged(int value);
    void on_static_dampening_slider_axis0_valueChanged(int value);
    void on_dynamic_dampening_slider_axis0_valueChanged(int value);
    void on_soft_stop_dampening_slider_axis0_valueChanged(int value);

    void on_static_dampening_axis1_valueChanged(int value);
    void on_dynamic_dampening_axis1_valueChanged(int value);
    void on_soft_stop_dampening_axis1_valueChanged(int value);
    void on_static_dampening_slider_axis1_valueChanged(int value);
    void on_dynamic_dampening_slider_axis1_valueChanged(int value);
    void on_soft_stop_dampening_slider_axis1_valueChanged(int value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString profileFilePath(const QString &name) const;
    void addProfileExchangeButtons();
    void showGamesDialog();
    void report(const QString &text, bool failure);
    bool confirm(const QString &objectName, const QString &text, const QString &acceptText);
    QList<UnshowableValues::Field<EffectSettingsTypeDef>> effectFields() const;
    // The controls' values as they stand, over `settings`.
    void buildFromForm(EffectSettingsTypeDef &settings) const;

    Ui::FullEffectSettingsWidget *ui;
    QDir profileDir;
    int deviceType = DEVICE_TYPE_GENERIC;
    ProfileExchange *exchange = nullptr;
    std::function<bool()> hasUnsavedEdits;
    QList<UnshowableValue> unshowable;
    // The last record loaded and what the form built from it right after.
    std::optional<EffectSettingsTypeDef> loadedRecord;
    EffectSettingsTypeDef shownAtLoad{};
    // Set while the profile name field loses the focus: the combo box then
    // "activates" a listed name that was merely typed, which must not load it.
    bool leavingNameField = false;
};
