#pragma once

#include <QPointer>
#include <QScrollArea>

// Holds the contents of one settings page. A plain scroll area asks for a
// fixed, small size; this one asks for its whole page, so that the window opens
// with nothing to scroll wherever the screen is tall enough, and it is never
// narrower than the page, so that a short screen only ever scrolls vertically.
class PageScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit PageScrollArea(QWidget *parent = nullptr);

    // Takes the page the form built for this area. It waits, hidden, in the
    // viewport until the area is shown or layOutPage() is called: making it
    // the area's widget lays out and polishes the whole page, work that the
    // window's first frame, with every page hidden, does not need. Until then
    // the area asks for no more room than an empty one.
    void setPage(QWidget *page);
    // Makes the waiting page the area's widget, so that the area asks for
    // the page's size; the window calls it before it shows the pages.
    void layOutPage();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int verticalChrome() const;

    // Set until the page becomes the area's widget.
    QPointer<QWidget> waitingPage;
};
