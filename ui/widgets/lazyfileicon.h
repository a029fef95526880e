#pragma once

#include <QIcon>
#include <QString>

// An icon that reads its file only when something first draws it or asks for
// its sizes: a 256-pixel image decoded and kept while the window is built is
// work its first frame does not need. A window icon the platform never draws
// (offscreen, most Wayland compositors) then costs nothing; on X11 it is read
// when the window maps.
QIcon lazyFileIcon(const QString &fileName);
