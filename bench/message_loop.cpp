// DoEvents draining 1000 posted messages against a plain deque push/pop loop of the same
// count that calls the same procedure.
#include "platform/window/message.h"
#include "platform/window/window.h"
#include "platform/window/window_system.h"

#include <benchmark/benchmark.h>

#include <deque>

using namespace paginor::platform;

namespace {

constexpr int kMessages = 1000;
int g_sink = 0;

LRESULT Proc(HWND, UINT msg, WPARAM wParam, LPARAM) {
    g_sink += int(msg) + int(wParam);
    return 0;
}

struct Msg {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

void BM_DequeBaseline(benchmark::State& state) {
    std::deque<Msg> q;
    for (auto _ : state) {
        for (int i = 0; i < kMessages; ++i) {
            q.push_back({1, 0x400, WPARAM(i), 0});
        }
        while (!q.empty()) {
            Msg m = q.front();
            q.pop_front();
            benchmark::DoNotOptimize(Proc(m.hwnd, m.msg, m.wParam, m.lParam));
        }
    }
}

void BM_PostAndDoEvents(benchmark::State& state) {
    WindowSystemScope scope;
    WindowDesc d;
    d.proc = &Proc;
    HWND w = CreateWindow(d);
    DoEvents(); // the creation paint
    for (auto _ : state) {
        for (int i = 0; i < kMessages; ++i) {
            PostMessage(w, 0x400, WPARAM(i), 0);
        }
        DoEvents();
    }
}

} // namespace

BENCHMARK(BM_DequeBaseline);
BENCHMARK(BM_PostAndDoEvents);

BENCHMARK_MAIN();
