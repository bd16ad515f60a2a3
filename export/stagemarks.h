#pragma once

// Stage marks on the command line's way from process entry to exit: with VARNEL_STAGE_MARKS
// each prints "stage-mark <monotonic ns> <name>" to standard error, which bench/fixed-cost
// reads to split one export's time into its stages. In every other build they are empty.
#ifdef VARNEL_STAGE_MARKS
#include <chrono>
#include <cstdio>

inline void stageMark(const char* name) {
    // steady_clock is CLOCK_MONOTONIC on Linux, the clock the benchmark starts its own from.
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(stderr, "stage-mark %lld %s\n",
                 static_cast<long long>(std::chrono::nanoseconds(now).count()), name);
}
#else
inline void stageMark(const char*) {}
#endif
