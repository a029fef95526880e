#include "liveinputview.h"

#include "device/firmwareinfo.h"
#include "ui/forcetestpanel.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QShowEvent>
#include <QSocketNotifier>
#include <QVBoxLayout>

#include <cstring>

namespace {

// About as often as a screen refreshes what the eye can follow; more would
// only cost CPU while a stick is moved.
constexpr int REFRESH_INTERVAL = 33;  // ms
constexpr int BUTTON_COLUMNS = 8;     // marks per row, as the Buttons page groups them
constexpr int BUTTON_MARK_SIZE = 28;  // px, room for a two-digit number

// Linux axis codes with the names games give them.
struct AxisLabel {
    int code;
    const char *name;
    bool translated;
};
constexpr AxisLabel AXIS_LABELS[] = {
    {0x00, "X", false},
    {0x01, "Y", false},
    {0x02, "Z", false},
    {0x03, "Rx", false},
    {0x04, "Ry", false},
    {0x05, "Rz", false},
    {0x06, QT_TRANSLATE_NOOP("LiveInputView", "Throttle"), true},
    {0x07, QT_TRANSLATE_NOOP("LiveInputView", "Rudder"), true},
    {0x08, QT_TRANSLATE_NOOP("LiveInputView", "Wheel"), true},
    {0x09, QT_TRANSLATE_NOOP("LiveInputView", "Gas"), true},
    {0x0a, QT_TRANSLATE_NOOP("LiveInputView", "Brake"), true},
    {0x10, "Hat 1 X", false},
    {0x11, "Hat 1 Y", false},
    {0x12, "Hat 2 X", false},
    {0x13, "Hat 2 Y", false},
    {0x14, "Hat 3 X", false},
    {0x15, "Hat 3 Y", false},
    {0x16, "Hat 4 X", false},
    {0x17, "Hat 4 Y", false},
};

// Only what is on screen: values and which inputs there are.
bool sameInputs(const gravolt_input_state &a, const gravolt_input_state &b)
{
    if (a.axisCount != b.axisCount || a.buttonCount != b.buttonCount)
        return false;
    for (int i = 0; i < a.axisCount; ++i) {
        const gravolt_input_axis &x = a.axes[i], &y = b.axes[i];
        if (x.code != y.code || x.minimum != y.minimum || x.maximum != y.maximum ||
            x.value != y.value)
            return false;
    }
    return std::memcmp(a.buttons, b.buttons, size_t(a.buttonCount)) == 0;
}

QString octalMode(uint32_t mode)
{
    return QStringLiteral("%1").arg(mode, 4, 8, QLatin1Char('0'));
}

}  // namespace

LiveInputView::LiveInputView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("live_input_view"));
    // The page scrolls on short screens rather than squeezing its texts; the
    // axes come first, so they stay in view.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("live_input_scroll_area"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll);
    auto *content = new QWidget(scroll);
    auto *layout = new QVBoxLayout(content);

    status = new QLabel(content);
    status->setObjectName(QStringLiteral("live_input_status"));
    status->setWordWrap(true);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(status);

    axesBox = new QGroupBox(tr("Axes"), content);
    axesBox->setObjectName(QStringLiteral("live_axes_box"));
    axesGrid = new QGridLayout(axesBox);
    axesGrid->setColumnStretch(1, 1);
    layout->addWidget(axesBox);

    // Between the axes and the buttons, so that the axes stay in view while
    // a force moves them.
    forceTest = new ForceTestPanel(content);
    layout->addWidget(forceTest);

    buttonsBox = new QGroupBox(tr("Buttons"), content);
    buttonsBox->setObjectName(QStringLiteral("live_buttons_box"));
    buttonsGrid = new QGridLayout(buttonsBox);
    layout->addWidget(buttonsBox);
    layout->addStretch(1);
    scroll->setWidget(content);

    pollTimer.setInterval(REFRESH_INTERVAL);
    connect(&pollTimer, &QTimer::timeout, this, &LiveInputView::readInputs);
    refreshTimer.setSingleShot(true);
    refreshTimer.setInterval(REFRESH_INTERVAL);
    connect(&refreshTimer, &QTimer::timeout, this, &LiveInputView::refresh);

    axesBox->hide();
    buttonsBox->hide();
    showStatus(tr("Select a board to see its inputs."));
}

LiveInputView::~LiveInputView()
{
    stop();
}

void LiveInputView::setBoard(int id)
{
    if (id == productId)
        return;
    stop();
    productId = id;
    forceTest->setBoard(id);
    if (isVisible())
        start();
    else if (productId < 0)
        showStatus(tr("Select a board to see its inputs."));
}

void LiveInputView::stopForceTest()
{
    forceTest->stopTest();
}

void LiveInputView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    start();
}

void LiveInputView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Also when the window is minimised: nobody sees the inputs then either.
    stop();
}

void LiveInputView::start()
{
    if (source)
        return;
    axesBox->hide();
    buttonsBox->hide();
    if (productId < 0) {
        showStatus(tr("Select a board to see its inputs."));
        return;
    }
    gravolt_input_problem problem{};
    const gravolt_input_status opened =
        gravolt_input_open(uint16_t(BOARD_VENDOR_ID), uint16_t(productId), &source, &problem);
    if (opened != GRAVOLT_INPUT_OK) {
        source = nullptr;
        showStatus(describeProblem(opened, problem));
        return;
    }
    showStatus(QString());
    controlsMatch = false;
    const int descriptor = gravolt_input_descriptor(source);
    if (descriptor >= 0) {
        notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &LiveInputView::readInputs);
    } else {
        pollTimer.start();
    }
    // The state as it stands, before anything moves.
    readInputs();
    if (source)
        refresh();
}

void LiveInputView::stop()
{
    pollTimer.stop();
    refreshTimer.stop();
    // The notifier must stop watching before its descriptor is closed; it is
    // deleted later, as this may run inside its own signal.
    if (notifier) {
        notifier->setEnabled(false);
        notifier->deleteLater();
        notifier = nullptr;
    }
    if (source) {
        gravolt_input_close(source);
        source = nullptr;
    }
}

void LiveInputView::readInputs()
{
    if (!source)
        return;
    gravolt_input_problem problem{};
    const gravolt_input_status result = gravolt_input_read(source, &latest, &problem);
    if (result != GRAVOLT_INPUT_OK) {
        stop();
        axesBox->hide();
        buttonsBox->hide();
        showStatus(describeProblem(result, problem));
        return;
    }
    if (!sameInputs(latest, shown) && !refreshTimer.isActive())
        refreshTimer.start();
}

void LiveInputView::refresh()
{
    if (!source)
        return;
    if (!controlsMatch || latest.axisCount != shown.axisCount ||
        latest.buttonCount != shown.buttonCount)
        rebuildControls();
    for (int i = 0; i < latest.axisCount; ++i) {
        const gravolt_input_axis &axis = latest.axes[i];
        QProgressBar *bar = axisBars[i];
        if (bar->minimum() != axis.minimum || bar->maximum() != axis.maximum)
            bar->setRange(axis.minimum, axis.maximum);
        // A board can send values beyond the range it declares; the bar
        // would ignore them, so it stops at its end and the text tells.
        bar->setValue(qBound(axis.minimum, axis.value, axis.maximum));
        bar->setFormat(QString::number(axis.value));
    }
    for (int i = 0; i < latest.buttonCount; ++i) {
        const bool lit = latest.buttons[i] != 0;
        QLabel *mark = buttonMarks[i];
        if (mark->property("lit").toBool() == lit)
            continue;
        mark->setProperty("lit", lit);
        mark->setBackgroundRole(lit ? QPalette::Highlight : QPalette::Base);
        mark->setForegroundRole(lit ? QPalette::HighlightedText : QPalette::Text);
    }
    shown = latest;
}

void LiveInputView::rebuildControls()
{
    // The axis names go with their bars.
    while (QLayoutItem *item = axesGrid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    axisBars.clear();
    qDeleteAll(buttonMarks);
    buttonMarks.clear();

    for (int i = 0; i < latest.axisCount; ++i) {
        auto *name = new QLabel(axisName(latest.axes[i].code), axesBox);
        // The text is the raw value as the board sends it: what dead zones
        // and ranges are set in.
        auto *bar = new QProgressBar(axesBox);
        bar->setObjectName(QStringLiteral("live_axis_%1").arg(i + 1));
        bar->setRange(latest.axes[i].minimum, latest.axes[i].maximum);
        axesGrid->addWidget(name, i, 0);
        axesGrid->addWidget(bar, i, 1);
        axisBars.append(bar);
    }
    for (int i = 0; i < latest.buttonCount; ++i) {
        auto *mark = new QLabel(QString::number(i + 1), buttonsBox);
        mark->setObjectName(QStringLiteral("live_button_%1").arg(i + 1));
        mark->setAlignment(Qt::AlignCenter);
        mark->setFrameShape(QFrame::Box);
        mark->setMinimumSize(BUTTON_MARK_SIZE, BUTTON_MARK_SIZE);
        mark->setAutoFillBackground(true);
        mark->setBackgroundRole(QPalette::Base);
        mark->setForegroundRole(QPalette::Text);
        mark->setProperty("lit", false);
        buttonsGrid->addWidget(mark, i / BUTTON_COLUMNS, i % BUTTON_COLUMNS);
        buttonMarks.append(mark);
    }
    axesBox->setVisible(latest.axisCount > 0);
    buttonsBox->setVisible(latest.buttonCount > 0);
    if (latest.axisCount == 0 && latest.buttonCount == 0)
        showStatus(tr("The board reports no axes and no buttons."));
    controlsMatch = true;
}

void LiveInputView::showStatus(const QString &text)
{
    status->setText(text);
    status->setVisible(!text.isEmpty());
}

QString LiveInputView::axisName(int code)
{
    for (const AxisLabel &label : AXIS_LABELS)
        if (label.code == code)
            return label.translated ? tr(label.name) : QString::fromLatin1(label.name);
    return tr("Axis %1").arg(code);
}

QString LiveInputView::describeProblem(gravolt_input_status status,
                                       const gravolt_input_problem &problem)
{
    const QString node = QString::fromLocal8Bit(problem.node);
    const QString error = problem.error ? qt_error_string(problem.error) : QString();
    switch (status) {
    case GRAVOLT_INPUT_OK:
        return QString();
    case GRAVOLT_INPUT_UNSUPPORTED:
        return tr("Live input is not available on this operating system yet.");
    case GRAVOLT_INPUT_NO_BOARD:
        return tr("The board is not connected.");
    case GRAVOLT_INPUT_NO_EVENT_DEVICE:
        return tr("The system made no input device of this board, so its inputs cannot be "
                  "shown. Check that the board's HID driver is loaded.");
    case GRAVOLT_INPUT_NODE_MISSING:
        return tr("The board's input device %1 does not exist. Reconnect the board.").arg(node);
    case GRAVOLT_INPUT_ACCESS_DENIED: {
        const QString owner = problem.ownerName[0] ? QString::fromLocal8Bit(problem.ownerName)
                                                   : QString::number(problem.owner);
        const QString group = problem.groupName[0] ? QString::fromLocal8Bit(problem.groupName)
                                                   : QString::number(problem.group);
        return tr("No permission to read the board's input device %1 (owner %2, group %3, "
                  "mode %4). Install the udev rule that comes with Gravolt Setup and reconnect "
                  "the board, or add your user to the group %3.")
            .arg(node, owner, group, octalMode(problem.mode));
    }
    case GRAVOLT_INPUT_GONE:
        return tr("The board was disconnected.");
    case GRAVOLT_INPUT_FAILED:
        break;
    }
    if (node.isEmpty())
        return tr("The board's inputs cannot be read: %1").arg(error);
    return tr("The board's input device %1 cannot be read: %2").arg(node, error);
}
