#include "firmwarenotice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FirmwareNotice::FirmwareNotice(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("firmware_notice"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("firmware_notice_text"));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
    auto *buttons = new QHBoxLayout;
    updateButton = new QPushButton(tr("&Update firmware…"), this);
    updateButton->setObjectName(QStringLiteral("notice_update_firmware_button"));
    startButton = new QPushButton(tr("S&tart its firmware"), this);
    startButton->setObjectName(QStringLiteral("notice_start_firmware_button"));
    buttons->addWidget(updateButton);
    buttons->addWidget(startButton);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(updateButton, &QPushButton::clicked, this, &FirmwareNotice::updateRequested);
    connect(startButton, &QPushButton::clicked, this, &FirmwareNotice::startRequested);
    hide();
}

void FirmwareNotice::showNotice(const QString &text, bool offerStart, bool enabled)
{
    label->setText(text);
    startButton->setVisible(offerStart);
    updateButton->setEnabled(enabled);
    startButton->setEnabled(enabled);
    show();
}
