// The explicit list of the library's classes and how to make each. Frame declares it and
// the top layer defines it (src/host/class_catalog.cpp), so frame depends on no control
// and no static initialiser has to survive the archive.
#pragma once

#include "frame/type_library.h"

namespace paginor::frame {

// A new instance of the class holding one reference, as its default interface.
// Throws std::bad_alloc when it cannot be made.
IDispatch* create_instance(ClassId id);

} // namespace paginor::frame
