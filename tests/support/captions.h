#pragma once

#include <QString>

class QAbstractButton;

// The caption a user reads: the mnemonic's '&' dropped, "&&" shown as '&'.
// Tests compare specified captions with this, so a mnemonic never breaks
// them and a changed word still does.
QString shownText(const QString &caption);
QString shownText(const QAbstractButton *button);
