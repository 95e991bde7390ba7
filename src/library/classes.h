// This library's nine classes: their order in the type library, the table that describes
// them, and how each is made. The makers are defined beside their classes, each in its own
// layer, so that the table names every class while no layer includes one above it.
#pragma once

#include <paginor/PaginorV2CTL.h>

#include "automation/type_library.h"

#include <cstdint>

// Every class of the library, in the type library's order.
#define PAGINOR_CLASSES(X)                                                                         \
    X(DDOC)                                                                                        \
    X(HoverButton)                                                                                 \
    X(PromptField)                                                                                 \
    X(clsPromptEvents)                                                                             \
    X(MultiPrompt)                                                                                 \
    X(cEventBroker)                                                                                \
    X(GradientButton)                                                                              \
    X(O2007Hover)                                                                                  \
    X(O2007Check)

namespace paginor::frame {

enum class ClassId : uint8_t {
#define PAGINOR_CLASS_ID(name) name,
    PAGINOR_CLASSES(PAGINOR_CLASS_ID)
#undef PAGINOR_CLASS_ID
};
#define PAGINOR_CLASS_ONE(name) +1
constexpr int class_count = 0 PAGINOR_CLASSES(PAGINOR_CLASS_ONE);
#undef PAGINOR_CLASS_ONE

// The library's type library, and one class of it.
const TypeLibrary& type_library();
const Class& class_entry(ClassId id);

// The table itself, for the rows that point back at it.
extern const TypeLibrary library_table;

// The interfaces of each class, one file per group of classes, and each class's maker: a
// new instance holding one reference, as its default interface (std::bad_alloc when it
// cannot be made).
#define PAGINOR_CLASS_PARTS(name)                                                                  \
    extern const Interface name##_interface, name##_events;                                        \
    IDispatch* make_##name();
PAGINOR_CLASSES(PAGINOR_CLASS_PARTS)
#undef PAGINOR_CLASS_PARTS

} // namespace paginor::frame
