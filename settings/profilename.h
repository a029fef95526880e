#pragma once

#include <QString>

// The one rule for the name of a stored effect profile, which is also the
// name of its file in the profile folder. The window's Save and Import, the
// profile list, the origin index and gravoltctl all ask here, so that a
// profile one of them stores can be loaded and deleted by every other.

enum class ProfileNameProblem {
    None,
    Empty,             // nothing but white space
    LeadingDot,        // a hidden file, or "." / ".."; the origin index is ".origins.json"
    PathSeparator,     // "/" or "\" would reach outside the profile folder
    ControlCharacter,  // a tab or line break cannot be typed back or shown in the list
};

ProfileNameProblem profileNameProblem(const QString &name);

inline bool isProfileName(const QString &name)
{
    return profileNameProblem(name) == ProfileNameProblem::None;
}

// One English sentence, for the command line; the window has its own
// translated texts for the same problems.
QString profileNameProblemText(ProfileNameProblem problem);
