#pragma once

#include "device/firmwareinfo.h"
#include "device/operationoutcome.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <memory>

class BoardConnection;
class QTextStream;
class SettingsUiBackgroundThread;

// The board a command works on.
struct SelectedBoard {
    int productId = -1;
    FirmwareInfoTypeDef info{};
    QString model;
};

// Everything one command needs while it runs: its parsed options and
// arguments, the data folder, where messages and data go, and (only once it
// asks) the connection to the boards. Commands check their files before
// asking for a board, so that a refused command never touches the bus.
class CommandRun
{
public:
    CommandRun(const QCommandLineParser &parser, QString boardModel, QString dataDir,
               QTextStream &out, QTextStream &err);
    ~CommandRun();
    CommandRun(const CommandRun &) = delete;
    CommandRun &operator=(const CommandRun &) = delete;

    bool isSet(const QString &option) const { return parser.isSet(option); }
    QString value(const QString &option) const { return parser.value(option); }
    // The command's arguments, without the command's name.
    QStringList arguments() const;
    QString dataDir() const { return dataFolder; }
    // The model --board asked for, or empty.
    QString boardModel() const { return model; }

    QTextStream &out;  // data
    QTextStream &err;  // messages

    // Every connected board, from one scan; connects on first use.
    const FirmwareInfoMap &connectedBoards();
    // The boards found by a fresh scan, for a command that waits for one.
    const FirmwareInfoMap &rescanBoards();
    // Picks the board of --board, or the only one connected. On failure it
    // has said why and returns false with `status` set.
    bool selectBoard(SelectedBoard &board, int &status);
    SettingsUiBackgroundThread &worker();

    // Prints "gravoltctl: message" and returns `status`.
    int fail(int status, const QString &message);
    // A failed operation: names it, the board and the outcome; returns 1.
    int failOutcome(const SelectedBoard &board, const QString &what,
                    const OperationOutcome &outcome);
    void note(const QString &message);

    // Reads both records from the board and keeps them in the data folder's
    // automatic backups before anything is stored permanently. False (after
    // saying why, with `status` set) when no backup could be taken.
    bool takeAutomaticBackup(const SelectedBoard &board, const QString &cause, int &status);

private:
    BoardConnection &connection();

    const QCommandLineParser &parser;
    const QString model;
    const QString dataFolder;
    std::unique_ptr<BoardConnection> boards;
};
