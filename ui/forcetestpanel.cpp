#include "forcetestpanel.h"

#include "device/firmwareinfo.h"
#include "ui/liveinputview.h"
#include "ui/widgets/decimalspinbox.h"
#include "ui/widgets/widgethelpers.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The time left is shown to a tenth of a second; redrawn no more often.
constexpr int REMAINING_INTERVAL = 100;  // ms
// The Stop button is the one control that must be hit without aiming.
constexpr int STOP_BUTTON_HEIGHT = 44;  // px
constexpr double SECONDS_STEP = 0.5;
// The rule file shipped in packaging/linux; it gives the seat's user write
// access to the board's event device too.
constexpr const char *UDEV_RULE = "70-gravolt-setup.rules";

struct KindLabel {
    ForceTestKind kind;
    const char *text;
    const char *tip;
};
constexpr KindLabel KIND_LABELS[] = {
    {ForceTestKind::Spring, QT_TRANSLATE_NOOP("ForceTestPanel", "&Spring"),
     QT_TRANSLATE_NOOP("ForceTestPanel", "Pulls the axis towards its centre")},
    {ForceTestKind::Damper, QT_TRANSLATE_NOOP("ForceTestPanel", "&Damper"),
     QT_TRANSLATE_NOOP("ForceTestPanel", "Resists motion, the more the faster it is")},
    {ForceTestKind::Friction, QT_TRANSLATE_NOOP("ForceTestPanel", "Fr&iction"),
     QT_TRANSLATE_NOOP("ForceTestPanel", "Resists motion evenly")},
    {ForceTestKind::PushMinimum, QT_TRANSLATE_NOOP("ForceTestPanel", "&Push to minimum"),
     QT_TRANSLATE_NOOP("ForceTestPanel",
                       "A constant force towards the axis's smallest value (left, or forward)")},
    {ForceTestKind::PushMaximum, QT_TRANSLATE_NOOP("ForceTestPanel", "Push to ma&ximum"),
     QT_TRANSLATE_NOOP("ForceTestPanel",
                       "A constant force towards the axis's largest value (right, or back)")},
    {ForceTestKind::Sine, QT_TRANSLATE_NOOP("ForceTestPanel", "Si&ne"),
     QT_TRANSLATE_NOOP("ForceTestPanel", "Swings to and fro twice a second")},
};

QString kindText(ForceTestKind kind)
{
    for (const KindLabel &label : KIND_LABELS)
        if (label.kind == kind)
            return withoutMnemonic(ForceTestPanel::tr(label.text));
    return QString();
}

QString accessDetails(const gravolt_input_problem &problem)
{
    const QString owner = problem.ownerName[0] ? QString::fromLocal8Bit(problem.ownerName)
                                               : QString::number(problem.owner);
    const QString group = problem.groupName[0] ? QString::fromLocal8Bit(problem.groupName)
                                               : QString::number(problem.group);
    return ForceTestPanel::tr("owner %1, group %2, mode %3")
        .arg(owner, group, QStringLiteral("%1").arg(problem.mode, 4, 8, QLatin1Char('0')));
}

}  // namespace

ForceTestPanel::ForceTestPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("force_test_panel"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *box = new QGroupBox(tr("Force feedback"), this);
    box->setObjectName(QStringLiteral("force_test_box"));
    outer->addWidget(box);
    auto *layout = new QVBoxLayout(box);

    offerLabel = new QLabel(box);
    offerLabel->setObjectName(QStringLiteral("force_offer_label"));
    offerLabel->setWordWrap(true);
    offerLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(offerLabel);

    auto *settings = new QHBoxLayout;
    auto *axisLabel = new QLabel(tr("Axis:"), box);
    axisCombo = new QComboBox(box);
    axisCombo->setObjectName(QStringLiteral("force_axis_combo"));
    axisCombo->setToolTip(tr("The axis the test force acts on"));
    axisLabel->setBuddy(axisCombo);
    auto *strengthName = new QLabel(tr("Strength:"), box);
    strengthSlider = new QSlider(Qt::Horizontal, box);
    strengthSlider->setObjectName(QStringLiteral("force_strength_slider"));
    strengthSlider->setRange(1, 100);
    strengthSlider->setValue(FORCE_TEST_DEFAULT_STRENGTH);
    strengthSlider->setToolTip(
        tr("How strong the test force is, of the most the system can ask of the board"));
    strengthName->setBuddy(strengthSlider);
    // The exact figure can be typed as well as dragged.
    strengthSpin = new QSpinBox(box);
    strengthSpin->setObjectName(QStringLiteral("force_strength_spin"));
    strengthSpin->setRange(1, 100);
    strengthSpin->setValue(FORCE_TEST_DEFAULT_STRENGTH);
    strengthSpin->setSuffix(tr(" %"));
    strengthSpin->setToolTip(strengthSlider->toolTip());
    connect(strengthSlider, &QSlider::valueChanged, strengthSpin, &QSpinBox::setValue);
    connect(strengthSpin, qOverload<int>(&QSpinBox::valueChanged), strengthSlider,
            &QSlider::setValue);
    auto *timeLabel = new QLabel(tr("Time:"), box);
    secondsSpin = new DecimalSpinBox(box);
    secondsSpin->setObjectName(QStringLiteral("force_seconds_spin"));
    secondsSpin->setDecimals(1);
    secondsSpin->setRange(FORCE_TEST_MINIMUM_MS / 1000.0, FORCE_TEST_MAXIMUM_MS / 1000.0);
    secondsSpin->setSingleStep(SECONDS_STEP);
    secondsSpin->setValue(FORCE_TEST_DEFAULT_MS / 1000.0);
    secondsSpin->setSuffix(tr(" s"));
    secondsSpin->setToolTip(tr("How long the test force plays; it ends by itself after that"));
    timeLabel->setBuddy(secondsSpin);
    settings->addWidget(axisLabel);
    settings->addWidget(axisCombo);
    settings->addSpacing(12);
    settings->addWidget(strengthName);
    settings->addWidget(strengthSlider, 1);
    settings->addWidget(strengthSpin);
    settings->addSpacing(12);
    settings->addWidget(timeLabel);
    settings->addWidget(secondsSpin);
    layout->addLayout(settings);

    auto *tests = new QHBoxLayout;
    for (const KindLabel &label : KIND_LABELS) {
        auto *button = new QPushButton(tr(label.text), box);
        button->setObjectName(
            QStringLiteral("force_%1_button")
                .arg(forceTestName(label.kind).replace(QLatin1Char('-'), QLatin1Char('_'))));
        button->setToolTip(tr(label.tip));
        const ForceTestKind kind = label.kind;
        connect(button, &QPushButton::clicked, this, [this, kind] { startTest(kind); });
        tests->addWidget(button);
        testButtons.append({kind, button});
    }
    layout->addLayout(tests);

    auto *stopRow = new QHBoxLayout;
    stopButton = new QPushButton(tr("S&top"), box);
    stopButton->setObjectName(QStringLiteral("force_stop_button"));
    stopButton->setToolTip(tr("Stops and erases every test force at once (Escape)"));
    stopButton->setMinimumHeight(STOP_BUTTON_HEIGHT);
    QFont bold = stopButton->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    stopButton->setFont(bold);
    connect(stopButton, &QPushButton::clicked, this, &ForceTestPanel::stopTest);
    testStatus = new QLabel(box);
    testStatus->setObjectName(QStringLiteral("force_test_status"));
    testStatus->setWordWrap(true);
    stopRow->addWidget(stopButton, 1);
    stopRow->addWidget(testStatus, 2);
    layout->addLayout(stopRow);

    // Escape stops wherever the focus is in the window, while the page shows.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, &ForceTestPanel::stopTest);

    endTimer.setSingleShot(true);
    connect(&endTimer, &QTimer::timeout, this, [this] {
        stopTest();
        testStatus->setText(tr("%1 finished.").arg(playingName));
    });
    remainingTimer.setInterval(REMAINING_INTERVAL);
    connect(&remainingTimer, &QTimer::timeout, this, &ForceTestPanel::showRemaining);

    updateButtons();
}

ForceTestPanel::~ForceTestPanel()
{
    stopTest();
}

void ForceTestPanel::setBoard(int id)
{
    stopTest();
    if (id == productId)
        return;
    productId = id;
    axisCombo->clear();
    // The kernel's condition effects carry two axes; only a joystick's
    // motors drive both.
    const int axes = productId == BOARD_PRODUCT_ID_JOYSTICK ? FORCE_TEST_AXES : 1;
    for (int axis = 0; axis < axes; ++axis)
        axisCombo->addItem(LiveInputView::axisName(axis), axis);
    testStatus->clear();
    if (isVisible())
        queryOffer();
}

void ForceTestPanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // For the minimised window, whose hide events a window manager may
    // not send to every child.
    window()->installEventFilter(this);
    queryOffer();
}

void ForceTestPanel::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    stopTest();
    // Whoever comes back to the page may have let go of the controls.
    holdConfirmed = false;
}

bool ForceTestPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window() && event->type() == QEvent::WindowStateChange &&
        window()->isMinimized())
        stopTest();
    return QWidget::eventFilter(watched, event);
}

void ForceTestPanel::queryOffer()
{
    offered = false;
    offer = {};
    gravolt_input_problem problem{};
    if (productId < 0) {
        offerLabel->setText(QString());
        updateButtons();
        return;
    }
    // Read-only: asking what the device offers plays and uploads nothing.
    const gravolt_force_status status =
        gravolt_force_query(uint16_t(BOARD_VENDOR_ID), uint16_t(productId), &offer, &problem);
    offered = status == GRAVOLT_FORCE_OK && offer.writable;
    offerLabel->setText(describeOffer(status, offer, problem));
    updateButtons();
}

void ForceTestPanel::updateButtons()
{
    for (const auto &entry : testButtons)
        entry.second->setEnabled(offered && forceTestOffered(entry.first, offer.capabilities));
    axisCombo->setEnabled(offered);
    strengthSlider->setEnabled(offered);
    strengthSpin->setEnabled(offered);
    secondsSpin->setEnabled(offered);
    stopButton->setEnabled(offered);
}

bool ForceTestPanel::confirmHold()
{
    if (holdConfirmed)
        return true;
    holdConfirmed = askToGoAhead(
        this, QMessageBox::Warning, QStringLiteral("force_hold_question"), tr("Force test"),
        tr("The board's motors will move the controls by themselves. Hold the controls firmly "
           "and keep hands and objects clear of their path."),
        tr("&Start test"));
    return holdConfirmed;
}

void ForceTestPanel::startTest(ForceTestKind kind)
{
    stopTest();
    if (productId < 0 || !offered || !confirmHold())
        return;
    // The question may have taken long: the board or the page may have gone.
    if (productId < 0 || !isVisible())
        return;
    ForceTestRequest request;
    request.kind = kind;
    request.axis = axisCombo->currentData().toInt();
    request.strengthPercent = strengthSlider->value();
    request.milliseconds = int(std::lround(secondsSpin->value() * 1000));
    const gravolt_force_effect effect = forceTestEffect(request);
    gravolt_input_problem problem{};
    const gravolt_force_status status =
        session.start(uint16_t(BOARD_VENDOR_ID), uint16_t(productId), effect, &problem);
    if (status != GRAVOLT_FORCE_OK) {
        testStatus->setText(describeFailure(status, problem));
        return;
    }
    playingName = kindText(kind);
    playingMs = effect.length;
    playingFor.start();
    endTimer.start(playingMs);
    remainingTimer.start();
    showRemaining();
}

void ForceTestPanel::showRemaining()
{
    const double left = std::max<qint64>(0, playingMs - playingFor.elapsed()) / 1000.0;
    testStatus->setText(tr("%1 playing on %2 at %3 %, %4 s left. Stop or Escape ends it.")
                            .arg(playingName, axisCombo->currentText())
                            .arg(strengthSlider->value())
                            .arg(QLocale().toString(left, 'f', 1)));
}

void ForceTestPanel::stopTest()
{
    endTimer.stop();
    remainingTimer.stop();
    if (!session.isRunning())
        return;
    session.stop();
    testStatus->setText(tr("%1 stopped.").arg(playingName));
}

QString ForceTestPanel::describeOffer(gravolt_force_status status, const gravolt_force_info &info,
                                      const gravolt_input_problem &problem)
{
    const QString node = QString::fromLocal8Bit(info.node[0] ? info.node : problem.node);
    const QString driver = info.driver[0] ? QString::fromLocal8Bit(info.driver) : tr("unknown");
    switch (status) {
    case GRAVOLT_FORCE_OK: {
        const QString yes = tr("yes"), no = tr("no");
        QString text =
            tr("The system offers force feedback for this board (driver %1%2). Effects: %3. "
               "It holds %4 effects at once. Gain can be set: %5. Autocentre can be set: %6.")
                .arg(driver, node.isEmpty() ? QString() : QStringLiteral(", %1").arg(node),
                     forceCapabilityNames(info.capabilities &
                                              ~(gravolt_force_bit(GRAVOLT_FORCE_GAIN) |
                                                gravolt_force_bit(GRAVOLT_FORCE_AUTOCENTER)),
                                          true)
                         .join(QStringLiteral(", ")))
                .arg(info.effectSlots)
                .arg(info.capabilities & gravolt_force_bit(GRAVOLT_FORCE_GAIN) ? yes : no,
                     info.capabilities & gravolt_force_bit(GRAVOLT_FORCE_AUTOCENTER) ? yes : no);
        if (!info.writable)
            text += QLatin1Char(' ') +
                    tr("The test cannot play forces: this user may not write to %1 (%2). "
                       "Install the udev rule %3 that comes with Gravolt Setup and reconnect "
                       "the board.")
                        .arg(node, accessDetails(problem), QLatin1String(UDEV_RULE));
        return text;
    }
    case GRAVOLT_FORCE_NOT_OFFERED:
        return tr("The system offers no force feedback for this board: its driver %1 registered "
                  "none for the input device %2, so games cannot use the board's forces either. "
                  "Most likely no force-feedback driver is bound to the board: the kernel needs "
                  "its HID force-feedback support (usbhid with HID PID support) for it.")
            .arg(driver, node.isEmpty() ? tr("of the board") : node);
    default:
        return describeFailure(status, problem);
    }
}

QString ForceTestPanel::describeFailure(gravolt_force_status status,
                                        const gravolt_input_problem &problem)
{
    const QString node = QString::fromLocal8Bit(problem.node);
    const QString error = problem.error ? qt_error_string(problem.error) : QString();
    switch (status) {
    case GRAVOLT_FORCE_OK:
        return QString();
    case GRAVOLT_FORCE_UNSUPPORTED:
        return tr("Force feedback cannot be tested on this operating system yet.");
    case GRAVOLT_FORCE_NO_BOARD:
        return tr("The board is not connected.");
    case GRAVOLT_FORCE_NO_EVENT_DEVICE:
        return tr("The system made no input device of this board, so it offers no force "
                  "feedback for it. Check that the board's HID driver is loaded.");
    case GRAVOLT_FORCE_NODE_MISSING:
        return tr("The board's input device %1 does not exist. Reconnect the board.").arg(node);
    case GRAVOLT_FORCE_NOT_OFFERED:
        return tr("The system offers no force feedback for this board.");
    case GRAVOLT_FORCE_ACCESS_DENIED:
        return tr("No permission to open the board's input device %1 for force feedback (%2). "
                  "Install the udev rule %3 that comes with Gravolt Setup and reconnect the "
                  "board.")
            .arg(node, accessDetails(problem), QLatin1String(UDEV_RULE));
    case GRAVOLT_FORCE_REFUSED:
        return tr("The board refused the test force: %1").arg(error);
    case GRAVOLT_FORCE_GONE:
        return tr("The board was disconnected.");
    case GRAVOLT_FORCE_FAILED:
        break;
    }
    if (node.isEmpty())
        return tr("The test force cannot be played: %1").arg(error);
    return tr("The test force cannot be played on %1: %2").arg(node, error);
}
