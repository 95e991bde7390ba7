// clsPromptEvents: the prompt relay. A prompt control calls RaiseAnEvent with its name,
// an event name and the event's data; the relay raises EventRaised with the same three
// values to every sink, synchronously, the data by reference, so a host's answer (for
// example a chosen code after "PromptClicked") comes back through strEventData.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "automation/object.h"

namespace paginor {

class clsPromptEvents final : public automation::Automation<_clsPromptEvents> {
  public:
    clsPromptEvents();

    // _clsPromptEvents
    // E_POINTER when strEventData is null; *strEventData holds the last sink's answer
    // (unchanged when no sink answers). Null strings are empty strings.
    HRESULT RaiseAnEvent(BSTR strObject, BSTR strEventName, BSTR* strEventData) override;

  private:
    ~clsPromptEvents() override;
};

} // namespace paginor
