#include "windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QWidget>

namespace {

const QString GEOMETRY_KEY = QStringLiteral("window/geometry");
// Room for every page's widest row and its sliders; on a taller screen the
// pages then need no scrolling.
constexpr int WORKING_WIDTH = 780;   // px
constexpr int WORKING_HEIGHT = 900;  // px
// Left for the window manager's title bar and borders, which are not known
// before the window is first mapped.
constexpr int DECORATION_ALLOWANCE = 40;  // px

QSettings placementSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("gravolt-setup"),
                     QStringLiteral("window"));
}

}  // namespace

void restoreWindowPlacement(QWidget *window)
{
    const QSettings settings = placementSettings();
    // restoreGeometry moves a window that would now lie off every screen
    // (a monitor unplugged since) back onto one.
    const QByteArray saved = settings.value(GEOMETRY_KEY).toByteArray();
    if (!saved.isEmpty() && window->restoreGeometry(saved))
        return;
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window->resize(WORKING_WIDTH, WORKING_HEIGHT);
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize size = QSize(WORKING_WIDTH, WORKING_HEIGHT)
                           .boundedTo(available.size() - QSize(0, DECORATION_ALLOWANCE))
                           .expandedTo(window->minimumSizeHint());
    // move() places the frame, so the title bar stays on the screen too.
    window->resize(size);
    window->move(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignHCenter | Qt::AlignTop, size, available)
            .topLeft());
}

void saveWindowPlacement(const QWidget *window)
{
    QSettings settings = placementSettings();
    settings.setValue(GEOMETRY_KEY, window->saveGeometry());
    settings.sync();
}
