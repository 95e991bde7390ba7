#include "prompts/clsPromptEvents.h"

#include "library/classes.h"

#include "automation/variant.h"

namespace paginor {

clsPromptEvents::clsPromptEvents()
    : Automation(library::class_entry(library::ClassId::clsPromptEvents)) {}

clsPromptEvents::~clsPromptEvents() = default;

HRESULT clsPromptEvents::RaiseAnEvent(BSTR strObject, BSTR strEventName, BSTR* strEventData) {
    if (!strEventData)
        return E_POINTER;
    return guarded([&] {
        // Every event argument travels by reference; the sender's own strings are copies
        // a sink may replace, the data is the caller's so the answer reaches it.
        automation::Bstr object(automation::bstr_view(strObject));
        automation::Bstr name(automation::bstr_view(strEventName));
        VARIANT args[3] = {};
        args[0].vt = VT_BYREF | VT_BSTR;
        args[0].pbstrVal = object.out_keep();
        args[1].vt = VT_BYREF | VT_BSTR;
        args[1].pbstrVal = name.out_keep();
        args[2].vt = VT_BYREF | VT_BSTR;
        args[2].pbstrVal = strEventData;
        fire(DISPID_clsPromptEvents_EventRaised, args);
    });
}

IDispatch* library::make_clsPromptEvents() {
    return new clsPromptEvents();
}

} // namespace paginor
