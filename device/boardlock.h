#pragma once

#include <QLockFile>
#include <QString>

// How long an operation waits for a board that another program of this
// project is talking to before it gives up and says who has it: longer than a
// record write with its flash store, short enough not to feel like a freeze.
constexpr int BOARD_LOCK_WAIT_MS = 3000;  // ms

// The lock of one board shared by every process of this program (the window,
// gravoltctl, the profile watcher): a lock file in the user's runtime folder,
// named after the board's vendor and product id. The worker's own mutexes
// keep the threads of one process apart; this keeps two processes from
// interleaving the chunks of two records on one board. A process that dies
// while holding it leaves a stale file that the next taker removes.
class BoardLock
{
public:
    BoardLock(int vendorId, int productId);
    ~BoardLock();
    BoardLock(const BoardLock &) = delete;
    BoardLock &operator=(const BoardLock &) = delete;

    enum class Result {
        Locked,       // this object holds the board
        HeldByOther,  // another process kept it for the whole wait
        NoLockFile,   // the lock file cannot be made (no writable runtime folder)
    };
    // Waits up to `waitMs` for the board.
    Result tryLock(int waitMs = BOARD_LOCK_WAIT_MS);
    void unlock();
    bool isLocked() const { return file.isLocked(); }

    // The program holding the board, as "name (process 1234)", or "another
    // program" when the lock file no longer says.
    QString holder() const;

    QString filePath() const { return path; }
    // XDG_RUNTIME_DIR where it is set and exists (a per-user folder the
    // session removes at logout), else a per-user folder in the temporary
    // folder. Created on first use.
    static QString lockFolder();

private:
    QString path;
    QLockFile file;
};
