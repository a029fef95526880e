#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// Takes a page's place while its settings have not been read from the
// selected board, so that no value of another board, nor a blank form's
// zeros, looks like this board's and nothing can be edited over them. Says
// why and offers the read again.
class UnreadGroupNotice : public QWidget
{
    Q_OBJECT

public:
    UnreadGroupNotice(const QString &objectName, QWidget *parent);

    void setText(const QString &text);
    QString text() const;

signals:
    void readRequested();

private:
    QLabel *label;
    QPushButton *readButton;
};
