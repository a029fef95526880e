#pragma once

#include <QByteArray>

#include <cstdint>

// Small process probes shared by the benchmark programs. Every figure a
// program measures is printed as one line "RESULT <key> <value>", which
// bench.sh collects over repeated runs and reduces to medians.

namespace bench {

// CPU time (user + system) this process has used so far, all threads.
double processCpuSeconds();

// Resident set size from /proc/self/status, in KiB; -1 when unavailable.
long residentKiB();

// Bytes the allocator has handed out and not yet got back.
std::size_t heapInUseBytes();

// CLOCK_MONOTONIC in nanoseconds: the clock the launcher stamps before exec.
int64_t monotonicNs();

void printResult(const QByteArray &key, double value);

// Lets the programs run without a display unless the caller chose a platform.
void defaultToOffscreen();

}  // namespace bench
