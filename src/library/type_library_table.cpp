// The library header, the classes and the enumerations, read from the member list.
#include "library/classes.h"

#include "platform/core/unicode.h"

namespace paginor::library {

using automation::Class;
using automation::ClassKind;
using automation::Enumeration;
using automation::EnumValue;
using automation::TypeLibrary;

namespace {

// A value's name in the type library: its own when the list gives one, else its C name.
#define PAGINOR_ENUM_VALUE(name, value, library_name)                                              \
    {sizeof(u"" library_name) > sizeof(u"") ? std::u16string_view(u"" library_name)                \
                                            : std::u16string_view(u"" #name),                      \
     value},
#define PAGINOR_ENUM_VALUES(name)                                                                  \
    const EnumValue name##_values[] = {PAGINOR_ENUM_##name(PAGINOR_ENUM_VALUE)};
#define PAGINOR_ENUM_ROW(name) {u"" #name, name##_values},
PAGINOR_V2CTL_ENUMS(PAGINOR_ENUM_VALUES)
const Enumeration enums[] = {PAGINOR_V2CTL_ENUMS(PAGINOR_ENUM_ROW)};

#define PAGINOR_CLASS_ROW(name, kind, clsid, iid, diid)                                            \
    {u"" #name,      ClassKind::kind, &CLSID_##name, &name##_interface,                            \
     &name##_events, &make_##name,    &library_table},
const Class classes[] = {PAGINOR_V2CTL_CLASSES(PAGINOR_CLASS_ROW, PAGINOR_SKIP_ALIAS)};

} // namespace

const TypeLibrary library_table{u"PaginorV2CTL", u"PaginorV2CTL",     1,       4,
                                0x409,           &LIBID_PaginorV2CTL, classes, enums};

const TypeLibrary& type_library() {
    return library_table;
}

const Class& class_entry(ClassId id) {
    return library_table.classes[static_cast<size_t>(id)];
}

} // namespace paginor::library
