#pragma once

#include "processlist.h"

#include "device/firmwareinfo.h"
#include "settings/effectsettings.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

class QTextStream;
class SettingsUiBackgroundThread;

// Applies the effect profile linked to a game to the board's working memory
// while the game runs, and puts back what the board had before when it ends.
// Never writes permanent memory: a reboot, or the board's own power cycle,
// always brings back the user's saved settings.
//
// Games stack: the one started last wins, and its end puts back what was on
// the board before it started, which is the profile of the game below it, or
// the settings from before any game when it was the only one. A game that
// ends under another hands what it found on the board to the one above it.
//
// The board is looked for only while a linked game runs or a put-back is due,
// so an idle watcher costs one look at the process list per interval and no
// USB traffic.
class GameWatcher : public QObject
{
    Q_OBJECT

public:
    // `scan` looks for the boards again and returns them; `boardModel` is the
    // model --board named, or empty: then a profile goes to the model it was
    // made on, or to the only board connected.
    GameWatcher(ProcessList &processes, SettingsUiBackgroundThread &worker,
                std::function<FirmwareInfoMap()> scan, QString dataDir, QString boardModel,
                QTextStream &log, QObject *parent = nullptr);
    ~GameWatcher() override;

    static constexpr int DEFAULT_INTERVAL_MS = 2000;  // ms; a game takes longer to start
    void start(int intervalMs = DEFAULT_INTERVAL_MS);
    // One look at the processes, and the writes it calls for.
    void poll();
    // Puts back what the board had before the first game still running, for
    // a watcher that is told to stop while a game runs.
    void putBackAll();

    // The programs whose profiles are on a board, oldest first.
    QStringList activeGames() const;

signals:
    // After every write to a board, with the line that was logged.
    void switched(int productId, const QString &text);

private:
    struct ActiveGame {
        QString program;
        QString profile;
        EffectSettingsTypeDef record{};
        int origin = -1;  // device type the profile was made on
        bool applied = false;
        bool waitingLogged = false;
        bool boardAway = false;  // gone since the profile was applied
        int productId = -1;      // the board it went to
        std::optional<EffectSettingsTypeDef> previous;
    };
    struct PutBack {
        QString program;
        int productId;
        EffectSettingsTypeDef record;
    };

    void gameEnded(int index);
    void gameStarted(const QString &program, const QString &profile);
    bool applyTop();
    bool putBackPending();
    int boardFor(int origin, const FirmwareInfoMap &boards) const;
    QString modelOf(int productId) const;
    void say(const QString &line);
    void announce(int productId, const QString &line);

    ProcessList &processes;
    SettingsUiBackgroundThread &worker;
    std::function<FirmwareInfoMap()> scan;
    const QString dataDir;
    const QString boardModel;
    QTextStream &log;
    QTimer timer;
    QList<ActiveGame> games;
    std::optional<PutBack> pendingPutBack;
    FirmwareInfoMap boards;
};
