#include "changetracker.h"

#include "ui/widgets/widgethelpers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

namespace {

int groupBit(SettingsGroup group)
{
    return 1 << int(group);
}

}  // namespace

ChangeTracker::ChangeTracker(QTabWidget *tabs) : QObject(tabs), tabs(tabs)
{}

namespace {

const QString APPLIED_NOT_SAVED_STYLE =
    QStringLiteral("QLabel { background: #fff4ce; border: 1px solid #d9a300; border-radius: 4px; "
                   "color: #3b2f00; padding: 2px; }");

}  // namespace

QString ChangeTracker::tabMark()
{
    return QStringLiteral(" \u2022");
}

void ChangeTracker::addGroup(SettingsGroup group, const QList<QWidget *> &pages,
                             const QList<QWidget *> &noticeAnchors,
                             std::function<QByteArray()> formRecord)
{
    Group &entry = groups[group];
    entry.pages = pages;
    entry.formRecord = std::move(formRecord);
    for (QWidget *page : pages) {
        captions.insert(page, tabs->tabText(tabs->indexOf(page)));
        watchControls(page);
    }
    for (int i = 0; i < noticeAnchors.size(); ++i) {
        const QString name =
            group == SettingsGroup::Effects
                ? QStringLiteral("effects_applied_not_saved_notice")
                : QStringLiteral("hardware_applied_not_saved_notice_%1").arg(i + 1);
        QLabel *notice = insertNoticeAbove(noticeAnchors[i], name);
        // In the window's own context, like every other text on its pages.
        notice->setText(QCoreApplication::translate(
            "MainWindow", "Applied, not saved: lost when the board loses power"));
        // A warning, in the colours of the board notice above the list.
        notice->setStyleSheet(APPLIED_NOT_SAVED_STYLE);
        entry.notices << notice;
    }
}

void ChangeTracker::watchControls(QWidget *page)
{
    // Any edit may change the record; which one is found by comparing bytes.
    for (auto *spinBox : page->findChildren<QSpinBox *>())
        connect(spinBox, &QSpinBox::valueChanged, this, &ChangeTracker::scheduleRefresh);
    for (auto *combo : page->findChildren<QComboBox *>())
        connect(combo, &QComboBox::currentIndexChanged, this, &ChangeTracker::scheduleRefresh);
    for (auto *button : page->findChildren<QAbstractButton *>())
        if (button->isCheckable())
            connect(button, &QAbstractButton::toggled, this, &ChangeTracker::scheduleRefresh);
    for (auto *edit : page->findChildren<QLineEdit *>())
        connect(edit, &QLineEdit::textChanged, this, &ChangeTracker::scheduleRefresh);
}

void ChangeTracker::setCurrentBoard(int productId, const QString &boardName)
{
    currentProductId = productId;
    currentBoardName = boardName;
    for (Group &group : groups)
        group.state.forgetBoardRecord();
    scheduleRefresh();
}

void ChangeTracker::boardLostWorkingMemory(int productId)
{
    appliedNotSaved.remove(productId);
    scheduleRefresh();
}

void ChangeTracker::keepBoards(const QList<int> &present)
{
    bool changed = false;
    for (auto it = appliedNotSaved.begin(); it != appliedNotSaved.end();) {
        if (present.contains(it.key())) {
            ++it;
        } else {
            it = appliedNotSaved.erase(it);
            changed = true;
        }
    }
    if (changed)
        scheduleRefresh();
}

void ChangeTracker::setBoardRecord(SettingsGroup group, const QByteArray &record)
{
    groups[group].state.setBoardRecord(record);
    scheduleRefresh();
}

void ChangeTracker::setAppliedNotSaved(SettingsGroup group, bool applied)
{
    if (currentProductId < 0)
        return;
    int &bits = appliedNotSaved[currentProductId];
    bits = applied ? bits | groupBit(group) : bits & ~groupBit(group);
    if (bits == 0)
        appliedNotSaved.remove(currentProductId);
    scheduleRefresh();
}

void ChangeTracker::setInvalidInputCheck(SettingsGroup group, std::function<bool()> check)
{
    groups[group].invalidInput = std::move(check);
}

bool ChangeTracker::hasEdits(SettingsGroup group) const
{
    const auto entry = groups.constFind(group);
    if (entry == groups.cend() || !entry->formRecord)
        return false;
    if (entry->invalidInput && entry->state.knowsBoardRecord() && entry->invalidInput())
        return true;
    return entry->state.formDiffers(entry->formRecord());
}

bool ChangeTracker::isAppliedNotSaved(SettingsGroup group) const
{
    return currentProductId >= 0 && (appliedNotSaved.value(currentProductId) & groupBit(group));
}

QList<SettingsGroup> ChangeTracker::groupsAtRisk() const
{
    QList<SettingsGroup> atRisk;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it)
        if (hasEdits(it.key()) || isAppliedNotSaved(it.key()))
            atRisk << it.key();
    return atRisk;
}

void ChangeTracker::scheduleRefresh()
{
    if (refreshPending)
        return;
    refreshPending = true;
    QTimer::singleShot(0, this, &ChangeTracker::refresh);
}

void ChangeTracker::refresh()
{
    refreshPending = false;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        const bool edits = hasEdits(it.key());
        for (QWidget *page : it->pages) {
            const int index = tabs->indexOf(page);
            const QString caption = captions.value(page) + (edits ? tabMark() : QString());
            if (index >= 0 && tabs->tabText(index) != caption)
                tabs->setTabText(index, caption);
        }
        const bool applied = isAppliedNotSaved(it.key());
        for (QLabel *notice : it->notices)
            if (notice->isHidden() == applied)
                notice->setVisible(applied);
    }
}

QString ChangeTracker::groupName(SettingsGroup group) const
{
    return group == SettingsGroup::Effects ? tr("Effect settings") : tr("Hardware settings");
}

QStringList ChangeTracker::risks() const
{
    QStringList lines;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        if (hasEdits(it.key()))
            lines << tr("%1: changes in the form that were not sent to the board")
                         .arg(groupName(it.key()));
        if (isAppliedNotSaved(it.key()))
            lines << tr("%1: applied to the board but not saved; lost when it loses power")
                         .arg(groupName(it.key()));
    }
    return lines;
}

ChangeTracker::LeaveChoice ChangeTracker::askBeforeLeavingBoard(bool closing) const
{
    const QString text = (closing ? tr("Close Gravolt Setup? These settings of %1 would be lost:")
                                  : tr("Leave %1? These of its settings would be lost:"))
                             .arg(currentBoardName) +
                         QStringLiteral("\n\u2022 ") + risks().join(QStringLiteral("\n\u2022 "));
    const QMessageBox::ButtonRole answer = askCancelFirst(
        tabs->window(), QMessageBox::Warning, QStringLiteral("unsaved_board_question"),
        tr("Unsaved settings"), text,
        tr("Save to board writes them to the board's permanent memory first, and goes on only "
           "if that succeeds."),
        {{tr("&Save to board"), QMessageBox::AcceptRole},
         {tr("&Discard"), QMessageBox::DestructiveRole}});
    if (answer == QMessageBox::AcceptRole)
        return LeaveChoice::Save;
    return answer == QMessageBox::DestructiveRole ? LeaveChoice::Discard : LeaveChoice::Cancel;
}

bool ChangeTracker::askReadOverEdits(SettingsGroup group) const
{
    return askCancelFirst(
               tabs->window(), QMessageBox::Warning, QStringLiteral("read_over_edits_question"),
               tr("Unsaved settings"),
               tr("%1 in the form hold changes that were not sent to the board. Reading the "
                  "board's settings replaces them.")
                   .arg(groupName(group)),
               QString(), {{tr("&Discard changes and read"), QMessageBox::DestructiveRole}}) ==
           QMessageBox::DestructiveRole;
}

ChangeTracker::LeaveChoice ChangeTracker::askReboot() const
{
    const QMessageBox::ButtonRole answer = askCancelFirst(
        tabs->window(), QMessageBox::Warning, QStringLiteral("reboot_question"),
        tr("Reboot controller"),
        tr("Rebooting %1 loses these settings:").arg(currentBoardName) +
            QStringLiteral("\n\u2022 ") + risks().join(QStringLiteral("\n\u2022 ")),
        tr("The board starts again with the settings of its permanent memory. Save to board "
           "writes them to its permanent memory first, and reboots only if that succeeds."),
        {{tr("&Save to board"), QMessageBox::AcceptRole},
         {tr("&Reboot"), QMessageBox::DestructiveRole}});
    if (answer == QMessageBox::AcceptRole)
        return LeaveChoice::Save;
    return answer == QMessageBox::DestructiveRole ? LeaveChoice::Discard : LeaveChoice::Cancel;
}

bool ChangeTracker::askSaveStoresOtherGroup(SettingsGroup saved) const
{
    const SettingsGroup other = otherGroup(saved);
    return askCancelFirst(
               tabs->window(), QMessageBox::Warning, QStringLiteral("save_stores_all_question"),
               tr("Save to board"),
               tr("%1 stores every setting now in effect when it saves, not only those of this "
                  "page. These settings, applied to try them, would be stored too:")
                       .arg(currentBoardName) +
                   QStringLiteral("\n\u2022 ") +
                   tr("%1: applied to the board but not saved; lost when it loses power")
                       .arg(groupName(other)),
               tr("To keep them out of the permanent memory, reboot the board first: it then "
                  "drops them."),
               {{tr("&Save both"), QMessageBox::AcceptRole}}) == QMessageBox::AcceptRole;
}

bool ChangeTracker::askSwitchToDfu() const
{
    QString informative =
        tr("DFU mode is the board's firmware-update mode: it stops working as a controller and "
           "waits for new firmware from a DFU flashing tool. It leaves the device list until its "
           "firmware is flashed or it is power-cycled. Changes that were not sent and settings "
           "that were applied but not saved are lost.");
    const QStringList lost = risks();
    if (!lost.isEmpty())
        informative += QStringLiteral("\n\n") + tr("Lost now:") + QStringLiteral("\n\u2022 ") +
                       lost.join(QStringLiteral("\n\u2022 "));
    return askCancelFirst(tabs->window(), QMessageBox::Warning, QStringLiteral("dfu_question"),
                          tr("Switch to DFU mode"),
                          tr("Switch %1 to DFU mode?").arg(currentBoardName), informative,
                          {{tr("&Switch to DFU mode"), QMessageBox::DestructiveRole}}) ==
           QMessageBox::DestructiveRole;
}
