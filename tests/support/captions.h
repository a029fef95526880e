#pragma once

#include <QString>

class QAbstractButton;

// The caption a user reads: the mnemonic's '&' dropped, "&&" shown as '&'.
// Specified captions are compared with this, so that a mnemonic never breaks
// such a test and a changed word still does.
QString shownText(const QAbstractButton *button);
