// The one outgoing connection point of an object: sinks advise on the class's event
// interface (or one of its earlier identifiers) and every raised event is an Invoke on
// each sink's IDispatch, synchronously, in advise order.
#pragma once

#include <paginor/automation.h>

#include "automation/sink_point.h"
#include "automation/type_library.h"

#include <span>

namespace paginor::automation {

class ConnectionPoint final : public SinkPoint {
  public:
    // Lives inside its container and shares its reference count.
    ConnectionPoint(IConnectionPointContainer& owner, const Interface& events)
        : SinkPoint(owner), m_events(events) {}

    const Interface& events() const { return m_events; }

    // Invokes the event on every sink advised when it starts (a round of SinkPoint). args
    // are in declaration order; sinks' failures are ignored, as a host's handler errors
    // are.
    void fire(DISPID dispid, std::span<VARIANT> args);

    HRESULT GetConnectionInterface(IID* pIID) override;
    // E_POINTER for null arguments; CONNECT_E_CANNOTCONNECT when the sink answers
    // neither the event interface (or an earlier identifier of it) nor IDispatch.
    HRESULT Advise(IUnknown* pUnkSink, DWORD* pdwCookie) override;

  private:
    const Interface& m_events;
};

} // namespace paginor::automation
