#pragma once

#include <QIcon>
#include <QString>

#include <functional>

// An icon that reads its file only when something first draws it or asks for
// its sizes: a 256-pixel image decoded and kept while the window is built is
// work its first frame does not need. A window icon the platform never draws
// (offscreen, most Wayland compositors) then costs nothing; on X11 it is read
// when the window maps.
QIcon lazyFileIcon(const QString &fileName);

// The same for an icon made by `load` (a style's icon, for example), which is
// called at most once, when the icon is first drawn or measured.
QIcon lazyIcon(std::function<QIcon()> load);
