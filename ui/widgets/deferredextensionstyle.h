#pragma once

#include <QProxyStyle>

// Qt's menu bar gives its overflow button (shown only when the menus do not
// fit in one row) the style's extension icon in its constructor, and reading
// that icon's image file makes Qt load every image format plugin before the
// window's first frame. This style hands out the extension icons lazily, so
// they are read when such a button is first drawn; everything else is the
// wrapped style's.
class DeferredExtensionStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Takes ownership of `base`.
    explicit DeferredExtensionStyle(QStyle *base);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

// Wraps the application's current style (the platform's choice, or -style)
// in a DeferredExtensionStyle. Call once, after QApplication exists and
// before the first window is built.
void deferExtensionIcons();
