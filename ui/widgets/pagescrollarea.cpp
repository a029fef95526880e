#include "pagescrollarea.h"

#include <QEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

// A maximised window on a wide screen would otherwise stretch every slider
// and field across it; past this width the page stays centred instead.
constexpr int MAXIMUM_PAGE_WIDTH = 960;  // px

}  // namespace

PageScrollArea::PageScrollArea(QWidget *parent) : QScrollArea(parent)
{
    // The page shows through, as it did before it could scroll.
    viewport()->setAutoFillBackground(false);
    // A bar that came and went would narrow the page and move every field on
    // it whenever a notice above the buttons took some of the height.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab goes from the page's last field to its buttons, not to the frame;
    // the area still scrolls to whatever field takes the focus.
    setFocusPolicy(Qt::NoFocus);
}

void PageScrollArea::setPage(QWidget *page)
{
    page->setParent(viewport());
    waitingPage = page;
}

void PageScrollArea::layOutPage()
{
    if (QWidget *page = waitingPage) {
        waitingPage = nullptr;
        setWidget(page);
        page->setMaximumWidth(std::max(MAXIMUM_PAGE_WIDTH, page->sizeHint().width()));
        setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
}

bool PageScrollArea::event(QEvent *event)
{
    if (event->type() == QEvent::Show)
        layOutPage();
    // A page that changes its size (shown for the first time with its final
    // font, a row shown or hidden) asks its parent, the viewport, to lay it
    // out again, and the viewport passes that request on to here. The size
    // this area asks for is the page's, so the layouts around it must hear of
    // it too; they would otherwise keep the size they were given last.
    if (event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::event(event);
}

bool PageScrollArea::eventFilter(QObject *watched, QEvent *event)
{
    // QScrollArea paints its contents with the window colour, which on a tab
    // differs from the tab's own; undone when the contents are shown, after
    // setWidget() has had its say.
    if (watched == widget() && event->type() == QEvent::Show)
        widget()->setAutoFillBackground(false);
    return QScrollArea::eventFilter(watched, event);
}

int PageScrollArea::verticalChrome() const
{
    // Room for the vertical bar is always reserved: if the window ends up
    // shorter than the page, the bar appears without squeezing the page
    // sideways into a horizontal bar as well.
    return 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
}

QSize PageScrollArea::sizeHint() const
{
    const QWidget *page = widget();
    if (!page)
        return QScrollArea::sizeHint();
    const QSize pageSize = page->sizeHint().expandedTo(page->minimumSizeHint());
    return {pageSize.width() + verticalChrome(), pageSize.height() + 2 * frameWidth()};
}

QSize PageScrollArea::minimumSizeHint() const
{
    const QWidget *page = widget();
    if (!page)
        return QScrollArea::minimumSizeHint();
    return {page->minimumSizeHint().width() + verticalChrome(),
            QScrollArea::minimumSizeHint().height()};
}
