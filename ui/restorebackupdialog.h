#pragma once

#include "settings/automaticbackups.h"

#include <QDialog>
#include <QList>
#include <QString>

class QPushButton;
class QTreeWidget;

// Picks the backup to restore: the automatic backups, newest first, with
// when, from which model and firmware, and before what they were taken; or
// any backup file through "Open file...".
class RestoreBackupDialog : public QDialog
{
    Q_OBJECT

public:
    // `startDir` is where "Open file..." starts looking.
    RestoreBackupDialog(const QList<AutomaticBackupEntry> &backups, QString startDir,
                        QWidget *parent = nullptr);

    // The file to restore once the dialog was accepted.
    QString selectedPath() const { return chosenPath; }

private:
    void acceptSelected();
    void openFile();

    QTreeWidget *list;
    QPushButton *restoreButton;
    QString startDir;
    QString chosenPath;
};
