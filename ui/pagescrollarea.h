#pragma once

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

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int verticalChrome() const;
};
