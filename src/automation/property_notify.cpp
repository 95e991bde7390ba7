#include "automation/property_notify.h"

#include "automation/foreign.h"
#include "automation/ref.h"

namespace paginor::automation {

namespace {

// Sinks are the host's objects, possibly written in C.
PAGINOR_FOREIGN_CALLS bool query_sink(IUnknown* object, IUnknown** out) {
    return SUCCEEDED(
        object->QueryInterface(IID_IPropertyNotifySink, reinterpret_cast<void**>(out)));
}
PAGINOR_FOREIGN_CALLS void on_changed(IUnknown* sink, DISPID member) {
    static_cast<IPropertyNotifySink*>(sink)->OnChanged(member);
}

} // namespace

void PropertyNotifyPoint::changed(DISPID member) {
    round([&](IUnknown* sink) { on_changed(sink, member); });
}

HRESULT PropertyNotifyPoint::GetConnectionInterface(IID* pIID) {
    return write_out(pIID, [] { return IID_IPropertyNotifySink; });
}

HRESULT PropertyNotifyPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) {
    return advise(pUnkSink, pdwCookie, query_sink);
}

} // namespace paginor::automation
