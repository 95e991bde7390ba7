#include "automation/sink_point.h"

#include "automation/enumerator.h"
#include "automation/foreign.h"
#include "automation/ref.h"

#include <algorithm>

namespace paginor::automation {

// Sinks are the host's objects, possibly written in C.
PAGINOR_FOREIGN_CALLS void SinkPoint::hold(IUnknown* sink) {
    sink->AddRef();
}

PAGINOR_FOREIGN_CALLS void SinkPoint::let_go(IUnknown* sink) {
    sink->Release();
}

SinkPoint::~SinkPoint() {
    disconnect_all();
}

void SinkPoint::disconnect_all() {
    const std::vector<Sink> sinks = std::move(m_sinks);
    m_sinks.clear();
    for (const Sink& s : sinks)
        let_go(s.sink);
}

bool SinkPoint::advised(DWORD cookie) const {
    return std::any_of(m_sinks.begin(), m_sinks.end(),
                       [&](const Sink& s) { return s.cookie == cookie; });
}

HRESULT SinkPoint::keep(IUnknown* sink, DWORD* cookie) {
    try {
        m_sinks.push_back({m_next_cookie, sink});
    } catch (...) {
        let_go(sink);
        return E_OUTOFMEMORY;
    }
    *cookie = m_next_cookie++;
    return S_OK;
}

HRESULT SinkPoint::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IConnectionPoint)
        return E_NOINTERFACE;
    *ppv = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

HRESULT SinkPoint::GetConnectionPointContainer(IConnectionPointContainer** ppCPC) {
    return write_out(ppCPC, Ref<IConnectionPointContainer>(&m_owner));
}

HRESULT SinkPoint::Unadvise(DWORD dwCookie) {
    const auto it = std::find_if(m_sinks.begin(), m_sinks.end(),
                                 [&](const Sink& s) { return s.cookie == dwCookie; });
    if (it == m_sinks.end())
        return CONNECT_E_NOCONNECTION;
    IUnknown* sink = it->sink;
    m_sinks.erase(it);
    let_go(sink);
    return S_OK;
}

HRESULT SinkPoint::EnumConnections(IEnumConnections** ppEnum) {
    std::vector<CONNECTDATA> connections;
    try {
        connections.reserve(m_sinks.size());
    } catch (const std::bad_alloc&) {
        if (ppEnum)
            *ppEnum = nullptr;
        return E_OUTOFMEMORY;
    }
    for (const Sink& s : m_sinks)
        connections.push_back({s.sink, s.cookie});
    return ConnectionEnumerator::create(connections, ppEnum);
}

} // namespace paginor::automation
