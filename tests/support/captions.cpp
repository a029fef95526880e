#include "captions.h"

#include <QAbstractButton>

QString shownText(const QString &caption)
{
    QString shown = caption;
    shown.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    shown.remove(QLatin1Char('&'));
    shown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return shown;
}

QString shownText(const QAbstractButton *button)
{
    return button ? shownText(button->text()) : QString();
}
