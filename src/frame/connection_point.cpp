#include "frame/connection_point.h"

#include "frame/foreign.h"

#include <algorithm>

namespace paginor::frame {
namespace {

#define FOREIGN_CALL PAGINOR_FOREIGN_CALLS

FOREIGN_CALL HRESULT query(IUnknown* object, REFIID riid, void** out) {
    return object->QueryInterface(riid, out);
}
FOREIGN_CALL void add_ref(IDispatch* sink) {
    sink->AddRef();
}
FOREIGN_CALL void release(IDispatch* sink) {
    sink->Release();
}
FOREIGN_CALL void invoke(IDispatch* sink, DISPID dispid, DISPPARAMS* params) {
    sink->Invoke(dispid, IID_NULL, 0x409, DISPATCH_METHOD, params, nullptr, nullptr, nullptr);
}

} // namespace

ConnectionPoint::ConnectionPoint(IConnectionPointContainer& owner, const Interface& events)
    : m_owner(owner), m_events(events) {}

ConnectionPoint::~ConnectionPoint() {
    disconnect_all();
}

void ConnectionPoint::disconnect_all() {
    auto sinks = std::move(m_sinks);
    m_sinks.clear();
    for (auto& s : sinks)
        release(s.sink);
}

bool ConnectionPoint::advised(DWORD cookie) const {
    return std::any_of(m_sinks.begin(), m_sinks.end(),
                       [&](const Sink& s) { return s.cookie == cookie; });
}

void ConnectionPoint::fire(DISPID dispid, std::span<VARIANT> args) {
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    std::vector<Sink> round = m_sinks;
    for (auto& s : round)
        add_ref(s.sink);
    for (auto& s : round) {
        if (advised(s.cookie))
            invoke(s.sink, dispid, &params);
    }
    for (auto& s : round)
        release(s.sink);
}

HRESULT ConnectionPoint::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IConnectionPoint)
        return E_NOINTERFACE;
    *ppv = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* pIID) {
    if (!pIID)
        return E_POINTER;
    *pIID = *m_events.iid;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** ppCPC) {
    if (!ppCPC)
        return E_POINTER;
    m_owner.AddRef();
    *ppCPC = &m_owner;
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) {
    if (!pdwCookie)
        return E_POINTER;
    *pdwCookie = 0;
    if (!pUnkSink)
        return E_POINTER;
    void* sink = nullptr;
    if (FAILED(query(pUnkSink, *m_events.iid, &sink)))
        for (const auto& alias : m_events.aliases)
            if (SUCCEEDED(query(pUnkSink, *alias.iid, &sink)))
                break;
    if (!sink && FAILED(query(pUnkSink, IID_IDispatch, &sink)))
        return CONNECT_E_CANNOTCONNECT;
    try {
        m_sinks.push_back({m_next_cookie, static_cast<IDispatch*>(sink)});
    } catch (...) {
        release(static_cast<IDispatch*>(sink));
        return E_OUTOFMEMORY;
    }
    *pdwCookie = m_next_cookie++;
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD dwCookie) {
    auto it = std::find_if(m_sinks.begin(), m_sinks.end(),
                           [&](const Sink& s) { return s.cookie == dwCookie; });
    if (it == m_sinks.end())
        return CONNECT_E_NOCONNECTION;
    IDispatch* sink = it->sink;
    m_sinks.erase(it);
    release(sink);
    return S_OK;
}

HRESULT ConnectionPoint::EnumConnections(void** ppEnum) {
    if (ppEnum)
        *ppEnum = nullptr;
    return E_NOTIMPL;
}

} // namespace paginor::frame
