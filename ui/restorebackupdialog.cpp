#include "restorebackupdialog.h"

#include "settings/boardbackup.h"
#include "ui/backupcausetext.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int PATH_ROLE = Qt::UserRole;
constexpr int LIST_MINIMUM_WIDTH = 560;  // px: four columns without eliding the time

}  // namespace

RestoreBackupDialog::RestoreBackupDialog(const QList<AutomaticBackupEntry> &backups,
                                         QString startDir, QWidget *parent)
    : QDialog(parent), startDir(std::move(startDir))
{
    setObjectName(QStringLiteral("restore_backup_dialog"));
    setWindowTitle(tr("Restore board backup"));

    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(
        backups.isEmpty()
            ? tr("No automatic backups yet. Open a backup file to load it into the forms.")
            : tr("Automatic backups, newest first. The chosen backup is loaded into the forms; "
                 "nothing reaches the board until you apply or save."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("automatic_backups_list"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({tr("Taken"), tr("Model"), tr("Firmware"), tr("Before")});
    list->setMinimumWidth(LIST_MINIMUM_WIDTH);
    const QLocale locale;
    for (const AutomaticBackupEntry &backup : backups) {
        auto *item = new QTreeWidgetItem(list);
        item->setText(0, locale.toString(backup.created.toLocalTime(), QLocale::ShortFormat));
        item->setText(1, backup.model);
        item->setText(2, QString::number(backup.firmwareVersion));
        item->setText(3, backupCauseText(backup.cause, BackupCauseWording::ListEntry));
        item->setData(0, PATH_ROLE, backup.path);
        item->setToolTip(0, backup.path);
    }
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(list);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *openFileButton =
        buttons->addButton(tr("&Open file..."), QDialogButtonBox::ActionRole);
    openFileButton->setObjectName(QStringLiteral("open_backup_file_button"));
    restoreButton = buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    restoreButton->setObjectName(QStringLiteral("restore_selected_button"));
    layout->addWidget(buttons);

    restoreButton->setEnabled(false);
    connect(list, &QTreeWidget::itemSelectionChanged, this,
            [this] { restoreButton->setEnabled(!list->selectedItems().isEmpty()); });
    connect(list, &QTreeWidget::itemActivated, this, &RestoreBackupDialog::acceptSelected);
    connect(restoreButton, &QPushButton::clicked, this, &RestoreBackupDialog::acceptSelected);
    connect(openFileButton, &QPushButton::clicked, this, &RestoreBackupDialog::openFile);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
}

void RestoreBackupDialog::acceptSelected()
{
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    chosenPath = selected.first()->data(0, PATH_ROLE).toString();
    accept();
}

void RestoreBackupDialog::openFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open board backup"), startDir,
        tr("Board backups (*%1);;All files (*)").arg(QLatin1String(BOARD_BACKUP_EXTENSION)));
    if (path.isEmpty())
        return;
    chosenPath = path;
    accept();
}
