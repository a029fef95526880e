#pragma once

#include <QComboBox>
#include <QList>
#include <QMessageBox>
#include <QPair>

class QLabel;
class QString;
class QTabWidget;
class QWidget;

// Hides or shows one row of a combo box's list. A hidden row stays in the
// model with its index, so a record code can still make it current from code,
// but the user can pick it neither in the popup nor with the keyboard or the
// mouse wheel on the closed box.
void setComboRowHidden(QComboBox *combo, int row, bool hidden);

// A combo box whose popup list is built only when the user first opens it:
// setComboRowHidden marks its rows, and the list takes the marks as it opens.
// A plain combo box builds the list (a window with a view and scroll bars)
// on the first hidden row, which for pages of such boxes is a fair share of
// the window's start-up.
class LazyListComboBox : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;
    void showPopup() override;
};

// Asks a question whose default and Escape answer is Cancel, so that neither a
// hurried Enter nor closing the box loses anything. `buttons` come before
// Cancel, in order; returns the role of the one clicked, or RejectRole for
// Cancel. `informative` may be empty.
QMessageBox::ButtonRole
askCancelFirst(QWidget *parent, QMessageBox::Icon icon, const QString &objectName,
               const QString &title, const QString &text, const QString &informative,
               const QList<QPair<QString, QMessageBox::ButtonRole>> &buttons);
// The same with one button that goes ahead: true when it was clicked.
bool askToGoAhead(QWidget *parent, QMessageBox::Icon icon, const QString &objectName,
                  const QString &title, const QString &text, const QString &goAheadText,
                  QMessageBox::ButtonRole role = QMessageBox::AcceptRole);

// A button caption as it is shown: without the '&' before its mnemonic
// letter, and "&&" as the one '&' it stands for. For a caption that also
// names its action in a sentence.
QString withoutMnemonic(const QString &caption);

// Decimal text with every point and comma replaced by `separator`: both
// separate the decimals in every language, and group separators are never
// taken, so neither can mean anything else.
QString withDecimalSeparator(const QString &text, const QString &separator);

// Per-axis tabs: a joystick (type 1) shows both axes, types 2 to 4 only the
// first; any other type leaves the tabs as they are.
void setAxisTabsForDevice(QTabWidget *tabs, int deviceType);

// A hidden, word-wrapped label placed right above `below` in the box layout
// that holds it: a page's notice about the buttons it stands over.
QLabel *insertNoticeAbove(QWidget *below, const QString &objectName);

// Makes a top-level window as large as its contents ask for, but no larger
// than the screen's free area, and moves it back onto that area where it
// would reach past an edge. It never shrinks the window: a size the user
// chose stays.
void growWindowToNaturalSize(QWidget *window);
