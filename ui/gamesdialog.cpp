#include "gamesdialog.h"

#include "settings/gamelinks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

// systemctl answers at once for a user service; a hung user manager must not
// hang the window for long.
constexpr int SYSTEMCTL_TIMEOUT_MS = 5000;  // ms

GamesDialog::ServiceAnswer runSystemctl(const QStringList &arguments)
{
    GamesDialog::ServiceAnswer answer;
    QProcess process;
    process.start(QStringLiteral("systemctl"), QStringList{QStringLiteral("--user")} + arguments);
    if (!process.waitForStarted(SYSTEMCTL_TIMEOUT_MS))
        return answer;
    if (!process.waitForFinished(SYSTEMCTL_TIMEOUT_MS)) {
        process.kill();
        process.waitForFinished();
        return answer;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        answer.status = process.exitCode();
    answer.output = QString::fromUtf8(process.readAllStandardOutput());
    return answer;
}

// One property of `systemctl show -p A,B` output ("A=value" lines).
QString unitProperty(const QString &output, const QString &name)
{
    for (const QString &line : output.split(QLatin1Char('\n'))) {
        if (line.startsWith(name + QLatin1Char('=')))
            return line.mid(name.size() + 1).trimmed();
    }
    return QString();
}

}  // namespace

GamesDialog::GamesDialog(QString dataDir, const QStringList &profiles, QWidget *parent,
                         ServiceControl control)
    : QDialog(parent), dataDir(std::move(dataDir)),
      serviceControl(control ? std::move(control) : ServiceControl(runSystemctl))
{
    setObjectName(QStringLiteral("games_dialog"));
    setWindowTitle(tr("Games"));

    auto *intro = new QLabel(
        tr("While a linked game runs, its effect profile is applied to the board's working "
           "memory; when the game ends, the settings from before come back. Permanent memory "
           "is never changed."),
        this);
    intro->setWordWrap(true);

    linkList = new QTreeWidget(this);
    linkList->setObjectName(QStringLiteral("game_link_list"));
    linkList->setHeaderLabels({tr("Program"), tr("Effect profile")});
    linkList->setRootIsDecorated(false);
    linkList->setSelectionMode(QAbstractItemView::SingleSelection);
    linkList->header()->setSectionResizeMode(QHeaderView::Stretch);

    programEdit = new QLineEdit(this);
    programEdit->setObjectName(QStringLiteral("game_program_edit"));
    programEdit->setPlaceholderText(tr("rallygame, or Game.exe for Wine and Proton"));
    profileCombo = new QComboBox(this);
    profileCombo->setObjectName(QStringLiteral("game_profile_combo"));
    profileCombo->addItems(profiles);
    linkButton = new QPushButton(tr("&Link"), this);
    linkButton->setObjectName(QStringLiteral("game_link_button"));
    // Enter in the name field links; it never closes the dialog.
    linkButton->setDefault(true);
    unlinkButton = new QPushButton(tr("&Unlink"), this);
    unlinkButton->setObjectName(QStringLiteral("game_unlink_button"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Program name:"), programEdit);
    form->addRow(tr("&Effect profile:"), profileCombo);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(linkButton);
    buttons->addWidget(unlinkButton);

    auto *serviceBox = new QGroupBox(tr("Background"), this);
    serviceCheck = new QCheckBox(tr("&Follow games in the background"), serviceBox);
    serviceCheck->setObjectName(QStringLiteral("game_service_check"));
    serviceCheck->setToolTip(
        tr("Starts the game watcher now and at every login (a systemd user service)"));
    serviceState = new QLabel(serviceBox);
    serviceState->setObjectName(QStringLiteral("game_service_state"));
    serviceState->setWordWrap(true);
    auto *serviceLayout = new QVBoxLayout(serviceBox);
    serviceLayout->addWidget(serviceCheck);
    serviceLayout->addWidget(serviceState);

    message = new QLabel(this);
    message->setObjectName(QStringLiteral("game_message"));
    message->setWordWrap(true);

    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->button(QDialogButtonBox::Close)->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(linkList, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(message);
    layout->addWidget(serviceBox);
    layout->addWidget(close);

    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(linkButton, &QPushButton::clicked, this, &GamesDialog::linkGame);
    connect(unlinkButton, &QPushButton::clicked, this, &GamesDialog::unlinkSelected);
    connect(programEdit, &QLineEdit::textChanged, this, &GamesDialog::updateButtons);
    connect(linkList, &QTreeWidget::itemSelectionChanged, this, &GamesDialog::updateButtons);
    connect(linkList, &QTreeWidget::itemSelectionChanged, this, [this] {
        // Picking a link fills the fields, so that relinking it is one click.
        const QList<QTreeWidgetItem *> selected = linkList->selectedItems();
        if (selected.isEmpty())
            return;
        programEdit->setText(selected.first()->text(0));
        const int row = profileCombo->findText(selected.first()->text(1), Qt::MatchExactly);
        if (row >= 0)
            profileCombo->setCurrentIndex(row);
    });
    connect(serviceCheck, &QCheckBox::clicked, this, &GamesDialog::switchService);

    reloadLinks();
    refreshService();
    updateButtons();
    resize(sizeHint().expandedTo(QSize(480, 420)));
}

void GamesDialog::reloadLinks()
{
    linkList->clear();
    QString error;
    const QList<GameLink> links = GameLinks(dataDir).load(&error);
    for (const GameLink &link : links)
        new QTreeWidgetItem(linkList, {link.program, link.profile});
    if (!error.isEmpty())
        message->setText(tr("The list of games cannot be read: %1").arg(error));
}

void GamesDialog::updateButtons()
{
    linkButton->setEnabled(!programEdit->text().trimmed().isEmpty() &&
                           profileCombo->currentIndex() >= 0);
    unlinkButton->setEnabled(!linkList->selectedItems().isEmpty());
}

void GamesDialog::linkGame()
{
    const QString program = programEdit->text().trimmed();
    const QString profile = profileCombo->currentText();
    if (!GameLinks::programNameProblem(program).isEmpty()) {
        message->setText(tr("Type the program's name without its folder, such as "
                            "“rallygame” or “Game.exe”."));
        return;
    }
    QString error;
    if (!GameLinks(dataDir).link({program, profile}, &error)) {
        message->setText(tr("The game was not linked: %1").arg(error));
        return;
    }
    message->setText(tr("“%1” now gets the effect profile “%2”.").arg(program, profile));
    reloadLinks();
    programEdit->clear();
}

void GamesDialog::unlinkSelected()
{
    const QList<QTreeWidgetItem *> selected = linkList->selectedItems();
    if (selected.isEmpty())
        return;
    const QString program = selected.first()->text(0);
    QString error;
    if (!GameLinks(dataDir).unlink(program, &error))
        message->setText(tr("The game was not unlinked: %1").arg(error));
    else
        message->setText(tr("“%1” no longer changes the effect settings.").arg(program));
    reloadLinks();
    programEdit->clear();
    updateButtons();
}

void GamesDialog::refreshService()
{
    const ServiceAnswer answer = serviceControl(
        {QStringLiteral("show"), QStringLiteral("--property=LoadState,ActiveState,UnitFileState"),
         QLatin1String(SERVICE_NAME)});
    const QString loadState = unitProperty(answer.output, QStringLiteral("LoadState"));
    // No systemd, or no user manager to ask (a session without one, a
    // container): the switch would only fail.
    if (answer.status != 0 || loadState.isEmpty() || loadState == QLatin1String("not-found")) {
        serviceCheck->setChecked(false);
        serviceCheck->setEnabled(false);
        serviceState->setText(
            answer.status == 0 && loadState == QLatin1String("not-found")
                ? tr("The background service is not installed; run “gravoltctl watch” to "
                     "follow games.")
                : tr("The background service is not available on this system; run "
                     "“gravoltctl watch” to follow games."));
        return;
    }
    const bool running =
        unitProperty(answer.output, QStringLiteral("ActiveState")) == QLatin1String("active");
    const bool enabled =
        unitProperty(answer.output, QStringLiteral("UnitFileState")) == QLatin1String("enabled");
    serviceCheck->setEnabled(true);
    serviceCheck->setChecked(enabled || running);
    serviceState->setText(running ? tr("The game watcher is running.")
                                  : tr("The game watcher is not running."));
}

void GamesDialog::switchService(bool on)
{
    const QString service = QLatin1String(SERVICE_NAME);
    const ServiceAnswer answer =
        serviceControl({on ? QStringLiteral("enable") : QStringLiteral("disable"),
                        QStringLiteral("--now"), service});
    if (answer.status != 0)
        message->setText(on ? tr("The game watcher could not be started.")
                            : tr("The game watcher could not be stopped."));
    else
        message->clear();
    refreshService();
}
