// The one outgoing connection point of an object: sinks advise on the class's event
// interface (or one of its earlier identifiers) and every raised event is an Invoke on
// each sink's IDispatch, synchronously, in advise order.
#pragma once

#include <paginor/automation.h>

#include "frame/type_library.h"

#include <span>
#include <vector>

namespace paginor::frame {

class ConnectionPoint final : public IConnectionPoint {
  public:
    // Lives inside its container and shares its reference count.
    ConnectionPoint(IConnectionPointContainer& owner, const Interface& events);
    ~ConnectionPoint();
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    const Interface& events() const { return m_events; }

    // Invokes the event on every sink advised when it starts, holding a reference to
    // each for its call; a sink unadvised by an earlier one in the same round is skipped.
    // args are in declaration order; sinks' failures are ignored, as a host's handler
    // errors are.
    void fire(DISPID dispid, std::span<VARIANT> args);
    size_t sink_count() const { return m_sinks.size(); }
    // Releases every sink (the container is going away).
    void disconnect_all();

    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    ULONG AddRef() override { return m_owner.AddRef(); }
    ULONG Release() override { return m_owner.Release(); }
    HRESULT GetConnectionInterface(IID* pIID) override;
    HRESULT GetConnectionPointContainer(IConnectionPointContainer** ppCPC) override;
    // E_POINTER for null arguments; CONNECT_E_CANNOTCONNECT when the sink answers
    // neither the event interface nor IDispatch.
    HRESULT Advise(IUnknown* pUnkSink, DWORD* pdwCookie) override;
    // CONNECT_E_NOCONNECTION for a cookie that is not advised.
    HRESULT Unadvise(DWORD dwCookie) override;
    // Not provided: E_NOTIMPL.
    HRESULT EnumConnections(void** ppEnum) override;

  private:
    struct Sink {
        DWORD cookie;
        IDispatch* sink;
    };
    bool advised(DWORD cookie) const;

    IConnectionPointContainer& m_owner;
    const Interface& m_events;
    std::vector<Sink> m_sinks;
    DWORD m_next_cookie = 1;
};

} // namespace paginor::frame
