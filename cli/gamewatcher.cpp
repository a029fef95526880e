#include "gamewatcher.h"

#include "profilestore.h"

#include "device/firmwareinfo.h"
#include "device/settingsuibackgroundthread.h"
#include "settings/boardbackup.h"
#include "settings/gamelinks.h"

#include <QDateTime>
#include <QTextStream>

#include <algorithm>

GameWatcher::GameWatcher(ProcessList &processes, SettingsUiBackgroundThread &worker,
                         std::function<FirmwareInfoMap()> scan, QString dataDir, QString boardModel,
                         QTextStream &log, QObject *parent)
    : QObject(parent), processes(processes), worker(worker), scan(std::move(scan)),
      dataDir(std::move(dataDir)), boardModel(std::move(boardModel)), log(log)
{
    connect(&timer, &QTimer::timeout, this, &GameWatcher::poll);
}

GameWatcher::~GameWatcher() = default;

void GameWatcher::start(int intervalMs)
{
    // The process list changes every few seconds at most; a coarse timer
    // lets the system bundle the wake-ups with others.
    timer.setTimerType(Qt::CoarseTimer);
    timer.start(intervalMs);
    poll();
}

QStringList GameWatcher::activeGames() const
{
    QStringList programs;
    for (const ActiveGame &game : games)
        programs.append(game.program);
    return programs;
}

void GameWatcher::say(const QString &line)
{
    log << QStringLiteral("gravoltctl watch: ") << line << Qt::endl;
}

void GameWatcher::announce(int productId, const QString &line)
{
    say(line);
    // The window showing this board reads it again when this file changes.
    writeGameSwitchNotice(dataDir, {productId, line, QDateTime::currentMSecsSinceEpoch()});
    emit switched(productId, line);
}

QString GameWatcher::modelOf(int productId) const
{
    const QString model = modelNameForDeviceType(boards.value(productId).deviceType);
    return model.isEmpty() ? QStringLiteral("board") : model;
}

int GameWatcher::boardFor(int origin, const FirmwareInfoMap &found) const
{
    const int wanted = !boardModel.isEmpty() ? deviceTypeForModelName(boardModel) : origin;
    int match = -1;
    int count = 0;
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        if (wanted < 0 || it.value().deviceType == wanted) {
            match = it.key();
            ++count;
        }
    }
    // Two boards that could take the profile: writing to either could be
    // the wrong one, so neither is written until --board says which.
    return count == 1 ? match : -1;
}

void GameWatcher::poll()
{
    QString linkError;
    const QList<GameLink> links = GameLinks(dataDir).load(&linkError);
    const QList<ProcessInfo> running = processes.processes();
    const auto isRunning = [&running](const QString &program) {
        return std::any_of(running.cbegin(), running.cend(),
                           [&program](const ProcessInfo &p) { return runsProgram(p, program); });
    };
    const auto linkedProfile = [&links](const QString &program) {
        for (const GameLink &link : links)
            if (link.program == program)
                return link.profile;
        return QString();
    };

    // A game that ended, or whose link was removed or changed, leaves first.
    for (int i = int(games.size()) - 1; i >= 0; --i) {
        const ActiveGame &game = games.at(i);
        if (!isRunning(game.program) || linkedProfile(game.program) != game.profile)
            gameEnded(i);
    }
    for (const GameLink &link : links) {
        const bool active = std::any_of(games.cbegin(), games.cend(), [&link](const ActiveGame &g) {
            return g.program == link.program;
        });
        if (!active && isRunning(link.program))
            gameStarted(link.program, link.profile);
    }

    if (games.isEmpty() && !pendingPutBack)
        return;
    // While a game runs the board is looked for at every look: one that was
    // unplugged or lost power comes back with its permanent memory, and the
    // game's profile has to go to it again.
    boards = scan();
    if (!games.isEmpty()) {
        ActiveGame &top = games.last();
        if (top.applied && top.productId >= 0 && !boards.contains(top.productId))
            top.boardAway = true;
        else if (top.boardAway && boards.contains(top.productId)) {
            top.boardAway = false;
            top.applied = false;
        }
    }
    if (putBackPending())
        applyTop();
}

void GameWatcher::gameStarted(const QString &program, const QString &profile)
{
    ActiveGame game;
    game.program = program;
    game.profile = profile;
    const ProfileStore store(dataDir);
    QString error;
    if (!store.read(profile, game.record, &error)) {
        // Kept on the stack without a write, so that it is not announced
        // again at every look while it runs.
        say(QStringLiteral("%1 started; its profile \"%2\" cannot be used: %3")
                .arg(program, profile, error));
        game.applied = true;
        games.append(game);
        return;
    }
    game.origin = store.originOf(profile);
    say(QStringLiteral("%1 started").arg(program));
    games.append(game);
}

void GameWatcher::gameEnded(int index)
{
    const ActiveGame ended = games.takeAt(index);
    const bool wasTop = index == games.size();
    say(QStringLiteral("%1 ended").arg(ended.program));
    if (!ended.previous)
        return;
    if (wasTop) {
        pendingPutBack = PutBack{ended.program, ended.productId, *ended.previous};
    } else {
        // The game above found this one's profile on the board; what it must
        // put back is what this one found.
        ActiveGame &above = games[index];
        above.previous = ended.previous;
        if (!above.applied)
            above.productId = ended.productId;
    }
}

bool GameWatcher::putBackPending()
{
    if (!pendingPutBack)
        return true;
    const PutBack &putBack = *pendingPutBack;
    if (!boards.contains(putBack.productId))
        return false;  // the board is away; put back when it returns
    const OperationOutcome outcome =
        worker.writeEffectSettings(putBack.productId, putBack.record, false);
    if (!outcome.succeeded()) {
        say(QStringLiteral("putting back the effect settings of the %1 failed (%2); trying again")
                .arg(modelOf(putBack.productId), describeOutcome(outcome)));
        return false;
    }
    const int productId = putBack.productId;
    const QString line = QStringLiteral("the %1 has the effect settings from before %2 again")
                             .arg(modelOf(productId), putBack.program);
    pendingPutBack.reset();
    announce(productId, line);
    return true;
}

bool GameWatcher::applyTop()
{
    if (games.isEmpty() || games.constLast().applied)
        return true;
    ActiveGame &game = games.last();
    const int productId = game.productId >= 0 && boards.contains(game.productId)
                              ? game.productId
                              : boardFor(game.origin, boards);
    if (productId < 0) {
        if (!game.waitingLogged) {
            const QString model =
                !boardModel.isEmpty() ? boardModel : modelNameForDeviceType(game.origin);
            say(QStringLiteral("waiting for %1 to apply the profile \"%2\"")
                    .arg(model.isEmpty() ? QStringLiteral("one board")
                                         : QStringLiteral("the ") + model,
                         game.profile));
            game.waitingLogged = true;
        }
        return false;
    }
    if (!game.previous) {
        EffectSettingsTypeDef before{};
        const OperationOutcome outcome = worker.fetchEffectSettings(productId, before);
        if (!outcome.succeeded()) {
            say(QStringLiteral("reading the %1 failed (%2); trying again")
                    .arg(modelOf(productId), describeOutcome(outcome)));
            return false;
        }
        game.previous = before;
    }
    const OperationOutcome outcome = worker.writeEffectSettings(productId, game.record, false);
    if (!outcome.succeeded()) {
        say(QStringLiteral("applying the profile \"%1\" to the %2 failed (%3); trying again")
                .arg(game.profile, modelOf(productId), describeOutcome(outcome)));
        return false;
    }
    game.applied = true;
    game.productId = productId;
    announce(productId, QStringLiteral("profile \"%1\" applied to the %2 for %3")
                            .arg(game.profile, modelOf(productId), game.program));
    return true;
}

void GameWatcher::putBackAll()
{
    timer.stop();
    // Ending every game from the top puts back, step by step, what the board
    // had before the first of them.
    while (!games.isEmpty())
        gameEnded(int(games.size()) - 1);
    if (pendingPutBack) {
        boards = scan();
        putBackPending();
    }
}
