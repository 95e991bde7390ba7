// This library's nine classes: their order in the type library, the table that describes
// them, and how each is made. The classes, their identifiers and their members are the
// rows of the member list (<paginor/PaginorV2CTL_members.h>); everything here is read from
// it. The makers are defined beside their classes, each in its own layer, so that the table
// names every class while no layer includes one above it.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "automation/type_library.h"

#include <cstdint>

namespace paginor::library {

// Every class of the library, in the type library's order.
enum class ClassId : uint8_t {
#define PAGINOR_CLASS_ID(name, kind, clsid, iid, diid) name,
    PAGINOR_V2CTL_CLASSES(PAGINOR_CLASS_ID, PAGINOR_SKIP_ALIAS)
#undef PAGINOR_CLASS_ID
};
#define PAGINOR_CLASS_ONE(name, kind, clsid, iid, diid) +1
constexpr int class_count = 0 PAGINOR_V2CTL_CLASSES(PAGINOR_CLASS_ONE, PAGINOR_SKIP_ALIAS);
#undef PAGINOR_CLASS_ONE

// The library's type library, and one class of it.
const automation::TypeLibrary& type_library();
const automation::Class& class_entry(ClassId id);

// The table itself, for the rows that point back at it.
extern const automation::TypeLibrary library_table;

// The interfaces of each class (type_library_rows.cpp), and each class's maker: a new
// instance holding one reference, as its default interface (std::bad_alloc when it cannot
// be made).
#define PAGINOR_CLASS_PARTS(name, kind, clsid, iid, diid)                                          \
    extern const automation::Interface name##_interface, name##_events;                            \
    IDispatch* make_##name();
PAGINOR_V2CTL_CLASSES(PAGINOR_CLASS_PARTS, PAGINOR_SKIP_ALIAS)
#undef PAGINOR_CLASS_PARTS

} // namespace paginor::library
