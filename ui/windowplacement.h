#pragma once

class QWidget;

// The window's size and place are kept between runs in the user's own
// settings (QSettings, user scope), not in config.ini, which belongs to the
// working directory and is only ever read.

// Gives `window` the size and place it was left at; on the first start a
// working size that fits the screen's free area (the desktop's panels
// excluded), centred on it. Called before the window is shown.
void restoreWindowPlacement(QWidget *window);
// Keeps the size and place of `window`, maximised or not, for the next start.
void saveWindowPlacement(const QWidget *window);
