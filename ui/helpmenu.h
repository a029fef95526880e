#pragma once

class QMenuBar;
class QString;
class QWidget;

// Where the manual is looked up, relative to the working directory like the
// catalogues and the icon.
inline constexpr char MANUAL_FILE[] = "gravolt-setup-manual.md";

// The Help menu: the manual, shown from the local file without a browser,
// and About. `window` parents the dialogs.
void addHelpMenu(QMenuBar *menuBar, QWidget *window);

// The About text: program version, the firmware version it is made for, the
// Qt version, the licence and the folders with profiles and backups.
QString aboutText();
