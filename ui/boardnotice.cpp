#include "boardnotice.h"

#include "device/boardproblemtext.h"
#include "device/firmwareinfo.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString NOTICE_STYLE = QStringLiteral(
    "#board_notice { background: #fff4ce; border: 1px solid #d9a300; border-radius: 4px; }"
    "#board_notice QLabel { background: transparent; color: #3b2f00; }");

// Between two look-ups while every attached board is open; at one scan a
// second a newly plugged board that cannot be opened is reported within this
// many seconds plus one.
constexpr int IDLE_LOOK_UP_EVERY_SCANS = 5;

QString keyOf(const BoardStatus &status)
{
    return QStringLiteral("%1/%2/%3")
        .arg(status.board.port)
        .arg(status.board.productId)
        .arg(int(status.problem));
}

}  // namespace

BoardNotice::BoardNotice(const QList<int> &productIds, QWidget *parent)
    : QFrame(parent), finder(productIds, BOARD_VENDOR_ID), message(new QLabel(this)),
      commandBox(new QLabel(this)), copyButton(new QPushButton(tr("&Copy commands"), this))
{
    setObjectName(QStringLiteral("board_notice"));
    message->setObjectName(QStringLiteral("board_notice_message"));
    message->setWordWrap(true);
    message->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    message->setTextFormat(Qt::PlainText);
    commandBox->setObjectName(QStringLiteral("board_notice_commands"));
    commandBox->setTextFormat(Qt::PlainText);
    // The window is narrow; a long path wraps rather than being cut off. The
    // button copies the commands whole either way.
    commandBox->setWordWrap(true);
    commandBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    commandBox->setTextInteractionFlags(Qt::TextSelectableByMouse);
    copyButton->setObjectName(QStringLiteral("copy_fix_commands_button"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(commandBox);
    layout->addWidget(copyButton, 0, Qt::AlignRight);

    connect(copyButton, &QPushButton::clicked, this, &BoardNotice::copyCommands);
    hide();
}

void BoardNotice::updateFromScan(const QMap<int, FirmwareInfoTypeDef> &devices)
{
    const QList<int> opened = devices.keys();
    const bool changed = !scanned || opened != openedBefore;
    ++scansSinceLookUp;
    if (!changed && !troubleBefore && scansSinceLookUp < IDLE_LOOK_UP_EVERY_SCANS)
        return;
    scanned = true;
    scansSinceLookUp = 0;
    openedBefore = opened;
    const BoardDiagnosis diagnosis = finder.run(&opened);
    troubleBefore = !diagnosis.unusable().isEmpty() || !diagnosis.crowdedModels().isEmpty();
    showDiagnosis(diagnosis);
}

void BoardNotice::showDiagnosis(const BoardDiagnosis &diagnosis)
{
    QSet<QString> unusableNow;
    QStringList paragraphs;
    commands.clear();
    bool replug = false;
    for (const BoardStatus &status : diagnosis.unusable()) {
        const QString key = keyOf(status);
        unusableNow.insert(key);
        if (!unusableBefore.contains(key))
            continue;
        paragraphs << tr("%1 (USB port %2) is connected but cannot be opened. %3")
                          .arg(boardModelName(status.board.productId), status.board.port,
                               problemText(status));
        for (const QString &command : fixCommands(status, diagnosis.rule)) {
            replug = true;
            if (!commands.contains(command))
                commands << command;
        }
    }
    unusableBefore = unusableNow;
    for (const int productId : diagnosis.crowdedModels())
        paragraphs << tr("%1 %2s are connected. One board of each model can be configured at a "
                         "time: unplug the others.")
                          .arg(diagnosis.boardsPerProductId.value(productId))
                          .arg(boardModelName(productId));
    if (replug)
        paragraphs << tr("To fix this, run these commands, then unplug the board and plug it in "
                         "again:");

    const QString text = paragraphs.join(QStringLiteral("\n\n"));
    const QString commandText = commandsText();
    // A look-up runs after every scan; the labels are only touched when
    // something changed, so an idle window does not relayout once a second.
    if (message->text() != text)
        message->setText(text);
    if (commandBox->text() != commandText)
        commandBox->setText(commandText);
    commandBox->setVisible(!commands.isEmpty());
    copyButton->setVisible(!commands.isEmpty());
    // Wrapped labels learn their height only from their width; without a
    // fresh layout pass the last line of a new text can be cut off.
    message->updateGeometry();
    // A style sheet costs the window a style of its own, so the notice takes
    // it only when it first shows; until then it is hidden.
    if (!paragraphs.isEmpty() && styleSheet().isEmpty())
        setStyleSheet(NOTICE_STYLE);
    setVisible(!paragraphs.isEmpty());
}

void BoardNotice::copyCommands()
{
    QApplication::clipboard()->setText(commandsText() + QLatin1Char('\n'));
}
