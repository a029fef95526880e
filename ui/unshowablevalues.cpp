#include "unshowablevalues.h"

#include "ui/changetracker.h"

#include <QAbstractButton>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QStringList>
#include <QTabWidget>
#include <QVariant>

#include <algorithm>

namespace {

// Dynamic properties on a marked control: the flag tests and style sheets
// look at, and the control's own tooltip, given back when the mark goes.
constexpr char MARK_PROPERTY[] = "unshowableValue";
constexpr char OWN_TOOLTIP_PROPERTY[] = "unshowableValueOwnToolTip";

// The selector keeps the frame off the control's children (a spin box's edit
// field, a combo box's popup), which do not carry the property.
constexpr char MARK_STYLE[] = "*[unshowableValue=\"true\"] { border: 2px solid #c62828; }";

const QString CAPTION_SEPARATOR = QStringLiteral(" \u203a ");
const QString VALUE_ARROW = QStringLiteral(" \u2192 ");

QLayout *layoutHolding(QLayout *layout, const QWidget *control)
{
    if (!layout)
        return nullptr;
    if (layout->indexOf(const_cast<QWidget *>(control)) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout *found = layoutHolding(layout->itemAt(i)->layout(), control))
            return found;
    return nullptr;
}

QString labelText(QLayoutItem *item)
{
    const auto *label = item ? qobject_cast<QLabel *>(item->widget()) : nullptr;
    return label ? label->text().trimmed() : QString();
}

QString cleanTitle(QString title)
{
    // The mark the window adds to a tab's title is no part of its name.
    const QString mark = ChangeTracker::tabMark();
    if (title.endsWith(mark))
        title.chop(mark.size());
    return title.remove(QLatin1Char('&')).trimmed();
}

// The label of the control's row, and in a table of controls the heading of
// its column, in the layout that holds it.
QStringList rowLabels(const QWidget *control)
{
    QStringList labels;
    const QWidget *parent = control->parentWidget();
    QLayout *layout = parent ? layoutHolding(parent->layout(), control) : nullptr;
    if (auto *form = qobject_cast<QFormLayout *>(layout)) {
        if (auto *label =
                qobject_cast<QLabel *>(form->labelForField(const_cast<QWidget *>(control))))
            labels << label->text().trimmed();
    } else if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(const_cast<QWidget *>(control)), &row, &column,
                              &rowSpan, &columnSpan);
        if (column > 0)
            labels << labelText(grid->itemAtPosition(row, 0));
        if (row > 0)
            labels << labelText(grid->itemAtPosition(0, column));
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        labels << button->text().trimmed();
    labels.removeAll(QString());
    return labels;
}

}  // namespace

void UnshowableValues::mark(const QList<QWidget *> &controls, const QList<UnshowableValue> &values)
{
    for (QWidget *control : controls) {
        const auto value =
            std::find_if(values.cbegin(), values.cend(),
                         [control](const UnshowableValue &v) { return v.control == control; });
        if (value != values.cend()) {
            if (!isMarked(control)) {
                control->setProperty(OWN_TOOLTIP_PROPERTY, control->toolTip());
                control->setProperty(MARK_PROPERTY, true);
                control->setStyleSheet(QLatin1String(MARK_STYLE));
            }
            control->setToolTip(tr("The value read, %1, cannot be shown here and shows as %2. "
                                   "Unless you change this field, a write sends %1 back "
                                   "unchanged.")
                                    .arg(value->readValue, value->sentValue));
        } else if (isMarked(control)) {
            control->setProperty(MARK_PROPERTY, QVariant());
            control->setStyleSheet(QString());
            control->setToolTip(control->property(OWN_TOOLTIP_PROPERTY).toString());
            control->setProperty(OWN_TOOLTIP_PROPERTY, QVariant());
        }
    }
}

bool UnshowableValues::isMarked(const QWidget *control)
{
    return control && control->property(MARK_PROPERTY).toBool();
}

QString UnshowableValues::listing(const QList<UnshowableValue> &values)
{
    QStringList lines;
    for (const UnshowableValue &value : values)
        lines << value.caption + QLatin1String(": ") + value.readValue + VALUE_ARROW +
                     value.sentValue;
    return lines.join(QLatin1Char('\n'));
}

QString UnshowableValues::notice(const QList<UnshowableValue> &values)
{
    if (values.isEmpty())
        return QString();
    return tr("Some values read cannot be shown by this form. A write sends them back "
              "unchanged unless you change them (value read → value shown):") +
           QLatin1Char('\n') + listing(values);
}

QString UnshowableValues::caption(const QWidget *control)
{
    if (!control)
        return QString();
    QStringList parts = rowLabels(control);
    // Tab titles from the innermost outwards: a tab's page sits in the tab
    // widget's stack.
    for (const QWidget *page = control; page && page->parentWidget(); page = page->parentWidget()) {
        const auto *stack = qobject_cast<const QStackedWidget *>(page->parentWidget());
        const auto *tabs =
            stack ? qobject_cast<const QTabWidget *>(stack->parentWidget()) : nullptr;
        if (tabs) {
            const int index = tabs->indexOf(const_cast<QWidget *>(page));
            if (index >= 0)
                parts.prepend(cleanTitle(tabs->tabText(index)));
        }
    }
    parts.removeAll(QString());
    return parts.isEmpty() ? control->objectName() : parts.join(CAPTION_SEPARATOR);
}
