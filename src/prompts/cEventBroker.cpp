#include "prompts/cEventBroker.h"

#include "library/classes.h"

#include "automation/variant.h"

namespace paginor {

cEventBroker::cEventBroker() : Automation(library::class_entry(library::ClassId::cEventBroker)) {}

cEventBroker::~cEventBroker() = default;

HRESULT cEventBroker::RaiseTheEvent(BSTR sControlName, BSTR sEventName, BSTR sData) {
    return guarded([&] {
        automation::Bstr values[3] = {automation::Bstr(automation::bstr_view(sControlName)),
                                      automation::Bstr(automation::bstr_view(sEventName)),
                                      automation::Bstr(automation::bstr_view(sData))};
        VARIANT args[3] = {};
        for (int i = 0; i < 3; ++i) {
            args[i].vt = VT_BYREF | VT_BSTR;
            args[i].pbstrVal = values[i].out_keep();
        }
        fire(DISPID_cEventBroker_EventRaised, args);
    });
}

IDispatch* library::make_cEventBroker() {
    return new cEventBroker();
}

} // namespace paginor
