// The library header, the nine classes and the nine enumerations.
#include "library/classes.h"

#include "platform/core/unicode.h"

namespace paginor::frame {
namespace {

const EnumValue eView_values[] = {{u"evHTML", 0}, {u"evRTF", 1}};
const EnumValue EIconLocation_values[] = {
    {u"ILNone", 0}, {u"ILLeft", 1}, {u"ILTop", 2}, {u"ILRight", 3}, {u"ILBottom", 4}};
const EnumValue enuPFStyle_values[] = {{u"sPFSPrompt", 0},
                                       {u"sPFSDropdown", 1},
                                       {u"sPFSEntry", 2},
                                       {u"sPFSDate", 3},
                                       {u"sPFSDisplayOnly", 4}};
const EnumValue enuPFValType_values[] = {
    {u"sPFVString", 0}, {u"sPFVNumber", 1}, {u"sPFVDate", 2}, {u"sPFVStandardDrop", 3}};
const EnumValue enuMPStyle_values[] = {{u"sMPSPrompt", 0},
                                       {u"sMPSDropdown", 1},
                                       {u"sMPSEntry", 2},
                                       {u"sMPSDate", 3},
                                       {u"sMPSDisplayOnly", 4}};
const EnumValue enuMPValType_values[] = {
    {u"sMPVString", 0}, {u"sMPVNumber", 1}, {u"sMPVDate", 2}, {u"sMPVStandardDrop", 3}};
const EnumValue enuMPDefaultSelType_values[] = {
    {u"sMPTNone", -1}, {u"sMPTAllOf", 0}, {u"sMPTAnyOf", 1}, {u"sMPTExactly", 2}};
const EnumValue eMode_values[] = {{u"Command Button", 0}, {u"CheckBox", 1}, {u"Panel", 2}};
const EnumValue eFontEffect_values[] = {
    {u"None", 0}, {u"Outline", 1}, {u"Shadow", 2}, {u"Emboss", 3}};

const Enumeration enums[] = {
    {u"eView", eView_values},
    {u"EIconLocation", EIconLocation_values},
    {u"enuPFStyle", enuPFStyle_values},
    {u"enuPFValType", enuPFValType_values},
    {u"enuMPStyle", enuMPStyle_values},
    {u"enuMPValType", enuMPValType_values},
    {u"enuMPDefaultSelType", enuMPDefaultSelType_values},
    {u"eMode", eMode_values},
    {u"eFontEffect", eFontEffect_values},
};

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

} // namespace paginor::frame
