#pragma once

#include "device/attachedboards.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>

// Why an attached board cannot be used, and how many boards of each model are
// attached: the answer to "my board is plugged in but the program does not
// see it". Plain data and file-system look-ups; no widget, no USB transfer,
// no sentence: boardproblemtext words a finding, and the window's notice and
// `gravoltctl doctor` show it.

// The user and groups whose access to a device node is judged. Root passes
// every permission check, so tests judge for an ordinary user instead.
struct Credentials {
    uint32_t uid = 0;
    QList<uint32_t> groups;  // primary group first
    // The process runs as root through sudo and `uid` is the user who ran
    // sudo: root would open every board, which tells that user nothing.
    bool invokedThroughSudo = false;

    static Credentials ofThisProcess();
    // This process's, or under sudo the user in SUDO_UID with that user's
    // groups: the access the program will have once started without sudo.
    static Credentials ofInvokingUser();
};

// The user id in `sudoUid` (the value of SUDO_UID) when a process running
// as root (`processUid` 0) was started through sudo by another user; -1 when
// it was not, or the value is not a user id.
qint64 sudoInvoker(uint32_t processUid, const QByteArray &sudoUid);

struct NodeAccess {
    bool allowed = false;
    bool hasAcl = false;        // the node carries an extended ACL
    bool grantedByAcl = false;  // an ACL entry (not the owner, group or other bits) decided it
};

// Read and write access to `node` for `who`, by the rules of acl(5): owner,
// named user (masked), owning and named groups (masked), other.
NodeAccess accessFor(const NodeStatus &node, const Credentials &who);

enum class BoardProblem {
    None,
    NoPermission,        // the node exists, the user may not open it
    NodeMissing,         // no device node (or no hidraw device at all)
    DriverBound,         // usbfs backend: the kernel's HID driver holds the board
    HeldByOtherProgram,  // openable, yet not opened, and another program has it open
    NotAnswering,        // openable, yet not opened, and nothing else explains it
};

struct BoardStatus {
    AttachedBoard board;
    BoardProblem problem = BoardProblem::None;
    NodeStatus node;  // the node this build's backend opens
    NodeAccess access;
    QStringList holders;  // programs having the node open
};

// Where the udev rule that grants access to the boards is installed.
struct UdevRuleStatus {
    QString readFrom;    // the copy in a folder udev reads; empty if none
    QString unreadCopy;  // a copy under the install prefix, where udev does not look
    QString source;      // the file to install from
};

struct BoardDiagnosis {
    bool listingKnown = false;  // false where the system cannot list unopenable boards
    Credentials judgedFor;      // whose access to the nodes was judged
    UsbBackendInfo backend{"", BoardNodeKind::Unknown};
    QList<BoardStatus> boards;  // every attached supported board, in port order
    QMap<int, int> boardsPerProductId;
    UdevRuleStatus rule;
    QList<int> opened;  // product ids the program held open, as given to run()

    QList<BoardStatus> unusable() const;
    // Product ids with more than one attached board.
    QList<int> crowdedModels() const;
    // Every board can be opened and no model is attached twice.
    bool allUsable() const { return unusable().isEmpty() && crowdedModels().isEmpty(); }
};

inline constexpr const char UDEV_RULE_FILE_NAME[] = "70-gravolt-setup.rules";

class BoardDiscovery
{
public:
    BoardDiscovery(const QList<int> &productIds, int vendorId);

    void setCredentials(const Credentials &credentials) { who = credentials; }
    // The folder the program runs from; the rule is looked up relative to it.
    void setProgramDir(const QString &dir) { programDir = dir; }
    // Folders udev reads rules from, most specific first.
    void setUdevRuleDirs(const QStringList &dirs) { udevRuleDirs = dirs; }

    // `opened` are the product ids whose board the program holds open; a board
    // whose model is not among them and whose node looks fine gets a reason
    // looked up among the other programs. Null when nothing was tried.
    BoardDiagnosis run(const QList<int> *opened) const;

    UdevRuleStatus udevRuleStatus() const;

private:
    QStringList holdersOf(const QString &node) const;

    QList<int> productIds;
    int vendorId;
    // Walking /proc is by far the dearest part of a look-up; a board stuck
    // unopened has its holders looked for again only after a while.
    struct Holders {
        QStringList programs;
        QDeadlineTimer fresh;
    };
    mutable QHash<QString, Holders> holders;
    Credentials who = Credentials::ofThisProcess();
    QString programDir;
    QStringList udevRuleDirs;
};
