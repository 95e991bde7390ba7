// Making a class of the library the way any host makes one: through its class factory.
#pragma once

#include "automation/ref.h"
#include "library/classes.h"

#include <string_view>

namespace paginor::library {

// A new instance made the way any host makes one: DllGetClassObject, then the factory's
// CreateInstance for IDispatch. Throws RuntimeError 429 ("Can't create object: <ProgID>",
// with source as its source) when either step fails.
Ref<IDispatch> create_through_factory(const automation::Class& c, std::u16string_view source);

} // namespace paginor::library
