#include "profilename.h"

ProfileNameProblem profileNameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return ProfileNameProblem::Empty;
    if (name.startsWith(QLatin1Char('.')))
        return ProfileNameProblem::LeadingDot;
    for (const QChar ch : name) {
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\'))
            return ProfileNameProblem::PathSeparator;
        if (ch.category() == QChar::Other_Control)
            return ProfileNameProblem::ControlCharacter;
    }
    return ProfileNameProblem::None;
}

QString profileNameProblemText(ProfileNameProblem problem)
{
    switch (problem) {
    case ProfileNameProblem::None:
        break;
    case ProfileNameProblem::Empty:
        return QStringLiteral("a profile name cannot be empty");
    case ProfileNameProblem::LeadingDot:
        return QStringLiteral("a profile name cannot start with \".\"");
    case ProfileNameProblem::PathSeparator:
        return QStringLiteral("a profile name cannot hold \"/\" or \"\\\"");
    case ProfileNameProblem::ControlCharacter:
        return QStringLiteral("a profile name cannot hold control characters such as a tab or a "
                              "line break");
    }
    return QString();
}
