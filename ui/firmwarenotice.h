#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

// In place of the settings pages when the picked entry of the board list is
// a board waiting in its bootloader, or a board whose firmware this program
// is not made for: what it is, and the firmware actions as buttons.
class FirmwareNotice : public QFrame
{
    Q_OBJECT

public:
    explicit FirmwareNotice(QWidget *parent);

    // `offerStart`: the "start its firmware" button too; `enabled`: the
    // buttons can be used (not for a bootloader that cannot be opened).
    void showNotice(const QString &text, bool offerStart, bool enabled);

signals:
    void updateRequested();
    void startRequested();

private:
    QLabel *label;
    QPushButton *updateButton;
    QPushButton *startButton;
};
