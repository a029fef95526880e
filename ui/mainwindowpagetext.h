#pragma once

#include <QCoreApplication>
#include <QString>

// The translation of the pages' form (mainwindowpages.ui): its texts are the
// main window's, in the window's translation context.
inline QString pageText(const char *sourceText, const char *disambiguation)
{
    return QCoreApplication::translate("MainWindow", sourceText, disambiguation);
}
