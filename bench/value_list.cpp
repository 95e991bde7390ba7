// A three-column value list filled with n rows (code, identifier, description), opened
// and scrolled to its end with the keyboard, each step pumped until painted, against the
// baseline of pushing the same 3n strings into a vector, measured in the same run, at
// 10,000 and 100,000 rows. Printed at the end: the list over its baseline at 10,000 rows
// (goal at most 20x), and the list at 100,000 rows over the list at 10,000 (goal at most
// 11x: filling is linear and only the rows that show are drawn).
// Times are the thread's CPU time per run, the best of several repetitions.
#include "controls/ComboBox.h"
#include "platform/window/input.h"
#include "platform/window/message.h"
#include "platform/window/window.h"
#include "platform/window/window_system.h"

#include "best_time.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace paginor;
namespace pf = paginor::platform;

namespace {

struct Rows {
    std::vector<std::u16string> codes, ids, descriptions;
    explicit Rows(int n) {
        for (int i = 0; i < n; ++i) {
            const std::string s = std::to_string(i);
            codes.push_back(u"C" + std::u16string(s.begin(), s.end()));
            ids.push_back(u"DD" + std::u16string(s.begin(), s.end()));
            descriptions.push_back(u"Client matter number " + std::u16string(s.begin(), s.end()));
        }
    }
};

void BM_FillOpenScroll(benchmark::State& state) {
    const int n = int(state.range(0));
    const Rows rows(n);
    pf::WindowSystemScope scope;
    pf::WindowDesc form;
    form.rect = {0, 0, 400, 300};
    const pf::HWND parent = pf::CreateWindow(form);
    bench::timed(state, "list" + std::to_string(n), [&] {
        controls::ComboBox list(parent, {8, 8, 248, 30});
        list.SetColumnCount(3);
        list.SetColumnWidths(u".5in; 0in;");
        list.SetTextColumn(3);
        for (int i = 0; i < n; ++i) {
            list.AddItem(rows.codes[size_t(i)]);
            list.SetList(i, 1, rows.ids[size_t(i)]);
            list.SetList(i, 2, rows.descriptions[size_t(i)]);
        }
        list.SetFocus();
        pf::Input::key(pf::VK_F4);
        pf::DoEvents();
        pf::Input::key(pf::VK_END);
        pf::DoEvents();
    });
}

void BM_VectorBaseline(benchmark::State& state) {
    const int n = int(state.range(0));
    const Rows rows(n);
    bench::timed(state, "vector" + std::to_string(n), [&] {
        std::vector<std::u16string> cells;
        for (int i = 0; i < n; ++i) {
            cells.push_back(rows.codes[size_t(i)]);
            cells.push_back(rows.ids[size_t(i)]);
            cells.push_back(rows.descriptions[size_t(i)]);
        }
        benchmark::DoNotOptimize(cells.data());
    });
}

} // namespace

constexpr int kRepetitions = 5;
BENCHMARK(BM_VectorBaseline)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions);
BENCHMARK(BM_FillOpenScroll)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(kRepetitions);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    auto& s = bench::best_seconds();
    if (s["vector10000"] > 0 && s["list10000"] > 0)
        std::printf("\nValue list of 10,000 rows filled, opened and scrolled to the end / the "
                    "same strings pushed into a vector: %.2fx (goal <= 20x)\n"
                    "The same at 100,000 rows / at 10,000 rows: %.2fx (goal <= 11x)\n",
                    s["list10000"] / s["vector10000"], s["list100000"] / s["list10000"]);
    return 0;
}
