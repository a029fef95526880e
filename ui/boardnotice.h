#pragma once

#include "device/boarddiscovery.h"
#include "device/firmwareinfo.h"

#include <QFrame>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

class QLabel;
class QPushButton;

// The notice above the board list for boards that are plugged in but cannot
// be configured: which board, why, and the commands that fix it. It looks
// again after every device scan and hides itself once the cause is gone.
class BoardNotice : public QFrame
{
    Q_OBJECT

public:
    explicit BoardNotice(const QList<int> &productIds, QWidget *parent = nullptr);

    // The look-up behind the notice; tests judge access for another user.
    BoardDiscovery &discovery() { return finder; }

    QString commandsText() const { return commands.join(QLatin1Char('\n')); }

public slots:
    // Called with every scan's result: the product ids the program has open.
    void updateFromScan(const QMap<int, FirmwareInfoTypeDef> &devices);
    void showDiagnosis(const BoardDiagnosis &diagnosis);

private:
    void copyCommands();

    BoardDiscovery finder;
    // The look-up reads sysfs and stats device nodes. It runs after a scan
    // whose result changed, after every scan while something is wrong (so
    // the notice goes as soon as the cause does), and otherwise only every
    // few scans, to notice a board plugged in that cannot be opened.
    QList<int> openedBefore;
    bool scanned = false;
    bool troubleBefore = false;
    int scansSinceLookUp = 0;
    // Boards found unusable by the previous look-up, by port and cause: a board
    // is reported only when the next look-up still finds it so, because a
    // board just plugged in is briefly unopenable until udev has set up its
    // node and the scan has opened it.
    QSet<QString> unusableBefore;
    QStringList commands;
    QLabel *message;
    QLabel *commandBox;
    QPushButton *copyButton;
};
