// CopyDocEvenIfOpen against `cp` of the same file in the same run. Each iteration copies
// the file both ways (alternating which goes first) and reports the speed relative to
// cp: cp's time divided by ours, so 1.0 is as fast as cp and the aim is at least 0.9.
// PAGINOR_BENCH_COPY_BYTES sets the file size (default 1 GiB) for a quick run; the
// files live in a folder of their own under the temporary folder and are removed.
#include "platform/core/unicode.h"
#include "platform/files/temp.h"
#include "viewer/copy_doc.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

uint64_t file_size_wanted() {
    const char* text = std::getenv("PAGINOR_BENCH_COPY_BYTES");
    return text != nullptr && *text != 0 ? std::strtoull(text, nullptr, 10) : (1ull << 30);
}

class Scratch {
  public:
    explicit Scratch(uint64_t bytes) {
        folder = fs::path(paginor::to_utf8(paginor::platform::temp_folder())) /
                 ("paginor_bench_copy_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        source = folder / "source.bin";
        std::ofstream out(source, std::ios::binary);
        std::vector<char> block(1 << 20);
        for (size_t i = 0; i < block.size(); ++i) {
            block[i] = char(i * 131 + i / 4096);
        }
        for (uint64_t left = bytes; left > 0;) {
            size_t n = size_t(std::min<uint64_t>(left, block.size()));
            out.write(block.data(), std::streamsize(n));
            left -= n;
        }
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
    fs::path source;
};

double seconds_of(const std::function<void()>& run) {
    auto start = Clock::now();
    run();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_CopyDocEvenIfOpenVsCp(benchmark::State& state) {
    Scratch scratch(file_size_wanted());
    fs::path ours = scratch.folder / "ours.bin";
    fs::path theirs = scratch.folder / "cp.bin";
    std::u16string from = paginor::from_utf8(scratch.source.string());
    std::u16string to = paginor::from_utf8(ours.string());
    std::string cp = "cp '" + scratch.source.string() + "' '" + theirs.string() + "'";
    double ours_total = 0;
    double cp_total = 0;
    bool ours_first = true;
    for (auto _ : state) {
        fs::remove(ours);
        fs::remove(theirs);
        auto run_ours = [&] { paginor::viewer::CopyDocEvenIfOpen(from, to); };
        auto run_cp = [&] {
            if (std::system(cp.c_str()) != 0) {
                state.SkipWithError("cp failed");
            }
        };
        double a = 0;
        double b = 0;
        if (ours_first) {
            a = seconds_of(run_ours);
            b = seconds_of(run_cp);
        } else {
            b = seconds_of(run_cp);
            a = seconds_of(run_ours);
        }
        ours_first = !ours_first;
        if (fs::file_size(ours) != fs::file_size(scratch.source)) {
            state.SkipWithError("the copy is incomplete");
        }
        ours_total += a;
        cp_total += b;
        state.SetIterationTime(a);
    }
    state.counters["bytes"] = double(fs::file_size(scratch.source));
    state.counters["speed_vs_cp"] = ours_total > 0 ? cp_total / ours_total : 0;
}

} // namespace

BENCHMARK(BM_CopyDocEvenIfOpenVsCp)->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
