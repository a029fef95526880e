// bench_launch PROGRAM [ARGS...]: stamps CLOCK_MONOTONIC into
// GRAVOLT_BENCH_T0_NS and replaces itself with PROGRAM, so the program's
// start-up figure includes loading its libraries and nothing of the caller.
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%" PRId64,
                  int64_t(now.tv_sec) * 1000000000 + int64_t(now.tv_nsec));
    setenv("GRAVOLT_BENCH_T0_NS", stamp, 1);
    execv(argv[1], argv + 1);
    std::fprintf(stderr, "%s: cannot run %s: %s\n", argv[0], argv[1], std::strerror(errno));
    return 127;
}
