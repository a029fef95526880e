#include "boarddiscovery.h"

#include "device/firmwareinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <iterator>
#include <limits>

#if defined(Q_OS_UNIX)
#include <grp.h>
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

constexpr uint16_t PERMISSION_READ = 4;
constexpr uint16_t PERMISSION_WRITE = 2;
constexpr uint16_t READ_WRITE = PERMISSION_READ | PERMISSION_WRITE;
constexpr uint32_t OWNER_SHIFT = 6;  // bits of the mode word
constexpr uint32_t GROUP_SHIFT = 3;
constexpr int NAME_BUFFER_SIZE = 4096;   // bytes for getpwuid_r / getgrgid_r
constexpr int HOLDERS_FRESH_MS = 15000;  // ms a list of holding programs is reused
constexpr int MAX_GROUPS_ASKED = 64;     // groups asked for first; most users are in a few

// Folders systemd-udevd reads rules from.
const QStringList UDEV_RULE_DIRS = {
    QStringLiteral("/etc/udev/rules.d"),           QStringLiteral("/run/udev/rules.d"),
    QStringLiteral("/usr/local/lib/udev/rules.d"), QStringLiteral("/usr/lib/udev/rules.d"),
    QStringLiteral("/lib/udev/rules.d"),
};
// Installed layout: the program in <prefix>/libexec/gravolt-setup, the data in
// <prefix>/share/gravolt-setup and the rule in <prefix>/lib/udev/rules.d.
const QString INSTALLED_DATA_DIR = QStringLiteral("../../share/gravolt-setup");
const QString INSTALLED_RULE_DIR = QStringLiteral("../../lib/udev/rules.d");
const QString SOURCE_RULE = QStringLiteral("packaging/linux/70-gravolt-setup.rules");

bool grants(uint32_t permissions)
{
    return (permissions & READ_WRITE) == READ_WRITE;
}

}  // namespace

Credentials Credentials::ofThisProcess()
{
    Credentials who;
#if defined(Q_OS_UNIX)
    who.uid = uint32_t(getuid());
    who.groups.append(uint32_t(getgid()));
    const int count = getgroups(0, nullptr);
    if (count > 0) {
        QList<gid_t> groups(count);
        const int got = getgroups(count, groups.data());
        for (int i = 0; i < got; ++i)
            if (!who.groups.contains(uint32_t(groups[i])))
                who.groups.append(uint32_t(groups[i]));
    }
#endif
    return who;
}

Credentials Credentials::ofInvokingUser()
{
#if defined(Q_OS_UNIX)
    const qint64 invoker = sudoInvoker(uint32_t(getuid()), qgetenv("SUDO_UID"));
    if (invoker < 0)
        return ofThisProcess();
    Credentials who;
    who.uid = uint32_t(invoker);
    who.invokedThroughSudo = true;
    passwd entry{};
    passwd *found = nullptr;
    char buffer[NAME_BUFFER_SIZE];
    if (getpwuid_r(uid_t(invoker), &entry, buffer, sizeof buffer, &found) == 0 && found) {
        // Asked again with room enough when the user is in more groups.
        int count = MAX_GROUPS_ASKED;
        QList<gid_t> groups(count);
        if (getgrouplist(found->pw_name, found->pw_gid, groups.data(), &count) < 0) {
            groups.resize(count);
            if (getgrouplist(found->pw_name, found->pw_gid, groups.data(), &count) < 0)
                count = 0;
        }
        who.groups.append(uint32_t(found->pw_gid));
        for (int i = 0; i < count; ++i)
            if (!who.groups.contains(uint32_t(groups[i])))
                who.groups.append(uint32_t(groups[i]));
    } else {
        // A user the databases do not know keeps the group sudo recorded.
        bool valid = false;
        const uint gid = qEnvironmentVariable("SUDO_GID").toUInt(&valid);
        if (valid)
            who.groups.append(uint32_t(gid));
    }
    return who;
#else
    return ofThisProcess();
#endif
}

qint64 sudoInvoker(uint32_t processUid, const QByteArray &sudoUid)
{
    // Not root: the process already has the access it will have later, so
    // its own is the one to judge (sudo -u another user, or a SUDO_UID left
    // in the environment of a later shell).
    if (processUid != 0)
        return -1;
    bool valid = false;
    const qulonglong uid = sudoUid.toULongLong(&valid);
    if (!valid || uid == 0 || uid > std::numeric_limits<uint32_t>::max() ||
        !std::all_of(sudoUid.begin(), sudoUid.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return qint64(uid);
}

NodeAccess accessFor(const NodeStatus &node, const Credentials &who)
{
    NodeAccess access;
    access.hasAcl = !node.acl.isEmpty();
    if (!node.exists)
        return access;
    if (who.uid == 0) {
        access.allowed = true;
        return access;
    }
    if (who.uid == node.owner) {
        access.allowed = grants(node.mode >> OWNER_SHIFT);
        return access;
    }
    if (!access.hasAcl) {
        if (who.groups.contains(node.group))
            access.allowed = grants(node.mode >> GROUP_SHIFT);
        else
            access.allowed = grants(node.mode);
        return access;
    }

    // With an ACL the group bits of the mode are the mask.
    uint32_t mask = READ_WRITE | 1;
    for (const AclEntry &entry : node.acl)
        if (entry.tag == AclEntry::Mask)
            mask = entry.permissions;
    for (const AclEntry &entry : node.acl) {
        if (entry.tag == AclEntry::User && entry.id == who.uid) {
            access.allowed = grants(entry.permissions & mask);
            access.grantedByAcl = access.allowed;
            return access;
        }
    }
    bool groupMatched = false;
    for (const AclEntry &entry : node.acl) {
        const bool owningGroup = entry.tag == AclEntry::GroupObj && who.groups.contains(node.group);
        const bool namedGroup = entry.tag == AclEntry::Group && who.groups.contains(entry.id);
        if (!owningGroup && !namedGroup)
            continue;
        groupMatched = true;
        if (grants(entry.permissions & mask)) {
            access.allowed = true;
            access.grantedByAcl = namedGroup;
            return access;
        }
    }
    if (groupMatched)
        return access;
    for (const AclEntry &entry : node.acl)
        if (entry.tag == AclEntry::Other)
            access.allowed = grants(entry.permissions);
    return access;
}

QList<BoardStatus> BoardDiagnosis::unusable() const
{
    QList<BoardStatus> found;
    std::copy_if(boards.cbegin(), boards.cend(), std::back_inserter(found),
                 [](const BoardStatus &s) { return s.problem != BoardProblem::None; });
    return found;
}

QList<int> BoardDiagnosis::crowdedModels() const
{
    QList<int> crowded;
    for (auto it = boardsPerProductId.cbegin(); it != boardsPerProductId.cend(); ++it)
        if (it.value() > 1)
            crowded.append(it.key());
    return crowded;
}

BoardDiscovery::BoardDiscovery(const QList<int> &productIds, int vendorId)
    : productIds(productIds), vendorId(vendorId), udevRuleDirs(UDEV_RULE_DIRS)
{
    if (QCoreApplication::instance())
        programDir = QCoreApplication::applicationDirPath();
}

UdevRuleStatus BoardDiscovery::udevRuleStatus() const
{
    UdevRuleStatus rule;
    const QString name = QString::fromLatin1(UDEV_RULE_FILE_NAME);
    for (const QString &dir : udevRuleDirs) {
        const QString path = QDir(dir).filePath(name);
        if (QFileInfo::exists(path)) {
            rule.readFrom = path;
            break;
        }
    }
    if (!programDir.isEmpty()) {
        const QDir here(programDir);
        const QString unread =
            QDir::cleanPath(here.filePath(INSTALLED_RULE_DIR + QLatin1Char('/') + name));
        if (QFileInfo::exists(unread) && !udevRuleDirs.contains(QFileInfo(unread).absolutePath()))
            rule.unreadCopy = unread;
        // Beside the program in a build folder, else the installed data copy.
        for (const QString &candidate :
             {here.filePath(name),
              QDir::cleanPath(here.filePath(INSTALLED_DATA_DIR + QLatin1Char('/') + name)),
              unread}) {
            if (QFileInfo::exists(candidate)) {
                rule.source = candidate;
                break;
            }
        }
    }
    if (rule.source.isEmpty())
        rule.source = SOURCE_RULE;
    return rule;
}

BoardDiagnosis BoardDiscovery::run(const QList<int> *opened) const
{
    BoardDiagnosis diagnosis;
    diagnosis.judgedFor = who;
    diagnosis.backend = usbBackendInfo();
    diagnosis.rule = udevRuleStatus();
    if (opened)
        diagnosis.opened = *opened;
    const QList<AttachedBoard> attached =
        enumerateAttachedBoards(vendorId, productIds, &diagnosis.listingKnown);
    for (const AttachedBoard &board : attached)
        ++diagnosis.boardsPerProductId[board.productId];

    for (const AttachedBoard &board : attached) {
        BoardStatus status;
        status.board = board;
        const bool usbfs = diagnosis.backend.node == BoardNodeKind::UsbDevice;
        status.node = usbfs ? board.usbNode : board.hidrawNode;
        status.access = accessFor(status.node, who);
        if (diagnosis.backend.node == BoardNodeKind::Unknown) {
            // Nothing to judge by but whether the library opened it.
        } else if (!usbfs && !board.hasHidraw) {
            status.problem = BoardProblem::NodeMissing;
        } else if (!status.node.exists) {
            status.problem = BoardProblem::NodeMissing;
        } else if (!status.access.allowed) {
            status.problem = BoardProblem::NoPermission;
        } else if (usbfs && !board.interfaceDriver.isEmpty() &&
                   board.interfaceDriver != QLatin1String("usbfs")) {
            status.problem = BoardProblem::DriverBound;
        }
        if (status.problem == BoardProblem::None && opened && !opened->contains(board.productId)) {
            status.holders = holdersOf(status.node.path);
            status.problem = status.holders.isEmpty() ? BoardProblem::NotAnswering
                                                      : BoardProblem::HeldByOtherProgram;
        }
        diagnosis.boards.append(status);
    }
    return diagnosis;
}

QStringList BoardDiscovery::holdersOf(const QString &node) const
{
    auto known = holders.find(node);
    if (known == holders.end() || known->fresh.hasExpired())
        known = holders.insert(node, {programsHoldingNode(node), QDeadlineTimer(HOLDERS_FRESH_MS)});
    return known->programs;
}
