// A HoverButton's hover and leave cycle (the pointer onto it: tracking starts, the frame
// lines show, the surface repaints; the pointer off it: the leave report, the lines go,
// the surface repaints) against the same cycle of an O2007Hover of the same size (its
// picture swapped for the hover picture and back), the baseline, measured in the same run.
// The ratio printed at the end is the HoverButton's time per cycle over the baseline's.
// Times are the thread's CPU time per cycle, the best of several repetitions.
#include "frame/std_picture.h"
#include "host/form.h"
#include "platform/core/unicode.h"
#include "platform/window/input.h"
#include "platform/window/message.h"
#include "platform/window/window_system.h"

#include "best_time.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>

using namespace paginor;

namespace {

automation::Ref<IDispatch> picture(const char* name) {
    return automation::Ref<IDispatch>::adopt(
        frame::LoadPicture(from_utf8(std::string(PAGINOR_BENCH_DATA_DIR "/") + name)));
}

// One button of 100 x 24 pixels at (8, 8) on a form; the cycle moves the pointer onto it
// and off it, each time pumping until the repaint is done.
void cycle(benchmark::State& state, const char16_t* progid, const char* name) {
    platform::WindowSystemScope scope;
    host::Form form(u"Form1", 2400, 900);
    IDispatch* button = form.add(progid, u"b", 120, 120, 1500, 360);
    const automation::Ref<IDispatch> normal = picture("o2007hover_pic_normal.png");
    const automation::Ref<IDispatch> hover = picture("o2007hover_pic_hover.png");
    if (std::u16string_view(progid).ends_with(u"O2007Hover")) {
        static_cast<_O2007Hover*>(button)->putref_NormalImage(normal.get());
        static_cast<_O2007Hover*>(button)->putref_HoverImage(hover.get());
    } else {
        static_cast<_HoverButton*>(button)->putref_PromptPicture(normal.get());
    }
    platform::DoEvents();
    bench::timed(state, name, [] {
        platform::Input::moveTo(20, 16);
        platform::DoEvents();
        platform::Input::moveTo(150, 50);
        platform::DoEvents();
    });
}

void BM_O2007HoverCycle(benchmark::State& state) {
    cycle(state, u"PaginorV2CTL.O2007Hover", "O2007Hover");
}

void BM_HoverButtonCycle(benchmark::State& state) {
    cycle(state, u"PaginorV2CTL.HoverButton", "HoverButton");
}

} // namespace

constexpr int kRepetitions = 5;
BENCHMARK(BM_O2007HoverCycle)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
BENCHMARK(BM_HoverButtonCycle)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    auto& s = bench::best_seconds();
    if (s.count("O2007Hover") && s.count("HoverButton") && s["O2007Hover"] > 0)
        std::printf("\nHover and leave cycle, HoverButton / O2007Hover (best CPU time per "
                    "cycle): %.2fx\n",
                    s["HoverButton"] / s["O2007Hover"]);
    return 0;
}
