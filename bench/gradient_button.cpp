// A full repaint of a gradient button (border, bevel, face, picture-less caption and
// corners, through the Refresh method of its interface) at 100 x 30 and at 1920 x 1080 pixels, each
// against a memset of a buffer of the surface's size measured in the same run. The ratios (memset
// time / repaint time) are printed at the end. Times are the thread's CPU time per run, the best of
// several repetitions.
#include <paginor/PaginorV2CTL.h>
#include <paginor/form.h>

#include "best_time.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <vector>

using namespace paginor;

namespace {

std::string size_name(const benchmark::State& state) {
    return std::to_string(state.range(0)) + "x" + std::to_string(state.range(1));
}

void BM_Memset(benchmark::State& state) {
    std::vector<uint32_t> buf(size_t(state.range(0)) * size_t(state.range(1)));
    uint8_t v = 0;
    bench::timed(state, "memset/" + size_name(state), [&] {
        std::memset(buf.data(), ++v, buf.size() * 4);
        benchmark::DoNotOptimize(buf.data());
    });
}

void BM_Repaint(benchmark::State& state) {
    const LONG w = LONG(state.range(0)), h = LONG(state.range(1));
    PaginorSetTwipsPerPixel(15, 15);
    Form form = Form::create(u"Bench", (w + 20) * 15, (h + 20) * 15).value;
    Control button =
        form.add(u"PaginorV2CTL.GradientButton", u"gb", 150, 150, w * 15, h * 15).value;
    button.put(u"Caption", u"Search");
    Ref<_GradientButton> direct;
    button.object()->QueryInterface(IID__GradientButton, direct.put_void());
    bench::timed(state, "repaint/" + size_name(state), [&] { direct->Refresh(); });
}

} // namespace

constexpr int kRepetitions = 5;
BENCHMARK(BM_Memset)->Args({100, 30})->Args({1920, 1080})->Repetitions(kRepetitions);
BENCHMARK(BM_Repaint)
    ->Args({100, 30})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    auto& s = bench::best_seconds();
    std::printf("\nA full repaint against a memset of the same surface (memset time / repaint):\n");
    for (const char* size : {"100x30", "1920x1080"}) {
        const std::string base = std::string("memset/") + size,
                          run = std::string("repaint/") + size;
        if (s.count(base) && s.count(run) && s[run] > 0)
            std::printf("  %-10s %.3fx  (repaint %.1f us, memset %.2f us)\n", size,
                        s[base] / s[run], s[run] * 1e6, s[base] * 1e6);
    }
    return 0;
}
