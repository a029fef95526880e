#include "deferredextensionstyle.h"

#include "lazyfileicon.h"

#include <QApplication>
#include <QPointer>
#include <QStyleFactory>

DeferredExtensionStyle::DeferredExtensionStyle(QStyle *base) : QProxyStyle(base)
{}

QIcon DeferredExtensionStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                           const QWidget *widget) const
{
    if (standardIcon != SP_ToolBarHorizontalExtensionButton &&
        standardIcon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    // The option and the widget are gone by the time the icon is drawn; the
    // extension icons depend on neither beyond the layout direction, which
    // the application's is.
    QPointer<QStyle> base(baseStyle());
    return lazyIcon(
        [base, standardIcon] { return base ? base->standardIcon(standardIcon) : QIcon(); });
}

void deferExtensionIcons()
{
    QStyle *current = QApplication::style();
    if (!current || qobject_cast<DeferredExtensionStyle *>(current))
        return;
    if (QStyle *base = QStyleFactory::create(current->name()))
        QApplication::setStyle(new DeferredExtensionStyle(base));
}
