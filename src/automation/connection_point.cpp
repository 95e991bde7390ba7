#include "automation/connection_point.h"

#include "automation/foreign.h"
#include "automation/ref.h"

#include <vector>

namespace paginor::automation {
namespace {

// Sinks are the host's objects, possibly written in C.
PAGINOR_FOREIGN_CALLS bool query(IUnknown* object, REFIID riid, IUnknown** out) {
    return SUCCEEDED(object->QueryInterface(riid, reinterpret_cast<void**>(out)));
}
PAGINOR_FOREIGN_CALLS void invoke(IUnknown* sink, DISPID dispid, DISPPARAMS* params) {
    static_cast<IDispatch*>(sink)->Invoke(dispid, IID_NULL, 0x409, DISPATCH_METHOD, params, nullptr,
                                          nullptr, nullptr);
}

} // namespace

void ConnectionPoint::fire(DISPID dispid, std::span<VARIANT> args) {
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    round([&](IUnknown* sink) { invoke(sink, dispid, &params); });
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* pIID) {
    return write_out(pIID, [&] { return *m_events.iid; });
}

// The event interface answers as a dispatch interface; a sink that only answers
// IDispatch is called the same way.
HRESULT ConnectionPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) {
    return advise(pUnkSink, pdwCookie, [&](IUnknown* sink, IUnknown** out) {
        if (query(sink, *m_events.iid, out))
            return true;
        for (const auto& alias : m_events.aliases)
            if (query(sink, *alias.iid, out))
                return true;
        return query(sink, IID_IDispatch, out);
    });
}

} // namespace paginor::automation
