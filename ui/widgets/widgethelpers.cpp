#include "widgethelpers.h"

#include "device/firmwareinfo.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

namespace {

// Marks a row hidden for a popup list that is not built yet.
constexpr int ROW_HIDDEN_ROLE = Qt::UserRole + 0x100;

}  // namespace

void LazyListComboBox::showPopup()
{
    if (auto *list = qobject_cast<QListView *>(view()))
        for (int row = 0; row < count(); ++row)
            list->setRowHidden(row, itemData(row, ROW_HIDDEN_ROLE).toBool());
    QComboBox::showPopup();
}

void setComboRowHidden(QComboBox *combo, int row, bool hidden)
{
    if (!combo || row < 0 || row >= combo->count())
        return;
    if (qobject_cast<LazyListComboBox *>(combo))
        combo->setItemData(row, hidden, ROW_HIDDEN_ROLE);
    else if (auto *view = qobject_cast<QListView *>(combo->view()))
        view->setRowHidden(row, hidden);
    // Keyboard and wheel selection on a closed combo box skip disabled items
    // but not hidden ones, so the item is disabled as well.
    if (auto *model = qobject_cast<QStandardItemModel *>(combo->model())) {
        if (QStandardItem *item = model->item(row)) {
            Qt::ItemFlags flags = item->flags();
            flags.setFlag(Qt::ItemIsEnabled, !hidden);
            flags.setFlag(Qt::ItemIsSelectable, !hidden);
            item->setFlags(flags);
        }
    }
}

QMessageBox::ButtonRole
askCancelFirst(QWidget *parent, QMessageBox::Icon icon, const QString &objectName,
               const QString &title, const QString &text, const QString &informative,
               const QList<QPair<QString, QMessageBox::ButtonRole>> &buttons)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.setObjectName(objectName);
    box.setInformativeText(informative);
    for (const auto &[caption, role] : buttons)
        box.addButton(caption, role);
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    // Qt names its standard buttons from its own catalogue, which is not
    // always installed; the window's has the word.
    cancel->setText(QCoreApplication::translate("MainWindow", "&Cancel"));
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    return clicked && clicked != cancel ? box.buttonRole(clicked) : QMessageBox::RejectRole;
}

bool askToGoAhead(QWidget *parent, QMessageBox::Icon icon, const QString &objectName,
                  const QString &title, const QString &text, const QString &goAheadText,
                  QMessageBox::ButtonRole role)
{
    return askCancelFirst(parent, icon, objectName, title, text, QString(),
                          {{goAheadText, role}}) == role;
}

QString withoutMnemonic(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

QString withDecimalSeparator(const QString &text, const QString &separator)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('.') || c == QLatin1Char(','))
            result += separator;
        else
            result += c;
    }
    return result;
}

void setAxisTabsForDevice(QTabWidget *tabs, int deviceType)
{
    if (!tabs || tabs->count() < 2)
        return;
    switch (deviceType) {
    case DEVICE_TYPE_JOYSTICK:
        tabs->setTabVisible(0, true);
        tabs->setTabVisible(1, true);
        break;
    case DEVICE_TYPE_RUDDER:
    case DEVICE_TYPE_WHEEL:
    case DEVICE_TYPE_COLLECTIVE:
        tabs->setTabVisible(0, true);
        tabs->setTabVisible(1, false);
        break;
    default:
        break;
    }
}

namespace {

// A page that has never been shown is polished, and its layouts brought up to
// date, only when it is shown; until then it reports the size it had when it
// was built, before the window's font reached it. And a change of size
// climbs from a widget to the window one posted event per level. So every
// widget is polished and then, innermost first, drops the size it last gave
// and lays out its children anew.
void bringLayoutsUpToDate(QWidget *window)
{
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        widget->ensurePolished();
    for (auto it = widgets.crbegin(); it != widgets.crend(); ++it) {
        (*it)->updateGeometry();
        if (QLayout *layout = (*it)->layout())
            layout->activate();
    }
    if (QLayout *layout = window->layout())
        layout->activate();
}

}  // namespace

void growWindowToNaturalSize(QWidget *window)
{
    if (!window)
        return;
    bringLayoutsUpToDate(window);
    QSize wanted = window->sizeHint().expandedTo(window->minimumSizeHint());
    const QScreen *screen = window->screen();
    if (!screen) {
        window->resize(wanted.expandedTo(window->size()));
        return;
    }
    // The title bar and borders of the window manager come on top of the
    // window's own size; before the window is mapped they count as nothing.
    const QRect available = screen->availableGeometry();
    const QSize decoration = window->frameGeometry().size() - window->size();
    // Past the screen's edge nothing could be reached; a page that is then
    // too wide or too tall scrolls instead.
    wanted = wanted.boundedTo(available.size() - decoration).expandedTo(window->size());
    window->resize(wanted);

    const QRect frame = window->frameGeometry();
    const int x =
        std::max(available.left(), std::min(frame.left(), available.right() - frame.width() + 1));
    const int y =
        std::max(available.top(), std::min(frame.top(), available.bottom() - frame.height() + 1));
    if (x != frame.left() || y != frame.top())
        window->move(x, y);
}

namespace {

// The pages' own controls sit this far in from their edges.
constexpr int NOTICE_SIDE_MARGIN = 9;  // px

}  // namespace

QLabel *insertNoticeAbove(QWidget *below, const QString &objectName)
{
    QWidget *page = below->parentWidget();
    auto *notice = new QLabel(page);
    notice->setObjectName(objectName);
    notice->setWordWrap(true);
    notice->setTextFormat(Qt::PlainText);
    notice->setContentsMargins(NOTICE_SIDE_MARGIN, 0, NOTICE_SIDE_MARGIN, 0);
    notice->hide();
    if (auto *layout = qobject_cast<QBoxLayout *>(page ? page->layout() : nullptr))
        layout->insertWidget(layout->indexOf(below), notice);
    return notice;
}
