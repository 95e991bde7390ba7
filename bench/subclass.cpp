// SharedWindowProc with 1, 2 and 4 handlers against a direct call of the window's own
// procedure. Read the figures as time per call relative to the direct call.
#include "platform/window.h"
#include "platform/window_system.h"
#include "tracking/MSubclass.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace paginor;
using namespace paginor::platform;

namespace {

int g_sink = 0;

// A small procedure, the kind a control's own procedure is for most messages.
LRESULT OwnProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
    g_sink += int(msg) + int(wParam);
    return LRESULT(lParam + 1);
}

class Counting : public Subclass {
  public:
    LRESULT WindowProc(HWND, UINT msg, WPARAM, LPARAM) override {
        g_sink += int(msg);
        return 0;
    }
};

void BM_DirectCall(benchmark::State& state) {
    WindowSystemScope scope;
    WindowDesc d;
    d.proc = &OwnProc;
    HWND w = CreateWindow(d);
    auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtr(w, GWLP_WNDPROC));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CallWindowProc(proc, w, 0x200, 1, 2));
    }
}

void BM_SharedWindowProc(benchmark::State& state) {
    WindowSystemScope scope;
    WindowDesc d;
    d.proc = &OwnProc;
    HWND w = CreateWindow(d);
    std::vector<Counting*> handlers;
    for (int i = 0; i < state.range(0); ++i) {
        handlers.push_back(new Counting);
        handlers.back()->put_MsgResponse(1);
        MSubclass::HookMessage(handlers.back(), w, 0x200);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(MSubclass::SharedWindowProc(w, 0x200, 1, 2));
    }
    for (Counting* h : handlers) {
        MSubclass::UnhookMessage(h, w, 0x200);
        h->Release();
    }
    state.counters["handlers"] = double(state.range(0));
}

} // namespace

BENCHMARK(BM_DirectCall);
BENCHMARK(BM_SharedWindowProc)->Arg(1)->Arg(2)->Arg(4);

BENCHMARK_MAIN();
