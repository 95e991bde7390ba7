// A C++17 host: creates an object by ProgID through the registry and lets it go.
#include <paginor/host.h>

#include <cstdio>

int main() {
    IDispatch* relay = nullptr;
    HRESULT hr = paginor::CreateObject(u"PaginorV2CTL.clsPromptEvents", &relay);
    if (FAILED(hr) || !relay) {
        std::fprintf(stderr, "consumer_cpp: CreateObject failed: 0x%08X\n", unsigned(hr));
        return 1;
    }
    relay->Release();
    return DllCanUnloadNow() == S_OK ? 0 : 1;
}
