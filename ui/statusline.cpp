#include "statusline.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace {

// Dark enough to read on the light window colour, unlike a pure red.
const QColor FAILURE_COLOUR(0xb0, 0x00, 0x00);
constexpr int ICON_GAP = 4;  // px between the icon and the text

}  // namespace

StatusLine::StatusLine(QWidget *parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

void StatusLine::showMessage(const QString &text, Kind kind)
{
    currentKind = kind;
    setProperty("failure", kind == Kind::Failure);
    setProperty("busy", kind == Kind::Busy);
    setToolTip(text);
    setText(text);
    // setText() only schedules a repaint when the text changed.
    update();
}

int StatusLine::iconSize() const
{
    return fontMetrics().height();
}

bool StatusLine::isElided() const
{
    const int room =
        contentsRect().width() - (currentKind == Kind::Failure ? iconSize() + ICON_GAP : 0);
    return fontMetrics().horizontalAdvance(text()) > room;
}

QSize StatusLine::sizeHint() const
{
    // Only the height counts: the status bar gives the line all the width
    // there is, and a long text must never widen the window.
    const QMargins margins = contentsMargins();
    return {iconSize() + ICON_GAP, fontMetrics().height() + margins.top() + margins.bottom() + 2};
}

QSize StatusLine::minimumSizeHint() const
{
    return sizeHint();
}

void StatusLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect room = contentsRect();
    if (currentKind == Kind::Failure) {
        const int side = iconSize();
        const QRect iconRect(room.left(), room.top() + (room.height() - side) / 2, side, side);
        style()
            ->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this)
            .paint(&painter, iconRect);
        room.setLeft(iconRect.right() + 1 + ICON_GAP);
        painter.setPen(FAILURE_COLOUR);
    } else {
        painter.setPen(palette().color(foregroundRole()));
    }
    const QString shown =
        fontMetrics().elidedText(text(), Qt::ElideRight, std::max(0, room.width()));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

void StatusLine::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || text().isEmpty())
        return;
    // The whole text, selectable, for a message longer than the line.
    auto *box = new QMessageBox(currentKind == Kind::Failure ? QMessageBox::Warning
                                                             : QMessageBox::Information,
                                window()->windowTitle(), text(), QMessageBox::Ok, window());
    box->setObjectName(QStringLiteral("status_message_box"));
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
