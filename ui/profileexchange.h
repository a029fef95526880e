#pragma once

#include "settings/boardbackup.h"
#include "settings/effectsettings.h"
#include "settings/profileorigins.h"

#include <QObject>
#include <QString>

#include <functional>

class QPushButton;
class QWidget;

// The effect panel's profiles beyond the raw files it keeps: import and
// export through the readable profile file, and the device type each stored
// profile came from, so that loading one made for another kind of board is
// asked about first. The stored profile files stay the raw records they are.
class ProfileExchange : public QObject
{
    Q_OBJECT

public:
    // `formRecord` gives the effect settings the form holds now, for export.
    ProfileExchange(QString profileDir, std::function<EffectSettingsTypeDef()> formRecord,
                    QWidget *panel);

    // The panel's "Import..." and "Export..." buttons.
    void connectButtons(QPushButton *importButton, QPushButton *exportButton);

    // The name in the panel's profile box, for export: the file name offered
    // and whether the form still is that profile.
    void setProfileNameSource(std::function<QString()> source);

    // What an export writes, said in its status message: the named profile,
    // or the form, changed from it or not from any profile. Empty `name`
    // when the box names none.
    QString exportDescription(const QString &name) const;
    // "Race-joystick.gravolt.json": profile name (or "effects") and model.
    QString suggestedExportName(const QString &name) const;

    // The board the panel works for: the origin of profiles saved from now
    // on, and the board an export names.
    void setBoard(const BoardIdentity &board);

    // After the panel stored or deleted the raw profile `name`.
    void profileSaved(const QString &name);
    void profileDeleted(const QString &name);
    // Before profile `name` is loaded into the form: true when it may go on.
    // Asks only when the profile is known to come from another device type.
    bool mayLoad(const QString &name);

    // The import and export proper, without their file dialogs. importFrom
    // stores the file's effect settings as profile `name` and remembers the
    // file's board as its origin; both return false and set `error` when
    // nothing was done.
    bool importFrom(const QString &path, const QString &name, QString *error);
    bool exportTo(const QString &path, QString *error) const;

    // The profile name an imported file gets: its name without the extension.
    static QString profileNameForFile(const QString &path);

signals:
    // A profile was imported and stored under `name`.
    void profileImported(const QString &name);
    // What an import or export did or why it did nothing, for the status line.
    void statusMessage(const QString &text, bool failure);
    // The file chosen for import is a whole board's backup and the user wants
    // it restored into the forms instead.
    void restoreRequested(const QString &path);

private:
    void importProfile();
    void exportProfile();

    QString profileDir;
    std::function<EffectSettingsTypeDef()> formRecord;
    std::function<QString()> profileName;
    QWidget *panel;
    ProfileOrigins origins;
    BoardIdentity board;
};
