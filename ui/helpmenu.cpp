#include "helpmenu.h"

#include "device/firmwareinfo.h"
#include "settings/automaticbackups.h"
#include "settings/effectprofilefile.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtGlobal>

namespace {

const char *const PROGRAM_LICENCE = QT_TRANSLATE_NOOP("HelpMenu", "All rights reserved.");
constexpr int MANUAL_WIDTH = 760;   // px
constexpr int MANUAL_HEIGHT = 640;  // px

void showManual(QWidget *window)
{
    const QString path = QDir::current().absoluteFilePath(QLatin1String(MANUAL_FILE));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(
            window, QCoreApplication::translate("HelpMenu", "Manual"),
            QCoreApplication::translate("HelpMenu", "The manual could not be opened: %1 (%2).")
                .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    auto *dialog = new QDialog(window);
    dialog->setObjectName(QStringLiteral("manual_dialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QCoreApplication::translate("HelpMenu", "Gravolt Setup manual"));
    auto *text = new QTextBrowser(dialog);
    text->setOpenExternalLinks(true);
    // Pictures named in the manual are looked up beside it.
    text->setSearchPaths({QFileInfo(path).absolutePath()});
    text->setMarkdown(QString::fromUtf8(file.readAll()));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog->resize(MANUAL_WIDTH, MANUAL_HEIGHT);
    dialog->show();
}

void showAbout(QWidget *window)
{
    QMessageBox box(QMessageBox::Information,
                    QCoreApplication::translate("HelpMenu", "About Gravolt Setup"), aboutText(),
                    QMessageBox::Ok, window);
    box.setObjectName(QStringLiteral("about_box"));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.setIconPixmap(window->windowIcon().pixmap(64, 64));
    box.exec();
}

}  // namespace

QString aboutText()
{
    const QDir here = QDir::current();
    return QCoreApplication::translate(
               "HelpMenu",
               "Gravolt Setup %1\nMade for board firmware %2.\nBuilt with Qt %3, running on Qt "
               "%4.\nLicence: %5\n\nEffect profiles are kept in %6\nBoard backups are kept in %7")
        .arg(QStringLiteral(GRAVOLT_VERSION), QString::number(SUPPORTED_FIRMWARE_VERSION),
             QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion()),
             QCoreApplication::translate("HelpMenu", PROGRAM_LICENCE),
             QDir::toNativeSeparators(
                 here.absoluteFilePath(QLatin1String(EFFECT_PROFILE_DIRECTORY))),
             QDir::toNativeSeparators(
                 here.absoluteFilePath(QLatin1String(BOARD_BACKUPS_DIRECTORY))));
}

void addHelpMenu(QMenuBar *menuBar, QWidget *window)
{
    QMenu *menu = menuBar->addMenu(QCoreApplication::translate("HelpMenu", "&Help"));
    menu->setObjectName(QStringLiteral("help_menu"));
    QAction *manual = menu->addAction(QCoreApplication::translate("HelpMenu", "&Manual"));
    manual->setObjectName(QStringLiteral("manual_action"));
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    QObject::connect(manual, &QAction::triggered, window, [window] { showManual(window); });
    QAction *about =
        menu->addAction(QCoreApplication::translate("HelpMenu", "&About Gravolt Setup"));
    about->setObjectName(QStringLiteral("about_action"));
    QObject::connect(about, &QAction::triggered, window, [window] { showAbout(window); });
}
