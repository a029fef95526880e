#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The "Games…" dialog of the Effects page: which effect profile goes with
// which game, and whether the background game watcher (a systemd user
// service) runs. The links are the same the command-line tool makes.
class GamesDialog : public QDialog
{
    Q_OBJECT

public:
    // What `systemctl --user` said: its exit status (-1 when it could not be
    // run) and its standard output.
    struct ServiceAnswer {
        int status = -1;
        QString output;
    };
    // Runs `systemctl --user` with the given arguments. A seam for the tests;
    // the default runs the real one.
    using ServiceControl = std::function<ServiceAnswer(const QStringList &arguments)>;

    GamesDialog(QString dataDir, const QStringList &profiles, QWidget *parent = nullptr,
                ServiceControl serviceControl = ServiceControl());

    static constexpr char SERVICE_NAME[] = "gravolt-game-profiles.service";

private:
    void reloadLinks();
    void linkGame();
    void unlinkSelected();
    void updateButtons();
    void refreshService();
    void switchService(bool on);

    const QString dataDir;
    ServiceControl serviceControl;
    QTreeWidget *linkList;
    QLineEdit *programEdit;
    QComboBox *profileCombo;
    QPushButton *linkButton;
    QPushButton *unlinkButton;
    QCheckBox *serviceCheck;
    QLabel *serviceState;
    QLabel *message;
};
