// One "DD MMM YYYY" format and parse-back pair per call, against the same pair done with
// snprintf and sscanf on the same fields in the same run; each iteration is a batch of
// 1000 pairs. The counter cost_vs_snprintf
// is our time divided by the baseline's: 1.0 costs the same, 2.0 twice as much.
#include "platform/core/date.h"
#include "platform/core/date_text.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

using namespace paginor::platform;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kBatch = 1000;

const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The baseline: the same fields written and read back with the C library.
int baseline_pair(const SYSTEMTIME& st) {
    char text[32];
    std::snprintf(text, sizeof text, "%02u %s %04u", unsigned(st.wDay), kMonths[st.wMonth - 1],
                  unsigned(st.wYear));
    unsigned day = 0;
    unsigned year = 0;
    char month[8] = {};
    if (std::sscanf(text, "%u %3s %u", &day, month, &year) != 3) {
        return -1;
    }
    for (int m = 0; m < 12; ++m) {
        if (std::strcmp(month, kMonths[m]) == 0) {
            return int(year * 10000 + unsigned(m + 1) * 100 + day);
        }
    }
    return -1;
}

DATE ours_pair(DATE d) {
    return parse_date(format_day_month_year(d), 2026).value_or(-1);
}

void BM_DateFormatParsePair(benchmark::State& state) {
    const DATE first = 45000.6; // a time of day that the pair drops
    double ours = 0;
    double baseline = 0;
    int step = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        for (int i = 0; i < kBatch; ++i) {
            benchmark::DoNotOptimize(ours_pair(first + (step + i) % 3650));
        }
        auto middle = Clock::now();
        for (int i = 0; i < kBatch; ++i) {
            SYSTEMTIME st = *fields_from_date(first + (step + i) % 3650);
            benchmark::DoNotOptimize(baseline_pair(st));
        }
        auto end = Clock::now();
        step = (step + kBatch) % 3650;
        double a = std::chrono::duration<double>(middle - start).count();
        ours += a;
        baseline += std::chrono::duration<double>(end - middle).count();
        state.SetIterationTime(a);
    }
    double pairs = double(state.iterations()) * kBatch;
    state.counters["ns_per_pair"] = pairs > 0 ? ours * 1e9 / pairs : 0;
    state.counters["cost_vs_snprintf"] = baseline > 0 ? ours / baseline : 0;
}

} // namespace

BENCHMARK(BM_DateFormatParsePair)->UseManualTime();

BENCHMARK_MAIN();
