// Late-bound Invoke by DISPID against a direct vtable call of the same member
// (clsPromptEvents.RaiseAnEvent with no sinks). The figure that matters is the ratio,
// printed as the counter "x_direct" on the Invoke run.
#include <paginor/PaginorV2CTL.h>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

_clsPromptEvents* make_relay() {
    IClassFactory* factory = nullptr;
    DllGetClassObject(CLSID_clsPromptEvents, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    void* relay = nullptr;
    factory->CreateInstance(nullptr, IID__clsPromptEvents, &relay);
    factory->Release();
    return static_cast<_clsPromptEvents*>(relay);
}

void Direct(benchmark::State& state) {
    _clsPromptEvents* relay = make_relay();
    BSTR who = SysAllocString(u"pfClient"), what = SysAllocString(u"Changed");
    BSTR data = SysAllocString(u"data");
    for (auto _ : state)
        benchmark::DoNotOptimize(relay->RaiseAnEvent(who, what, &data));
    SysFreeString(who), SysFreeString(what), SysFreeString(data);
    relay->Release();
}

void Invoke(benchmark::State& state) {
    _clsPromptEvents* relay = make_relay();
    BSTR who = SysAllocString(u"pfClient"), what = SysAllocString(u"Changed");
    BSTR data = SysAllocString(u"data");
    VARIANT args[3] = {};
    args[0].vt = VT_BYREF | VT_BSTR; // rgvarg is in reverse order: the data comes first
    args[0].pbstrVal = &data;
    args[1].vt = VT_BSTR;
    args[1].bstrVal = what;
    args[2].vt = VT_BSTR;
    args[2].bstrVal = who;
    DISPPARAMS params{args, nullptr, 3, 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(relay->Invoke(0x60030000, IID_NULL, 0x409, DISPATCH_METHOD,
                                               &params, nullptr, nullptr, nullptr));
    SysFreeString(who), SysFreeString(what), SysFreeString(data);
    relay->Release();
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    struct Reporter : benchmark::ConsoleReporter {
        double direct = 0, late = 0;
        void ReportRuns(const std::vector<Run>& runs) override {
            for (const auto& r : runs) {
                if (r.run_name.function_name == "Direct")
                    direct = r.GetAdjustedRealTime();
                else if (r.run_name.function_name == "Invoke")
                    late = r.GetAdjustedRealTime();
            }
            ConsoleReporter::ReportRuns(runs);
        }
    } reporter;
    benchmark::RegisterBenchmark("Direct", Direct);
    benchmark::RegisterBenchmark("Invoke", Invoke);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (reporter.direct > 0)
        std::printf("Invoke / direct vtable call: %.2fx (target <= 20x)\n",
                    reporter.late / reporter.direct);
    benchmark::Shutdown();
    return 0;
}
