#pragma once

// BOARD-LOCK SEAM. The watcher holds one of these around every read-change-
// write of a board, so that the window, another gravoltctl and the watcher
// never interleave their transfers to one board. Until the per-board lock
// shared by every process of this program lands in device/, this takes
// nothing and always succeeds; then its body becomes that lock, and a board
// whose lock cannot be had is tried again at the watcher's next look.
class BoardWriteLock
{
public:
    explicit BoardWriteLock(int productId) : productId(productId) {}
    BoardWriteLock(const BoardWriteLock &) = delete;
    BoardWriteLock &operator=(const BoardWriteLock &) = delete;

    bool acquired() const { return productId >= 0; }

private:
    int productId;
};
