// SharedWindowProc with 1, 2 and 4 handlers against a direct call of the window's own
// procedure. Read the figures as time per call relative to the direct call.
// SharedWindowProc re-reads a window's properties only after any property changed; the
// Reread rows move the property generation before every message (a store on another
// window) to show that path, and GetProp / SetProp show the pieces it is made of.
#include "platform/window/window.h"
#include "platform/window/window_system.h"
#include "tracking/MSubclass.h"

#include <benchmark/benchmark.h>

#include <string>
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

// A window whose message 0x200 is hooked by n handlers of mode 1; unhooks and releases
// them when it goes.
class HookedWindow {
  public:
    explicit HookedWindow(int64_t n) {
        WindowDesc d;
        d.proc = &OwnProc;
        hwnd = CreateWindow(d);
        for (int64_t i = 0; i < n; ++i) {
            m_handlers.push_back(new Counting);
            m_handlers.back()->put_MsgResponse(1);
            MSubclass::HookMessage(m_handlers.back(), hwnd, 0x200);
        }
    }
    ~HookedWindow() {
        for (Counting* h : m_handlers) {
            MSubclass::UnhookMessage(h, hwnd, 0x200);
            h->Release();
        }
    }
    HWND hwnd{0};

  private:
    std::vector<Counting*> m_handlers;
};

void BM_SharedWindowProc(benchmark::State& state) {
    WindowSystemScope scope;
    HookedWindow w(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(MSubclass::SharedWindowProc(w.hwnd, 0x200, 1, 2));
    }
    state.counters["handlers"] = double(state.range(0));
}

void BM_SharedWindowProcReread(benchmark::State& state) {
    WindowSystemScope scope;
    HookedWindow w(state.range(0));
    HWND other = CreateWindow(WindowDesc{});
    HANDLE v = 0;
    for (auto _ : state) {
        SetProp(other, u"x", ++v);
        benchmark::DoNotOptimize(MSubclass::SharedWindowProc(w.hwnd, 0x200, 1, 2));
    }
    state.counters["handlers"] = double(state.range(0));
}

// One store of an existing property: what the Reread rows add per message.
void BM_SetProp(benchmark::State& state) {
    WindowSystemScope scope;
    HWND other = CreateWindow(WindowDesc{});
    HANDLE v = 0;
    for (auto _ : state) {
        SetProp(other, u"x", ++v);
    }
}

// One read by a composed name such as a dispatch makes.
void BM_GetProp(benchmark::State& state) {
    WindowSystemScope scope;
    HookedWindow w(1);
    std::string text = std::to_string(int32_t(w.hwnd)) + "#512#1";
    std::u16string name(text.begin(), text.end());
    if (GetProp(w.hwnd, name) == 0) {
        state.SkipWithError("the handler entry is not where the name says");
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(GetProp(w.hwnd, name));
    }
}

} // namespace

BENCHMARK(BM_DirectCall);
BENCHMARK(BM_SharedWindowProc)->Arg(1)->Arg(2)->Arg(4);
BENCHMARK(BM_SharedWindowProcReread)->Arg(1)->Arg(4);
BENCHMARK(BM_SetProp);
BENCHMARK(BM_GetProp);

BENCHMARK_MAIN();
