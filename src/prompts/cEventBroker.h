// cEventBroker: the event broker. A multi-value prompt calls RaiseTheEvent with its
// name, an event name and data; the broker raises EventRaised with the same three values
// to every sink, synchronously. The event's arguments are by reference as the event
// interface declares them, but the call's are by value, so a sink's changes stay with
// the sink.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "automation/object.h"

namespace paginor {

class cEventBroker final : public automation::Automation<_cEventBroker> {
  public:
    cEventBroker();

    // _cEventBroker
    // Null strings are empty strings; never fails for want of sinks.
    HRESULT RaiseTheEvent(BSTR sControlName, BSTR sEventName, BSTR sData) override;

  private:
    ~cEventBroker() override;
};

} // namespace paginor
