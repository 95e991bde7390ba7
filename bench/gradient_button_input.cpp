// The gradient button's input paths against baselines measured in the same run:
//   click: an injected left click (press, release, pumped) whose MouseDown, Click and
//          MouseUp reach a handler bound through the host API, against the control
//          raising the same three events with the same arguments to every advised sink
//          (and, to show where the time goes, against calling the bound sink alone and
//          against one full repaint of the button);
//   hover: 1,000 ticks of the button's 20 ms hover poll (each pumps, reads the pointer and
//          raises MouseOnTimer to the bound handler), against 1,000 ticks of a bare timer
//          on the same form.
// Times are the thread's CPU time per unit, the best of several repetitions.
#include <paginor/PaginorV2CTL.h>
#include <paginor/form.h>

#include "automation/ref.h"
#include "controls/Timer.h"
#include "drawing/GradientButton.h"
#include "host/form.h"
#include "platform/window/input.h"
#include "platform/window/message.h"
#include "platform/window/window_system.h"

#include "best_time.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>

using namespace paginor;

namespace {

int64_t g_heard = 0;
void heard(void*, DISPID, const OLECHAR*, DISPPARAMS*) {
    ++g_heard;
}

// A 100 x 30 pixel button at (8, 8) of a form, its events bound to heard().
struct ButtonOnForm {
    explicit ButtonOnForm(bool pointer_over = false) : pointer_over(pointer_over) {
        PaginorAdvise(button, &heard, nullptr, &cookie);
        platform::SetDoubleClickTime(1); // each click stands alone with 2 ms between
        platform::DoEvents();
    }
    ~ButtonOnForm() { PaginorUnadvise(button, cookie); }

    platform::WindowSystemScope scope;
    // Over the button before it exists: no move reaches it, so no hover poll runs.
    bool pointer_over;
    int placed = (platform::Input::moveTo(pointer_over ? 50 : 300, 20), platform::DoEvents(), 0);
    host::Form form{u"Form1", 2400, 900};
    IDispatch* button = form.add(u"PaginorV2CTL.GradientButton", u"gb", 120, 120, 1500, 450);
    DWORD cookie = 0;
};

void BM_InjectedClick(benchmark::State& state) {
    ButtonOnForm f(true);
    const int64_t before = g_heard, runs = state.max_iterations;
    bench::timed(state, "click", [&] {
        f.scope.clock().advance(std::chrono::milliseconds(2));
        platform::Input::press();
        platform::Input::release();
        platform::DoEvents();
    });
    state.counters["events_per_click"] = double(g_heard - before) / double(runs);
}

// The bound sink alone, called with the same arguments: the floor under any event path.
void BM_SinkCalledDirectly(benchmark::State& state) {
    ButtonOnForm f;
    Ref<IConnectionPointContainer> container;
    f.button->QueryInterface(IID_IConnectionPointContainer, container.put_void());
    Ref<IConnectionPoint> point;
    container->FindConnectionPoint(DIID___GradientButton, point.put());
    Ref<IEnumConnections> connections;
    point->EnumConnections(connections.put());
    CONNECTDATA data{};
    connections->Next(1, &data, nullptr);
    const Ref<IUnknown> sink = Ref<IUnknown>::adopt(data.pUnk);
    Ref<IDispatch> handler;
    sink->QueryInterface(IID_IDispatch, handler.put_void());
    SHORT button = 1, shift = 0;
    float x = 630, y = 180;
    std::array<VARIANT, 4> args{};
    args[0].vt = VT_BYREF | VT_R4, args[0].pfltVal = &y;
    args[1].vt = VT_BYREF | VT_R4, args[1].pfltVal = &x;
    args[2].vt = VT_BYREF | VT_I2, args[2].piVal = &shift;
    args[3].vt = VT_BYREF | VT_I2, args[3].piVal = &button;
    DISPPARAMS mouse{args.data(), nullptr, 4, 0}, none{nullptr, nullptr, 0, 0};
    bench::timed(state, "direct", [&] {
        handler->Invoke(DISPID_GradientButton_MouseDown, IID_NULL, 0, DISPATCH_METHOD, &mouse,
                        nullptr, nullptr, nullptr);
        handler->Invoke(DISPID_GradientButton_Click, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr,
                        nullptr, nullptr);
        handler->Invoke(DISPID_GradientButton_MouseUp, IID_NULL, 0, DISPATCH_METHOD, &mouse,
                        nullptr, nullptr, nullptr);
    });
}

// The same three events raised by the control itself to every advised sink: the event
// path of a click without the input and the painting.
void BM_EventsRaisedByTheControl(benchmark::State& state) {
    ButtonOnForm f;
    auto* button = dynamic_cast<GradientButton*>(f.button);
    SHORT left = 1, shift = 0;
    float x = 630, y = 180;
    std::array<VARIANT, 4> args{};
    args[0].vt = VT_BYREF | VT_I2, args[0].piVal = &left;
    args[1].vt = VT_BYREF | VT_I2, args[1].piVal = &shift;
    args[2].vt = VT_BYREF | VT_R4, args[2].pfltVal = &x;
    args[3].vt = VT_BYREF | VT_R4, args[3].pfltVal = &y;
    bench::timed(state, "raised", [&] {
        button->fire(DISPID_GradientButton_MouseDown, args);
        button->fire(DISPID_GradientButton_Click);
        button->fire(DISPID_GradientButton_MouseUp, args);
    });
}

// A second yardstick for the click: one repaint of the same button (Refresh, pumped); a
// click repaints it three times (press, release, after MouseUp).
void BM_OneRepaint(benchmark::State& state) {
    ButtonOnForm f(true);
    bench::timed(state, "repaint", [&] {
        static_cast<_GradientButton*>(f.button)->Refresh();
        platform::DoEvents();
    });
}

constexpr int kTicks = 1000;

void BM_HoverTicks(benchmark::State& state) {
    ButtonOnForm f;
    platform::Input::moveTo(60, 20); // starts the poll
    platform::DoEvents();
    bench::timed(state, "hover", [&] {
        for (int i = 0; i < kTicks; ++i)
            platform::RunFor(20);
    });
}

// The same form on screen, the pointer away from the button: each pump looks at the same
// windows.
void BM_BareTimerTicks(benchmark::State& state) {
    ButtonOnForm f;
    controls::Timer timer;
    int64_t ticks = 0;
    timer.on_timer = [&] { ++ticks; };
    timer.SetInterval(20);
    bench::timed(state, "timer", [&] {
        for (int i = 0; i < kTicks; ++i)
            platform::RunFor(20);
    });
    benchmark::DoNotOptimize(ticks);
}

} // namespace

constexpr int kRepetitions = 5;
BENCHMARK(BM_SinkCalledDirectly)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
BENCHMARK(BM_EventsRaisedByTheControl)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
BENCHMARK(BM_InjectedClick)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
BENCHMARK(BM_OneRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
BENCHMARK(BM_BareTimerTicks)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
BENCHMARK(BM_HoverTicks)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    auto& s = bench::best_seconds();
    if (s["direct"] > 0)
        std::printf("\nInjected click round trip / the bound sink called three times: %.2fx\n",
                    s["click"] / s["direct"]);
    if (s["raised"] > 0)
        std::printf("Injected click round trip / the three events raised by the control: %.2fx "
                    "(goal 10x)\n",
                    s["click"] / s["raised"]);
    if (s["repaint"] > 0)
        std::printf("Injected click round trip / one repaint of the button: %.2fx\n",
                    s["click"] / s["repaint"]);
    if (s["timer"] > 0)
        std::printf("1,000 hover ticks / 1,000 bare timer ticks: %.2fx (goal 3x)\n",
                    s["hover"] / s["timer"]);
    return 0;
}
