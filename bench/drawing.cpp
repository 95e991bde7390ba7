// DrawGradient and TransBlt on a 1920 x 1080 surface, each against the memory bandwidth
// of a plain memset / memcpy of the same buffer measured in the same run. The ratios
// (baseline time / routine time) are printed at the end; 1.0 would be bandwidth speed.
// Times are the thread's CPU time per run, the best of several repetitions, so that other
// programs taking the processor away do not count against either side; the machine's
// shared cache still does, for both alike.
#include "drawing/modGradientCtls.h"
#include "drawing/modTransBlt.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/dc.h"
#include "platform/raster/gdi.h"
#include "platform/raster/raster.h"

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
using namespace paginor::platform;

namespace {

constexpr int kW = 1920, kH = 1080;

struct Surface {
    HDC dc;
    HBITMAP bm;
    HGDIOBJ old;
    Surface() {
        dc = CreateCompatibleDC(0);
        bm = CreateBitmap(kW, kH, 1, 32, nullptr);
        old = SelectObject(dc, bm);
    }
    ~Surface() {
        SelectObject(dc, old);
        DeleteObject(bm);
        DeleteDC(dc);
    }
};

void BM_Memset(benchmark::State& state) {
    std::vector<uint32_t> buf(size_t(kW) * kH);
    uint8_t v = 0;
    bench::timed(state, "memset", [&] {
        std::memset(buf.data(), ++v, buf.size() * 4);
        benchmark::DoNotOptimize(buf.data());
    });
}

void BM_Memcpy(benchmark::State& state) {
    std::vector<uint32_t> a(size_t(kW) * kH, 1), b(size_t(kW) * kH);
    bench::timed(state, "memcpy", [&] {
        std::memcpy(b.data(), a.data(), a.size() * 4);
        benchmark::DoNotOptimize(b.data());
    });
}

void BM_DrawGradient(benchmark::State& state) {
    Surface s;
    int dir = int(state.range(0));
    std::string name = "DrawGradient/" + std::to_string(dir);
    bench::timed(state, name.c_str(), [&] {
        modGradientCtls::DrawGradient(s.dc, 0, 0, kW, kH, 0x102030, 0xF0E0D0, dir);
    });
}

void BM_TransBlt(benchmark::State& state) {
    bool device = state.range(0) == 1;
    display_device().transparent_blt = device;
    Surface target, source;
    for (int y = 0; y < kH; y += 7)
        fill_solid(source.dc, {0, y, kW, y + 3}, RGB(255, 0, 255));
    std::string name = device ? "TransBlt/device" : "TransBlt/mask";
    bench::timed(state, name.c_str(), [&] {
        modTransBlt::TransBlt(target.dc, 0, 0, kW, kH, source.dc, 0, 0, RGB(255, 0, 255));
    });
    display_device().transparent_blt = false;
}

} // namespace

constexpr int kRepetitions = 5;
BENCHMARK(BM_Memset)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_DrawGradient)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions);
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);
BENCHMARK(BM_TransBlt)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    auto& s = bench::best_seconds();
    std::printf("\nRatios to the baseline's bandwidth (best CPU time of baseline / of routine):\n");
    for (const auto& [name, t] : s) {
        if (name == "memset" || name == "memcpy")
            continue;
        bool gradient = name.rfind("DrawGradient", 0) == 0;
        const char* base = gradient ? "memset" : "memcpy";
        if (s.count(base) && t > 0)
            std::printf("  %-16s vs %s: %.2fx (target %s)\n", name.c_str(), base, s[base] / t,
                        gradient ? ">= 0.5x" : ">= 0.3x");
    }
    return 0;
}
