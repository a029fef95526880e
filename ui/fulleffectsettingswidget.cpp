#include "fulleffectsettingswidget.h"
#include "ui_fulleffectsettingswidget.h"

#include "gamesdialog.h"
#include "profileexchange.h"
#include "settings/effectprofilefile.h"
#include "settings/profilename.h"
#include "settings/regularfile.h"
#include "settings/untouchedfields.h"
#include "ui/widgets/widgethelpers.h"

#include <QCheckBox>
#include <QCompleter>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include <cmath>
#include <cstring>

namespace {

// Profiles live in EFFECT_PROFILE_DIRECTORY of the working directory, one raw
// record per file, the file name being the profile name.

// A profile name becomes a file name inside the profile directory; names that
// could step out of it, name the directory itself, or make a file the list
// would never show are refused before any file is touched. Returns why, in
// the window's words, or nothing for a usable name.
QString profileNameRefusal(const QString &name)
{
    switch (profileNameProblem(name)) {
    case ProfileNameProblem::None:
        break;
    case ProfileNameProblem::Empty:
        return FullEffectSettingsWidget::tr("Type a name for the profile first.");
    case ProfileNameProblem::LeadingDot:
        return FullEffectSettingsWidget::tr("A profile name may not start with a dot.");
    case ProfileNameProblem::PathSeparator:
    case ProfileNameProblem::ControlCharacter:
        return FullEffectSettingsWidget::tr(
            "A profile name may not contain / or \\ or control characters such as a line "
            "break or a tab.");
    }
    return QString();
}

// The shortest text that reads back as the same float, so that two different
// floats never show alike; in the window language's notation ("7,5" in German).
QString floatText(float value)
{
    constexpr int FLOAT_ROUND_TRIP_DIGITS = 9;
    const QLocale locale;
    for (int digits = 6; digits < FLOAT_ROUND_TRIP_DIGITS; ++digits) {
        const QString text = locale.toString(double(value), 'g', digits);
        bool ok = false;
        if (locale.toFloat(text, &ok) == value && ok)
            return text;
    }
    return locale.toString(double(value), 'g', FLOAT_ROUND_TRIP_DIGITS);
}

// The motion range slider stops at 1080 degrees; the spin box beside it accepts
// more and stretches the slider when it goes beyond.
constexpr int MOTION_RANGE_SLIDER_MAX = 1080;  // degrees
constexpr int MOTION_RANGE_SPIN_MAX = 9999;    // degrees

// The spin boxes of one axis tab, in record order.
struct AxisControls {
    QSpinBox *totalEffectScale;
    QSpinBox *softStopStrength;
    QSpinBox *softStopRange;
    QSpinBox *staticDampening;
    QSpinBox *dynamicDampening;
    QSpinBox *motionRange;
    QSpinBox *maxForce;
    QSpinBox *softStopDampening;
};

AxisControls axisControls(const Ui::FullEffectSettingsWidget &ui, int axis)
{
    if (axis == 0)
        return {ui.total_effect_scale_axis0, ui.soft_stop_strength_axis0, ui.soft_stop_range_axis0,
                ui.static_dampening_axis0,   ui.dynamic_dampening_axis0,  ui.motion_range_axis0,
                ui.max_force_axis0,          ui.soft_stop_dampening_axis0};
    return {ui.total_effect_scale_axis1, ui.soft_stop_strength_axis1, ui.soft_stop_range_axis1,
            ui.static_dampening_axis1,   ui.dynamic_dampening_axis1,  ui.motion_range_axis1,
            ui.max_force_axis1,          ui.soft_stop_dampening_axis1};
}

// max_force arrives as a float from the board or a file and may hold anything;
// the spin box takes whole kilograms. Converting a NaN, an infinity or a value
// beyond int's range to int is undefined, so those show as 0.
int maxForceForSpinBox(float maxForce)
{
    const double value = maxForce;
    if (!std::isfinite(value) || value <= -2147483649.0 || value >= 2147483648.0)
        return 0;
    return static_cast<int>(value);  // truncates toward zero
}

void spinBoxMovedTo(QSlider *slider, int value)
{
    if (slider->maximum() < value)
        slider->setMaximum(value);
    if (slider->value() != value)
        slider->setValue(value);
}

void sliderMovedTo(QSpinBox *spinBox, int value)
{
    if (spinBox->value() != value)
        spinBox->setValue(value);
}

}  // namespace

FullEffectSettingsWidget::FullEffectSettingsWidget(QWidget *parent)
    : QWidget(parent), ui(new Ui::FullEffectSettingsWidget)
{
    ui->setupUi(this);

    // Completion only suggests: an inline completion would turn a new name
    // into a listed one as it is typed, and a save would then overwrite that
    // profile. Names are file names, so "race" is not "Race".
    QCompleter *completer = ui->profile_combo_box->completer();
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    // The field gets its focus events both ways: through the application and
    // handed on by the combo box.
    ui->profile_combo_box->installEventFilter(this);
    ui->profile_combo_box->lineEdit()->installEventFilter(this);

    // When the directory cannot be made (a plain file of that name, no
    // permission) every profile slot finds it missing and does nothing.
    QDir::current().mkdir(QLatin1String(EFFECT_PROFILE_DIRECTORY));
    profileDir.setPath(QDir::current().absoluteFilePath(QLatin1String(EFFECT_PROFILE_DIRECTORY)));
    // Profiles kept from earlier sessions are offered right away; none is
    // picked, so the form keeps its own values.
    readProfiles();

    exchange = new ProfileExchange(
        profileDir.absolutePath(), [this] { return getEffectSettings(); }, this);
    exchange->setProfileNameSource([this] { return ui->profile_combo_box->currentText(); });
    addProfileExchangeButtons();
    connect(exchange, &ProfileExchange::statusMessage, this,
            &FullEffectSettingsWidget::statusMessage);
    connect(exchange, &ProfileExchange::profileImported, this, [this](const QString &name) {
        readProfiles();
        ui->profile_combo_box->setCurrentIndex(
            ui->profile_combo_box->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
    });
}

void FullEffectSettingsWidget::addProfileExchangeButtons()
{
    auto *importButton = new QPushButton(tr("&Import..."), ui->profiles_group_box);
    importButton->setObjectName(QStringLiteral("profile_import_button"));
    importButton->setToolTip(tr("Store an effect profile file as a profile"));
    auto *exportButton = new QPushButton(tr("&Export..."), ui->profiles_group_box);
    exportButton->setObjectName(QStringLiteral("profile_export_button"));
    exportButton->setToolTip(tr("Write the effect settings of the form to a profile file"));
    auto *gamesButton = new QPushButton(tr("&Games..."), ui->profiles_group_box);
    gamesButton->setObjectName(QStringLiteral("profile_games_button"));
    gamesButton->setToolTip(tr("Apply an effect profile while a game runs"));
    connect(gamesButton, &QPushButton::clicked, this, &FullEffectSettingsWidget::showGamesDialog);
    // Sized like Save and Delete beside them; the name field takes the rest.
    for (QPushButton *button : {importButton, exportButton, gamesButton}) {
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        button->setMaximumWidth(ui->profile_save_button->maximumWidth());
    }
    const int column = ui->gridLayout_4->columnCount();
    ui->gridLayout_4->addWidget(importButton, 0, column);
    ui->gridLayout_4->addWidget(exportButton, 0, column + 1);
    ui->gridLayout_4->addWidget(gamesButton, 0, column + 2);
    ui->gridLayout_4->setColumnStretch(0, 1);
    // The keyboard walks the profile row as it reads, before the fields.
    setTabOrder(ui->profile_delete_button, importButton);
    setTabOrder(importButton, exportButton);
    setTabOrder(exportButton, gamesButton);
    exchange->connectButtons(importButton, exportButton);
}

void FullEffectSettingsWidget::showGamesDialog()
{
    QStringList profiles;
    for (int row = 0; row < ui->profile_combo_box->count(); ++row)
        profiles.append(ui->profile_combo_box->itemText(row));
    // The profiles' folder lies in the data folder, where the links live too.
    GamesDialog dialog(QDir::currentPath(), profiles, this);
    dialog.exec();
}

void FullEffectSettingsWidget::setBoardIdentity(const BoardIdentity &board)
{
    exchange->setBoard(board);
}

FullEffectSettingsWidget::~FullEffectSettingsWidget()
{
    delete ui;
}

void FullEffectSettingsWidget::setUnsavedEditsCheck(std::function<bool()> check)
{
    hasUnsavedEdits = std::move(check);
}

void FullEffectSettingsWidget::report(const QString &text, bool failure)
{
    emit statusMessage(text, failure);
}

bool FullEffectSettingsWidget::eventFilter(QObject *watched, QEvent *event)
{
    // The combo box handles its field's focus loss by activating the listed
    // item that matches the text, i.e. by loading a profile nobody picked,
    // for example when the user types a name and then clicks Save or Delete.
    // The focus loss is handled right after this filter returns; the flag
    // lasts until the event loop turns again.
    if (event->type() == QEvent::FocusOut && !leavingNameField) {
        leavingNameField = true;
        QTimer::singleShot(0, this, [this] { leavingNameField = false; });
    }
    return QWidget::eventFilter(watched, event);
}

void FullEffectSettingsWidget::setDeviceType(int type)
{
    deviceType = type;
    disableUnsupportedElements();
    setAxisTabsForDevice(ui->axis_tab, deviceType);
}

void FullEffectSettingsWidget::disableUnsupportedElements()
{
    ui->direct_x_group_box->show();

    ui->motion_range_axis0->setMaximum(MOTION_RANGE_SPIN_MAX);
    ui->motion_range_axis1->setMaximum(MOTION_RANGE_SPIN_MAX);
    // A slider stretched beyond this pulls itself back, and its spin box follows.
    ui->motion_range_slider_axis0->setMaximum(MOTION_RANGE_SLIDER_MAX);
    ui->motion_range_slider_axis1->setMaximum(MOTION_RANGE_SLIDER_MAX);

    const QList<QWidget *> alwaysShown = {
        ui->profiles_group_box,
        ui->static_dampening_label_axis0,
        ui->static_dampening_slider_axis0,
        ui->static_dampening_axis0,
        ui->dynamic_dampening_label_axis0,
        ui->dynamic_dampening_slider_axis0,
        ui->dynamic_dampening_axis0,
        ui->soft_stop_strength_label_axis0,
        ui->soft_stop_strength_slider_axis0,
        ui->soft_stop_strength_axis0,
        ui->soft_stop_range_label_axis0,
        ui->soft_stop_range_slider_axis0,
        ui->soft_stop_range_axis0,
        ui->static_dampening_label_axis1,
        ui->static_dampening_slider_axis1,
        ui->static_dampening_axis1,
        ui->dynamic_dampening_label_axis1,
        ui->dynamic_dampening_slider_axis1,
        ui->dynamic_dampening_axis1,
        ui->soft_stop_strength_label_axis1,
        ui->soft_stop_strength_slider_axis1,
        ui->soft_stop_strength_axis1,
        ui->soft_stop_range_label_axis1,
        ui->soft_stop_range_slider_axis1,
        ui->soft_stop_range_axis1,
        ui->direct_x_spring_label,
        ui->direct_x_spring_slider,
        ui->direct_x_spring_strength,
        ui->direct_x_constant_strength_label,
        ui->direct_x_constant_strength_slider,
        ui->direct_x_constant_strength,
        ui->direct_x_periodic_strength_label,
        ui->direct_x_periodic_strength_slider,
        ui->direct_x_periodic_strength,
    };
    for (QWidget *widget : alwaysShown)
        widget->show();

    const bool showMaxForce = deviceType != DEVICE_TYPE_WHEEL;
    const QList<QWidget *> maxForceRows = {
        ui->max_force_label_axis0, ui->max_force_slider_axis0, ui->max_force_axis0,
        ui->max_force_label_axis1, ui->max_force_slider_axis1, ui->max_force_axis1,
    };
    for (QWidget *widget : maxForceRows)
        widget->setVisible(showMaxForce);
}

void FullEffectSettingsWidget::setEffectSettings(const EffectSettingsTypeDef &settings)
{
    ui->invert_constant_force->setChecked(settings.invert_constant_force > 0);
    ui->direct_x_spring_strength->setValue(settings.direct_x_spring_strength);
    ui->direct_x_constant_strength->setValue(settings.direct_x_constant_strength);
    ui->direct_x_periodic_strength->setValue(settings.direct_x_periodic_strength);

    for (int axis = 0; axis < EFFECT_AXIS_COUNT; ++axis) {
        const EffectAxisSettingsTypeDef &source = settings.axis[axis];
        const AxisControls controls = axisControls(*ui, axis);
        controls.totalEffectScale->setValue(source.total_effect_scale);
        controls.softStopStrength->setValue(source.soft_stop_strength);
        controls.softStopRange->setValue(source.soft_stop_range);
        controls.staticDampening->setValue(source.static_dampening);
        controls.dynamicDampening->setValue(source.dynamic_dampening);
        controls.motionRange->setValue(source.motion_range);
        controls.maxForce->setValue(maxForceForSpinBox(source.max_force));
        controls.softStopDampening->setValue(source.soft_stop_dampening);
    }

    const auto fields = effectFields();
    // Built over the record itself, as the window sends it.
    EffectSettingsTypeDef shown = settings;
    buildFromForm(shown);
    loadedRecord = settings;
    shownAtLoad = shown;
    unshowable = UnshowableValues::find(fields, settings, shown);
    UnshowableValues::mark(UnshowableValues::controlsOf(fields), unshowable);
}

void FullEffectSettingsWidget::setValuesShown(bool shown)
{
    for (QWidget *values :
         {static_cast<QWidget *>(ui->axis_tab), static_cast<QWidget *>(ui->direct_x_group_box)})
        if (values->isHidden() == shown)
            values->setVisible(shown);
}

void FullEffectSettingsWidget::clearUnshowableValues()
{
    unshowable.clear();
    UnshowableValues::mark(UnshowableValues::controlsOf(effectFields()), unshowable);
}

QList<UnshowableValues::Field<EffectSettingsTypeDef>> FullEffectSettingsWidget::effectFields() const
{
    using Record = EffectSettingsTypeDef;
    const auto number = [](auto value) { return QString::number(value); };
    QList<UnshowableValues::Field<Record>> fields = {
        {ui->invert_constant_force,
         [number](const Record &r) { return number(r.invert_constant_force); }},
        {ui->direct_x_spring_strength,
         [number](const Record &r) { return number(r.direct_x_spring_strength); }},
        {ui->direct_x_constant_strength,
         [number](const Record &r) { return number(r.direct_x_constant_strength); }},
        {ui->direct_x_periodic_strength,
         [number](const Record &r) { return number(r.direct_x_periodic_strength); }},
    };
    // Fields are read through the packed record, never through a pointer.
    for (int a = 0; a < EFFECT_AXIS_COUNT; ++a) {
        const AxisControls c = axisControls(*ui, a);
        fields.append({c.totalEffectScale, [a, number](const Record &r) {
                           return number(r.axis[a].total_effect_scale);
                       }});
        fields.append({c.softStopStrength, [a, number](const Record &r) {
                           return number(r.axis[a].soft_stop_strength);
                       }});
        fields.append({c.softStopRange,
                       [a, number](const Record &r) { return number(r.axis[a].soft_stop_range); }});
        fields.append({c.staticDampening, [a, number](const Record &r) {
                           return number(r.axis[a].static_dampening);
                       }});
        fields.append({c.dynamicDampening, [a, number](const Record &r) {
                           return number(r.axis[a].dynamic_dampening);
                       }});
        fields.append({c.motionRange,
                       [a, number](const Record &r) { return number(r.axis[a].motion_range); }});
        fields.append(
            {c.maxForce, [a](const Record &r) { return floatText(r.axis[a].max_force); }});
        fields.append({c.softStopDampening, [a, number](const Record &r) {
                           return number(r.axis[a].soft_stop_dampening);
                       }});
    }
    return fields;
}

EffectSettingsTypeDef FullEffectSettingsWidget::getEffectSettings() const
{
    // Value-initialised: every reserved byte goes out as 0.
    EffectSettingsTypeDef settings{};
    getEffectSettings(settings);
    return settings;
}

void FullEffectSettingsWidget::buildFromForm(EffectSettingsTypeDef &settings) const
{
    settings.invert_constant_force = ui->invert_constant_force->isChecked() ? 1 : -1;
    settings.direct_x_spring_strength = uint8_t(ui->direct_x_spring_strength->value());
    settings.direct_x_constant_strength = uint8_t(ui->direct_x_constant_strength->value());
    settings.direct_x_periodic_strength = uint8_t(ui->direct_x_periodic_strength->value());

    // The controls' ranges keep every value inside its field's width.
    for (int axis = 0; axis < EFFECT_AXIS_COUNT; ++axis) {
        EffectAxisSettingsTypeDef &target = settings.axis[axis];
        const AxisControls controls = axisControls(*ui, axis);
        target.total_effect_scale = uint8_t(controls.totalEffectScale->value());
        target.soft_stop_strength = uint8_t(controls.softStopStrength->value());
        target.soft_stop_range = uint8_t(controls.softStopRange->value());
        target.static_dampening = uint16_t(controls.staticDampening->value());
        target.dynamic_dampening = uint16_t(controls.dynamicDampening->value());
        target.motion_range = uint16_t(controls.motionRange->value());
        target.max_force = float(controls.maxForce->value());
        target.soft_stop_dampening = uint16_t(controls.softStopDampening->value());
    }
}

void FullEffectSettingsWidget::getEffectSettings(EffectSettingsTypeDef &settings) const
{
    EffectSettingsTypeDef edited = settings;
    buildFromForm(edited);
    // A value the form could not hold (7.5 kg shown as 7) goes back as
    // loaded, from the window, a profile file and an export alike, unless
    // the user changed its control.
    settings = loadedRecord ? keepUntouchedFields(*loadedRecord, shownAtLoad, edited) : edited;
}

void FullEffectSettingsWidget::on_profile_combo_box_activated(int index)
{
    if (leavingNameField)
        return;
    applyProfile(ui->profile_combo_box->itemText(index));
}

bool FullEffectSettingsWidget::confirm(const QString &objectName, const QString &text,
                                       const QString &acceptText)
{
    return askToGoAhead(this, QMessageBox::Question, objectName, tr("Effect profiles"), text,
                        acceptText, QMessageBox::DestructiveRole);
}

void FullEffectSettingsWidget::on_profile_save_button_clicked()
{
    const EffectSettingsTypeDef settings = getEffectSettings();
    const QString name = ui->profile_combo_box->currentText();

    const QString problem = profileNameRefusal(name);
    if (!problem.isEmpty()) {
        report(tr("The effect profile was not saved. %1").arg(problem), true);
        readProfiles();
        // The user corrects the name rather than typing it again.
        ui->profile_combo_box->setEditText(name);
        return;
    }
    const QString path = profileFilePath(name);
    if (QFileInfo::exists(path) &&
        !confirm(QStringLiteral("profile_overwrite_question"),
                 tr("An effect profile named “%1” exists. Replace it with the settings in the "
                    "form?")
                     .arg(name),
                 tr("&Replace"))) {
        report(tr("The effect profile “%1” was left as it was.").arg(name), false);
        return;
    }

    // The directory is made again if someone removed it while the program ran.
    QString failure;
    if (profileDir.exists() || profileDir.mkpath(QStringLiteral("."))) {
        QByteArray image(int(sizeof settings), '\0');
        std::memcpy(image.data(), &settings, sizeof settings);
        // Written beside the old profile and renamed over it only when complete,
        // so a full disk never leaves a truncated profile behind. Unbuffered,
        // because a short write then shows in write()'s count, whereas the
        // buffered flush inside commit() takes a partial write for success.
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            file.write(image) != image.size() || !file.commit())
            failure = file.errorString();
    } else {
        failure = tr("the folder %1 cannot be created").arg(profileDir.absolutePath());
    }
    if (failure.isEmpty()) {
        exchange->profileSaved(name);
        report(tr("Effect profile “%1” saved.").arg(name), false);
    } else
        report(tr("The effect profile “%1” could not be saved: %2").arg(name, failure), true);

    readProfiles();
    ui->profile_combo_box->setCurrentIndex(
        ui->profile_combo_box->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void FullEffectSettingsWidget::on_profile_delete_button_clicked()
{
    const QString name = ui->profile_combo_box->currentText();
    const QString problem = profileNameRefusal(name);
    if (!problem.isEmpty()) {
        report(tr("No effect profile was deleted. %1").arg(problem), true);
        readProfiles();
        return;
    }
    const QString path = profileFilePath(name);
    if (!profileDir.exists() || !QFileInfo(path).isFile()) {
        report(tr("There is no effect profile named “%1”.").arg(name), true);
        readProfiles();
        return;
    }
    if (!confirm(QStringLiteral("profile_delete_question"),
                 tr("Delete the effect profile “%1”? Its file is removed from this computer; the "
                    "form keeps what it shows.")
                     .arg(name),
                 tr("&Delete"))) {
        report(tr("The effect profile “%1” was kept.").arg(name), false);
        return;
    }
    QFile file(path);
    if (file.remove()) {
        exchange->profileDeleted(name);
        report(tr("Effect profile “%1” deleted.").arg(name), false);
    } else
        report(tr("The effect profile “%1” could not be deleted: %2").arg(name, file.errorString()),
               true);
    // The form keeps its values and the box is left empty: nothing else is
    // loaded in the deleted profile's place.
    readProfiles();
}

void FullEffectSettingsWidget::applyProfile(const QString &name)
{
    if (!isProfileName(name))
        return;
    // Enter on a new name activates a profile that has no file yet.
    const QFileInfo info(profileFilePath(name));
    if (!info.exists())
        return;
    QFile file(info.filePath());
    if (!openRegularFileForReading(file, nullptr)) {
        report(info.isFile() ? tr("“%1” was not loaded: the file cannot be read.").arg(name)
                             : tr("“%1” was not loaded: it is not a regular file.").arg(name),
               true);
        return;
    }
    // Only a whole record is a profile. A shorter or longer file is not one this
    // program wrote, and filling the form from part of it would show values
    // nobody chose.
    const QByteArray image = file.read(EFFECT_SETTINGS_SIZE + 1);
    if (image.size() != EFFECT_SETTINGS_SIZE) {
        report(tr("“%1” was not loaded: an effect profile holds exactly %2 bytes.")
                   .arg(name)
                   .arg(EFFECT_SETTINGS_SIZE),
               true);
        return;
    }

    if (hasUnsavedEdits && hasUnsavedEdits() &&
        !confirm(QStringLiteral("profile_load_question"),
                 tr("The effect settings in the form hold changes that were not sent to the "
                    "board. Load the profile “%1” and discard them?")
                     .arg(name),
                 tr("&Discard changes and load"))) {
        report(tr("The effect profile “%1” was not loaded; the form keeps your "
                  "changes.")
                   .arg(name),
               false);
        return;
    }

    if (!exchange->mayLoad(name))
        return;
    EffectSettingsTypeDef settings;
    std::memcpy(&settings, image.constData(), sizeof settings);
    setEffectSettings(settings);
    emit profileApplied();
    report(tr("Profile “%1” loaded into the form; Apply or Save sends it to the board.").arg(name),
           false);
}

void FullEffectSettingsWidget::readProfiles()
{
    ui->profile_combo_box->clear();
    if (profileDir.exists()) {
        // QDir caches its listing, and other programs may have changed the directory.
        profileDir.refresh();
        // A file put there by hand under a name no profile can have could be
        // neither loaded nor deleted from the list.
        const QStringList names = profileDir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
        for (const QString &name : names)
            if (isProfileName(name))
                ui->profile_combo_box->addItem(name);
    }
    ui->profile_combo_box->setCurrentIndex(-1);
    ui->profile_combo_box->clearEditText();
}

QString FullEffectSettingsWidget::profileFilePath(const QString &name) const
{
    // Joined by hand: QDir::filePath would hand back as it stands a name it
    // takes for an absolute path.
    return profileDir.absolutePath() + QLatin1Char('/') + name;
}

void FullEffectSettingsWidget::on_motion_range_axis0_valueChanged(int value)
{
    spinBoxMovedTo(ui->motion_range_slider_axis0, value);
}

void FullEffectSettingsWidget::on_motion_range_axis1_valueChanged(int value)
{
    spinBoxMovedTo(ui->motion_range_slider_axis1, value);
}

void FullEffectSettingsWidget::on_motion_range_slider_axis0_valueChanged(int value)
{
    sliderMovedTo(ui->motion_range_axis0, value);
}

void FullEffectSettingsWidget::on_motion_range_slider_axis1_valueChanged(int value)
{
    sliderMovedTo(ui->motion_range_axis1, value);
}

void FullEffectSettingsWidget::on_static_dampening_axis0_valueChanged(int value)
{
    spinBoxMovedTo(ui->static_dampening_slider_axis0, value);
}

void FullEffectSettingsWidget::on_dynamic_dampening_axis0_valueChanged(int value)
{
    spinBoxMovedTo(ui->dynamic_dampening_slider_axis0, value);
}

void FullEffectSettingsWidget::on_soft_stop_dampening_axis0_valueChanged(int value)
{
    spinBoxMovedTo(ui->soft_stop_dampening_slider_axis0, value);
}

void FullEffectSettingsWidget::on_static_dampening_slider_axis0_valueChanged(int value)
{
    sliderMovedTo(ui->static_dampening_axis0, value);
}

void FullEffectSettingsWidget::on_dynamic_dampening_slider_axis0_valueChanged(int value)
{
    sliderMovedTo(ui->dynamic_dampening_axis0, value);
}

void FullEffectSettingsWidget::on_soft_stop_dampening_slider_axis0_valueChanged(int value)
{
    sliderMovedTo(ui->soft_stop_dampening_axis0, value);
}

void FullEffectSettingsWidget::on_static_dampening_axis1_valueChanged(int value)
{
    spinBoxMovedTo(ui->static_dampening_slider_axis1, value);
}

void FullEffectSettingsWidget::on_dynamic_dampening_axis1_valueChanged(int value)
{
    spinBoxMovedTo(ui->dynamic_dampening_slider_axis1, value);
}

void FullEffectSettingsWidget::on_soft_stop_dampening_axis1_valueChanged(int value)
{
    spinBoxMovedTo(ui->soft_stop_dampening_slider_axis1, value);
}

void FullEffectSettingsWidget::on_static_dampening_slider_axis1_valueChanged(int value)
{
    sliderMovedTo(ui->static_dampening_axis1, value);
}

void FullEffectSettingsWidget::on_dynamic_dampening_slider_axis1_valueChanged(int value)
{
    sliderMovedTo(ui->dynamic_dampening_axis1, value);
}

void FullEffectSettingsWidget::on_soft_stop_dampening_slider_axis1_valueChanged(int value)
{
    sliderMovedTo(ui->soft_stop_dampening_axis1, value);
}

void FullEffectSettingsWidget::clearProfileName()
{
    ui->profile_combo_box->setCurrentIndex(-1);
    ui->profile_combo_box->clearEditText();
}
