#include "widgethelpers.h"

#include "device/firmwareinfo.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QStandardItemModel>
#include <QTabWidget>

void setComboRowHidden(QComboBox *combo, int row, bool hidden)
{
    if (!combo || row < 0 || row >= combo->count())
        return;
    if (auto *view = qobject_cast<QListView *>(combo->view()))
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
