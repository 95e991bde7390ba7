// The explicit list of the library's classes and how to make each. Frame declares it and
// the top layer defines it (src/host/class_catalog.cpp), so frame depends on no control
// and no static initialiser has to survive the archive.
#pragma once

#include "frame/type_library.h"

namespace paginor::frame {

// A new instance of the class holding one reference, as its default interface.
// Throws std::bad_alloc when it cannot be made.
IDispatch* create_instance(ClassId id);

// A new instance made the way any host makes one: DllGetClassObject, then the factory's
// CreateInstance for IDispatch. Throws RuntimeError 429 ("Can't create object: <ProgID>",
// with source as its source) when either step fails.
IDispatch* create_through_factory(const Class& c, std::u16string_view source);

} // namespace paginor::frame
