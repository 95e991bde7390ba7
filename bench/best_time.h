// The best CPU time per run of each measured routine, kept by name across Google
// Benchmark's repetitions, for the ratios a program prints at its end. The thread's CPU
// time, so a busy machine disturbs the figures less than wall time would.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <map>
#include <string>

namespace paginor::bench {

// Seconds per run, the best of every repetition, by name.
inline std::map<std::string, double>& best_seconds() {
    static std::map<std::string, double> best;
    return best;
}

inline double thread_seconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Runs f once per iteration of state and keeps the time per run under name when it beats
// the best so far.
template <class F> void timed(benchmark::State& state, const std::string& name, F&& f) {
    const double start = thread_seconds();
    int64_t runs = 0;
    for (auto _ : state) {
        f();
        benchmark::ClobberMemory();
        ++runs;
    }
    const double per_run = (thread_seconds() - start) / double(std::max<int64_t>(runs, 1));
    auto [it, fresh] = best_seconds().try_emplace(name, per_run);
    if (!fresh)
        it->second = std::min(it->second, per_run);
}

} // namespace paginor::bench
