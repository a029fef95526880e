#pragma once

#include "ui/firmwareupdatecontroller.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// Board > Update firmware…: shows what the controller does, from the file
// picked to the restore offer. Everything the flow decides lives in the
// controller; this only shows it and passes the user's answers on.
class FirmwareUpdateDialog : public QDialog
{
    Q_OBJECT

public:
    FirmwareUpdateDialog(FirmwareUpdateController *controller, QWidget *parent);

    // Picks the file as the file dialog would (tests, the walk-through).
    void setFile(const QString &path);

signals:
    // After a successful update the user chose to get the settings back.
    void restoreRequested(const QString &backupPath, int productId);

public slots:
    // Escape, Cancel and the title bar's close button (through QDialog's
    // closeEvent) come here: before writing it cancels; while writing it
    // asks first.
    void reject() override;

private:
    void chooseFile();
    void showFile();
    void showStage(FirmwareUpdateController::Stage stage);
    void showProgress(const QString &step, qint64 done, qint64 total);
    void updateStartButton();
    int consentsGiven() const;
    // True when the dialog may close now.
    bool mayClose();
    QString planText() const;

    FirmwareUpdateController *controller;
    QLabel *targetLabel;
    QLineEdit *fileEdit;
    QPushButton *chooseButton;
    QLabel *contentsLabel;
    QLabel *planLabel;
    QCheckBox *anyDeviceBox;
    QCheckBox *noIdsBox;
    QCheckBox *addressBox;
    QLabel *stageLabel;
    QList<QProgressBar *> stepBars;  // erase, write, verify
    QProgressBar *totalBar;
    QLabel *outcomeLabel;
    QLabel *restoreLabel;
    QPushButton *startButton;
    QPushButton *retryButton;
    QPushButton *restoreButton;
    QPushButton *keepButton;
    QPushButton *closeButton;
    QWidget *progressArea;
};

// Asks whether to stop following an update while the flash is written, after
// which the board stays in its bootloader. `stayText` names the answer that
// goes on watching; it is the default and the Escape answer. True when the
// user chose to leave.
bool askToLeaveInBootloader(QWidget *parent, const QString &objectName, const QString &title,
                            const QString &text, const QString &stayText);
