#include "profileexchange.h"

#include "device/firmwareinfo.h"
#include "settings/effectprofilefile.h"
#include "settings/profilename.h"
#include "ui/widgets/widgethelpers.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>

#include <cstring>
#include <utility>

namespace {

QString fileFilter()
{
    return ProfileExchange::tr("Effect profiles (*%1)").arg(QLatin1String(BOARD_BACKUP_EXTENSION));
}

}  // namespace

ProfileExchange::ProfileExchange(QString profileDir,
                                 std::function<EffectSettingsTypeDef()> formRecord, QWidget *panel)
    : QObject(panel), profileDir(std::move(profileDir)), formRecord(std::move(formRecord)),
      panel(panel), origins(this->profileDir)
{}

void ProfileExchange::connectButtons(QPushButton *importButton, QPushButton *exportButton)
{
    connect(importButton, &QPushButton::clicked, this, &ProfileExchange::importProfile);
    connect(exportButton, &QPushButton::clicked, this, &ProfileExchange::exportProfile);
}

void ProfileExchange::setBoard(const BoardIdentity &identity)
{
    board = identity;
}

void ProfileExchange::profileSaved(const QString &name)
{
    // Only a board of a known model gives a profile an origin; one saved
    // before any board was picked stays of unknown origin and loads anywhere.
    if (board.deviceType >= 0)
        origins.remember(name, board.deviceType);
}

void ProfileExchange::profileDeleted(const QString &name)
{
    origins.forget(name);
}

bool ProfileExchange::mayLoad(const QString &name)
{
    const int origin = origins.deviceTypeOf(name);
    if (origin < 0 || board.deviceType < 0 || origin == board.deviceType)
        return true;
    return askToGoAhead(
        panel, QMessageBox::Question, QStringLiteral("profile_origin_question"),
        tr("Profile of another board"),
        tr("The profile “%1” was made on a %2 board; the selected board is a %3. Its settings, "
           "the motion range among them, may not suit this board.\n\nLoad it anyway?")
            .arg(name, modelDisplayName(origin), modelDisplayName(board.deviceType)),
        tr("&Load anyway"));
}

QString ProfileExchange::profileNameForFile(const QString &path)
{
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(QLatin1String(BOARD_BACKUP_EXTENSION)))
        name.chop(int(qstrlen(BOARD_BACKUP_EXTENSION)));
    return name;
}

bool ProfileExchange::importFrom(const QString &path, const QString &name, QString *error)
{
    if (!isProfileName(name)) {
        if (error)
            *error = tr("“%1” cannot be a profile name").arg(name);
        return false;
    }
    EffectSettingsTypeDef effects{};
    BoardIdentity origin;
    if (!readEffectProfileFile(path, effects, origin, error))
        return false;
    if (!QDir().mkpath(profileDir)) {
        if (error)
            *error = tr("the profile folder %1 cannot be created").arg(profileDir);
        return false;
    }
    QByteArray image(int(sizeof effects), '\0');
    std::memcpy(image.data(), &effects, sizeof effects);
    // Unbuffered, so that a short write shows in write()'s count rather than
    // being taken for success by the flush inside commit().
    QSaveFile file(QDir(profileDir).absoluteFilePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(image) != image.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // A replaced profile must not keep the origin of the one it replaced.
    if (origin.deviceType >= 0)
        origins.remember(name, origin.deviceType);
    else
        origins.forget(name);
    emit profileImported(name);
    return true;
}

bool ProfileExchange::exportTo(const QString &path, QString *error) const
{
    return writeEffectProfileFile(path, formRecord(), board, error);
}

void ProfileExchange::setProfileNameSource(std::function<QString()> source)
{
    profileName = std::move(source);
}

QString ProfileExchange::exportDescription(const QString &name) const
{
    if (name.isEmpty() || !isProfileName(name))
        return tr("The effect settings of the form");
    QFile stored(QDir(profileDir).absoluteFilePath(name));
    const EffectSettingsTypeDef form = formRecord();
    const QByteArray formBytes(reinterpret_cast<const char *>(&form), int(sizeof form));
    if (stored.open(QIODevice::ReadOnly) && stored.readAll() == formBytes)
        return tr("Effect profile “%1”").arg(name);
    return tr("The effect settings of the form (changed from profile “%1”)").arg(name);
}

QString ProfileExchange::suggestedExportName(const QString &name) const
{
    QString stem = name.isEmpty() || !isProfileName(name) ? QStringLiteral("effects") : name;
    if (!board.model.isEmpty())
        stem += QLatin1Char('-') + board.model;
    return stem + QLatin1String(BOARD_BACKUP_EXTENSION);
}

void ProfileExchange::importProfile()
{
    const QString path =
        QFileDialog::getOpenFileName(panel, tr("Import effect profile"), QString(), fileFilter());
    if (path.isEmpty())
        return;
    // A whole board's backup shares the extension; it is offered as what it
    // is rather than refused for its format.
    BoardBackup backup;
    if (readBoardBackup(path, backup, nullptr)) {
        if (askToGoAhead(panel, QMessageBox::Question, QStringLiteral("import_backup_question"),
                         tr("Board backup"),
                         tr("“%1” is a backup of a whole board (%2), not an effect profile. "
                            "Restore it into the settings pages instead?")
                             .arg(QFileInfo(path).fileName(), backup.board.model),
                         tr("&Restore")))
            emit restoreRequested(path);
        return;
    }
    const QString name = profileNameForFile(path);
    // Checked before the question, which would otherwise ask about a file
    // outside the profile folder.
    if (!isProfileName(name)) {
        emit statusMessage(
            tr("Profile not imported: %1").arg(tr("“%1” cannot be a profile name").arg(name)),
            true);
        return;
    }
    if (QFile::exists(QDir(profileDir).absoluteFilePath(name)) &&
        !askToGoAhead(
            panel, QMessageBox::Question, QStringLiteral("profile_import_replace_question"),
            tr("Replace profile?"),
            tr("A profile named “%1” exists already. Replace it with the imported one?").arg(name),
            tr("&Replace")))
        return;
    QString error;
    if (importFrom(path, name, &error))
        emit statusMessage(tr("Profile “%1” imported").arg(name), false);
    else
        emit statusMessage(tr("Profile not imported: %1").arg(error), true);
}

void ProfileExchange::exportProfile()
{
    const QString name = profileName ? profileName().trimmed() : QString();
    QString path = QFileDialog::getSaveFileName(panel, tr("Export effect profile"),
                                                suggestedExportName(name), fileFilter());
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(BOARD_BACKUP_EXTENSION)))
        path += QLatin1String(BOARD_BACKUP_EXTENSION);
    QString error;
    if (exportTo(path, &error))
        emit statusMessage(
            tr("%1 exported to %2").arg(exportDescription(name), QDir::toNativeSeparators(path)),
            false);
    else
        emit statusMessage(tr("Profile not exported: %1").arg(error), true);
}
