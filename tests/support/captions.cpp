#include "captions.h"

#include <QAbstractButton>

QString shownText(const QAbstractButton *button)
{
    QString shown = button ? button->text() : QString();
    shown.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    shown.remove(QLatin1Char('&'));
    return shown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}
