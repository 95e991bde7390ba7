// The standard outgoing property-notification connection point of an object: a host
// advises its IPropertyNotifySink and hears OnChanged(member DISPID) after every change
// of a property, synchronously, in advise order. Unlike the event connection point
// (connection_point.h) the sink is a plain vtable, not an IDispatch.
#pragma once

#include "automation/sink_point.h"

namespace paginor::automation {

class PropertyNotifyPoint final : public SinkPoint {
  public:
    // Lives inside its container and shares its reference count.
    explicit PropertyNotifyPoint(IConnectionPointContainer& owner) : SinkPoint(owner) {}

    // OnChanged(member) on every sink advised when the round starts (a round of
    // SinkPoint). What the sinks answer is ignored.
    void changed(DISPID member);

    HRESULT GetConnectionInterface(IID* pIID) override;
    // E_POINTER for null arguments (*pdwCookie 0); CONNECT_E_CANNOTCONNECT when the sink
    // does not answer IPropertyNotifySink.
    HRESULT Advise(IUnknown* pUnkSink, DWORD* pdwCookie) override;
};

} // namespace paginor::automation
