#include "unreadgroupnotice.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

UnreadGroupNotice::UnreadGroupNotice(const QString &objectName, QWidget *parent)
    : QWidget(parent), label(new QLabel(this)), readButton(new QPushButton(this))
{
    setObjectName(objectName);
    // It takes the room of the values it stands for, so that the page's
    // buttons stay where they were; the notice itself sits at the top.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    auto *box = new QFrame(this);
    box->setFrameShape(QFrame::StyledPanel);
    label->setObjectName(objectName + QStringLiteral("_text"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    readButton->setObjectName(objectName + QStringLiteral("_read_button"));
    // In the window's own context, like every other text on its pages.
    readButton->setText(QCoreApplication::translate("MainWindow", "Read agai&n"));
    auto *row = new QHBoxLayout(box);
    row->addWidget(label, 1);
    row->addWidget(readButton, 0, Qt::AlignTop);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(box);
    column->addStretch(1);
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
