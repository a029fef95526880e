// The window's menu bar: the program's own menu, the Board menu around the
// backup entries, and Help. Every Board entry does what the button of the
// page on screen does, by clicking that very button, so the two can never
// drift apart.
#include "mainwindow.h"
#include "ui_mainwindow.h"
#include "ui_mainwindowpages.h"

#include "ui/firmwareupdatecontroller.h"
#include "ui/helpmenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

QAction *newAction(QMenu *menu, const QString &text, const char *objectName)
{
    auto *action = new QAction(text, menu);
    action->setObjectName(QLatin1String(objectName));
    return action;
}

}  // namespace

QPushButton *MainWindow::pageButton(PageButton which) const
{
    // Only a page on screen: with no board selected every page is hidden.
    if (currentProductId == -1 || !pages || pageTabs->isHidden())
        return nullptr;
    QWidget *current = pageTabs->currentWidget();
    for (const PageButtons &page : onPage) {
        if (page.page != current)
            continue;
        switch (which) {
        case PageButton::Read:
            return page.read;
        case PageButton::Apply:
            return page.apply;
        case PageButton::Save:
            return page.save;
        }
    }
    return nullptr;
}

void MainWindow::initMenus(QMenu *boardMenu)
{
    // The program's own menu goes first, before the Board menu.
    auto *fileMenu = new QMenu(tr("&File"), menuBar());
    fileMenu->setObjectName(QStringLiteral("file_menu"));
    menuBar()->insertMenu(boardMenu->menuAction(), fileMenu);
    QAction *quit = fileMenu->addAction(tr("&Quit"));
    quit->setObjectName(QStringLiteral("quit_action"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);
    // Through closeEvent, which asks when something would be lost.
    connect(quit, &QAction::triggered, this, &QWidget::close);

    const QList<QAction *> backupEntries = boardMenu->actions();
    QAction *first = backupEntries.value(0);
    QAction *read = newAction(boardMenu, tr("R&ead"), "read_action");
    read->setShortcut(QKeySequence(Qt::Key_F5));
    QAction *apply = newAction(boardMenu, tr("&Apply"), "apply_action");
    QAction *save = newAction(boardMenu, tr("&Save to board"), "save_action");
    boardMenu->insertActions(first, {read, apply, save});
    boardMenu->insertSeparator(first);
    boardMenu->addSeparator();
    QAction *reboot = boardMenu->addAction(tr("Reb&oot"));
    reboot->setObjectName(QStringLiteral("reboot_action"));
    QAction *dfu = boardMenu->addAction(tr("Switch to &DFU mode"));
    dfu->setObjectName(QStringLiteral("dfu_mode_action"));
    QAction *update = boardMenu->addAction(tr("&Update firmware…"));
    update->setObjectName(QStringLiteral("update_firmware_action"));
    connect(update, &QAction::triggered, this, &MainWindow::openFirmwareUpdate);

    const auto clickPageButton = [this](PageButton which) {
        QPushButton *button = pageButton(which);
        if (button && button->isEnabled())
            button->click();
    };
    connect(read, &QAction::triggered, this,
            [clickPageButton] { clickPageButton(PageButton::Read); });
    connect(apply, &QAction::triggered, this,
            [clickPageButton] { clickPageButton(PageButton::Apply); });
    connect(save, &QAction::triggered, this,
            [clickPageButton] { clickPageButton(PageButton::Save); });
    connect(reboot, &QAction::triggered, this, [this] {
        if (!ui->reboot_button->isHidden())
            ui->reboot_button->click();
    });
    connect(dfu, &QAction::triggered, this, [this] {
        if (!ui->dfu_mode_button->isHidden())
            ui->dfu_mode_button->click();
    });

    // Greyed out as the page's buttons are while the menu is open. Closed,
    // every entry stays enabled so that its shortcut always reaches the check
    // above, whatever changed since.
    const QList<QAction *> boardEntries{read, apply, save, reboot, dfu, update};
    connect(boardMenu, &QMenu::aboutToShow, this, [=] {
        for (const auto &[action, which] :
             {std::pair{read, PageButton::Read}, std::pair{apply, PageButton::Apply},
              std::pair{save, PageButton::Save}}) {
            const QPushButton *button = pageButton(which);
            action->setEnabled(button && button->isEnabled());
        }
        reboot->setEnabled(!ui->reboot_button->isHidden());
        dfu->setEnabled(!ui->dfu_mode_button->isHidden());
        update->setEnabled(!firmwareUpdate->isBusy() &&
                           (!deviceList.isEmpty() || !bootloaders.isEmpty()));
    });
    connect(boardMenu, &QMenu::aboutToHide, this, [boardEntries] {
        for (QAction *action : boardEntries)
            action->setEnabled(true);
    });

    addHelpMenu(menuBar(), this);
}
