#pragma once

#include <QList>
#include <QString>

// Which effect profile goes with which game, shared by the window's Games
// dialog and the game watcher of the command-line tool. Kept in one small
// JSON file in the data folder, read afresh by every call, so that a link made
// in the window reaches a watcher already running at its next look.

inline constexpr char GAME_LINKS_FILE[] = "game_links.json";
// Written by the watcher after every switch it makes, watched by the window
// so that it can read the board again.
inline constexpr char GAME_SWITCH_NOTICE_FILE[] = "game_switch.json";

struct GameLink {
    QString program;  // an executable's name: "rallygame", "Game.exe"
    QString profile;  // an effect profile's name
};

class GameLinks
{
public:
    explicit GameLinks(QString dataDir);

    // In the order they were made. A missing file is no link; a damaged one
    // is reported through `error` (when given) and reads as no link.
    QList<GameLink> load(QString *error = nullptr) const;
    // One profile per program: linking a program again replaces its profile.
    bool link(const GameLink &link, QString *error);
    // False with `error` set when the program had no link.
    bool unlink(const QString &program, QString *error);

    QString filePath() const;

    // Why a program name cannot be linked, or nothing. A name is what the
    // process list shows, never a path.
    static QString programNameProblem(const QString &program);

private:
    bool store(const QList<GameLink> &links, QString *error) const;

    QString dataDir;
};

// The last switch the watcher made, for the window.
struct GameSwitchNotice {
    int productId = -1;
    QString text;       // what the watcher logged, e.g. "rallygame started: profile Rally applied"
    qint64 serial = 0;  // grows with every switch, so two alike switches differ
};

bool writeGameSwitchNotice(const QString &dataDir, const GameSwitchNotice &notice);
bool readGameSwitchNotice(const QString &path, GameSwitchNotice &notice);
