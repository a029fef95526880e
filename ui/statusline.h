#pragma once

#include <QLabel>
#include <QString>

// The one line under the pages that says what the last operation did or what
// runs now. It is exactly one line high whatever it holds, so that nothing
// above it moves when a long message replaces a short one: a text that does
// not fit is elided, its whole wording is in the tooltip and a click shows it
// in a box of its own. A failure is drawn in red behind a warning icon.
// text() is always the whole text.
class StatusLine : public QLabel
{
    Q_OBJECT

public:
    enum class Kind { Success, Busy, Failure };

    explicit StatusLine(QWidget *parent = nullptr);

    void showMessage(const QString &text, Kind kind);
    Kind kind() const { return currentKind; }
    // Whether the text is shown elided at the line's current width.
    bool isElided() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int iconSize() const;

    Kind currentKind = Kind::Success;
};
