#pragma once

#include <QIcon>
#include <QString>

// An icon that reads its file only when something first draws it or asks for
// its sizes. Reading any image file makes Qt load every image format plugin
// it has, which is the largest single cost of building the window. A window
// icon the platform never draws (offscreen, most Wayland compositors) then
// costs nothing; on X11 it is read when the window maps instead of while the
// window is built.
QIcon lazyFileIcon(const QString &fileName);
