#include "unreadgroupnotice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

UnreadGroupNotice::UnreadGroupNotice(const QString &objectName, QWidget *parent)
    : QFrame(parent), label(new QLabel(this)), readButton(new QPushButton(this))
{
    setObjectName(objectName);
    setFrameShape(QFrame::StyledPanel);
    label->setObjectName(objectName + QStringLiteral("_text"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    readButton->setObjectName(objectName + QStringLiteral("_read_button"));
    readButton->setText(tr("Read again"));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(label, 1);
    layout->addWidget(readButton, 0, Qt::AlignTop);
    connect(readButton, &QPushButton::clicked, this, &UnreadGroupNotice::readRequested);
    hide();
}

void UnreadGroupNotice::setText(const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

QString UnreadGroupNotice::text() const
{
    return label->text();
}
