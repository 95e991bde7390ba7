#include "frame/property_notify.h"

#include "frame/foreign.h"

#include <algorithm>

const IID IID_IPropertyNotifySink = {
    0x9BFBBC02, 0xEFF1, 0x101A, {0x84, 0xED, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};

namespace paginor::frame {

namespace {

// Sinks are the host's objects, possibly written in C.
PAGINOR_FOREIGN_CALLS HRESULT query_sink(IUnknown* object, void** out) {
    return object->QueryInterface(IID_IPropertyNotifySink, out);
}
PAGINOR_FOREIGN_CALLS void add_ref(IPropertyNotifySink* sink) {
    sink->AddRef();
}
PAGINOR_FOREIGN_CALLS void release(IPropertyNotifySink* sink) {
    sink->Release();
}
PAGINOR_FOREIGN_CALLS void on_changed(IPropertyNotifySink* sink, DISPID member) {
    sink->OnChanged(member);
}

} // namespace

PropertyNotifyPoint::~PropertyNotifyPoint() {
    const std::vector<Sink> sinks = std::move(m_sinks);
    m_sinks.clear();
    for (const Sink& s : sinks)
        release(s.sink);
}

bool PropertyNotifyPoint::advised(DWORD cookie) const {
    return std::any_of(m_sinks.begin(), m_sinks.end(),
                       [&](const Sink& s) { return s.cookie == cookie; });
}

void PropertyNotifyPoint::changed(DISPID member) {
    const std::vector<Sink> round = m_sinks;
    for (const Sink& s : round) {
        if (!advised(s.cookie))
            continue;
        add_ref(s.sink);
        on_changed(s.sink, member);
        release(s.sink);
    }
}

HRESULT PropertyNotifyPoint::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IConnectionPoint)
        return E_NOINTERFACE;
    *ppv = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

HRESULT PropertyNotifyPoint::GetConnectionInterface(IID* pIID) {
    if (!pIID)
        return E_POINTER;
    *pIID = IID_IPropertyNotifySink;
    return S_OK;
}

HRESULT PropertyNotifyPoint::GetConnectionPointContainer(IConnectionPointContainer** ppCPC) {
    if (!ppCPC)
        return E_POINTER;
    m_owner.AddRef();
    *ppCPC = &m_owner;
    return S_OK;
}

HRESULT PropertyNotifyPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) {
    if (!pdwCookie)
        return E_POINTER;
    *pdwCookie = 0;
    if (!pUnkSink)
        return E_POINTER;
    void* sink = nullptr;
    if (FAILED(query_sink(pUnkSink, &sink)) || !sink)
        return CONNECT_E_CANNOTCONNECT;
    try {
        m_sinks.push_back({m_next_cookie, static_cast<IPropertyNotifySink*>(sink)});
    } catch (...) {
        release(static_cast<IPropertyNotifySink*>(sink));
        return E_OUTOFMEMORY;
    }
    *pdwCookie = m_next_cookie++;
    return S_OK;
}

HRESULT PropertyNotifyPoint::Unadvise(DWORD dwCookie) {
    const auto it = std::find_if(m_sinks.begin(), m_sinks.end(),
                                 [&](const Sink& s) { return s.cookie == dwCookie; });
    if (it == m_sinks.end())
        return CONNECT_E_NOCONNECTION;
    IPropertyNotifySink* sink = it->sink;
    m_sinks.erase(it);
    release(sink);
    return S_OK;
}

HRESULT PropertyNotifyPoint::EnumConnections(void** ppEnum) {
    if (ppEnum)
        *ppEnum = nullptr;
    return E_NOTIMPL;
}

} // namespace paginor::frame
