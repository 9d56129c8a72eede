// A small benchmark harness: times a piece of work against a baseline doing
// comparable work in the same process and reports the ratio.  Each side is
// run for a fixed time budget; the best of several rounds is kept so that a
// busy machine disturbs the figure as little as possible.
#pragma once

#include <chrono>
#include <cstdio>
#include <functional>

namespace kxbench {

// Keeps the optimiser from discarding a computed value.
template <class T>
inline void Keep(const T& value) {
    asm volatile("" : : "g"(&value) : "memory");
}

// Seconds per call of fn: the best of `rounds` rounds of roughly `budget`.
inline double TimePerCall(const std::function<void()>& fn, double budget = 0.2, int rounds = 5) {
    using clock = std::chrono::steady_clock;
    long long n = 1;
    for (;;) {  // calibrate the count of calls per round
        auto t0 = clock::now();
        for (long long i = 0; i < n; ++i) fn();
        double s = std::chrono::duration<double>(clock::now() - t0).count();
        if (s > budget / 10 || n > (1LL << 40)) {
            n = s > 0 ? static_cast<long long>(n * (budget / s)) + 1 : n * 10;
            break;
        }
        n *= 4;
    }
    double best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        auto t0 = clock::now();
        for (long long i = 0; i < n; ++i) fn();
        double s = std::chrono::duration<double>(clock::now() - t0).count() / n;
        if (s < best) best = s;
    }
    return best;
}

// Prints "name: subject X /call, baseline Y /call, ratio R" and returns R
// (subject time over baseline time: below 1 means faster than the baseline).
inline double Report(const char* name, double subject, double baseline, const char* baselineName) {
    double ratio = baseline > 0 ? subject / baseline : 0;
    std::printf("%-44s %12.3f us  vs %-24s %12.3f us   ratio %.3f\n", name, subject * 1e6,
                baselineName, baseline * 1e6, ratio);
    return ratio;
}

}  // namespace kxbench
