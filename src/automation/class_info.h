// Type information made from the table, as a host reads it to bind by name: an
// interface's (members, their identifiers, parameters and names) and a class's (a coclass
// whose implemented types are the default dual interface and the event interface, the
// second flagged as the default source). Each object starts with one reference, which the
// caller owns, and counts among the module's live objects until released.
//
//   ITypeInfo* coclass = nullptr;
//   get_class_info(cls, &coclass);
#pragma once

#include <paginor/automation.h>

#include "automation/type_library.h"

namespace paginor::automation {

// The class's type information. E_POINTER for a null out pointer.
HRESULT get_class_info(const Class& cls, ITypeInfo** out);

// The type information of one interface of the table (dual or events).
ITypeInfo* new_interface_info(const Interface& itf);

// The HREFTYPE under which the class's type information leads to its default interface
// (slot 0) or its event interface (slot 1); distinct for every class and slot.
HREFTYPE implemented_ref(const Class& cls, int slot);

} // namespace paginor::automation
