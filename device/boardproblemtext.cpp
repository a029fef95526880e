#include "boardproblemtext.h"

#include <QCoreApplication>

#if defined(Q_OS_UNIX)
#include <grp.h>
#include <pwd.h>
#endif

namespace {

constexpr uint32_t MODE_OCTAL_DIGITS = 4;
constexpr int NAME_BUFFER_SIZE = 4096;  // bytes for getpwuid_r / getgrgid_r
const QString RULE_TARGET =
    QStringLiteral("/etc/udev/rules.d/") + QLatin1String(UDEV_RULE_FILE_NAME);

QString translated(const char *text)
{
    return QCoreApplication::translate("BoardDiscovery", text);
}

QString groupName(uint32_t gid)
{
#if defined(Q_OS_UNIX)
    group entry{};
    group *found = nullptr;
    char buffer[NAME_BUFFER_SIZE];
    if (getgrgid_r(gid, &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QString::fromLocal8Bit(found->gr_name);
#endif
    return QString::number(gid);
}

}  // namespace

QString userName(uint32_t uid)
{
#if defined(Q_OS_UNIX)
    passwd entry{};
    passwd *found = nullptr;
    char buffer[NAME_BUFFER_SIZE];
    if (getpwuid_r(uid, &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
#endif
    return QString::number(uid);
}

// Process names, which any program chooses for itself, reach a terminal: a
// control character in one could move the cursor, rewrite what was printed
// or change the terminal's settings, and a bidirectional control could
// reorder the line.
QString printableText(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        const bool bidiControl = (code >= 0x200E && code <= 0x200F) ||
                                 (code >= 0x202A && code <= 0x202E) ||
                                 (code >= 0x2066 && code <= 0x2069);
        if (ch.category() == QChar::Other_Control || bidiControl)
            result += code <= 0xFF
                          ? QStringLiteral("\\x%1").arg(uint(code), 2, 16, QLatin1Char('0'))
                          : QStringLiteral("\\u%1").arg(uint(code), 4, 16, QLatin1Char('0'));
        else
            result += ch;
    }
    return result;
}

QString problemText(const BoardStatus &status)
{
    const NodeStatus &node = status.node;
    switch (status.problem) {
    case BoardProblem::None:
        return QString();
    case BoardProblem::NoPermission:
        return translated(
                   QT_TRANSLATE_NOOP("BoardDiscovery",
                                     "No permission on %1 (owner %2, group %3, mode %4; %5)."))
            .arg(node.path, userName(node.owner), groupName(node.group),
                 QStringLiteral("%1").arg(node.mode, MODE_OCTAL_DIGITS, 8, QLatin1Char('0')),
                 status.access.hasAcl
                     ? translated(
                           QT_TRANSLATE_NOOP("BoardDiscovery", "its ACL does not grant you access"))
                     : translated(QT_TRANSLATE_NOOP("BoardDiscovery", "no ACL grants you access")));
    case BoardProblem::NodeMissing:
        if (!status.board.hasHidraw && node.path.isEmpty())
            return translated(
                QT_TRANSLATE_NOOP("BoardDiscovery", "The system made no hidraw device for it."));
        return translated(QT_TRANSLATE_NOOP("BoardDiscovery", "Its device node %1 is missing."))
            .arg(node.path);
    case BoardProblem::DriverBound:
        return translated(QT_TRANSLATE_NOOP(
                              "BoardDiscovery",
                              "The kernel's HID driver (%1) is bound to it, and this build's USB "
                              "library cannot reach a board through it."))
            .arg(status.board.interfaceDriver);
    case BoardProblem::HeldByOtherProgram:
        return translated(QT_TRANSLATE_NOOP("BoardDiscovery", "It is held by another program: %1."))
            .arg(printableText(status.holders.join(QStringLiteral(", "))));
    case BoardProblem::NotAnswering:
        return translated(QT_TRANSLATE_NOOP("BoardDiscovery",
                                            "%1 can be opened, but the board does not answer."))
            .arg(node.path);
    }
    return QString();
}

QStringList udevRuleCommands(const UdevRuleStatus &rule)
{
    QStringList commands;
    if (rule.readFrom.isEmpty())
        commands.append(QStringLiteral("sudo install -m 0644 %1 %2").arg(rule.source, RULE_TARGET));
    commands.append(QStringLiteral("sudo udevadm control --reload-rules && sudo udevadm trigger"));
    return commands;
}

QStringList fixCommands(const BoardStatus &status, const UdevRuleStatus &rule)
{
    if (status.problem != BoardProblem::NoPermission && status.problem != BoardProblem::NodeMissing)
        return {};
    // Without a hidraw device from the kernel there is no node udev could
    // make; that is a driver matter no rule changes.
    if (status.node.path.isEmpty())
        return {};
    return udevRuleCommands(rule);
}
