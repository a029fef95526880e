#pragma once

#include "ui/settingsgroupstate.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include <functional>

class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;

// The two groups of settings a board keeps, each read, applied and saved as
// one record.
enum class SettingsGroup { Effects, Hardware };

// Keeps, for the selected board, what would be lost and when: per group the
// record the board holds as far as this program knows, the record the form
// would send now, and whether the board's working memory holds settings
// applied but never saved. Marks the pages of a group with edits in their tab
// captions, shows the applied-not-saved notice above their buttons, and asks
// the questions before anything is thrown away.
class ChangeTracker : public QObject
{
    Q_OBJECT

public:
    // `tabs` holds the pages; the trailing mark goes on their captions.
    explicit ChangeTracker(QTabWidget *tabs);

    // A group's pages, each with the button its notice stands above, and the
    // bytes the window would send for the group now.
    void addGroup(SettingsGroup group, const QList<QWidget *> &pages,
                  const QList<QWidget *> &noticeAnchors, std::function<QByteArray()> formRecord);

    // True while the group's form holds text that is no value (a gain field
    // reading "0.5x"): that text counts as an edit, since leaving loses it.
    void setInvalidInputCheck(SettingsGroup group, std::function<bool()> check);

    // The board the window works with now; -1 for none. Forgets the records
    // of the previous one; its applied-not-saved state is kept, since the
    // board keeps it too until it loses power.
    void setCurrentBoard(int productId, const QString &boardName);
    // The board left the bus (and so lost its working memory) or was
    // rebooted: nothing is applied but unsaved any more.
    void boardLostWorkingMemory(int productId);
    // Boards not among `present` left the bus and lost their working memory.
    void keepBoards(const QList<int> &present);

    // After a successful read of the group, or a successful write of it.
    void setBoardRecord(SettingsGroup group, const QByteArray &record);
    void setAppliedNotSaved(SettingsGroup group, bool applied);

    bool hasEdits(SettingsGroup group) const;
    bool isAppliedNotSaved(SettingsGroup group) const;
    // Groups with edits or with settings applied but not saved on the board.
    QList<SettingsGroup> groupsAtRisk() const;

    // The questions. Each returns what the user chose; every default loses
    // nothing.
    enum class LeaveChoice { Save, Discard, Cancel };
    // Before picking another board, deselecting this one or closing the
    // window; `closing` only changes the words.
    LeaveChoice askBeforeLeavingBoard(bool closing) const;
    bool askReadOverEdits(SettingsGroup group) const;
    // Save means: save every group at risk, then reboot; Discard: reboot.
    LeaveChoice askReboot() const;
    // Before a Save of `saved` while the other group is applied but not saved
    // on the board: the board's store command keeps everything in effect, so
    // the trial settings would become permanent too.
    bool askSaveStoresOtherGroup(SettingsGroup saved) const;
    static SettingsGroup otherGroup(SettingsGroup group)
    {
        return group == SettingsGroup::Effects ? SettingsGroup::Hardware : SettingsGroup::Effects;
    }
    bool askSwitchToDfu() const;

    static QString tabMark();

public slots:
    // Recomputes the marks and notices at the next turn of the event loop,
    // once for any number of calls in between.
    void scheduleRefresh();
    void refresh();

private:
    struct Group {
        QList<QWidget *> pages;
        QList<QLabel *> notices;
        std::function<QByteArray()> formRecord;
        std::function<bool()> invalidInput;
        SettingsGroupState state;
    };

    void watchControls(QWidget *page);
    QString groupName(SettingsGroup group) const;
    QStringList risks() const;

    QTabWidget *tabs;
    QMap<SettingsGroup, Group> groups;
    QMap<QWidget *, QString> captions;  // tab captions without the mark
    int currentProductId = -1;
    QString currentBoardName;
    // Per board, a bit per group: applied to working memory, not saved since.
    QMap<int, int> appliedNotSaved;
    bool refreshPending = false;
};
