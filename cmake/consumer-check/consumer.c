/* A C host: creates a control by ProgID through the registry and lets it go. */
#include <paginor/host.h>

#include <stdio.h>

int main(void) {
    static const OLECHAR progid[] = u"PaginorV2CTL.O2007Hover";
    IDispatch* control = NULL;
    HRESULT hr = PaginorCreateObject(progid, &IID_IDispatch, (void**)&control);
    if (FAILED(hr) || !control) {
        fprintf(stderr, "consumer_c: PaginorCreateObject failed: 0x%08X\n", (unsigned)hr);
        return 1;
    }
    control->lpVtbl->Release(control);
    return DllCanUnloadNow() == S_OK ? 0 : 1;
}
